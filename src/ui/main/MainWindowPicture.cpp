// The cover picture of the shown movie: offered by a drop, a paste or a chosen file, kept as a
// pending edit, and written with the movie when it is saved.

#include "db/MoviePictures.h"
#include "io/CoverPicture.h"
#include "ui/common/CoverPictureWidget.h"
#include "ui/common/ErrorReport.h"
#include "ui/common/UserInterface.h"
#include "ui/main/MainWindow.h"
#include "ui/main/RecordView.h"
#include "ui/main/ThumbnailCache.h"

#include <QDir>
#include <QLineEdit>

namespace ui {

namespace {

const QString PictureCaption = QStringLiteral("Cover picture");

}  // namespace

void MainWindow::connectCoverPicture() {
    CoverPictureWidget* cover = record_->imgCover;
    connect(cover, &CoverPictureWidget::pictureOffered, this,
            [this](const io::PreparedPicture& prepared) {
                RunCommand(ui_, this, [&] { offerPicture(prepared); });
            });
    connect(cover, &CoverPictureWidget::chooseRequested, this,
            [this] { RunCommand(ui_, this, [this] { choosePicture(); }); });
    connect(cover, &CoverPictureWidget::removeRequested, this,
            [this] { RunCommand(ui_, this, [this] { removePicture(); }); });
}

void MainWindow::offerPicture(const io::PreparedPicture& prepared) {
    if (record_->txtMovieId->text().isEmpty() || !record_->fieldsEnabled())
        return;
    if (!prepared.ok()) {
        ui_.inform(this, PictureCaption, prepared.error + QStringLiteral("\nNothing was stored."),
                   Icon::Warning);
        return;
    }
    if (!db::HasPictureTable(connection())) {
        ui_.inform(this, PictureCaption,
                   QStringLiteral("This catalogue has no place for pictures yet.  Open it once "
                                  "more to bring it up to date, then add the picture again."),
                   Icon::Information);
        return;
    }
    record_->replacePicture(prepared.data);
    markChanged();
}

void MainWindow::choosePicture() {
    FileChoice choice;
    choice.title = QStringLiteral("Choose picture");
    choice.proposedFile = QDir::homePath();
    choice.filters = {QStringLiteral("Pictures (*.jpg *.jpeg *.png *.gif *.bmp *.webp)"),
                      QStringLiteral("All files (*)")};
    const std::optional<QString> path = ui_.chooseFile(this, choice);
    if (path)
        offerPicture(io::PrepareCoverPicture(*path));
}

void MainWindow::removePicture() {
    if (record_->txtMovieId->text().isEmpty() || !record_->imgCover->hasPicture())
        return;
    record_->removePicture();
    markChanged();
}

void MainWindow::showStoredPicture(int movieId) {
    record_->showStoredPicture(db::ReadMoviePicture(connection(), movieId).picture);
}

void MainWindow::writePendingPicture(int movieId) {
    switch (record_->pictureChange()) {
        case RecordView::PictureChange::None:
            return;
        case RecordView::PictureChange::Replaced:
            db::SetMoviePicture(connection(), movieId, record_->pendingPicture());
            break;
        case RecordView::PictureChange::Removed:
            db::RemoveMoviePicture(connection(), movieId);
            break;
    }
    thumbnails_->forget(movieId, record_->pictureChange() == RecordView::PictureChange::Replaced);
}

}  // namespace ui
