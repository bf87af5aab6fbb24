#pragma once

#include "db/MovieList.h"

#include <QAbstractTableModel>
#include <vector>

namespace ui {

// The rows of lstMain: eight columns of text, kept sorted by one column. Cells compare as text
// ignoring letter case, which is why the movie number and the running time are zero-padded.
class MovieListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { MovieNumber, Title, Genre, Location, Label, Minutes, Year, Stars, ColumnCount };

    explicit MovieListModel(QObject* parent = nullptr);

    // New rows, sorted by the column and order given.
    void setRows(std::vector<db::MovieListRow> rows, int column, Qt::SortOrder order);
    const db::MovieListRow& movieAt(int row) const { return rows_[size_t(row)]; }
    // The row of the movie, or -1 when it is not listed.
    int rowOfMovie(int movieId) const;
    // Rewrites one movie's cells in place, where it stands.
    void updateMovie(const db::MovieListRow& movie);

    static QString cellText(const db::MovieListRow& movie, int column);
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
    void sortRows();

    std::vector<db::MovieListRow> rows_;
    std::vector<QString> titleKeys_;  // each row's title, case-folded: the key and the tie-break
    int sortColumn_ = Title;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

}  // namespace ui
