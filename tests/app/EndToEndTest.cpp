#include "ProgramEnvironment.h"
#include "db/Catalogue.h"
#include "db/Connection.h"
#include "db/Movies.h"
#include "db/Upgrade.h"
#include "io/ExportMovies.h"
#include "io/MovieFileFormat.h"
#include "settings/Settings.h"
#include "support/TestData.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLockFile>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <memory>

namespace {

// A number read with the stock library; -1 while it cannot be read. The program has the file
// open in WAL mode, so the reader opens it for writing, and writes nothing.
int readNumber(const QString& path, const char* sql) {
    if (!QFile::exists(path))
        return -1;
    sqlite3* file = nullptr;
    int number = -1;
    if (sqlite3_open_v2(path.toUtf8().constData(), &file, SQLITE_OPEN_READWRITE, nullptr) ==
        SQLITE_OK) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(file, sql, -1, &statement, nullptr) == SQLITE_OK &&
            sqlite3_step(statement) == SQLITE_ROW)
            number = sqlite3_column_int(statement, 0);
        sqlite3_finalize(statement);
    }
    sqlite3_close(file);
    return number;
}

bool waitFor(const std::function<bool()>& condition, int milliseconds = 30000) {
    QDeadlineTimer deadline(milliseconds);
    while (!condition() && !deadline.hasExpired())
        QThread::msleep(20);
    return condition();
}

// The built program as a user starts it, on a home of its own.
class Program {
public:
    Program(const QTemporaryDir& home, const QString& platform, const QString& display = {},
            const QStringList& arguments = {}) {
        QProcessEnvironment environment = test::ProgramEnvironment(home);
        environment.insert("QT_QPA_PLATFORM", platform);
        if (!display.isEmpty())
            environment.insert("DISPLAY", display);
        process_.setProcessEnvironment(environment);
        process_.setProgram(QStringLiteral(TALLOWMERE_PROGRAM));
        process_.setArguments(arguments);
        process_.start();
        started_ = process_.waitForStarted(10000);
    }
    ~Program() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished();
        }
    }

    bool running() const { return started_ && process_.state() == QProcess::Running; }
    // Ends the program the way a logout does. True when it ended by itself within the time.
    bool endWithSignal(int signalNumber = SIGTERM, int milliseconds = 5000) {
        ::kill(static_cast<pid_t>(process_.processId()), signalNumber);
        return process_.waitForFinished(milliseconds) &&
               process_.exitStatus() == QProcess::NormalExit;
    }
    int exitCode() const { return process_.exitCode(); }
    qint64 processId() const { return process_.processId(); }
    QString errors() {
        process_.waitForReadyRead(20);
        return QString::fromLocal8Bit(process_.readAllStandardError());
    }

private:
    QProcess process_;
    bool started_ = false;
};

QString cataloguePath(const QTemporaryDir& home) {
    return home.filePath("data/KIB/KIB.db");
}

// A catalogue of three movies in the home's catalogue folder.
void writeThreeMovies(const QTemporaryDir& home) {
    db::Catalogue catalogue(home.filePath("data/KIB"));
    QDir().mkpath(catalogue.folder());
    catalogue.OpenDatabase(QStringLiteral("KIB"));
    db::UpdateDatabase(catalogue.connection());
    for (const char* title : {"Alien", "Brazil", "Casablanca"}) {
        db::MovieRecord movie;
        movie.title = QString::fromLatin1(title);
        movie.locationId = 2;
        movie.mediaId = 1;
        movie.ratingId = 1;
        db::InsertMovie(catalogue.connection(), movie);
    }
}

// What each upgrade step does is tested on the catalogue itself.
TEST(EndToEnd, ThreeStartsBuildAndUpgradeTheCatalogueAStepEach) {
    QTemporaryDir home;
    const QString catalogue = cataloguePath(home);
    const char* version = "SELECT Version FROM Version";
    for (int start = 1; start <= 3; ++start) {
        Program program(home, "offscreen");
        EXPECT_TRUE(waitFor([&] { return readNumber(catalogue, version) == start; }));
        EXPECT_TRUE(program.endWithSignal()) << "start " << start;
        EXPECT_EQ(program.exitCode(), 0) << program.errors().toStdString();
    }
    EXPECT_FALSE(QFile::exists(catalogue + "-wal")) << "the catalogue was closed cleanly";
    QSettings settings(home.filePath("config/KIB/KIB.conf"), QSettings::IniFormat);
    EXPECT_EQ(settings.value("Settings/frmWizard.WindowState").toString(), "0");
}

