#pragma once

#include "db/LookupTable.h"

#include <optional>
#include <vector>

class QWidget;

namespace db {
class Catalogue;
}

namespace ui {
class UserInterface;
}

namespace ui::lists {

struct ListEntry;

// Merge into…: the user picks which of the chosen entries stays; after a backup the others are
// merged into it and the user is told how many movies changed. Fewer than two entries are
// refused in words. The kept entry's id, or nothing when nothing was merged.
std::optional<int> MergeChosenEntries(UserInterface& ui, db::Catalogue& catalogue,
                                      db::LookupTable table, const std::vector<ListEntry>& chosen,
                                      QWidget* parent);

}  // namespace ui::lists
