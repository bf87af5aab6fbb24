#include "ui/lists/ListDialog.h"

#include "db/Catalogue.h"
#include "db/ListEntryUse.h"
#include "db/LookupLists.h"
#include "ui/common/DialogControls.h"
#include "ui/common/ErrorReport.h"
#include "ui/common/GroupedNumber.h"
#include "ui/common/UserInterface.h"
#include "ui/lists/EditDialog.h"
#include "ui/lists/KeyCommands.h"
#include "ui/lists/ListEntryModel.h"
#include "ui/lists/ListMember.h"
#include "ui/lists/ListMerge.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace ui::lists {

ListDialog::ListDialog(UserInterface& ui, db::Catalogue& catalogue, settings::Settings& settings,
                       db::LookupTable table, QWidget* parent)
    : QDialog(parent), ui_(ui), catalogue_(catalogue), settings_(settings), member_(Member(table)) {
    setObjectName(QLatin1String(member_.listForm));
    setWindowTitle(QLatin1String(member_.listCaption));
    if (parent)
        setWindowIcon(parent->window()->windowIcon());

    model_ = new ListEntryModel(this);
    lstData_ = RowList(this, QStringLiteral("lstData"), model_);
    lstData_->setAccessibleName(QLatin1String(member_.listCaption));
    QHeaderView* header = lstData_->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(ListEntryModel::Name, QHeaderView::Stretch);
    header->setSectionResizeMode(ListEntryModel::Uses, QHeaderView::Fixed);
    header->resizeSection(ListEntryModel::Uses,
                          fontMetrics().horizontalAdvance(QStringLiteral("Movies 000,000")));
    header->setSortIndicator(ListEntryModel::Name, Qt::AscendingOrder);
    lstData_->setSortingEnabled(true);
    cmdAdd_ = CommandButton(this, QStringLiteral("cmdAdd"), QStringLiteral("&Add"));
    cmdEdit_ = CommandButton(this, QStringLiteral("cmdEdit"), QStringLiteral("&Edit"));
    cmdDelete_ = CommandButton(this, QStringLiteral("cmdDelete"), QStringLiteral("&Delete"));
    cmdMerge_ = CommandButton(this, QStringLiteral("cmdMerge"), QStringLiteral("&Merge into…"));
    cmdClose_ = CommandButton(this, QStringLiteral("cmdClose"), QStringLiteral("Close"));

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdAdd_);
    buttons->addWidget(cmdEdit_);
    buttons->addWidget(cmdDelete_);
    buttons->addWidget(cmdMerge_);
    buttons->addStretch();
    buttons->addWidget(cmdClose_);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(lstData_, 1);
    layout->addLayout(buttons);

    connect(cmdAdd_, &QPushButton::clicked, this, &ListDialog::Add);
    connect(cmdEdit_, &QPushButton::clicked, this, &ListDialog::Edit);
    connect(cmdDelete_, &QPushButton::clicked, this, &ListDialog::Delete);
    connect(cmdMerge_, &QPushButton::clicked, this, &ListDialog::Merge);
    connect(cmdClose_, &QPushButton::clicked, this, &QDialog::accept);
    connect(lstData_, &QAbstractItemView::doubleClicked, this, &ListDialog::Edit);

    auto* keys = new KeyCommands(*this);
    keys->bind(Qt::Key_Return, [this] { Edit(); });
    keys->bind(Qt::Key_Enter, [this] { Edit(); });
    keys->bind(Qt::Key_Insert, [this] { Add(); });
    keys->bind(Qt::Key_Delete, [this] { Delete(); });

    PopulateLstData();
}

db::Connection& ListDialog::connection() {
    return catalogue_.connection();
}

void ListDialog::PopulateLstData() {
    RunCommand(ui_, this, [this] {
        const QHash<int, int> uses = db::MoviesUsingEntries(connection(), member_.table);
        std::vector<ListEntry> entries;
        for (db::LookupEntry& entry : db::LookupEntries(connection(), member_.table))
            entries.push_back({entry.id, std::move(entry.name), uses.value(entry.id)});
        model_->setEntries(std::move(entries));
        if (model_->rowCount() > 0)
            lstData_->selectionModel()->setCurrentIndex(
                model_->index(0, ListEntryModel::Name),
                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    });
}

std::optional<QString> ListDialog::currentName() const {
    const QModelIndex current = lstData_->currentIndex();
    if (current.isValid() && lstData_->selectionModel()->isRowSelected(current.row(), {}))
        return model_->entryAt(current.row()).name;
    const std::vector<ListEntry> selected = selectedEntries();
    if (selected.empty())
        return std::nullopt;
    return selected.front().name;
}

std::vector<ListEntry> ListDialog::selectedEntries() const {
    std::vector<ListEntry> entries;
    for (int row = 0; row < model_->rowCount(); ++row)
        if (lstData_->selectionModel()->isRowSelected(row, {}))
            entries.push_back(model_->entryAt(row));
    return entries;
}

void ListDialog::Add() {
    EditDialog edit(ui_, connection(), settings_, member_.table, this);
    edit.openForAdd(this);
    ui_.runModal(edit);
}

void ListDialog::Edit() {
    const std::optional<QString> name = currentName();
    if (!name) {
        ui_.inform(this, QStringLiteral("Information"), QStringLiteral("Click on an item to edit."),
                   Icon::Information);
        return;
    }
    EditDialog edit(ui_, connection(), settings_, member_.table, this);
    edit.openForRename(*name, this);
    ui_.runModal(edit);
}

void ListDialog::Delete() {
    const std::optional<QString> name = currentName();
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
    const int id = db::FindLookupId(connection(), member_.table, name);
    const int uses = id > 0 ? db::CountLookupUses(connection(), member_.table, id) : 0;
    if (uses > 0) {
        ui_.inform(
            this, QLatin1String(member_.inUseTitle),
            QLatin1String(member_.inUseText) + GroupedNumber(uses) + QStringLiteral(" movies."),
            MessageIcon(member_.inUseTitle));
        return;
    }
    db::DeleteLookupName(connection(), member_.table, name);
    PopulateLstData();
}

void ListDialog::Merge() {
    const std::optional<int> kept =
        MergeChosenEntries(ui_, catalogue_, member_.table, selectedEntries(), this);
    if (!kept)
        return;
    PopulateLstData();
    if (const int row = model_->rowOfEntry(*kept); row >= 0) {
        const QModelIndex index = model_->index(row, ListEntryModel::Name);
        lstData_->selectionModel()->setCurrentIndex(
            index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        lstData_->scrollTo(index);
    }
}

}  // namespace ui::lists
