#include "db/Backup.h"
#include "db/Catalogue.h"
#include "db/Connection.h"
#include "db/DatabaseError.h"
#include "db/Movies.h"
#include "db/Transaction.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <QDir>
#include <QFile>
#include <QSysInfo>

namespace {

// What the stock library says of a file, with no function or collation of the program's.
QString integrityOf(const QString& path) {
    sqlite3* file = nullptr;
    QString verdict;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &file, SQLITE_OPEN_READONLY,
                        nullptr) == SQLITE_OK)
        sqlite3_exec(
            file, "PRAGMA integrity_check",
            [](void* result, int, char** values, char**) {
                *static_cast<QString*>(result) += QString::fromUtf8(values[0]);
                return 0;
            },
            &verdict, nullptr);
    sqlite3_close(file);
    return verdict;
}

int addMovie(db::Connection& connection, const QString& title) {
    db::MovieRecord movie;
    movie.title = title;
    return db::InsertMovie(connection, movie);
}

TEST(Backup, IsAConsistentSingleFileWhileAnotherConnectionWrites) {
    test::TestCatalogue files;
    addMovie(files.open(), "Alien");
    auto writer = db::Connection::open(files.path("KIB.db"));
    const QString copy = files.path("copy.db");
    {
        db::Transaction writing(*writer);
        addMovie(*writer, "Brazil");  // not committed while the backup reads
        db::BackupCatalogue(files.path("KIB.db"), copy);
    }
    EXPECT_EQ(integrityOf(copy), "ok");
    EXPECT_FALSE(QFile::exists(copy + "-wal"));
    EXPECT_FALSE(QFile::exists(copy + ".part"));
    auto backup = db::Connection::open(copy, db::Connection::Access::ReadOnly);
    EXPECT_EQ(db::CountMovies(*backup), 1) << "the catalogue of one moment";
    EXPECT_EQ(backup->scalar("PRAGMA journal_mode").toString(), "delete");

    EXPECT_THROW(db::BackupCatalogue(files.path("NONE.db"), copy), db::Error);
    EXPECT_THROW(db::BackupCatalogue(files.path("KIB.db"), files.path("no/such/folder/x.db")),
                 db::Error);
    EXPECT_EQ(integrityOf(copy), "ok") << "a failed backup leaves the earlier file";
}

TEST(Backup, BeforeAChangeKeepsTheNewestFiveOfTheCatalogue) {
    test::TestCatalogue files;
    files.open();
    QDir().mkpath(files.path("Backups"));
    QFile other(files.path("Backups/OTHER-20000101-000000.db"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.close();
    QStringList made;
    for (int backup = 0; backup < 7; ++backup)
        made.append(QFileInfo(db::BackupBeforeChange(files.catalogue())).fileName());
    const QStringList kept =
        QDir(files.path("Backups")).entryList({"KIB-*.db"}, QDir::Files, QDir::Name);
    EXPECT_EQ(kept.size(), db::BackupsKept);
    for (const QString& name : made.mid(2))
        EXPECT_TRUE(kept.contains(name)) << name.toStdString();
    EXPECT_TRUE(other.exists()) << "another catalogue's backups are not touched";
    EXPECT_TRUE(made[0].startsWith("KIB-")) << made[0].toStdString();

    QFile::remove(files.path("Backups/") + kept[0]);
    ASSERT_TRUE(QDir(files.path("Backups")).removeRecursively());
    QFile blocker(files.path("Backups"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    EXPECT_THROW(db::BackupBeforeChange(files.catalogue()), db::Error);
}

TEST(CatalogueLock, KeepsASecondWriterOffAndTakesOverALeftLock) {
    test::TestCatalogue files;
    files.open();
    db::Catalogue second(files.folder());
    try {
        second.OpenDatabase("KIB");
        ADD_FAILURE() << "a second writer was let in";
    } catch (const db::Error& error) {
        EXPECT_TRUE(error.message().startsWith("The catalogue 'KIB' is open in another copy"))
            << error.message().toStdString();
    }
    EXPECT_FALSE(second.isOpen());
    second.OpenDatabase("KIB", db::Catalogue::Sharing::Shared);
    EXPECT_TRUE(second.isOpen()) << "a reader is let in";
    second.close();

    files.catalogue().OpenDatabase("OTHER");  // the lock moves with the catalogue
    second.OpenDatabase("KIB");
    EXPECT_TRUE(second.isOpen());
}

TEST(CatalogueLock, ALockLeftByAnEndedCopyIsTakenOver) {
    test::TestCatalogue files;
    QFile left(files.path("KIB.db.lock"));
    ASSERT_TRUE(left.open(QIODevice::WriteOnly));
    left.write("2147480000\ntallowmere\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    left.close();
    files.open();
    EXPECT_TRUE(files.catalogue().isOpen());
}

}  // namespace
