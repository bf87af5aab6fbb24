#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <vector>

namespace db {
class Connection;
}

namespace ui {

// The filter line's index: for every movie of the catalogue, one text that holds all it is
// found by, folded (db::FindingFold), so that a keystroke compares bytes and never reads the
// catalogue. Built once from the catalogue, then kept current movie by movie as they are saved.
class MovieFilterIndex {
public:
    void build(db::Connection& connection);
    // A saved movie's texts read again; nothing while the index is not built.
    void update(db::Connection& connection, int movieId);
    void clear();
    bool isBuilt() const { return built_; }
    // What the index holds in memory, in bytes.
    size_t heldBytes() const;

    // The words of what was typed, folded; none when it holds only spaces.
    static std::vector<QByteArray> wordsOf(const QString& typed);
    // Which movies hold every word, somewhere in their texts: kept[movieId] is 1 for those.
    std::vector<char> matching(const std::vector<QByteArray>& words) const;

private:
    QByteArrayView textAt(size_t index) const;

    std::vector<int> movieIds_;  // ascending
    std::vector<qsizetype> ends_;
    QByteArray texts_;              // one after another, each ending where ends_ says
    QHash<int, QByteArray> saved_;  // movies saved since the build, by id
    bool built_ = false;
};

}  // namespace ui
