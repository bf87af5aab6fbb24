#include "report/ReportError.h"
#include "report/ReportFont.h"
#include "report/RunReport.h"
#include "report/SpoolFormat.h"
#include "report/SpoolReader.h"
#include "support/QtPrinting.h"
#include "support/ScriptedReport.h"
#include "support/TestData.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <QDir>
#include <QLocale>
#include <QTemporaryDir>
#include <csignal>

namespace {

using report::SpoolWriter;
using test::ScriptedReport;

// Spool lines are written here in one text, a "|" where a line ends.
const QStringList Header =
    QStringLiteral(
        "/VERSION|1|/REPORTNAME|Test|/CREATEDBY|KIB|/CREATEDATE|03/05/2024|/CREATETIME|"
        "14:07:09|/NOTE||/ORIENTATION")
        .split(u'|');

// The standard page heading; the font line is "/FONT" with its arguments, or the style alone.
QStringList Heading(const QStringList& frame, const QStringList& tabs, const QStringList& font,
                    int page = 1) {
    return QStringList{"/SCREENONLY", "/BOX", "0", "0"} + frame +
           QStringLiteral("1|/SETTAB|1|%1|1|/SETTAB|2|%2|2|/SETTAB|3|%3|3")
               .arg(tabs[0], tabs[1], tabs[2])
               .split(u'|') +
           font +
           QStringLiteral(
               "/CR|/TEXT|Database: KIB|1|/BOLD|/TEXT|Test|2|/NORMAL|/TEXT|Page %1|3|"
               "/CR|/TEXT|03/05/2024|3|/CR|/RESETTABS")
               .arg(page)
               .split(u'|');
}

const QStringList FirstFont = {"/FONT", "10", "Times New Roman", "1"};
const QStringList LetterPortrait = Heading({"7.9", "10.5"}, {"0.1", "4", "7.8"}, FirstFont);

class SpoolWriterTest : public testing::Test {
protected:
    SpoolWriterTest() {
        writer.setDatabaseName(QStringLiteral("KIB"));
        writer.setClock([] { return QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)); });
    }

    // Writes a report and gives the lines of its file.
    QStringList run(const test::ReportBody& body, test::ReportOptions options = {}) {
        ScriptedReport report(writer, QStringLiteral("Test"), body, std::move(options));
        const std::optional<QString> file = report::RunReport(report, writer);
        return file ? test::SpoolFileLines(*file) : QStringList();
    }

    // What the body wrote after its last tab: from the last "/SETTAB" to "/ENDOFREPORT".
    static QStringList afterTabs(const QStringList& lines) {
        const qsizetype start = lines.lastIndexOf(QStringLiteral("/SETTAB")) + 4;
        return lines.mid(start, lines.indexOf(QStringLiteral("/ENDOFREPORT")) - start);
    }

    QTemporaryDir folder;
    SpoolWriter writer{folder.filePath(QStringLiteral("Temp"))};
};

TEST_F(SpoolWriterTest, AnEmptyReportOnEachPaperIsItsHeaderHeadingAndAOnePageIndex) {
    struct Case {
        int orientation, paperSize;
        QStringList frame, tabs;
    };
    const Case cases[] = {
        {0, 0, {"7.9", "10.5"}, {"0.1", "4", "7.8"}},
        {2, 1, {"10.45", "7.9"}, {"0.1", "5.5", "10.3"}},
        {1, 2, {"7.9", "13.5"}, {"0.1", "4", "7.8"}},
        {2, 2, {"13.5", "7.9"}, {"0.1", "7", "13.3"}},
    };
    for (const Case& paper : cases) {
        SpoolWriter fresh(folder.filePath(QStringLiteral("Temp")));
        fresh.setDatabaseName(QStringLiteral("KIB"));
        fresh.setClock([] { return QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)); });
        ScriptedReport report(fresh, QStringLiteral("Test"), [](SpoolWriter&) {},
                              {paper.orientation, paper.paperSize, {}, {}});
        const QStringList expected =
            Header +
            QStringList{QString::number(qMax(1, paper.orientation)), "/PAPERSIZE",
                        QString::number(qMax(1, paper.paperSize)), "/BEGINNINGOFREPORT",
                        "/RESETTABS"} +
            Heading(paper.frame, paper.tabs, FirstFont) +
            QStringList{"/ENDOFREPORT", "/PAGEBYTEOFFSETS", "1", "1"};
        EXPECT_EQ(test::SpoolFileLines(*report::RunReport(report, fresh)), expected)
            << paper.orientation << " " << paper.paperSize;
    }
}

