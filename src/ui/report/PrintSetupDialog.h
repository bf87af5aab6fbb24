#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace settings {
class Settings;
}

namespace ui {

// frmPrintSetup: the printer reports are printed on and the number of copies, kept in the
// settings "Printer" and "Copies".
class PrintSetupDialog final : public QDialog {
    Q_OBJECT
public:
    // printers: the names to offer, in order (PrinterNames()).
    PrintSetupDialog(settings::Settings& settings, const QStringList& printers, QWidget* parent);

    QComboBox* cboPrinter;
    QLineEdit* txtCopies;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

    void accept() override;

private:
    settings::Settings& settings_;
    QStringList printers_;
};

}  // namespace ui
