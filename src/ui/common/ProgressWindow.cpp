#include "ui/common/ProgressWindow.h"

#include "ui/common/StepBar.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace ui {

namespace {

constexpr int ClientWidth = 289;
constexpr int HeightWithoutCancel = 64;
constexpr int HeightWithCancel = 104;

}  // namespace

ProgressWindow::ProgressWindow(QWidget* parent, std::function<void()> onCancel)
    : QDialog(parent),
      status_(new QLabel(this)),
      percent_(new QLabel(this)),
      bar_(new StepBar(241, 17, this)),
      cancel_(new QPushButton(QStringLiteral("Cancel"), this)),
      onCancel_(std::move(onCancel)) {
    setObjectName(QStringLiteral("frmProgress"));
    setWindowTitle(QStringLiteral("Progress"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint | Qt::WindowStaysOnTopHint);
    setWindowModality(Qt::ApplicationModal);
    status_->setObjectName(QStringLiteral("lblStatus"));
    status_->setText(QStringLiteral("Status"));
    status_->setGeometry(8, 8, 273, 25);
    bar_->move(8, 40);
    percent_->setObjectName(QStringLiteral("lblPct"));
    percent_->setText(QStringLiteral("0%"));
    percent_->hide();
    cancel_->setObjectName(QStringLiteral("cmdCancel"));
    cancel_->setGeometry(96, 72, 65, 25);
    connect(cancel_, &QPushButton::clicked, this, &ProgressWindow::cancel);
    showCancelButton(false);
    Reset();
}

void ProgressWindow::showCancelButton(bool visible) {
    setFixedSize(ClientWidth, visible ? HeightWithCancel : HeightWithoutCancel);
}

void ProgressWindow::Increment(const QString& status) {
    status_->setText(status);
    if (bar_->value() < bar_->maximum())
        SetProgress(bar_->value() + 1);
}

void ProgressWindow::SetProgress(int value) {
    bar_->SetProgress(value);
}

void ProgressWindow::StopProgress() {
    stopped_ = true;
    SetProgress(bar_->maximum());
    close();
}

void ProgressWindow::cancel() {
    stopped_ = true;
    if (onCancel_)
        onCancel_();
}

void ProgressWindow::closeEvent(QCloseEvent* event) {
    // The close box does nothing while the work runs; Cancel is the way to stop it.
    if (stopped_)
        event->accept();
    else
        event->ignore();
}

void ProgressWindow::reject() {
    // Esc is the close box's keyboard twin and is refused the same way.
    if (stopped_)
        QDialog::reject();
}

}  // namespace ui
