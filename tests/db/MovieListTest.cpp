#include "db/LookupTable.h"
#include "db/MovieList.h"
#include "db/Movies.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>

namespace {

class MovieList : public testing::Test {
protected:
    test::TestCatalogue files;
    db::Connection& connection = files.open();

    int add(const QString& title, const QString& genres = {}, int location = 2) {
        db::MovieRecord movie;
        movie.title = title;
        movie.genreIds = genres;
        movie.locationId = location;
        movie.director = QStringLiteral("Ridley Scott");
        movie.notes = QStringLiteral("Bought in Zürich; the owner's copy");
        return db::InsertMovie(connection, movie);
    }

    QStringList titles(const db::ActiveSearch& search) {
        QStringList result;
        for (const db::MovieListRow& row : db::ReadMovieList(connection, search))
            result.append(row.title);
        result.sort();
        return result;
    }

    db::ActiveSearch search(db::SearchType type, const QString& criterion) {
        db::ActiveSearch result;
        result.type = type;
        result.title = result.label = result.actor = result.director = result.producer =
            result.location = result.notes = result.genreIds = criterion;
        return result;
    }
};

TEST_F(MovieList, ShowsEveryMovieWithItsCellsButNoneWhoseLocationIsGone) {
    const int alien = add("Alien", "9/13");
    add("Lost", {}, 99);
    const db::MovieListRows rows = db::ReadMovieList(connection, {});
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].movieId, alien);
    EXPECT_EQ(rows[0].genres, "Horror / Science Fiction");
    EXPECT_EQ(rows[0].location, "Living Room");
    add("Plain", {}, 3);
    EXPECT_EQ(titles({}), (QStringList{"Alien", "Plain"}));
    EXPECT_EQ(titles(search(db::SearchType::Location, "theater*")), QStringList{"Plain"});
    EXPECT_EQ(db::ReadMovieList(connection, search(db::SearchType::Title, "Plain"))[0].genres,
              "(none)");
}

// Genres in the order they were given, however many and whatever their ids.
TEST_F(MovieList, GenreTextsKeepTheOrderOfTheGenres) {
    connection.execute(
        "INSERT INTO [Genre] ([GenreId], [Name], [NameKey]) VALUES (70000, 'Noir', "
        "'noir')");
    const std::pair<QString, QString> cases[] = {
        {"13/9/7/4/2", "Science Fiction / Horror / Drama / Comedy / Animation"},
        {"70000/9", "Noir / Horror"},
        {"9/13", "Horror / Science Fiction"},
        {"13/9", "Science Fiction / Horror"},
        {"9/13/99", "Horror / Science Fiction"},
    };
    std::map<int, QString> expected;
    for (const auto& [ids, text] : cases)
        expected[add(ids, ids)] = text;
    for (const db::MovieListRow& row : db::ReadMovieList(connection, {}))
        EXPECT_EQ(row.genres, expected.at(row.movieId)) << row.title.toStdString();
}

TEST_F(MovieList, TextPatternsMatchWholeValuesUnlessWildcardsSayOtherwise) {
    for (const char* title : {"Star Wars", "star trek", "Lone Star", "Amélie", "Schindler's List"})
        add(title);
    EXPECT_EQ(titles(search(db::SearchType::Title, "star")), QStringList{});
    EXPECT_EQ(titles(search(db::SearchType::Title, "star*")),
              (QStringList{"Star Wars", "star trek"}));
    EXPECT_EQ(titles(search(db::SearchType::Title, "*star*")),
              (QStringList{"Lone Star", "Star Wars", "star trek"}));
    EXPECT_EQ(titles(search(db::SearchType::Title, "AMÉLIE")), QStringList{"Amélie"});
    EXPECT_EQ(titles(search(db::SearchType::Title, "schindler's*")),
              QStringList{"Schindler's List"});
    EXPECT_EQ(titles(search(db::SearchType::Title, "?tar wars")), QStringList{"Star Wars"});
    EXPECT_EQ(titles(search(db::SearchType::Director, "*SCOTT")).size(), 5);
    EXPECT_EQ(titles(search(db::SearchType::Notes, "*zürich*")).size(), 5);
    EXPECT_EQ(titles(search(db::SearchType::Producer, "*")).size(), 5);
    EXPECT_EQ(titles(search(db::SearchType::Label, "")).size(), 5);
    db::ActiveSearch byNumber;
    byNumber.type = db::SearchType::MovieId;
    byNumber.movieId = db::FindMovieByTitle(connection, "amélie");
    EXPECT_EQ(titles(byNumber), QStringList{"Amélie"});
}

TEST_F(MovieList, AnActorPatternMatchingTwoOfTheCastListsTheMovieOnce) {
    const int heat = add("Heat");
    add("Other");
    db::SetMovieCast(connection, heat, {"Al Pacino", "Robert De Niro"});
    EXPECT_EQ(titles(search(db::SearchType::Actor, "*o*")), QStringList{"Heat"});
    EXPECT_EQ(titles(search(db::SearchType::Actor, "al pacino")), QStringList{"Heat"});
}

TEST_F(MovieList, AGenreSearchFindsMoviesWithAnyOfTheGenres) {
    add("Comedy", "4");
    add("Drama and war", "7/18");
    add("Horror", "9");
    EXPECT_EQ(titles(search(db::SearchType::Genres, "4,18")),
              (QStringList{"Comedy", "Drama and war"}));
    EXPECT_EQ(titles(search(db::SearchType::Genres, "1); DROP TABLE Movie; --")), QStringList{});
    EXPECT_EQ(titles(search(db::SearchType::Genres, "")), QStringList{});
}

}  // namespace
