#include "ProgramEnvironment.h"
#include "app/Startup.h"
#include "db/Catalogue.h"
#include "db/Connection.h"
#include "db/Transaction.h"
#include "db/Upgrade.h"
#include "io/MovieFileFormat.h"
#include "support/ScriptedUserInterface.h"
#include "support/TestCatalogue.h"
#include "support/TestData.h"
#include "ui/main/MainWindow.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

namespace {

// The built program's commands, run as a user runs them, on a home of their own: backups,
// leftovers and what stands where a command writes.
class SafeWrites : public testing::Test {
protected:
    QTemporaryDir home;
    const QString folder = home.filePath("data/KIB");

    struct Outcome {
        int status;
        QByteArray out;
        QString errors;
        bool finished;
    };
    QProcessEnvironment environment() const { return test::ProgramEnvironment(home); }
    Outcome start(const QString& program, const QStringList& arguments, int waitMs = 60000) {
        QProcess run;
        run.setProcessEnvironment(environment());
        run.start(program, arguments);
        const bool finished = run.waitForFinished(waitMs);
        if (!finished) {
            run.kill();
            run.waitForFinished();
        }
        return {run.exitCode(), run.readAllStandardOutput(),
                QString::fromUtf8(run.readAllStandardError()), finished};
    }
    Outcome run(const QStringList& arguments, int waitMs = 60000) {
        return start(QStringLiteral(TALLOWMERE_PROGRAM), arguments, waitMs);
    }
    QString path(const QString& name) const { return home.filePath(name); }
    QString inFolder(const QString& name) const { return folder + u'/' + name; }

