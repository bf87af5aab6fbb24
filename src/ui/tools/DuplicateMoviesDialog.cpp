#include "ui/tools/DuplicateMoviesDialog.h"

#include "db/Catalogue.h"
#include "db/Connection.h"
#include "db/DuplicateMovies.h"
#include "ui/common/BackgroundWork.h"
#include "ui/common/DialogControls.h"
#include "ui/common/ErrorReport.h"
#include "ui/common/GroupedNumber.h"
#include "ui/common/KeepChoiceDialog.h"
#include "ui/common/UserInterface.h"
#include "ui/tools/BackupFirst.h"
#include "ui/tools/DuplicateMoviesModel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <memory>

namespace ui {

DuplicateMoviesDialog::DuplicateMoviesDialog(UserInterface& ui, db::Catalogue& catalogue,
                                             QWidget* parent, std::function<void(int)> showMovie,
                                             std::function<void()> populateLstMain)
    : QDialog(parent),
      ui_(ui),
      catalogue_(catalogue),
      showMovie_(std::move(showMovie)),
      populateLstMain_(std::move(populateLstMain)) {
    setObjectName(QStringLiteral("frmDuplicates"));
    setWindowTitle(QStringLiteral("Find Duplicate Movies"));
    if (parent)
        setWindowIcon(parent->window()->windowIcon());

    auto* lblDuplicates = new QLabel(QStringLiteral("Titles that look &alike, in groups:"), this);
    model_ = new DuplicateMoviesModel(this);
    lstDuplicates_ = RowList(this, QStringLiteral("lstDuplicates"), model_);
    lstDuplicates_->header()->setStretchLastSection(false);
    lstDuplicates_->header()->setSectionResizeMode(DuplicateMoviesModel::Title,
                                                   QHeaderView::Stretch);
    lblDuplicates->setBuddy(lstDuplicates_);
    lblCount_ = new QLabel(this);
    lblCount_->setObjectName(QStringLiteral("lblCount"));

    cmdShow_ = CommandButton(this, QStringLiteral("cmdShow"), QStringLiteral("&Show movie"));
    cmdMerge_ = CommandButton(this, QStringLiteral("cmdMerge"), QStringLiteral("&Merge…"));
    QPushButton* cmdClose =
        CommandButton(this, QStringLiteral("cmdClose"), QStringLiteral("Close"));

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdShow_);
    buttons->addWidget(cmdMerge_);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* list = new QVBoxLayout;
    list->addWidget(lblDuplicates);
    list->addWidget(lstDuplicates_, 1);
    list->addWidget(lblCount_);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(list, 1);
    layout->addLayout(buttons);

    connect(cmdShow_, &QPushButton::clicked, this, &DuplicateMoviesDialog::showCurrentMovie);
    connect(lstDuplicates_, &QAbstractItemView::doubleClicked, this,
            &DuplicateMoviesDialog::showCurrentMovie);
    connect(cmdMerge_, &QPushButton::clicked, this, &DuplicateMoviesDialog::mergeTwo);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);

    findDuplicates();
}

void DuplicateMoviesDialog::findDuplicates(std::function<void()> then) {
    lblCount_->setText(QStringLiteral("Looking for titles that look alike\u2026"));
    cmdShow_->setEnabled(false);
    cmdMerge_->setEnabled(false);
    auto groups = std::make_shared<std::vector<db::DuplicateGroup>>();
    const QString path = catalogue_.filePath();
    BackgroundWork::start(
        this, QStringLiteral("Looking for titles that look alike"),
        [path, groups](WorkProgress&) {
            const auto connection = db::Connection::open(path, db::Connection::Access::ReadOnly);
            *groups = db::FindDuplicateMovies(*connection);
        },
        [this, groups, then = std::move(then)](std::exception_ptr failure) {
            if (failure)
                RunCommand(ui_, this, [failure] { std::rethrow_exception(failure); });
            else
                model_->setGroups(*groups);
            showGroups();
            if (then)
                then();
        });
}

