#include "ui/shell/SplashWindow.h"

#include "ui/common/StepBar.h"

#include <QCoreApplication>
#include <QLabel>

namespace ui {

SplashWindow::SplashWindow() : status_(new QLabel(this)), bar_(new StepBar(241, 17, this)) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Starting"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    status_->setObjectName(QStringLiteral("lblStatus"));
    status_->setText(QStringLiteral("Status"));
    status_->setGeometry(8, 8, 233, 17);
    bar_->move(8, 32);
    setFixedSize(257, 57);
    Reset();
}

std::unique_ptr<SplashWindow> SplashWindow::ShowSplash(const QString& status, int firstStep,
                                                       int lastStep) {
    auto splash = std::make_unique<SplashWindow>();
    splash->status_->setText(status);
    splash->bar_->setRange(firstStep, lastStep);
    splash->Reset();
    splash->show();
    QCoreApplication::processEvents();
    return splash;
}

void SplashWindow::Increment(const QString& status) {
    status_->setText(status);
    if (bar_->value() < bar_->maximum())
        SetProgress(bar_->value() + 1);
}

void SplashWindow::SetProgress(int value) {
    bar_->SetProgress(value);
    QCoreApplication::processEvents();
}

}  // namespace ui
