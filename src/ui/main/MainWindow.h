#pragma once

#include "db/ActiveSearch.h"
#include "db/MovieList.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class QLabel;
class QSplitter;
class QTimer;

namespace settings {
class Settings;
}
namespace db {
class Catalogue;
class Connection;
}  // namespace db
namespace io {
struct PreparedPicture;
}

namespace ui {

class CoverGridView;
class EscapeKey;
class FilterLine;
class MainMenus;
class MovieFilterIndex;
class MovieListModel;
class MovieListView;
class RecordView;
class ThumbnailCache;
struct TitleOrder;
class UserInterface;

// frmWizard: the program's one main window, the movie list beside the record view. Every other
// function is reached from its menus, buttons and keys.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(UserInterface& ui, settings::Settings& settings, db::Catalogue& catalogue);
    ~MainWindow() override;

    // Window load: advances the splash with "Load movies", sets the title, fills the list.
    void load(const std::function<void(const QString&)>& splashStep);
    // Window unload: writes the placement and closes the catalogue; errors are ignored.
    void unload();
    // The program is ending on a signal: the shown movie's edits are saved as the close box
    // saves them, but with no one to answer a question; what cannot be saved is said on stderr.
    void endOnSignal();

    // The movie list (refill under the active search, sort, select the first row, show it).
    void PopulateLstMain();
    // The same with the rows of the active search read already: a search dialog has read them
    // to see that it finds any.
    void PopulateLstMain(db::MovieListRows rows);
    // Shows the movie of the selected row, saving the shown one first when it changed.
    void ShowSelectedMovie();
    // Writes the shown movie when it changed. False: the caller must stop and leave the user on
    // this movie.
    bool SaveCurrentMovie();
    // Asks, then deletes the movie with its cast and genre links and refills the list.
    void DeleteMovie(int movieId);
    void EnableMovieFields(bool enabled);

    // Commands of the menus, buttons and keys.
    void addMovie();
    void deleteSelectedMovie();
    void nextMovie();
    void previousMovie();
    void saveChanges();
    void clearSearch();
    void openCatalogue();
    void exit();

    bool AnyChanges() const { return anyChanges_; }
    // Marks the shown movie changed: the cast buttons and the genre dialog use it too.
    void markChanged();

    db::ActiveSearch& activeSearch() { return search_; }
    MainMenus& menus() { return *menus_; }
    RecordView& recordView() { return *record_; }
    MovieListView& movieList() { return *list_; }
    MovieListModel& movieListModel() { return *model_; }
    CoverGridView& coverGrid() { return *covers_; }
    FilterLine& filterLine() { return *txtFilter_; }
    int popupMovieId() const { return popupMovieId_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The same with the order of their titles worked out already, or empty.
    void PopulateLstMain(db::MovieListRows rows, TitleOrder&& titles);
    void layOut();
    void connectCommands();
    void connectDialogs();
    // The commands that must wait while long work runs beside the window.
    void markConflictingCommands();
    // Quitting while long work runs: asks whether to stop it, and closes once it has stopped.
    // False while work runs: the caller must not close now.
    bool workAllowsClosing();
    // Fills the list, once titles and names that have no case fold have been given theirs on the
    // worker (a catalogue another program wrote); then runs then.
    void PopulateWhenPrepared(std::function<void()> then = {});
    // A setup list may have renamed what the list and the record view show: refill, and keep the
    // movie that was selected.
    void refillKeepingSelection();
    void reopen(const QString& previous);
    void setUpColumns();
    void setCatalogueTitle();
    void clearChanges();
    db::Connection& connection();
    int selectedMovieId() const;
    void selectRow(int row);
    // Selects the movie's row when it is listed.
    bool selectMovie(int movieId);
    void sortBy(int column, Qt::SortOrder order);
    // The filter line: its index is made when the line gets the focus, the list narrowed as
    // the user types, and narrowed again after every refill.
    void layOutFilter();
    void prepareFilter();
    void filterTyped();
    void applyFilter();
    // A movie the filter hides is shown again by clearing the filter: a new movie must be seen.
    void revealMovie(int movieId);
    void showCount();
    void headerClicked(int column);
    void showPopup(const QPoint& position);
    void moveSelection(int step);
    bool saveShownMovie();
    // The cover's commands (MainWindowPicture.cpp): a picture offered to the shown movie, chosen
    // from a file, removed; each is a pending edit of the movie.
    void connectCoverPicture();
    void offerPicture(const io::PreparedPicture& prepared);
    void choosePicture();
    void removePicture();
    void showStoredPicture(int movieId);
    // Writes the pending cover with the movie, in the caller's transaction.
    void writePendingPicture(int movieId);
    // The Covers view (MainWindowCovers.cpp): the grid in the list's place, or the list again.
    void connectCoverGrid();
    void showCovers(bool shown);
    void refreshThumbnails();
    // Another program may have changed the shown movie since it was shown: Save writes over it
    // only when the user says so. Drop: the stored movie is shown and the edits let go.
    enum class Overwrite { Save, Drop, Keep };
    Overwrite overwriteChangedMovie(int movieId);
    // A drop-down list's text turned into the id to write, asking to add a missing name.
    enum class Resolution { Found, Refused, Cancelled };
    Resolution resolveLookup(int& id, int table, const QString& text);

    UserInterface& ui_;
    settings::Settings& settings_;
    db::Catalogue& catalogue_;
    db::ActiveSearch search_;
    std::unique_ptr<MainMenus> menus_;
    MovieListModel* model_;
    MovieListView* list_;
    ThumbnailCache* thumbnails_ = nullptr;
    CoverGridView* covers_ = nullptr;
    RecordView* record_;
    FilterLine* txtFilter_;
    std::unique_ptr<MovieFilterIndex> filterIndex_;
    QLabel* lblCount_;
    QLabel* lblClearSearch_;
    QSplitter* splitter_;
    QTimer* timer_;
    EscapeKey* escapeKey_;
    bool anyChanges_ = false;
    QString shownStamp_;  // the shown movie as it was stored when it was shown
    bool unloaded_ = false;
    bool ending_ = false;  // ending on a signal: nothing may wait for the user
    bool columnsSetUp_ = false;
    int popupMovieId_ = -1;
};

}  // namespace ui
