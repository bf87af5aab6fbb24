#pragma once

#include <exception>
#include <functional>

class QWidget;

namespace ui {

class UserInterface;

// The "Error" message box for a command that failed, in words a user understands.
void ReportError(UserInterface& ui, QWidget* parent, const std::exception& error);

// Runs a command, reporting any failure; no exception crosses the event loop. Returns false
// when the command failed.
bool RunCommand(UserInterface& ui, QWidget* parent, const std::function<void()>& command);

}  // namespace ui
