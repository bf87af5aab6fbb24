// The dialogs the main window opens: search, the setup lists, the cast and genres, the tools,
// the film web site and the about box.

#include "db/Catalogue.h"
#include "db/LookupTable.h"
#include "report/LabelCheckReport.h"
#include "ui/common/ErrorReport.h"
#include "ui/common/FilmSitePicture.h"
#include "ui/common/UserInterface.h"
#include "ui/lists/CastEditing.h"
#include "ui/lists/CastList.h"
#include "ui/lists/ListDialog.h"
#include "ui/lists/LookupDialog.h"
#include "ui/lists/SetGenreDialog.h"
#include "ui/main/MainMenus.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MovieListModel.h"
#include "ui/main/MovieListView.h"
#include "ui/main/RecordView.h"
#include "ui/report/ReportCommands.h"
#include "ui/report/ReportSession.h"
#include "ui/search/SearchDialogs.h"
#include "ui/shell/AboutDialog.h"
#include "ui/shell/FilmSiteDialog.h"
#include "ui/shell/FilmSiteSearch.h"
#include "ui/tools/DuplicateMoviesDialog.h"
#include "ui/tools/ExportDialog.h"
#include "ui/tools/ImportDialog.h"
#include "ui/tools/MaintenanceCommands.h"
#include "ui/tools/PeerImportCommand.h"
#include "ui/tools/PublishCommand.h"
#include "ui/tools/StartOverDialog.h"

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

