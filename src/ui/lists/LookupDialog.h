#pragma once

#include "db/LookupTable.h"
#include "ui/lists/NameList.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace db {
class Connection;
}
namespace ui {
class UserInterface;
}

namespace ui::lists {

// frmLookupActor, frmLookupLocation: picks a name for a search dialog and writes it into that
// dialog's txtSearch. Cancel leaves the search text as it was.
class LookupDialog : public QDialog, public NameListForm {
    Q_OBJECT
public:
    // table is Actor ("Lookup Actor") or Location ("Lookup Location").
    LookupDialog(UserInterface& ui, db::Connection& connection, db::LookupTable table,
                 QLineEdit& txtSearch, QWidget* parent = nullptr);

    void PopulateLstData() override;
    // cmdSelect or a double-click; with nothing chosen, nothing happens.
    void Select();

    QListWidget& lstData() const { return *lstData_; }

private:
    UserInterface& ui_;
    db::Connection& connection_;
    db::LookupTable table_;
    QLineEdit& txtSearch_;
    QListWidget* lstData_ = nullptr;
    QPushButton* cmdSelect_ = nullptr;
    QPushButton* cmdClose_ = nullptr;
};

}  // namespace ui::lists