    // A catalogue "KIB" at the current schema with this many movies.
    void makeCatalogue(int movies) {
        db::Catalogue files(folder);
        QDir().mkpath(folder);
        files.OpenDatabase("KIB");
        while (db::ReadVersion(files.connection()) < db::CurrentSchemaVersion)
            db::UpdateDatabase(files.connection());
        db::Transaction transaction(files.connection());
        for (int number = 1; number <= movies; ++number)
            test::AddMovie(files.connection(), QStringLiteral("Movie %1").arg(number), "4/7");
    }
    QByteArray movieFile() {
        const QByteArray rest =
            "\",4,\"Horror\",\"DVD\",117,\"R\",1979,\"\",\"\",\"\",\"Attic\",\"\",,0,\"\",,"
            "\"\"\r\n";
        return io::MovieFileHeader().toUtf8() + "\r\n1,\"Alien" + rest + "2,\"Aliens" + rest;
    }
    QString backups(const QString& name = {}) const {
        return folder + QStringLiteral("/Backups") + (name.isEmpty() ? "" : "/" + name);
    }
    QStringList backupFiles() const {
        return QDir(backups()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    bool putFile(const QString& file, const QByteArray& bytes, const QString& modified = {}) {
        QDir().mkpath(QFileInfo(file).absolutePath());
        if (!test::WriteFile(file, bytes))
            return false;
        if (modified.isEmpty())
            return true;
        QFile dated(file);
        return dated.open(QIODevice::ReadWrite) &&
               dated.setFileTime(QDateTime::fromString(modified, Qt::ISODate),
                                 QFileDevice::FileModificationTime);
    }
    static QString reportedBackup(const Outcome& outcome) {
        for (const QByteArray& line : outcome.out.split('\n'))
            if (line.startsWith("Backup: "))
                return QFileInfo(QString::fromUtf8(line.mid(8))).fileName();
        return {};
    }
    static bool isCharacterDevice(const QString& file) {
        struct stat found {};
        return lstat(QFile::encodeName(file).constData(), &found) == 0 && S_ISCHR(found.st_mode);
    }
};

TEST_F(SafeWrites, PruningKeepsTheUsersFilesAndTheNewestByTheTimeInTheirNames) {
    makeCatalogue(3);
    ASSERT_TRUE(putFile(path("movies.txt"), movieFile()));
    const QByteArray catalogue = test::ContentsOf(inFolder("KIB.db"));
    // Copies put there by hand, and backups whose files look newer than they are (copied with
    // their times kept, or written under a clock that has since stepped back).
    ASSERT_TRUE(putFile(backups("KIB-before-my-edit.db"), catalogue, "2020-01-01T00:00:00"));
    ASSERT_TRUE(putFile(backups("KIB-20010101-000000.db.bak"), catalogue, "2020-01-01T00:00:00"));
    for (int day = 1; day <= 5; ++day)
        ASSERT_TRUE(putFile(backups(QStringLiteral("KIB-2001020%1-000000.db").arg(day)), catalogue,
                            "2030-01-01T00:00:00"));

    const Outcome imported = run({"import", path("movies.txt")});
    ASSERT_EQ(imported.status, 0) << imported.errors.toStdString();
    const QString written = reportedBackup(imported);
    ASSERT_FALSE(written.isEmpty());
    QStringList expected = {"KIB-20010101-000000.db.bak",
                            "KIB-20010202-000000.db",
                            "KIB-20010203-000000.db",
                            "KIB-20010204-000000.db",
                            "KIB-20010205-000000.db",
                            "KIB-before-my-edit.db",
                            written};
    expected.sort();
    EXPECT_EQ(backupFiles(), expected);
}

TEST_F(SafeWrites, QuickImportsNeverGiveAReportedNameToAnotherBackup) {
    makeCatalogue(3);
    ASSERT_TRUE(putFile(path("movies.txt"), movieFile()));
    // Older by their names than any new one, newer by their files' times.
    for (int day = 1; day <= 5; ++day)
        ASSERT_TRUE(putFile(backups(QStringLiteral("KIB-2001020%1-000000.db").arg(day)), "old",
                            "2030-01-01T00:00:00"));
    QStringList reported;
    for (int import = 0; import < 12; ++import) {
        const Outcome imported = run({"import", path("movies.txt")});
        ASSERT_EQ(imported.status, 0) << imported.errors.toStdString();
        reported.append(reportedBackup(imported));
    }
    EXPECT_EQ(QSet<QString>(reported.begin(), reported.end()).size(), reported.size())
        << reported.join(' ').toStdString();
    EXPECT_EQ(backupFiles().size(), 5);
    EXPECT_TRUE(backupFiles().contains(reported.last()));
}

TEST_F(SafeWrites, AnImportThatCannotGoAheadWritesNoBackupAndNeverWaitsOnAPipe) {
    makeCatalogue(3);
    ASSERT_TRUE(putFile(backups("KIB-20010101-000000.db"), "earlier"));
    ASSERT_TRUE(putFile(path("shopping.txt"), "eggs\r\nmilk\r\n"));
    ASSERT_EQ(mkfifo(QFile::encodeName(path("pipe")).constData(), 0600), 0);
    QDir().mkpath(path("folder"));
    for (const QString& wrong : {path("missing.txt"), path("folder"), path("pipe"),
                                 QStringLiteral("/dev/zero"), path("shopping.txt")}) {
        const Outcome refused = run({"import", wrong}, 20000);
        ASSERT_TRUE(refused.finished) << wrong.toStdString() << " was waited on";
        EXPECT_EQ(refused.status, 1) << wrong.toStdString();
        EXPECT_TRUE(refused.errors.contains(wrong)) << refused.errors.toStdString();
        EXPECT_EQ(backupFiles(), QStringList{"KIB-20010101-000000.db"}) << wrong.toStdString();
    }
    EXPECT_TRUE(run({"import", path("pipe")}, 20000).errors.contains("is a pipe, not a file"));
    for (const QString& wrong : {path("pipe"), QStringLiteral("/dev/zero")}) {
        const Outcome refused = run({"import", "--from", "csv", wrong}, 20000);
        ASSERT_TRUE(refused.finished) << wrong.toStdString() << " was waited on";
        EXPECT_EQ(refused.status, 1);
        EXPECT_TRUE(refused.errors.contains("not a file")) << refused.errors.toStdString();
    }
    EXPECT_EQ(backupFiles(), QStringList{"KIB-20010101-000000.db"});
}

TEST_F(SafeWrites, LeftoversOfKilledBackupsAndReportsGoOnlyWhenNoOtherCopyRuns) {
    makeCatalogue(3);
    ASSERT_TRUE(putFile(path("movies.txt"), movieFile()));
    const QStringList killed = {"KIB-20010101-000000.db.part",
                                "KIB-20010101-000000.db.part-journal"};
    const QStringList users = {"KIB-mine.db.part", "OTHER-20010101-000000.db.part", "notes.part"};
    for (const QString& name : killed + users)
        ASSERT_TRUE(putFile(backups(name), "left"));
    ASSERT_TRUE(putFile(inFolder("Temp/00012345.tmp"), "spool"));
    ASSERT_TRUE(putFile(inFolder("Temp/my-notes.tmp"), "mine"));

    // While another copy holds a catalogue's lock, its report may still be writing.
    {
        QLockFile other(inFolder("OTHER.db.lock"));
        ASSERT_TRUE(other.tryLock(0));
        const Outcome reported = run({"report", "list", "--pdf", path("list.pdf")});
        ASSERT_EQ(reported.status, 0) << reported.errors.toStdString();
        EXPECT_TRUE(QFile::exists(inFolder("Temp/00012345.tmp")));
    }
    const Outcome reported = run({"report", "list", "--pdf", path("list.pdf")});
    ASSERT_EQ(reported.status, 0) << reported.errors.toStdString();
    EXPECT_FALSE(QFile::exists(inFolder("Temp/00012345.tmp")));
    EXPECT_TRUE(QFile::exists(inFolder("Temp/my-notes.tmp")));

    const Outcome imported = run({"import", path("movies.txt")});
    ASSERT_EQ(imported.status, 0) << imported.errors.toStdString();
    for (const QString& name : killed)
        EXPECT_FALSE(QFile::exists(backups(name))) << name.toStdString();
    for (const QString& name : users)
        EXPECT_TRUE(QFile::exists(backups(name))) << name.toStdString();
}

TEST_F(SafeWrites, WhatIsNoRegularFileIsRefusedOrWrittenThroughAndTheOutcomeToldTruly) {
    makeCatalogue(3);
    QDir().mkpath(path("folder"));
    ASSERT_EQ(mkfifo(QFile::encodeName(path("pipe")).constData(), 0600), 0);
    const QList<QStringList> commands = {{"export"}, {"backup"}, {"report", "list", "--pdf"}};
    for (const QStringList& command : commands) {
        for (const QString& target : {path("folder"), path("pipe")}) {
            const Outcome refused = run(command + QStringList{target}, 20000);
            ASSERT_TRUE(refused.finished) << target.toStdString();
            EXPECT_EQ(refused.status, 1)
                << command.join(' ').toStdString() << " " << target.toStdString();
            EXPECT_TRUE(refused.errors.contains(target)) << refused.errors.toStdString();
            EXPECT_TRUE(QFileInfo(path("folder")).isDir());
            EXPECT_FALSE(QFileInfo(path("pipe")).isFile());
        }
    }

    // Device nodes of one's own need root; the system's full device is read-only to others.
    const bool ownNodes =
        mknod(QFile::encodeName(path("full")).constData(), S_IFCHR | 0666, makedev(1, 7)) == 0 &&
        mknod(QFile::encodeName(path("null")).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    const QString full = ownNodes ? path("full") : QStringLiteral("/dev/full");
    for (const QStringList& command : commands) {
        const Outcome failed = run(command + QStringList{full});
        EXPECT_EQ(failed.status, 1) << command.join(' ').toStdString();
        EXPECT_TRUE(isCharacterDevice(full)) << command.join(' ').toStdString();
    }
    if (!ownNodes)
        return;
    EXPECT_TRUE(run({"export", full}).errors.contains("No space left on device"));
    EXPECT_TRUE(run({"backup", full}).errors.contains("not a file"));
    const Outcome exported = run({"export", path("null")});
    EXPECT_EQ(exported.status, 0) << exported.errors.toStdString();
    EXPECT_EQ(run({"report", "list", "--pdf", path("null")}).status, 0);
    EXPECT_TRUE(isCharacterDevice(path("null")));
}

TEST_F(SafeWrites, AMovieFileAndAReportGoToStandardOutputWithTheWordsOnStandardError) {
    makeCatalogue(3);
    const Outcome exported = run({"export", "/dev/stdout"});
    EXPECT_EQ(exported.status, 0) << exported.errors.toStdString();
    const QList<QByteArray> lines = exported.out.split('\n');
    ASSERT_EQ(lines.size(), 5);  // the header, three movies and the end of the last line
    EXPECT_EQ(lines[0], io::MovieFileHeader().toUtf8() + '\r');
    EXPECT_TRUE(exported.errors.contains("3 movies exported to /dev/stdout."));

    const Outcome reported = run({"report", "list", "--pdf", "/dev/stdout"});
    EXPECT_EQ(reported.status, 0) << reported.errors.toStdString();
    EXPECT_TRUE(reported.out.startsWith("%PDF-"));
    EXPECT_TRUE(reported.out.trimmed().endsWith("%%EOF"));
}

TEST_F(SafeWrites, NoCommandWritesOverTheCatalogueOrItsFilesAndABackupNoLink) {
    makeCatalogue(3);
    ASSERT_TRUE(putFile(path("kept.db"), "kept"));
    ASSERT_TRUE(QFile::link(path("kept.db"), path("link.db")));
    const Outcome linked = run({"backup", path("link.db")});
    EXPECT_EQ(linked.status, 1);
    EXPECT_TRUE(linked.errors.contains("is a link")) << linked.errors.toStdString();
    EXPECT_TRUE(QFileInfo(path("link.db")).isSymLink());
    EXPECT_EQ(test::ContentsOf(path("kept.db")), "kept");

    const QByteArray catalogue = test::ContentsOf(inFolder("KIB.db"));
    for (const QString& own : {inFolder("KIB.db"), inFolder("../KIB/KIB.db-wal"),
                               inFolder("KIB.db-shm"), inFolder("KIB.db.lock")}) {
        const Outcome refused = run({"backup", own});
        EXPECT_EQ(refused.status, 1) << own.toStdString();
        EXPECT_TRUE(refused.errors.contains("the catalogue's own file"))
            << refused.errors.toStdString();
    }
    ASSERT_TRUE(QFile::link(inFolder("KIB.db"), path("catalogue-link")));
    for (const QStringList& writer :
         {QStringList{"export"}, QStringList{"report", "list", "--pdf"}}) {
        for (const QString& own : {inFolder("KIB.db"), path("catalogue-link")}) {
            const Outcome refused = run(writer + QStringList{own});
            EXPECT_EQ(refused.status, 1) << writer.join(' ').toStdString();
            EXPECT_TRUE(refused.errors.contains("the catalogue's own file"))
                << refused.errors.toStdString();
        }
    }
    EXPECT_EQ(test::ContentsOf(inFolder("KIB.db")), catalogue);
    EXPECT_FALSE(test::ContentsOf(inFolder("KIB.db-wal")).startsWith("SQLite format 3"));
}

TEST_F(SafeWrites, ReadingCommandsNeedNoLock) {
    makeCatalogue(3);
    // What a lock in a folder that cannot be written is like: it cannot be made.
    ASSERT_TRUE(QDir().mkpath(inFolder("KIB.db.lock")));
    EXPECT_EQ(run({"export", path("movies.txt")}).status, 0);
    EXPECT_EQ(run({"backup", path("copy.db")}).status, 0);
    EXPECT_EQ(run({"report", "list", "--pdf", path("list.pdf")}).status, 0);
    const Outcome checked = run({"check"});
    EXPECT_EQ(checked.status, 0) << checked.errors.toStdString();
    EXPECT_EQ(run({"import", path("movies.txt")}).status, 1) << "a writer needs the lock";
}

// A read-only folder and a full disk are made for real where the tests may mount a file system
// of their own (as root, in a mount namespace of their own).
TEST_F(SafeWrites, ReadingCommandsWorkOnAReadOnlyFolderAndAFullDisk) {
    makeCatalogue(30);
    const QString mounted = path("disk");
    QDir().mkpath(mounted);
    const QString program = QStringLiteral(TALLOWMERE_PROGRAM);
    const QString script = QStringLiteral(
        "set -e; mount -t tmpfs -o size=1m tmpfs '%1'; cp -r '%2' '%1/'; "
        "echo previous > '%1/old.db'; free=$(df -k --output=avail '%1' | tail -1); "
        // Room for a backup to begin, not to end.
        "dd if=/dev/zero of='%1/fill' bs=4k count=$(( (free - 64) / 4 )) 2>/dev/null; "
        "export XDG_DATA_HOME='%1'; cd '%3'; "
        "for disk in full read-only; do "
        "  '%4' export $disk.txt; '%4' backup $disk.db; '%4' report list --pdf $disk.pdf; "
        "  '%4' check > /dev/null; "
        "  if '%4' backup '%1/old.db' 2>/dev/null; then exit 8; fi; "
        "  ls -A '%1' > $disk.top; ls -A '%1/KIB' > $disk.files; "
        "  rm -f '%1/fill'; mount -o remount,ro '%1'; "
        "done; cp '%1/old.db' .; "
        "sqlite3 'file:%1/KIB/KIB.db?immutable=1' 'PRAGMA integrity_check' > check.txt");
    const Outcome outcome =
        start("unshare", {"-m", "sh", "-c", script.arg(mounted, folder, home.path(), program)});
    if (outcome.status != 0 && outcome.errors.contains("mount"))
        GTEST_SKIP() << "no file system of the test's own: " << outcome.errors.toStdString();
    ASSERT_EQ(outcome.status, 0) << outcome.errors.toStdString();
    for (const QString disk : {"full", "read-only"}) {
        EXPECT_EQ(test::ContentsOf(path(disk + ".txt")).count('\n'), 31);
        EXPECT_TRUE(test::ContentsOf(path(disk + ".pdf")).startsWith("%PDF-"));
        EXPECT_TRUE(QFile::exists(path(disk + ".db")));
        EXPECT_EQ(test::ContentsOf(path(disk + ".files")), "KIB.db\n") << "nothing was left there";
    }
    // The backup that could not be written left nothing of itself, and the file before whole.
    EXPECT_EQ(test::ContentsOf(path("full.top")), "KIB\nfill\nold.db\n");
    EXPECT_EQ(test::ContentsOf(path("old.db")), "previous\n");
    EXPECT_EQ(test::ContentsOf(path("check.txt")), "ok\n");
}

TEST(StartupLeftovers, TheWindowRemovesWhatKilledBackupsAndReportsLeftAndNothingElse) {
    test::TestCatalogue files;
    const QStringList leftovers = {"Backups/KIB-20010101-000000.db.part",
                                   "Backups/KIB-20010101-000000.db.part-journal",
                                   "Temp/00012345.tmp"};
    const QStringList kept = {"Backups/KIB-20010101-000000.db",
                              "Backups/OTHER-20010101-000000.db.part", "Backups/mine.part",
                              "Temp/mine.tmp"};
    QDir().mkpath(files.path("Backups"));
    QDir().mkpath(files.path("Temp"));
    for (const QString& name : leftovers + kept)
        ASSERT_TRUE(test::WriteFile(files.path(name), "left"));
    test::ScriptedUserInterface ui;
    app::StartupResult started = app::Main(ui, files.settings(), files.catalogue());
    ASSERT_NE(started.window, nullptr);
    for (const QString& name : leftovers)
        EXPECT_FALSE(QFile::exists(files.path(name))) << name.toStdString();
    for (const QString& name : kept)
        EXPECT_TRUE(QFile::exists(files.path(name))) << name.toStdString();
}

}  // namespace
