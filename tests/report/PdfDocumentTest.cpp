#include "PageImage.h"
#include "report/DocumentReplay.h"
#include "report/PageDrawer.h"
#include "report/PdfDocument.h"
#include "report/PdfFontProgram.h"
#include "report/RunReport.h"
#include "report/SpoolReader.h"
#include "support/PdfTools.h"
#include "support/ScriptedReport.h"

#include <gtest/gtest.h>
#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QProcess>
#include <QRawFont>
#include <QTemporaryDir>

namespace {

// Letters of every kind the drawing meets: the bytes a PDF string escapes, accented Latin,
// Greek and Cyrillic set letter by letter; a combining accent, which needs laying out; and a
// sign the report font lacks, which comes from another font.
const QStringList Samples = {
    QStringLiteral("!\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`"),
    QStringLiteral("abcdefghijklmnopqrstuvwxyz{|}~"),
    QStringLiteral("Smörgåsbord für Élise — 25 € «ça»"),
    QStringLiteral("Καλημέρα Привет"),
    QStringLiteral("Cafe\u0301 au lait"),
    QStringLiteral("Snowman \u2603 here"),
};

QString pdfText(const QString& pdf) {
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    text.waitForFinished();
    return QString::fromUtf8(text.readAllStandardOutput()).normalized(QString::NormalizationForm_C);
}

// A report of the samples, one a line, with a box and a rule as the listings draw them.
QString sampleSpool(QTemporaryDir& folder, report::SpoolWriter& writer) {
    test::ReportOptions options = test::RowsHeading();
    test::ScriptedReport samples(
        writer, QStringLiteral("Samples"),
        [](report::SpoolWriter& writer) {
            for (const QString& sample : Samples) {
                writer.NewLine();
                writer.PrintText(sample, 1);
            }
            writer.NewLine();
            writer.PrintLineAbove(1, 5, 2);
            writer.PrintBox(0.5, 3, 4, 4, 3);
        },
        options);
    Q_UNUSED(folder);
    return *report::RunReport(samples, writer);
}

// The page as poppler draws it, shrunk so that a glyph's own edges do not count, only where
// it stands.
QImage coarse(const QImage& page) {
    return page.convertToFormat(QImage::Format_Grayscale8)
        .scaled(page.size() / 4, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

TEST(PdfDocumentTest, TextOfEveryKindComesBackFromTheFileAndStandsWhereQtsOwnPdfPutsIt) {
    if (!test::HavePdfTools())
        GTEST_SKIP() << "poppler-utils is not installed";
    QTemporaryDir folder;
    report::SpoolWriter writer(folder.filePath(QStringLiteral("Temp")));
    report::SpoolReader reader(sampleSpool(folder, writer));
    const QString ours = folder.filePath(QStringLiteral("ours.pdf"));
    report::DrawingState state;
    ASSERT_TRUE(report::WritePdf(reader, ours, state));

    const QString text = pdfText(ours);
    for (const QString& sample : Samples)
        EXPECT_TRUE(text.contains(sample.normalized(QString::NormalizationForm_C)))
            << qPrintable(sample) << " not in:\n"
            << qPrintable(text);

    // The same replay on Qt's own PDF writer: every glyph, rule and box in the same place.
    const QString qts = folder.filePath(QStringLiteral("qts.pdf"));
    {
        QPdfWriter pdf(qts);
        pdf.setPageLayout(report::PaperLayout(reader.header()));
        QPainter painter(&pdf);
        report::DrawingState qtState;
        ASSERT_TRUE(report::ReplayDocument(reader, pdf, painter, qtState, 1, nullptr));
    }
    const QImage expected = coarse(test::PdfPageImage(qts, 1));
    const QImage drawn = coarse(test::PdfPageImage(ours, 1));
    ASSERT_EQ(expected.size(), drawn.size());
    int inked = 0;
    int differing = 0;
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x) {
            const int want = qGray(expected.pixel(x, y));
            inked += want < 200 ? 1 : 0;
            differing += qAbs(want - qGray(drawn.pixel(x, y))) > 48 ? 1 : 0;
        }
    EXPECT_GT(inked, 200);
    EXPECT_LT(differing, inked / 20) << "of " << inked << " inked";
}

TEST(PdfDocumentTest, EachSheetLeavesForTheFileWhenTheNextBeginsWithItsDrawingInPlace) {
    if (!test::HavePdfTools())
        GTEST_SKIP() << "poppler-utils is not installed";
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    const QPageLayout legalLandscape(QPageSize(QPageSize::Legal), QPageLayout::Landscape,
                                     QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch);
    report::pdf::Document pdf(file, legalLandscape, QStringLiteral("Pages"),
                              QStringLiteral("Test"));
    EXPECT_EQ(pdf.width(), 16200) << "fourteen inches less the margins, at 1,200 to the inch";
    QPainter painter(&pdf);
    QImage red(40, 40, QImage::Format_RGB32);
    red.fill(Qt::red);
    qint64 written = file.size();
    for (int page = 1; page <= 3; ++page) {
        if (page > 1) {
            pdf.newPage();
            EXPECT_GT(file.size(), written + 40) << "page " << page - 1 << " is still held";
        }
        written = file.size();
        painter.setPen(Qt::black);
        painter.drawText(QPointF(1200, 1200 * page), QStringLiteral("Page %1").arg(page));
        // An inch square, an inch in from the printable area's corner.
        painter.drawImage(QRectF(1200, 2400, 1200, 1200), red);
    }
    // A font without TrueType outlines, which the file cannot carry: its glyphs become shapes.
    QFont outlinesOnly(QStringLiteral("C059"));
    outlinesOnly.setPointSize(40);
    const bool haveOutlinesOnly = QRawFont::fromFont(outlinesOnly).fontTable("glyf").isEmpty();
    painter.setFont(outlinesOnly);
    painter.drawText(QPointF(1200, 6000), QStringLiteral("MMMM"));
    painter.end();
    ASSERT_TRUE(pdf.finish());

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("pages.pdf"));
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(file.data());
    out.close();
    EXPECT_EQ(test::PdfPageCount(path), 3);
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    info.waitForFinished();
    const QByteArray described = info.readAllStandardOutput();
    EXPECT_TRUE(described.contains("1008 x 612 pts")) << described.constData();
    EXPECT_TRUE(pdfText(path).contains(QStringLiteral("Page 3")));
    // At 96 dots per inch: the margin is 24 pixels, the square from 120 to 216 across and
    // from 216 to 312 down.
    const QImage page = test::PdfPageImage(path, 2);
    ASSERT_FALSE(page.isNull());
    EXPECT_EQ(page.pixelColor(168, 264), QColor(Qt::red));
    EXPECT_EQ(page.pixelColor(110, 264), QColor(Qt::white));
    EXPECT_EQ(page.pixelColor(168, 206), QColor(Qt::white));
    const QImage last = test::PdfPageImage(path, 3);
    if (haveOutlinesOnly) {
        EXPECT_GT(test::DarkPixels(last, QRect(120, 440, 200, 60)), 300)
            << "the shapes of the glyphs are drawn";
    }
}

// The embedded program keeps the glyphs drawn and the parts they are built of, and no others.
TEST(PdfDocumentTest, AFontSubsetDrawsItsGlyphsWithTheirPartsAndLeavesTheRestEmpty) {
    QFont serif(QStringLiteral("Times New Roman"));
    serif.setPixelSize(100);
    const QRawFont face = QRawFont::fromFont(serif);
    ASSERT_TRUE(face.isValid());
    const QList<quint32> glyphs = face.glyphIndexesForString(QStringLiteral("\u00E9AZ"));
    ASSERT_EQ(glyphs.size(), 3);
    const quint16 accented = quint16(glyphs[0]);
    const QByteArray subset = report::pdf::TrueTypeSubset(face, {accented, quint16(glyphs[1])});
    ASSERT_FALSE(subset.isEmpty());
    ASSERT_LT(subset.size(), face.fontTable("glyf").size() / 4) << "only a few glyphs are kept";

    const QRawFont embedded(subset, 100);
    ASSERT_TRUE(embedded.isValid());
    // The accented letter is drawn whole, whether it has outlines of its own or is put
    // together from the plain letter and the accent.
    EXPECT_EQ(embedded.pathForGlyph(accented).boundingRect(),
              face.pathForGlyph(accented).boundingRect());
    EXPECT_FALSE(embedded.pathForGlyph(glyphs[1]).isEmpty());
    EXPECT_TRUE(embedded.pathForGlyph(glyphs[2]).isEmpty()) << "a glyph not drawn is left out";
}

}  // namespace
