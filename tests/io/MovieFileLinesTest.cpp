#include "io/MovieFileError.h"
#include "io/MovieFileLines.h"
#include "io/TextDecoding.h"
#include "support/QtPrinting.h"

#include <gtest/gtest.h>

namespace {

QStringList allLines(const QByteArray& bytes) {
    io::MovieFileLines lines(bytes);
    QStringList result;
    while (!lines.atEnd())
        result.append(lines.next());
    return result;
}

TEST(MovieFileLines, EndsLinesAtCrLfLfOrCrAndNotAfterTheLast) {
    const std::pair<QByteArray, QStringList> cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\rb", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},
        {"", {}},
        {"\r\n", {""}},
        {"\xEF\xBB\xBF"
         "header\r\n",
         {"header"}},
    };
    for (const auto& [bytes, expected] : cases)
        EXPECT_EQ(allLines(bytes), expected) << bytes.toStdString();
}

TEST(TextDecoding, ValidUtf8IsReadAsUtf8AndAnythingElseAsWindows1252) {
    const QByteArray utf8 = QStringLiteral("Amélie – Zoë €").toUtf8();
    io::MovieFileLines fromUtf8(utf8);
    EXPECT_EQ(fromUtf8.encoding(), io::FileEncoding::Utf8);
    EXPECT_EQ(fromUtf8.next(), "Amélie – Zoë €");

    // The same text as a Windows program writes it.
    io::MovieFileLines fromWindows(QByteArray("Am\xE9lie \x96 Zo\xEB \x80"));
    EXPECT_EQ(fromWindows.encoding(), io::FileEncoding::Windows1252);
    EXPECT_EQ(fromWindows.next(), "Amélie – Zoë €");

    // One stray byte late in a file decides for the whole file.
    QByteArray mixed = utf8 + "\r\nCaf\xE9";
    io::MovieFileLines fromMixed(mixed);
    EXPECT_EQ(fromMixed.encoding(), io::FileEncoding::Windows1252);
}

TEST(TextDecoding, RefusesWhatIsNotUtf8) {
    const std::pair<QByteArray, bool> cases[] = {
        {"plain ascii", true},
        {"\xC3\xA9", true},           // é
        {"\xF0\x9F\x8E\xAC", true},   // a clapper board, beyond the first plane
        {"\xC3", false},              // cut short
        {"\xC0\xAF", false},          // overlong
        {"\xE0\x80\xAF", false},      // overlong
        {"\xED\xA0\x80", false},      // a surrogate
        {"\xF4\x90\x80\x80", false},  // beyond Unicode
        {"\xE9t\xE9", false},         // Latin-1
    };
    for (const auto& [bytes, valid] : cases)
        EXPECT_EQ(io::IsValidUtf8(bytes), valid) << bytes.toHex().toStdString();
}

TEST(TextDecoding, Windows1252CoversEveryByte) {
    QByteArray every;
    for (int byte = 0; byte < 256; ++byte)
        every.append(char(byte));
    const QString text = io::DecodeWindows1252(every);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(text[0x80], QChar(0x20AC));
    EXPECT_EQ(text[0x85], QChar(0x2026));
    EXPECT_EQ(text[0x9F], QChar(0x0178));
    EXPECT_EQ(text[0x81], QChar(0x0081)) << "undefined bytes keep their Latin-1 meaning";
    EXPECT_EQ(text[0xFF], QChar(0x00FF));
}

TEST(MovieFileLines, AFileThatCannotBeReadSaysWhichAndWhy) {
    try {
        io::MovieFileLines lines(QStringLiteral("/nonexistent/folder/Movies.txt"));
        FAIL() << "no error";
    } catch (const io::FileError& error) {
        EXPECT_TRUE(error.message().contains("/nonexistent/folder/Movies.txt"));
    }
}

}  // namespace
