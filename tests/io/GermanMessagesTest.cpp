#include "io/ImportMovies.h"
#include "io/MovieFileError.h"
#include "io/MovieFileFormat.h"
#include "io/MovieFileLines.h"
#include "io/peers/CsvMapping.h"
#include "io/peers/CsvTable.h"
#include "io/peers/GcstarReader.h"
#include "io/peers/PeerFile.h"
#include "io/peers/ZipArchive.h"
#include "support/InstalledTranslation.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <functional>

namespace {

// The import's messages with the program's German texts installed, as a German user's program
// installs them once it has started.
class GermanMessages : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(german.loaded()); }

    test::InstalledTranslation german{QStringLiteral("de")};
};

QString fileError(const std::function<void()>& read) {
    try {
        read();
    } catch (const io::FileError& error) {
        return error.message();
    }
    return {};
}

// The reasons come from the line reader, the field check and the import itself; the field keeps
// the name the file's header gives it.
TEST_F(GermanMessages, TheImportSaysWhichLinesItPassedOverAndWhy) {
    test::TestCatalogue files;
    db::Connection& connection = files.open();
    const QByteArray tooLongTitle =
        QStringLiteral(R"(1,"%1",0,"Drama","DVD",0,"R",0,"","","","","",,0,"",,"")")
            .arg(QString(101, u'x'))
            .toUtf8();
    io::MovieFileLines lines(io::MovieFileHeader().toUtf8() +
                             "\r\na line of text without any comma\r\n" + tooLongTitle +
                             "\r\nshort\r\n");
    const io::ImportResult result = io::ImportMovies(connection, lines);
    EXPECT_EQ(io::ImportNotes(result),
              "\n\nÜbersprungene Zeilen, weil sie zu kurz für einen Film sind: 1."
              "\n\nNicht importierte Zeilen: 2."
              "\nZeile 2: Sie enthält keine Kommas."
              "\nZeile 3: Das Feld Title ist länger als 100 Zeichen."
              "\nZeile 4: Sie ist zu kurz für einen Film.");
}

TEST_F(GermanMessages, AnotherCataloguesFileIsRefusedInGerman) {
    EXPECT_EQ(fileError([] { io::ReadCsv("PK\x03\x04 a zip archive"); }),
              "Die Datei ist keine CSV-Datei: Sie ist ein Zip-Archiv.");
    EXPECT_EQ(fileError([] { io::ReadGcstar("Title,Year\n"); }),
              "Die Datei ist keine GCstar-Sammlung: Sie ist kein XML.");
    // The kind of file is a text of its own, put into the sentence.
    EXPECT_EQ(fileError([] { io::ReadPeerBytes(TALLOWMERE_PEER_FILES); }),
              "'" TALLOWMERE_PEER_FILES "' ist ein Ordner, keine Datei.");
    EXPECT_TRUE(fileError([] {
                    io::ReadZipMember("PK\x03\x04 cut short", "tellico.xml");
                }).startsWith("Das Archiv kann nicht gelesen werden: "));
}

// The names stand in a table made when the program starts, before any translator is there.
TEST_F(GermanMessages, TheColumnMappingNamesItsFieldsInGerman) {
    EXPECT_EQ(io::CsvFieldName(io::CsvField::Stars), "Sterne (von 5)");
    EXPECT_EQ(io::CsvFieldName(io::CsvField::Nothing), "(nichts)");
}

}  // namespace
