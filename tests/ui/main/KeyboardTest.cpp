#include "MainWindowFixture.h"

#include "support/UserInput.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QTest>
#include <QWindow>

namespace {

using test::MainWindowTest;

// Keys go to the window as the window system delivers them: to an open popup first.
void press(ui::MainWindow& window, Qt::Key key) {
    QTest::keyClick(window.windowHandle(), key);
}

TEST_F(MainWindowTest, EscDismissesAComboListOrCompletionBeforeItClosesTheWindow) {
    addMovie("Alien");
    openWindow();
    auto* location = find<QComboBox>("cboLocation");
    test::typeInto(*location->lineEdit(), "Liv");
    QAbstractItemView* completion = location->completer()->popup();
    QTRY_COMPARE(QApplication::activePopupWidget(), completion);
    press(window(), Qt::Key_Escape);
    QTRY_VERIFY(!completion->isVisible());

    press(window(), Qt::Key_F4);
    QTRY_VERIFY(QApplication::activePopupWidget());
    EXPECT_TRUE(QApplication::activePopupWidget()->isAncestorOf(location->view()));
    press(window(), Qt::Key_Escape);
    QTRY_VERIFY(!QApplication::activePopupWidget());
    EXPECT_TRUE(ui.exchanges().empty()) << "Esc did only what the combo uses it for";
    EXPECT_EQ(location->currentText(), "Liv");

    // Nothing left to dismiss: Esc is the Close button, which saves first.
    ui.answer(ui::Answer::Cancel);
    press(window(), Qt::Key_Escape);
    ASSERT_EQ(ui.exchanges().size(), 1u);
    EXPECT_EQ(ui.exchanges()[0].title, "Add Location?");
    EXPECT_TRUE(window().isVisible());
    ui.answer(ui::Answer::Yes).answer(ui::Answer::Yes);
    press(window(), Qt::Key_Escape);
    EXPECT_EQ(ui.exchanges().back().text, "Exit Tallowmere Movie Database?");
    EXPECT_FALSE(window().isVisible());
}

}  // namespace

namespace {

TEST_F(MainWindowTest, TabFollowsTheFieldsRowByRowAndSkipsTheGenreText) {
    addMovie("Alien");
    openWindow();
    // From the list, where a click leaves the focus, Tab goes into the title.
    clickRow(0);
    QTest::keyClick(window().focusWidget(), Qt::Key_Tab);
    QWidget* title = find<QWidget>("txtTitle");
    EXPECT_EQ(window().focusWidget(), title) << window().focusWidget()->metaObject()->className();
    title->setFocus();
    QStringList reached{title->objectName()};
    while (reached.size() < 40 && reached.back() != "cmdClose") {
        QTest::keyClick(window().focusWidget(), Qt::Key_Tab);
        reached.append(window().focusWidget()->objectName());
    }
    EXPECT_EQ(
        reached,
        QStringList(
            {"txtTitle",    "cmdSetGenre",    "txtStars",         "cboMedia",       "txtMinutes",
             "cboRating",   "txtYear",        "cboLocation",      "txtLabelNumber", "txtCost",
             "txtDirector", "txtProducer",    "txtAcquireDate",   "txtLentTo",      "txtLentDate",
             "imgCover",    "lstActors",      "cmdAddActor",      "cmdRemove",      "txtNotes",
             "cmdAddMovie", "cmdDeleteMovie", "cmdPreviousMovie", "cmdNextMovie",   "cmdClose"}));
}

}  // namespace
