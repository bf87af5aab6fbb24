#include "db/BackupNames.h"
#include "support/TestData.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>

namespace {

TEST(BackupNames, OnlyTheProgramsOwnNamesAreBackupsOfTheCatalogue) {
    struct Case {
        const char* file;
        bool ours;
        int number;
    };
    const Case cases[] = {
        {"KIB-20261207-031716.db", true, 1},
        {"KIB-20261207-031716-2.db", true, 2},
        {"KIB-20261207-031716-12.db", true, 12},
        {"KIB-20261207-031716-1.db", false, 0},   // never written
        {"KIB-20261207-031716-02.db", false, 0},  // nor this
        {"KIB-before-my-edit.db", false, 0},
        {"KIB-20261207-031716.db.bak", false, 0},
        {"KIB-20261207-031716 copy.db", false, 0},
        {"KIB-20261307-031716.db", false, 0},  // no such month
        {"KIB-2026127-031716.db", false, 0},
        {"KIBX-20261207-031716.db", false, 0},  // another catalogue's
        {"kib-20261207-031716.db", false, 0},
    };
    for (const Case& each : cases) {
        const auto parsed = db::BackupName::Parse("KIB", QString::fromLatin1(each.file));
        EXPECT_EQ(parsed.has_value(), each.ours) << each.file;
        if (parsed) {
            EXPECT_EQ(parsed->number, each.number) << each.file;
            EXPECT_EQ(parsed->fileName("KIB"), QString::fromLatin1(each.file));
        }
    }
}

class BackupFolder : public testing::Test {
protected:
    QTemporaryDir directory;
    QDir folder{directory.path()};
    void put(const QString& name) { ASSERT_TRUE(test::WriteFile(folder.filePath(name), "x")); }
    const QDateTime now = QDateTime::fromString("2026-12-07T03:17:16", Qt::ISODate);
};

TEST_F(BackupFolder, ANewNameComesAfterEveryNameOfItsSecondKeptOrUnfinished) {
    EXPECT_EQ(db::NextBackupName(folder, "KIB", now).fileName("KIB"), "KIB-20261207-031716.db");
    // The first of the second was pruned; the later ones are kept.
    put("KIB-20261207-031716-6.db");
    put("KIB-20261207-031716-7.db");
    put("OTHER-20261207-031716-9.db");
    EXPECT_EQ(db::NextBackupName(folder, "KIB", now).fileName("KIB"), "KIB-20261207-031716-8.db");
    put("KIB-20261207-031716-8.db.part");
    EXPECT_EQ(db::NextBackupName(folder, "KIB", now).fileName("KIB"), "KIB-20261207-031716-9.db");
}

TEST_F(BackupFolder, PruningGoesByTheNamesTimesAndKeepsTheOneJustWritten) {
    for (const char* name :
         {"KIB-20300101-000000.db", "KIB-20300102-000000.db", "KIB-20300103-000000.db",
          "KIB-20300104-000000.db", "KIB-20300105-000000.db", "KIB-20261207-031716.db",
          "KIB-mine.db", "OTHER-20000101-000000.db"})
        put(QString::fromLatin1(name));
    ASSERT_TRUE(folder.mkdir("KIB-20000101-000000.db"));
    // Written under a clock that stepped back: the oldest by its name, and still kept.
    const auto written = db::BackupName::Parse("KIB", "KIB-20261207-031716.db");
    ASSERT_TRUE(written);
    EXPECT_EQ(db::BackupsBeyond(folder, "KIB", 5, *written),
              QStringList{folder.filePath("KIB-20300101-000000.db")});

    put("KIB-20300101-000000.db.part");
    put("KIB-20300101-000000.db.part-journal");
    put("KIB-mine.db.part");
    EXPECT_EQ(db::UnfinishedBackups(folder, "KIB"),
              (QStringList{folder.filePath("KIB-20300101-000000.db.part"),
                           folder.filePath("KIB-20300101-000000.db.part-journal")}));
}

}  // namespace
