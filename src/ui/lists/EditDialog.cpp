#include "ui/lists/EditDialog.h"

#include "db/LookupLists.h"
#include "ui/common/ErrorReport.h"
#include "ui/common/FilmSitePicture.h"
#include "ui/common/TypingLimit.h"
#include "ui/common/UserInterface.h"
#include "ui/lists/ListMember.h"
#include "ui/lists/NameList.h"
#include "ui/shell/FilmSiteSearch.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ui::lists {

namespace {

// The Name column holds at most 50 characters.
constexpr int NameLength = 50;

}  // namespace

EditDialog::EditDialog(UserInterface& ui, db::Connection& connection, settings::Settings& settings,
                       db::LookupTable table, QWidget* parent)
    : QDialog(parent),
      ui_(ui),
      connection_(connection),
      settings_(settings),
      member_(Member(table)) {
    setObjectName(QLatin1String(member_.editForm));
    setWindowTitle(QLatin1String(member_.editCaption));
    if (parent)
        setWindowIcon(parent->window()->windowIcon());

    lblName_ = new QLabel(QStringLiteral("Name:"), this);
    lblName_->setObjectName(QStringLiteral("lblName"));
    txtName_ = new QLineEdit(this);
    txtName_->setObjectName(QStringLiteral("txtName"));
    LimitTyping(txtName_, NameLength);
    txtName_->setMinimumWidth(260);
    lblName_->setBuddy(txtName_);

    cmdSave_ = new QPushButton(QStringLiteral("&Save"), this);
    cmdSave_->setObjectName(QStringLiteral("cmdSave"));
    cmdSave_->setDefault(true);
    cmdCancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    connect(cmdSave_, &QPushButton::clicked, this, &EditDialog::Save);
    connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(lblName_, 0, 0);
    layout->addWidget(txtName_, 0, 1);
    auto* buttons = new QHBoxLayout;
    if (table == db::LookupTable::Actor) {
        imgIMDb_ = new FilmSitePicture(this);
        connect(imgIMDb_, &FilmSitePicture::clicked, this, &EditDialog::searchFilmSite);
        buttons->addWidget(imgIMDb_);
    }
    buttons->addStretch();
    buttons->addWidget(cmdSave_);
    buttons->addWidget(cmdCancel_);
    layout->addLayout(buttons, 1, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void EditDialog::openForAdd(NameListForm* caller) {
    CallingForm = caller;
    Mode = EditMode::Add;
    OldName.clear();
    txtName_->clear();
    setWindowTitle(QLatin1String(member_.addCaption));
}

void EditDialog::openForRename(const QString& name, NameListForm* caller) {
    CallingForm = caller;
    Mode = EditMode::Rename;
    OldName = name;
    SetTextWithinLimit(txtName_, name);
    setWindowTitle(QLatin1String(member_.renameCaption));
}

bool EditDialog::write(const QString& name) {
    const bool rename = Mode == EditMode::Rename;
    if (rename ? !db::RenameLookupName(connection_, member_.table, OldName, name)
               : !db::AddLookupName(connection_, member_.table, name)) {
        if (!rename && closeOnExistingName_) {
            existingName_ = name;
            return false;
        }
        ui_.inform(this, QLatin1String(member_.existsTitle),
                   QLatin1String(member_.existsLabel) + name +
                       QStringLiteral("' already exists.  Please enter a unique name to add."),
                   MessageIcon(member_.existsTitle));
        txtName_->setFocus();
        return false;
    }
    if (!rename)
        addedName_ = name;
    return true;
}

void EditDialog::Save() {
    // The name is taken exactly as typed: not trimmed, and an empty name is not refused.
    const QString name = txtName_->text();
    bool written = false;
    RunCommand(ui_, this, [&] { written = write(name); });
    if (!existingName_.isEmpty())
        reject();
    if (!written)
        return;
    if (CallingForm)
        CallingForm->PopulateLstData();
    accept();
}

void EditDialog::searchFilmSite() {
    ui::SearchFilmSite(ui_, settings_, settings::FilmSiteSearch::Name,
                       settings::SwapAroundComma(txtName_->text()));
}

}  // namespace ui::lists
