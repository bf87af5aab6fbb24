#include "PageImage.h"
#include "report/PageDrawer.h"
#include "report/RunReport.h"
#include "report/SpoolReader.h"
#include "support/QtPrinting.h"
#include "support/ScriptedReport.h"
#include "support/TestData.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

namespace {

// The heading's first line, "Database: KIB", at tab 1 (0.1 inch) on the top line, inside
// the page frame.
const QRect HeadingText(10, 10, 110, 20);

class SpoolReaderTest : public testing::Test {
protected:
    SpoolReaderTest() {
        writer.setDatabaseName(QStringLiteral("KIB"));
        test::ScriptedReport report(writer, QStringLiteral("Three pages"), test::RowsUntilPage(3),
                                    test::RowsHeading());
        spoolFile = *report::RunReport(report, writer);
        bytes = test::ContentsOf(spoolFile);
    }

    QString damaged(const QByteArray& content) {
        const QString path = folder.filePath(QStringLiteral("damaged.rpt"));
        test::WriteFile(path, content);
        return path;
    }

    QTemporaryDir folder;
    report::SpoolWriter writer{folder.filePath(QStringLiteral("Temp"))};
    QString spoolFile;
    QByteArray bytes;
};

TEST_F(SpoolReaderTest, ADamagedFileShowsWhatItCanAndNeverFails) {
    const qsizetype trailer = bytes.indexOf("/PAGEBYTEOFFSETS");
    const qsizetype page2 = bytes.indexOf("/NEWPAGE");
    QByteArray reversed = bytes.left(trailer) + "/PAGEBYTEOFFSETS\r\n3\r\n";
    const QList<QByteArray> offsets = bytes.mid(trailer).split('\n').mid(2, 3);
    for (auto offset = offsets.crbegin(); offset != offsets.crend(); ++offset)
        reversed += offset->trimmed() + "\r\n";
    QByteArray binary(200 * 1024, Qt::Uninitialized);
    QRandomGenerator generator(7);
    for (char& byte : binary)
        byte = static_cast<char>(generator.bounded(256));
    const qsizetype firstText = bytes.indexOf("/TEXT");

    struct Case {
        const char* what;
        QByteArray content;
        int pages;
        bool headingShown;
    };
    const Case cases[] = {
        {"truncated in page 2", bytes.left(page2 + 200), 2, true},
        {"index cut off", bytes.left(trailer + 20), 3, true},
        {"index in reverse", reversed, 3, true},
        {"index of huge count", bytes.left(trailer) + "/PAGEBYTEOFFSETS\r\n999999999\r\n1\r\n", 3,
         true},
        {"random bytes", binary, -1, false},
        {"a line of 5 MB",
         bytes.left(firstText) + QByteArray(5 << 20, 'x') + "\r\n" + bytes.mid(firstText), 3,
         false},
        {"empty", QByteArray(), 1, false},
    };
    for (const Case& file : cases) {
        report::SpoolReader reader(damaged(file.content));
        if (file.pages > 0) {
            EXPECT_EQ(reader.pageCount(), file.pages) << file.what;
        }
        report::DrawingState state;
        for (int page = 1; page <= qMin(reader.pageCount(), 5); ++page) {
            const QImage image = test::DrawPage(reader, page, state);
            if (page == 1 && file.headingShown) {
                EXPECT_GT(test::DarkPixels(image, HeadingText), 0) << file.what;
            }
        }
        reader.header();
    }
}

TEST_F(SpoolReaderTest, EachPageIsReadFromItsOwnOffset) {
    report::SpoolReader reader(spoolFile);
    ASSERT_EQ(reader.pageCount(), 3);
    for (int page = 1; page <= 3; ++page) {
        report::SpoolLines lines = reader.lines(reader.pageStart(page));
        QStringList texts;
        for (QString line = lines.nextText(); line != "/NEWPAGE" && line != "/ENDOFREPORT";
             line = lines.nextText())
            texts.append(line);
        EXPECT_TRUE(texts.contains(QStringLiteral("Page %1").arg(page))) << page;
        EXPECT_FALSE(texts.contains(QStringLiteral("Page %1").arg(page + 1))) << page;
    }
}

TEST_F(SpoolReaderTest, AWrongPasswordGivesEmptyPages) {
    test::ReportOptions options = test::RowsHeading();
    options.password = QStringLiteral("secret");
    test::ScriptedReport protectedReport(writer, QStringLiteral("Protected"),
                                         test::RowsUntilPage(2), options);
    report::SpoolReader reader(*report::RunReport(protectedReport, writer));
    reader.setPassword(QStringLiteral("wrong"));
    EXPECT_EQ(reader.pageCount(), 2);
    report::DrawingState state;
    for (int page = 1; page <= 2; ++page)
        EXPECT_EQ(test::DarkPixels(test::DrawPage(reader, page, state), QRect(0, 0, 816, 1008)), 0);
    reader.setPassword(QStringLiteral("SECRET"));
    EXPECT_GT(test::DarkPixels(test::DrawPage(reader, 1, state), HeadingText), 0);
}

}  // namespace
