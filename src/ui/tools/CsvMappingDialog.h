#pragma once

#include "io/peers/CsvMapping.h"

#include <QDialog>
#include <QList>

class QComboBox;

namespace ui {

// frmCsvMapping: what each column of a CSV file goes into. Shows the file's first ten lines
// under its header, a choice of field for each column (or nothing), and the presets of the film
// sites' exports. OK keeps the choice; Cancel imports nothing.
class CsvMappingDialog : public QDialog {
    Q_OBJECT
public:
    CsvMappingDialog(const io::CsvTable& table, const io::CsvMapping& proposed, QWidget* parent);

    io::CsvMapping mapping() const;

private:
    void showMapping(const io::CsvMapping& mapping);

    QComboBox* cboPreset;
    QList<QComboBox*> columns_;
};

}  // namespace ui
