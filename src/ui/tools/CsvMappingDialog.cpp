#include "ui/tools/CsvMappingDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ui {

namespace {

constexpr int PreviewLines = 10;

QTableWidget* previewOf(const io::CsvTable& table, QWidget* parent) {
    const int rows = int(std::min<size_t>(table.rows.size(), PreviewLines));
    auto* grid = new QTableWidget(rows, int(table.header.size()), parent);
    grid->setObjectName(QStringLiteral("grdPreview"));
    grid->setAccessibleName(QStringLiteral("The first lines of the file"));
    grid->setHorizontalHeaderLabels(table.header);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < grid->columnCount(); ++column)
            grid->setItem(row, column, new QTableWidgetItem(table.rows[size_t(row)].value(column)));
    grid->resizeColumnsToContents();
    return grid;
}

}  // namespace

CsvMappingDialog::CsvMappingDialog(const io::CsvTable& table, const io::CsvMapping& proposed,
                                   QWidget* parent)
    : QDialog(parent), cboPreset(new QComboBox(this)) {
    setObjectName(QStringLiteral("frmCsvMapping"));
    setWindowTitle(QStringLiteral("Columns of the CSV file"));

    cboPreset->setObjectName(QStringLiteral("cboPreset"));
    cboPreset->addItem(QStringLiteral("(as guessed or kept)"));
    cboPreset->addItem(QStringLiteral("Film site list export"), QStringLiteral("list"));
    cboPreset->addItem(QStringLiteral("Film diary export"), QStringLiteral("diary"));
    auto* presetLabel = new QLabel(QStringLiteral("&Preset:"), this);
    presetLabel->setBuddy(cboPreset);

    auto* fields = new QWidget;
    auto* form = new QFormLayout(fields);
    for (qsizetype column = 0; column < table.header.size(); ++column) {
        auto* choice = new QComboBox(fields);
        choice->setObjectName(QStringLiteral("cboColumn%1").arg(column));
        for (int field = 0; field < io::CsvFieldCount; ++field)
            choice->addItem(io::CsvFieldName(io::CsvField(field)));
        const QString header = table.header[column].isEmpty()
                                   ? QStringLiteral("Column %1").arg(column + 1)
                                   : table.header[column];
        auto* label = new QLabel(header + u':', fields);
        label->setBuddy(choice);
        form->addRow(label, choice);
        columns_.append(choice);
    }
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(fields);
    scroll->setWidgetResizable(true);

    auto* cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    auto* cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto* top = new QHBoxLayout;
    top->addWidget(presetLabel);
    top->addWidget(cboPreset, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("What each column goes into. A column "
                                                "that goes into a line of the notes comes in "
                                                "as \"Header: value\"."),
                                 this));
    layout->addLayout(top);
    layout->addWidget(scroll, 1);
    layout->addWidget(previewOf(table, this), 1);
    layout->addLayout(buttons);
    resize(720, 560);

    showMapping(proposed);
    connect(
        cboPreset, &QComboBox::activated, this, [this, header = table.header, proposed](int index) {
            const QString name = cboPreset->itemData(index).toString();
            showMapping(name.isEmpty() ? proposed : io::CsvPreset(name, header).value_or(proposed));
        });
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CsvMappingDialog::showMapping(const io::CsvMapping& mapping) {
    for (qsizetype column = 0; column < columns_.size(); ++column)
        columns_[column]->setCurrentIndex(int(mapping.value(column, io::CsvField::Nothing)));
}

io::CsvMapping CsvMappingDialog::mapping() const {
    io::CsvMapping chosen;
    for (const QComboBox* choice : columns_)
        chosen.append(io::CsvField(choice->currentIndex()));
    return chosen;
}

}  // namespace ui
