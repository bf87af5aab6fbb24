// The program as a user starts it: build/tallowmere on a real X server (Xvfb) over a copy of the
// generated catalogue, timed until its main window is mapped with the filled list, with the
// resident memory of the program then. TALLOWMERE_BENCH_PROGRAM names another build to time,
// an earlier one, on the same machine in the same run.

#include "BenchCatalogue.h"
#include "ProcessMemory.h"

#include <benchmark/benchmark.h>
#include <poll.h>
#include <xcb/xcb.h>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <cstdlib>

namespace {

QString display;

// Watches the X server for top-level windows being mapped.
class MapWatcher {
public:
    MapWatcher() : connection_(xcb_connect(qPrintable(display), nullptr)) {
        if (xcb_connection_has_error(connection_))
            return;
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection_);
    }
    ~MapWatcher() { xcb_disconnect(connection_); }
    bool usable() const { return !xcb_connection_has_error(connection_); }

    // Waits until a window whose name contains the text is mapped.
    bool waitForWindow(const QByteArray& name, int milliseconds) {
        QDeadlineTimer deadline(milliseconds);
        while (!deadline.hasExpired()) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
                const bool mapped = (event->response_type & 0x7F) == XCB_MAP_NOTIFY;
                const xcb_window_t window =
                    reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
                std::free(event);
                if (mapped && nameOf(window).contains(name))
                    return true;
            }
            pollfd ready{xcb_get_file_descriptor(connection_), POLLIN, 0};
            ::poll(&ready, 1, int(std::max<qint64>(1, deadline.remainingTime())));
        }
        return false;
    }

private:
    QByteArray nameOf(xcb_window_t window) {
        const xcb_get_property_cookie_t cookie = xcb_get_property(
            connection_, 0, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256);
        xcb_get_property_reply_t* reply = xcb_get_property_reply(connection_, cookie, nullptr);
        if (!reply)
            return {};
        const QByteArray name(static_cast<const char*>(xcb_get_property_value(reply)),
                              xcb_get_property_value_length(reply));
        std::free(reply);
        return name;
    }

    xcb_connection_t* connection_;
    xcb_window_t root_ = 0;
};

void BM_StartupToTheVisibleFilledWindow(benchmark::State& state) {
    QTemporaryDir home;
    QProcessEnvironment environment = bench::ProgramHomeWithSharedCatalogue(home);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("DISPLAY"), display);
    double resident = 0;
    for (auto _ : state) {
        MapWatcher watcher;
        if (!watcher.usable()) {
            state.SkipWithError("no X server");
            return;
        }
        QProcess program;
        program.setProcessEnvironment(environment);
        QElapsedTimer timer;
        timer.start();
        program.start(
            qEnvironmentVariable("TALLOWMERE_BENCH_PROGRAM", QStringLiteral(TALLOWMERE_PROGRAM)),
            {});
        const bool shown = watcher.waitForWindow("Tallowmere Movie Database (KIB)", 60000);
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        if (!shown) {
            state.SkipWithError("the main window never came");
            return;
        }
        QThread::msleep(500);  // painted and settled
        resident = std::max(
            resident, bench::StatusMegabytes("VmRSS", QByteArray::number(program.processId())));
        ::kill(pid_t(program.processId()), SIGTERM);
        program.waitForFinished(20000);
    }
    state.counters["rss_MB"] = resident;
    state.counters["movies"] = bench::BenchMovieCount();
}
BENCHMARK(BM_StartupToTheVisibleFilledWindow)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(5);

}  // namespace

// Starts an X server of its own for the run, unless one is given in TALLOWMERE_BENCH_DISPLAY;
// it must not reset when its last client leaves, as each program run does.
int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    // First, as --help ends the program here: no server is left behind.
    benchmark::Initialize(&argc, argv);
    QProcess server;
    display = qEnvironmentVariable("TALLOWMERE_BENCH_DISPLAY");
    if (display.isEmpty()) {
        const int number = 150 + int(QCoreApplication::applicationPid() % 100);
        display = QStringLiteral(":%1").arg(number);
        server.start(QStringLiteral("Xvfb"),
                     {display, QStringLiteral("-screen"), QStringLiteral("0"),
                      QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                      QStringLiteral("tcp"), QStringLiteral("-noreset")});
        QDeadlineTimer deadline(10000);
        while (!QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number)) &&
               !deadline.hasExpired())
            QThread::msleep(20);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (server.state() != QProcess::NotRunning) {
        server.terminate();
        server.waitForFinished();
    }
    return 0;
}
