#pragma once

#include <QString>
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

}  // namespace ui
