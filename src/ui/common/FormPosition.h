#pragma once

#include <QString>

class QWidget;

namespace settings {
class Settings;
}

namespace ui {

// Writes the window's placement in twips under prefix (the window's object name when empty);
// the size keys only while the window is neither minimised nor maximised.
void SaveFormPosition(settings::Settings& settings, const QWidget& window,
                      const QString& prefix = {});

}  // namespace ui