TEST(EndToEnd, ASignalEndsTheProgramUnderTheStartUpErrorBox) {
    QTemporaryDir home;
    QDir().mkpath(home.filePath("data/KIB"));
    ASSERT_TRUE(test::WriteFile(cataloguePath(home), QByteArray(8192, '\x5a')));
    for (int signalNumber : {SIGTERM, SIGINT}) {
        Program program(home, "offscreen");
        QString errors;
        ASSERT_TRUE(waitFor([&] {
            errors += program.errors();
            return errors.contains("Open database");
        })) << "the start-up error box never came";
        EXPECT_TRUE(program.endWithSignal(signalNumber)) << "still running under the error box";
    }
}

TEST(EndToEnd, ASecondCopyIsRefusedTheCatalogueAndALeftLockIsTakenOver) {
    QTemporaryDir home;
    const char* version = "SELECT Version FROM Version";
    auto first = std::make_unique<Program>(home, "offscreen");
    ASSERT_TRUE(waitFor([&] { return readNumber(cataloguePath(home), version) > 0; }));
    {
        Program second(home, "offscreen");
        QString errors;
        EXPECT_TRUE(waitFor([&] {
            errors += second.errors();
            return errors.contains("The catalogue 'KIB' is open in another copy");
        })) << errors.toStdString();
        EXPECT_TRUE(second.endWithSignal());
        EXPECT_NE(second.exitCode(), 0);
    }
    first.reset();  // killed, as a crash would end it: its lock stays behind
    ASSERT_TRUE(QFile::exists(cataloguePath(home) + ".lock"));
    Program third(home, "offscreen");
    EXPECT_TRUE(waitFor([&] {
        QLockFile lock(cataloguePath(home) + ".lock");
        qint64 holder = 0;
        QString host, name;
        return lock.getLockInfo(&holder, &host, &name) && holder == third.processId();
    })) << "the lock was not taken over";
    EXPECT_TRUE(third.running()) << third.errors().toStdString();
    EXPECT_TRUE(third.endWithSignal());
    EXPECT_EQ(third.exitCode(), 0) << third.errors().toStdString();
}

// The program on a real X server, driven by xdotool as a user's mouse and keyboard drive it.
// Skipped where Xvfb or xdotool is missing.
class Desktop : public testing::Test {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable("Xvfb").isEmpty() ||
            QStandardPaths::findExecutable("xdotool").isEmpty())
            GTEST_SKIP() << "Xvfb and xdotool are needed";
        // The server picks a free display and names it once it is ready, so tests run side by
        // side, or beside someone's own X server, never meet.
        server_.start("Xvfb",
                      {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
        QDeadlineTimer deadline(10000);
        while (!server_.canReadLine() && server_.waitForReadyRead(int(deadline.remainingTime()))) {
        }
        ASSERT_TRUE(server_.canReadLine()) << "Xvfb did not name its display";
        display_ = QStringLiteral(":%1").arg(QString::fromLatin1(server_.readLine()).trimmed());
    }
    void TearDown() override {
        server_.terminate();
        server_.waitForFinished();
    }

    std::unique_ptr<Program> start(const QStringList& arguments = {}) {
        auto program = std::make_unique<Program>(home_, "xcb", display_, arguments);
        EXPECT_TRUE(xdotool(
            {"search", "--sync", "--onlyvisible", "--name", "Tallowmere Movie Database \\(KIB\\)"}))
            << program->errors().toStdString();
        return program;
    }
    // Starts the program and imports the file through Tools > Import and its preview, with the
    // keys a user presses.
    std::unique_ptr<Program> startImporting(const QString& movieFile) {
        QSettings settings(home_.filePath("config/KIB/KIB.conf"), QSettings::IniFormat);
        settings.setValue("Settings/ImportFilename", movieFile);
        settings.sync();
        auto program = start();
        // Without a window manager the keyboard follows the pointer or an explicit focus.
        EXPECT_TRUE(xdotool({"mousemove", "--sync", "100", "45", "click", "1"}));
        EXPECT_TRUE(xdotool({"key", "--delay", "200", "alt+t", "i"}));
        // Focusing a window that is mapped but not yet viewable fails without a window manager:
        // such a focus is tried again.
        EXPECT_TRUE(waitFor([&] {
            return xdotool({"search", "--sync", "--onlyvisible", "--name", "Import Movies",
                            "windowfocus", "--sync"});
        }));
        EXPECT_TRUE(xdotool({"key", "Return"}));
        // Import in the preview, which is gone before the key is let go: the key goes to the
        // focus.
        EXPECT_TRUE(waitFor([&] {
            return xdotool({"search", "--sync", "--onlyvisible", "--name", "Import Preview",
                            "windowfocus", "--sync"});
        }));
        EXPECT_TRUE(xdotool({"key", "Return"}));
        return program;
    }
    // The screen as the user sees it.
    QImage screen() {
        const QString file = home_.filePath("screen.png");
        QProcess tool;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", display_);
        tool.setProcessEnvironment(environment);
        tool.start("import", {"-window", "root", file});
        if (!tool.waitForFinished(20000) || tool.exitCode() != 0)
            return {};
        return QImage(file);
    }
    bool xdotool(const QStringList& arguments) {
        QProcess tool;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", display_);
        tool.setProcessEnvironment(environment);
        tool.start("xdotool", arguments);
        return tool.waitForFinished(20000) && tool.exitCode() == 0;
    }

    QTemporaryDir home_;
    QString display_;
    QProcess server_;
};

