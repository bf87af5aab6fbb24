#pragma once

#include <QObject>

namespace ui {

// Whether the Esc key being handled has closed a popup already. A combo's drop-down list closes
// when Esc is first offered to it as a shortcut, and the same key then goes on to the focused
// control and its window as if nothing had used it.
class EscapeKey : public QObject {
    Q_OBJECT
public:
    // Watches every key the application gets; owned by parent.
    explicit EscapeKey(QObject* parent);

    // Whether this Esc found a popup open, which it closed; the window then leaves it alone.
    bool closedAPopup() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool overrideSeen_ = false;
    bool popupWasOpen_ = false;
};

}  // namespace ui
