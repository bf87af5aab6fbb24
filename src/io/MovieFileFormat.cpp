#include "io/MovieFileFormat.h"

#include "db/TextRoutines.h"

#include <QCoreApplication>
#include <QLocale>
#include <array>
#include <cmath>
#include <cstdio>

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

QString MovieFieldName(int field) {
    return QString::fromLatin1(FieldNames.at(size_t(field)));
}

bool IsMovieFileHeader(QStringView line) {
    static const QString header = MovieFileHeader().toLower();
    return trimmedBlanks(line).toString().toLower() == header;
}

namespace {

// Appends the field to the line in runs between the characters left out: a line is built
// 100,000 times, and most texts have none of them. Returns false when something was left out.
bool appendQuoted(QString& line, QStringView text) {
    line.append(u'"');
    bool unchanged = true;
    qsizetype run = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'"' && !isLineBreak(c))
            continue;
        unchanged = false;
        line.append(text.sliced(run, i - run));
        if (isLineBreak(c)) {
            // A line break would end the movie's line early; CR LF counts once.
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            line.append(u' ');
        }
        run = i + 1;
    }
    line.append(text.sliced(run));
    line.append(u'"');
    return unchanged;
}

}  // namespace

QString QuotedField(QStringView text) {
    QString field;
    field.reserve(text.size() + 2);
    appendQuoted(field, text);
    return field;
}

QString BareNumber(double value) {
    if (!std::isfinite(value) || value == 0)
        return QStringLiteral("0");
    if (std::trunc(value) == value && std::fabs(value) < 1e15)
        return QString::number(static_cast<qint64>(value));
    // The shortest text that reads back as the same number, never with an exponent.
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

QString DateField(const QDate& date) {
    if (!date.isValid() || date.year() < 1900 || date.year() > 9999)
        return {};
    char text[16];
    std::snprintf(text, sizeof text, "\"%02d/%02d/%04d\"", date.month(), date.day(), date.year());
    return QString::fromLatin1(text);
}

QString CostField(db::Currency cost) {
    const qint64 value = cost.tenThousandths();
    const quint64 magnitude = value < 0 ? 0 - quint64(value) : quint64(value);
    QString text = QString::number(magnitude / 10000);
    if (const unsigned fraction = unsigned(magnitude % 10000); fraction != 0) {
        char digits[8];
        std::snprintf(digits, sizeof digits, ".%04u", fraction);
        qsizetype length = 5;
        while (digits[length - 1] == '0')
            --length;
        text.append(QLatin1String(digits, length));
    }
    return value < 0 ? u'-' + text : text;
}

QString MovieLineText(const MovieFileEntry& movie, bool* unchanged) {
    const QChar comma = u',';
    QString line;
    line.reserve(300 + movie.notes.size() + movie.actors.size());
    bool kept = true;
    auto text = [&](const QString& value) {
        kept &= appendQuoted(line, value);
        line.append(comma);
    };
    auto field = [&](const QString& value) {
        line.append(value);
        line.append(comma);
    };
    field(BareNumber(movie.movieId));
    text(movie.title);
    field(BareNumber(movie.stars));
    text(movie.genres);
    text(movie.media);
    field(BareNumber(movie.minutes));
    text(movie.rating);
    field(BareNumber(movie.year));
    text(movie.director);
    text(movie.producer);
    text(movie.actors);
    text(movie.location);
    text(movie.label);
    field(DateField(movie.acquireDate));
    field(CostField(movie.cost));
    text(movie.lentTo);
    field(DateField(movie.lentDate));
    // The notes are the one text whose line breaks the file carries, as "|"; so a "|" of their
    // own reads back as a line break.
    kept &= appendQuoted(line, db::EncodeLineBreaks(movie.notes)) && !movie.notes.contains(u'|');
    if (unchanged)
        *unchanged = kept;
    return line;
}

QString FieldReader::next() {
    const QStringView rest = QStringView(line_).sliced(position_);
    if (rest.isEmpty())
        return QStringLiteral("");  // empty, not null: a missing name is found again by name
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

std::optional<QString> NotAMovieLine(QStringView line) {
    if (line.contains(QChar(0)))
        return QCoreApplication::translate("io::MovieFileFormat", "it holds NUL characters");
    if (!line.contains(u','))
        return QCoreApplication::translate("io::MovieFileFormat", "it has no commas");
    if (line.count(u'"') % 2 != 0)
        return QCoreApplication::translate("io::MovieFileFormat",
                                           "a double quote in it is not closed");
    return std::nullopt;
}

}  // namespace io
