#pragma once

#include <QDialog>
#include <optional>

class QLabel;
class QListWidget;
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

    // Lists every genre and selects exactly those of GenreIds.
    void PopulateList();
    // Deselects every genre; the dialog stays open.
    void Clear();
    // Takes the chosen genres that still exist, in list order, and closes.
    void OK();

    const GenreChoice& choice() const { return choice_; }
    QListWidget& lstGenre() const { return *lstGenre_; }

private:
    UserInterface& ui_;
    db::Connection& connection_;
    GenreChoice choice_;
    QLabel* lblHelp_ = nullptr;
    QListWidget* lstGenre_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
    QPushButton* cmdClear_ = nullptr;
};

// Set Genres: shows frmSetGenre for a movie's genre id text; the choice on OK, nothing on Cancel.
std::optional<GenreChoice> ChooseGenres(UserInterface& ui, db::Connection& connection,
                                        const QString& genreIds, QWidget* parent);

}  // namespace ui::lists
