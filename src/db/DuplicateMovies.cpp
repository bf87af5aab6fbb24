#include "db/DuplicateMovies.h"

#include "db/Connection.h"
#include "db/DatabaseError.h"
#include "db/ReadingOrder.h"
#include "db/Transaction.h"

#include <QCollator>
#include <QCoreApplication>
#include <QHash>
#include <algorithm>
#include <vector>

namespace db {

namespace {

// Each article as it begins a title ("the ") and as it ends one moved behind a comma.
struct Article {
    QString word;
    bool english;
    QString leading;
    QString trailing;
    QString trailingWithoutBlank;
};

const std::vector<Article>& Articles() {
    static const std::vector<Article> articles = [] {
        std::vector<Article> made;
        auto add = [&made](const char* word, bool english) {
            const QString article = QString::fromLatin1(word);
            made.push_back(
                {article, english, article + u' ', QStringLiteral(", ") + article, u',' + article});
        };
        for (const char* word : {"the", "a", "an"})
            add(word, true);
        for (const char* word : {"der", "die", "das", "le", "la", "les", "el"})
            add(word, false);
        return made;
    }();
    return articles;
}

bool isAscii(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 128; });
}

// Case and accents folded: "Amélie" and "AMELIE" become "amelie".
QString folded(const QString& title) {
    const QString caseFolded = title.toCaseFolded();
    if (isAscii(caseFolded))  // nothing to decompose: most titles
        return caseFolded.simplified();
    const QString decomposed = caseFolded.normalized(QString::NormalizationForm_KD);
    QString result;
    result.reserve(decomposed.size());
    for (const QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing)
            result.append(c);
    return result.simplified();
}

// The titles of a collection are mostly English: its articles are left out wherever they stand.
// Another language's article counts only where the title marks it as one by moving it behind a
// comma ("Boot, Das"); it is put back in front, so that "Das Boot" matches it while "Die Another
// Day" keeps its "Die" and does not match "Another Day".
QString withoutArticle(const QString& title) {
    for (const Article& article : Articles()) {
        if (article.english && title.startsWith(article.leading) &&
            title.size() > article.leading.size())
            return title.mid(article.leading.size());
        if (title.endsWith(article.trailing) || title.endsWith(article.trailingWithoutBlank)) {
            const QString rest = title.left(title.lastIndexOf(u','));
            return article.english ? rest : article.word + u' ' + rest;
        }
    }
    return title;
}

const QString TitlesAndIds = QStringLiteral("SELECT [MovieId], [Title] FROM [Movie]");

// The other movie's links that the kept one lacks move over in their order; the rest go.
void moveLinks(Connection& connection, const QString& table, const QString& column, int keptId,
               int otherId) {
    connection.execute(
        QStringLiteral("INSERT INTO [%1] ([MovieId], [%2]) "
                       "SELECT ?, o.[%2] FROM [%1] o WHERE o.[MovieId] = ? "
                       "AND o.[%2] NOT IN (SELECT [%2] FROM [%1] WHERE [MovieId] = ?) "
                       "GROUP BY o.[%2] ORDER BY MIN(o.rowid)")
            .arg(table, column),
        {keptId, otherId, keptId});
    connection.execute(QStringLiteral("DELETE FROM [%1] WHERE [MovieId] = ?").arg(table),
                       {otherId});
}

}  // namespace

QString TitleMatchKey(const QString& title) {
    const QString words = withoutArticle(folded(title));
    QString key;
    key.reserve(words.size());
    for (const QChar c : words)
        if (c.isLetterOrNumber())
            key.append(c);
    return key;
}

std::vector<DuplicateGroup> FindDuplicateMovies(Connection& connection) {
    QHash<QString, DuplicateGroup> byKey;
    connection.scan(TitlesAndIds, {}, [&](const ScannedRow& row) {
        const QString title = row.text(1);
        // A title of no letter or digit ("?", "!!!") has nothing to match on.
        const QString key = TitleMatchKey(title);
        if (!key.isEmpty())
            byKey[key].push_back({row.integer(0), title});
    });
    // Groups in the reading order of their keys, the titles in each in reading order; equal
    // titles in movie number order.
    const QCollator& reading = ReadingCollator();
    std::vector<std::pair<QString, DuplicateGroup>> found;
    for (auto each = byKey.begin(); each != byKey.end(); ++each)
        if (each.value().size() > 1)
            found.emplace_back(each.key(), std::move(each.value()));
    std::sort(found.begin(), found.end(), [&](const auto& a, const auto& b) {
        const int byKey = reading.compare(a.first, b.first);
        return byKey != 0 ? byKey < 0 : a.first < b.first;
    });
    std::vector<DuplicateGroup> groups;
    for (auto& [key, group] : found) {
        std::stable_sort(group.begin(), group.end(), [&](const auto& a, const auto& b) {
            return reading.compare(a.title, b.title) < 0;
        });
        groups.push_back(std::move(group));
    }
    return groups;
}

void MergeMovies(Connection& connection, int keptId, int otherId) {
    if (keptId == otherId)
        throw Error(QCoreApplication::translate("db::DuplicateMovies",
                                                "A movie cannot be merged into itself."));
    Transaction transaction(connection);
    const QString exists = QStringLiteral("SELECT COUNT(*) FROM [Movie] WHERE [MovieId] IN (?, ?)");
    if (connection.scalar(exists, {keptId, otherId}).toInt() != 2)
        throw Error(QCoreApplication::translate("db::DuplicateMovies",
                                                "One of the two movies no longer exists."));
    moveLinks(connection, QStringLiteral("MovieGenre"), QStringLiteral("GenreId"), keptId, otherId);
    moveLinks(connection, QStringLiteral("MovieActor"), QStringLiteral("ActorId"), keptId, otherId);
    // The kept movie takes the other's picture when it has none; otherwise the other's goes
    // with its movie.
    if (connection.hasTable(QStringLiteral("MoviePicture")))
        connection.execute(QStringLiteral("UPDATE OR IGNORE [MoviePicture] SET [MovieId] = ? "
                                          "WHERE [MovieId] = ?"),
                           {keptId, otherId});
    connection.execute(QStringLiteral("DELETE FROM [Movie] WHERE [MovieId] = ?"), {otherId});
}

}  // namespace db
