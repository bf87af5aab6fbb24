#include "ui/search/SearchDialog.h"

#include "db/MovieList.h"
#include "ui/common/ErrorReport.h"
#include "ui/common/UserInterface.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

namespace ui {

SearchDialog::SearchDialog(const SearchDialogContext& context, const char* formName,
                           const char* caption, const char* help)
    : QDialog(context.parent), context_(context) {
    setObjectName(QString::fromLatin1(formName));
    setWindowTitle(QCoreApplication::translate("ui::SearchDialog", caption));
    if (context.parent != nullptr)
        setWindowIcon(context.parent->windowIcon());

    lblHelp = new QLabel(QCoreApplication::translate("ui::SearchDialog", help), this);
    lblHelp->setObjectName(QStringLiteral("lblHelp"));
    lblHelp->setWordWrap(true);

    cmdSearch = new QPushButton(tr("&Search"), this);
    cmdSearch->setObjectName(QStringLiteral("cmdSearch"));
    cmdSearch->setDefault(true);
    cmdCancel = new QPushButton(tr("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    // Escape rejects the dialog too, so Cancel is also the escape button.
    connect(cmdSearch, &QPushButton::clicked, this, &SearchDialog::search);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void SearchDialog::search() {
    if (!RunCommand(context_.ui, this, [this] { runSearch(); }))
        input().setFocus();
}

void SearchDialog::refuse(const QString& message) {
    context_.ui.inform(this, tr("Information"), message, Icon::Information);
    input().setFocus();
}

void SearchDialog::activateIfAnyMatch(const db::ActiveSearch& candidate,
                                      const QString& noMatchMessage) {
    // The movies found are the ones listed: the pattern is matched once.
    db::MovieListRows found = db::ReadMovieList(context_.connection, candidate);
    if (found.empty()) {
        refuse(noMatchMessage);
        return;
    }
    context_.search = candidate;
    if (context_.populateLstMain)
        context_.populateLstMain(std::move(found));
    accept();
}

}  // namespace ui
