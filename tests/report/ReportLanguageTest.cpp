#include "report/ListingReports.h"
#include "report/ReportError.h"
#include "report/ReportList.h"
#include "report/RunReport.h"
#include "report/SpoolWriter.h"
#include "support/InstalledTranslation.h"
#include "support/ScriptedReport.h"
#include "support/TestCatalogue.h"
#include "support/TestData.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QRegularExpression>

namespace {

TEST(ReportLanguage, AReportIsWordedInTheUsersLanguage) {
    test::TestCatalogue files;
    files.open();
    for (const char* title : {"Alien", "Brazil"})
        test::AddMovie(files.connection(), QString::fromLatin1(title));
    report::SpoolWriter writer(files.path(QStringLiteral("Temp")));
    writer.setDatabaseName(QStringLiteral("KIB"));

    const test::InstalledTranslation german(QStringLiteral("de"));
    ASSERT_TRUE(german.loaded());
    report::clsReportRating byRating(writer, files.connection(), {2});
    const QStringList lines = test::SpoolFileLines(*report::RunReport(byRating, writer));
    // The name in the spool's header, which the preview and the PDF take for the title.
    EXPECT_EQ(lines.value(lines.indexOf(QStringLiteral("/REPORTNAME")) + 1),
              "Filmliste nach Altersfreigabe");
    for (const char* text :
         {"Datenbank: KIB", "Seite 1", "Titel", "Etikett-Nr.", "Freigabe", "Anzahl der Filme: 2"})
        EXPECT_TRUE(lines.contains(QString::fromUtf8(text))) << text;
    EXPECT_NE(lines.indexOf(QRegularExpression(QStringLiteral("Altersfreigabe: .+"))), -1)
        << "each group under its rating's name";

    // A second report while one is being written is refused in German too.
    writer.BeginReport(byRating);
    try {
        report::RunReport(byRating, writer);
        ADD_FAILURE() << "a report while another is being written";
    } catch (const report::ReportError& refusal) {
        EXPECT_TRUE(QString::fromUtf8(refusal.what()).startsWith("Ein anderer Bericht"))
            << refusal.what();
    }
    writer.AbandonReport();
}

// The Reports menu's captions as the window shows them, with their "&" and dots.
const std::pair<const char*, report::ReportKind> MenuCaptions[] = {
    {"&Movie listing..", report::ReportKind::List},
    {"Movie listing (by &label #)..", report::ReportKind::Label},
    {"Movie listing (by &rating)..", report::ReportKind::Rating},
    {"Movie listing (by medi&a)..", report::ReportKind::Media},
    {"Movie listing (&detailed)..", report::ReportKind::Detailed},
    {"&Inventory by location..", report::ReportKind::Inventory},
    {"&Cost summary..", report::ReportKind::Cost},
    {"Movies l&ent out..", report::ReportKind::Lent},
};

// The command line takes a report "as on the Reports menu": as the user's menu reads, and as the
// English one does, which scripts may hold.
TEST(ReportLanguage, EachMenuCaptionNamesItsReportInEveryLanguage) {
    for (const QString language : {"de", "fr", "es"}) {
        const test::InstalledTranslation translation(language);
        ASSERT_TRUE(translation.loaded()) << language.toStdString();
        for (const auto& [caption, kind] : MenuCaptions) {
            const QString shown = QCoreApplication::translate("ui::MainMenus", caption);
            EXPECT_NE(shown, QString::fromLatin1(caption)) << "the menu is translated";
            for (const QString& name : {shown, QString::fromLatin1(caption)}) {
                const std::optional<report::ReportEntry> found = report::FindReport(name);
                EXPECT_TRUE(found && found->kind == kind)
                    << language.toStdString() << ": " << name.toStdString();
            }
        }
        EXPECT_FALSE(report::FindReport(QStringLiteral("Filme"))) << "no report of that name";
    }
}

}  // namespace
