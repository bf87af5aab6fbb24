#include "ui/report/PrintSetupDialog.h"

#include "settings/Settings.h"
#include "ui/report/PrinterChoice.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

PrintSetupDialog::PrintSetupDialog(settings::Settings& settings, const QStringList& printers,
                                   QWidget* parent)
    : QDialog(parent),
      cboPrinter(new QComboBox(this)),
      txtCopies(new QLineEdit(this)),
      cmdOK(new QPushButton(tr("OK"), this)),
      cmdCancel(new QPushButton(tr("Cancel"), this)),
      settings_(settings),
      printers_(printers) {
    setObjectName(QStringLiteral("frmPrintSetup"));
    setWindowTitle(tr("Print Setup"));
    cboPrinter->setObjectName(QStringLiteral("cboPrinter"));
    txtCopies->setObjectName(QStringLiteral("txtCopies"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdOK->setDefault(true);

    auto* form = new QFormLayout;
    auto* printerLabel = new QLabel(tr("Printer name:"), this);
    auto* copiesLabel = new QLabel(tr("# of copies:"), this);
    printerLabel->setBuddy(cboPrinter);
    copiesLabel->setBuddy(txtCopies);
    form->addRow(printerLabel, cboPrinter);
    form->addRow(copiesLabel, txtCopies);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(cmdOK, QDialogButtonBox::AcceptRole);
    buttons->addButton(cmdCancel, QDialogButtonBox::RejectRole);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &PrintSetupDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PrintSetupDialog::reject);

    txtCopies->setText(settings_.value(settings::key::Copies).trimmed());
    cboPrinter->addItems(printers_);
    cboPrinter->setCurrentIndex(0);
    // Of equal names the last one is chosen.
    const QString saved = settings_.value(settings::key::Printer);
    if (!saved.isEmpty()) {
        const int found = int(printers_.lastIndexOf(saved));
        if (found >= 0)
            cboPrinter->setCurrentIndex(found);
    }
}

void PrintSetupDialog::accept() {
    const int copies = CopiesFromText(txtCopies->text());
    const QString chosen = cboPrinter->currentText();
    settings_.setValue(
        QString::fromLatin1(settings::key::Printer),
        printers_.contains(chosen) ? chosen : CurrentPrinterName(settings_, printers_));
    settings_.setValue(QString::fromLatin1(settings::key::Copies), QString::number(copies));
    QDialog::accept();
}

}  // namespace ui
