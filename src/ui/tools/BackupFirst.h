#pragma once

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace db {
class Catalogue;
}

namespace ui {

class UserInterface;

// Writes the backup that comes before destructive work (Start over, an import into a catalogue
// that has movies, a repair, a merge). Nothing: it failed, the user has been told why, and the
// work must not begin.
std::optional<QString> BackUpFirst(UserInterface& ui, db::Catalogue& catalogue, QWidget* parent);

// The sentence that names the backup in the message that ends the work.
QString BackupNote(const QString& backup);

// The same backup made on the worker, with the progress window; then runs on the window's
// thread with the backup's path. A failure is reported, and then does not run.
void BackUpThen(UserInterface& ui, db::Catalogue& catalogue, QWidget* parent,
                std::function<void(const QString& backup)> then);

}  // namespace ui
