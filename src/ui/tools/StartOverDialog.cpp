#include "ui/tools/StartOverDialog.h"

#include "db/Catalogue.h"
#include "db/Movies.h"
#include "db/StartOver.h"
#include "ui/common/ErrorReport.h"
#include "ui/common/UserInterface.h"
#include "ui/tools/BackupFirst.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

namespace ui {

StartOverDialog::StartOverDialog(UserInterface& ui, db::Catalogue& catalogue, QWidget* parent,
                                 std::function<void()> populateLstMain)
    : BusyDialog(parent),
      ui_(ui),
      catalogue_(catalogue),
      populateLstMain_(std::move(populateLstMain)),
      chkStartOver1_(
          new QCheckBox(QStringLiteral("Start over (delete all data and start again)"), this)),
      cmdStartOver_(new QPushButton(QStringLiteral("Start Over"), this)),
      cmdCancel_(new QPushButton(QStringLiteral("Cancel"), this)) {
    setObjectName(QStringLiteral("frmStartOver"));
    setWindowTitle(QStringLiteral("Start Over"));
    if (parent)
        setWindowIcon(parent->windowIcon());
    chkStartOver1_->setObjectName(QStringLiteral("chkStartOver1"));
    cmdStartOver_->setObjectName(QStringLiteral("cmdStartOver"));
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel_->setDefault(true);  // the harmless choice
    auto* info = new QLabel(QStringLiteral("0 movies on file"), this);
    info->setObjectName(QStringLiteral("lblInfo1"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chkStartOver1_);
    layout->addWidget(info);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdStartOver_);
    buttons->addWidget(cmdCancel_);
    layout->addLayout(buttons);

    connect(cmdStartOver_, &QPushButton::clicked, this, &StartOverDialog::StartOver);
    connect(cmdCancel_, &QPushButton::clicked, this, &StartOverDialog::reject);

    RunCommand(ui_, parent, [&] {
        info->setText(
            QStringLiteral("%1 movies on file").arg(db::CountMovies(catalogue_.connection())));
    });
}

void StartOverDialog::StartOver() {
    if (!chkStartOver1_->isChecked()) {
        ui_.inform(this, QStringLiteral("Warning"),
                   QStringLiteral("You have selected nothing to reset."), Icon::Warning);
        return;
    }
    if (ui_.ask(this, QStringLiteral("Warning"),
                QStringLiteral("Reset database (delete all movies)?"),
                Buttons::YesNo) != Answer::Yes)
        return;

    // The backup is the long part, on the worker; building the new catalogue takes a moment.
    auto busy =
        std::make_shared<Busy>(*this, QList<QWidget*>{cmdStartOver_, cmdCancel_, chkStartOver1_});
    BackUpThen(ui_, catalogue_, this, [this, busy](const QString& backup) {
        const bool reset = RunCommand(ui_, this, [&] { db::StartOver(catalogue_); });
        busy->end();
        // After a failure the catalogue that is open again may differ from what the list shows.
        if (populateLstMain_ && catalogue_.isOpen())
            RunCommand(ui_, this, populateLstMain_);
        if (!reset) {
            reject();
            return;
        }
        ui_.inform(this, QStringLiteral("Complete"),
                   QStringLiteral("System reset.") + BackupNote(backup), Icon::Information);
        accept();
    });
}

void ShowStartOverDialog(UserInterface& ui, db::Catalogue& catalogue, QWidget* parent,
                         std::function<void()> populateLstMain) {
    StartOverDialog dialog(ui, catalogue, parent, std::move(populateLstMain));
    ui.runModal(dialog);
}

}  // namespace ui
