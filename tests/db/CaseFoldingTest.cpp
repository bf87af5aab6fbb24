#include "db/CaseKeys.h"
#include "db/LookupTable.h"
#include "db/MovieList.h"
#include "db/Movies.h"
#include "db/ProgressReporter.h"
#include "db/UnicodeCase.h"
#include "io/ImportMovies.h"
#include "io/MovieFileFormat.h"
#include "io/MovieFileLines.h"
#include "support/StockSqlite.h"
#include "support/TestCatalogue.h"
#include "support/TestData.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

using db::LookupTable;

TEST(UnicodeCase, LikeMatchesWildcardsIgnoringCaseForEveryLetter) {
    struct LikeCase {
        const char* pattern;
        const char* text;
        bool matches;
    };
    // Plain ASCII takes a path of its own; both must follow the same rules.
    for (const LikeCase& c : std::initializer_list<LikeCase>{
             {"amélie", "AMÉLIE", true},
             {"star%", "Star Wars", true},
             {"star%", "Lone Star", false},
             {"%star%", "Lone Star", true},
             {"_lien", "Alien", true},
             {"_lien", "Aliens", false},
             {"%", "", true},
             {"", "a", false},
             {"%ß%", "Straße", true},
             {"%a%b%c", "xxaxxbxxc", true},
             {"%a%b%c", "xxaxxbxxcx", false},
             {"CAFÉ%", "café dragon", true},
             {"@[\\", "`{|", false},  // these differ from each other only by the case bit
             {"caf_", "CAFÉ", true},
             {"caf__", "Café", false},
             {"o'brien", "O'BRIEN ", false}})
        EXPECT_EQ(db::LikeIgnoringCase(c.pattern, c.text, 0), c.matches)
            << c.pattern << " / " << c.text;
    EXPECT_TRUE(db::LikeIgnoringCase("100!%", "100%", U'!'));
    EXPECT_FALSE(db::LikeIgnoringCase("100X%", "1000", U'x'));
}

// Titles and names that the built-in NOCASE and a Unicode fold put in different orders.
const QStringList Names = {"Émile", "Ñandú", "Über", "Øresund", "éclair", "ångström", "Zorro"};

class CaseFolding : public testing::Test {
protected:
    int addMovie(const QString& title) { return test::AddMovie(files.connection(), title); }
    QStringList titlesFound(db::SearchType type, const QString& pattern) {
        db::ActiveSearch search;
        search.type = type;
        search.title = search.actor = search.location = pattern;
        QStringList titles;
        for (const db::MovieListRow& row : db::ReadMovieList(files.connection(), search))
            titles.append(row.title);
        return titles;
    }

    test::TestCatalogue files;
    db::Connection& first = files.open();
    const QString path = files.catalogue().filePath();
};

TEST_F(CaseFolding, TheStockToolFindsEveryIndexInOrderAfterTheProgramWrote) {
    for (const QString& name : Names) {
        addMovie(name);
        db::LookupOrAddId(first, LookupTable::Actor, name);
        db::LookupOrAddId(first, LookupTable::Genre, name.toLower());
    }
    QStringList ordered = db::LookupNames(first, LookupTable::Actor);
    ordered.removeIf([](const QString& name) { return !Names.contains(name); });
    EXPECT_EQ(ordered,
              (QStringList{"ångström", "éclair", "Émile", "Ñandú", "Øresund", "Über", "Zorro"}))
        << "accented letters among their base letters, case ignored";
    files.catalogue().close();
    EXPECT_EQ(test::StockSqlite(path, "PRAGMA integrity_check"), "ok");
}

