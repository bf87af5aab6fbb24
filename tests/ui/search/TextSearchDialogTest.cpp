#include "SearchDialogFixture.h"

#include "app/Settings.h"

#include <QLabel>
#include <QTest>
#include <memory>

namespace {

using db::SearchType;

class TextSearch : public test::SearchDialogFixture {};

TEST_F(TextSearch, AWordFindsOnlyTheEqualTitleAndStarsFindEveryTitleContainingIt) {
    for (const char* title : {"Amélie", "Die fabelhafte Welt der Amélie", "AMÉLIE 2", "Alien"})
        add(QString::fromUtf8(title));

    ASSERT_TRUE(searchFor(SearchType::Title, QStringLiteral("amélie")));
    EXPECT_FALSE(stayedOpen);
    EXPECT_EQ(search.type, SearchType::Title);
    EXPECT_EQ(search.title, QStringLiteral("amélie"));
    EXPECT_EQ(listedTitles(), QStringList{QStringLiteral("Amélie")});
    EXPECT_EQ(refills, 1);

    ASSERT_TRUE(searchFor(SearchType::Title, QStringLiteral("*AMÉLIE*")));
    EXPECT_EQ(listedTitles(), (QStringList{QStringLiteral("AMÉLIE 2"), QStringLiteral("Amélie"),
                                           QStringLiteral("Die fabelhafte Welt der Amélie")}));
    EXPECT_EQ(saved(app::key::SearchTitle), QStringLiteral("*AMÉLIE*"));
    EXPECT_EQ(refills, 2);
    EXPECT_TRUE(ui.scriptUsedUp());
}

TEST_F(TextSearch, NotesAreTrimmedAndEnclosedInStarsOnce) {
    db::MovieRecord movie;
    movie.title = QStringLiteral("Heidi");
    movie.locationId = 2;
    movie.notes = QStringLiteral("Bought in Zürich, second hand");
    db::InsertMovie(connection, movie);

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
        EXPECT_EQ(saved(app::key::SearchNotes), QString::fromUtf8(searched));
        EXPECT_EQ(listedTitles(), QStringList{QStringLiteral("Heidi")});
    }

    EXPECT_FALSE(searchFor(SearchType::Notes, QStringLiteral(" Basel "), true));
    EXPECT_EQ(lastMessage(), QStringLiteral("Information: No movies match the notes '*Basel*'."));
    EXPECT_EQ(saved(app::key::SearchNotes), QStringLiteral("*Basel*"));
}

TEST_F(TextSearch, AnApostropheIsSearchedForAndBreaksNothing) {
    add(QStringLiteral("Schindler's List"));
    add(QStringLiteral("Alien"));

    ASSERT_TRUE(searchFor(SearchType::Title, QStringLiteral("schindler's*")));
    EXPECT_EQ(listedTitles(), QStringList{QStringLiteral("Schindler's List")});

    const QString attack = QStringLiteral("x'; DELETE FROM [Movie]; --");
    EXPECT_FALSE(searchFor(SearchType::Label, attack, true));
    EXPECT_EQ(lastMessage(), QStringLiteral("Information: No movies match the label number '") +
                                 attack + QStringLiteral("'."));
    EXPECT_EQ(db::CountMovies(connection), 2);
    EXPECT_EQ(search.type, SearchType::Title);
}

