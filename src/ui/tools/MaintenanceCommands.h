#pragma once

#include <functional>

class QWidget;

namespace db {
class Catalogue;
}  // namespace db

namespace ui {

class UserInterface;

// Tools > Repair data: asks first, makes a backup and checks every movie's media, rating and
// location on the worker with the progress window (Cancel stops after the current movie), refills
// the main list when anything was repaired, and reports what it found.
void RepairDataCommand(UserInterface& ui, db::Catalogue& catalogue, QWidget* parent,
                       std::function<void()> populateLstMain);

// Setup > Delete Unused actors: asks first, then deletes every actor no cast names, on the
// worker, and says how many.
void DeleteUnusedActorsCommand(UserInterface& ui, db::Catalogue& catalogue, QWidget* parent);

}  // namespace ui
