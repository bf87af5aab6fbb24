#pragma once

#include <functional>

class QWidget;

namespace db {
class Catalogue;
}  // namespace db
namespace settings {
class Settings;
}

namespace ui {

class UserInterface;

// Tools > Import from another catalogue: asks for the file (a collection of the KDE collection
// manager, of GCstar, or a CSV file, whose columns the user maps), shows what the import would
// do, backs the catalogue up and imports on the worker with the progress window, whose Cancel
// stops it between two movies; refills the main list and says what came in and what did not.
void ImportFromPeerCommand(UserInterface& ui, settings::Settings& settings,
                           db::Catalogue& catalogue, QWidget* parent,
                           std::function<void()> populateLstMain);

}  // namespace ui
