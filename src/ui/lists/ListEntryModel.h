#pragma once

#include <QAbstractTableModel>
#include <vector>

namespace ui::lists {

// One entry of a list with the number of movies that use it.
struct ListEntry {
    int id = 0;
    QString name;
    int uses = 0;
};

// The rows of a list dialog's lstData: the name and how many movies use it, sorted by either.
// Name order is the catalogue's own, as the entries arrive; ties in the count keep it.
class ListEntryModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Name, Uses, ColumnCount };

    explicit ListEntryModel(QObject* parent = nullptr);

    // New entries, in name order; the sort chosen last still applies.
    void setEntries(std::vector<ListEntry> entries);
    const ListEntry& entryAt(int row) const { return rows_[size_t(row)].entry; }
    // The row of the entry, or -1 when it is not listed.
    int rowOfEntry(int id) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

private:
    struct Row {
        ListEntry entry;
        int namePosition;  // where the catalogue's name order puts it
    };
    void sortRows();

    std::vector<Row> rows_;
    int sortColumn_ = Name;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

}  // namespace ui::lists
