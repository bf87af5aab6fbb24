#include "io/peers/GcstarReader.h"

#include "db/TextRoutines.h"
#include "io/MovieFileError.h"
#include "io/peers/PeerXml.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace io {

namespace {

// What the notes call the values this catalogue has no field for.
struct ExtraName {
    const char* name;
    const char* key;
};
constexpr ExtraName ExtraNames[] = {{"original", "Original title"},
                                    {"synopsis", "Plot"},
                                    {"country", "Country"},
                                    {"webPage", "Web page"},
                                    {"serie", "Series"},
                                    {"seen", "Seen"},
                                    {"audio", "Languages"},
                                    {"subt", "Subtitles"},
                                    {"video", "Video"},
                                    {"number", "Number"},
                                    {"tags", "Tags"},
                                    {"favourite", "Favourite"},
                                    {"rank", "Rank"},
                                    {"identifier", "Identifier"}};

// Values that name no picture, no number of the file's own and nothing set.
bool passedOver(const QString& name, const QString& value) {
    static const QStringList pictures = {QStringLiteral("image"), QStringLiteral("backpic"),
                                         QStringLiteral("id"), QStringLiteral("gcsautoid")};
    return pictures.contains(name) || value.isEmpty() || value == QLatin1String("0");
}

QString extraKey(const QString& name) {
    for (const ExtraName& extra : ExtraNames)
        if (name == QLatin1String(extra.name))
            return QString::fromLatin1(extra.key);
    return name;
}

QStringList split(const QString& text) {
    static const QRegularExpression separators(QStringLiteral("[,/;]"));
    QStringList parts;
    for (const QString& part : text.split(separators, Qt::SkipEmptyParts))
        if (!part.trimmed().isEmpty())
            parts.append(part.trimmed());
    return parts;
}

// GCstar writes dates day first: "15/03/2004".
QDate dayFirst(const QString& text) {
    const QStringList parts = text.trimmed().split(QRegularExpression(QStringLiteral("[/-]")));
    if (parts.size() != 3)
        return db::SafeDate(text).date();
    if (parts[0].size() == 4)  // 2004-03-15
        return QDate(parts[0].toInt(), parts[1].toInt(), parts[2].toInt());
    return QDate(parts[2].toInt(), parts[1].toInt(), parts[0].toInt());
}

QString yearIn(const QString& text) {
    static const QRegularExpression year(QStringLiteral("\\b(\\d{4})\\b"));
    const QRegularExpressionMatch match = year.match(text);
    return match.hasMatch() ? match.captured(1) : QString();
}

// The age GCstar gives as the certification it stands for.
QString ratingOfAge(const QString& age) {
    const int years = age.toInt();
    if (years <= 0)
        return {};
    if (years == 1)
        return QStringLiteral("U");
    if (years == 2)
        return QStringLiteral("G");
    if (years < 6)
        return QStringLiteral("PG");
    if (years < 14)
        return QStringLiteral("PG-13");
    if (years < 19)
        return QStringLiteral("R");
    return age;
}

// An item's values: attributes, and elements with a text or lines of columns (the first
// column of each line).
struct Value {
    QString name;
    QString text;
    QStringList lines;
    bool hasLines = false;
};

Value readElement(QXmlStreamReader& xml) {
    Value value{xml.name().toString(), {}, {}, false};
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        CheckXml(xml);
        if (token == QXmlStreamReader::Characters) {
            value.text += xml.text();
        } else if (token == QXmlStreamReader::StartElement) {
            value.hasLines = true;
            QString first;
            bool any = false;
            while (NextStartElement(xml)) {
                const QString column = ElementText(xml);
                if (!any)
                    first = column.trimmed();
                any = true;
            }
            if (!first.isEmpty())
                value.lines.append(first);
        } else if (token == QXmlStreamReader::EndElement) {
            break;
        }
    }
    value.text = value.text.trimmed();
    return value;
}

