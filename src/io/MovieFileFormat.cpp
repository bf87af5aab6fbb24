#include "io/MovieFileFormat.h"

#include "db/StoredDate.h"
#include "db/TextRoutines.h"

#include <QLocale>
#include <array>
#include <cmath>

namespace io {

namespace {

// The header says "AcquiredDate" although the column is AcquireDate: other programs read it so.
constexpr std::array<const char*, MovieFieldCount> FieldNames = {
    "MovieId", "Title",        "Stars",    "Genre",    "Media",    "Minutes",
    "Rating",  "Year",         "Director", "Producer", "Actors",   "Location",
    "Label",   "AcquiredDate", "Cost",     "LentTo",   "LentDate", "Notes"};

bool isLineBreak(QChar c) {
    return c == u'\r' || c == u'\n';
}

bool hasLineBreak(const QString& text) {
    return text.contains(u'\r') || text.contains(u'\n');
}

QStringView trimmedBlanks(QStringView text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.sliced(first, last - first);
}

}  // namespace

QString MovieFileHeader() {
    QStringList names;
    for (const char* name : FieldNames)
        names.append(QuotedField(QString::fromLatin1(name)));
    return names.join(u',');
}

bool IsMovieFileHeader(QStringView line) {
    static const QString header = MovieFileHeader().toLower();
    return trimmedBlanks(line).toString().toLower() == header;
}

QString QuotedField(QStringView text) {
    QString field;
    field.reserve(text.size() + 2);
    field.append(u'"');
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'"')
            continue;
        if (isLineBreak(c)) {
            // A line break would end the movie's line early; CR LF counts once.
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            field.append(u' ');
            continue;
        }
        field.append(c);
    }
    field.append(u'"');
    return field;
}

QString BareNumber(double value) {
    if (!std::isfinite(value) || value == 0)
        return QStringLiteral("0");
    // The shortest text that reads back as the same number, never with an exponent.
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

QString DateField(const QDateTime& date) {
    const QString text = db::SlashDateText(date);
    return text.isEmpty() ? QString() : u'"' + text + u'"';
}

QString MovieLineText(const MovieFileEntry& movie) {
    const QChar comma = u',';
    QString line;
    line.reserve(256 + movie.notes.size() + movie.actors.size());
    line += BareNumber(movie.movieId) + comma;
    line += QuotedField(movie.title) + comma;
    line += BareNumber(movie.stars) + comma;
    line += QuotedField(movie.genres) + comma;
    line += QuotedField(movie.media) + comma;
    line += BareNumber(movie.minutes) + comma;
    line += QuotedField(movie.rating) + comma;
    line += BareNumber(movie.year) + comma;
    line += QuotedField(movie.director) + comma;
    line += QuotedField(movie.producer) + comma;
    line += QuotedField(movie.actors) + comma;
    line += QuotedField(movie.location) + comma;
    line += QuotedField(movie.label) + comma;
    line += DateField(movie.acquireDate) + comma;
    line += movie.cost.toPlainText() + comma;
    line += QuotedField(movie.lentTo) + comma;
    line += DateField(movie.lentDate) + comma;
    line += QuotedField(db::EncodeLineBreaks(movie.notes));
    return line;
}

bool FitsUnchanged(const MovieFileEntry& movie) {
    for (const QString* text :
         {&movie.title, &movie.genres, &movie.media, &movie.rating, &movie.director,
          &movie.producer, &movie.actors, &movie.location, &movie.label, &movie.lentTo}) {
        if (text->contains(u'"') || hasLineBreak(*text))
            return false;
    }
    return !movie.notes.contains(u'"');
}

QString FieldReader::next() {
    const QStringView rest = QStringView(line_).sliced(position_);
    if (rest.isEmpty())
        return {};
    bool insideQuotes = false;
    qsizetype end = 0;
    while (end < rest.size()) {
        const QChar c = rest[end];
        if (c == u',' && !insideQuotes)
            break;
        if (c == u'"')
            insideQuotes = !insideQuotes;
        ++end;
    }
    QStringView raw;
    if (end < rest.size()) {
        raw = rest.first(end);
        position_ += end + 1;
    } else {
        raw = rest.chopped(1);
        position_ = line_.size();
    }
    raw = trimmedBlanks(raw);
    if (raw.startsWith(u'"'))
        raw = raw.sliced(1);
    if (raw.endsWith(u'"'))
        raw.chop(1);
    return raw.toString();
}

QStringList ReadMovieFields(const QString& line) {
    FieldReader reader(line);
    QStringList fields;
    fields.reserve(MovieFieldCount);
    for (int i = 0; i < MovieFieldCount; ++i)
        fields.append(reader.next());
    return fields;
}

}  // namespace io
