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
    const QByteArray chunk(65535, 'a');  // a CR LF across two reads of the file
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
        {chunk + "\r\nb", {QString::fromLatin1(chunk), "b"}},
    };
    for (const auto& [bytes, expected] : cases)
        EXPECT_EQ(allLines(bytes), expected) << bytes.left(20).toStdString();
}

TEST(MovieFileLines, ALineTooLongForAMovieIsNotKept) {
    io::MovieFileLines lines(QByteArray(io::MaximumLineBytes + 70000, 'x') + "\nnext");
    EXPECT_EQ(lines.next(), "");
    EXPECT_TRUE(lines.lastLineTooLong());
    EXPECT_EQ(lines.next(), "next");
    EXPECT_FALSE(lines.lastLineTooLong());
}

// One line from a Windows program in a UTF-8 file is read as Windows-1252 and the rest as UTF-8.
TEST(TextDecoding, EachLineIsUtf8WhenValidAndWindows1252Otherwise) {
    const QByteArray utf8 = QStringLiteral("Amélie – Zoë €").toUtf8();
    io::MovieFileLines lines(utf8 + "\r\nAm\xE9lie \x96 Zo\xEB \x80\r\n" + utf8);
    EXPECT_EQ(allLines(utf8 + "\r\nAm\xE9lie \x96 Zo\xEB \x80\r\n" + utf8),
              QStringList(3, "Amélie – Zoë €"));
    while (!lines.atEnd())
        lines.next();
    EXPECT_EQ(lines.windows1252Lines(), 1);
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
