#include "db/Currency.h"
#include "db/StoredDate.h"
#include "db/TextRoutines.h"
#include "support/QtPrinting.h"

#include <gtest/gtest.h>

namespace {

struct TextCase {
    const char* input;
    const char* expected;
};

TEST(TextRoutines, NumericOnlyKeepsDigitsPointAndMinus) {
    for (const TextCase& c : std::initializer_list<TextCase>{
             {"1,299.50 $", "1299.50"}, {"12-a3", "12-3"}, {"abc", ""}, {"€ 4.5", "4.5"}})
        EXPECT_EQ(db::NumericOnly(QString::fromUtf8(c.input)), QString::fromUtf8(c.expected))
            << c.input;
}

TEST(TextRoutines, LeadingNumberReadsOnlyTheNumberTheTextBeginsWith) {
    struct NumberCase {
        const char* input;
        double expected;
    };
    for (const NumberCase& c :
         std::initializer_list<NumberCase>{{"120", 120},
                                           {" 4.5 stars", 4.5},
                                           {"12-3", 12},
                                           {"-7", -7},
                                           {"", 0},
                                           {"abc", 0},
                                           {".5", 0.5},
                                           {"3.", 3},
                                           {"1299.50", 1299.5},
                                           {"0.1", 0.1},
                                           {"987654321.123456", 987654321.123456},
                                           {"12345678901234567890", 1.2345678901234567e19}})
        EXPECT_EQ(db::LeadingNumber(QString::fromUtf8(c.input)), c.expected) << c.input;
    EXPECT_EQ(db::LeadingWholeNumber(u"89.6 min"), 90);
    EXPECT_EQ(db::LeadingWholeNumber(u"99999999999999"), 0);
}

TEST(TextRoutines, SafeDateReadsTheUsualFormsAndRefusesTheRest) {
    struct DateCase {
        const char* input;
        QDate expected;  // invalid: no date
    };
    for (const DateCase& c :
         std::initializer_list<DateCase>{{"03/15/2004", QDate(2004, 3, 15)},
                                         {"3/5/2004", QDate(2004, 3, 5)},
                                         {"3/5/04", QDate(2004, 3, 5)},
                                         {"3/5/75", QDate(1975, 3, 5)},
                                         {"2004-03-15", QDate(2004, 3, 15)},
                                         {"2004-03-15 10:20:30", QDate(2004, 3, 15)},
                                         {"03.15.2004", QDate(2004, 3, 15)},
                                         {"15 Mar 2004", QDate(2004, 3, 15)},
                                         {"March 15, 2004", QDate(2004, 3, 15)},
                                         {" 12/31/1999 11:59 PM ", QDate(1999, 12, 31)},
                                         {"", QDate()},
                                         {"soon", QDate()},
                                         {"13/45/2004", QDate()},
                                         {"2/30/2004", QDate()}}) {
        const QDateTime date = db::SafeDate(QString::fromUtf8(c.input));
        EXPECT_EQ(date.date(), c.expected) << c.input;
        EXPECT_EQ(date.isValid(), c.expected.isValid()) << c.input;
    }
    EXPECT_EQ(db::SafeDate(u"12/31/1999 11:59 PM").time(), QTime(23, 59));
}

TEST(TextRoutines, QuotesWildcardsAndLineBreaks) {
    EXPECT_EQ(db::StripQuotes(u"The \"Best\" Film"), QStringLiteral("The Best Film"));
    EXPECT_EQ(db::WildcardToLike(u"*star?"), QStringLiteral("%star_"));
    EXPECT_EQ(db::WildcardToLike(u"100%_sure"), QStringLiteral("100%_sure"));
    EXPECT_EQ(db::EncodeLineBreaks(u"one\r\ntwo\nthree\rfour"),
              QStringLiteral("one|two|three|four"));
    EXPECT_EQ(db::DecodeLineBreaks(u"one|two"), QStringLiteral("one\ntwo"));
    EXPECT_EQ(db::EncodeLineBreaks(db::DecodeLineBreaks(u"a||b|")), QStringLiteral("a||b|"));
}

TEST(StoredDates, EmptyDateAndDatesBefore1900ReadAsNoDate) {
    EXPECT_EQ(db::StoredDateText(QDateTime()), QString::fromLatin1(db::EmptyDateText));
    EXPECT_EQ(db::StoredDateText(db::CatalogueDateTime(QDate(1899, 12, 30))),
              QString::fromLatin1(db::EmptyDateText));
    const QDateTime date = db::CatalogueDateTime(QDate(2004, 3, 15), QTime(8, 5, 1));
    EXPECT_EQ(db::StoredDateText(date), QStringLiteral("2004-03-15 08:05:01"));
    EXPECT_EQ(db::DateFromStored(db::StoredDateText(date)), date);
    EXPECT_FALSE(db::DateFromStored(QStringLiteral("1899-01-01 00:00:00")).isValid());
    EXPECT_FALSE(db::DateFromStored(QStringLiteral("1850-06-01 00:00:00")).isValid());
    EXPECT_FALSE(db::DateFromStored(QVariant()).isValid());
    EXPECT_EQ(db::SlashDateText(date), QStringLiteral("03/15/2004"));
    EXPECT_EQ(db::SlashDateText(QDateTime()), QString());
}

// Stored dates are read by hand in their stored form: they read as Qt's own parser reads them,
// impossible days and times, short and other forms included.
TEST(StoredDates, ReadAsTheGeneralParserReadsThem) {
    const QStringList texts = {
        "2004-03-15 08:05:01",      "2023-02-30 10:00:00", "2023-02-28 24:00:00",
        "2023-02-28 23:59:60",      "2023-2-28 10:00:00",  "2023-02-28",
        " 2023-02-28 10:00:00 ",    "2023-02-28T10:11:12", "2023-02-28 10:11",
        "9999-12-31 23:59:59",      "0000-01-01 00:00:00", "abcd-ef-gh ij:kl:mn",
        "2023-02-28 10:11:12 extra"};
    for (const QString& text : texts) {
        const QString trimmed = text.trimmed();
        const QDate day = QDate::fromString(trimmed.left(10), QStringLiteral("yyyy-MM-dd"));
        const QTime time = QTime::fromString(trimmed.mid(11, 8), QStringLiteral("HH:mm:ss"));
        const QDateTime general = db::CatalogueDateTime(day, time);
        const QDateTime expected =
            general.isValid() && general.date().year() >= 1900 ? general : QDateTime();
        EXPECT_EQ(db::DateFromStored(text), expected) << qPrintable(text);
        EXPECT_EQ(db::DayFromStored(text), expected.date()) << qPrintable(text);
    }
}

TEST(CurrencyValues, AreExactAndWrittenBare) {
    EXPECT_EQ(db::Currency::fromDouble(12.5).toPlainText(), QStringLiteral("12.5"));
    EXPECT_EQ(db::Currency::fromDouble(14.99).toPlainText(), QStringLiteral("14.99"));
    EXPECT_EQ(db::Currency().toPlainText(), QStringLiteral("0"));
    EXPECT_EQ(db::Currency::fromDouble(-0.0001).toPlainText(), QStringLiteral("-0.0001"));
    db::Currency sum;
    for (int i = 0; i < 1000; ++i)
        sum += db::Currency::fromDouble(0.1);
    EXPECT_EQ(sum.tenThousandths(), 1000000);
}

}  // namespace
