#include "db/Catalogue.h"
#include "db/DatabaseError.h"
#include "db/ProgressReporter.h"
#include "db/Repair.h"
#include "support/InstalledTranslation.h"
#include "support/TestCatalogue.h"
#include "support/TestData.h"

#include <gtest/gtest.h>
#include <QCoreApplication>

namespace {

// The catalogue's messages with the program's German texts installed, as a German user's
// program installs them once it has started.
class GermanMessages : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(german.loaded()); }

    // What opening the catalogue of that name throws; empty when it opens.
    QString openingError(const QString& name) {
        try {
            files.catalogue().OpenDatabase(name);
        } catch (const db::Error& error) {
            return error.message();
        }
        return {};
    }

    test::InstalledTranslation german{QStringLiteral("de")};
    test::TestCatalogue files;
};

// Records the labels the repair shows.
class Labels final : public db::ProgressReporter {
public:
    void ShowProgress(const QString& status, int, int) override { shown.append(status); }
    void ProgressStep(const QString& status) override { shown.append(status); }
    void CloseProgress() override {}
    bool stopRequested() const override { return false; }

    QStringList shown;
};

TEST_F(GermanMessages, AFileThatIsNoCatalogueIsRefusedInTheLanguageInstalledAtThatMoment) {
    const QString path = files.path("NOTES.db");
    ASSERT_TRUE(test::WriteFile(path, "These are my notes, not a catalogue.\n"));
    EXPECT_EQ(openingError("NOTES"),
              "'" + path + "' ist kein Filmkatalog. Die Datei wurde unverändert gelassen.");
    german.uninstall();
    EXPECT_EQ(openingError("NOTES"),
              "'" + path + "' is not a movie catalogue. It has been left as it is.");
}

// The engine's own reason stays in the message, picked out of its first line, and the rescue
// command stays as the shell needs it.
TEST_F(GermanMessages, ADamagedCatalogueIsExplainedWithTheEnginesReasonAndTheRescue) {
    files.open("DAMAGED");
    files.catalogue().close();
    const QString path = files.path("DAMAGED.db");
    QByteArray damaged = test::ContentsOf(path);
    damaged.replace(100, 3900, QByteArray(3900, '\xFF'));  // the table of tables
    ASSERT_TRUE(test::WriteFile(path, damaged));

    const QString message = openingError("DAMAGED");
    EXPECT_TRUE(message.startsWith("Der Katalog '" + path +
                                   "' ist beschädigt (database disk image is malformed)."))
        << message.toStdString();
    EXPECT_TRUE(message.contains("\n\nsqlite3 '" + path + "' .recover | sqlite3 '"))
        << message.toStdString();
}

TEST_F(GermanMessages, AWriteTheEngineRefusesIsExplainedInWords) {
    files.open();
    files.catalogue().OpenDatabase(QStringLiteral("KIB"), db::Catalogue::Sharing::ReadOnly);
    try {
        test::AddMovie(files.connection(), QStringLiteral("Alien"));
        ADD_FAILURE() << "a read-only catalogue was written";
    } catch (const db::DatabaseError& error) {
        EXPECT_TRUE(error.message().startsWith("Der Katalog kann nicht geschrieben werden: "))
            << error.message().toStdString();
    }
}

// The label is the progress window's, shown long after the program has started.
TEST_F(GermanMessages, TheRepairShowsItsProgressInGerman) {
    db::Connection& connection = files.open();
    test::AddMovie(connection, QStringLiteral("Alien"));
    Labels progress;
    db::RepairReferences(connection, progress);
    EXPECT_EQ(progress.shown, QStringList({"Datenbank prüfen", "Datenbank prüfen"}))
        << progress.shown.join(u'|').toStdString();
}

}  // namespace
