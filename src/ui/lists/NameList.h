#pragma once

#include <QStringList>
#include <optional>

class QListWidget;

namespace ui::lists {

// A dialog whose lstData shows the names of a list (PopulateLstData). The edit dialogs refresh
// the dialog that opened them through this, after every save.
class NameListForm {
public:
    virtual void PopulateLstData() = 0;

protected:
    ~NameListForm() = default;
};

// Fills lstData with the names in order and selects the first; an empty list selects nothing.
void ShowNames(QListWidget& lstData, const QStringList& names);
// The selected name, or nothing when no entry is selected.
std::optional<QString> SelectedName(const QListWidget& lstData);

}  // namespace ui::lists
