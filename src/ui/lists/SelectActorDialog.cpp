#include "ui/lists/SelectActorDialog.h"

#include "db/LookupTable.h"
#include "ui/common/ErrorReport.h"
#include "ui/common/UserInterface.h"
#include "ui/lists/CastList.h"
#include "ui/lists/EditDialog.h"
#include "ui/lists/KeyCommands.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui::lists {

namespace {

// Letter case and accents folded: "amelie" finds "Amélie Poulain".
QString foldedForFinding(const QString& text) {
    const QString decomposed = text.toCaseFolded().normalized(QString::NormalizationForm_KD);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing)
            folded.append(c);
    return folded;
}

}  // namespace

SelectActorDialog::SelectActorDialog(UserInterface& ui, db::Connection& connection,
                                     settings::Settings& settings, CastList& cast, QWidget* parent)
    : QDialog(parent), ui_(ui), connection_(connection), settings_(settings), cast_(cast) {
    setObjectName(QStringLiteral("frmSelectActor"));
    setWindowTitle(QStringLiteral("Select Actor"));
    if (parent)
        setWindowIcon(parent->window()->windowIcon());

    txtFilter_ = new QLineEdit(this);
    txtFilter_->setObjectName(QStringLiteral("txtFilter"));
    txtFilter_->setPlaceholderText(QStringLiteral("Type to narrow the list"));
    txtFilter_->setClearButtonEnabled(true);
    auto* lblFilter = new QLabel(QStringLiteral("&Find:"), this);
    lblFilter->setBuddy(txtFilter_);
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
    auto* filter = new QHBoxLayout;
    filter->addWidget(lblFilter);
    filter->addWidget(txtFilter_, 1);
    auto* names = new QVBoxLayout;
    names->addLayout(filter);
    names->addWidget(lstData_, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(names, 1);
    layout->addLayout(buttons);

    connect(cmdSelect_, &QPushButton::clicked, this, &SelectActorDialog::Select);
    connect(cmdAdd_, &QPushButton::clicked, this, &SelectActorDialog::AddNewActor);
    connect(cmdClose_, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstData_, &QListWidget::itemDoubleClicked, this, &SelectActorDialog::Select);
    connect(txtFilter_, &QLineEdit::textChanged, this, &SelectActorDialog::applyFilter);
    auto* keys = new KeyCommands(*this);
    keys->bind(Qt::Key_Insert, [this] { AddNewActor(); });

    PopulateLstData();
}

void SelectActorDialog::PopulateLstData() {
    RunCommand(ui_, this, [this] {
        ShowNames(*lstData_, db::LookupNames(connection_, db::LookupTable::Actor));
    });
    applyFilter();
}

void SelectActorDialog::applyFilter() {
    const QString wanted = foldedForFinding(txtFilter_->text().trimmed());
    QListWidgetItem* firstShown = nullptr;
    for (int row = 0; row < lstData_->count(); ++row) {
        QListWidgetItem* item = lstData_->item(row);
        const bool shown = wanted.isEmpty() || foldedForFinding(item->text()).contains(wanted);
        item->setHidden(!shown);
        if (shown && !firstShown)
            firstShown = item;
    }
    // What Select takes is always a name the user can see.
    QListWidgetItem* current = lstData_->currentItem();
    if (!current || current->isHidden()) {
        lstData_->clearSelection();
        if (firstShown)
            lstData_->setCurrentItem(firstShown);
    }
}

QListWidgetItem* SelectActorDialog::entryNamed(const QString& name) const {
    const QString wanted = name.trimmed();
    for (int row = 0; row < lstData_->count(); ++row)
        if (lstData_->item(row)->text().trimmed().compare(wanted, Qt::CaseInsensitive) == 0)
            return lstData_->item(row);
    return nullptr;
}

void SelectActorDialog::Select() {
    if (const std::optional<QString> name = SelectedName(*lstData_))
        addAndClose(*name);
}

void SelectActorDialog::AddNewActor() {
    EditDialog frmActor(ui_, connection_, settings_, db::LookupTable::Actor, this);
    frmActor.openForAdd(this);
    frmActor.closeOnExistingName();
    ui_.runModal(frmActor);
    if (!frmActor.addedName().isEmpty())
        addAndClose(frmActor.addedName());
    else if (!frmActor.existingName().isEmpty())
        offerExisting(frmActor.existingName());
}

void SelectActorDialog::offerExisting(const QString& typed) {
    txtFilter_->clear();
    QListWidgetItem* entry = entryNamed(typed);
    const QString name = entry ? entry->text() : typed;
    if (ui_.ask(this, windowTitle(),
                QStringLiteral("'%1' is already in the list. Use it?").arg(name),
                Buttons::YesNo) == Answer::Yes) {
        addAndClose(name);
        return;
    }
    if (entry) {
        lstData_->setCurrentItem(entry);
        lstData_->scrollToItem(entry);
    }
    lstData_->setFocus();
}

void SelectActorDialog::addAndClose(const QString& name) {
    AddToCast(cast_, name);
    accept();
}

}  // namespace ui::lists
