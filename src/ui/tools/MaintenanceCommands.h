#pragma once

#include <functional>

class QWidget;

namespace db {
class Catalogue;
class ProgressReporter;
}  // namespace db

namespace ui {

class UserInterface;

// Tools > Repair data: asks first, checks every movie's media, rating and location with the
// progress window (Cancel stops after the current movie), refills the main list when anything
// was repaired, and reports what it found.
void RepairDataCommand(UserInterface& ui, db::Catalogue& catalogue, db::ProgressReporter& progress,
                       QWidget* parent, const std::function<void()>& populateLstMain);

// Setup > Delete Unused actors: asks first, then deletes every actor no cast names and says
// how many.
void DeleteUnusedActorsCommand(UserInterface& ui, db::Catalogue& catalogue, QWidget* parent);

}  // namespace ui
