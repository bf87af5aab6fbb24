#pragma once

#include "ui/lists/NameList.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
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

class CastList;

// frmSelectActor: adds an actor to the cast of the shown movie, choosing from every actor or
// adding a new one on the way. Writes only the cast list; the movie's save stores it.
class SelectActorDialog : public QDialog, public NameListForm {
    Q_OBJECT
public:
    SelectActorDialog(UserInterface& ui, db::Connection& connection, settings::Settings& settings,
                      CastList& cast, QWidget* parent = nullptr);

    void PopulateLstData() override;

    // cmdSelect or a double-click: adds the chosen actor and closes; with none chosen, nothing.
    void Select();
    // cmdAdd or Insert: frmActor adds a new actor, who then joins the cast. A cancelled or
    // refused add leaves the picker open.
    void AddNewActor();

    QListWidget& lstData() const { return *lstData_; }

private:
    void addAndClose(const QString& name);
    // Shows only the actors whose names hold the filter's text, letter case and accents aside.
    void applyFilter();
    // The name that exists already: use it, or go back to the list with it selected.
    void offerExisting(const QString& typed);
    QListWidgetItem* entryNamed(const QString& name) const;

    UserInterface& ui_;
    db::Connection& connection_;
    settings::Settings& settings_;
    CastList& cast_;
    QLineEdit* txtFilter_ = nullptr;
    QListWidget* lstData_ = nullptr;
    QPushButton* cmdSelect_ = nullptr;
    QPushButton* cmdAdd_ = nullptr;
    QPushButton* cmdClose_ = nullptr;
};

}  // namespace ui::lists
