#pragma once

#include <QHash>
#include <QObject>
#include <functional>

class QWidget;

namespace ui::lists {

// Gives a dialog its keys before its controls see them (Enter edits, Insert adds, Delete
// deletes in a list dialog), whichever control has the focus.
class KeyCommands : public QObject {
    Q_OBJECT
public:
    // Watches dialog and every control in it at the time of the call.
    explicit KeyCommands(QWidget& dialog);

    void bind(int key, std::function<void()> command);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QHash<int, std::function<void()>> commands_;
};

}  // namespace ui::lists
