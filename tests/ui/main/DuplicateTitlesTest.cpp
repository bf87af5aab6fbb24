#include "MainWindowFixture.h"

#include "support/UserInput.h"

#include <QLabel>
#include <QTreeView>

namespace {

using test::child;
using test::MainWindowTest;

// Titles of no letter or digit have no key to share, and an article of another language counts
// only where the title moves it behind a comma.
TEST_F(MainWindowTest, TheDuplicateFinderGroupsOnlyTitlesThatAreOneMovie) {
    for (const char* title :
         {"?", "!!!", "Die Another Day", "Another Day", "Das Boot", "Boot, Das", "The Matrix",
          "Matrix, The", "MATRIX", "La La Land", "Land", "An Education", "Education, An"})
        addMovie(QString::fromUtf8(title));
    openWindow();
    QStringList listed;
    QString count;
    ui.inDialog([&](QDialog& dialog) {
        waitUntilWorkEnds();  // the search runs on the worker
        listed = test::entries(child<QTreeView>(dialog, "lstDuplicates"));
        count = child<QLabel>(dialog, "lblCount").text();
        test::click(dialog, "cmdClose");
        return dialog.result();
    });
    trigger("mnuToolsFindDuplicates");
    EXPECT_EQ(listed, (QStringList{"Boot, Das", "Das Boot", "An Education", "Education, An",
                                   "MATRIX", "Matrix, The", "The Matrix"}));
    EXPECT_EQ(count, "Groups: 3  Movies: 7");
}

}  // namespace
