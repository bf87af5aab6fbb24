#pragma once

#include <QObject>

class QSocketNotifier;

namespace app {

// SIGTERM, SIGINT and SIGHUP (a logout, a kill, Ctrl+C in the shell) end the program the way
// closing its window does, so the placement is written and the catalogue closed cleanly.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

    // True once a signal has come in, even before the event loop could deliver requested().
    bool wasRequested() const;

signals:
    void requested();

private:
    void readSignal();

    QSocketNotifier* notifier_;
};

}  // namespace app
