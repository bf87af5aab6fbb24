#include "ui/lists/ListDialog.h"

#include "db/LookupLists.h"
#include "ui/common/ErrorReport.h"
#include "ui/common/GroupedNumber.h"
#include "ui/common/UserInterface.h"
#include "ui/lists/EditDialog.h"
#include "ui/lists/KeyCommands.h"
#include "ui/lists/ListMember.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui::lists {

namespace {

QPushButton* button(QWidget* parent, const QString& name, const QString& caption) {
    auto* created = new QPushButton(caption, parent);
    created->setObjectName(name);
    created->setAutoDefault(false);
    return created;
}

}  // namespace

ListDialog::ListDialog(UserInterface& ui, db::Connection& connection, settings::Settings& settings,
                       db::LookupTable table, QWidget* parent)
    : QDialog(parent),
      ui_(ui),
      connection_(connection),
      settings_(settings),
      member_(Member(table)) {
    setObjectName(QLatin1String(member_.listForm));
    setWindowTitle(QLatin1String(member_.listCaption));
    if (parent)
        setWindowIcon(parent->window()->windowIcon());

    lstData_ = new QListWidget(this);
    lstData_->setObjectName(QStringLiteral("lstData"));
    lstData_->setSelectionMode(QAbstractItemView::SingleSelection);
    lstData_->setAccessibleName(QLatin1String(member_.listCaption));
    cmdAdd_ = button(this, QStringLiteral("cmdAdd"), QStringLiteral("&Add"));
    cmdEdit_ = button(this, QStringLiteral("cmdEdit"), QStringLiteral("&Edit"));
    cmdDelete_ = button(this, QStringLiteral("cmdDelete"), QStringLiteral("&Delete"));
    cmdClose_ = button(this, QStringLiteral("cmdClose"), QStringLiteral("Close"));

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdAdd_);
    buttons->addWidget(cmdEdit_);
    buttons->addWidget(cmdDelete_);
    buttons->addStretch();
    buttons->addWidget(cmdClose_);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(lstData_, 1);
    layout->addLayout(buttons);
    resize(420, 360);

    connect(cmdAdd_, &QPushButton::clicked, this, &ListDialog::Add);
    connect(cmdEdit_, &QPushButton::clicked, this, &ListDialog::Edit);
    connect(cmdDelete_, &QPushButton::clicked, this, &ListDialog::Delete);
    connect(cmdClose_, &QPushButton::clicked, this, &QDialog::accept);
    connect(lstData_, &QListWidget::itemDoubleClicked, this, &ListDialog::Edit);

    auto* keys = new KeyCommands(*this);
    keys->bind(Qt::Key_Return, [this] { Edit(); });
    keys->bind(Qt::Key_Enter, [this] { Edit(); });
    keys->bind(Qt::Key_Insert, [this] { Add(); });
    keys->bind(Qt::Key_Delete, [this] { Delete(); });

    PopulateLstData();
}

void ListDialog::PopulateLstData() {
    RunCommand(ui_, this,
               [this] { ShowNames(*lstData_, db::LookupNames(connection_, member_.table)); });
}

void ListDialog::Add() {
    EditDialog edit(ui_, connection_, settings_, member_.table, this);
    edit.openForAdd(this);
    ui_.runModal(edit);
}

void ListDialog::Edit() {
    const std::optional<QString> name = SelectedName(*lstData_);
    if (!name) {
        ui_.inform(this, QStringLiteral("Information"), QStringLiteral("Click on an item to edit."),
                   Icon::Information);
        return;
    }
    EditDialog edit(ui_, connection_, settings_, member_.table, this);
    edit.openForRename(*name, this);
    ui_.runModal(edit);
}

void ListDialog::Delete() {
    const std::optional<QString> name = SelectedName(*lstData_);
    if (!name) {
        ui_.inform(this, QStringLiteral("Information"),
                   QStringLiteral("Click on an item to delete."), Icon::Information);
        return;
    }
    if (ui_.ask(this, QStringLiteral("Warning"), QStringLiteral("Delete '%1'?").arg(*name),
                Buttons::YesNoCancel) != Answer::Yes)
        return;
    RunCommand(ui_, this, [&] { deleteUnlessInUse(*name); });
}

void ListDialog::deleteUnlessInUse(const QString& name) {
    // A name that is gone already has nothing that uses it; counting the movies with id 0 would
    // refuse for no reason.
    const int id = db::FindLookupId(connection_, member_.table, name);
    const int uses = id > 0 ? db::CountLookupUses(connection_, member_.table, id) : 0;
    if (uses > 0) {
        ui_.inform(
            this, QLatin1String(member_.inUseTitle),
            QLatin1String(member_.inUseText) + GroupedNumber(uses) + QStringLiteral(" movies."),
            MessageIcon(member_.inUseTitle));
        return;
    }
    db::DeleteLookupName(connection_, member_.table, name);
    PopulateLstData();
}

}  // namespace ui::lists
