#pragma once

#include "db/LookupTable.h"
#include "ui/lists/NameList.h"

#include <QDialog>
#include <optional>
#include <vector>

class QPushButton;
class QTreeView;

namespace settings {
class Settings;
}
namespace db {
class Catalogue;
class Connection;
}  // namespace db

namespace ui {
class UserInterface;
}

namespace ui::lists {

struct ListEntry;
struct ListMember;
class ListEntryModel;

// frmRatings, frmGenres, frmActors, frmMedias, frmLocations: every name of one list beside the
// number of movies that use it (lstData, sorted by a click on either header), with Add (cmdAdd,
// Insert), Edit (cmdEdit, double-click, Enter), Delete (cmdDelete, Delete), Merge into
// (cmdMerge) and Close. Edit and Delete act on the current entry; Merge on all that are
// selected. Run it modally through UserInterface::runModal.
class ListDialog : public QDialog, public NameListForm {
    Q_OBJECT
public:
    ListDialog(UserInterface& ui, db::Catalogue& catalogue, settings::Settings& settings,
               db::LookupTable table, QWidget* parent = nullptr);

    // Refills lstData from the catalogue and selects the first name.
    void PopulateLstData() override;

    void Add();
    void Edit();
    void Delete();
    void Merge();

    QTreeView& lstData() const { return *lstData_; }

private:
    db::Connection& connection();
    void deleteUnlessInUse(const QString& name);
    // The entry Edit and Delete act on: the current one, else the first selected.
    std::optional<QString> currentName() const;
    std::vector<ListEntry> selectedEntries() const;

    UserInterface& ui_;
    db::Catalogue& catalogue_;
    settings::Settings& settings_;
    const ListMember& member_;
    ListEntryModel* model_ = nullptr;
    QTreeView* lstData_ = nullptr;
    QPushButton* cmdAdd_ = nullptr;
    QPushButton* cmdEdit_ = nullptr;
    QPushButton* cmdDelete_ = nullptr;
    QPushButton* cmdMerge_ = nullptr;
    QPushButton* cmdClose_ = nullptr;
};

}  // namespace ui::lists
