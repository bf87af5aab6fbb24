#include "db/DatabaseError.h"
#include "db/DuplicateMovies.h"
#include "db/LabelNumbers.h"
#include "db/ListEntryUse.h"
#include "db/LookupTable.h"
#include "db/MovieDetails.h"
#include "db/Movies.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>

namespace {

using db::LookupTable;

class CollectorTools : public testing::Test {
protected:
    test::TestCatalogue files;
    db::Connection& connection = files.open();

    int add(const QString& title, const QString& label = {}, const QString& genreIds = {},
            const QStringList& cast = {}) {
        db::MovieRecord movie;
        movie.title = title;
        movie.labelNumber = label;
        movie.genreIds = genreIds;
        movie.locationId = 2;
        movie.mediaId = 3;
        movie.ratingId = 4;
        const int id = db::InsertMovie(connection, movie);
        db::SetMovieCast(connection, id, cast);
        return id;
    }
    int id(LookupTable table, const QString& name) {
        return db::FindLookupId(connection, table, name);
    }
    int count(const QString& sql) { return connection.scalar(sql).toInt(); }
};

TEST(LabelNumbers, TheFollowingLabelKeepsThePrefixAndTheWidth) {
    const std::pair<const char*, const char*> cases[] = {
        {"L000123", "L000124"},
        {"A-9", "A-10"},
        {"12", "13"},
        {"0099", "0100"},
        {" B7 ", "B8"},
        {"DVD", ""},
        {"", ""},
        {"X-99999999999999999999", "X-100000000000000000000"}};
    for (const auto& [label, following] : cases)
        EXPECT_EQ(db::FollowingLabel(label), following) << label;
}

TEST_F(CollectorTools, AddMovieProposesTheLabelAfterTheHighestNumber) {
    EXPECT_EQ(db::NextLabelNumber(connection), "") << "no labels yet, nothing proposed";
    add("Alien", "Shelf");
    EXPECT_EQ(db::NextLabelNumber(connection), "");
    add("Brazil", "L000123");
    add("Casablanca", "L000007");
    add("Dune", "A-9");
    EXPECT_EQ(db::NextLabelNumber(connection), "L000124");
}

TEST_F(CollectorTools, TheLabelCheckFindsRepeatsAndGapsPerPrefix) {
    add("Alien", "L001");
    add("Brazil", "l001 ");
    add("Casablanca", "L004");
    add("Dune", "L005");
    add("Eraserhead", "B-9");
    add("Fargo", "B-7");
    add("Gilda", "Shelf");
    const db::LabelCheck check = db::CheckLabelNumbers(connection);
    ASSERT_EQ(check.duplicates.size(), 1u);
    EXPECT_EQ(check.duplicates[0].label, "L001");
    EXPECT_EQ(check.duplicates[0].titles, (QStringList{"Alien", "Brazil"}));
    ASSERT_EQ(check.gaps.size(), 2u);
    EXPECT_EQ(check.gaps[0].first, "B-8");
    EXPECT_EQ(check.gaps[0].last, "B-8");
    EXPECT_EQ(check.gaps[1].first, "L002");
    EXPECT_EQ(check.gaps[1].last, "L003");
}

TEST_F(CollectorTools, DuplicatesAreTitlesAlikeButForCaseAccentsPunctuationAndArticles) {
    for (const char* title : {"The Matrix", "Matrix, The", "MATRIX", "Matrix 2", "Amélie",
                              "AMELIE!", "Der Himmel über Berlin", "Himmel uber Berlin", "Heat"})
        add(QString::fromUtf8(title));
    std::vector<QStringList> groups;
    for (const db::DuplicateGroup& group : db::FindDuplicateMovies(connection)) {
        QStringList titles;
        for (const db::DuplicateMovie& movie : group)
            titles.append(movie.title);
        groups.push_back(titles);
    }
    EXPECT_EQ(groups, (std::vector<QStringList>{{"AMELIE!", "Amélie"},
                                                {"Der Himmel über Berlin", "Himmel uber Berlin"},
                                                {"MATRIX", "Matrix, The", "The Matrix"}}));
}

TEST_F(CollectorTools, AMergedMovieGivesTheKeptOneItsMissingGenresAndCast) {
    for (const char* actor : {"Keanu Reeves", "Carrie-Anne Moss"})
        db::LookupOrAddId(connection, LookupTable::Actor, actor);
    const int kept = add("The Matrix", "L1", "13", {"Keanu Reeves"});
    const int other = add("Matrix, The", "L2", "13/7", {"Carrie-Anne Moss", "Keanu Reeves"});
    db::MergeMovies(connection, kept, other);
    const db::MovieDetails merged = *db::ReadMovie(connection, kept);
    EXPECT_EQ(merged.record.title, "The Matrix");
    EXPECT_EQ(merged.record.labelNumber, "L1") << "the kept movie's fields win";
    EXPECT_EQ(merged.cast, (QStringList{"Keanu Reeves", "Carrie-Anne Moss"}));
    EXPECT_EQ(merged.genres.ids, "13/7");
    EXPECT_EQ(count("SELECT COUNT(*) FROM [Movie]"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM [MovieActor] WHERE [MovieId] NOT IN "
                    "(SELECT [MovieId] FROM [Movie])"),
              0);
    EXPECT_THROW(db::MergeMovies(connection, kept, kept), db::Error);
    EXPECT_THROW(db::MergeMovies(connection, kept, other), db::Error) << "it is gone";
}

TEST_F(CollectorTools, MergingEntriesMovesEveryReferenceAndLeavesNoRepeatedLink) {
    const int dvd = id(LookupTable::Media, "DVD");
    const int dvdToo = db::LookupOrAddId(connection, LookupTable::Media, "dvd ");
    const int drama = id(LookupTable::Genre, "Drama");
    const int dramaToo = db::LookupOrAddId(connection, LookupTable::Genre, "Drama!");
    const int tom = db::LookupOrAddId(connection, LookupTable::Actor, "Tom Hanks");
    const int tomToo = db::LookupOrAddId(connection, LookupTable::Actor, "Hanks, Tom");
    const int one = add("Big", {}, QString::number(dramaToo), {"Hanks, Tom", "Tom Hanks"});
    const int two =
        add("Cast Away", {}, QStringLiteral("%1/%2").arg(drama).arg(dramaToo), {"Hanks, Tom"});
    add("Heat");
    connection.execute("UPDATE [Movie] SET [MediaId] = ? WHERE [MovieId] = ?", {dvdToo, one});

    EXPECT_EQ(db::MoviesUsingEntries(connection, LookupTable::Genre).value(dramaToo), 2);
    EXPECT_EQ(db::MoviesUsingEntries(connection, LookupTable::Actor).value(tomToo), 2);
    EXPECT_EQ(db::MoviesUsingEntries(connection, LookupTable::Media).value(dvdToo), 1);

    EXPECT_EQ(db::MergeListEntries(connection, LookupTable::Media, dvd, {dvdToo}), 1);
    EXPECT_EQ(db::MergeListEntries(connection, LookupTable::Genre, drama, {dramaToo}), 2);
    EXPECT_EQ(db::MergeListEntries(connection, LookupTable::Actor, tom, {tomToo}), 2);
    EXPECT_EQ(db::ReadMovie(connection, one)->mediaName, "DVD");
    EXPECT_EQ(db::ReadMovie(connection, one)->cast, QStringList{"Tom Hanks"});
    EXPECT_EQ(db::ReadMovie(connection, two)->genres.names, "Drama");
    EXPECT_EQ(id(LookupTable::Actor, "Hanks, Tom"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM (SELECT 1 FROM [MovieGenre] "
                    "GROUP BY [MovieId], [GenreId] HAVING COUNT(*) > 1)"),
              0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM (SELECT 1 FROM [MovieActor] "
                    "GROUP BY [MovieId], [ActorId] HAVING COUNT(*) > 1)"),
              0);
    EXPECT_EQ(connection.scalar("PRAGMA integrity_check").toString(), "ok");

    EXPECT_THROW(db::MergeListEntries(connection, LookupTable::Media, dvd, {}), db::Error);
    EXPECT_THROW(db::MergeListEntries(connection, LookupTable::Media, dvd, {dvd}), db::Error);
}

}  // namespace
