#include "io/peers/PeerMovie.h"

#include "db/StoredDate.h"
#include "db/TextLimits.h"
#include "io/ImportedLine.h"
#include "io/MovieFileFormat.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace io {

namespace {

// At most that many characters, without cutting a surrogate pair.
QString firstCharacters(const QString& text, qsizetype maximum) {
    qsizetype end = 0;
    for (qsizetype count = 0; end < text.size() && count < maximum; ++count)
        end += text[end].isHighSurrogate() && end + 1 < text.size() ? 2 : 1;
    return text.left(end);
}

QString oneLine(const QString& text) {
    return text.simplified();
}

// A list's name, or the one each list has for none.
QString nameOrNone(const QString& text) {
    const QString name = oneLine(text);
    return name.isEmpty() ? QStringLiteral("(none)") : name;
}

QStringList names(const QStringList& given, const char* field) {
    QStringList result;
    for (const QString& each : given) {
        const QString name = oneLine(each);
        if (name.isEmpty() || result.contains(name, Qt::CaseInsensitive))
            continue;
        if (db::CharacterCount(name) > db::NameMaximum)
            throw LineRefused(QCoreApplication::translate(
                                  "io::PeerMovie", "a name in %1 is longer than %2 characters")
                                  .arg(QLatin1String(field))
                                  .arg(db::NameMaximum));
        result.append(name);
    }
    return result;
}

// A price as typed elsewhere: in "12,50 €" and "1.299,50" the comma is the decimal one, in
// "1,299.50" the point.
QString costText(const QString& price) {
    static const QRegularExpression decimalComma(QStringLiteral(",\\d{1,2}\\D*$"));
    QString text = price.trimmed();
    if (text.lastIndexOf(u',') > text.lastIndexOf(u'.') && decimalComma.match(text).hasMatch())
        text.remove(u'.').replace(u',', u'.');
    return text;
}

// The comments first, then as many "Key: value" lines as fit; the names of what did not fit.
QString notesOf(const PeerMovie& movie, QStringList& leftOut) {
    QString notes = movie.comments.trimmed();
    notes.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
    if (db::CharacterCount(notes) > db::NotesMaximum) {
        notes = firstCharacters(notes, db::NotesMaximum);
        leftOut.append(QCoreApplication::translate("io::PeerMovie", "the end of the comments"));
    }
    for (const auto& [key, value] : movie.extras) {
        const QString line = oneLine(key) + QStringLiteral(": ") + oneLine(value);
        const QString longer = notes.isEmpty() ? line : notes + u'\n' + line;
        if (db::CharacterCount(longer) <= db::NotesMaximum)
            notes = longer;
        else
            leftOut.append(oneLine(key));
    }
    return notes;
}

}  // namespace

void PeerReading::add(const PeerMovie& movie) {
    const QString title = oneLine(movie.title);
    try {
        if (title.isEmpty())
            throw LineRefused(QCoreApplication::translate("io::PeerMovie", "it has no title"));
        QStringList fields(MovieFieldCount);
        fields[1] = title;
        fields[2] = QString::number(movie.stars);
        fields[4] = nameOrNone(movie.media);
        fields[5] = movie.minutes;
        fields[6] = nameOrNone(movie.rating);
        fields[7] = movie.year;
        fields[8] = oneLine(movie.directors.join(QStringLiteral(", ")));
        fields[9] = oneLine(movie.producers.join(QStringLiteral(", ")));
        fields[11] = nameOrNone(movie.location);
        fields[12] = oneLine(movie.label);
        fields[14] = costText(movie.cost);
        fields[15] = oneLine(movie.lentTo);
        ImportedLine line = ReadImportedLine(fields, movie.number);
        line.genres = names(movie.genres, "Genre");
        line.actors = names(movie.cast, "Actors");
        line.movie.acquireDate = movie.acquired.isValid() && movie.acquired.year() >= 1900
                                     ? db::CatalogueDateTime(movie.acquired)
                                     : QDateTime();
        line.movie.lentDate = movie.lentDate.isValid() && movie.lentDate.year() >= 1900
                                  ? db::CatalogueDateTime(movie.lentDate)
                                  : QDateTime();
        QStringList leftOut;
        line.movie.notes = notesOf(movie, leftOut);
        if (!leftOut.isEmpty()) {
            fieldsLeftOut += int(leftOut.size());
            ++moviesWithFieldsLeftOut;
            if (leftOutExamples.size() < ExamplesListed)
                leftOutExamples.append(
                    QCoreApplication::translate("io::PeerMovie", "Line %1 (%2): %3")
                        .arg(movie.number)
                        .arg(title, leftOut.join(QStringLiteral(", "))));
        }
        if (!movie.cover.name.isEmpty())
            covers.push_back({line.number, line.movie.title, movie.cover});
        lines.push_back(std::move(line));
        result.imported = int(lines.size());
    } catch (const LineRefused& refusal) {
        if (result.refused.size() < ImportResult::MaximumListed)
            result.refused.append({movie.number, refusal.message()});
        ++result.refusedCount;
    }
}

QString PeerReading::notes() const {
    if (fieldsLeftOut == 0)
        return {};
    QString text = QCoreApplication::translate(
                       "io::PeerMovie",
                       "\n\nFields that did not fit into the notes (at most %1 characters), so "
                       "they are left out: %2, in %3 movies.")
                       .arg(db::NotesMaximum)
                       .arg(fieldsLeftOut)
                       .arg(moviesWithFieldsLeftOut);
    for (const QString& example : leftOutExamples)
        text += QStringLiteral("\n") + example;
    if (moviesWithFieldsLeftOut > leftOutExamples.size())
        text += QCoreApplication::translate("io::PeerMovie", "\n... and %1 more movies.")
                    .arg(moviesWithFieldsLeftOut - leftOutExamples.size());
    return text;
}

}  // namespace io
