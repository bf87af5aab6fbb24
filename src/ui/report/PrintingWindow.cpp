#include "ui/report/PrintingWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

PrintingWindow::PrintingWindow(QWidget* parent)
    : QDialog(parent),
      lblPct(new QLabel(QStringLiteral("0%"), this)),
      lblPrint(new QLabel(QStringLiteral("Printing..."), this)),
      cmdCancel(new QPushButton(QStringLiteral("&Cancel"), this)) {
    setObjectName(QStringLiteral("frmPrinting"));
    setWindowTitle(QStringLiteral("Printing"));
    setWindowModality(Qt::NonModal);
    lblPct->setObjectName(QStringLiteral("lblPct"));
    lblPrint->setObjectName(QStringLiteral("lblPrint"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    lblPrint->setMinimumWidth(260);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdCancel);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblPrint);
    layout->addWidget(lblPct);
    layout->addLayout(buttons);
    connect(cmdCancel, &QPushButton::clicked, this, &PrintingWindow::cancel);
}

void PrintingWindow::ShowProgress(const QString& caption, const QString& pageText,
                                  bool showPercent) {
    cancelRequested_ = false;
    setWindowTitle(caption);
    lblPrint->setText(pageText);
    lblPct->setText(QStringLiteral("0%"));
    lblPct->setVisible(showPercent);
    show();
    raise();
}

void PrintingWindow::ShowPage(const QString& pageText) {
    lblPrint->setText(pageText);
}

void PrintingWindow::ShowPercent(int percent) {
    lblPct->setText(QString::number(percent) + u'%');
}

void PrintingWindow::CloseProgress() {
    hide();
}

void PrintingWindow::cancel() {
    cancelRequested_ = true;
    hide();
}

void PrintingWindow::reject() {
    cancel();
}

}  // namespace ui
