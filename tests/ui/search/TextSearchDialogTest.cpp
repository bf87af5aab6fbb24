#include "SearchDialogFixture.h"

#include "settings/Settings.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace {

using db::SearchType;

class TextSearch : public test::SearchDialogFixture {};

TEST_F(TextSearch, AWordFindsOnlyTheEqualTitleAndStarsFindEveryTitleContainingIt) {
    for (const char* title :
         {"Amélie", "Die fabelhafte Welt der Amélie", "AMÉLIE 2", "Alien", "Schindler's List"})
        add(QString::fromUtf8(title));

    ASSERT_TRUE(searchFor(SearchType::Title, "amélie"));
    EXPECT_FALSE(stayedOpen);
    EXPECT_EQ(search.type, SearchType::Title);
    EXPECT_EQ(listedTitles(), QStringList{"Amélie"});
    EXPECT_EQ(refills, 1);

    ASSERT_TRUE(searchFor(SearchType::Title, "*AMÉLIE*"));
    EXPECT_EQ(listedTitles(),
              (QStringList{"AMÉLIE 2", "Amélie", "Die fabelhafte Welt der Amélie"}));
    EXPECT_EQ(saved(settings::key::SearchTitle), "*AMÉLIE*");
    EXPECT_EQ(refills, 2);

    ASSERT_TRUE(searchFor(SearchType::Title, "schindler's*"));
    EXPECT_EQ(listedTitles(), QStringList{"Schindler's List"});
}

TEST_F(TextSearch, NotesAreTrimmedAndEnclosedInStarsOnce) {
    const int heidi = add("Heidi");
    connection.execute("UPDATE [Movie] SET [Notes] = ? WHERE [MovieId] = ?",
                       {"Bought in Zürich, second hand", heidi});

    const std::pair<const char*, const char*> cases[] = {
        {"ZÜRICH", "*ZÜRICH*"},
        {"  zürich* ", "*zürich*"},
        {"*second hand*", "*second hand*"},
        {"*", "*"},
    };
    for (const auto& [typed, searched] : cases) {
        SCOPED_TRACE(typed);
        search = {};
        ASSERT_TRUE(searchFor(SearchType::Notes, QString::fromUtf8(typed)));
        EXPECT_EQ(boxAfterSearch, QString::fromUtf8(searched));
        EXPECT_EQ(search.notes, QString::fromUtf8(searched));
        EXPECT_EQ(saved(settings::key::SearchNotes), QString::fromUtf8(searched));
        EXPECT_EQ(listedTitles(), QStringList{"Heidi"});
    }

    EXPECT_FALSE(searchFor(SearchType::Notes, " Basel ", true));
    EXPECT_EQ(lastMessage(), "Information: No movies match the notes '*Basel*'.");
    EXPECT_EQ(saved(settings::key::SearchNotes), "*Basel*");
}

TEST_F(TextSearch, AnApostropheBreaksNothing) {
    add("Alien");
    const QString attack = "x'; DELETE FROM [Movie]; --";
    EXPECT_FALSE(searchFor(SearchType::Label, attack, true));
    EXPECT_EQ(lastMessage(), "Information: No movies match the label number '" + attack + "'.");
    EXPECT_EQ(db::CountMovies(connection), 1);
}

TEST_F(TextSearch, AMovieNumberKeepsOnlyItsDigitsAndMustBeAboveZero) {
    add("Alien");
    const int brazil = add("Brazil");

    for (const char* refused : {"abc", "0", "-5", "   ", "0.0", "--7"}) {
        SCOPED_TRACE(refused);
        EXPECT_FALSE(searchFor(SearchType::MovieId, QString::fromLatin1(refused), true));
        EXPECT_EQ(lastMessage(), "Information: Enter a movie # to find.");
        EXPECT_TRUE(stayedOpen);
        EXPECT_TRUE(focusInInput);
    }
    EXPECT_EQ(boxAfterSearch, "--7");
    EXPECT_FALSE(files.settings().contains(QString::fromLatin1(settings::key::SearchMovieId)));
    EXPECT_EQ(refills, 0);

    ASSERT_TRUE(searchFor(SearchType::MovieId, QStringLiteral("# %1 please").arg(brazil)));
    EXPECT_EQ(boxAfterSearch, QString::number(brazil));
    EXPECT_EQ(search.movieId, brazil);
    EXPECT_EQ(listedTitles(), QStringList{"Brazil"});

    // A fraction counts as the whole number it rounds to.
    search = {};
    ASSERT_TRUE(searchFor(SearchType::MovieId, QStringLiteral("%1.6").arg(brazil - 1)));
    EXPECT_EQ(search.movieId, brazil);

    EXPECT_FALSE(searchFor(SearchType::MovieId, "999", true));
    EXPECT_EQ(lastMessage(), "Information: No movies match the # 999.");
    EXPECT_EQ(saved(settings::key::SearchMovieId), "999");
    EXPECT_EQ(search.movieId, brazil);
}

