#include "app/Settings.h"
#include "app/Startup.h"
#include "app/TerminationSignals.h"
#include "db/Catalogue.h"
#include "ui/common/LongWork.h"
#include "ui/common/UserInterface.h"
#include "ui/main/MainWindow.h"

#include <QApplication>
#include <QTimer>
#include <functional>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The catalogue folder and the settings are named after the application "KIB".
    QCoreApplication::setApplicationName(QStringLiteral("KIB"));
    app::TerminationSignals termination;

    ui::QtUserInterface ui;
    app::Settings settings;
    db::Catalogue catalogue(app::CatalogueFolder());
    app::StartupResult started = app::Main(ui, settings, catalogue);
    if (!started.window)
        return started.exitStatus;

    ui::MainWindow& window = *started.window;
    std::function<void()> end = [&] {
        if (ui::LongWork::running()) {  // an import or a repair finishes first
            QTimer::singleShot(100, &window, end);
            return;
        }
        window.unload();
        QCoreApplication::quit();
    };
    if (termination.wasRequested()) {
        window.unload();
        return 0;
    }
    QObject::connect(&termination, &app::TerminationSignals::requested, &window, end);
    return application.exec();
}