TEST_F(TextSearch, AMovieNumberKeepsOnlyItsDigitsAndMustBeAboveZero) {
    add(QStringLiteral("Alien"));
    const int brazil = add(QStringLiteral("Brazil"));

    for (const char* refused : {"abc", "0", "-5", "   ", "0.0", "--7"}) {
        SCOPED_TRACE(refused);
        EXPECT_FALSE(searchFor(SearchType::MovieId, QString::fromLatin1(refused), true));
        EXPECT_EQ(lastMessage(), QStringLiteral("Information: Enter a movie # to find."));
        EXPECT_TRUE(stayedOpen);
        EXPECT_TRUE(focusInInput);
    }
    EXPECT_EQ(boxAfterSearch, QStringLiteral("--7"));
    EXPECT_FALSE(files.settings().contains(QString::fromLatin1(app::key::SearchMovieId)));
    EXPECT_EQ(refills, 0);

    ASSERT_TRUE(searchFor(SearchType::MovieId, QStringLiteral("# %1 please").arg(brazil)));
    EXPECT_EQ(boxAfterSearch, QString::number(brazil));
    EXPECT_EQ(search.movieId, brazil);
    EXPECT_EQ(listedTitles(), QStringList{QStringLiteral("Brazil")});

    // A fraction counts as the whole number it rounds to.
    search = {};
    ASSERT_TRUE(searchFor(SearchType::MovieId, QStringLiteral("%1.6").arg(brazil - 1)));
    EXPECT_EQ(search.movieId, brazil);

    EXPECT_FALSE(searchFor(SearchType::MovieId, QStringLiteral("999"), true));
    EXPECT_EQ(lastMessage(), QStringLiteral("Information: No movies match the # 999."));
    EXPECT_EQ(saved(app::key::SearchMovieId), QStringLiteral("999"));
    EXPECT_EQ(search.movieId, brazil);
}

TEST_F(TextSearch, AFailedSearchRemembersItsInputAndLeavesTheEarlierSearchInPlace) {
    db::MovieRecord movie;
    movie.title = QStringLiteral("Alien");
    movie.locationId = 2;
    movie.producer = QStringLiteral("Gordon Carroll");
    db::InsertMovie(connection, movie);
    add(QStringLiteral("Brazil"));
    ASSERT_TRUE(searchFor(SearchType::Producer, QStringLiteral("gordon*")));
    ASSERT_TRUE(searchFor(SearchType::Title, QStringLiteral("alien")));
    ASSERT_EQ(refills, 2);

    EXPECT_FALSE(searchFor(SearchType::Director, QStringLiteral("Nobody"), true));
    EXPECT_EQ(lastMessage(), QStringLiteral("Information: No movies match the director 'Nobody'."));
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(focusInInput);
    EXPECT_EQ(saved(app::key::SearchDirector), QStringLiteral("Nobody"));
    EXPECT_EQ(search.type, SearchType::Title);
    EXPECT_EQ(search.title, QStringLiteral("alien"));
    EXPECT_EQ(listedTitles(), QStringList{QStringLiteral("Alien")});
    EXPECT_EQ(refills, 2);

    // An empty input is refused before anything is saved.
    EXPECT_FALSE(searchFor(SearchType::Director, QStringLiteral("  "), true));
    EXPECT_EQ(lastMessage(), QStringLiteral("Information: Enter a director to search for."));
    EXPECT_EQ(saved(app::key::SearchDirector), QStringLiteral("Nobody"));

    // Each dialog reopens with its own last input, selected; Cancel keeps it.
    auto reopen = [this](SearchType type, QString& shown) {
        ui.inDialog([&](QDialog& dialog) {
            auto* box = dialog.findChild<QLineEdit*>();
            shown = box->selectedText();
            box->setText(QStringLiteral("typed, then cancelled"));
            button(dialog, "cmdCancel").click();
            return dialog.result();
        });
        return ui::ShowSearchDialog(type, context);
    };
    QString shown;
    EXPECT_FALSE(reopen(SearchType::Director, shown));
    EXPECT_EQ(shown, QStringLiteral("Nobody"));
    EXPECT_FALSE(reopen(SearchType::Producer, shown));
    EXPECT_EQ(shown, QStringLiteral("gordon*"));
    EXPECT_EQ(saved(app::key::SearchProducer), QStringLiteral("gordon*"));
    EXPECT_EQ(search.type, SearchType::Title);
    EXPECT_EQ(refills, 2);
}

TEST_F(TextSearch, AnActorPatternMatchingTwoOfTheCastListsTheMovieOnce) {
    const int heat = add(QStringLiteral("Heat"));
    add(QStringLiteral("Brazil"));
    db::SetMovieCast(connection, heat,
                     {QStringLiteral("Al Pacino"), QStringLiteral("Robert De Niro")});

    ASSERT_TRUE(searchFor(SearchType::Actor, QStringLiteral("*o*")));
    EXPECT_EQ(search.actor, QStringLiteral("*o*"));
    const std::vector<db::MovieListRow> rows = db::ReadMovieList(connection, search);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].movieId, heat);

    EXPECT_FALSE(searchFor(SearchType::Actor, QStringLiteral("Cher"), true));
    EXPECT_EQ(lastMessage(),
              QStringLiteral("Information: No movies have an actor that matches 'Cher'."));
}