TEST_F(SpoolWriterTest, TextsAreCutAtTheirColumnOrWrappedInsideIt) {
    report::ScreenMetrics metrics;
    const double fit = metrics.width(QStringLiteral("Exact fit")) / 1440;
    struct Case {
        QString text;
        int tab, style;
        QStringList expected;
    };
    const Case cases[] = {
        {"Exact fit", 1, 0, {"/TEXT", "Exact fit", "1"}},
        {"Exact fit!", 1, 0, {"/TEXT", "Exact fit", "1"}},
        {"Exact fit!",
         1,
         1,
         {"/NORMAL", "/TEXT", "Exact fit", "1", "/CR", "/TEXT", "!", "1", "/NORMAL"}},
        // The next column is right-aligned: this one ends 0.75 inch before it.
        {"Exact fit!", 3, 0, {"/TEXT", "Exact fit", "3"}},
        {"Wide", 5, 1, {"/NORMAL", "/TEXT", "", "5", "/NORMAL"}},
        {QString(), 1, 0, {"/TEXT", "", "1"}},
        // Tab 7 is followed by a tab at 0: no column, no cut.
        {"a\r\nb\rc\nd   ", 7, 0, {"/TEXT", "a b c d", "7"}},
    };
    for (const Case& text : cases) {
        const QStringList lines = run([&](SpoolWriter& writer) {
            writer.SetTab(1, 0.5, 1);
            writer.SetTab(2, 0.5 + fit, 1);
            writer.SetTab(3, 3, 1);
            writer.SetTab(4, 3 + fit + 0.75, 3);
            writer.SetTab(5, 5, 1);
            writer.SetTab(6, 5.01, 1);
            writer.SetTab(7, 6, 1);
            writer.PrintText(text.text, text.tab, text.style);
        });
        EXPECT_EQ(afterTabs(lines), text.expected) << text.text.toStdString();
    }
}

TEST_F(SpoolWriterTest, APageBreaksBeforeTheLineThatWouldPassTheLimitAndIsIndexed) {
    const QStringList lines = run(test::RowsUntilPage(2), test::RowsHeading());
    const qsizetype newPage = lines.indexOf(QStringLiteral("/NEWPAGE"));
    ASSERT_GT(newPage, 0);
    EXPECT_EQ(lines[newPage + 1], "2");
    // The next page's heading, then the line feed that crossed the limit, then the row.
    const QStringList secondHeading = Heading({"7.9", "10.5"}, {"0.1", "4", "7.8"}, {"/NORMAL"}, 2);
    EXPECT_EQ(lines.mid(newPage + 2, secondHeading.size()), secondHeading);
    EXPECT_EQ(lines.mid(newPage + 2 + secondHeading.size(), 6),
              (QStringList{"/SETTAB", "1", "0.5", "1", "/CR", "/TEXT"}));
    // Page 2 starts at the byte after "2" and its line end.
    qint64 offset = 1;
    for (qsizetype line = 0; line <= newPage + 1; ++line)
        offset += lines[line].toUtf8().size() + 2;
    EXPECT_EQ(lines.mid(lines.indexOf(QStringLiteral("/PAGEBYTEOFFSETS")) + 1),
              (QStringList{"2", "1", QString::number(offset)}));
}

TEST_F(SpoolWriterTest, ALaterReportInTheSameFontBeginsWithAStyleOnly) {
    const auto nothing = [](SpoolWriter&) {};
    EXPECT_EQ(run(nothing).mid(Header.size() + 5, LetterPortrait.size()), LetterPortrait);
    const QStringList later = Heading({"7.9", "10.5"}, {"0.1", "4", "7.8"}, {"/NORMAL"});
    EXPECT_EQ(run(nothing).mid(Header.size() + 5, later.size()), later);
}

