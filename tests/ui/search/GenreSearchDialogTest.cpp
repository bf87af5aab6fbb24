#include "SearchDialogFixture.h"

#include "settings/Settings.h"
#include "support/UserInput.h"

namespace {

using db::SearchType;

class GenreSearch : public test::SearchDialogFixture {
protected:
    void SetUp() override {
        add("Airplane!", "4");           // Comedy
        add("Patton", "7/18");           // Drama, War Movies
        add("Dr. Strangelove", "18/4");  // War Movies, Comedy
        add("Alien", "9/13");
    }

    static QListWidget& list(QDialog& dialog) {
        return test::child<QListWidget>(dialog, "lstGenre");
    }
    static QStringList selectedNames(QDialog& dialog) {
        return test::selectedEntries(list(dialog));
    }

    // Opens the dialog, notes which genres it shows selected, selects exactly the named ones and
    // presses Search (cancelling when the dialog stays open). True when it set a new search.
    bool searchGenres(const QStringList& names, QStringList& shownSelected, bool answered = false) {
        ui.inDialog([&](QDialog& dialog) {
            shownSelected = selectedNames(dialog);
            test::click(dialog, "cmdClear");
            for (const QString& name : names)
                test::choose(list(dialog), name);
            test::click(dialog, "cmdSearch");
            stayedOpen = dialog.isVisible();
            focusInInput = dialog.focusWidget() == &list(dialog);
            if (stayedOpen)
                test::click(dialog, "cmdCancel");
            return dialog.result();
        });
        if (answered)
            ui.acknowledge();
        return ui::ShowSearchDialog(SearchType::Genres, context);
    }
};

TEST_F(GenreSearch, RefusesNoSelectionAndGenresWithoutMovies) {
    QStringList shown;
    EXPECT_FALSE(searchGenres({}, shown, true));
    EXPECT_EQ(lastMessage(), "Information: Enter a genre to search for.");
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(focusInInput);
    EXPECT_FALSE(files.settings().contains(QString::fromLatin1(settings::key::SearchGenreIds)));

    EXPECT_FALSE(searchGenres({"Westerns"}, shown, true));
    EXPECT_EQ(lastMessage(), "Information: No movies have the genres you selected.");
    EXPECT_TRUE(focusInInput);
    EXPECT_EQ(saved(settings::key::SearchGenreIds), "19");
    EXPECT_EQ(search.type, SearchType::None);
    EXPECT_EQ(refills, 0);
}

TEST_F(GenreSearch, FindsAnyOfTheGenresAndReopensWithTheLastSelectionFoundOrNot) {
    QStringList shown;
    ASSERT_TRUE(searchGenres({"War Movies", "Comedy"}, shown));
    EXPECT_EQ(shown, QStringList{});
    EXPECT_EQ(search.type, SearchType::Genres);
    EXPECT_EQ(search.genreIds, "4,18") << "in the list's order";
    EXPECT_EQ(listedTitles(), (QStringList{"Airplane!", "Dr. Strangelove", "Patton"}));
    EXPECT_EQ(refills, 1);

    EXPECT_FALSE(searchGenres({"Family", "Westerns"}, shown, true));
    EXPECT_EQ(shown, (QStringList{"Comedy", "War Movies"}));
    EXPECT_EQ(search.genreIds, "4,18");

    // A genre deleted since is simply absent; the other stays selected.
    connection.execute("DELETE FROM [Genre] WHERE [Name] = 'Westerns'");
    ASSERT_TRUE(searchGenres({"Drama"}, shown));
    EXPECT_EQ(shown, QStringList{"Family"});

    ui.inDialog([&](QDialog& dialog) {
        EXPECT_EQ(selectedNames(dialog), QStringList{"Drama"});
        test::click(dialog, "cmdClear");
        test::click(dialog, "cmdCancel");
        return dialog.result();
    });
    EXPECT_FALSE(ui::ShowSearchDialog(SearchType::Genres, context));
    EXPECT_EQ(saved(settings::key::SearchGenreIds), "7") << "Cancel keeps what was saved";
}

}  // namespace
