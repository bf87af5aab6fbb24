#pragma once

#include "db/MovieList.h"

#include <QAbstractTableModel>
#include <vector>

namespace ui {

// Where each movie's title stands, for rows in movie number order: its rank among the titles in
// reading order, equal ones sharing one; and its place in title order, equal titles in movie
// number order.
struct TitleOrder {
    std::vector<int> ranks;
    std::vector<int> places;
};

// The rows of lstMain: eight columns of text, kept sorted by one column. Cells compare as text
// ignoring letter case, which is why the movie number and the running time are zero-padded;
// rows with equal cells stay in title order.
class MovieListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { MovieNumber, Title, Genre, Location, Label, Minutes, Year, Stars, ColumnCount };

    explicit MovieListModel(QObject* parent = nullptr);

    // New rows, sorted by the column and order given, none of them filtered out. The order of
    // their titles is worked out unless it is given, made by OrderTitles of the same rows.
    void setRows(db::MovieListRows rows, int column, Qt::SortOrder order, TitleOrder titles = {});
    // Safe on any thread: it reads the rows only.
    static TitleOrder OrderTitles(const db::MovieListRows& rows);
    // Shows only the movies whose kept[movieId] is set, in the same order; an empty kept shows
    // them all. The rows themselves stay: the filter line narrows the list and widens it again
    // without reading anything.
    void setFilter(std::vector<char> kept);
    bool isFiltered() const { return !kept_.empty(); }
    // Every movie the list holds, shown or filtered out.
    int movieCount() const { return int(rows_.size()); }
    // No rows: what a refill does first, so that the old rows are gone before the new are read.
    void clear();
    db::MovieListRow movieAt(int row) const;
    // The row of the movie, or -1 when it is not listed or filtered out.
    int rowOfMovie(int movieId) const;
    // Rewrites one movie's cells in place, where it stands, shown or not. It keeps its place in
    // title order: a new title needs new rows.
    void updateMovie(const db::MovieListRow& movie);

    // The share of the list's width each column starts with.
    static double widthShare(int column);

    int sortColumn() const { return sortColumn_; }
    Qt::SortOrder sortOrder() const { return sortOrder_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

private:
    QString cellText(size_t index, int column) const;
    std::vector<int> columnRanks(int column) const;
    void sortRows();
    void showKept();

    db::MovieListRows rows_;  // in movie number order
    TitleOrder titles_;
    std::vector<int> sorted_;  // the index in rows_ of each movie, in the list's order
    std::vector<int> shown_;   // the same of each row of the list: those the filter keeps
    std::vector<int> place_;   // the row of the list each of rows_ is shown in, or -1
    std::vector<char> kept_;   // by movie number: what the filter keeps; empty keeps all
    int sortColumn_ = Title;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

}  // namespace ui
