#include "ui/lists/SetGenreDialog.h"

#include "db/Genres.h"
#include "db/LookupLists.h"
#include "ui/common/ErrorReport.h"
#include "ui/common/UserInterface.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSet>
#include <QVBoxLayout>

namespace ui::lists {

namespace {

// Each "/"-separated piece is a whole number, so that genre 1 never matches 12 or 21.
QSet<int> idsOf(const QString& genreIds) {
    QSet<int> ids;
    for (QStringView piece : QStringView(genreIds).split(u'/', Qt::SkipEmptyParts)) {
        bool ok = false;
        const int id = piece.trimmed().toInt(&ok);
        if (ok)
            ids.insert(id);
    }
    return ids;
}

}  // namespace

SetGenreDialog::SetGenreDialog(UserInterface& ui, db::Connection& connection, QWidget* parent)
    : QDialog(parent), ui_(ui), connection_(connection) {
    setObjectName(QStringLiteral("frmSetGenre"));
    setWindowTitle(QStringLiteral("Set Genres"));
    if (parent)
        setWindowIcon(parent->window()->windowIcon());

    lblHelp_ = new QLabel(QStringLiteral("Select the genres that best fit this movie."), this);
    lblHelp_->setObjectName(QStringLiteral("lblHelp"));
    lstGenre_ = new QListWidget(this);
    lstGenre_->setObjectName(QStringLiteral("lstGenre"));
    lstGenre_->setSelectionMode(QAbstractItemView::MultiSelection);
    lblHelp_->setBuddy(lstGenre_);

    cmdOK_ = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setDefault(true);
    cmdCancel_ = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel_->setAutoDefault(false);
    cmdClear_ = new QPushButton(QStringLiteral("C&lear"), this);
    cmdClear_->setObjectName(QStringLiteral("cmdClear"));
    cmdClear_->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdClear_);
    buttons->addStretch();
    buttons->addWidget(cmdOK_);
    buttons->addWidget(cmdCancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblHelp_);
    layout->addWidget(lstGenre_, 1);
    layout->addLayout(buttons);

    connect(cmdOK_, &QPushButton::clicked, this, &SetGenreDialog::OK);
    connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdClear_, &QPushButton::clicked, this, &SetGenreDialog::Clear);
    connect(lstGenre_, &QListWidget::itemSelectionChanged, this, &SetGenreDialog::keepNoneAlone);
}

void SetGenreDialog::PopulateList() {
    const QScopedValueRollback<bool> adjusting(adjusting_, true);
    lstGenre_->clear();
    const QString noneText = QString::fromLatin1(db::NoGenreText);
    auto* none = new QListWidgetItem(noneText, lstGenre_);
    RunCommand(ui_, this, [&] {
        const QSet<int> chosen = idsOf(GenreIds);
        for (const db::LookupEntry& genre :
             db::LookupEntries(connection_, db::LookupTable::Genre)) {
            // A genre row called "(none)" (a file not upgraded yet) is the entry above.
            if (genre.name.trimmed().compare(noneText, Qt::CaseInsensitive) == 0)
                continue;
            auto* item = new QListWidgetItem(genre.name, lstGenre_);
            item->setSelected(chosen.contains(genre.id));
        }
    });
    none->setSelected(lstGenre_->selectedItems().isEmpty());
    noneWasChosen_ = none->isSelected();
}

QListWidgetItem* SetGenreDialog::noneEntry() const {
    return lstGenre_->item(0);
}

void SetGenreDialog::keepNoneAlone() {
    QListWidgetItem* none = noneEntry();
    if (adjusting_ || !none)
        return;
    const QScopedValueRollback<bool> adjusting(adjusting_, true);
    const QList<QListWidgetItem*> chosen = lstGenre_->selectedItems();
    const bool genreChosen = chosen.size() > (none->isSelected() ? 1 : 0);
    if (none->isSelected() && genreChosen) {
        if (noneWasChosen_)
            none->setSelected(false);
        else
            for (QListWidgetItem* item : chosen)
                item->setSelected(item == none);
    } else if (!genreChosen) {
        none->setSelected(true);
    }
    noneWasChosen_ = none->isSelected();
}

void SetGenreDialog::Clear() {
    lstGenre_->clearSelection();
}

void SetGenreDialog::OK() {
    GenreChoice chosen;
    const bool read = RunCommand(ui_, this, [&] {
        for (int row = 0; row < lstGenre_->count(); ++row) {
            const QListWidgetItem* item = lstGenre_->item(row);
            if (!item->isSelected() || item == noneEntry())
                continue;
            // A genre renamed or deleted since the list was filled is left out.
            const int id = db::FindLookupId(connection_, db::LookupTable::Genre, item->text());
            if (id == 0)
                continue;
            if (!chosen.ids.isEmpty()) {
                chosen.ids += u'/';
                chosen.names += QStringLiteral(", ");
            }
            chosen.ids += QString::number(id);
            chosen.names += item->text();
        }
    });
    if (!read)
        return;
    choice_ = chosen;
    accept();
}

std::optional<GenreChoice> ChooseGenres(UserInterface& ui, db::Connection& connection,
                                        const QString& genreIds, QWidget* parent) {
    SetGenreDialog frmSetGenre(ui, connection, parent);
    frmSetGenre.GenreIds = genreIds;
    frmSetGenre.PopulateList();
    if (ui.runModal(frmSetGenre) != QDialog::Accepted)
        return std::nullopt;
    return frmSetGenre.choice();
}

}  // namespace ui::lists
