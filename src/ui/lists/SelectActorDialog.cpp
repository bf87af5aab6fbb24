#include "ui/lists/SelectActorDialog.h"

#include "db/LookupTable.h"
#include "ui/common/ErrorReport.h"
#include "ui/common/UserInterface.h"
#include "ui/lists/CastList.h"
#include "ui/lists/EditDialog.h"
#include "ui/lists/KeyCommands.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui::lists {

SelectActorDialog::SelectActorDialog(UserInterface& ui, db::Connection& connection,
                                     settings::Settings& settings, CastList& cast, QWidget* parent)
    : QDialog(parent), ui_(ui), connection_(connection), settings_(settings), cast_(cast) {
    setObjectName(QStringLiteral("frmSelectActor"));
    setWindowTitle(QStringLiteral("Select Actor"));
    if (parent)
        setWindowIcon(parent->window()->windowIcon());

    lstData_ = new QListWidget(this);
    lstData_->setObjectName(QStringLiteral("lstData"));
    lstData_->setSelectionMode(QAbstractItemView::SingleSelection);
    lstData_->setAccessibleName(QStringLiteral("Actors"));
    cmdSelect_ = new QPushButton(QStringLiteral("&Select"), this);
    cmdSelect_->setObjectName(QStringLiteral("cmdSelect"));
    cmdSelect_->setDefault(true);
    cmdAdd_ = new QPushButton(QStringLiteral("&Add New Actor"), this);
    cmdAdd_->setObjectName(QStringLiteral("cmdAdd"));
    cmdAdd_->setAutoDefault(false);
    cmdClose_ = new QPushButton(QStringLiteral("Cancel"), this);
    cmdClose_->setObjectName(QStringLiteral("cmdClose"));
    cmdClose_->setAutoDefault(false);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdSelect_);
    buttons->addWidget(cmdAdd_);
    buttons->addStretch();
    buttons->addWidget(cmdClose_);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(lstData_, 1);
    layout->addLayout(buttons);
    resize(420, 400);

    connect(cmdSelect_, &QPushButton::clicked, this, &SelectActorDialog::Select);
    connect(cmdAdd_, &QPushButton::clicked, this, &SelectActorDialog::AddNewActor);
    connect(cmdClose_, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstData_, &QListWidget::itemDoubleClicked, this, &SelectActorDialog::Select);
    auto* keys = new KeyCommands(*this);
    keys->bind(Qt::Key_Insert, [this] { AddNewActor(); });

    PopulateLstData();
}

void SelectActorDialog::PopulateLstData() {
    RunCommand(ui_, this, [this] {
        ShowNames(*lstData_, db::LookupNames(connection_, db::LookupTable::Actor));
    });
}

void SelectActorDialog::Select() {
    if (const std::optional<QString> name = SelectedName(*lstData_))
        addAndClose(*name);
}

void SelectActorDialog::AddNewActor() {
    EditDialog frmActor(ui_, connection_, settings_, db::LookupTable::Actor, this);
    frmActor.openForAdd(this);
    ui_.runModal(frmActor);
    if (!frmActor.addedName().isEmpty())
        addAndClose(frmActor.addedName());
}

void SelectActorDialog::addAndClose(const QString& name) {
    AddToCast(cast_, name);
    accept();
}

}  // namespace ui::lists
