#include "ui/common/KeepChoiceDialog.h"

#include "ui/common/UserInterface.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

KeepChoiceDialog::KeepChoiceDialog(const QString& caption, const QString& prompt,
                                   const QStringList& choices, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmKeepChoice"));
    setWindowTitle(caption);
    if (parent)
        setWindowIcon(parent->window()->windowIcon());

    auto* lblKeep = new QLabel(prompt, this);
    lblKeep->setObjectName(QStringLiteral("lblKeep"));
    lblKeep->setWordWrap(true);
    lstKeep_ = new QListWidget(this);
    lstKeep_->setObjectName(QStringLiteral("lstKeep"));
    lstKeep_->addItems(choices);
    if (lstKeep_->count() > 0)
        lstKeep_->setCurrentRow(0);
    lblKeep->setBuddy(lstKeep_);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* cmdMerge =
        buttons->addButton(QStringLiteral("&Merge"), QDialogButtonBox::AcceptRole);
    cmdMerge->setObjectName(QStringLiteral("cmdMerge"));
    cmdMerge->setDefault(true);
    QPushButton* cmdCancel =
        buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(lstKeep_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(lstKeep_, &QListWidget::itemSelectionChanged, this,
            [this, cmdMerge] { cmdMerge->setEnabled(chosenRow() >= 0); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblKeep);
    layout->addWidget(lstKeep_, 1);
    layout->addWidget(buttons);
}

int KeepChoiceDialog::chosenRow() const {
    const QList<QListWidgetItem*> chosen = lstKeep_->selectedItems();
    return chosen.isEmpty() ? -1 : lstKeep_->row(chosen.constFirst());
}

std::optional<int> ChooseWhatStays(UserInterface& ui, const QString& caption, const QString& prompt,
                                   const QStringList& choices, QWidget* parent) {
    KeepChoiceDialog dialog(caption, prompt, choices, parent);
    if (ui.runModal(dialog) != QDialog::Accepted || dialog.chosenRow() < 0)
        return std::nullopt;
    return dialog.chosenRow();
}

}  // namespace ui
