#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <vector>

namespace db {
class Connection;
}

namespace ui {

// The filter line's index: every movie's own texts and the names it shares (actors, genres,
// storage location), folded (db::FindingFold), so that a keystroke compares bytes and never
// reads the catalogue. A name is held once and searched once, however many movies share it.
// Built once from the catalogue, then kept current movie by movie as they are saved.
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
    // Texts one after another, each ending where ends says.
    struct Texts {
        QByteArray bytes;
        std::vector<quint32> ends;
        void append(const QByteArray& text);
        QByteArrayView at(size_t index) const;
        size_t heldBytes() const;
    };

    Texts names_;
    Texts own_;                      // by movie, in movie number order
    std::vector<int> movieIds_;      // ascending
    std::vector<quint32> linkEnds_;  // by movie: where its names end in links_
    std::vector<quint32> links_;     // the numbers of the movies' names
    QHash<int, QByteArray> saved_;   // movies saved since the build, all their texts, by id
    bool built_ = false;
};

}  // namespace ui
