#include "ui/lists/ListEntryModel.h"

#include "ui/common/GroupedNumber.h"

#include <algorithm>

namespace ui::lists {

ListEntryModel::ListEntryModel(QObject* parent) : QAbstractTableModel(parent) {}

void ListEntryModel::setEntries(std::vector<ListEntry> entries) {
    beginResetModel();
    rows_.clear();
    rows_.reserve(entries.size());
    for (ListEntry& entry : entries)
        rows_.push_back({std::move(entry), int(rows_.size())});
    sortRows();
    endResetModel();
}

int ListEntryModel::rowOfEntry(int id) const {
    for (size_t row = 0; row < rows_.size(); ++row)
        if (rows_[row].entry.id == id)
            return int(row);
    return -1;
}

int ListEntryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int ListEntryModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ListEntryModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const ListEntry& entry = entryAt(index.row());
    if (role == Qt::DisplayRole)
        return index.column() == Name ? entry.name : GroupedNumber(entry.uses);
    if (role == Qt::TextAlignmentRole && index.column() == Uses)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant ListEntryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return section == Name ? tr("Name") : tr("Movies");
    if (role == Qt::TextAlignmentRole && section == Uses)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::InitialSortOrderRole)  // the most used first
        return section == Uses ? Qt::DescendingOrder : Qt::AscendingOrder;
    return {};
}

void ListEntryModel::sort(int column, Qt::SortOrder order) {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    // Rows are found again by their place in name order, which sorting never changes.
    const QModelIndexList before = persistentIndexList();
    std::vector<int> positions;
    positions.reserve(size_t(before.size()));
    for (const QModelIndex& index : before)
        positions.push_back(rows_[size_t(index.row())].namePosition);

    sortColumn_ = column == Uses ? Uses : Name;
    sortOrder_ = order;
    sortRows();

    std::vector<int> rowAt(rows_.size());
    for (size_t row = 0; row < rows_.size(); ++row)
        rowAt[size_t(rows_[row].namePosition)] = int(row);
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i)
        after.append(index(rowAt[size_t(positions[size_t(i)])], before[i].column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void ListEntryModel::sortRows() {
    const bool descending = sortOrder_ == Qt::DescendingOrder;
    const bool byUses = sortColumn_ == Uses;
    std::sort(rows_.begin(), rows_.end(), [&](const Row& a, const Row& b) {
        if (byUses && a.entry.uses != b.entry.uses)
            return descending ? a.entry.uses > b.entry.uses : a.entry.uses < b.entry.uses;
        // Equal counts keep name order; name order itself turns round when descending.
        if (!byUses && descending)
            return a.namePosition > b.namePosition;
        return a.namePosition < b.namePosition;
    });
}

}  // namespace ui::lists
