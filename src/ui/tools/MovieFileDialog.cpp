#include "ui/tools/MovieFileDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ui {

MovieFileDialog::MovieFileDialog(UserInterface& ui, QWidget* parent, const Texts& texts,
                                 const QString& filename)
    : BusyDialog(parent),
      ui_(ui),
      caption_(texts.caption),
      browsePurpose_(texts.browsePurpose),
      txtFilename_(new QLineEdit(filename, this)),
      browse_(new QPushButton(QStringLiteral("..."), this)),
      action_(new QPushButton(texts.actionCaption, this)),
      close_(new QPushButton(tr("Close"), this)),
      buttons_(new QHBoxLayout) {
    setObjectName(texts.objectName);
    setWindowTitle(texts.caption);
    if (parent)
        setWindowIcon(parent->windowIcon());

    auto* help = new QLabel(texts.help, this);
    help->setObjectName(QStringLiteral("lblHelp"));
    auto* label = new QLabel(tr("Filename:"), this);
    label->setObjectName(QStringLiteral("lblFilename"));
    label->setBuddy(txtFilename_);
    txtFilename_->setObjectName(QStringLiteral("txtFilename"));
    txtFilename_->setMinimumWidth(320);
    browse_->setObjectName(QStringLiteral("cmdBrowse"));
    browse_->setAccessibleName(tr("Browse"));
    browse_->setToolTip(tr("Choose the file"));
    action_->setObjectName(texts.actionName);
    action_->setDefault(true);
    close_->setObjectName(QStringLiteral("cmdClose"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(help, 0, 0, 1, 3);
    layout->addWidget(label, 1, 0);
    layout->addWidget(txtFilename_, 1, 1);
    layout->addWidget(browse_, 1, 2);
    buttons_->addStretch();
    buttons_->addWidget(action_);
    buttons_->addWidget(close_);
    layout->addLayout(buttons_, 2, 0, 1, 3);

    connect(browse_, &QPushButton::clicked, this, &MovieFileDialog::Browse);
    connect(action_, &QPushButton::clicked, this, [this] { run(); });
    connect(close_, &QPushButton::clicked, this, &MovieFileDialog::reject);
}

QList<QWidget*> MovieFileDialog::controlsToDisable() const {
    return {txtFilename_, browse_, action_, close_};
}

void MovieFileDialog::addButton(QPushButton* button) {
    buttons_->addWidget(button);
}

void MovieFileDialog::Browse() {
    FileChoice choice;
    choice.purpose = browsePurpose_;
    choice.title = caption_;
    choice.proposedFile = txtFilename_->text();
    choice.filters = {tr("All files (*)"), tr("Text files (*.txt)")};
    choice.selectedFilter = 1;
    if (const std::optional<QString> file = ui_.chooseFile(this, choice))
        txtFilename_->setText(*file);
}

}  // namespace ui
