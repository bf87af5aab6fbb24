#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace io {
struct ImportPreview;
}

namespace ui {

// frmImportPreview: what importing the file would do, shown before anything is written. Import
// goes on with the import; Cancel leaves the catalogue as it is.
class ImportPreviewDialog : public QDialog {
    Q_OBJECT
public:
    ImportPreviewDialog(const io::ImportPreview& preview, QWidget* parent);

private:
    QLabel* lblSummary;
    QPlainTextEdit* txtDetails;
    QPushButton* cmdImport;
    QPushButton* cmdCancel;
};

}  // namespace ui
