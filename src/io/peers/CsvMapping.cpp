#include "io/peers/CsvMapping.h"

#include "db/StoredDate.h"
#include "db/TextRoutines.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QRegularExpression>

namespace io {

namespace {

struct FieldInfo {
    CsvField field;
    const char* key;
    const char* name;  // translated where it is shown
    // Header names that mean the field, as Folded gives them.
    std::initializer_list<const char*> headers;
};

const FieldInfo Fields[] = {
    {CsvField::Nothing,
     "nothing",
     QT_TRANSLATE_NOOP("io::CsvMapping", "(nothing)"),
     {"movieid", "const", "url", "uri", "position"}},
    {CsvField::NoteLine, "note", QT_TRANSLATE_NOOP("io::CsvMapping", "A line of the notes"), {}},
    {CsvField::Title,
     "title",
     QT_TRANSLATE_NOOP("io::CsvMapping", "Title"),
     {"title", "name", "movie", "film", "movie title"}},
    {CsvField::Year,
     "year",
     QT_TRANSLATE_NOOP("io::CsvMapping", "Year"),
     {"year", "release year", "released"}},
    {CsvField::Genres,
     "genres",
     QT_TRANSLATE_NOOP("io::CsvMapping", "Genres"),
     {"genre", "genres"}},
    {CsvField::Media,
     "media",
     QT_TRANSLATE_NOOP("io::CsvMapping", "Media"),
     {"media", "medium", "format"}},
    {CsvField::Rating,
     "rating",
     QT_TRANSLATE_NOOP("io::CsvMapping", "Rating (certification)"),
     {"certification", "mpaa", "mpaa rating", "rated", "age rating"}},
    {CsvField::Directors,
     "directors",
     QT_TRANSLATE_NOOP("io::CsvMapping", "Director(s)"),
     {"director", "directors", "directed by"}},
    {CsvField::Producers,
     "producers",
     QT_TRANSLATE_NOOP("io::CsvMapping", "Producer(s)"),
     {"producer", "producers"}},
    {CsvField::Cast,
     "cast",
     QT_TRANSLATE_NOOP("io::CsvMapping", "Cast"),
     {"cast", "actor", "actors", "starring"}},
    {CsvField::Minutes,
     "minutes",
     QT_TRANSLATE_NOOP("io::CsvMapping", "Minutes"),
     {"minutes", "runtime", "runtime mins", "running time", "length", "duration"}},
    {CsvField::Stars,
     "stars",
     QT_TRANSLATE_NOOP("io::CsvMapping", "Stars (out of 5)"),
     {"stars", "rating", "my rating"}},
    {CsvField::StarsOfTen,
     "stars10",
     QT_TRANSLATE_NOOP("io::CsvMapping", "Stars (out of 10, halved)"),
     {"your rating"}},
    {CsvField::Location,
     "location",
     QT_TRANSLATE_NOOP("io::CsvMapping", "Storage location"),
     {"location", "storage location", "shelf"}},
    {CsvField::Label,
     "label",
     QT_TRANSLATE_NOOP("io::CsvMapping", "Label #"),
     {"label", "label number", "label no"}},
    {CsvField::Acquired,
     "acquired",
     QT_TRANSLATE_NOOP("io::CsvMapping", "Acquired"),
     {"acquired", "acquireddate", "acquired date", "date acquired", "purchase date", "purchased"}},
    {CsvField::Cost,
     "cost",
     QT_TRANSLATE_NOOP("io::CsvMapping", "Cost"),
     {"cost", "price", "purchase price"}},
    {CsvField::LentTo,
     "lentto",
     QT_TRANSLATE_NOOP("io::CsvMapping", "Lent to"),
     {"lentto", "lent to", "borrower", "loaned to"}},
    {CsvField::LentDate,
     "lentdate",
     QT_TRANSLATE_NOOP("io::CsvMapping", "Lent on"),
     {"lentdate", "lent date", "lent on", "loan date"}},
    {CsvField::Comments,
     "comments",
     QT_TRANSLATE_NOOP("io::CsvMapping", "Notes"),
     {"notes", "comments", "comment", "review"}},
};

const FieldInfo& infoOf(CsvField field) {
    return Fields[int(field)];
}

// Lower case, accents, punctuation and repeated blanks gone: "Runtime (mins)" is
// "runtime mins".
QString folded(const QString& name) {
    QString text = name.normalized(QString::NormalizationForm_D).toLower();
    QString kept;
    for (QChar c : text) {
        if (c.isLetterOrNumber())
            kept += c;
        else if (c.isSpace() || c.isPunct())
            kept += u' ';
    }
    return kept.simplified();
}

CsvField guess(const QString& header) {
    const QString name = folded(header);
    for (const FieldInfo& info : Fields)
        for (const char* known : info.headers)
            if (name == QLatin1String(known))
                return info.field;
    return CsvField::NoteLine;
}

struct PresetColumn {
    const char* header;  // folded
    CsvField field;
};

// Each preset names the columns it knows; the rest is guessed.
const std::initializer_list<PresetColumn> ListPreset = {{"const", CsvField::NoteLine},
                                                        {"your rating", CsvField::StarsOfTen},
                                                        {"date rated", CsvField::Nothing},
                                                        {"title", CsvField::Title},
                                                        {"original title", CsvField::NoteLine},
                                                        {"url", CsvField::Nothing},
                                                        {"title type", CsvField::Nothing},
                                                        {"runtime mins", CsvField::Minutes},
                                                        {"year", CsvField::Year},
                                                        {"genres", CsvField::Genres},
                                                        {"num votes", CsvField::Nothing},
                                                        {"release date", CsvField::Nothing},
                                                        {"directors", CsvField::Directors},
                                                        {"created", CsvField::Nothing},
                                                        {"modified", CsvField::Nothing},
                                                        {"description", CsvField::Comments},
                                                        {"position", CsvField::Nothing}};
const std::initializer_list<PresetColumn> DiaryPreset = {{"date", CsvField::Nothing},
                                                         {"name", CsvField::Title},
                                                         {"year", CsvField::Year},
                                                         {"rating", CsvField::Stars},
                                                         {"rewatch", CsvField::NoteLine},
                                                         {"tags", CsvField::NoteLine},
                                                         {"watched date", CsvField::NoteLine}};

QStringList splitNames(const QString& text) {
    static const QRegularExpression separators(QStringLiteral("[,;/|]"));
    QStringList names;
    for (const QString& part : text.split(separators, Qt::SkipEmptyParts))
        if (!part.trimmed().isEmpty())
            names.append(part.trimmed());
    return names;
}

}  // namespace

QString CsvFieldName(CsvField field) {
    return QCoreApplication::translate("io::CsvMapping", infoOf(field).name);
}

QString CsvFieldKey(CsvField field) {
    return QString::fromLatin1(infoOf(field).key);
}

CsvMapping GuessCsvMapping(const QStringList& header) {
    CsvMapping mapping;
    bool titleTaken = false;
    for (const QString& name : header) {
        CsvField field = guess(name);
        // "Name" is the title only when no column is called so.
        if (field == CsvField::Title && titleTaken)
            field = CsvField::NoteLine;
        titleTaken = titleTaken || field == CsvField::Title;
        mapping.append(field);
    }
    return mapping;
}

QStringList CsvPresetNames() {
    return {QStringLiteral("list"), QStringLiteral("diary")};
}

std::optional<CsvMapping> CsvPreset(const QString& name, const QStringList& header) {
    const std::initializer_list<PresetColumn>* preset = nullptr;
    if (name == QLatin1String("list"))
        preset = &ListPreset;
    else if (name == QLatin1String("diary"))
        preset = &DiaryPreset;
    else
        return std::nullopt;
    CsvMapping mapping = GuessCsvMapping(header);
    for (qsizetype column = 0; column < header.size(); ++column) {
        const QString name = folded(header[column]);
        if (name.endsWith(QLatin1String(" uri")) || name == QLatin1String("uri"))
            mapping[column] = CsvField::Nothing;
        for (const PresetColumn& known : *preset)
            if (name == QLatin1String(known.header))
                mapping[column] = known.field;
    }
    return mapping;
}

QString CsvHeaderSignature(const QStringList& header) {
    QStringList names;
    for (const QString& name : header)
        names.append(folded(name));
    return QString::fromLatin1(
        QCryptographicHash::hash(names.join(u'\t').toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(16));
}

QString CsvMappingKey(const QStringList& header) {
    return QStringLiteral("CsvMapping_") + CsvHeaderSignature(header);
}

CsvMapping SavedOrGuessedMapping(const QStringList& header, const QString& savedText) {
    return CsvMappingFromText(savedText, header.size()).value_or(GuessCsvMapping(header));
}

QString CsvMappingText(const CsvMapping& mapping) {
    QStringList keys;
    for (CsvField field : mapping)
        keys.append(CsvFieldKey(field));
    return keys.join(u',');
}

std::optional<CsvMapping> CsvMappingFromText(const QString& text, qsizetype columns) {
    const QStringList keys = text.split(u',');
    if (keys.size() != columns)
        return std::nullopt;
    CsvMapping mapping;
    for (const QString& key : keys) {
        const FieldInfo* found = nullptr;
        for (const FieldInfo& info : Fields)
            if (key == QLatin1String(info.key))
                found = &info;
        if (!found)
            return std::nullopt;
        mapping.append(found->field);
    }
    return mapping;
}

PeerReading ReadCsvMovies(const CsvTable& table, const CsvMapping& mapping) {
    PeerReading reading;
    for (size_t row = 0; row < table.rows.size(); ++row) {
        const QStringList& cells = table.rows[row];
        PeerMovie movie;
        movie.number = table.rowLines[row];
        for (qsizetype column = 0; column < mapping.size() && column < cells.size(); ++column) {
            const QString value = cells[column].trimmed();
            if (value.isEmpty())
                continue;
            switch (mapping[column]) {
                case CsvField::Nothing:
                    break;
                case CsvField::NoteLine:
                    movie.extras.append({table.header.value(column), value});
                    break;
                case CsvField::Title:
                    movie.title = value;
                    break;
                case CsvField::Year:
                    movie.year = value;
                    break;
                case CsvField::Genres:
                    movie.genres += splitNames(value);
                    break;
                case CsvField::Media:
                    movie.media = value;
                    break;
                case CsvField::Rating:
                    movie.rating = value;
                    break;
                case CsvField::Directors:
                    movie.directors += splitNames(value);
                    break;
                case CsvField::Producers:
                    movie.producers += splitNames(value);
                    break;
                case CsvField::Cast:
                    movie.cast += splitNames(value);
                    break;
                case CsvField::Minutes:
                    movie.minutes = value;
                    break;
                case CsvField::Stars:
                    movie.stars = db::LeadingNumber(value);
                    break;
                case CsvField::StarsOfTen:
                    movie.stars = db::LeadingNumber(value) / 2.0;
                    break;
                case CsvField::Location:
                    movie.location = value;
                    break;
                case CsvField::Label:
                    movie.label = value;
                    break;
                case CsvField::Acquired:
                    movie.acquired = db::SafeDate(value).date();
                    break;
                case CsvField::Cost:
                    movie.cost = value;
                    break;
                case CsvField::LentTo:
                    movie.lentTo = value;
                    break;
                case CsvField::LentDate:
                    movie.lentDate = db::SafeDate(value).date();
                    break;
                case CsvField::Comments:
                    movie.comments = value;
                    break;
            }
        }
        reading.add(movie);
    }
    return reading;
}

}  // namespace io
