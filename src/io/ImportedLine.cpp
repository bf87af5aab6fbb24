#include "io/ImportedLine.h"

#include "db/Currency.h"
#include "db/TextLimits.h"
#include "db/TextRoutines.h"
#include "io/MovieFileFormat.h"

#include <QCoreApplication>

namespace io {

namespace {

enum Field {
    MovieId,
    Title,
    Stars,
    Genre,
    Media,
    Minutes,
    Rating,
    Year,
    Director,
    Producer,
    Actors,
    Location,
    Label,
    AcquiredDate,
    Cost,
    LentTo,
    LentDate,
    Notes
};

struct Limit {
    Field field;
    int maximum;
};

// The texts the catalogue takes as they stand, and the lists of names.
constexpr Limit TextLimits[] = {
    {Title, db::TitleMaximum},       {Media, db::NameMaximum},        {Rating, db::NameMaximum},
    {Director, db::DirectorMaximum}, {Producer, db::ProducerMaximum}, {Location, db::NameMaximum},
    {Label, db::LabelMaximum},       {LentTo, db::LentToMaximum},     {Notes, db::NotesMaximum}};

QStringList names(const QString& list, Field field) {
    QStringList result;
    for (QStringView part : QStringView(list).split(u'/')) {
        const QStringView name = part.trimmed();
        if (name.isEmpty())
            continue;
        if (name.size() > db::NameMaximum && db::CharacterCount(name) > db::NameMaximum)
            throw LineRefused(QCoreApplication::translate(
                                  "io::ImportedLine", "a name in %1 is longer than %2 characters")
                                  .arg(MovieFieldName(field))
                                  .arg(db::NameMaximum));
        result.append(name.toString());
    }
    return result;
}

void checkLengths(const QStringList& fields) {
    for (const Limit& limit : TextLimits) {
        const QString& text = fields[limit.field];
        if (text.size() > limit.maximum && db::CharacterCount(text) > limit.maximum)
            throw LineRefused(QCoreApplication::translate("io::ImportedLine",
                                                          "the %1 is longer than %2 characters")
                                  .arg(MovieFieldName(limit.field))
                                  .arg(limit.maximum));
    }
}

// The cost as the number its text begins with (after NumericOnly), in ten-thousandths, rounded
// half away from zero. Read digit by digit, not through a double, so that every amount the
// currency type holds comes in exactly and any larger one is refused.
db::Currency costOf(const QString& field) {
    constexpr quint64 Largest = 9223372036854775807ull;  // +-922,337,203,685,477.5807
    const QString number = db::NumericOnly(field);
    qsizetype i = 0;
    const bool negative = number.startsWith(u'-');
    if (negative)
        ++i;
    quint64 whole = 0;
    bool tooLarge = false;
    for (; i < number.size() && number[i].isDigit(); ++i) {
        whole = whole * 10 + quint64(number[i].digitValue());
        tooLarge = tooLarge || whole > Largest / 10000;
    }
    quint64 fraction = 0;
    if (i < number.size() && number[i] == u'.') {
        int place = 0;
        for (++i; i < number.size() && number[i].isDigit() && place < 5; ++i, ++place)
            fraction = fraction * 10 + quint64(number[i].digitValue());
        for (; place < 5; ++place)
            fraction *= 10;
    }
    const quint64 magnitude = tooLarge ? 0 : whole * 10000 + (fraction + 5) / 10;
    if (tooLarge || magnitude > Largest)
        throw LineRefused(
            QCoreApplication::translate("io::ImportedLine",
                                        "the Cost %1 is more than the catalogue can hold (at "
                                        "most 922,337,203,685,477.5807)")
                .arg(field.trimmed()));
    const auto amount = qint64(magnitude);
    return db::Currency::fromTenThousandths(negative ? -amount : amount);
}

}  // namespace

ImportedLine ReadImportedLine(const QStringList& fields, int number) {
    checkLengths(fields);
    ImportedLine line;
    line.number = number;
    line.genres = names(fields[Genre], Genre);
    line.actors = names(fields[Actors], Actors);
    db::MovieRecord& movie = line.movie;
    movie.cost = costOf(fields[Cost]);
    movie.title = fields[Title];
    movie.stars = db::LeadingNumber(fields[Stars]);
    line.media = fields[Media];
    movie.minutes = db::LeadingWholeNumber(fields[Minutes]);
    line.rating = fields[Rating];
    movie.releaseYear = db::LeadingWholeNumber(fields[Year]);
    movie.director = fields[Director];
    movie.producer = fields[Producer];
    line.location = fields[Location];
    movie.labelNumber = fields[Label];
    movie.acquireDate = db::SafeDate(fields[AcquiredDate]);
    movie.lentTo = fields[LentTo];
    movie.lentDate = db::SafeDate(fields[LentDate]);
    movie.notes = db::DecodeLineBreaks(fields[Notes]);
    return line;
}

bool MeansNoGenre(const QString& name) {
    const QLatin1String none("(none)");
    return name.size() == none.size() && name.compare(none, Qt::CaseInsensitive) == 0;
}

}  // namespace io
