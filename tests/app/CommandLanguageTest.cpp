#include "ProgramRun.h"
#include "support/PdfTools.h"

#include <gtest/gtest.h>
#include <QScopeGuard>

namespace {

// The commands speak the user's language, as LANG and LANGUAGE name it.
class CommandLanguage : public test::ProgramRun {};

TEST_F(CommandLanguage, TheHelpAndAWrongCommandLineAreInTheUsersLanguage) {
    lang = QStringLiteral("de_DE.UTF-8");
    const Outcome help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    // Qt's own "Usage:" in German, still naming the program.
    EXPECT_TRUE(help.out.startsWith("Aufruf: tallowmere ")) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains("Ohne Befehl öffnet sich das Fenster."))
        << help.out.toStdString();
    EXPECT_TRUE(
        help.out.contains("  export DATEI          jeden Film in eine Filmdatei schreiben\n"));

    const Outcome unknown = run({"frobnicate"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.errors,
              "Unbekannter Befehl 'frobnicate'.\nVersuchen Sie 'tallowmere --help'.\n");

    // LANGUAGE goes before LANG.
    lang = QStringLiteral("C.UTF-8");
    language = QStringLiteral("fr");
    const Outcome noPdf = run({"report", "list"});
    EXPECT_EQ(noPdf.status, 2);
    EXPECT_EQ(noPdf.errors,
              "« report » a besoin de --pdf FICHIER.\nEssayez « tallowmere --help ».\n");
}

TEST_F(CommandLanguage, ACommandsSummaryErrorsAndReportAreInTheUsersLanguage) {
    writeMovies("KIB", 3);
    lang = QStringLiteral("de_DE.UTF-8");
    const Outcome check = run({"check"});
    EXPECT_EQ(check.status, 0) << check.errors.toStdString();
    EXPECT_TRUE(check.out.contains("Dateiprüfung: in Ordnung\nFilme: 3\n"))
        << check.out.toStdString();

    const Outcome missing = run({"--catalogue", "other", "export", path("out.txt")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.errors.contains("Es gibt keinen Katalog 'OTHER'"))
        << missing.errors.toStdString();

    // The report is named as on the German menu, and drawn in German.
    const Outcome report =
        run({"report", "Filmliste (nach &Etikettnummer) ..", "--pdf", path("list.pdf")});
    ASSERT_EQ(report.status, 0) << report.errors.toStdString();
    EXPECT_EQ(report.out, "Filmliste nach Etikettnummer: 1 Seiten nach " + path("list.pdf") +
                              " geschrieben.\n");
    if (test::HavePdfTools()) {
        const QString page = test::PdfText(path("list.pdf"));
        for (const char* text : {"Datenbank: KIB", "Seite 1", "Etikett-Nr.", "Anzahl der Filme: 3"})
            EXPECT_TRUE(page.contains(QString::fromUtf8(text))) << text << "\n"
                                                                << page.toStdString();
    }
}

TEST_F(CommandLanguage, TheTestsOwnEnglishHoldsWhateverTheDevelopersLocale) {
    // A developer's German shell must not reach the program the other tests start.
    const QProcessEnvironment before = QProcessEnvironment::systemEnvironment();
    const auto restore = qScopeGuard([&] {
        for (const char* name : {"LC_ALL", "LANGUAGE"}) {
            if (before.contains(name))
                qputenv(name, before.value(name).toLocal8Bit());
            else
                qunsetenv(name);
        }
    });
    qputenv("LC_ALL", "de_DE.UTF-8");
    qputenv("LANGUAGE", "de");
    const Outcome unknown = run({"frobnicate"});
    EXPECT_EQ(unknown.errors, "Unknown command 'frobnicate'.\nTry 'tallowmere --help'.\n");
}

}  // namespace