TEST_F(TextSearch, LookupFillsTheBoxThroughThePickerAndDoesNotSearch) {
    add(QStringLiteral("Alien"));
    QStringList shownInPicker;
    context.lookupLocation = [&](QLineEdit& txtSearch) {
        shownInPicker.append(txtSearch.text());
        txtSearch.setText(QStringLiteral("Living Room"));
    };
    ui.inDialog([&](QDialog& dialog) {
        auto* box = dialog.findChild<QLineEdit*>(QStringLiteral("txtSearch"));
        box->setText(QStringLiteral("Liv"));
        button(dialog, "cmdLookup").click();
        EXPECT_EQ(box->text(), QStringLiteral("Living Room"));
        EXPECT_EQ(dialog.focusWidget(), box);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(refills, 0);
        QTest::keyClick(box, Qt::Key_Return);  // Search is the default button
        return dialog.result();
    });
    ASSERT_TRUE(ui::ShowSearchDialog(SearchType::Location, context));
    EXPECT_EQ(shownInPicker, QStringList{QStringLiteral("Liv")});
    EXPECT_EQ(search.location, QStringLiteral("Living Room"));
    EXPECT_EQ(listedTitles(), QStringList{QStringLiteral("Alien")});

    // Without a picker to open, the actor dialog's Lookup is disabled.
    const std::unique_ptr<QDialog> actor = ui::MakeSearchDialog(SearchType::Actor, context);
    EXPECT_FALSE(button(*actor, "cmdLookup").isEnabled());
}

TEST_F(TextSearch, ADatabaseFailureIsReportedAndTheDialogStaysOpen) {
    add(QStringLiteral("Alien"));
    connection.execute(QStringLiteral("DROP TABLE [MovieActor]"));
    EXPECT_FALSE(searchFor(SearchType::Actor, QStringLiteral("*"), true));
    EXPECT_TRUE(lastMessage().startsWith(QStringLiteral("Error: ")));
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(focusInInput);
    EXPECT_EQ(search.type, SearchType::None);
    EXPECT_EQ(refills, 0);
}

// Every text dialog labels its box, opens with the box focused and searches on Enter.
TEST_F(TextSearch, EveryTextDialogIsReachableByKeyboard) {
    for (SearchType type :
         {SearchType::Title, SearchType::MovieId, SearchType::Label, SearchType::Actor,
          SearchType::Director, SearchType::Producer, SearchType::Location, SearchType::Notes}) {
        SCOPED_TRACE(static_cast<int>(type));
        const std::unique_ptr<QDialog> dialog = ui::MakeSearchDialog(type, context);
        const QList<QLineEdit*> boxes = dialog->findChildren<QLineEdit*>();
        ASSERT_EQ(boxes.size(), 1);
        EXPECT_TRUE(boxes[0]->objectName().startsWith(QStringLiteral("txt")));
        int labels = 0;
        for (const QLabel* label : dialog->findChildren<QLabel*>())
            labels += label->buddy() == boxes[0] && label->text().endsWith(u':');
        EXPECT_EQ(labels, 1);
        EXPECT_EQ(dialog->focusWidget(), boxes[0]);
        EXPECT_TRUE(button(*dialog, "cmdSearch").isDefault());
        EXPECT_EQ(button(*dialog, "cmdSearch").text(), QStringLiteral("&Search"));
        EXPECT_EQ(button(*dialog, "cmdCancel").text(), QStringLiteral("&Cancel"));
        EXPECT_TRUE(dialog->objectName().startsWith(QStringLiteral("frmSearch")));
        EXPECT_FALSE(dialog->findChild<QLabel*>(QStringLiteral("lblHelp"))->text().isEmpty());
    }
}

}  // namespace
