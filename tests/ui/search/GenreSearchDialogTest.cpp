#include "SearchDialogFixture.h"

#include "app/Settings.h"

#include <QListWidget>

namespace {

using db::SearchType;

class GenreSearch : public test::SearchDialogFixture {
protected:
    void SetUp() override {
        add(QStringLiteral("Airplane!"), QStringLiteral("4"));           // Comedy
        add(QStringLiteral("Patton"), QStringLiteral("7/18"));           // Drama, War Movies
        add(QStringLiteral("Dr. Strangelove"), QStringLiteral("18/4"));  // War Movies, Comedy
        add(QStringLiteral("Alien"), QStringLiteral("9/13"));
    }

    static QListWidget& list(QDialog& dialog) {
        return *dialog.findChild<QListWidget*>(QStringLiteral("lstGenre"));
    }

    static QStringList selectedNames(QDialog& dialog) {
        QStringList names;
        for (int row = 0; row < list(dialog).count(); ++row)
            if (list(dialog).item(row)->isSelected())
                names.append(list(dialog).item(row)->text());
        return names;
    }

    // Opens the dialog, notes which genres it shows selected, selects exactly the named ones and
    // presses Search (cancelling when the dialog stays open). True when it set a new search.
    bool searchGenres(const QStringList& names, QStringList& shownSelected, bool answered = false) {
        ui.inDialog([&](QDialog& dialog) {
            shownSelected = selectedNames(dialog);
            button(dialog, "cmdClear").click();
            for (const QString& name : names)
                list(dialog).findItems(name, Qt::MatchExactly).at(0)->setSelected(true);
            button(dialog, "cmdSearch").click();
            stayedOpen = dialog.isVisible();
            focusInInput = dialog.focusWidget() == &list(dialog);
            if (stayedOpen)
                button(dialog, "cmdCancel").click();
            return dialog.result();
        });
        if (answered)
            ui.acknowledge();
        return ui::ShowSearchDialog(SearchType::Genres, context);
    }
};

TEST_F(GenreSearch, FindsMoviesWithAnyOfTheSelectedGenres) {
    QStringList shown;
    ASSERT_TRUE(searchGenres({QStringLiteral("War Movies"), QStringLiteral("Comedy")}, shown));
    EXPECT_EQ(shown, QStringList{});
    EXPECT_EQ(search.type, SearchType::Genres);
    EXPECT_EQ(search.genreIds, QStringLiteral("4,18"));  // in the list's order
    EXPECT_EQ(saved(app::key::SearchGenreIds), QStringLiteral("4,18"));
    EXPECT_EQ(listedTitles(),
              (QStringList{QStringLiteral("Airplane!"), QStringLiteral("Dr. Strangelove"),
                           QStringLiteral("Patton")}));
    EXPECT_EQ(refills, 1);
}

TEST_F(GenreSearch, RefusesNoSelectionAndGenresWithoutMovies) {
    QStringList shown;
    EXPECT_FALSE(searchGenres({}, shown, true));
    EXPECT_EQ(lastMessage(), QStringLiteral("Information: Enter a genre to search for."));
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(focusInInput);
    EXPECT_FALSE(files.settings().contains(QString::fromLatin1(app::key::SearchGenreIds)));

    EXPECT_FALSE(searchGenres({QStringLiteral("Westerns")}, shown, true));
    EXPECT_EQ(lastMessage(),
              QStringLiteral("Information: No movies have the genres you selected."));
    EXPECT_TRUE(focusInInput);
    EXPECT_EQ(saved(app::key::SearchGenreIds), QStringLiteral("19"));
    EXPECT_EQ(search.type, SearchType::None);
    EXPECT_EQ(refills, 0);
}

TEST_F(GenreSearch, ReopensWithTheLastSelectionWhetherItFoundMoviesOrNot) {
    QStringList shown;
    ASSERT_TRUE(searchGenres({QStringLiteral("Comedy"), QStringLiteral("War Movies")}, shown));
    EXPECT_FALSE(searchGenres({QStringLiteral("Family"), QStringLiteral("Westerns")}, shown, true));
    EXPECT_EQ(shown, (QStringList{QStringLiteral("Comedy"), QStringLiteral("War Movies")}));
    EXPECT_EQ(search.genreIds, QStringLiteral("4,18"));

    // A genre deleted since is simply absent; the other stays selected.
    connection.execute(QStringLiteral("DELETE FROM [Genre] WHERE [Name] = 'Westerns'"));
    ASSERT_TRUE(searchGenres({QStringLiteral("Drama")}, shown));
    EXPECT_EQ(shown, QStringList{QStringLiteral("Family")});

    // Clear deselects everything; Cancel then keeps what was saved.
    ui.inDialog([&](QDialog& dialog) {
        EXPECT_EQ(selectedNames(dialog), QStringList{QStringLiteral("Drama")});
        EXPECT_TRUE(list(dialog).findItems(QStringLiteral("Westerns"), Qt::MatchExactly).isEmpty());
        EXPECT_EQ(list(dialog).count(), db::LookupNames(connection, db::LookupTable::Genre).size());
        button(dialog, "cmdClear").click();
        EXPECT_EQ(selectedNames(dialog), QStringList{});
        button(dialog, "cmdCancel").click();
        return dialog.result();
    });
    EXPECT_FALSE(ui::ShowSearchDialog(SearchType::Genres, context));
    EXPECT_EQ(saved(app::key::SearchGenreIds), QStringLiteral("7"));
    EXPECT_EQ(search.genreIds, QStringLiteral("7"));
    EXPECT_TRUE(ui.scriptUsedUp());
}

}  // namespace