TEST_F(TextSearch, AFailedSearchRemembersItsInputAndLeavesTheEarlierSearchInPlace) {
    add("Alien");
    add("Brazil");
    ASSERT_TRUE(searchFor(SearchType::Title, "alien"));

    EXPECT_FALSE(searchFor(SearchType::Director, "Nobody", true));
    EXPECT_EQ(lastMessage(), "Information: No movies match the director 'Nobody'.");
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(saved(settings::key::SearchDirector), "Nobody");
    EXPECT_EQ(search.type, SearchType::Title);
    EXPECT_EQ(listedTitles(), QStringList{"Alien"});

    // An empty input is refused before anything is saved.
    EXPECT_FALSE(searchFor(SearchType::Director, "  ", true));
    EXPECT_EQ(lastMessage(), "Information: Enter a director to search for.");

    // The dialog reopens with the last input, selected; Cancel keeps it.
    ui.inDialog([&](QDialog& dialog) {
        auto* box = dialog.findChild<QLineEdit*>();
        EXPECT_EQ(box->selectedText(), "Nobody");
        test::typeInto(*box, "typed, then cancelled");
        test::click(dialog, "cmdCancel");
        return dialog.result();
    });
    EXPECT_FALSE(ui::ShowSearchDialog(SearchType::Director, context));
    EXPECT_EQ(saved(settings::key::SearchDirector), "Nobody");
    EXPECT_EQ(refills, 1);
}

TEST_F(TextSearch, LookupFillsTheBoxThroughThePickerAndDoesNotSearch) {
    add("Alien");
    context.lookupLocation = [](QLineEdit& txtSearch) {
        EXPECT_EQ(txtSearch.text(), "Liv");
        txtSearch.setText("Living Room");  // what the picker writes
    };
    ui.inDialog([&](QDialog& dialog) {
        auto* box = dialog.findChild<QLineEdit*>("txtSearch");
        test::typeInto(*box, "Liv");
        test::click(dialog, "cmdLookup");
        EXPECT_EQ(dialog.focusWidget(), box);
        EXPECT_TRUE(dialog.isVisible());
        QTest::keyClick(box, Qt::Key_Return);
        return dialog.result();
    });
    ASSERT_TRUE(ui::ShowSearchDialog(SearchType::Location, context));
    EXPECT_EQ(search.location, "Living Room");

    // Without a picker to open, the actor dialog's Lookup is disabled.
    const std::unique_ptr<QDialog> actor = ui::MakeSearchDialog(SearchType::Actor, context);
    EXPECT_FALSE(test::child<QPushButton>(*actor, "cmdLookup").isEnabled());
}

TEST_F(TextSearch, ADatabaseFailureIsReportedAndTheDialogStaysOpen) {
    add("Alien");
    connection.execute("DROP TABLE [MovieActor]");
    EXPECT_FALSE(searchFor(SearchType::Actor, "*", true));
    EXPECT_TRUE(lastMessage().startsWith("Error: "));
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(search.type, SearchType::None);
}

TEST_F(TextSearch, EveryTextDialogLabelsItsBoxFocusesItAndSearchesOnEnter) {
    for (SearchType type :
         {SearchType::Title, SearchType::MovieId, SearchType::Label, SearchType::Actor,
          SearchType::Director, SearchType::Producer, SearchType::Location, SearchType::Notes}) {
        SCOPED_TRACE(static_cast<int>(type));
        const std::unique_ptr<QDialog> dialog = ui::MakeSearchDialog(type, context);
        const QList<QLineEdit*> boxes = dialog->findChildren<QLineEdit*>();
        ASSERT_EQ(boxes.size(), 1);
        EXPECT_TRUE(boxes[0]->objectName().startsWith("txt"));
        int labels = 0;
        for (const QLabel* label : dialog->findChildren<QLabel*>())
            labels += label->buddy() == boxes[0] && label->text().endsWith(u':');
        EXPECT_EQ(labels, 1);
        EXPECT_EQ(dialog->focusWidget(), boxes[0]);
        EXPECT_TRUE(test::child<QPushButton>(*dialog, "cmdSearch").isDefault());
    }
}

}  // namespace