namespace ui {

namespace {

struct SearchItem {
    const char* menuItem;
    db::SearchType type;
};

const SearchItem SearchItems[] = {
    {"mnuSearchTitle", db::SearchType::Title},       {"mnuSearchActor", db::SearchType::Actor},
    {"mnuSearchDirector", db::SearchType::Director}, {"mnuSearchGenre", db::SearchType::Genres},
    {"mnuSearchMovieId", db::SearchType::MovieId},   {"mnuSearchMovieLabel", db::SearchType::Label},
    {"mnuSearchLocation", db::SearchType::Location}, {"mnuSearchNotes", db::SearchType::Notes},
    {"mnuSearchProducer", db::SearchType::Producer},
};

struct ListItem {
    const char* menuItem;
    db::LookupTable table;
};

const ListItem ListItems[] = {
    {"mnuSetupActors", db::LookupTable::Actor},
    {"mnuSetupGenres", db::LookupTable::Genre},
    {"mnuSetupMedia", db::LookupTable::Media},
    {"mnuSetupRatings", db::LookupTable::Rating},
    {"mnuSetupStorageLocations", db::LookupTable::Location},
};

}  // namespace

void MainWindow::connectDialogs() {
    auto enable = [this](const char* name, std::function<void()> command) {
        QAction& item = menus_->item(QString::fromLatin1(name));
        item.setEnabled(true);
        connect(&item, &QAction::triggered, this,
                [this, command] { RunCommand(ui_, this, command); });
    };
    for (const SearchItem& search : SearchItems) {
        const db::SearchType type = search.type;
        enable(search.menuItem, [this, type] {
            if (!SaveCurrentMovie())
                return;
            auto lookup = [this](db::LookupTable table) {
                return [this, table](QLineEdit& txtSearch) {
                    lists::LookupDialog picker(ui_, connection(), table, txtSearch, this);
                    ui_.runModal(picker);
                };
            };
            const SearchDialogContext context{ui_,
                                              settings_,
                                              connection(),
                                              search_,
                                              this,
                                              [this](db::MovieListRows rows) {
                                                  model_->clear();
                                                  PopulateLstMain(std::move(rows));
                                              },
                                              lookup(db::LookupTable::Actor),
                                              lookup(db::LookupTable::Location)};
            std::unique_ptr<QDialog> dialog = MakeSearchDialog(type, context);
            ui_.runModal(*dialog);
        });
    }
    for (const ListItem& list : ListItems) {
        const db::LookupTable table = list.table;
        enable(list.menuItem, [this, table] {
            if (!SaveCurrentMovie())
                return;
            {
                lists::ListDialog dialog(ui_, catalogue_, settings_, table, this);
                ui_.runModal(dialog);
            }
            refillKeepingSelection();
        });
    }
    // The tools save the shown movie first: the clean-up must not delete an actor it has just
    // been given, and a reset must not leave its edits to be written into the new catalogue.
    auto refill = [this] { PopulateLstMain(); };
    enable("mnuToolsExport", [this] {
        if (SaveCurrentMovie())
            ShowExportDialog(ui_, settings_, catalogue_, this);
    });
    enable("mnuToolsImport", [this, refill] {
        if (SaveCurrentMovie())
            ShowImportDialog(ui_, settings_, catalogue_, this, refill);
    });
    enable("mnuToolsImportPeer", [this, refill] {
        if (SaveCurrentMovie())
            ImportFromPeerCommand(ui_, settings_, catalogue_, this, refill);
    });
    enable("mnuFilePublish", [this] {
        if (SaveCurrentMovie())
            PublishWebPageCommand(ui_, catalogue_, this);
    });
    enable("mnuToolsCheckData", [this, refill] {
        if (SaveCurrentMovie())
            RepairDataCommand(ui_, catalogue_, this, refill);
    });
    enable("mnuToolsStartOver", [this, refill] {
        if (SaveCurrentMovie())
            ShowStartOverDialog(ui_, catalogue_, this, refill);
    });
    enable("mnuSetupDeleteUnusedActors", [this] {
        if (SaveCurrentMovie())
            DeleteUnusedActorsCommand(ui_, catalogue_, this);
    });
    enable("mnuSetupIMDb", [this] {
        ui::FilmSiteDialog dialog(settings_, this);
        ui_.runModal(dialog);
    });
    enable("mnuHelpAbout", [this] {
        ui::AboutDialog dialog(ui_, catalogue_, this);
        ui_.runModal(dialog);
    });
    ReportSession& reports = ConnectReportCommands(*menus_, ui_, settings_, catalogue_, *this,
                                                   [this] { return SaveCurrentMovie(); });
    enable("mnuToolsCheckLabels", [this, &reports] {
        if (SaveCurrentMovie())
            reports.run([](report::SpoolWriter& writer, db::Connection& connection) {
                return std::make_unique<report::clsReportLabelCheck>(writer, connection);
            });
    });
    enable("mnuToolsFindDuplicates", [this, refill] {
        if (!SaveCurrentMovie())
            return;
        // A movie the active search leaves out is shown with the search cleared.
        auto showMovie = [this](int movieId) {
            if (!selectMovie(movieId)) {
                clearSearch();
                selectMovie(movieId);
            }
            ShowSelectedMovie();
        };
        ShowDuplicateMoviesDialog(ui_, catalogue_, this, showMovie, refill);
    });

    auto markChanged = [this] { this->markChanged(); };
    connect(record_->cmdAddActor, &QPushButton::clicked, this, [this, markChanged] {
        RunCommand(ui_, this, [this, markChanged] {
            lists::ListWidgetCast cast(*record_->lstActors);
            lists::AddActor(ui_, connection(), settings_, cast, markChanged, this);
        });
    });
    connect(record_->cmdRemove, &QPushButton::clicked, this, [this, markChanged] {
        RunCommand(ui_, this, [this, markChanged] {
            lists::RemoveActor(ui_, *record_->lstActors, markChanged, this);
        });
    });
    auto setGenres = [this] {
        RunCommand(ui_, this, [this] {
            const auto choice =
                lists::ChooseGenres(ui_, connection(), record_->txtGenreIds->text(), this);
            if (!choice)
                return;
            record_->txtGenreIds->setText(choice->ids);
            record_->txtGenres->setText(choice->names);
            this->markChanged();
        });
    };
    connect(record_->cmdSetGenre, &QPushButton::clicked, this, setGenres);
    connect(record_, &RecordView::genresClicked, this, setGenres);
    connect(record_->imgIMDb, &FilmSitePicture::clicked, this, [this] {
        ui::SearchFilmSite(ui_, settings_, settings::FilmSiteSearch::Title,
                           record_->txtTitle->text());
    });
}

void MainWindow::refillKeepingSelection() {
    const int movieId = selectedMovieId();
    PopulateLstMain();
    if (selectMovie(movieId))
        ShowSelectedMovie();
}

}  // namespace ui
