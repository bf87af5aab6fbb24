#pragma once

#include <QString>

class QUrl;
class QWidget;

namespace ui {

class UserInterface;

// The README as a page of HTML; links and pictures are read from base, the README's folder.
QString UserGuideHtml(const QString& markdown, const QUrl& base);

// Help > User guide: writes the README, installed or in the source tree, as a local HTML page
// and opens it in the desktop's browser.
void ShowUserGuide(UserInterface& ui, QWidget* parent);

}  // namespace ui