void DuplicateMoviesDialog::showGroups() {
    const bool any = model_->rowCount() > 0;
    lblCount_->setText(
        any ? QStringLiteral("Groups: %1  Movies: %2")
                  .arg(GroupedNumber(model_->groupCount()), GroupedNumber(model_->rowCount()))
            : QStringLiteral("No titles look alike."));
    cmdShow_->setEnabled(any);
    cmdMerge_->setEnabled(any);
    if (any)
        lstDuplicates_->selectionModel()->setCurrentIndex(
            model_->index(0, DuplicateMoviesModel::Title),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void DuplicateMoviesDialog::showCurrentMovie() {
    const QModelIndex current = lstDuplicates_->currentIndex();
    if (!current.isValid()) {
        ui_.inform(this, QStringLiteral("Information"), QStringLiteral("Click on a movie to show."),
                   Icon::Information);
        return;
    }
    const int movieId = model_->rowAt(current.row()).movie.movieId;
    RunCommand(ui_, this, [this, movieId] { showMovie_(movieId); });
}

std::optional<std::pair<int, int>> DuplicateMoviesDialog::rowsToMerge() const {
    std::vector<int> selected;
    for (int row = 0; row < model_->rowCount(); ++row)
        if (lstDuplicates_->selectionModel()->isRowSelected(row, {}))
            selected.push_back(row);
    if (selected.size() == 1)
        selected = model_->rowsOfGroup(model_->rowAt(selected.front()).group);
    if (selected.size() != 2 ||
        model_->rowAt(selected[0]).group != model_->rowAt(selected[1]).group)
        return std::nullopt;
    return std::pair{selected[0], selected[1]};
}

void DuplicateMoviesDialog::mergeTwo() {
    const std::optional<std::pair<int, int>> rows = rowsToMerge();
    if (!rows) {
        ui_.inform(this, QStringLiteral("Information"),
                   QStringLiteral("Select the two movies of one group to merge: click one, then "
                                  "hold Ctrl and click the other."),
                   Icon::Information);
        return;
    }
    const db::DuplicateMovie pair[] = {model_->rowAt(rows->first).movie,
                                       model_->rowAt(rows->second).movie};
    QStringList choices;
    for (const db::DuplicateMovie& movie : pair)
        choices.append(
            QStringLiteral("%1  (Movie # %2)").arg(movie.title, QString::number(movie.movieId)));
    const std::optional<int> keptRow = ChooseWhatStays(
        ui_, QStringLiteral("Merge movies"),
        QStringLiteral("&Keep this movie.  It gains the genres and cast of the other, which is "
                       "then deleted; its own fields stay as they are:"),
        choices, this);
    if (!keptRow)
        return;
    const db::DuplicateMovie kept = pair[*keptRow];
    const db::DuplicateMovie other = pair[1 - *keptRow];

    BackUpThen(ui_, catalogue_, this, [this, kept, other](const QString& backup) {
        if (!RunCommand(ui_, this, [&] {
                db::MergeMovies(catalogue_.connection(), kept.movieId, other.movieId);
            }))
            return;
        findDuplicates([this, kept, other, backup] {
            if (populateLstMain_)
                RunCommand(ui_, this, populateLstMain_);
            ui_.inform(this, QStringLiteral("Merge complete"),
                       QStringLiteral("'%1' (Movie # %2) is merged into '%3' (Movie # %4).")
                               .arg(other.title, QString::number(other.movieId), kept.title,
                                    QString::number(kept.movieId)) +
                           BackupNote(backup),
                       Icon::Information);
        });
    });
}

void ShowDuplicateMoviesDialog(UserInterface& ui, db::Catalogue& catalogue, QWidget* parent,
                               std::function<void(int)> showMovie,
                               std::function<void()> populateLstMain) {
    DuplicateMoviesDialog dialog(ui, catalogue, parent, std::move(showMovie),
                                 std::move(populateLstMain));
    ui.runModal(dialog);
}

}  // namespace ui
