#include "db/Movies.h"
#include "db/UnicodeCase.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

bool like(const char* pattern, const char* text) {
    return db::LikeIgnoringCase(pattern, text, 0);
}

TEST(UnicodeCase, LikeMatchesWildcardsIgnoringCaseForEveryLetter) {
    EXPECT_TRUE(like("amélie", "AMÉLIE"));
    EXPECT_TRUE(like("star%", "Star Wars"));
    EXPECT_TRUE(like("star%", "star trek"));
    EXPECT_FALSE(like("star%", "Lone Star"));
    EXPECT_TRUE(like("%star%", "Lone Star"));
    EXPECT_TRUE(like("_lien", "Alien"));
    EXPECT_FALSE(like("_lien", "Aliens"));
    EXPECT_TRUE(like("%", ""));
    EXPECT_TRUE(like("%ß%", "Straße"));
    EXPECT_TRUE(like("%a%b%c", "xxaxxbxxc"));
    EXPECT_FALSE(like("%a%b%c", "xxaxxbxxcx"));
    EXPECT_TRUE(db::LikeIgnoringCase("100!%", "100%", U'!'));
    EXPECT_FALSE(db::LikeIgnoringCase("100!%", "1000", U'!'));
}

// Plain ASCII takes a path of its own; both must agree with the rules above.
TEST(UnicodeCase, LikeFoldsOnlyLettersAndCountsCodePointsNotBytes) {
    EXPECT_TRUE(like("%DRAGON%", "Return of the Dragon's Revenge"));
    EXPECT_TRUE(like("%dragon%", "Café Dragon"));
    EXPECT_TRUE(like("CAFÉ%", "café dragon"));
    EXPECT_FALSE(like("@[\\", "`{|"));  // these differ from each other only by the case bit
    EXPECT_FALSE(like("`{|", "@[\\"));
    EXPECT_TRUE(like("caf_", "CAFÉ"));
    EXPECT_FALSE(like("caf__", "Café"));
    EXPECT_FALSE(like("caf_", "Cafe2"));
    EXPECT_TRUE(like("o'brien", "O'BRIEN"));
    EXPECT_FALSE(like("o'brien", "O'BRIEN "));
    EXPECT_TRUE(like("", ""));
    EXPECT_FALSE(like("", "a"));
    EXPECT_TRUE(db::LikeIgnoringCase("100X%", "100%", U'x'));
    EXPECT_FALSE(db::LikeIgnoringCase("100X%", "1000", U'x'));
}

TEST(UnicodeCase, CollationOrdersIgnoringCase) {
    auto compare = [](const char* a, const char* b) {
        return db::CompareIgnoringCase(a, int(strlen(a)), b, int(strlen(b)));
    };
    EXPECT_EQ(compare("Amélie", "AMÉLIE"), 0);
    EXPECT_EQ(compare("abc", "ABC"), 0);
    EXPECT_LT(compare("abc", "ABD"), 0);
    EXPECT_LT(compare("ab", "abc"), 0);
    EXPECT_GT(compare("Zorro", "amélie"), 0);
}

TEST(UnicodeCase, EqualsAndLikeInStatementsIgnoreCaseForEveryLetter) {
    test::TestCatalogue files;
    db::Connection& connection = files.open();
    db::MovieRecord record;
    record.title = QStringLiteral("Amélie");
    db::InsertMovie(connection, record);
    EXPECT_EQ(connection.scalar("SELECT COUNT(*) FROM [Movie] WHERE [Title] = 'AMÉLIE'").toInt(),
              1);
    EXPECT_EQ(connection.scalar("SELECT COUNT(*) FROM [Movie] WHERE [Title] LIKE 'amÉ%'").toInt(),
              1);
    EXPECT_EQ(
        connection
            .scalar("SELECT COUNT(*) FROM [Movie] WHERE [Title] LIKE ?", {QStringLiteral("%LIE")})
            .toInt(),
        1);
}

// The file must stay usable by the stock sqlite3 library, which knows only its own NOCASE.
TEST(UnicodeCase, TheStockSqliteLibraryReadsAndWritesTheFile) {
    test::TestCatalogue files;
    files.open();
    db::MovieRecord record;
    record.title = QStringLiteral("Amélie");
    db::InsertMovie(files.connection(), record);
    const QByteArray path = files.catalogue().filePath().toUtf8();
    files.catalogue().close();

    sqlite3* stock = nullptr;
    ASSERT_EQ(sqlite3_open(path.constData(), &stock), SQLITE_OK);
    char* error = nullptr;
    EXPECT_EQ(sqlite3_exec(stock, "INSERT INTO Rating (Name) VALUES ('Unrated')", nullptr, nullptr,
                           &error),
              SQLITE_OK)
        << (error ? error : "");
    sqlite3_stmt* statement = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(stock,
                                 "SELECT COUNT(*) FROM Movie WHERE Title = 'amélie' COLLATE BINARY "
                                 "OR Title = 'Amélie'",
                                 -1, &statement, nullptr),
              SQLITE_OK);
    ASSERT_EQ(sqlite3_step(statement), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_int(statement, 0), 1);
    sqlite3_finalize(statement);
    ASSERT_EQ(sqlite3_prepare_v2(stock, "PRAGMA integrity_check", -1, &statement, nullptr),
              SQLITE_OK);
    ASSERT_EQ(sqlite3_step(statement), SQLITE_ROW);
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)), "ok");
    sqlite3_finalize(statement);
    sqlite3_close(stock);

    files.catalogue().OpenDatabase(QStringLiteral("KIB"));
    EXPECT_EQ(files.connection().scalar("SELECT COUNT(*) FROM [Rating] WHERE [Name] = 'UNRATED'"),
              1);
}

}  // namespace
