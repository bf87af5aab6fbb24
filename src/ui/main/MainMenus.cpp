#include "ui/main/MainMenus.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <vector>

namespace ui {

namespace {

struct Item {
    const char* name;  // empty: a separator
    const char* caption;
    const char* shortcut;
};

struct Menu {
    const char* name;
    const char* caption;
    std::vector<Item> items;
};

const Item Separator{"", "", ""};

const std::vector<Menu> MenuBar = {
    {"mnuFile",
     "&File",
     {{"mnuFileOpen", "&Open movie database..", ""},
      Separator,
      {"mnuFileAddMovie", "&Add Movie", "Ctrl+A"},
      {"mnuFileDeleteMovie", "&Delete Movie", "Ctrl+D"},
      {"mnuFileNextMovie", "&Next Movie", "Ctrl+N"},
      {"mnuFilePreviousMovie", "&Previous Movie", "Ctrl+P"},
      Separator,
      {"mnuFilePublish", "Publish as &web page..", ""},
      {"mnuFilePrinterSetup", "&Printer setup..", ""},
      Separator,
      {"mnuFileExit", "E&xit", ""}}},
    {"mnuSearch",
     "&Search",
     {{"mnuSearchTitle", "&Title search..", "F3"},
      Separator,
      {"mnuSearchActor", "&Actor search..", ""},
      {"mnuSearchDirector", "&Director search..", ""},
      {"mnuSearchGenre", "&Genre search..", ""},
      {"mnuSearchMovieId", "&Movie # search..", ""},
      {"mnuSearchMovieLabel", "La&bel # search..", ""},
      {"mnuSearchLocation", "&Location search..", ""},
      {"mnuSearchNotes", "&Notes search", ""},
      {"mnuSearchProducer", "&Producer search..", ""},
      Separator,
      {"mnuSearchClear", "&Clear search", "Ctrl+Q"}}},
    {"mnuView", "&View", {{"mnuViewCovers", "&Covers", "Ctrl+G"}}},
    {"mnuReports",
     "&Reports",
     {{"mnuReportsMovieListing", "&Movie listing..", ""},
      {"mnuReportListLabelNumber", "Movie listing (by &label #)..", ""},
      {"mnuReportsListRating", "Movie listing (by &rating)..", ""},
      {"mnuReportsListMedia", "Movie listing (by medi&a)..", ""},
      Separator,
      {"mnuReportDetailed", "Movie listing (&detailed)..", ""},
      {"mnuReportsInventoryReport", "&Inventory by location..", ""},
      {"mnuReportsCostReport", "&Cost summary..", ""},
      {"mnuReportsMoviesLentOut", "Movies l&ent out..", ""}}},
    {"mnuSetup",
     "Set&up",
     {{"mnuSetupActors", "&Actors..", ""},
      {"mnuSetupGenres", "&Genres (types)..", ""},
      {"mnuSetupMedia", "&Media..", ""},
      {"mnuSetupRatings", "&Ratings..", ""},
      {"mnuSetupStorageLocations", "&Storage locations..", ""},
      Separator,
      {"mnuSetupDeleteUnusedActors", "&Delete Unused actors..", ""},
      Separator,
      {"mnuSetupIMDb", "&IMDb settings..", ""}}},
    {"mnuTools",
     "&Tools",
     {{"mnuToolsExport", "&Export to file..", ""},
      {"mnuToolsImport", "&Import from file..", ""},
      {"mnuToolsImportPeer", "Import from &another catalogue..", ""},
      Separator,
      {"mnuToolsCheckData", "&Repair data..", ""},
      {"mnuToolsCheckLabels", "&Check label numbers..", ""},
      {"mnuToolsFindDuplicates", "&Find duplicate movies..", ""},
      Separator,
      {"mnuToolsStartOver", "&Start over..", ""}}},
    {"mnuHelp",
     "&Help",
     {{"mnuHelpGuide", "&User guide", "F1"},
      {"mnuHelpKeys", "&Keyboard shortcuts", ""},
      Separator,
      {"mnuHelpAbout", "&About..", ""}}},
};

const std::vector<Item> PopupItems = {{"mnuPopupAdd", "Add New Movie", ""},
                                      {"mnuPopupDelete", "Delete Movie", ""}};

}  // namespace

MainMenus::MainMenus(QMainWindow& window) {
    auto addItems = [this, &window](QMenu* menu, const std::vector<Item>& items) {
        for (const Item& item : items) {
            if (*item.name == '\0') {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(QString::fromUtf8(item.caption));
            action->setObjectName(QString::fromLatin1(item.name));
            if (*item.shortcut != '\0') {
                action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
                // The shortcut works wherever the focus is in the window.
                action->setShortcutContext(Qt::WindowShortcut);
                window.addAction(action);
            }
            action->setEnabled(false);
            items_.insert(action->objectName(), action);
        }
    };
    for (const Menu& entry : MenuBar) {
        QMenu* menu = window.menuBar()->addMenu(QString::fromUtf8(entry.caption));
        menu->setObjectName(QString::fromLatin1(entry.name));
        addItems(menu, entry.items);
    }
    // The movie number search is kept but not offered in the menu.
    items_.value(QStringLiteral("mnuSearchMovieId"))->setVisible(false);

    popup_ = new QMenu(QStringLiteral("Popup"), &window);
    popup_->setObjectName(QStringLiteral("mnuPopup"));
    addItems(popup_, PopupItems);
}

QAction& MainMenus::item(const QString& name) const {
    QAction* action = items_.value(name);
    Q_ASSERT_X(action, "MainMenus::item", qPrintable(name));
    return *action;
}

}  // namespace ui
