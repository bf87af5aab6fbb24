#include "ui/common/LongWork.h"

#include <QAction>
#include <QCoreApplication>
#include <QList>
#include <QPointer>
#include <QTimer>
#include <utility>

namespace ui {

namespace {

struct Conflicting {
    QPointer<QAction> action;
    bool wasEnabled = false;
};

QList<std::function<void()>>& idleWaiters() {
    static QList<std::function<void()>> waiters;
    return waiters;
}

void runWhenIdle(std::function<void()> then) {
    QTimer::singleShot(0, QCoreApplication::instance(), std::move(then));
}

QList<Conflicting>& conflicting() {
    static QList<Conflicting> actions;
    return actions;
}

}  // namespace

LongWork::LongWork() {
    if (running_++ > 0)
        return;
    for (Conflicting& command : conflicting()) {
        if (!command.action)
            continue;
        command.wasEnabled = command.action->isEnabled();
        command.action->setEnabled(false);
    }
}

LongWork::~LongWork() {
    if (--running_ > 0)
        return;
    stopRequested_ = false;
    for (const Conflicting& command : conflicting())
        if (command.action && command.wasEnabled)
            command.action->setEnabled(true);
    for (std::function<void()>& then : std::exchange(idleWaiters(), {}))
        runWhenIdle(std::move(then));
}

void LongWork::whenIdle(std::function<void()> then) {
    if (running())
        idleWaiters().append(std::move(then));
    else
        runWhenIdle(std::move(then));
}

void LongWork::addConflicting(QAction* action) {
    QList<Conflicting>& actions = conflicting();
    actions.removeIf([action](const Conflicting& command) {
        return !command.action || command.action == action;
    });
    if (running()) {
        actions.append({action, action->isEnabled()});
        action->setEnabled(false);
    } else {
        actions.append({action, false});
    }
}

}  // namespace ui
