#pragma once

#include "db/ActiveSearch.h"
#include "db/MovieList.h"

#include <functional>
#include <memory>

class QDialog;
class QLineEdit;
class QWidget;

namespace settings {
class Settings;
}
namespace db {
class Connection;
}

namespace ui {

class UserInterface;

// What a search dialog needs from its opener. The dialog reads the movies the new search
// lists, sets the active search and hands them to the opener to fill its list with.
struct SearchDialogContext {
    UserInterface& ui;
    settings::Settings& settings;
    db::Connection& connection;
    db::ActiveSearch& search;
    QWidget* parent = nullptr;  // the main window: the dialog centres on it and takes its icon
    std::function<void(db::MovieListRows rows)> populateLstMain;
    // Show the actor or location picker modally; the picker writes the chosen name into the
    // text box it is given. Without one the dialog's Lookup button is disabled.
    std::function<void(QLineEdit& txtSearch)> lookupActor;
    std::function<void(QLineEdit& txtSearch)> lookupLocation;
};

// The search dialog of one kind (frmSearchTitle ... frmSearchNotes), loaded and ready to show.
// Throws when its list cannot be read; SearchType::None has no dialog.
std::unique_ptr<QDialog> MakeSearchDialog(db::SearchType type, const SearchDialogContext& context);

// Loads the dialog of the kind and shows it modally. True when it set a new active search (and
// refilled the list); a dialog that could not be loaded is reported as an "Error".
bool ShowSearchDialog(db::SearchType type, const SearchDialogContext& context);

}  // namespace ui
