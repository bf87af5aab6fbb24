#include "db/Backup.h"
#include "db/Catalogue.h"
#include "db/DatabaseError.h"
#include "support/StockSqlite.h"
#include "support/TestCatalogue.h"
#include "support/TestData.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>

namespace {

// A backup taken while another connection writes is tested through the command line.
TEST(Backup, IsOneSelfContainedFileAndAFailedOneLeavesTheEarlierCopy) {
    test::TestCatalogue files;
    test::AddMovie(files.open(), "Alien");
    const QString copy = files.path("copy.db");
    db::BackupCatalogue(files.path("KIB.db"), copy);
    EXPECT_FALSE(QFile::exists(copy + "-wal"));
    EXPECT_FALSE(QFile::exists(copy + ".part"));
    EXPECT_EQ(test::StockSqlite(copy, "PRAGMA journal_mode"), "delete");

    EXPECT_THROW(db::BackupCatalogue(files.path("NONE.db"), copy), db::Error);
    EXPECT_THROW(db::BackupCatalogue(files.path("KIB.db"), files.path("no/such/folder/x.db")),
                 db::Error);
    EXPECT_EQ(test::StockSqlite(copy, "PRAGMA integrity_check"), "ok");
    EXPECT_EQ(test::StockSqlite(copy, "SELECT Title FROM Movie"), "Alien");
}

TEST(Backup, BeforeAChangeKeepsTheNewestFiveOfTheCatalogue) {
    test::TestCatalogue files;
    files.open();
    QDir().mkpath(files.path("Backups"));
    const QString other = files.path("Backups/OTHER-20000101-000000.db");
    ASSERT_TRUE(test::WriteFile(other, {}));
    QStringList made;
    for (int backup = 0; backup < 7; ++backup)
        made.append(QFileInfo(db::BackupBeforeChange(files.catalogue())).fileName());
    QStringList newest = made.mid(2);
    newest.sort();
    EXPECT_EQ(QDir(files.path("Backups")).entryList({"KIB-*.db"}, QDir::Files, QDir::Name), newest);
    EXPECT_TRUE(QFile::exists(other)) << "another catalogue's backups are not touched";

    ASSERT_TRUE(QDir(files.path("Backups")).removeRecursively());
    ASSERT_TRUE(test::WriteFile(files.path("Backups"), {}));  // where the folder would go
    EXPECT_THROW(db::BackupBeforeChange(files.catalogue()), db::Error);
}

// The refusal's words and a lock left by a crash are tested on the built program.
TEST(CatalogueLock, KeepsASecondWriterOffLetsReadersInAndMovesWithTheCatalogue) {
    test::TestCatalogue files;
    files.open();
    db::Catalogue second(files.folder());
    EXPECT_THROW(second.OpenDatabase("KIB"), db::Error);
    EXPECT_FALSE(second.isOpen());
    second.OpenDatabase("KIB", db::Catalogue::Sharing::Shared);
    EXPECT_TRUE(second.isOpen());
    second.close();

    files.catalogue().OpenDatabase("OTHER");
    second.OpenDatabase("KIB");
    EXPECT_TRUE(second.isOpen());
}

}  // namespace
