#include "ui/main/MovieListModel.h"

#include <algorithm>
#include <numeric>

namespace ui {

namespace {

const std::array<const char*, MovieListModel::ColumnCount> Headers = {
    "Movie #", "Title", "Genre", "Location", "Label #", "Min.", "Year", "Stars"};
const std::array<double, MovieListModel::ColumnCount> Shares = {0,    0.22, 0.19, 0.19,
                                                                0.13, 0.08, 0.08, 0.08};

// Zero-padded like the pattern "00000" or "000": at least that many digits.
QString padded(int value, int digits) {
    const QString number =
        QStringLiteral("%1").arg(qAbs(qint64(value)), digits, 10, QLatin1Char('0'));
    return value < 0 ? QLatin1Char('-') + number : number;
}

}  // namespace

MovieListModel::MovieListModel(QObject* parent) : QAbstractTableModel(parent) {}

QString MovieListModel::cellText(const db::MovieListRow& movie, int column) {
    switch (column) {
        case MovieNumber:
            return padded(movie.movieId, 5);
        case Title:
            return movie.title;
        case Genre:
            return movie.genres;
        case Location:
            return movie.location;
        case Label:
            return movie.labelNumber;
        case Minutes:
            return padded(movie.minutes, 3);
        case Year:
            return QString::number(movie.releaseYear);
        case Stars:
            return QString::number(movie.stars);
        default:
            return QString();
    }
}

double MovieListModel::widthShare(int column) {
    return Shares[size_t(column)];
}

void MovieListModel::setRows(std::vector<db::MovieListRow> rows, int column, Qt::SortOrder order) {
    beginResetModel();
    rows_ = std::move(rows);
    sortColumn_ = (column >= 0 && column < ColumnCount) ? column : int(MovieNumber);
    sortOrder_ = order;
    titleKeys_.resize(rows_.size());
    for (size_t row = 0; row < rows_.size(); ++row)
        titleKeys_[row] = rows_[row].title.toCaseFolded();
    sortRows();
    endResetModel();
}

int MovieListModel::rowOfMovie(int movieId) const {
    for (size_t row = 0; row < rows_.size(); ++row)
        if (rows_[row].movieId == movieId)
            return int(row);
    return -1;
}

void MovieListModel::updateMovie(const db::MovieListRow& movie) {
    const int row = rowOfMovie(movie.movieId);
    if (row < 0)
        return;
    rows_[size_t(row)] = movie;
    titleKeys_[size_t(row)] = movie.title.toCaseFolded();
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1), {Qt::DisplayRole});
}

int MovieListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int MovieListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant MovieListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    return cellText(rows_[size_t(index.row())], index.column());
}

QVariant MovieListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ColumnCount)
        return {};
    return QString::fromLatin1(Headers[size_t(section)]);
}

void MovieListModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= ColumnCount)
        column = MovieNumber;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<int> movieIds;
    movieIds.reserve(size_t(before.size()));
    for (const QModelIndex& index : before)
        movieIds.push_back(rows_[size_t(index.row())].movieId);

    sortColumn_ = column;
    sortOrder_ = order;
    sortRows();

    QHash<int, int> rowOf;
    rowOf.reserve(qsizetype(rows_.size()));
    for (size_t row = 0; row < rows_.size(); ++row)
        rowOf.insert(rows_[row].movieId, int(row));
    QModelIndexList after;
    for (qsizetype i = 0; i < before.size(); ++i)
        after.append(index(rowOf.value(movieIds[size_t(i)]), before[i].column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void MovieListModel::sortRows() {
    // Case-folded keys once per row, so that the comparisons are plain and fast. Ties keep title
    // order, then movie number order, so the list never shuffles between refills.
    const size_t count = rows_.size();
    std::vector<QString> columnKeys;
    if (sortColumn_ != Title) {
        columnKeys.resize(count);
        for (size_t row = 0; row < count; ++row)
            columnKeys[row] = cellText(rows_[row], sortColumn_).toCaseFolded();
    }
    const std::vector<QString>& keys = sortColumn_ == Title ? titleKeys_ : columnKeys;
    std::vector<size_t> order(count);
    std::iota(order.begin(), order.end(), size_t(0));
    const bool descending = sortOrder_ == Qt::DescendingOrder;
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        if (const int byKey = keys[a].compare(keys[b]); byKey != 0)
            return descending ? byKey > 0 : byKey < 0;
        if (const int byTitle = titleKeys_[a].compare(titleKeys_[b]); byTitle != 0)
            return byTitle < 0;
        return rows_[a].movieId < rows_[b].movieId;
    });
    std::vector<db::MovieListRow> sortedRows(count);
    std::vector<QString> sortedTitles(count);
    for (size_t row = 0; row < count; ++row) {
        sortedRows[row] = std::move(rows_[order[row]]);
        sortedTitles[row] = std::move(titleKeys_[order[row]]);
    }
    rows_ = std::move(sortedRows);
    titleKeys_ = std::move(sortedTitles);
}

}  // namespace ui
