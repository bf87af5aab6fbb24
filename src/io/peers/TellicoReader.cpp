#include "io/peers/TellicoReader.h"

#include "db/TextRoutines.h"
#include "io/MovieFileError.h"
#include "io/peers/PeerXml.h"
#include "io/peers/ZipArchive.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace io {

namespace {

constexpr char VideoCollection[] = "3";

// Paragraph fields (comments, plot) hold rich text as escaped HTML: the notes take its words,
// with a line break for each break and paragraph.
QString plainText(const QString& text) {
    if (!text.contains(u'<'))
        return text;
    static const QRegularExpression breaks(QStringLiteral("<br\\s*/?>|</p>|</div>|</li>"),
                                           QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    QString plain = text;
    plain.replace(QLatin1String("\n"), QLatin1String(" "));
    plain.replace(breaks, QStringLiteral("\n")).remove(tags);
    plain.replace(QLatin1String("&nbsp;"), QLatin1String(" "))
        .replace(QLatin1String("&lt;"), QLatin1String("<"))
        .replace(QLatin1String("&gt;"), QLatin1String(">"))
        .replace(QLatin1String("&quot;"), QLatin1String("\""))
        .replace(QLatin1String("&#39;"), QLatin1String("'"))
        .replace(QLatin1String("&amp;"), QLatin1String("&"));
    return plain.trimmed();
}

struct Loan {
    QString borrower;
    QDate date;
};

// The collection's field definitions: the titles the notes use, and the rating's scale.
struct Fields {
    QHash<QString, QString> titles;
    QHash<QString, double> maximum;

    QString title(const QString& name) const {
        if (const auto found = titles.constFind(name); found != titles.constEnd())
            return *found;
        // A multiple value stands in a plural element: "nationalitys" holds "nationality".
        if (name.endsWith(u's'))
            if (const auto found = titles.constFind(name.chopped(1)); found != titles.constEnd())
                return *found;
        QString word = name;
        word.replace(u'_', u' ').replace(u'-', u' ');
        if (!word.isEmpty())
            word[0] = word[0].toUpper();
        return word;
    }
};

void readFields(QXmlStreamReader& xml, Fields& fields) {
    while (NextStartElement(xml)) {
        if (xml.name() != QLatin1String("field")) {
            SkipElement(xml);
            continue;
        }
        const QString name = xml.attributes().value(QLatin1String("name")).toString();
        fields.titles.insert(name, xml.attributes().value(QLatin1String("title")).toString());
        while (NextStartElement(xml)) {
            const bool isMaximum =
                xml.name() == QLatin1String("prop") &&
                xml.attributes().value(QLatin1String("name")) == QLatin1String("maximum");
            const QString value = ElementText(xml);
            if (isMaximum && value.toDouble() > 0)
                fields.maximum.insert(name, value.toDouble());
        }
    }
}

class EntryReader {
public:
    EntryReader(QXmlStreamReader& xml, const Fields& fields) : xml_(xml), fields_(fields) {}

    PeerMovie read(QString& entryId, bool& loaned) {
        PeerMovie movie;
        movie.number = int(xml_.lineNumber());
        entryId = xml_.attributes().value(QLatin1String("id")).toString();
        loaned = false;
        while (NextStartElement(xml_)) {
            const QString name = xml_.name().toString();
            if (name == QLatin1String("cover")) {
                movie.cover.name = ElementText(xml_).trimmed();
                continue;
            }
            if (name == QLatin1String("cdate") || name == QLatin1String("mdate") ||
                name == QLatin1String("id")) {
                SkipElement(xml_);
                continue;
            }
            const QStringList list = readValues();
            const QString one = list.value(0);
            if (name == QLatin1String("title"))
                movie.title = one;
            else if (name == QLatin1String("year"))
                movie.year = one;
            else if (name == QLatin1String("genres"))
                movie.genres = list;
            else if (name == QLatin1String("medium"))
                movie.media = one;
            else if (name == QLatin1String("certification"))
                movie.rating = withoutUsa(one);
            else if (name == QLatin1String("directors"))
                movie.directors = list;
            else if (name == QLatin1String("producers"))
                movie.producers = list;
            else if (name == QLatin1String("casts"))
                movie.cast = list;
            else if (name == QLatin1String("running-time"))
                movie.minutes = one;
            else if (name == QLatin1String("rating"))
                movie.stars = db::LeadingNumber(one) * 5.0 /
                              fields_.maximum.value(QStringLiteral("rating"), 5.0);
            else if (name == QLatin1String("location"))
                movie.location = one;
            else if (name == QLatin1String("comments"))
                movie.comments = plainText(one);
            else if (name == QLatin1String("plot"))
                movie.extras.append({fields_.title(name), plainText(one)});
            else if (name == QLatin1String("pur_date"))
                movie.acquired = db::SafeDate(one).date();
            else if (name == QLatin1String("pur_price"))
                movie.cost = one;
            else if (name == QLatin1String("loaned"))
                loaned = one == QLatin1String("true");
            else if (one == QLatin1String("true"))
                movie.extras.append({fields_.title(name), QStringLiteral("yes")});
            else if (!list.join(QString()).isEmpty() && one != QLatin1String("false"))
                movie.extras.append({fields_.title(name), list.join(QStringLiteral("; "))});
        }
        return movie;
    }

private:
    // A certification names its country: "PG-13 (USA)" is the rating "PG-13".
    static QString withoutUsa(const QString& certification) {
        const QLatin1String usa(" (USA)");
        return certification.endsWith(usa) ? certification.chopped(usa.size()) : certification;
    }

    QStringList readValues() {
        QStringList found;
        QString text;
        while (!xml_.atEnd()) {
            const QXmlStreamReader::TokenType token = xml_.readNext();
            CheckXml(xml_);
            if (token == QXmlStreamReader::Characters) {
                text += xml_.text();
            } else if (token == QXmlStreamReader::StartElement) {
                found.append(childValue());
            } else if (token == QXmlStreamReader::EndElement) {
                break;
            }
        }
        if (found.isEmpty())
            found.append(text.trimmed());
        return found;
    }

    // A value element, or a table row: its first column.
    QString childValue() {
        QString text;
        QString firstColumn;
        bool hasColumns = false;
        while (!xml_.atEnd()) {
            const QXmlStreamReader::TokenType token = xml_.readNext();
            CheckXml(xml_);
            if (token == QXmlStreamReader::Characters) {
                text += xml_.text();
            } else if (token == QXmlStreamReader::StartElement) {
                const QString column = ElementText(xml_);
                if (!hasColumns)
                    firstColumn = column;
                hasColumns = true;
            } else if (token == QXmlStreamReader::EndElement) {
                break;
            }
        }
        return (hasColumns ? firstColumn : text).trimmed();
    }

    QXmlStreamReader& xml_;
    const Fields& fields_;
};

void readBorrowers(QXmlStreamReader& xml, QHash<QString, Loan>& loans) {
    while (NextStartElement(xml)) {
        const QString borrower = xml.attributes().value(QLatin1String("name")).toString();
        while (NextStartElement(xml)) {
            const QXmlStreamAttributes loan = xml.attributes();
            loans.insert(loan.value(QLatin1String("entryRef")).toString(),
                         {borrower, db::SafeDate(loan.value(QLatin1String("loanDate"))).date()});
            SkipElement(xml);
        }
    }
}

// Pictures kept inside the XML, base64 in <image id="...">; linked ones hold no data.
void readImages(QXmlStreamReader& xml, QHash<QString, QByteArray>& images) {
    while (NextStartElement(xml)) {
        const QString id = xml.attributes().value(QLatin1String("id")).toString();
        const QByteArray data = QByteArray::fromBase64(ElementText(xml).toLatin1());
        if (!data.isEmpty())
            images.insert(id, data);
    }
}

// Each cover's picture from the XML, else from the archive's images/ folder, read in memory with
// the archive's own limits; one neither holds is left to be found beside the file.
void findCovers(std::vector<PeerMovie*>& movies, const QHash<QString, QByteArray>& images,
                const QByteArray& archive) {
    QStringList packed;
    for (PeerMovie* movie : movies) {
        if (const auto found = images.constFind(movie->cover.name); found != images.constEnd())
            movie->cover.bytes = *found;
        else if (!archive.isEmpty())
            packed.append(QStringLiteral("images/") + movie->cover.name);
    }
    if (packed.isEmpty())
        return;
    const QHash<QString, ZipMember> members = ReadZipMembers(archive, packed);
    for (PeerMovie* movie : movies) {
        if (!movie->cover.bytes.isEmpty())
            continue;
        const ZipMember member = members.value(QStringLiteral("images/") + movie->cover.name);
        movie->cover.bytes = member.bytes;
        movie->cover.problem = member.problem;
    }
}

struct ReadEntry {
    PeerMovie movie;
    QString id;
    bool loaned;
};

}  // namespace

PeerReading ReadTellico(const QByteArray& bytes) {
    const QByteArray document =
        LooksLikeZip(bytes) ? ReadZipMember(bytes, QStringLiteral("tellico.xml")) : bytes;
    RequireXml(document,
               QCoreApplication::translate(
                   "io::TellicoReader",
                   "The file is not a collection of the KDE collection manager: it is no XML."));
    QXmlStreamReader xml(document);
    if (!NextStartElement(xml)) {
        CheckXml(xml);
        throw FileError(
            QCoreApplication::translate("io::TellicoReader",
                                        "The file is not a collection of the KDE collection "
                                        "manager: it holds no XML."));
    }
    if (xml.name() != QLatin1String("tellico"))
        throw FileError(
            QCoreApplication::translate("io::TellicoReader",
                                        "The file is not a collection of the KDE collection "
                                        "manager: its XML is a '%1' document.")
                .arg(xml.name().toString()));
    std::vector<ReadEntry> entries;
    QHash<QString, Loan> loans;
    QHash<QString, QByteArray> images;
    QStringList otherKinds;
    bool video = false;
    while (NextStartElement(xml)) {
        if (xml.name() == QLatin1String("borrowers")) {
            readBorrowers(xml, loans);
            continue;
        }
        if (xml.name() == QLatin1String("images")) {
            readImages(xml, images);
            continue;
        }
        if (xml.name() != QLatin1String("collection")) {
            SkipElement(xml);
            continue;
        }
        if (xml.attributes().value(QLatin1String("type")) != QLatin1String(VideoCollection)) {
            otherKinds.append(xml.attributes().value(QLatin1String("type")).toString());
            SkipElement(xml);
            continue;
        }
        video = true;
        Fields fields;
        while (NextStartElement(xml)) {
            if (xml.name() == QLatin1String("fields")) {
                readFields(xml, fields);
            } else if (xml.name() == QLatin1String("entry")) {
                ReadEntry entry;
                entry.movie = EntryReader(xml, fields).read(entry.id, entry.loaned);
                entries.push_back(std::move(entry));
            } else if (xml.name() == QLatin1String("borrowers")) {
                readBorrowers(xml, loans);
            } else if (xml.name() == QLatin1String("images")) {
                readImages(xml, images);
            } else {
                SkipElement(xml);
            }
        }
    }
    CheckXml(xml);
    if (!video)
        throw FileError(
            QCoreApplication::translate("io::TellicoReader",
                                        "The file holds no video collection, only collections "
                                        "of other kinds (type %1).")
                .arg(otherKinds.join(QStringLiteral(", "))));
    std::vector<PeerMovie*> withCovers;
    for (ReadEntry& entry : entries)
        if (!entry.movie.cover.name.isEmpty())
            withCovers.push_back(&entry.movie);
    findCovers(withCovers, images, LooksLikeZip(bytes) ? bytes : QByteArray());
    PeerReading reading;
    for (ReadEntry& entry : entries) {
        if (const auto loan = loans.constFind(entry.id); loan != loans.constEnd()) {
            entry.movie.lentTo = loan->borrower;
            entry.movie.lentDate = loan->date;
        } else if (entry.loaned) {
            entry.movie.extras.append({QStringLiteral("Loaned"), QStringLiteral("yes")});
        }
        reading.add(entry.movie);
    }
    return reading;
}

}  // namespace io
