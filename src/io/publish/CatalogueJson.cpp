#include "io/publish/CatalogueJson.h"

#include "db/Connection.h"
#include "db/Currency.h"
#include "db/StoredDate.h"
#include "io/MovieFileFormat.h"
#include "io/MovieLinks.h"

#include <QHash>
#include <algorithm>
#include <vector>

namespace io {

namespace {

// Every movie, also one whose media, rating or location is gone (that name is then empty).
const QString MoviesQuery = QStringLiteral(
    "SELECT m.[MovieId], m.[Title], m.[ReleaseYear], m.[Minutes], m.[Stars], mm.[Name], "
    "r.[Name], l.[Name], m.[LabelNumber], m.[Director], m.[Producer], m.[AcquireDate], "
    "m.[Cost], m.[LentTo], m.[LentDate], m.[Notes] "
    "FROM (([Movie] AS m LEFT JOIN [Location] AS l ON l.[LocationId] = m.[LocationId]) "
    "LEFT JOIN [Rating] AS r ON r.[RatingId] = m.[RatingId]) "
    "LEFT JOIN [Media] AS mm ON mm.[MediaId] = m.[MediaId] "
    "ORDER BY coalesce(m.[TitleKey], unicode_fold(m.[Title])), m.[MovieId]");

enum Column {
    MovieId,
    Title,
    Year,
    Minutes,
    Stars,
    MediaName,
    RatingName,
    LocationName,
    Label,
    Director,
    Producer,
    Acquired,
    Cost,
    LentTo,
    LentDate,
    Notes
};

// "yyyy-MM-dd" of a stored date, or empty for no date and for text that is none.
QString storedDay(const QString& stored) {
    const QDate day = db::DayFromStored(stored);
    return day.isValid() ? day.toString(Qt::ISODate) : QString();
}

// The names a kind of link refers to, numbered in the order the movies first use them, so that
// only used names are published and each once.
class LinkedNames {
public:
    LinkedNames(db::Connection& connection, MovieLinks::Kind kind) : links_(connection, kind) {}

    // The movie's links as a JSON array of indexes; a link to a name that is gone drops out.
    void appendIndexes(QByteArray& out, int movieId) {
        out += '[';
        bool first = true;
        links_.forEachName(movieId, [&](int nameId, const QString& name) {
            auto index = indexes_.constFind(nameId);
            if (index == indexes_.constEnd()) {
                index = indexes_.insert(nameId, int(used_.size()));
                used_.append(name);
            }
            if (!first)
                out += ',';
            out += QByteArray::number(*index);
            first = false;
        });
        out += ']';
    }

    void appendNames(QByteArray& out) const {
        out += '[';
        for (qsizetype i = 0; i < used_.size(); ++i) {
            if (i > 0)
                out += ',';
            AppendJsonString(out, used_[i]);
        }
        out += ']';
    }

private:
    MovieLinks links_;
    QHash<int, int> indexes_;  // name id to its place in used_
    QStringList used_;
};

void appendMovie(QByteArray& out, const db::ScannedRow& row, LinkedNames& genres,
                 LinkedNames& casts, const QHash<int, QString>& covers) {
    const int id = row.integer(MovieId);
    const auto text = [&](int column) {
        out += ',';
        AppendJsonString(out, row.text(column));
    };
    out += '[';
    out += QByteArray::number(id);
    text(Title);
    out += ',' + QByteArray::number(row.integer(Year));
    out += ',' + QByteArray::number(row.integer(Minutes));
    out += ',' + BareNumber(row.real(Stars)).toLatin1();
    out += ',';
    genres.appendIndexes(out, id);
    text(MediaName);
    text(RatingName);
    text(LocationName);
    text(Label);
    text(Director);
    text(Producer);
    out += ',';
    casts.appendIndexes(out, id);
    out += ',';
    AppendJsonString(out, storedDay(row.text(Acquired)));
    out += ',';
    AppendJsonString(out, db::Currency::fromDouble(row.real(Cost)).toPlainText());
    text(LentTo);
    out += ',';
    AppendJsonString(out, storedDay(row.text(LentDate)));
    text(Notes);
    out += ',';
    AppendJsonString(out, covers.value(id));
    out += ']';
}

}  // namespace

void AppendJsonString(QByteArray& out, QStringView text) {
    static const char Hex[] = "0123456789abcdef";
    out += '"';
    // Plain characters go over in runs; a lone surrogate becomes U+FFFD on the way.
    qsizetype runStart = 0;
    const auto flushRun = [&](qsizetype end) {
        if (end > runStart)
            out += text.mid(runStart, end - runStart).toUtf8();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        const bool quoted = u == u'"' || u == u'\\';
        const bool escaped =
            u < 0x20 || u == u'<' || u == u'>' || u == u'&' || u == 0x2028 || u == 0x2029;
        if (!quoted && !escaped)
            continue;
        flushRun(i);
        runStart = i + 1;
        if (quoted) {
            out += '\\';
            out += char(u);
        } else {
            out += "\\u";
            for (int shift = 12; shift >= 0; shift -= 4)
                out += Hex[(u >> shift) & 0xF];
        }
    }
    flushRun(text.size());
    out += '"';
}

CatalogueJson MakeCatalogueJson(db::Connection& connection, const QString& catalogueName,
                                const QDate& published, const QHash<int, QString>& covers) {
    LinkedNames genres(connection, MovieLinks::Kind::Genres);
    LinkedNames casts(connection, MovieLinks::Kind::Cast);
    CatalogueJson result;
    QByteArray movies;
    movies.reserve(1 << 20);
    connection.scan(MoviesQuery, {}, [&](const db::ScannedRow& row) {
        if (result.movies > 0)
            movies += ',';
        appendMovie(movies, row, genres, casts, covers);
        ++result.movies;
    });
    QByteArray& out = result.json;
    out.reserve(movies.size() + (1 << 16));
    out += "{\"name\":";
    AppendJsonString(out, catalogueName);
    out += ",\"published\":";
    AppendJsonString(out, published.toString(Qt::ISODate));
    out += ",\"genres\":";
    genres.appendNames(out);
    out += ",\"actors\":";
    casts.appendNames(out);
    out += ",\"movies\":[";
    out += movies;
    out += "]}";
    return result;
}

}  // namespace io
