#include "app/CommandLine.h"
#include "app/Commands.h"
#include "app/QtOptions.h"
#include "app/Startup.h"
#include "app/TerminationSignals.h"
#include "app/Translations.h"
#include "db/Catalogue.h"
#include "settings/Settings.h"
#include "ui/common/LongWork.h"
#include "ui/common/UserInterface.h"
#include "ui/main/MainWindow.h"
#include "ui/shell/AboutDialog.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

QStringList argumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// The help and what is wrong with the command line, in the user's language: the translations
// need an application object, which the first reading had none of.
int answerWithoutCommand(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    app::InstallTranslations(application);
    const app::Invocation worded = app::ParseCommandLine(argumentsOf(argc, argv));
    if (worded.kind == app::Invocation::Kind::Help) {
        std::fputs(qPrintable(worded.message), stdout);
        return app::ExitOk;
    }
    std::fprintf(stderr, "%s\n", qPrintable(worded.message));
    return app::ExitBadUsage;
}

// The commands need no display: they draw reports on the offscreen platform.
int runWithoutWindow(int argc, char* argv[], const app::Invocation& invocation) {
    switch (invocation.kind) {
        case app::Invocation::Kind::Help:
        case app::Invocation::Kind::BadUsage:
            return answerWithoutCommand(argc, argv);
        case app::Invocation::Kind::Version:
            std::puts(qPrintable(ui::VersionText(TALLOWMERE_VERSION_MAJOR, TALLOWMERE_VERSION_MINOR,
                                                 TALLOWMERE_VERSION_PATCH)));
            return app::ExitOk;
        default:
            break;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's options are for the window; a "-platform xcb" must not make a command need a display.
    const QList<int> qtOwn = app::QtOptionPositions(argumentsOf(argc, argv));
    std::vector<char*> commandArgv;
    for (int i = 0; i < argc; ++i)
        if (!qtOwn.contains(i))
            commandArgv.push_back(argv[i]);
    int commandArgc = int(commandArgv.size());
    commandArgv.push_back(nullptr);
    QGuiApplication application(commandArgc, commandArgv.data());
    QCoreApplication::setApplicationName(QStringLiteral("KIB"));
    app::InstallTranslations(application);
    return app::RunCommand(invocation);
}

}  // namespace

int main(int argc, char* argv[]) {
    const app::Invocation invocation = app::ParseCommandLine(argumentsOf(argc, argv));
    if (invocation.kind != app::Invocation::Kind::Window)
        return runWithoutWindow(argc, argv, invocation);

    QApplication application(argc, argv);
    // The catalogue folder and the settings are named after the application "KIB".
    QCoreApplication::setApplicationName(QStringLiteral("KIB"));
    app::InstallTranslations(application);

    // A signal ends every event loop, those of dialogs and message boxes included, in any state
    // (the start-up error box too); the shown movie is saved once they have all returned. Long
    // work is let finish first; an import stops at its next line and keeps what it read.
    app::TerminationSignals termination;
    std::function<void()> endWhenIdle = [&] {
        if (ui::LongWork::running()) {
            ui::LongWork::requestStop();
            QTimer::singleShot(100, &termination, endWhenIdle);
            return;
        }
        QCoreApplication::exit(0);
    };
    QObject::connect(&termination, &app::TerminationSignals::requested, &termination,
                     [&] { endWhenIdle(); });

    ui::QtUserInterface ui;
    settings::Settings settings;
    db::Catalogue catalogue(app::CatalogueFolder());
    app::StartupResult started = app::Main(ui, settings, catalogue, invocation.catalogue);
    if (!started.window)
        return started.exitStatus;

    ui::MainWindow& window = *started.window;
    const int status = termination.wasRequested() ? 0 : application.exec();
    if (termination.wasRequested())
        window.endOnSignal();
    return status;
}
