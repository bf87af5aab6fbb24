#pragma once

#include <QDialog>
#include <optional>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace db {
class Connection;
}
namespace ui {
class UserInterface;
}

namespace ui::lists {

// The genres chosen for a movie: the genre id text for txtGenreIds ("4/7") and the names for
// txtGenres ("Comedy, Drama"); both empty when none was chosen.
struct GenreChoice {
    QString ids;
    QString names;
};

// frmSetGenre: chooses the genres of the shown movie among all genres.
class SetGenreDialog : public QDialog {
    Q_OBJECT
public:
    SetGenreDialog(UserInterface& ui, db::Connection& connection, QWidget* parent = nullptr);

    // The movie's genre id text, set before PopulateList.
    QString GenreIds;

    // Lists "(none)" and every genre, and selects exactly those of GenreIds ("(none)" when it
    // names none of them).
    void PopulateList();
    // Deselects every genre; the dialog stays open.
    void Clear();
    // Takes the chosen genres that still exist, in list order, and closes.
    void OK();

    const GenreChoice& choice() const { return choice_; }
    QListWidget& lstGenre() const { return *lstGenre_; }

private:
    // "(none)" stands alone: choosing it drops the genres, choosing a genre drops it, and it is
    // chosen again when nothing else is.
    void keepNoneAlone();
    QListWidgetItem* noneEntry() const;

    UserInterface& ui_;
    db::Connection& connection_;
    GenreChoice choice_;
    QLabel* lblHelp_ = nullptr;
    QListWidget* lstGenre_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
    QPushButton* cmdClear_ = nullptr;
    bool noneWasChosen_ = false;
    bool adjusting_ = false;
};

// Set Genres: shows frmSetGenre for a movie's genre id text; the choice on OK, nothing on Cancel.
std::optional<GenreChoice> ChooseGenres(UserInterface& ui, db::Connection& connection,
                                        const QString& genreIds, QWidget* parent);

}  // namespace ui::lists
