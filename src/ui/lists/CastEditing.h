#pragma once

#include <functional>

class QListWidget;
class QWidget;

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

// The cast buttons of the record view. Both edit only the cast list; the movie's save writes it.
// markChanged marks the shown movie as changed (AnyChanges, Save Changes enabled).

// Add Actor: marks the movie changed first, so that even a cancelled pick leaves it marked, then
// lets the user pick or add an actor in frmSelectActor.
void AddActor(UserInterface& ui, db::Connection& connection, settings::Settings& settings,
              CastList& cast, const std::function<void()>& markChanged, QWidget* parent);

// Remove Actor: marks the movie changed, then removes the selected cast entry; with none
// selected it says "Click on an actor to remove.".
void RemoveActor(UserInterface& ui, QListWidget& lstActors,
                 const std::function<void()>& markChanged, QWidget* parent);

}  // namespace ui::lists