// What the program's own rows can rely on, rows that another program added or renamed must too,
// whether they are met at once or after the program has opened the file again.
TEST_F(CaseFolding, RowsWrittenByAnotherProgramAreFoundIgnoringCase) {
    const int brazil = addMovie("Brazil");
    test::StockSqlite(
        path,
        "INSERT INTO Movie (GenreId, LocationId, MediaId, RatingId, Title, LabelNumber, "
        "ReleaseYear, Minutes, Stars, AcquireDate, Cost, LentDate) VALUES (0, 2, 2, 2, "
        "'Amélie', '', 0, 0, 0, '1899-01-01 00:00:00', 0, '1899-01-01 00:00:00');"
        "INSERT INTO Actor (Name) VALUES ('Élodie Bouchez');"
        "INSERT INTO Location (Name) VALUES ('Étagère');"
        "UPDATE Movie SET Title = 'Über Brazil' WHERE Title = 'Brazil';"
        "REINDEX; VACUUM;");
    const int actors = first.scalar("SELECT COUNT(*) FROM [Actor]").toInt();

    for (int opening = 0; opening < 2; ++opening) {
        db::Connection& connection = files.connection();
        EXPECT_EQ(db::FindMovieByTitle(connection, "ÜBER BRAZIL"), brazil);
        EXPECT_EQ(addMovie("AMÉLIE"), -1) << "the title check";
        io::MovieFileLines file(io::MovieFileHeader().toUtf8() + "\r\n" +
                                R"(1,"AMÉLIE",5,"","DVD",0,"R",0,"","","ÉLODIE BOUCHEZ",)"
                                R"("ÉTAGÈRE","",,0,"",,"")");
        EXPECT_EQ(io::ImportMovies(connection, file).imported, 1);
        EXPECT_EQ(db::CountMovies(connection), 2) << "the import updates";
        EXPECT_EQ(connection.scalar("SELECT COUNT(*) FROM [Actor]").toInt(), actors);
        EXPECT_EQ(titlesFound(db::SearchType::Title, "amélie"), QStringList{"AMÉLIE"});
        EXPECT_EQ(titlesFound(db::SearchType::Actor, "ÉLODIE*"), QStringList{"AMÉLIE"});
        EXPECT_EQ(titlesFound(db::SearchType::Location, "étagère"), QStringList{"AMÉLIE"});
        files.catalogue().close();
        files.catalogue().OpenDatabase("KIB");
        db::FillMissingCaseKeys(files.connection());
    }
    files.catalogue().close();
    EXPECT_EQ(test::StockSqlite(path, "PRAGMA integrity_check"), "ok");
    EXPECT_EQ(test::StockSqlite(path, "SELECT COUNT(*) FROM Movie WHERE TitleKey IS NULL"), "0")
        << "folds are filled in after the file is opened";
}

// Folding a large catalogue goes in committed batches: stopped after the first (as a kill would
// end it), the file is sound and the next run folds the rest, each row as the program folds it.
TEST_F(CaseFolding, FoldingStoppedPartWayIsSoundAndTheNextRunFinishesIt) {
    files.catalogue().close();
    test::StockSqlite(path,
                      "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < "
                      "120000) INSERT INTO Movie (GenreId, LocationId, MediaId, RatingId, Title, "
                      "LabelNumber, ReleaseYear, Minutes, Stars, AcquireDate, Cost, LentDate) "
                      "SELECT 0, 2, 2, 2, 'Émile ' || i, '', 0, 0, 0, '1899-01-01 00:00:00', 0, "
                      "'1899-01-01 00:00:00' FROM n;"
                      "INSERT INTO Actor (Name) VALUES ('Øresund');");
    files.catalogue().OpenDatabase("KIB");
    db::Connection& connection = files.connection();
    ASSERT_TRUE(db::HasMissingCaseKeys(connection)) << "the stock tool writes no folds";

    struct StopAfterFirstBatch final : db::ProgressReporter {
        void ShowProgress(const QString& text, int first, int last) override {
            status = text;
            batches = last - first + 1;
        }
        void ProgressStep(const QString&) override { ++steps; }
        void CloseProgress() override {}
        bool stopRequested() const override { return steps > 0; }
        QString status;
        int batches = 0;
        int steps = 0;
    } stopping;
    db::FillMissingCaseKeys(connection, &stopping);
    EXPECT_EQ(stopping.status, "Preparing the catalogue for searching\u2026");
    EXPECT_EQ(stopping.batches, 3 + 1) << "120,000 titles in batches, and the new actor";
    EXPECT_EQ(stopping.steps, 1);
    const QString unfolded = "SELECT COUNT(*) FROM Movie WHERE TitleKey IS NULL";
    const int left = connection.scalar(unfolded).toInt();
    EXPECT_GT(left, 0);
    EXPECT_LT(left, 120000);
    const QString foldIndex = "SELECT COUNT(*) FROM sqlite_master WHERE name = 'Movie_TitleKey'";
    EXPECT_EQ(connection.scalar(foldIndex).toInt(), 1) << "the fold index is back after a stop";
    files.catalogue().close();
    EXPECT_EQ(test::StockSqlite(path, "PRAGMA integrity_check"), "ok");

    files.catalogue().OpenDatabase("KIB");
    db::FillMissingCaseKeys(files.connection());
    EXPECT_FALSE(db::HasMissingCaseKeys(files.connection()));
    EXPECT_EQ(files.connection()
                  .scalar("SELECT COUNT(*) FROM Movie WHERE TitleKey IS NOT unicode_fold(Title)")
                  .toInt(),
              0);
    EXPECT_EQ(db::FindMovieByTitle(files.connection(), "ÉMILE 120000"),
              files.connection().scalar("SELECT MAX(MovieId) FROM Movie").toInt());

    // Killed while the index was being rebuilt: it is missing, and the next run builds it.
    files.catalogue().close();
    test::StockSqlite(path, "DROP INDEX Movie_TitleKey");
    files.catalogue().OpenDatabase("KIB");
    EXPECT_TRUE(db::HasMissingCaseKeys(files.connection()));
    db::FillMissingCaseKeys(files.connection());
    EXPECT_EQ(files.connection().scalar(foldIndex).toInt(), 1);
    files.catalogue().close();
    EXPECT_EQ(test::StockSqlite(path, "PRAGMA integrity_check"), "ok");
}

