// The record view's commands: showing, saving, adding, deleting and stepping through movies.

#include "db/Catalogue.h"
#include "db/Genres.h"
#include "db/LookupTable.h"
#include "db/MovieDetails.h"
#include "db/Movies.h"
#include "db/StoredDate.h"
#include "db/TextRoutines.h"
#include "db/Transaction.h"
#include "ui/common/ErrorReport.h"
#include "ui/common/UserInterface.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MovieListModel.h"
#include "ui/main/MovieListView.h"
#include "ui/main/RecordFieldText.h"
#include "ui/main/RecordView.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScopedValueRollback>

namespace ui {

namespace {

const QString NewMovieTitle = QStringLiteral("New Movie");

// The values typed into the record view, read leniently: numbers as their leading number,
// dates through the lenient reader, and nothing refused.
db::MovieRecord typedRecord(const RecordView& view) {
    db::MovieRecord record;
    record.genreIds = view.txtGenreIds->text();
    record.title = view.txtTitle->text();
    record.minutes = WholeNumberFromText(view.txtMinutes->text());
    record.releaseYear = WholeNumberFromText(view.txtYear->text());
    record.stars = StarsFromText(view.txtStars->text());
    record.cost = CostFromText(view.txtCost->text());
    record.acquireDate = db::SafeDate(view.txtAcquireDate->text());
    record.lentDate = db::SafeDate(view.txtLentDate->text());
    record.director = view.txtDirector->text();
    record.producer = view.txtProducer->text();
    record.labelNumber = view.txtLabelNumber->text();
    record.lentTo = view.txtLentTo->text();
    record.notes = view.txtNotes->toPlainText();
    return record;
}

struct LookupQuestion {
    db::LookupTable table;
    const char* kind;
};

const LookupQuestion LookupQuestions[] = {
    {db::LookupTable::Rating, "Rating"},
    {db::LookupTable::Media, "Media"},
    {db::LookupTable::Location, "Location"},
};

}  // namespace

void MainWindow::ShowSelectedMovie() {
    if (anyChanges_ && !SaveCurrentMovie())
        return;  // the fields keep the unsaved movie although the selection has moved
    if (model_->rowCount() == 0) {
        record_->clearFields();
        clearChanges();
        return;
    }
    const int movieId = selectedMovieId();
    if (movieId > 0) {
        const std::optional<db::MovieDetails> movie = db::ReadMovie(connection(), movieId);
        if (movie) {
            RecordView::LookupNames names;
            names.locations = db::LookupNames(connection(), db::LookupTable::Location);
            names.ratings = db::LookupNames(connection(), db::LookupTable::Rating);
            names.media = db::LookupNames(connection(), db::LookupTable::Media);
            record_->showMovie(*movie, names);
        } else {
            record_->clearFields();  // deleted meanwhile by someone else
        }
    }
    clearChanges();
}

MainWindow::Resolution MainWindow::resolveLookup(int& id, int table, const QString& text) {
    const LookupQuestion& question = LookupQuestions[table];
    id = db::FindLookupId(connection(), question.table, text);
    if (id > 0)
        return Resolution::Found;
    const QString kind = QString::fromLatin1(question.kind);
    switch (ui_.ask(this, QStringLiteral("Add %1?").arg(kind),
                    QStringLiteral("%1 '%2' does not exist.  Add it?").arg(kind, text),
                    Buttons::YesNoCancel)) {
        case Answer::Yes:
            id = db::LookupOrAddId(connection(), question.table, text);
            return Resolution::Found;
        case Answer::No:
            return Resolution::Refused;
        case Answer::Cancel:
            return Resolution::Cancelled;
    }
    return Resolution::Cancelled;
}

bool MainWindow::SaveCurrentMovie() {
    if (record_->txtMovieId->text().isEmpty()) {
        clearChanges();
        return true;
    }
    if (!anyChanges_)
        return true;
    try {
        return saveShownMovie();
    } catch (const std::exception& error) {
        markChanged();  // the edits stay, to be saved once the cause is mended
        ReportError(ui_, this, error);
        return false;
    }
}

bool MainWindow::saveShownMovie() {
    const int movieId = record_->txtMovieId->text().toInt();
    db::MovieRecord movie = typedRecord(*record_);
    clearChanges();

    // The add-it questions come before any writing, so that the cast and the movie row are
    // written together; the cast is written whatever the answers.
    int* const ids[] = {&movie.ratingId, &movie.mediaId, &movie.locationId};
    const QString texts[] = {record_->cboRating->currentText(), record_->cboMedia->currentText(),
                             record_->cboLocation->currentText()};
    Resolution resolution = Resolution::Found;
    for (int table = 0; table < 3 && resolution == Resolution::Found; ++table)
        resolution = resolveLookup(*ids[table], table, texts[table]);
    {
        db::Transaction transaction(connection());
        db::SetMovieCast(connection(), movieId, record_->castNames());
        if (resolution == Resolution::Found)
            db::UpdateMovie(connection(), movieId, movie);
    }
    if (resolution == Resolution::Refused) {
        markChanged();
        return false;
    }
    if (resolution == Resolution::Cancelled)
        return true;

    const int row = model_->rowOfMovie(movieId);
    if (row >= 0) {
        const bool titleChanged = model_->movieAt(row).title != movie.title;
        db::MovieListRow cells;
        cells.movieId = movieId;
        cells.title = movie.title;
        cells.genres = db::GetGenreText(connection(), movieId);
        cells.location = texts[2];
        cells.labelNumber = movie.labelNumber;
        cells.minutes = movie.minutes;
        cells.releaseYear = movie.releaseYear;
        cells.stars = movie.stars;
        model_->updateMovie(cells);
        if (titleChanged) {
            // A new title moves the movie: refill (re-sorted, under the active search) and keep
            // it selected when it is still listed.
            PopulateLstMain();
            if (const int moved = model_->rowOfMovie(movieId); moved >= 0) {
                {
                    QScopedValueRollback<bool> filling(filling_, true);
                    selectRow(moved);
                }
                ShowSelectedMovie();
            }
        }
    }
    list_->setFocus();
    return true;
}

void MainWindow::saveChanges() {
    SaveCurrentMovie();
}

void MainWindow::addMovie() {
    if (!SaveCurrentMovie())
        return;
    // A movie still titled "New Movie" is shown again rather than added twice: nothing is
    // deleted to make room for a new one.
    int movieId = db::FindMovieByTitle(connection(), NewMovieTitle);
    if (movieId == 0) {
        db::MovieRecord movie;
        movie.genreIds =
            QString::number(db::FirstLookupIdByName(connection(), db::LookupTable::Genre));
        movie.locationId = db::FirstLookupIdByName(connection(), db::LookupTable::Location);
        movie.mediaId = db::FirstLookupIdByName(connection(), db::LookupTable::Media);
        movie.ratingId = db::FirstLookupIdByName(connection(), db::LookupTable::Rating);
        movie.title = NewMovieTitle;
        movie.acquireDate = db::CurrentCatalogueDateTime();
        movieId = db::InsertMovie(connection(), movie);
    }
    PopulateLstMain();
    if (const int row = model_->rowOfMovie(movieId); row >= 0) {
        {
            QScopedValueRollback<bool> filling(filling_, true);
            selectRow(row);
        }
        ShowSelectedMovie();
    }
    list_->setFocus();
    record_->txtTitle->setFocus();
    record_->txtTitle->selectAll();
}

void MainWindow::deleteSelectedMovie() {
    const int movieId = selectedMovieId();
    if (movieId != -1 && SaveCurrentMovie())
        DeleteMovie(movieId);
}

void MainWindow::DeleteMovie(int movieId) {
    const QString title = db::ReadMovieTitle(connection(), movieId);
    if (ui_.ask(this, QStringLiteral("Delete Warning"),
                QStringLiteral("Delete movie '%1'?").arg(title),
                Buttons::YesNoCancel) != Answer::Yes)
        return;
    // Edits still pending on the movie being deleted have nowhere to go.
    if (record_->txtMovieId->text().toInt() == movieId)
        clearChanges();
    db::DeleteMovieRows(connection(), movieId);
    PopulateLstMain();
}

void MainWindow::nextMovie() {
    moveSelection(1);
}

void MainWindow::previousMovie() {
    moveSelection(-1);
}

void MainWindow::moveSelection(int step) {
    // The pressed button is off while the command runs, so that a second press cannot start it
    // again.
    QPushButton* pressed = step > 0 ? record_->cmdNextMovie : record_->cmdPreviousMovie;
    pressed->setEnabled(false);
    const auto enableAgain = qScopeGuard([pressed] { pressed->setEnabled(true); });
    if (!SaveCurrentMovie())
        return;
    const int movieId = selectedMovieId();
    const int row = movieId == -1 ? -1 : model_->rowOfMovie(movieId);
    const int target = row + step;
    if (row >= 0 && target >= 0 && target < model_->rowCount()) {
        {
            QScopedValueRollback<bool> filling(filling_, true);
            selectRow(target);
        }
        ShowSelectedMovie();
    }
    list_->setFocus();
}

}  // namespace ui
