#pragma once

#include "db/MoviePictures.h"
#include "db/MovieRecord.h"

#include <QWidget>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace db {
struct MovieDetails;
}

namespace ui {

class CoverPictureWidget;
class FilmSitePicture;

// The record fields and buttons beside the movie list. It only shows and hands back what is
// typed; the main window decides what to read and write.
class RecordView : public QWidget {
    Q_OBJECT
public:
    explicit RecordView(QWidget* parent = nullptr);

    struct LookupNames {
        QStringList locations;
        QStringList ratings;
        QStringList media;
    };
    // Fills every field without marking the movie changed.
    void showMovie(const db::MovieDetails& movie, const LookupNames& names);
    // Empties every field, the drop-down lists and the cast.
    void clearFields();
    // EnableMovieFields: the record fields together; the add, delete, next, previous and close
    // buttons are not touched.
    void EnableMovieFields(bool enabled);
    bool fieldsEnabled() const;
    // The movie as the fields now hold it, read leniently; the ids of the drop-down lists are
    // left to the caller.
    db::MovieRecord typedRecord() const;
    // False when the typed cost is a number but no amount of money (NaN, infinite, too large).
    bool costIsAmount() const;
    QStringList castNames() const;
    // The first typed number field (stars, minutes, year, cost) that holds no number, with the
    // field's name for a message; nothing when all of them do.
    struct NoNumber {
        QLineEdit* field;
        QString name;
    };
    std::optional<NoNumber> fieldWithoutNumber() const;

    // The cover is one of the movie's pending edits: shown at once, written with the movie.
    enum class PictureChange { None, Replaced, Removed };
    // The stored picture of the shown movie (empty: none); forgets a pending change.
    void showStoredPicture(const QByteArray& encoded);
    void replacePicture(const db::PictureData& picture);
    void removePicture();
    PictureChange pictureChange() const { return pictureChange_; }
    const db::PictureData& pendingPicture() const { return pendingPicture_; }
    // The pending change was written: it is now the stored picture.
    void pictureSaved() { pictureChange_ = PictureChange::None; }

    QLineEdit* const txtMovieId;
    QLineEdit* const txtTitle;
    QLineEdit* const txtGenres;
    QLineEdit* const txtGenreIds;
    QLineEdit* const txtStars;
    QComboBox* const cboMedia;
    QLineEdit* const txtMinutes;
    QComboBox* const cboRating;
    QLineEdit* const txtYear;
    QListWidget* const lstActors;
    QComboBox* const cboLocation;
    QLineEdit* const txtLabelNumber;
    QLineEdit* const txtDirector;
    QLineEdit* const txtProducer;
    QLineEdit* const txtCost;
    QLineEdit* const txtAcquireDate;
    QLineEdit* const txtLentTo;
    QLineEdit* const txtLentDate;
    QPlainTextEdit* const txtNotes;

    QPushButton* const cmdSetGenre;
    QPushButton* const cmdAddActor;
    QPushButton* const cmdRemove;
    QPushButton* const cmdAddMovie;
    QPushButton* const cmdDeleteMovie;
    QPushButton* const cmdSaveChanges;
    QPushButton* const cmdPreviousMovie;
    QPushButton* const cmdNextMovie;
    QPushButton* const cmdClose;
    // Looks the shown title up on the film web site; greyed while the fields are disabled.
    FilmSitePicture* const imgIMDb;
    CoverPictureWidget* const imgCover;

signals:
    // The user changed a field (typing, a pick in a drop-down list).
    void edited();
    // A click on the genres field opens the genre dialog, as Set Genres does.
    void genresClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layOut();
    void trackChanges();
    void limitNotes();

    bool filling_ = false;
    db::MovieRecord shown_;
    QString shownNotes_;
    PictureChange pictureChange_ = PictureChange::None;
    db::PictureData pendingPicture_;
};

}  // namespace ui
