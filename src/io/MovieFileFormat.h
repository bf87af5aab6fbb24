#pragma once

#include "db/Currency.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace io {

// The movie file: a header line, then one line per movie of 18 comma-separated fields. Texts are
// in double quotes and never contain one; numbers are bare; a missing date is nothing at all.
inline constexpr int MovieFieldCount = 18;
inline constexpr char LineEnd[] = "\r\n";

// "MovieId","Title", ... ,"Notes" (without the line end).
QString MovieFileHeader();
// The header's name of a field: 0 is "MovieId", 17 "Notes".
QString MovieFieldName(int field);
// The first line of a file is accepted when it equals the header, ignoring letter case and the
// blanks at either end.
bool IsMovieFileHeader(QStringView line);

// One movie as the file carries it, its names resolved.
struct MovieFileEntry {
    double movieId = 0;
    QString title;
    double stars = 0;
    QString genres;  // genre names text, "(none)" when there are none
    QString media;
    double minutes = 0;
    QString rating;
    double year = 0;
    QString director;
    QString producer;
    QString actors;  // cast names joined by "/"
    QString location;
    QString label;
    QDate acquireDate;  // invalid or before 1900: no date
    db::Currency cost;
    QString lentTo;
    QDate lentDate;
    QString notes;
};

// The line of a movie, without the line end. The file cannot hold double quotes, nor line
// breaks outside the notes: the line leaves them out (a line break becomes a blank). A "|" in
// the notes is written, but reads back as a line break. unchanged, when given, tells whether
// there was any of these.
QString MovieLineText(const MovieFileEntry& movie, bool* unchanged = nullptr);

// The pieces of a line.
QString QuotedField(QStringView text);  // "text", without double quotes or line breaks
QString BareNumber(double value);       // 120, 4.5, 0: plain decimal, no grouping
QString DateField(const QDate& date);   // "03/15/2004", or nothing
QString CostField(db::Currency cost);   // 14.99, 12.5, 0: bare, to the ten-thousandth

// Takes the fields of a line one after the other. A comma outside double quotes ends a field;
// the last field loses its last character (the closing quote); a field is trimmed of blanks and
// of one double quote at either end. A field beyond the end of the line is empty.
class FieldReader {
public:
    explicit FieldReader(QString line) : line_(std::move(line)) {}
    QString next();

private:
    QString line_;
    qsizetype position_ = 0;  // where what is left of the line begins
};

// The first 18 fields of a movie line; missing ones are empty, further ones ignored.
QStringList ReadMovieFields(const QString& line);

// Why a line cannot be a movie line, whatever its fields say, in words for the user: it holds
// NUL characters, has no comma, or leaves a double quote open (which would shift every later
// field by one). Nothing when it may be one.
std::optional<QString> NotAMovieLine(QStringView line);

}  // namespace io
