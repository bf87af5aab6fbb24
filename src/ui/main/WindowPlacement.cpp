#include "ui/main/WindowPlacement.h"

#include "settings/Settings.h"
#include "ui/common/ScreenFit.h"

#include <QHeaderView>
#include <QWidget>

namespace ui {

namespace {

const QString GeometryKey = QStringLiteral("frmWizard.Geometry");
const QString HeaderKey = QStringLiteral("frmWizard.ListHeader");
constexpr int TwipsPerPixel = 15;
// The first start's size, where the screen has room for it.
constexpr QSize DefaultSize(1280, 760);

QByteArray stored(const settings::Settings& settings, const QString& key) {
    return QByteArray::fromBase64(settings.value(key, QString()).toLatin1());
}

// The placement keys in twips, as the window's frame; nothing when any is missing or no number.
std::optional<QRect> twipsPlacement(const settings::Settings& settings) {
    int values[4] = {};
    const char* const keys[] = {".Left", ".Top", ".Width", ".Height"};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        const float twips =
            settings.value(QStringLiteral("frmWizard") + QLatin1String(keys[i]), QString())
                .toFloat(&ok);
        if (!ok)
            return std::nullopt;
        values[i] = qRound(twips / TwipsPerPixel);
    }
    if (values[2] <= 0 || values[3] <= 0)
        return std::nullopt;
    return QRect(values[0], values[1], values[2], values[3]);
}

}  // namespace

void RestoreWindowPlacement(const settings::Settings& settings, QWidget& window) {
    if (window.restoreGeometry(stored(settings, GeometryKey))) {
        if (!window.isMaximized() && !window.isFullScreen())
            KeepOnScreen(window);
        return;
    }
    if (const std::optional<QRect> frame = twipsPlacement(settings)) {
        // The keys hold the frame: its corner is the window's position, its size the frame's.
        window.resize(frame->size() - (window.frameGeometry().size() - window.size()));
        window.move(frame->topLeft());
        KeepOnScreen(window);
        if (settings.value(QStringLiteral("frmWizard.WindowState"), QString()) == u'2')
            window.setWindowState(window.windowState() | Qt::WindowMaximized);
        return;
    }
    // Where it goes is left to the window manager.
    window.resize(DefaultSize.boundedTo(AvailableGeometry(window).size() * 9 / 10));
}

void SaveWindowPlacement(settings::Settings& settings, const QWidget& window) {
    settings.setValue(GeometryKey, QString::fromLatin1(window.saveGeometry().toBase64()));
}

bool RestoreListHeader(const settings::Settings& settings, QHeaderView& header) {
    const QByteArray state = stored(settings, HeaderKey);
    return !state.isEmpty() && header.restoreState(state);
}

void SaveListHeader(settings::Settings& settings, const QHeaderView& header) {
    settings.setValue(HeaderKey, QString::fromLatin1(header.saveState().toBase64()));
}

}  // namespace ui
