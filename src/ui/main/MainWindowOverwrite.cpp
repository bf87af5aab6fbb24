// Save and a change another program made to the shown movie meanwhile.

#include "db/MovieDetails.h"
#include "db/MovieStamp.h"
#include "ui/common/UserInterface.h"
#include "ui/main/MainWindow.h"

#include <cstdio>

namespace ui {

MainWindow::Overwrite MainWindow::overwriteChangedMovie(int movieId) {
    const QString stored = db::MovieStamp(connection(), movieId);
    // A movie that is gone is the save's to report.
    if (stored.isEmpty() || stored == shownStamp_)
        return Overwrite::Save;
    const QString title = db::ReadMovieTitle(connection(), movieId);
    if (ending_) {
        std::fprintf(stderr,
                     "'%s' was changed by another program since it was shown; the edits made "
                     "here were not saved over that change.\n",
                     qPrintable(title));
        return Overwrite::Drop;
    }
    switch (ui_.ask(this, QStringLiteral("Movie changed"),
                    QStringLiteral("'%1' has been changed by another program since it was shown "
                                   "here.\n\nSave your changes over that change?\n\nNo shows the "
                                   "movie as it is stored now, without your changes; Cancel "
                                   "goes back to your changes.")
                        .arg(title),
                    Buttons::YesNoCancel)) {
        case Answer::Yes:
            return Overwrite::Save;
        case Answer::No:
            return Overwrite::Drop;
        case Answer::Cancel:
            break;
    }
    return Overwrite::Keep;
}

}  // namespace ui
