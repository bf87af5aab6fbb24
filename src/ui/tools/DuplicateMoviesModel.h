#pragma once

#include "db/DuplicateMovies.h"

#include <QAbstractTableModel>
#include <vector>

namespace ui {

// The rows of the duplicate finder: one movie a row, the movies of a group together, in the
// order FindDuplicateMovies gives them.
class DuplicateMoviesModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Title, MovieNumber, Group, ColumnCount };

    struct Row {
        db::DuplicateMovie movie;
        int group;  // counted from 1
    };

    explicit DuplicateMoviesModel(QObject* parent = nullptr);

    void setGroups(const std::vector<db::DuplicateGroup>& groups);
    const Row& rowAt(int row) const { return rows_[size_t(row)]; }
    int groupCount() const { return groupCount_; }
    // The rows of one group, top to bottom.
    std::vector<int> rowsOfGroup(int group) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<Row> rows_;
    int groupCount_ = 0;
};

}  // namespace ui
