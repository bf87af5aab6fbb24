#include "ui/main/MovieListModel.h"

#include "ui/main/ListOrder.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <bit>
#include <numeric>

namespace ui {

namespace {

const std::array<const char*, MovieListModel::ColumnCount> Headers = {
    QT_TRANSLATE_NOOP("ui::MovieListModel", "Movie #"),
    QT_TRANSLATE_NOOP("ui::MovieListModel", "Title"),
    QT_TRANSLATE_NOOP("ui::MovieListModel", "Genre"),
    QT_TRANSLATE_NOOP("ui::MovieListModel", "Location"),
    QT_TRANSLATE_NOOP("ui::MovieListModel", "Label #"),
    QT_TRANSLATE_NOOP("ui::MovieListModel", "Min."),
    QT_TRANSLATE_NOOP("ui::MovieListModel", "Year"),
    QT_TRANSLATE_NOOP("ui::MovieListModel", "Stars")};
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

QString MovieListModel::cellText(size_t index, int column) const {
    switch (column) {
        case MovieNumber:
            return padded(rows_.movieId(index), 5);
        case Title:
            return rows_.title(index).toString();
        case Genre:
            return rows_.genres(index);
        case Location:
            return rows_.location(index);
        case Label:
            return rows_.labelNumber(index).toString();
        case Minutes:
            return padded(rows_.minutes(index), 3);
        case Year:
            return QString::number(rows_.releaseYear(index));
        case Stars:
            return QLocale().toString(rows_.stars(index));
        default:
            return QString();
    }
}

double MovieListModel::widthShare(int column) {
    return Shares[size_t(column)];
}

void MovieListModel::setRows(db::MovieListRows rows, int column, Qt::SortOrder order,
                             TitleOrder titles) {
    beginResetModel();
    rows_ = std::move(rows);
    // Held in movie number order, so that a movie is found by halving; shown through shown_.
    rows_.finish();
    sortColumn_ = (column >= 0 && column < ColumnCount) ? column : int(MovieNumber);
    sortOrder_ = order;
    kept_ = {};
    titles_ = titles.ranks.size() == rows_.size() ? std::move(titles) : OrderTitles(rows_);
    sortRows();
    endResetModel();
}

void MovieListModel::setFilter(std::vector<char> kept) {
    beginResetModel();
    kept_ = std::move(kept);
    showKept();
    endResetModel();
}

void MovieListModel::clear() {
    beginResetModel();
    rows_ = {};
    titles_ = {};
    sorted_ = {};
    shown_ = {};
    place_ = {};
    kept_ = {};
    endResetModel();
}

db::MovieListRow MovieListModel::movieAt(int row) const {
    return rows_.row(size_t(shown_[size_t(row)]));
}

int MovieListModel::rowOfMovie(int movieId) const {
    const qsizetype found = rows_.indexOf(movieId);
    return found < 0 ? -1 : place_[size_t(found)];
}

void MovieListModel::updateMovie(const db::MovieListRow& movie) {
    const qsizetype found = rows_.indexOf(movie.movieId);
    if (found < 0)
        return;
    rows_.replace(size_t(found), movie);
    const int row = place_[size_t(found)];
    if (row >= 0)
        emit dataChanged(index(row, 0), index(row, ColumnCount - 1), {Qt::DisplayRole});
}

int MovieListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(shown_.size());
}

int MovieListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant MovieListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    return cellText(size_t(shown_[size_t(index.row())]), index.column());
}

QVariant MovieListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ColumnCount)
        return {};
    return tr(Headers[size_t(section)]);
}

void MovieListModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= ColumnCount)
        column = MovieNumber;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<int> held;  // the rows of rows_ the persistent indexes point at
    held.reserve(size_t(before.size()));
    for (const QModelIndex& index : before)
        held.push_back(shown_[size_t(index.row())]);

    sortColumn_ = column;
    sortOrder_ = order;
    sortRows();

    QModelIndexList after;
    for (qsizetype i = 0; i < before.size(); ++i)
        after.append(index(place_[size_t(held[size_t(i)])], before[i].column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

TitleOrder MovieListModel::OrderTitles(const db::MovieListRows& rows) {
    // rows are in movie number order, so that equal titles keep it.
    const size_t count = rows.size();
    std::vector<size_t> order;
    TitleOrder titles;
    titles.ranks = ReadingRanks(
        count, [&](size_t row) { return rows.title(row); }, &order);
    titles.places.resize(count);
    for (size_t place = 0; place < count; ++place)
        titles.places[order[place]] = int(place);
    return titles;
}

std::vector<int> MovieListModel::columnRanks(int column) const {
    const size_t count = rows_.size();
    auto text = [&](size_t row) { return cellText(row, column); };
    switch (column) {
        case Title:
            return titles_.ranks;
        case Label: {
            // Nearly every label is different: all go in order at once.
            FoldedKeys keys;
            keys.reserve(count, qsizetype(count) * 8);
            for (size_t row = 0; row < count; ++row)
                keys.append(rows_.labelNumber(row));
            return DenseRanks(keys);
        }
        // Movies with the same genres or location share one text: told apart by where it is
        // held, each is put in order once.
        case Genre:
            return CellRanks<ReadingKeys>(
                count, [&](size_t row) { return rows_.genresNumber(row); }, text);
        case Location:
            return CellRanks<ReadingKeys>(
                count, [&](size_t row) { return rows_.locationNumber(row); }, text);
        // Numbers are told apart as numbers, and written out once for each different one.
        case MovieNumber:
            return CellRanks<FoldedKeys>(
                count, [&](size_t row) { return rows_.movieId(row); }, text);
        case Minutes:
            return CellRanks<FoldedKeys>(
                count, [&](size_t row) { return rows_.minutes(row); }, text);
        case Year:
            return CellRanks<FoldedKeys>(
                count, [&](size_t row) { return rows_.releaseYear(row); }, text);
        case Stars:
            return CellRanks<FoldedKeys>(
                count, [&](size_t row) { return std::bit_cast<quint64>(rows_.stars(row)); }, text);
    }
    return std::vector<int>(count, 0);
}

void MovieListModel::sortRows() {
    // Ranks once per row, so that the comparisons are of numbers. Ties keep title order, then
    // movie number order, so the list never shuffles between refills. The rows stay where they
    // are: only the order they are shown in is made.
    const size_t count = rows_.size();
    sorted_.resize(count);
    const bool descending = sortOrder_ == Qt::DescendingOrder;
    if (sortColumn_ == Title && !descending) {
        for (size_t row = 0; row < count; ++row)
            sorted_[size_t(titles_.places[row])] = int(row);
    } else {
        const std::vector<int> keys = columnRanks(sortColumn_);
        std::iota(sorted_.begin(), sorted_.end(), 0);
        std::sort(sorted_.begin(), sorted_.end(), [&](int a, int b) {
            if (keys[size_t(a)] != keys[size_t(b)])
                return descending ? keys[size_t(a)] > keys[size_t(b)]
                                  : keys[size_t(a)] < keys[size_t(b)];
            return titles_.places[size_t(a)] < titles_.places[size_t(b)];
        });
    }
    showKept();
}

void MovieListModel::showKept() {
    if (kept_.empty()) {
        shown_ = sorted_;
    } else {
        shown_.clear();
        for (int row : sorted_) {
            const auto movieId = size_t(rows_.movieId(size_t(row)));
            if (movieId < kept_.size() && kept_[movieId])
                shown_.push_back(row);
        }
    }
    place_.assign(rows_.size(), -1);
    for (size_t row = 0; row < shown_.size(); ++row)
        place_[size_t(shown_[row])] = int(row);
}

}  // namespace ui
