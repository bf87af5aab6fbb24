#pragma once

#include "db/LookupTable.h"
#include "ui/lists/NameList.h"

#include <QDialog>

class QListWidget;
class QPushButton;

namespace settings {
class Settings;
}
namespace db {
class Connection;
}

namespace ui {
class UserInterface;
}

namespace ui::lists {

struct ListMember;

// frmRatings, frmGenres, frmActors, frmMedias, frmLocations: every name of one list, with Add
// (cmdAdd, Insert), Edit (cmdEdit, double-click, Enter), Delete (cmdDelete, Delete) and Close.
// Run it modally through UserInterface::runModal.
class ListDialog : public QDialog, public NameListForm {
    Q_OBJECT
public:
    ListDialog(UserInterface& ui, db::Connection& connection, settings::Settings& settings,
               db::LookupTable table, QWidget* parent = nullptr);

    // Refills lstData from the catalogue and selects the first name.
    void PopulateLstData() override;

    void Add();
    void Edit();
    void Delete();

    QListWidget& lstData() const { return *lstData_; }

private:
    void deleteUnlessInUse(const QString& name);

    UserInterface& ui_;
    db::Connection& connection_;
    settings::Settings& settings_;
    const ListMember& member_;
    QListWidget* lstData_ = nullptr;
    QPushButton* cmdAdd_ = nullptr;
    QPushButton* cmdEdit_ = nullptr;
    QPushButton* cmdDelete_ = nullptr;
    QPushButton* cmdClose_ = nullptr;
};

}  // namespace ui::lists
