#include "ui/report/ReportSelectionDialog.h"

#include "db/LookupLists.h"
#include "settings/Settings.h"
#include "ui/common/UserInterface.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

namespace {

struct Terms {
    const char* objectName;
    const char* caption;
    const char* listName;
    const char* help;
    const char* nothingChosen;
    const char* settingsKey;
    db::LookupTable table;
};

const Terms& termsOf(ReportSelectionDialog::Kind kind) {
    static const Terms rating{
        "frmReportRating",
        "Movie List by Rating",
        "lstRatings",
        "Select the ratings to print.  Click 'Print Report' when ready or 'Cancel' to quit.",
        "Select one or more ratings to print.",
        settings::key::SearchRatingIds,
        db::LookupTable::Rating};
    static const Terms media{
        "frmReportMedia",
        "Movie Listing by Media",
        "lstMedia",
        "Select the media formats to print.  Click 'Print Report' when ready or 'Cancel' to "
        "quit.",
        "Select one or more media formats to print.",
        settings::key::SearchMediaIds,
        db::LookupTable::Media};
    return kind == ReportSelectionDialog::Kind::Rating ? rating : media;
}

}  // namespace

ReportSelectionDialog::ReportSelectionDialog(Kind kind, UserInterface& ui,
                                             settings::Settings& settings,
                                             db::Connection& connection, RunReport runReport,
                                             QWidget* parent)
    : QDialog(parent),
      lstSelection(new QListWidget(this)),
      lblHelp(new QLabel(this)),
      cmdOK(new QPushButton(QStringLiteral("&Print Report"), this)),
      cmdCancel(new QPushButton(QStringLiteral("&Cancel"), this)),
      kind_(kind),
      ui_(ui),
      settings_(settings),
      runReport_(std::move(runReport)) {
    const Terms& terms = termsOf(kind);
    setObjectName(QString::fromLatin1(terms.objectName));
    setWindowTitle(QString::fromLatin1(terms.caption));
    setAttribute(Qt::WA_DeleteOnClose);
    lstSelection->setObjectName(QString::fromLatin1(terms.listName));
    lstSelection->setSelectionMode(QAbstractItemView::MultiSelection);
    lblHelp->setObjectName(QStringLiteral("lblHelp"));
    lblHelp->setText(QString::fromLatin1(terms.help));
    lblHelp->setWordWrap(true);
    lblHelp->setBuddy(lstSelection);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdOK->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblHelp);
    layout->addWidget(lstSelection);
    layout->addLayout(buttons);
    connect(cmdOK, &QPushButton::clicked, this, &ReportSelectionDialog::printReport);
    connect(cmdCancel, &QPushButton::clicked, this, &ReportSelectionDialog::reject);

    const QString saved = u',' + settings_.value(QString::fromLatin1(terms.settingsKey), {}) + u',';
    for (const db::LookupEntry& entry : db::LookupEntries(connection, terms.table)) {
        auto* item = new QListWidgetItem(entry.name, lstSelection);
        item->setData(Qt::UserRole, entry.id);
        item->setSelected(saved.contains(u',' + QString::number(entry.id) + u','));
    }
}

void ReportSelectionDialog::printReport() {
    const Terms& terms = termsOf(kind_);
    QList<int> ids;
    QStringList texts;
    for (int row = 0; row < lstSelection->count(); ++row) {
        const QListWidgetItem* item = lstSelection->item(row);
        if (item->isSelected()) {
            ids.append(item->data(Qt::UserRole).toInt());
            texts.append(QString::number(ids.last()));
        }
    }
    if (ids.isEmpty()) {
        ui_.inform(this, QStringLiteral("Information"), QString::fromLatin1(terms.nothingChosen),
                   Icon::Information);
        lstSelection->setFocus();
        return;
    }
    settings_.setValue(QString::fromLatin1(terms.settingsKey), texts.join(u','));
    // The report lets events run: the user may close this dialog while it is written.
    const QPointer<ReportSelectionDialog> self(this);
    if (runReport_(ids) && self)
        close();
}

}  // namespace ui
