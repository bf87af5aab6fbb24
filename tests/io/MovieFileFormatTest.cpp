#include "io/MovieFileFormat.h"
#include "support/QtPrinting.h"

#include <gtest/gtest.h>

namespace {

struct FieldCase {
    const char* line;
    std::vector<const char*> fields;  // the first fields the reader gives
};

TEST(FieldReader, TakesFieldsAsTheMovieFileWritesThem) {
    const FieldCase cases[] = {
        {R"(7,"Title",4.5,"Notes")", {"7", "Title", "4.5", "Notes"}},
        // A comma inside quotes is part of the field.
        {R"("Smith, John","A, B, C","x")", {"Smith, John", "A, B, C", "x"}},
        // Blanks around a field go, then one quote at either end.
        {R"(  "padded"  , bare ,"last")", {"padded", "bare", "last"}},
        // Empty and absent dates: two quotes, or nothing between the commas.
        {R"("",,"03/15/2004","end")", {"", "", "03/15/2004", "end"}},
        // The last field loses its last character, whatever it is.
        {R"("a",12345)", {"a", "1234"}},
        // So a last field without its closing quote loses its own last character.
        {R"("a","b)", {"a", ""}},
        // Fields beyond the end of the line are empty.
        {R"("only")", {"only", "", ""}},
        {"", {"", ""}},
        // A quote inside a field flips the flag: the comma after it no longer ends the field.
        {R"("a"b",c","d")", {"a\"b\",c", "d"}},
        // One quote is removed at each end, no more.
        {R"(""x"","y")", {"\"x\"", "y"}},
        // A trailing comma leaves an empty field after it.
        {R"("a",)", {"a", ""}},
    };
    for (const FieldCase& test : cases) {
        io::FieldReader reader(QString::fromUtf8(test.line));
        for (size_t i = 0; i < test.fields.size(); ++i)
            EXPECT_EQ(reader.next(), QString::fromUtf8(test.fields[i]))
                << "field " << i + 1 << " of " << test.line;
    }
}

TEST(FieldReader, AMovieLineGivesEighteenFieldsAndIgnoresMore) {
    const QString line =
        QStringLiteral(R"(1,"T",0,"G","M",0,"R",0,"D","P","A","L","1",,0,"",,"N")");
    const QStringList fields = io::ReadMovieFields(line);
    ASSERT_EQ(fields.size(), io::MovieFieldCount);
    EXPECT_EQ(fields.last(), "N");
    EXPECT_EQ(io::ReadMovieFields(line + QStringLiteral(R"(,"extra")")).last(), "N");
    EXPECT_FALSE(io::ReadMovieFields(QStringLiteral(R"(1,"Short")")).last().isNull())
        << "empty, so that a missing name is found again";
}

TEST(MovieFileFormat, HeaderIsAcceptedIgnoringCaseAndOuterBlanks) {
    const QString header = io::MovieFileHeader();
    EXPECT_EQ(header, R"("MovieId","Title","Stars","Genre","Media","Minutes","Rating","Year",)"
                      R"("Director","Producer","Actors","Location","Label","AcquiredDate","Cost",)"
                      R"("LentTo","LentDate","Notes")");
    EXPECT_TRUE(io::IsMovieFileHeader(header));
    EXPECT_TRUE(io::IsMovieFileHeader("   " + header.toUpper() + "  "));
    EXPECT_FALSE(io::IsMovieFileHeader(QString()));
    EXPECT_FALSE(io::IsMovieFileHeader(QString(header).replace("AcquiredDate", "AcquireDate")));
    EXPECT_FALSE(io::IsMovieFileHeader(QString(header).replace(",", ", ")));
}

TEST(MovieFileFormat, NumbersAreBarePlainDecimals) {
    const std::pair<double, const char*> cases[] = {
        {120, "120"},
        {4.5, "4.5"},
        {0, "0"},
        {-0.0, "0"},
        {14.99, "14.99"},
        {12.50, "12.5"},
        {0.0001, "0.0001"},
        {-3.25, "-3.25"},
        {1e21, "1000000000000000000000"},
        {0.1 + 0.2, "0.30000000000000004"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(io::BareNumber(value), text) << value;
}

// The full line of a movie, its dates included, is checked through the export.
TEST(MovieFileFormat, TextsLoseQuotesAndOnlyTheNotesCarryLineBreaks) {
    EXPECT_EQ(io::QuotedField(u"Amélie, Zoë"), R"("Amélie, Zoë")");
    struct LineCase {
        const char* label;
        const char* notes;
        const char* written;  // the end of the line
        bool unchanged;
    };
    for (const LineCase& c : std::initializer_list<LineCase>{
             {"A-17", "Two discs.\r\nBonus.", R"("A-17",,0,"",,"Two discs.|Bonus.")", true},
             {"A-17", R"(Bonus: "making of".)", R"(,"Bonus: making of.")", false},
             {"A-17", "A|B", R"(,"A|B")", false},  // reads back as two lines
             {"A\r\n17", "", R"("A 17",,0,"",,"")", false}}) {
        io::MovieFileEntry movie;
        movie.label = QString::fromUtf8(c.label);
        movie.notes = QString::fromUtf8(c.notes);
        bool unchanged = !c.unchanged;
        EXPECT_TRUE(io::MovieLineText(movie, &unchanged).endsWith(QString::fromUtf8(c.written)))
            << c.notes;
        EXPECT_EQ(unchanged, c.unchanged) << c.notes;
    }
}

TEST(MovieFileFormat, CostsAreBareToTheTenThousandth) {
    const std::pair<qint64, const char*> cases[] = {
        {0, "0"},         {149900, "14.99"},    {125000, "12.5"},
        {10000, "1"},     {12995000, "1299.5"}, {1, "0.0001"},
        {-25000, "-2.5"}, {-5, "-0.0005"},      {100000000000, "10000000"},
    };
    for (const auto& [tenThousandths, text] : cases)
        EXPECT_EQ(io::CostField(db::Currency::fromTenThousandths(tenThousandths)), text)
            << tenThousandths;
}

}  // namespace
