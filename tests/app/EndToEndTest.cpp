#include <gtest/gtest.h>
#include <sqlite3.h>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>

namespace {

// The version the file records, read with the stock library; -1 while it cannot be read. The
// program has the file open in WAL mode, so the reader opens it for writing, and writes nothing.
int recordedVersion(const QString& path) {
    if (!QFile::exists(path))
        return -1;
    sqlite3* file = nullptr;
    int version = -1;
    if (sqlite3_open_v2(path.toUtf8().constData(), &file, SQLITE_OPEN_READWRITE, nullptr) ==
        SQLITE_OK) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(file, "SELECT Version FROM Version", -1, &statement, nullptr) ==
            SQLITE_OK) {
            version = sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int(statement, 0) : 0;
            sqlite3_finalize(statement);
        }
    }
    sqlite3_close(file);
    return version;
}

int countRows(const QString& path, const char* sql) {
    sqlite3* file = nullptr;
    int count = -1;
    sqlite3_open_v2(path.toUtf8().constData(), &file, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(file, sql, -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW)
        count = sqlite3_column_int(statement, 0);
    sqlite3_finalize(statement);
    sqlite3_close(file);
    return count;
}

// Starts the built program as a user would, on a home of its own, waits until the catalogue
// has reached the version, and ends it the way a logout does.
class Program {
public:
    explicit Program(const QTemporaryDir& home) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", home.path());
        environment.insert("XDG_DATA_HOME", home.filePath("data"));
        environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        process_.setProcessEnvironment(environment);
        process_.setProgram(QStringLiteral(TALLOWMERE_PROGRAM));
    }

    // The exit status after SIGTERM, or -1 when the version was never reached.
    int runUntilVersion(const QString& catalogue, int version) {
        process_.start();
        if (!process_.waitForStarted(10000))
            return -1;
        QDeadlineTimer deadline(30000);
        while (recordedVersion(catalogue) != version && !deadline.hasExpired() &&
               process_.state() == QProcess::Running)
            QThread::msleep(20);
        const bool reached = recordedVersion(catalogue) == version;
        ::kill(static_cast<pid_t>(process_.processId()), SIGTERM);
        process_.waitForFinished(15000);
        return reached && process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
    }

    QString errors() { return QString::fromLocal8Bit(process_.readAllStandardError()); }

private:
    QProcess process_;
};

TEST(EndToEnd, ThreeStartsBuildSeedAndUpgradeTheCatalogue) {
    QTemporaryDir home;
    const QString catalogue = home.filePath("data/KIB/KIB.db");

    for (int start = 1; start <= 3; ++start) {
        Program program(home);
        EXPECT_EQ(program.runUntilVersion(catalogue, start), 0)
            << "start " << start << ": " << program.errors().toStdString();
    }
    EXPECT_FALSE(QFile::exists(catalogue + "-wal")) << "the catalogue was closed cleanly";
    EXPECT_EQ(countRows(catalogue, "SELECT COUNT(*) FROM Actor"), 184);
    EXPECT_EQ(countRows(catalogue, "SELECT COUNT(*) FROM Genre WHERE Name = '(none)'"), 0);
    EXPECT_EQ(countRows(catalogue,
                        "SELECT COUNT(*) FROM pragma_table_info('Movie') "
                        "WHERE name = 'ImageFile'"),
              1);

    QSettings settings(home.filePath("config/KIB/KIB.conf"), QSettings::IniFormat);
    EXPECT_EQ(settings.value("Settings/frmWizard.WindowState").toString(), "0");
}

}  // namespace
