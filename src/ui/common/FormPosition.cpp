#include "ui/common/FormPosition.h"

#include "settings/Settings.h"

#include <QWidget>

namespace ui {

namespace {

// The screen has 15 twips to a pixel at 96 dots per inch.
QString twips(int pixels) {
    return QString::number(static_cast<float>(pixels * 15));
}

}  // namespace

void SaveFormPosition(settings::Settings& settings, const QWidget& window, const QString& prefix) {
    const QString name = prefix.isEmpty() ? window.objectName() : prefix;
    const Qt::WindowStates state = window.windowState();
    int stateNumber = 0;
    if (state & Qt::WindowMinimized)
        stateNumber = 1;
    else if (state & Qt::WindowMaximized)
        stateNumber = 2;
    if (stateNumber == 0) {
        const QRect frame = window.frameGeometry();
        settings.setValue(name + QStringLiteral(".Top"), twips(frame.top()));
        settings.setValue(name + QStringLiteral(".Left"), twips(frame.left()));
        settings.setValue(name + QStringLiteral(".Height"), twips(frame.height()));
        settings.setValue(name + QStringLiteral(".Width"), twips(frame.width()));
    }
    settings.setValue(name + QStringLiteral(".WindowState"), QString::number(stateNumber));
}

}  // namespace ui
