#include "PageImage.h"
#include "report/DocumentReplay.h"
#include "report/PageDrawer.h"
#include "report/ReportError.h"
#include "report/RunReport.h"
#include "report/SpoolReader.h"
#include "support/PdfTools.h"
#include "support/ScriptedReport.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

namespace {

TEST(PdfOutputTest, EveryPageIsASheetWithoutTheScreenOnlyFrameOrAFailureIsReported) {
    QTemporaryDir folder;
    report::SpoolWriter writer(folder.filePath(QStringLiteral("Temp")));
    test::ScriptedReport three(writer, QStringLiteral("Three pages"), test::RowsUntilPage(3),
                               test::RowsHeading());
    report::SpoolReader reader(*report::RunReport(three, writer));
    report::DrawingState state;
    EXPECT_THROW(report::WritePdf(reader, folder.filePath(QStringLiteral("none/x.pdf")), state),
                 report::ReportError);
    if (!test::HavePdfTools())
        GTEST_SKIP() << "poppler-utils (pdfinfo, pdftoppm) is not installed";
    const QString pdf = folder.filePath(QStringLiteral("three.pdf"));
    ASSERT_TRUE(report::WritePdf(reader, pdf, state));
    EXPECT_EQ(test::PdfPageCount(pdf), 3);

    // The frame's left edge: 45 twips in on the screen; on paper it would stand at the edge
    // of the printable area, a quarter inch in.
    const QImage paper = test::PdfPageImage(pdf, 1);
    ASSERT_FALSE(paper.isNull());
    EXPECT_EQ(test::DarkPixels(paper, QRect(22, 100, 5, 800)), 0);
    EXPECT_GT(test::DarkPixels(paper, QRect(60, 20, 200, 60)), 0) << "the heading is printed";
    report::DrawingState screenState;
    const QImage screen = test::DrawPage(reader, 1, screenState);
    EXPECT_GE(test::DarkPixels(screen, QRect(2, 100, 3, 800)), 800);
}

}  // namespace
