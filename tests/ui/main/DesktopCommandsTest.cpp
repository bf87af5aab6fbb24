#include "MainWindowFixture.h"

#include "db/MovieDetails.h"
#include "support/TestData.h"
#include "support/UserInput.h"
#include "ui/main/ShortcutsDialog.h"
#include "ui/main/UserGuide.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>
#include <QWindow>

namespace {

using test::MainWindowTest;

class DesktopCommands : public MainWindowTest {
protected:
    QToolBar& toolBar() { return *find<QToolBar>("tbrMain"); }
    // A click on the toolbar's button of that command, where the user sees it.
    void clickTool(const char* name) {
        QAction* action = window().findChild<QAction*>(QString::fromLatin1(name));
        ASSERT_NE(action, nullptr) << name;
        QWidget* button = toolBar().widgetForAction(action);
        ASSERT_NE(button, nullptr) << name << " is not on the toolbar";
        QTest::mouseClick(button, Qt::LeftButton);
    }
};

TEST_F(DesktopCommands, TheToolbarRunsTheEverydayCommandsWithIcons) {
    const int alien = addMovie("Alien");
    addMovie("Brazil");
    openWindow();
    for (const char* name :
         {"mnuFileAddMovie", "mnuFileDeleteMovie", "tbrSave", "mnuFilePreviousMovie",
          "mnuFileNextMovie", "mnuSearchTitle", "mnuSearchClear", "tbrPrintPreview"}) {
        auto* action = window().findChild<QAction*>(QString::fromLatin1(name));
        ASSERT_NE(action, nullptr) << name;
        EXPECT_TRUE(toolBar().actions().contains(action)) << name;
        EXPECT_FALSE(action->icon().pixmap(24, 24).isNull()) << name << " has no icon";
    }
    auto* reports = find<QToolButton>("tbrReports");
    EXPECT_EQ(reports->menu(), find<QMenu>("mnuReports"));

    QAction* save = window().findChild<QAction*>("tbrSave");
    EXPECT_FALSE(save->isEnabled());
    type("txtDirector", "Ridley Scott");
    EXPECT_TRUE(save->isEnabled()) << "on and off with Save Changes";
    clickTool("tbrSave");
    EXPECT_EQ(db::ReadMovie(connection(), alien)->record.director, "Ridley Scott");
    EXPECT_FALSE(save->isEnabled());

    clickTool("mnuFileNextMovie");
    EXPECT_EQ(shownTitle(), "Brazil");
    clickTool("mnuFilePreviousMovie");
    EXPECT_EQ(shownTitle(), "Alien");
    clickTool("mnuFileAddMovie");
    EXPECT_EQ(shownTitle(), "New Movie");
    ui.answer(ui::Answer::Yes);
    clickTool("mnuFileDeleteMovie");
    EXPECT_EQ(listedTitles(), QStringList({"Alien", "Brazil"}));
}

TEST_F(DesktopCommands, F1OpensTheReadmeAsALocalPage) {
    addMovie("Alien");
    openWindow();
    QTemporaryDir cache;
    qputenv("XDG_CACHE_HOME", cache.path().toLocal8Bit());
    ui.openUrlSucceeds(true);
    QTest::keyClick(window().windowHandle(), Qt::Key_F1);
    qunsetenv("XDG_CACHE_HOME");
    ASSERT_EQ(ui.exchanges().size(), 1u);
    const QUrl page(ui.exchanges()[0].text);
    ASSERT_TRUE(page.isLocalFile()) << page.toString().toStdString();
    EXPECT_TRUE(page.toLocalFile().startsWith(cache.path()));
    const QString html = QString::fromUtf8(test::ContentsOf(page.toLocalFile()));
    EXPECT_TRUE(html.contains("<h1")) << "the README's title as a heading";
    EXPECT_TRUE(html.contains("Keyboard"));

    // Pictures and links are found beside the README, wherever the page is written.
    const QString guide = ui::UserGuideHtml("# Guide\n\n![Window](docs/shot.png)\n",
                                            QUrl::fromLocalFile("/usr/share/doc/tallowmere/"));
    EXPECT_TRUE(guide.contains("<base href=\"file:///usr/share/doc/tallowmere/\"/>"));
    EXPECT_TRUE(guide.contains("docs/shot.png"));
}

TEST_F(DesktopCommands, KeyboardShortcutsListsEveryKeyOfTheMenusAndTheWindow) {
    addMovie("Alien");
    openWindow();
    QStringList listed;
    ui.inDialog([&](QDialog& dialog) {
        auto& keys = test::child<QTreeWidget>(dialog, "lstKeys");
        for (QTreeWidgetItemIterator each(&keys); *each; ++each)
            listed.append((*each)->text(0) + " = " + (*each)->text(1));
        return QDialog::Rejected;
    });
    test::chooseMenuItem(window(), "mnuHelpKeys");
    ASSERT_EQ(ui.exchanges().size(), 1u);
    EXPECT_EQ(ui.exchanges()[0].text, "frmKeys");
    int menuKeys = 0;
    for (const QAction* action : window().findChildren<QAction*>()) {
        if (action->shortcut().isEmpty())
            continue;
        ++menuKeys;
        const QString key = action->shortcut().toString(QKeySequence::NativeText);
        EXPECT_TRUE(listed.filter(QRegularExpression("^" + QRegularExpression::escape(key) + " = "))
                        .size() == 1)
            << key.toStdString();
    }
    EXPECT_GE(menuKeys, 7) << "F1, F3 and the Ctrl keys of the menus";
    for (const char* key : {"F1 = User guide", "Ctrl+S = Save Changes", "Insert = Add Movie",
                            "Esc = Close the preview"})
        EXPECT_TRUE(listed.contains(key)) << key;
}

}  // namespace
