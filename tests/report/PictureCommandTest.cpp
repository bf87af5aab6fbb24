#include "PageImage.h"
#include "db/MoviePictures.h"
#include "db/Movies.h"
#include "io/CoverPicture.h"
#include "report/DetailedReport.h"
#include "report/DocumentReplay.h"
#include "report/RunReport.h"
#include "report/SpoolReader.h"
#include "support/PdfTools.h"
#include "support/ScriptedReport.h"
#include "support/TestCatalogue.h"
#include "support/TestData.h"
#include "support/TestPictures.h"

#include <gtest/gtest.h>
#include <QLocale>
#include <QProcess>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>

namespace {

// A black picture an inch square, drawn one inch in and half an inch below the row's top.
const QByteArray Black = test::Encoded(
    [] {
        QImage image(96, 96, QImage::Format_RGB32);
        image.fill(Qt::black);
        return image;
    }(),
    "PNG");

// The smallest rectangle holding every pixel in which the two pages differ.
QRect differences(const QImage& page, const QImage& other) {
    QRect bounds;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (page.pixel(x, y) != other.pixel(x, y))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

class PictureCommand : public testing::Test {
protected:
    // A page: a row of text, the picture lines given, and a row of text below the picture.
    QString spoolWith(const QByteArray& pictureLines) {
        test::ScriptedReport report(writer, QStringLiteral("Pictures"),
                                    [&](report::SpoolWriter& spool) {
                                        spool.NewLine();
                                        spool.PrintText(QStringLiteral("Above"), 1);
                                        if (!pictureLines.isEmpty())
                                            spool.WriteSpoolLine(QString::fromLatin1(pictureLines));
                                        for (int row = 0; row < 12; ++row)
                                            spool.NewLine();
                                        spool.PrintText(QStringLiteral("Below"), 1);
                                    });
        return *report::RunReport(report, writer);
    }
    QImage page(const QString& spool) {
        report::SpoolReader reader(spool);
        report::DrawingState state;
        return test::DrawPage(reader, 1, state);
    }
    static QByteArray command(int x, int y, int w, int h, const QByteArray& data, int count = 1) {
        return "/PICTURE\r\n" + QByteArray::number(x) + "\r\n" + QByteArray::number(y) + "\r\n" +
               QByteArray::number(w) + "\r\n" + QByteArray::number(h) + "\r\n" +
               QByteArray::number(count) + "\r\n" + data;
    }

    QTemporaryDir folder;
    report::SpoolWriter writer{folder.filePath(QStringLiteral("Temp"))};
};

// The writer spreads the data over lines no reader refuses; the page shows the picture where
// the command places it, below the current line's top.
TEST_F(PictureCommand, IsWrittenInLinesAndDrawnWhereItSays) {
    QImage noise(200, 300, QImage::Format_RGB32);
    QRandomGenerator random(3);
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, random.generate() | 0xFF000000);
    const QByteArray large = test::Encoded(noise, "PNG");
    ASSERT_GT(large.toBase64().size(), 16384) << "the test needs a picture of several lines";
    test::ScriptedReport report(writer, QStringLiteral("Pictures"),
                                [&](report::SpoolWriter& spool) {
                                    spool.NewLine();
                                    spool.PrintPicture(1440, 720, 1440, 1440, Black);
                                    spool.PrintPicture(4320, 0, 1000, 1500, large);
                                });
    const QString spool = *report::RunReport(report, writer);
    const QStringList lines = test::SpoolFileLines(spool);
    const qsizetype first = lines.indexOf("/PICTURE");
    EXPECT_EQ(lines.mid(first, 7), (QStringList{"/PICTURE", "1440", "720", "1440", "1440", "1",
                                                QString::fromLatin1(Black.toBase64())}));
    const qsizetype second = lines.indexOf("/PICTURE", first + 1);
    const int count = lines[second + 5].toInt();
    EXPECT_EQ(count, (large.toBase64().size() + 16383) / 16384);
    EXPECT_EQ(lines.mid(second + 6, count).join("").toLatin1(), large.toBase64());

    // The same page without the pictures, to see what they draw.
    report::SpoolWriter plainWriter{folder.filePath(QStringLiteral("Plain"))};
    test::ScriptedReport plain(plainWriter, QStringLiteral("Pictures"),
                               [](report::SpoolWriter& spool) { spool.NewLine(); });
    const QImage without = page(*report::RunReport(plain, plainWriter));
    const QImage shown = page(spool);
    // An inch is 96 pixels; the screen draws everything 3 pixels in. The row's top is where
    // the heading's rows end: the second picture begins there.
    const QRect tall = differences(shown.copy(250, 0, 566, 1008), without.copy(250, 0, 566, 1008))
                           .translated(250, 0);
    EXPECT_NEAR(tall.width(), 67, 1) << "1000 × 1500 twips";
    EXPECT_NEAR(tall.height(), 100, 1);
    EXPECT_EQ(tall.left(), 291);
    const QRect black = differences(shown.copy(0, 0, 250, 1008), without.copy(0, 0, 250, 1008));
    EXPECT_EQ(black, QRect(99, tall.top() + 48, 96, 96)) << "half an inch below the row's top";
    EXPECT_EQ(test::DarkPixels(shown, black), 96 * 96);
}

// A damaged picture command draws nothing, and the page around it is drawn as ever.
TEST_F(PictureCommand, ADamagedPictureIsLeftOutAndThePageGoesOn) {
    const QByteArray data = Black.toBase64() + "\r\n";
    const std::pair<const char*, QByteArray> cases[] = {
        {"sound", command(1440, 720, 1440, 1440, data)},
        {"data not base64", command(1440, 720, 1440, 1440, "#### not base64 ####\r\n")},
        {"data not a picture", command(1440, 720, 1440, 1440, "aGVsbG8gd29ybGQ=\r\n")},
        {"data cut off", command(1440, 720, 1440, 1440, data.left(data.size() / 2) + "\r\n")},
        {"count not a number",
         command(1440, 720, 1440, 1440, data, 0).replace("\r\n0\r\n", "\r\nx\r\n")},
        {"count too large", command(1440, 720, 1440, 1440, data, 1000000)},
        {"size of a mile", command(1440, 720, 99999999, 1440, data)},
        {"no data lines at all", "/PICTURE\r\n1440\r\n720"},
        {"a claimed 50,000 pixels",
         command(1440, 720, 1440, 1440, test::JpegClaiming(50000, 50000).toBase64() + "\r\n")},
    };
    const QImage without = page(spoolWith({}));
    for (const auto& [what, lines] : cases) {
        const QImage shown = page(spoolWith(lines));
        if (std::string_view(what) == "sound")
            EXPECT_TRUE(differences(shown, without).isValid()) << "the picture is drawn";
        else
            EXPECT_EQ(shown, without) << what << ": drawn as the page without the picture";
    }
}

// The detailed listing prints each cover beside its movie's block; PDF output embeds them.
TEST(DetailedReportCovers, EachCoverIsPrintedBesideItsBlockAndEmbeddedInThePdf) {
    test::TestCatalogue files;
    db::Connection& connection = files.open();
    const int alien = test::AddMovie(connection, "Alien");
    test::AddMovie(connection, "Brazil");
    const int casablanca = test::AddMovie(connection, "Casablanca");
    const io::PreparedPicture cover = io::PrepareCoverPicture(test::DrawnPicture(600, 900));
    ASSERT_TRUE(cover.ok());
    db::SetMoviePicture(connection, alien, cover.data);
    db::SetMoviePicture(connection, casablanca, cover.data);

    // The stars as an English user's report writes them, whatever the developer's locale.
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const auto restore = qScopeGuard([&] { QLocale::setDefault(before); });
    report::SpoolWriter writer(files.folder() + QStringLiteral("/Temp"));
    report::clsReportDetailed detailed(writer, connection);
    const QString spool = *report::RunReport(detailed, writer);
    const QStringList lines = test::SpoolFileLines(spool);
    EXPECT_EQ(lines.count("/PICTURE"), 2);
    const qsizetype picture = lines.indexOf("/PICTURE");
    // After the first row of Alien's block: "/CR", Stars:, its value; two thirds of an inch wide,
    // its right edge at 7.7 inches.
    EXPECT_EQ(lines.mid(picture - 7, 7),
              (QStringList{"/CR", "/TEXT", "Stars:", "1", "/TEXT", "0.0", "2"}));
    EXPECT_EQ(lines.mid(picture + 1, 4), (QStringList{"10131", "0", "957", "1440"}));
    EXPECT_EQ(QByteArray::fromBase64(lines[picture + 6].toLatin1()), cover.data.thumbnail);
    EXPECT_EQ(lines.mid(picture + 7, 2), (QStringList{"/CR", "/TEXT"}));

    if (!test::HavePdfTools())
        GTEST_SKIP() << "poppler-utils is not installed";
    const QString pdf = files.path("detailed.pdf");
    report::SpoolReader reader(spool);
    report::DrawingState state;
    ASSERT_TRUE(report::WritePdf(reader, pdf, state));
    QProcess images;
    images.start("pdfimages", {"-list", pdf});
    ASSERT_TRUE(images.waitForFinished());
    const QStringList listed =
        QString::fromUtf8(images.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(listed.size() - 2, 2) << listed.join('\n').toStdString();  // two heading lines
    EXPECT_EQ(listed.filter(" jpeg ").size(), 2) << "the thumbnails go in as the JPEGs they are";
    // Raster check: the cover's blue band crosses its box at the page's right.
    const QImage paper = test::PdfPageImage(pdf, 1);
    EXPECT_GT(test::DarkPixels(paper, QRect(670, 60, 70, 100)), 200);
}

}  // namespace
