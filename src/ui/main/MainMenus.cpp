#include "ui/main/MainMenus.h"

#include <QAction>
#include <QCoreApplication>
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
     QT_TRANSLATE_NOOP("ui::MainMenus", "&File"),
     {{"mnuFileOpen", QT_TRANSLATE_NOOP("ui::MainMenus", "&Open movie database.."), ""},
      Separator,
      {"mnuFileAddMovie", QT_TRANSLATE_NOOP("ui::MainMenus", "&Add Movie"), "Ctrl+A"},
      {"mnuFileDeleteMovie", QT_TRANSLATE_NOOP("ui::MainMenus", "&Delete Movie"), "Ctrl+D"},
      {"mnuFileNextMovie", QT_TRANSLATE_NOOP("ui::MainMenus", "&Next Movie"), "Ctrl+N"},
      {"mnuFilePreviousMovie", QT_TRANSLATE_NOOP("ui::MainMenus", "&Previous Movie"), "Ctrl+P"},
      Separator,
      {"mnuFilePublish", QT_TRANSLATE_NOOP("ui::MainMenus", "Publish as &web page.."), ""},
      {"mnuFilePrinterSetup", QT_TRANSLATE_NOOP("ui::MainMenus", "&Printer setup.."), ""},
      Separator,
      {"mnuFileExit", QT_TRANSLATE_NOOP("ui::MainMenus", "E&xit"), ""}}},
    {"mnuSearch",
     QT_TRANSLATE_NOOP("ui::MainMenus", "&Search"),
     {{"mnuSearchTitle", QT_TRANSLATE_NOOP("ui::MainMenus", "&Title search.."), "F3"},
      Separator,
      {"mnuSearchActor", QT_TRANSLATE_NOOP("ui::MainMenus", "&Actor search.."), ""},
      {"mnuSearchDirector", QT_TRANSLATE_NOOP("ui::MainMenus", "&Director search.."), ""},
      {"mnuSearchGenre", QT_TRANSLATE_NOOP("ui::MainMenus", "&Genre search.."), ""},
      {"mnuSearchMovieId", QT_TRANSLATE_NOOP("ui::MainMenus", "&Movie # search.."), ""},
      {"mnuSearchMovieLabel", QT_TRANSLATE_NOOP("ui::MainMenus", "La&bel # search.."), ""},
      {"mnuSearchLocation", QT_TRANSLATE_NOOP("ui::MainMenus", "&Location search.."), ""},
      {"mnuSearchNotes", QT_TRANSLATE_NOOP("ui::MainMenus", "&Notes search"), ""},
      {"mnuSearchProducer", QT_TRANSLATE_NOOP("ui::MainMenus", "&Producer search.."), ""},
      Separator,
      {"mnuSearchClear", QT_TRANSLATE_NOOP("ui::MainMenus", "&Clear search"), "Ctrl+Q"}}},
    {"mnuView",
     QT_TRANSLATE_NOOP("ui::MainMenus", "&View"),
     {{"mnuViewCovers", QT_TRANSLATE_NOOP("ui::MainMenus", "&Covers"), "Ctrl+G"}}},
    {"mnuReports",
     QT_TRANSLATE_NOOP("ui::MainMenus", "&Reports"),
     {{"mnuReportsMovieListing", QT_TRANSLATE_NOOP("ui::MainMenus", "&Movie listing.."), ""},
      {"mnuReportListLabelNumber",
       QT_TRANSLATE_NOOP("ui::MainMenus", "Movie listing (by &label #).."), ""},
      {"mnuReportsListRating", QT_TRANSLATE_NOOP("ui::MainMenus", "Movie listing (by &rating).."),
       ""},
      {"mnuReportsListMedia", QT_TRANSLATE_NOOP("ui::MainMenus", "Movie listing (by medi&a).."),
       ""},
      Separator,
      {"mnuReportDetailed", QT_TRANSLATE_NOOP("ui::MainMenus", "Movie listing (&detailed).."), ""},
      {"mnuReportsInventoryReport", QT_TRANSLATE_NOOP("ui::MainMenus", "&Inventory by location.."),
       ""},
      {"mnuReportsCostReport", QT_TRANSLATE_NOOP("ui::MainMenus", "&Cost summary.."), ""},
      {"mnuReportsMoviesLentOut", QT_TRANSLATE_NOOP("ui::MainMenus", "Movies l&ent out.."), ""}}},
    {"mnuSetup",
     QT_TRANSLATE_NOOP("ui::MainMenus", "Set&up"),
     {{"mnuSetupActors", QT_TRANSLATE_NOOP("ui::MainMenus", "&Actors.."), ""},
      {"mnuSetupGenres", QT_TRANSLATE_NOOP("ui::MainMenus", "&Genres (types).."), ""},
      {"mnuSetupMedia", QT_TRANSLATE_NOOP("ui::MainMenus", "&Media.."), ""},
      {"mnuSetupRatings", QT_TRANSLATE_NOOP("ui::MainMenus", "&Ratings.."), ""},
      {"mnuSetupStorageLocations", QT_TRANSLATE_NOOP("ui::MainMenus", "&Storage locations.."), ""},
      Separator,
      {"mnuSetupDeleteUnusedActors", QT_TRANSLATE_NOOP("ui::MainMenus", "&Delete Unused actors.."),
       ""},
      Separator,
      {"mnuSetupIMDb", QT_TRANSLATE_NOOP("ui::MainMenus", "&IMDb settings.."), ""}}},
    {"mnuTools",
     QT_TRANSLATE_NOOP("ui::MainMenus", "&Tools"),
     {{"mnuToolsExport", QT_TRANSLATE_NOOP("ui::MainMenus", "&Export to file.."), ""},
      {"mnuToolsImport", QT_TRANSLATE_NOOP("ui::MainMenus", "&Import from file.."), ""},
      {"mnuToolsImportPeer", QT_TRANSLATE_NOOP("ui::MainMenus", "Import from &another catalogue.."),
       ""},
      Separator,
      {"mnuToolsCheckData", QT_TRANSLATE_NOOP("ui::MainMenus", "&Repair data.."), ""},
      {"mnuToolsCheckLabels", QT_TRANSLATE_NOOP("ui::MainMenus", "&Check label numbers.."), ""},
      {"mnuToolsFindDuplicates", QT_TRANSLATE_NOOP("ui::MainMenus", "&Find duplicate movies.."),
       ""},
      Separator,
      {"mnuToolsStartOver", QT_TRANSLATE_NOOP("ui::MainMenus", "&Start over.."), ""}}},
    {"mnuHelp",
     QT_TRANSLATE_NOOP("ui::MainMenus", "&Help"),
     {{"mnuHelpGuide", QT_TRANSLATE_NOOP("ui::MainMenus", "&User guide"), "F1"},
      {"mnuHelpKeys", QT_TRANSLATE_NOOP("ui::MainMenus", "&Keyboard shortcuts"), ""},
      Separator,
      {"mnuHelpAbout", QT_TRANSLATE_NOOP("ui::MainMenus", "&About.."), ""}}},
};

