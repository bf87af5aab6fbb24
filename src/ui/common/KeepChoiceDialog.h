#pragma once

#include <QDialog>
#include <QStringList>
#include <optional>

class QListWidget;

namespace ui {

class UserInterface;

// Before a merge: which of the things being merged stays. The list shows them with the first
// chosen; Merge (cmdMerge) accepts, Cancel (cmdCancel) changes nothing.
class KeepChoiceDialog : public QDialog {
    Q_OBJECT
public:
    KeepChoiceDialog(const QString& caption, const QString& prompt, const QStringList& choices,
                     QWidget* parent);

    // The row of the chosen one; -1 when none is chosen.
    int chosenRow() const;

private:
    QListWidget* lstKeep_;
};

// Runs the dialog through ui: the row of the one that stays, or nothing when the user cancelled.
std::optional<int> ChooseWhatStays(UserInterface& ui, const QString& caption, const QString& prompt,
                                   const QStringList& choices, QWidget* parent);

}  // namespace ui
