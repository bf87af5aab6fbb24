// The Covers view: the movie list shown as a grid of thumbnails, in the list's place.

#include "db/MoviePictures.h"
#include "ui/common/ErrorReport.h"
#include "ui/main/CoverGridView.h"
#include "ui/main/FilterLine.h"
#include "ui/main/MainMenus.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MovieListModel.h"
#include "ui/main/MovieListView.h"
#include "ui/main/ThumbnailCache.h"

#include <QAction>
#include <QBoxLayout>
#include <QToolButton>

namespace ui {

void MainWindow::connectCoverGrid() {
    thumbnails_ = new ThumbnailCache(
        [this](int movieId) { return db::ReadMovieThumbnail(connection(), movieId); }, 48 * 1024,
        this);
    covers_ = new CoverGridView(*model_, *thumbnails_);
    covers_->setSelectionModel(list_->selectionModel());  // one chosen movie for both
    auto* layout = qobject_cast<QBoxLayout*>(list_->parentWidget()->layout());
    layout->insertWidget(layout->indexOf(list_) + 1, covers_, 1);
    covers_->hide();

    QAction& item = menus_->item(QStringLiteral("mnuViewCovers"));
    item.setCheckable(true);
    item.setEnabled(true);
    // The same item as a toggle beside the filter line.
    auto* toggle = new QToolButton;
    toggle->setObjectName(QStringLiteral("tbnCovers"));
    toggle->setDefaultAction(&item);
    toggle->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto* filterRow = new QHBoxLayout;
    filterRow->setContentsMargins(0, 0, 0, 0);
    const int filterAt = layout->indexOf(txtFilter_);
    layout->removeWidget(txtFilter_);
    filterRow->addWidget(txtFilter_, 1);
    filterRow->addWidget(toggle);
    layout->insertLayout(filterAt, filterRow);
    connect(&item, &QAction::toggled, this,
            [this](bool shown) { RunCommand(ui_, this, [this, shown] { showCovers(shown); }); });
    connect(covers_, &CoverGridView::rowChosen, this,
            [this] { RunCommand(ui_, this, [this] { ShowSelectedMovie(); }); });
    connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (covers_->isVisible())
                    covers_->scrollTo(current);
            });
    // A refill may bring movies whose pictures came in with it (an import).
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        if (covers_->isVisible())
            RunCommand(ui_, this, [this] { refreshThumbnails(); });
    });
}

void MainWindow::refreshThumbnails() {
    const QList<int> withPictures = db::MoviesWithPictures(connection());
    thumbnails_->setMoviesWithPictures(QSet<int>(withPictures.begin(), withPictures.end()));
    covers_->viewport()->update();
}

void MainWindow::showCovers(bool shown) {
    if (shown)
        refreshThumbnails();
    // The view shown takes the focus before the other is hidden, so that it does not wander
    // into the record fields.
    QAbstractItemView* view = shown ? static_cast<QAbstractItemView*>(covers_) : list_;
    QAbstractItemView* other = shown ? static_cast<QAbstractItemView*>(list_) : covers_;
    view->show();
    view->setFocus();
    other->hide();
    view->scrollTo(list_->currentIndex());
}

}  // namespace ui
