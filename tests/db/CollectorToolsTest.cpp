#include "db/DatabaseError.h"
#include "db/DuplicateMovies.h"
#include "db/LabelNumbers.h"
#include "db/LookupTable.h"
#include "db/MovieDetails.h"
#include "db/Movies.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>

namespace {

// The label proposal, the label check and merging list entries are tested through their windows.
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
        movie.locationId = movie.mediaId = movie.ratingId = 2;
        const int id = db::InsertMovie(connection, movie);
        db::SetMovieCast(connection, id, cast);
        return id;
    }
};

TEST(LabelNumbers, TheFollowingLabelKeepsThePrefixAndTheWidth) {
    const std::pair<const char*, const char*> cases[] = {
        {"L000123", "L000124"},
        {"A-9", "A-10"},
        {"0099", "0100"},
        {" B7 ", "B8"},
        {"DVD", ""},
        {"", ""},
        {"X-99999999999999999999", "X-100000000000000000000"}};
    for (const auto& [label, following] : cases)
        EXPECT_EQ(db::FollowingLabel(label), following) << label;
}

TEST_F(CollectorTools, DuplicatesAreTitlesAlikeButForCaseAccentsPunctuationAndArticles) {
    for (const char* title : {"The Matrix", "Matrix, The", "MATRIX", "Matrix 2", "Amélie",
                              "AMELIE!", "Der Himmel über Berlin", "Himmel uber Berlin, Der",
                              "Himmel uber Berlin", "Heat", "?", "!!!"})
        add(QString::fromUtf8(title));
    std::vector<QStringList> groups;
    for (const db::DuplicateGroup& group : db::FindDuplicateMovies(connection)) {
        QStringList titles;
        for (const db::DuplicateMovie& movie : group)
            titles.append(movie.title);
        groups.push_back(titles);
    }
    EXPECT_EQ(groups,
              (std::vector<QStringList>{{"Amélie", "AMELIE!"},  // in reading order
                                        {"Der Himmel über Berlin", "Himmel uber Berlin, Der"},
                                        {"MATRIX", "Matrix, The", "The Matrix"}}));
}

TEST_F(CollectorTools, AMergedMovieGivesTheKeptOneItsMissingGenresAndCast) {
    for (const char* actor : {"Keanu Reeves", "Carrie-Anne Moss"})
        db::LookupOrAddId(connection, db::LookupTable::Actor, actor);
    const int kept = add("The Matrix", "L1", "13", {"Keanu Reeves"});
    const int other = add("Matrix, The", "L2", "13/7", {"Carrie-Anne Moss", "Keanu Reeves"});
    db::MergeMovies(connection, kept, other);
    const db::MovieDetails merged = *db::ReadMovie(connection, kept);
    EXPECT_EQ(merged.record.labelNumber, "L1") << "the kept movie's fields win";
    EXPECT_EQ(merged.cast, (QStringList{"Keanu Reeves", "Carrie-Anne Moss"}));
    EXPECT_EQ(merged.genres.ids, "13/7");
    EXPECT_EQ(connection
                  .scalar("SELECT COUNT(*) FROM [MovieActor] WHERE [MovieId] NOT IN "
                          "(SELECT [MovieId] FROM [Movie])")
                  .toInt(),
              0);
    EXPECT_THROW(db::MergeMovies(connection, kept, kept), db::Error);
    EXPECT_THROW(db::MergeMovies(connection, kept, other), db::Error) << "it is gone";
}

}  // namespace
