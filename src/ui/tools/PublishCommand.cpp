#include "ui/tools/PublishCommand.h"

#include "db/Catalogue.h"
#include "io/publish/PublishSite.h"
#include "ui/common/UserInterface.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace ui {

namespace {

const QString Caption = QStringLiteral("Publish as web page");

// A page of its own folder: the page may bring a pictures folder along.
QString proposedPage(const db::Catalogue& catalogue) {
    return QDir::home().filePath(QStringLiteral("%1 web page/index.html").arg(catalogue.name()));
}

}  // namespace

void PublishWebPageCommand(UserInterface& ui, db::Catalogue& catalogue, QWidget* parent) {
    FileChoice choice;
    choice.purpose = FileChoice::Purpose::Save;
    choice.title = Caption;
    choice.proposedFile = proposedPage(catalogue);
    choice.filters = {QStringLiteral("Web pages (*.html)")};
    const std::optional<QString> chosen = ui.chooseFile(parent, choice);
    if (!chosen)
        return;
    const QFileInfo page(*chosen);
    const QString folder = page.absolutePath();
    if (QFileInfo::exists(QDir(folder).filePath(QStringLiteral("index.html"))) &&
        ui.ask(parent, Caption,
               QStringLiteral("'%1' holds a web page already. Replace it?").arg(folder),
               Buttons::YesNo) != Answer::Yes)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    io::PublishResult result;
    try {
        result =
            io::PublishSite(catalogue.connection(), catalogue.name(), folder, QDate::currentDate());
    } catch (...) {
        QApplication::restoreOverrideCursor();
        throw;
    }
    QApplication::restoreOverrideCursor();
    if (ui.ask(parent, Caption,
               QStringLiteral("%1 movies published to '%2'.\n\nOpen the page in the web browser?")
                   .arg(result.movies)
                   .arg(result.page),
               Buttons::YesNo) == Answer::Yes)
        ui.openUrl(QUrl::fromLocalFile(result.page));
}

}  // namespace ui
