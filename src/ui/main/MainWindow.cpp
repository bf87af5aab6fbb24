#include "ui/main/MainWindow.h"

#include "app/Settings.h"
#include "db/Catalogue.h"
#include "ui/common/UserInterface.h"
#include "ui/main/MainMenus.h"

#include <QCloseEvent>

namespace ui {

MainWindow::MainWindow(UserInterface& ui, app::Settings& settings, db::Catalogue& catalogue)
    : ui_(ui), settings_(settings), catalogue_(catalogue) {
    setObjectName(QStringLiteral("frmWizard"));
    menus_ = std::make_unique<MainMenus>(*this);
    resize(1100, 700);
}

MainWindow::~MainWindow() = default;

void MainWindow::load(const std::function<void(const QString&)>& splashStep) {
    if (splashStep)
        splashStep(QStringLiteral("Load movies"));
    setCatalogueTitle();
}

void MainWindow::setCatalogueTitle() {
    setWindowTitle(QStringLiteral("%1 (%2)").arg(QLatin1String(ProductTitle), catalogue_.name()));
}

void MainWindow::unload() {
    if (unloaded_)
        return;
    unloaded_ = true;
    try {
        app::SaveFormPosition(settings_, *this);
    } catch (...) {
    }
    catalogue_.close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    unload();
    event->accept();
}

}  // namespace ui