const std::vector<Item> PopupItems = {
    {"mnuPopupAdd", QT_TRANSLATE_NOOP("ui::MainMenus", "Add New Movie"), ""},
    {"mnuPopupDelete", QT_TRANSLATE_NOOP("ui::MainMenus", "Delete Movie"), ""}};

}  // namespace

MainMenus::MainMenus(QMainWindow& window) {
    auto addItems = [this, &window](QMenu* menu, const std::vector<Item>& items) {
        for (const Item& item : items) {
            if (*item.name == '\0') {
                menu->addSeparator();
                continue;
            }
            QAction* action =
                menu->addAction(QCoreApplication::translate("ui::MainMenus", item.caption));
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
        QMenu* menu =
            window.menuBar()->addMenu(QCoreApplication::translate("ui::MainMenus", entry.caption));
        menu->setObjectName(QString::fromLatin1(entry.name));
        addItems(menu, entry.items);
    }
    // The movie number search is kept but not offered in the menu.
    items_.value(QStringLiteral("mnuSearchMovieId"))->setVisible(false);

    popup_ = new QMenu(QCoreApplication::translate("ui::MainMenus", "Popup"), &window);
    popup_->setObjectName(QStringLiteral("mnuPopup"));
    addItems(popup_, PopupItems);
}

QAction& MainMenus::item(const QString& name) const {
    QAction* action = items_.value(name);
    Q_ASSERT_X(action, "MainMenus::item", qPrintable(name));
    return *action;
}

}  // namespace ui