TEST_F(SpoolWriterTest, NumbersAreWrittenWithAPointAndReadWithEither) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QStringList lines = run([](SpoolWriter& writer) { writer.SetTab(1, 2.25, 1); });
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(lines.mid(lines.lastIndexOf(QStringLiteral("/SETTAB")), 4),
              (QStringList{"/SETTAB", "1", "2.25", "1"}));
    bool ok = false;
    for (const char* text : {"2.25", "2,25", " 2.25 "}) {
        EXPECT_DOUBLE_EQ(report::spool::ReadNumber(QString::fromLatin1(text), &ok), 2.25);
        EXPECT_TRUE(ok) << text;
    }
    report::spool::ReadNumber(QStringLiteral("abc"), &ok);
    EXPECT_FALSE(ok);
    // Whole numbers, which most lines hold, read as the general reading reads them.
    for (const char* text : {"7", "-12", " 3 ", "007", "-0", "1234567890", "12a", "-", "+4", ""}) {
        bool general = false;
        const double expected =
            QLocale::c().toDouble(QString::fromLatin1(text).trimmed(), &general);
        EXPECT_EQ(report::spool::ReadNumber(QString::fromLatin1(text), &ok), general ? expected : 0)
            << text;
        EXPECT_EQ(ok, general) << text;
    }
}

TEST_F(SpoolWriterTest, AProtectedFileReadsBackWithItsPasswordWhateverTheBytes) {
    // These bytes and the password's add up to more than 255.
    const auto body = [](SpoolWriter& writer) {
        writer.NewLine();
        writer.PrintText(QStringLiteral("ÿÿÿ ~~~ Ünïcödé €"), 1);
    };
    run(body);  // the font is selected once; both reports below begin with its style
    test::ReportOptions options;
    options.password = QStringLiteral("ÿé€z");
    ScriptedReport report(writer, QStringLiteral("Test"), body, options);
    const QString file = *report::RunReport(report, writer);
    const QStringList plain = run(body);
    const QByteArray bytes = test::ContentsOf(file);
    EXPECT_NE(bytes.front(), '/');
    EXPECT_FALSE(bytes.contains("Database: KIB"));

    report::SpoolReader reader(file);
    EXPECT_TRUE(reader.isProtected());
    reader.setPassword(QStringLiteral("ÿÉ€Z"));  // the case of the password does not matter
    QStringList read;
    report::SpoolLines lines = reader.lines(1);
    for (QString line = lines.nextText(); line != "/ENDOFREPORT"; line = lines.nextText())
        read.append(line);
    EXPECT_EQ(read, plain.mid(0, plain.indexOf(QStringLiteral("/ENDOFREPORT"))));
    EXPECT_EQ(reader.pageCount(), 1);
    EXPECT_EQ(reader.header().createdBy, "KIB");
}

TEST_F(SpoolWriterTest, ASpoolNameInUseIsPassedForTheNextSecond) {
    QDir().mkpath(folder.filePath(QStringLiteral("Temp")));
    // 14:07:09 is second 50829 of the day.
    QFile taken(folder.filePath(QStringLiteral("Temp/00050829.tmp")));
    ASSERT_TRUE(taken.open(QIODevice::WriteOnly));
    taken.close();
    EXPECT_EQ(writer.GetSpoolFileName(QStringLiteral("tmp")),
              folder.filePath(QStringLiteral("Temp/00050830.tmp")));
    ScriptedReport report(writer, QStringLiteral("Test"), [](SpoolWriter&) {});
    EXPECT_EQ(report::RunReport(report, writer),
              folder.filePath(QStringLiteral("Temp/00050830.tmp")));
    EXPECT_EQ(taken.size(), 0);
}

TEST_F(SpoolWriterTest, ASpoolFileThatCannotBeWrittenIsReportedAndLeavesNothing) {
    const QString spoolFolder = folder.filePath(QStringLiteral("Temp"));
    ASSERT_TRUE(test::WriteFile(spoolFolder, {}));  // a file where the folder should be
    ScriptedReport report(writer, QStringLiteral("Test"), test::RowsUntilPage(1));
    EXPECT_THROW(report::RunReport(report, writer), report::ReportError);
    QFile::remove(spoolFolder);

    // A full disk: the file may not grow beyond 16 KiB.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    rlimit small = previous;
    small.rlim_cur = 16 * 1024;
    setrlimit(RLIMIT_FSIZE, &small);
    ScriptedReport large(writer, QStringLiteral("Test"), test::RowsUntilPage(20));
    try {
        report::RunReport(large, writer);
        ADD_FAILURE() << "a full disk was not reported";
    } catch (const report::ReportError& error) {
        EXPECT_TRUE(
            QString::fromUtf8(error.what()).contains(QStringLiteral("could not be written")))
            << error.what();
    }
    setrlimit(RLIMIT_FSIZE, &previous);
    EXPECT_TRUE(QDir(spoolFolder).isEmpty());
    EXPECT_FALSE(writer.isWriting());
}

}  // namespace
