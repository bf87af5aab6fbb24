#pragma once

#include "db/LookupTable.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace settings {
class Settings;
}
namespace db {
class Connection;
}

namespace ui {
class FilmSitePicture;
class UserInterface;
}  // namespace ui

namespace ui::lists {

class NameListForm;
struct ListMember;

enum class EditMode { Add, Rename };

// frmRating, frmGenre, frmActor, frmMedia, frmLocation: adds one name to a list or renames one.
// The actor's dialog also links to the film web site for the name typed.
class EditDialog : public QDialog {
    Q_OBJECT
public:
    EditDialog(UserInterface& ui, db::Connection& connection, settings::Settings& settings,
               db::LookupTable table, QWidget* parent = nullptr);

    // What the opener sets before showing the dialog.
    EditMode Mode = EditMode::Add;
    QString OldName;                      // in rename mode: the name as the opener listed it
    NameListForm* CallingForm = nullptr;  // refreshed after every save; may be none

    // Prepares an add: empty name, the member's add caption.
    void openForAdd(NameListForm* caller);
    // Prepares renaming name: the name to change, the member's edit caption.
    void openForRename(const QString& name, NameListForm* caller);

    // After a save in add mode, the name exactly as typed (gNewActorName); empty otherwise.
    const QString& addedName() const { return addedName_; }
    // An add of a name that exists closes the dialog and leaves the name here, for an opener
    // that can offer the existing entry instead.
    void closeOnExistingName() { closeOnExistingName_ = true; }
    const QString& existingName() const { return existingName_; }

    QLineEdit& txtName() const { return *txtName_; }
    // The film-site picture; only the actor's dialog has one.
    FilmSitePicture* imgIMDb() const { return imgIMDb_; }

    void Save();

private:
    bool write(const QString& name);
    void searchFilmSite();

    UserInterface& ui_;
    db::Connection& connection_;
    settings::Settings& settings_;
    const ListMember& member_;
    QString addedName_;
    QString existingName_;
    bool closeOnExistingName_ = false;
    QLabel* lblName_ = nullptr;
    QLineEdit* txtName_ = nullptr;
    QPushButton* cmdSave_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
    FilmSitePicture* imgIMDb_ = nullptr;
};

}  // namespace ui::lists