void apply(PeerMovie& movie, const Value& value) {
    const QString& name = value.name;
    const QString& text = value.text;
    const QStringList list = value.hasLines ? value.lines : split(text);
    if (name == QLatin1String("title") || name == QLatin1String("name")) {
        movie.title = text;
    } else if (name == QLatin1String("image")) {
        movie.cover.name = text.trimmed();  // a file beside the collection, found later
    } else if (name == QLatin1String("date") || name == QLatin1String("release") ||
               name == QLatin1String("released") || name == QLatin1String("year")) {
        movie.year = yearIn(text);
    } else if (name == QLatin1String("director")) {
        movie.directors = list;
    } else if (name == QLatin1String("producer")) {
        movie.producers = list;
    } else if (name == QLatin1String("time")) {
        movie.minutes = db::NumericOnly(text);
    } else if (name == QLatin1String("age")) {
        movie.rating = ratingOfAge(text);
    } else if (name == QLatin1String("rating")) {
        movie.stars = db::LeadingNumber(text) / 2.0;
    } else if (name == QLatin1String("format")) {
        movie.media = text;
    } else if (name == QLatin1String("location") || name == QLatin1String("place")) {
        movie.location = text;
    } else if (name == QLatin1String("added") || name == QLatin1String("acquisition") ||
               name == QLatin1String("aquisition") || name == QLatin1String("purchasedate")) {
        if (!movie.acquired.isValid() || name != QLatin1String("added"))
            movie.acquired = dayFirst(text);
    } else if (name == QLatin1String("purchaseprice")) {
        movie.cost = text;
    } else if (name == QLatin1String("borrower")) {
        if (text != QLatin1String("none"))
            movie.lentTo = text;
    } else if (name == QLatin1String("lendDate")) {
        movie.lentDate = dayFirst(text);
    } else if (name == QLatin1String("comment") || name == QLatin1String("comments")) {
        movie.comments = text;
    } else if (name == QLatin1String("genre")) {
        movie.genres = list;
    } else if (name == QLatin1String("actors")) {
        if (value.hasLines) {
            movie.cast = value.lines;
        } else {
            // "Name (Role), Name (Role)"
            for (const QString& actor : split(text))
                movie.cast.append(actor.section(u'(', 0, 0).trimmed());
        }
    } else if (value.hasLines) {
        if (!value.lines.isEmpty())
            movie.extras.append({extraKey(name), value.lines.join(QStringLiteral("; "))});
    } else if (!passedOver(name, text)) {
        movie.extras.append(
            {extraKey(name), text == QLatin1String("1") && name != QLatin1String("number")
                                 ? QStringLiteral("yes")
                                 : text});
    }
}

PeerMovie readItem(QXmlStreamReader& xml) {
    PeerMovie movie;
    movie.number = int(xml.lineNumber());
    for (const QXmlStreamAttribute& attribute : xml.attributes())
        apply(movie,
              {attribute.name().toString(), attribute.value().trimmed().toString(), {}, false});
    while (NextStartElement(xml))
        apply(movie, readElement(xml));
    return movie;
}

}  // namespace

PeerReading ReadGcstar(const QByteArray& bytes) {
    RequireXml(bytes,
               QCoreApplication::translate("io::GcstarReader",
                                           "The file is not a GCstar collection: it is no XML."));
    QXmlStreamReader xml(bytes);
    if (!NextStartElement(xml)) {
        CheckXml(xml);
        throw FileError(QCoreApplication::translate(
            "io::GcstarReader", "The file is not a GCstar collection: it holds no XML."));
    }
    if (xml.name() != QLatin1String("collection"))
        throw FileError(
            QCoreApplication::translate("io::GcstarReader",
                                        "The file is not a GCstar collection: its XML is a '%1' "
                                        "document.")
                .arg(xml.name().toString()));
    const QString type = xml.attributes().value(QLatin1String("type")).toString();
    if (type != QLatin1String("GCfilms"))
        throw FileError(
            QCoreApplication::translate("io::GcstarReader",
                                        "The GCstar file holds a collection of the kind '%1', not "
                                        "of movies (GCfilms).")
                .arg(type));
    PeerReading reading;
    while (NextStartElement(xml)) {
        if (xml.name() == QLatin1String("item"))
            reading.add(readItem(xml));
        else
            SkipElement(xml);
    }
    CheckXml(xml);
    return reading;
}

}  // namespace io
