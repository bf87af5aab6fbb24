#include "ui/shell/FilmSiteDialog.h"

#include "settings/FilmSiteAddress.h"
#include "settings/Settings.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ui {

FilmSiteDialog::FilmSiteDialog(settings::Settings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    setObjectName(QStringLiteral("frmIMDb"));
    setWindowTitle(tr("IMDb Settings"));
    if (parent)
        setWindowIcon(parent->window()->windowIcon());

    auto* layout = new QVBoxLayout(this);
    lblnfo_ = new QLabel(tr("Select the website that you want to link to whenever you "
                            "click on the IMDb button."),
                         this);
    lblnfo_->setObjectName(QStringLiteral("lblnfo"));
    lblnfo_->setWordWrap(true);
    layout->addWidget(lblnfo_);

    // An exclusive group may start with nothing chosen, which is how an unknown host shows.
    auto* group = new QButtonGroup(this);
    for (size_t index = 0; index < options_.size(); ++index) {
        auto* option = new QRadioButton(QString::fromLatin1(settings::FilmSiteHosts[index]), this);
        option->setObjectName(QStringLiteral("optIMDb%1").arg(index));
        group->addButton(option, static_cast<int>(index));
        layout->addWidget(option);
        options_[index] = option;
    }
    lblnfo_->setBuddy(options_[0]);

    auto* buttons = new QDialogButtonBox(this);
    cmdOK_ = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setDefault(true);
    cmdCancel_ = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    layout->addWidget(buttons);
    connect(cmdOK_, &QPushButton::clicked, this, &FilmSiteDialog::OK);
    connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);

    const QString stored = settings_.value(settings::key::IMDbSite).trimmed().toLower();
    for (QRadioButton* option : options_) {
        if (option->text().trimmed().toLower() == stored) {
            option->setChecked(true);
            break;
        }
    }
}

void FilmSiteDialog::OK() {
    for (QRadioButton* option : options_) {
        if (option->isChecked()) {
            settings_.setValue(QString::fromLatin1(settings::key::IMDbSite), option->text());
            break;
        }
    }
    accept();
}

}  // namespace ui