// Earlier versions of the program put their own Unicode rule in place of NOCASE, so their
// title and name indexes are out of the order every other program expects.
TEST_F(CaseFolding, ACatalogueOfAnEarlierVersionIsMendedWhenOpened) {
    files.catalogue().close();
    QString strip;
    for (const char* keyed : {"Movie.Title", "Actor.Name", "Genre.Name", "Location.Name",
                              "Media.Name", "Rating.Name"}) {
        const QStringList parts = QString::fromLatin1(keyed).split('.');
        strip += QStringLiteral(
                     "DROP TRIGGER [%1_%2Key_Stale]; DROP INDEX [%1_%2Key]; "
                     "ALTER TABLE [%1] DROP COLUMN [%2Key];")
                     .arg(parts[0], parts[1]);
    }
    test::StockSqlite(path, strip);
    sqlite3* earlier = nullptr;
    ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &earlier), SQLITE_OK);
    sqlite3_create_collation(earlier, "NOCASE", SQLITE_UTF8, nullptr,
                             [](void*, int aLength, const void* a, int bLength, const void* b) {
                                 return db::CompareIgnoringCase(
                                     static_cast<const char*>(a), aLength,
                                     static_cast<const char*>(b), bLength);
                             });
    for (const QString& name : Names) {
        const QByteArray sql = QStringLiteral(
                                   "INSERT INTO Actor (Name) VALUES ('%1');"
                                   "INSERT INTO Movie (GenreId, LocationId, MediaId, "
                                   "RatingId, Title, LabelNumber, ReleaseYear, "
                                   "Minutes, Stars, AcquireDate, Cost, LentDate) "
                                   "VALUES (0, 2, 2, 2, '%1', '', 0, 0, 0, '', 0, '')")
                                   .arg(name)
                                   .toUtf8();
        ASSERT_EQ(sqlite3_exec(earlier, sql.constData(), nullptr, nullptr, nullptr), SQLITE_OK);
    }
    sqlite3_close(earlier);
    ASSERT_NE(test::StockSqlite(path, "PRAGMA integrity_check"), "ok") << "the fault this mends";

    db::Connection& mended = files.open();
    EXPECT_GT(db::FindMovieByTitle(mended, "ÉCLAIR"), 0);
    EXPECT_EQ(db::LookupOrAddId(mended, LookupTable::Actor, "ØRESUND"),
              db::FindLookupId(mended, LookupTable::Actor, "øresund"));
    files.catalogue().close();
    EXPECT_EQ(test::StockSqlite(path, "PRAGMA integrity_check"), "ok");
}

}  // namespace
