#include "ui/search/GenreSearchDialog.h"

#include "db/LookupLists.h"
#include "settings/Settings.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

GenreSearchDialog::GenreSearchDialog(const SearchDialogContext& context)
    : SearchDialog(
          context, "frmSearchGenre", QT_TRANSLATE_NOOP("ui::SearchDialog", "Search Genre"),
          QT_TRANSLATE_NOOP("ui::SearchDialog", "Select the genres that you want to find.")) {
    lstGenre = new QListWidget(this);
    lstGenre->setObjectName(QStringLiteral("lstGenre"));
    lstGenre->setSelectionMode(QAbstractItemView::MultiSelection);
    lblHelp->setBuddy(lstGenre);
    auto* cmdClear = new QPushButton(tr("C&lear"), this);
    cmdClear->setObjectName(QStringLiteral("cmdClear"));
    cmdClear->setAutoDefault(false);
    connect(cmdClear, &QPushButton::clicked, lstGenre, &QListWidget::clearSelection);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblHelp);
    layout->addWidget(lstGenre);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdClear);
    buttons->addStretch();
    buttons->addWidget(cmdSearch);
    buttons->addWidget(cmdCancel);
    layout->addLayout(buttons);
    setTabOrder(lstGenre, cmdClear);
    setTabOrder(cmdClear, cmdSearch);
    setTabOrder(cmdSearch, cmdCancel);
    setMinimumSize(320, 360);

    fillGenres();
    lstGenre->setFocus();
}

QWidget& GenreSearchDialog::input() {
    return *lstGenre;
}

void GenreSearchDialog::fillGenres() {
    const QString saved = u',' + context_.settings.value(settings::key::SearchGenreIds) + u',';
    for (const db::LookupEntry& genre :
         db::LookupEntries(context_.connection, db::LookupTable::Genre)) {
        auto* item = new QListWidgetItem(genre.name, lstGenre);
        item->setSelected(saved.contains(u',' + QString::number(genre.id) + u','));
    }
}

// The ids of the selected genres in list order, joined by ","; a genre renamed or deleted since
// the list was filled adds nothing.
QString GenreSearchDialog::selectedGenreIds() const {
    QStringList ids;
    for (int row = 0; row < lstGenre->count(); ++row) {
        const QListWidgetItem* item = lstGenre->item(row);
        if (!item->isSelected())
            continue;
        if (const int id =
                db::FindLookupId(context_.connection, db::LookupTable::Genre, item->text());
            id > 0)
            ids.append(QString::number(id));
    }
    return ids.join(u',');
}

void GenreSearchDialog::runSearch() {
    const QString ids = selectedGenreIds();
    if (ids.isEmpty()) {
        refuse(tr("Enter a genre to search for."));
        return;
    }
    context_.settings.setValue(QString::fromLatin1(settings::key::SearchGenreIds), ids);
    db::ActiveSearch candidate = context_.search;
    candidate.type = db::SearchType::Genres;
    candidate.genreIds = ids;
    activateIfAnyMatch(candidate, tr("No movies have the genres you selected."));
}

}  // namespace ui
