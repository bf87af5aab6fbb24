#include "ui/lists/LookupDialog.h"

#include "ui/common/ErrorReport.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui::lists {

LookupDialog::LookupDialog(UserInterface& ui, db::Connection& connection, db::LookupTable table,
                           QLineEdit& txtSearch, QWidget* parent)
    : QDialog(parent), ui_(ui), connection_(connection), table_(table), txtSearch_(txtSearch) {
    const QString tableName = db::TableName(table);
    setObjectName(QStringLiteral("frmLookup") + tableName);
    setWindowTitle(QStringLiteral("Lookup ") + tableName);
    if (parent)
        setWindowIcon(parent->window()->windowIcon());

    lstData_ = new QListWidget(this);
    lstData_->setObjectName(QStringLiteral("lstData"));
    lstData_->setSelectionMode(QAbstractItemView::SingleSelection);
    lstData_->setAccessibleName(tableName);
    cmdSelect_ = new QPushButton(QStringLiteral("&Select"), this);
    cmdSelect_->setObjectName(QStringLiteral("cmdSelect"));
    cmdSelect_->setDefault(true);
    cmdClose_ = new QPushButton(QStringLiteral("Cancel"), this);
    cmdClose_->setObjectName(QStringLiteral("cmdClose"));
    cmdClose_->setAutoDefault(false);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdSelect_);
    buttons->addStretch();
    buttons->addWidget(cmdClose_);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(lstData_, 1);
    layout->addLayout(buttons);

    connect(cmdSelect_, &QPushButton::clicked, this, &LookupDialog::Select);
    connect(cmdClose_, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstData_, &QListWidget::itemDoubleClicked, this, &LookupDialog::Select);

    PopulateLstData();
}

void LookupDialog::PopulateLstData() {
    RunCommand(ui_, this, [this] { ShowNames(*lstData_, db::LookupNames(connection_, table_)); });
}

void LookupDialog::Select() {
    const std::optional<QString> name = SelectedName(*lstData_);
    if (!name)
        return;
    txtSearch_.setText(*name);
    accept();
}

}  // namespace ui::lists
