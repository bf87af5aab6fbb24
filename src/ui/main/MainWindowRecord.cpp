// The record view's commands: showing, saving, adding, deleting and stepping through movies.

#include "db/Catalogue.h"
#include "db/Genres.h"
#include "db/LabelNumbers.h"
#include "db/LookupTable.h"
#include "db/MovieDetails.h"
#include "db/MovieStamp.h"
#include "db/Movies.h"
#include "db/StoredDate.h"
#include "db/Transaction.h"
#include "ui/common/ErrorReport.h"
#include "ui/common/UserInterface.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MovieFilterIndex.h"
#include "ui/main/MovieListModel.h"
#include "ui/main/MovieListView.h"
#include "ui/main/RecordView.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <cstdio>

namespace ui {

namespace {

const QString NewMovieTitle = QStringLiteral("New Movie");

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
    const int chosen = selectedMovieId();
    if (anyChanges_) {
        if (!SaveCurrentMovie()) {
            // The fields keep the unsaved movie, and so does the selection: what is highlighted
            // is always what is shown.
            selectMovie(record_->txtMovieId->text().toInt());
            return;
        }
        // A new title refills the list; the movie the user went to is still the one to show.
        if (selectedMovieId() != chosen)
            selectMovie(chosen);
    }
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
            showStoredPicture(movieId);
            shownStamp_ = db::MovieStamp(connection(), movieId);
        } else {
            record_->clearFields();  // deleted meanwhile by someone else
            shownStamp_.clear();
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
    if (ending_) {
        std::fprintf(stderr, "%s '%s' does not exist, and there is no one left to ask.\n",
                     qPrintable(kind), qPrintable(text));
        return Resolution::Refused;
    }
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
    } catch (const db::MovieGone& gone) {
        // Deleted meanwhile by another window or program: there is nothing left to save the
        // edits into, so the window lets go of them instead of refusing every move from here.
        clearChanges();
        if (ending_) {
            std::fprintf(stderr, "%s\n", gone.what());
            return true;
        }
        ReportError(ui_, this, gone);
        PopulateLstMain();
        return true;
    } catch (const std::exception& error) {
        markChanged();  // the edits stay, to be saved once the cause is mended
        if (ending_)
            std::fprintf(stderr, "%s\n", error.what());
        else
            ReportError(ui_, this, error);
        return false;
    }
}

bool MainWindow::saveShownMovie() {
    const int movieId = record_->txtMovieId->text().toInt();
    if (const auto wrong = record_->fieldWithoutNumber()) {
        const QString refusal = QStringLiteral("%1 must be a number.  '%2' is not one.")
                                    .arg(wrong->name, wrong->field->text());
        if (ending_) {
            std::fprintf(stderr, "%s\n", qPrintable(refusal));
            return false;
        }
        ui_.inform(this, QStringLiteral("Information"), refusal, Icon::Information);
        wrong->field->setFocus();
        wrong->field->selectAll();
        return false;
    }
    if (!record_->costIsAmount()) {
        const QString refusal =
            QStringLiteral(
                "The cost '%1' is not an amount of money.  Type an amount of at most "
                "922,337,203,685,477.58.")
                .arg(record_->txtCost->text());
        if (ending_)
            std::fprintf(stderr, "%s\n", qPrintable(refusal));
        else
            ui_.inform(this, QStringLiteral("Information"), refusal, Icon::Information);
        return false;
    }
    switch (overwriteChangedMovie(movieId)) {
        case Overwrite::Save:
            break;
        case Overwrite::Drop:
            clearChanges();
            ShowSelectedMovie();
            return true;
        case Overwrite::Keep:
            return false;
    }
    db::MovieRecord movie = record_->typedRecord();
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
        if (resolution == Resolution::Found) {
            db::UpdateMovie(connection(), movieId, movie);
            writePendingPicture(movieId);
        }
    }
    shownStamp_ = db::MovieStamp(connection(), movieId);
    // No and Cancel both keep the edits pending: the user stays on this movie, Save Changes
    // stays on, and the next move asks again rather than dropping them. The cover with them.
    if (resolution != Resolution::Found) {
        markChanged();
        return false;
    }
    record_->pictureSaved();
    if (ending_)
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
        filterIndex_->update(connection(), movieId);
        if (titleChanged) {
            // A new title moves the movie: refill (re-sorted, under the active search) and keep
            // it selected when it is still listed.
            PopulateLstMain();
            if (selectMovie(movieId))
                ShowSelectedMovie();
        }
    }
    list_->setFocus();
    return true;
}

void MainWindow::saveChanges() {
    SaveCurrentMovie();
    // On while edits are still pending (a refused or cancelled save), so they can be saved.
    record_->cmdSaveChanges->setEnabled(anyChanges_);
}

void MainWindow::addMovie() {
    if (!SaveCurrentMovie())
        return;
    // A movie still titled "New Movie" is shown again rather than added twice: nothing is
    // deleted to make room for a new one.
    int movieId = db::FindMovieByTitle(connection(), NewMovieTitle);
    if (movieId == 0) {
        // No genre ("(none)"): the first genre by name would be a guess the user may not see.
        db::MovieRecord movie;
        movie.locationId = db::FirstLookupIdByName(connection(), db::LookupTable::Location);
        movie.mediaId = db::FirstLookupIdByName(connection(), db::LookupTable::Media);
        movie.ratingId = db::FirstLookupIdByName(connection(), db::LookupTable::Rating);
        movie.title = NewMovieTitle;
        movie.labelNumber = db::NextLabelNumber(connection());
        movie.acquireDate = db::CurrentCatalogueDateTime();
        movieId = db::InsertMovie(connection(), movie);
    }
    PopulateLstMain();
    revealMovie(movieId);
    if (selectMovie(movieId))
        ShowSelectedMovie();
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
        selectRow(target);
        ShowSelectedMovie();
    }
    list_->setFocus();
}

}  // namespace ui
