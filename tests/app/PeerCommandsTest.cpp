#include "ProgramRun.h"
#include "io/peers/CsvMapping.h"
#include "io/peers/CsvTable.h"
#include "support/TestData.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

namespace {

QString peerFile(const char* name) {
    return QStringLiteral(TALLOWMERE_PEER_FILES "/") + QLatin1String(name);
}

// The built program's import of other catalogues' files, on a home of its own.
class PeerCommands : public test::ProgramRun {
protected:
    // One column of every movie, in movie number order, read with the stock library.
    QStringList column(const char* name) {
        return rows(QByteArray("SELECT [") + name + "] FROM [Movie] ORDER BY [MovieId]");
    }
    QStringList rows(const QByteArray& sql) {
        sqlite3* file = nullptr;
        QStringList values;
        const QString path = home.filePath("data/KIB/KIB.db");
        if (sqlite3_open_v2(path.toUtf8().constData(), &file, SQLITE_OPEN_READONLY, nullptr) ==
            SQLITE_OK) {
            sqlite3_stmt* statement = nullptr;
            if (sqlite3_prepare_v2(file, sql.constData(), -1, &statement, nullptr) == SQLITE_OK)
                while (sqlite3_step(statement) == SQLITE_ROW)
                    values.append(QString::fromUtf8(
                        reinterpret_cast<const char*>(sqlite3_column_text(statement, 0))));
            sqlite3_finalize(statement);
        }
        sqlite3_close(file);
        return values;
    }
};

TEST_F(PeerCommands, EachFormatComesInAndWhatCouldNotIsNamed) {
    const Outcome tellico = run({"import", "--from", "tellico", peerFile("videos.tc")});
    EXPECT_EQ(tellico.status, 1) << "an entry was refused";
    EXPECT_TRUE(tellico.out.contains("Movies to add: 2."));
    EXPECT_TRUE(tellico.out.contains("2 movies imported."));
    EXPECT_TRUE(tellico.out.contains("left out: 1, in 1 movies")) << tellico.out.toStdString();
    const QByteArray xml = test::ContentsOf(peerFile("videos.xml"));
    const int noTitle = int(xml.left(xml.indexOf("<entry id=\"3\">")).count('\n')) + 1;
    EXPECT_TRUE(tellico.errors.contains(
        QStringLiteral("%1:%2: it has no title").arg(peerFile("videos.tc")).arg(noTitle)))
        << tellico.errors.toStdString();

    const Outcome gcstar = run({"import", "--from", "gcstar", peerFile("movies.gcs")});
    EXPECT_EQ(gcstar.status, 1);
    EXPECT_TRUE(
        gcstar.out.startsWith("Movies to add: 2. Movies to update (a movie of the same "
                              "title is in the catalogue): 0.\nBackup: "))
        << gcstar.out.toStdString();

    const Outcome diary =
        run({"import", "--from", "csv", peerFile("diary.csv"), "--preset", "diary"});
    EXPECT_EQ(diary.status, 0) << diary.errors.toStdString();
    EXPECT_TRUE(
        diary.out.contains("Movies to add: 1. Movies to update (a movie of the same title "
                           "is in the catalogue): 1."))
        << "Zardoz came with GCstar's file";
    EXPECT_EQ(column("Title"), (QStringList{"Alien", "Le Fabuleux Destin d'Amélie Poulain",
                                            "Brazil", "Zardoz", "Amélie"}));
    EXPECT_EQ(column("Stars"), (QStringList{"4.0", "5.0", "4.0", "2.0", "4.5"}))
        << "Zardoz's stars from the diary";

    const Outcome refused = run({"import", "--from", "gcstar", peerFile("videos.xml")});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.errors.contains("not a GCstar collection")) << refused.errors.toStdString();
    EXPECT_EQ(column("Title").size(), 5);
    EXPECT_EQ(rows("PRAGMA integrity_check"), QStringList{"ok"});
}

TEST_F(PeerCommands, ACsvFileFollowsTheMappingKeptForItsHeader) {
    const io::CsvTable table = io::ReadCsv(test::ContentsOf(peerFile("windows1252.csv")));
    {
        QSettings settings(home.filePath("config/KIB/KIB.conf"), QSettings::IniFormat);
        settings.beginGroup("Settings");
        io::CsvMapping kept = io::GuessCsvMapping(table.header);
        kept[3] = io::CsvField::Nothing;  // Notes
        kept[5] = io::CsvField::Cast;     // Acteurs
        settings.setValue(io::CsvMappingKey(table.header), io::CsvMappingText(kept));
    }
    const Outcome outcome = run({"import", "--from", "csv", peerFile("windows1252.csv")});
    EXPECT_EQ(outcome.status, 0) << outcome.errors.toStdString();
    EXPECT_TRUE(outcome.out.contains("Notes: (nothing); Shelf: Storage location; Acteurs: Cast."))
        << outcome.out.toStdString();
    EXPECT_TRUE(outcome.out.contains("read as Windows-1252"));
    EXPECT_EQ(column("Title"), (QStringList{"Amélie", "Multi Line"}));
    EXPECT_EQ(column("Notes"), (QStringList{"", ""}));
}

}  // namespace
