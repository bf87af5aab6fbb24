#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <utility>

class QLabel;
class QPushButton;
class QTreeView;

namespace db {
class Catalogue;
}

namespace ui {

class DuplicateMoviesModel;
class UserInterface;

// Tools > Find duplicate movies: the movies whose titles look alike, in groups (lstDuplicates).
// Show movie (cmdShow, a double-click) has the main window show the current one; Merge
// (cmdMerge) makes one movie of two of a group, after a backup.
class DuplicateMoviesDialog : public QDialog {
    Q_OBJECT
public:
    DuplicateMoviesDialog(UserInterface& ui, db::Catalogue& catalogue, QWidget* parent,
                          std::function<void(int movieId)> showMovie,
                          std::function<void()> populateLstMain);

    QTreeView& lstDuplicates() const { return *lstDuplicates_; }

private:
    // Looks for the groups on the worker and shows them; then runs then.
    void findDuplicates(std::function<void()> then = {});
    void showGroups();
    void showCurrentMovie();
    void mergeTwo();
    // The two rows to merge: the two selected of one group, or the group of two one selected
    // row belongs to.
    std::optional<std::pair<int, int>> rowsToMerge() const;

    UserInterface& ui_;
    db::Catalogue& catalogue_;
    std::function<void(int)> showMovie_;
    std::function<void()> populateLstMain_;
    DuplicateMoviesModel* model_;
    QTreeView* lstDuplicates_;
    QLabel* lblCount_;
    QPushButton* cmdShow_;
    QPushButton* cmdMerge_;
};

// Shows the duplicate finder modally.
void ShowDuplicateMoviesDialog(UserInterface& ui, db::Catalogue& catalogue, QWidget* parent,
                               std::function<void(int movieId)> showMovie,
                               std::function<void()> populateLstMain);

}  // namespace ui
