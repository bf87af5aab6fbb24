#include "ui/tools/DuplicateMoviesModel.h"

namespace ui {

DuplicateMoviesModel::DuplicateMoviesModel(QObject* parent) : QAbstractTableModel(parent) {}

void DuplicateMoviesModel::setGroups(const std::vector<db::DuplicateGroup>& groups) {
    beginResetModel();
    rows_.clear();
    groupCount_ = int(groups.size());
    for (size_t group = 0; group < groups.size(); ++group)
        for (const db::DuplicateMovie& movie : groups[group])
            rows_.push_back({movie, int(group) + 1});
    endResetModel();
}

std::vector<int> DuplicateMoviesModel::rowsOfGroup(int group) const {
    std::vector<int> rows;
    for (size_t row = 0; row < rows_.size(); ++row)
        if (rows_[row].group == group)
            rows.push_back(int(row));
    return rows;
}

int DuplicateMoviesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int DuplicateMoviesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant DuplicateMoviesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const Row& row = rowAt(index.row());
    if (role == Qt::TextAlignmentRole && index.column() != Title)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
        case Title:
            return row.movie.title;
        case MovieNumber:
            return row.movie.movieId;
        default:
            return row.group;
    }
}

QVariant DuplicateMoviesModel::headerData(int section, Qt::Orientation orientation,
                                          int role) const {
    static const char* const Headers[ColumnCount] = {
        QT_TRANSLATE_NOOP("ui::DuplicateMoviesModel", "Title"),
        QT_TRANSLATE_NOOP("ui::DuplicateMoviesModel", "Movie #"),
        QT_TRANSLATE_NOOP("ui::DuplicateMoviesModel", "Group")};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ColumnCount)
        return {};
    return tr(Headers[section]);
}

}  // namespace ui
