#pragma once

#include <QHash>
#include <QString>
#include <QStringView>
#include <initializer_list>
#include <vector>

namespace db {

// One movie as the main list shows it.
struct MovieListRow {
    int movieId = 0;
    QString title;
    QString genres;    // genre names text, "(none)" when the movie has none; shared by movies
    QString location;  // with the same genres, as the location's name is
    QString labelNumber;
    int minutes = 0;
    int releaseYear = 0;
    double stars = 0;
};

// The rows of the main list, held compactly: a list may hold a million movies. Titles and labels
// are kept one after another in one block of text; the genre and location texts, which many
// movies share, once each, the movies holding their numbers.
class MovieListRows {
public:
    MovieListRows() = default;
    MovieListRows(std::initializer_list<MovieListRow> rows);
    MovieListRows(const std::vector<MovieListRow>& rows);

    size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    void reserve(size_t count);

    // A movie with the title and label decoded from UTF-8, at the location whose text has that
    // number (sharedText); until its genres are set, they read as the location.
    void append(int movieId, QByteArrayView titleUtf8, QByteArrayView labelUtf8, int location,
                int minutes, int releaseYear, double stars);
    void append(const MovieListRow& row);
    // The number of a shared text: the same for each copy of one QString.
    int sharedText(const QString& text);
    void setGenres(size_t index, const QString& genres);
    void setGenres(size_t index, int sharedText) { entries_[index].genres = quint32(sharedText); }
    // Rewrites a movie in place; its old texts stay in the block until the rows are made anew.
    void replace(size_t index, const MovieListRow& row);
    // Puts them in movie number order; the end of reading also gives back what was reserved
    // beyond need.
    void finish();

    MovieListRow row(size_t index) const;
    MovieListRow operator[](size_t index) const { return row(index); }
    int movieId(size_t index) const { return entries_[index].movieId; }
    // Views into the block: valid while the rows are unchanged.
    QStringView title(size_t index) const;
    QStringView labelNumber(size_t index) const;
    const QString& genres(size_t index) const { return shared_[entries_[index].genres]; }
    const QString& location(size_t index) const { return shared_[entries_[index].location]; }
    int genresNumber(size_t index) const { return int(entries_[index].genres); }
    int locationNumber(size_t index) const { return int(entries_[index].location); }
    int minutes(size_t index) const { return entries_[index].minutes; }
    int releaseYear(size_t index) const { return entries_[index].releaseYear; }
    double stars(size_t index) const { return entries_[index].stars; }
    // The index of the movie when the rows are in movie number order, or -1.
    qsizetype indexOf(int movieId) const;

    class const_iterator {
    public:
        const_iterator(const MovieListRows* rows, size_t index) : rows_(rows), index_(index) {}
        MovieListRow operator*() const { return rows_->row(index_); }
        const_iterator& operator++() {
            ++index_;
            return *this;
        }
        bool operator!=(const const_iterator& other) const { return index_ != other.index_; }

    private:
        const MovieListRows* rows_;
        size_t index_;
    };
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

private:
    struct Entry {
        int movieId;
        int minutes;
        int releaseYear;
        quint32 genres;
        quint32 location;
        quint32 titleLength;
        qsizetype textStart;  // the title, the label right after it
        quint32 labelLength;
        double stars;
    };
    qsizetype appendText(QByteArrayView utf8);
    qsizetype appendText(QStringView text);

    std::vector<Entry> entries_;
    QString texts_;
    std::vector<QString> shared_;
    QHash<const QChar*, int> sharedByData_;
};

}  // namespace db