// Qt's own options reach Qt: a style, right to left, a style sheet and the first window's place.
TEST_F(Desktop, QtsOwnOptionsShapeTheWindow) {
    if (QStandardPaths::findExecutable("import").isEmpty())
        GTEST_SKIP() << "ImageMagick's import is needed";
    const QString sheet = home_.filePath("red.qss");
    ASSERT_TRUE(test::WriteFile(sheet, "QMenuBar::item { background: #ff0000; }"));
    auto program = start(
        {"-style", "Fusion", "-reverse", "-stylesheet", sheet, "-qwindowgeometry", "1000x700+0+0"});
    // The menu titles are red, at the right of a window 1000 wide at the screen's corner.
    int leftmostRed = -1;
    int rightmostRed = -1;
    EXPECT_TRUE(waitFor(
        [&] {
            const QImage shot = screen();
            leftmostRed = rightmostRed = -1;
            for (int x = 0; x < shot.width(); ++x) {
                if (shot.pixel(x, 8) != qRgb(255, 0, 0))
                    continue;
                rightmostRed = x;
                if (leftmostRed < 0)
                    leftmostRed = x;
            }
            // Right to left, in a window of the width asked for.
            return leftmostRed > 500 && rightmostRed > 900 && rightmostRed < 1000;
        },
        10000))
        << "red from " << leftmostRed << " to " << rightmostRed;
    EXPECT_TRUE(program->endWithSignal());
    EXPECT_EQ(program->exitCode(), 0);
    EXPECT_FALSE(program->errors().contains("style")) << "Fusion was found";
}

TEST_F(Desktop, AClickShowsTheMovieAndASignalKeepsItsEdits) {
    writeThreeMovies(home_);
    auto program = start();
    // Below the first row (Alien, shown at start), on the second or third whatever the font,
    // under the menu bar, the toolbar, the filter line and the list's header.
    ASSERT_TRUE(xdotool({"mousemove", "--sync", "100", "150", "click", "1"}));
    ASSERT_TRUE(xdotool({"key", "--delay", "50", "Tab"}));  // into the title, all of it selected
    ASSERT_TRUE(xdotool({"type", "--delay", "30", "Renamed"}));
    // The about box, which saves nothing, comes once the typing before it has been taken in.
    ASSERT_TRUE(xdotool({"key", "--delay", "200", "alt+h", "a"}));
    ASSERT_TRUE(xdotool({"search", "--sync", "--onlyvisible", "--name", "^About Tallowmere"}));
    EXPECT_TRUE(program->endWithSignal()) << program->errors().toStdString();
    const QString catalogue = cataloguePath(home_);
    EXPECT_EQ(readNumber(catalogue, "SELECT COUNT(*) FROM Movie WHERE Title = 'Renamed'"), 1);
    EXPECT_EQ(readNumber(catalogue, "SELECT COUNT(*) FROM Movie WHERE Title = 'Alien'"), 1)
        << "the edit went to the movie shown before the click";
}

TEST_F(Desktop, ASignalEndsTheProgramUnderTheImportResultBox) {
    writeThreeMovies(home_);
    const QString movieFile = home_.filePath("Movies.txt");
    {
        db::Catalogue catalogue(home_.filePath("data/KIB"));
        catalogue.OpenDatabase(QStringLiteral("KIB"));
        io::ExportMovies(catalogue.connection(), movieFile);
        catalogue.connection().execute(QStringLiteral("DELETE FROM [Movie]"));
    }
    auto program = startImporting(movieFile);
    ASSERT_TRUE(waitFor(
        [&] { return readNumber(cataloguePath(home_), "SELECT COUNT(*) FROM Movie") == 3; }));
    ASSERT_TRUE(xdotool({"search", "--sync", "--onlyvisible", "--name", "^Import complete$"}));
    EXPECT_TRUE(program->endWithSignal()) << "still running under the result box";
}

