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

    // A signal ends every event loop, those of dialogs and message boxes included, in any state
    // (the start-up error box too); the shown movie is saved once they have all returned. Long
    // work (an import, a repair) is let finish first.
    app::TerminationSignals termination;
    std::function<void()> endWhenIdle = [&] {
        if (ui::LongWork::running()) {
            QTimer::singleShot(100, &termination, endWhenIdle);
            return;
        }
        QCoreApplication::exit(0);
    };
    QObject::connect(&termination, &app::TerminationSignals::requested, &termination,
                     [&] { endWhenIdle(); });

    ui::QtUserInterface ui;
    app::Settings settings;
    db::Catalogue catalogue(app::CatalogueFolder());
    app::StartupResult started = app::Main(ui, settings, catalogue);
    if (!started.window)
        return started.exitStatus;

    ui::MainWindow& window = *started.window;
    const int status = termination.wasRequested() ? 0 : application.exec();
    if (termination.wasRequested())
        window.endOnSignal();
    return status;
}
