#pragma once

class QHeaderView;
class QWidget;

namespace settings {
class Settings;
}

namespace ui {

// The main window's place and size between runs, always wholly on the screen it opens on: the
// saved geometry, else the placement keys in twips that earlier versions wrote, else a size that
// fits the screen. Before the window is first shown.
void RestoreWindowPlacement(const settings::Settings& settings, QWidget& window);
// The geometry as the window system gives it back, beside the placement keys in twips.
void SaveWindowPlacement(settings::Settings& settings, const QWidget& window);

// The movie list's column widths and order, kept as one saved state.
bool RestoreListHeader(const settings::Settings& settings, QHeaderView& header);
void SaveListHeader(settings::Settings& settings, const QHeaderView& header);

}  // namespace ui