// A catalogue whose titles another program wrote, without their folds: the first start shows
// the progress window while it folds them, then the window with the list.
TEST_F(Desktop, AFirstStartOnMissingFoldsShowsItsProgressThenTheList) {
    writeThreeMovies(home_);
    const QString catalogue = cataloguePath(home_);
    {
        auto connection = db::Connection::open(catalogue);
        connection->execute(
            "WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < 500000) "
            "INSERT INTO [Movie] ([GenreId], [LocationId], [MediaId], [RatingId], [Title], "
            "[LabelNumber], [ReleaseYear], [Minutes], [Stars], [AcquireDate], [Cost], [LentDate]) "
            "SELECT 0, 2, 1, 1, printf('Movie %d', x), '', 0, 0, 0, '1899-01-01 00:00:00', 0, "
            "'1899-01-01 00:00:00' FROM n");
        connection->execute("UPDATE [Movie] SET [TitleKey] = NULL");
    }
    const char* unfolded = "SELECT COUNT(*) FROM Movie WHERE TitleKey IS NULL";
    ASSERT_EQ(readNumber(catalogue, unfolded), 500003);
    auto program = std::make_unique<Program>(home_, "xcb", display_);
    // The fold may take well under a second: look for its window far more often than
    // xdotool's own wait does.
    EXPECT_TRUE(waitFor([&] {
        return xdotool({"search", "--onlyvisible", "--name", "^Progress$"});
    })) << program->errors().toStdString();
    EXPECT_TRUE(xdotool(
        {"search", "--sync", "--onlyvisible", "--name", "Tallowmere Movie Database \\(KIB\\)"}));
    EXPECT_TRUE(waitFor([&] {
        return !xdotool({"search", "--onlyvisible", "--name", "^Progress$"});
    }));
    EXPECT_EQ(readNumber(catalogue, unfolded), 0);
    EXPECT_TRUE(program->endWithSignal()) << program->errors().toStdString();
}

// A long import is stopped by the signal at its next line; the program ends within five seconds
// and keeps the movies read before the stop.
TEST_F(Desktop, ASignalStopsALongImportAndKeepsWhatWasRead) {
    {
        db::Catalogue catalogue(home_.filePath("data/KIB"));
        QDir().mkpath(catalogue.folder());
        catalogue.OpenDatabase(QStringLiteral("KIB"));
        db::UpdateDatabase(catalogue.connection());
        // Every movie written costs a scan of a table of 20,000 rows: a long import.
        db::Connection& connection = catalogue.connection();
        connection.execute("CREATE TABLE [Slow] ([Text] TEXT)");
        connection.execute(
            "WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < 20000) "
            "INSERT INTO [Slow] SELECT printf('row %d', x) FROM n");
        connection.execute(
            "CREATE TRIGGER [Slowly] BEFORE INSERT ON [Movie] BEGIN SELECT "
            "COUNT(*) FROM [Slow] WHERE [Text] LIKE '%x%y'; END");
    }
    const QString movieFile = home_.filePath("Movies.txt");
    QFile file(movieFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(io::MovieFileHeader().toUtf8() + "\r\n");
    for (int number = 1; number <= 20000; ++number)
        file.write(QStringLiteral(R"(%1,"Movie %1",0,"Drama","DVD",0,"R",0,"","","Ann Lee",)"
                                  R"("Attic","",,0,"",,"")"
                                  "\r\n")
                       .arg(number)
                       .toUtf8());
    file.close();
    auto program = startImporting(movieFile);
    const QString catalogue = cataloguePath(home_);
    const char* count = "SELECT COUNT(*) FROM Movie";
    ASSERT_TRUE(waitFor([&] { return readNumber(catalogue, count) > 0; }))
        << "the first batch was never committed";
    EXPECT_TRUE(program->endWithSignal(SIGTERM, 5000)) << "still importing";
    const int kept = readNumber(catalogue, count);
    EXPECT_GE(kept, 1000) << "the batch committed before the stop stays";
    EXPECT_LT(kept, 20000) << "the import was stopped, not finished";
    EXPECT_EQ(readNumber(catalogue,
                         "SELECT COUNT(*) FROM MovieActor WHERE MovieId NOT IN "
                         "(SELECT MovieId FROM Movie)"),
              0);
}

}  // namespace
