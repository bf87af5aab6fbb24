#include "db/MovieDetails.h"
#include "support/UserInput.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MainWindowFixture.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

namespace {

using test::MainWindowTest;

QStringList menuTitles(QMainWindow& window) {
    QStringList titles;
    for (const QAction* menu : window.menuBar()->actions())
        titles.append(menu->text());
    return titles;
}

TEST_F(MainWindowTest, UnderAGermanLocaleTheWindowSpeaksGerman) {
    ASSERT_EQ(QLocale::system().language(), QLocale::German) << "LANG is not honoured";
    addMovie(QStringLiteral("Alien"));
    openWindow();

    EXPECT_EQ(menuTitles(window()), QStringList({"&Datei", "&Suchen", "&Ansicht", "&Berichte",
                                                 "&Einrichten", "E&xtras", "&Hilfe"}));
    // The File menu as the user opens it: its first command.
    QMenu& file = *window().findChild<QMenu*>(QStringLiteral("mnuFile"));
    QTest::mouseClick(window().menuBar(), Qt::LeftButton, {},
                      window().menuBar()->actionGeometry(file.menuAction()).center());
    QTRY_VERIFY(file.isVisible());
    EXPECT_EQ(file.actions().first()->text(), "Filmdatenbank ö&ffnen ..");
    file.close();
    EXPECT_EQ(find<QAction>("mnuFileAddMovie")->text(), "Film h&inzufügen");

    EXPECT_EQ(find<QPushButton>("cmdSaveChanges")->text(), "Änderungen s&peichern");
    EXPECT_EQ(find<QPushButton>("cmdNextMovie")->text(), "&Weiter");
    EXPECT_EQ(find<QPushButton>("cmdClose")->text(), "Schließen");
    // The labels stay tied to their fields under their German names.
    bool titleLabelFound = false;
    for (const QLabel* label : window().findChildren<QLabel*>())
        if (label->buddy() == find<QWidget>("txtTitle")) {
            titleLabelFound = true;
            EXPECT_EQ(label->text(), "Titel:");
        }
    EXPECT_TRUE(titleLabelFound);

    // Qt's own buttons come in German as well.
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text(), "Abbrechen");
}

TEST_F(MainWindowTest, UnderAGermanLocaleStarsAreWrittenAndReadWithADecimalComma) {
    const int movieId = addMovie(QStringLiteral("Alien"));
    openWindow();
    EXPECT_EQ(field("txtStars").text(), "4,0");
    type("txtStars", "3,5");
    click("cmdSaveChanges");
    EXPECT_EQ(db::ReadMovie(connection(), movieId)->record.stars, 3.5) << "the comma was lost";
    EXPECT_EQ(field("txtStars").text(), "3,5");
}

}  // namespace
