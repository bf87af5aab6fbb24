#include "ui/main/MainWindow.h"

#include "db/Catalogue.h"
#include "settings/Settings.h"
#include "ui/common/AttentionLabel.h"
#include "ui/common/ErrorReport.h"
#include "ui/common/FormPosition.h"
#include "ui/common/UserInterface.h"
#include "ui/main/DesktopCommands.h"
#include "ui/main/EscapeKey.h"
#include "ui/main/FilterLine.h"
#include "ui/main/MainMenus.h"
#include "ui/main/MovieFilterIndex.h"
#include "ui/main/MovieListModel.h"
#include "ui/main/MovieListView.h"
#include "ui/main/RecordView.h"
#include "ui/main/WindowPlacement.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdio>

namespace ui {

MainWindow::MainWindow(UserInterface& ui, settings::Settings& settings, db::Catalogue& catalogue)
    : ui_(ui),
      settings_(settings),
      catalogue_(catalogue),
      model_(new MovieListModel(this)),
      list_(new MovieListView),
      record_(new RecordView),
      txtFilter_(new FilterLine),
      filterIndex_(std::make_unique<MovieFilterIndex>()),
      lblCount_(new QLabel(QStringLiteral("Movies in list: 0"))),
      lblClearSearch_(new AttentionLabel(QStringLiteral(
          "You are currently in search mode.  Press CTRL+Q to clear your current search."))),
      splitter_(new QSplitter(Qt::Horizontal)),
      timer_(new QTimer(this)),
      escapeKey_(new EscapeKey(this)) {
    setObjectName(QStringLiteral("frmWizard"));
    menus_ = std::make_unique<MainMenus>(*this);
    list_->setModel(model_);
    layOut();
    connectCommands();
    connectDialogs();
    connectCoverPicture();
    connectCoverGrid();
    markConflictingCommands();
    timer_->setObjectName(QStringLiteral("timer"));
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, [] { QCoreApplication::processEvents(); });
}

MainWindow::~MainWindow() = default;

void MainWindow::layOut() {
    lblCount_->setObjectName(QStringLiteral("lblCount"));
    lblClearSearch_->setObjectName(QStringLiteral("lblClearSearch"));
    lblClearSearch_->setWordWrap(true);
    lblClearSearch_->hide();
    auto* listSide = new QWidget;
    auto* listLayout = new QVBoxLayout(listSide);
    listLayout->setContentsMargins(0, 0, 0, 0);
    listLayout->addWidget(txtFilter_);
    listLayout->addWidget(list_, 1);
    listLayout->addWidget(lblCount_);
    listLayout->addWidget(lblClearSearch_);
    splitter_->addWidget(listSide);
    // On a small screen (or at a large scale) the record view scrolls rather than pushing the
    // window's buttons off the screen.
    auto* recordScroll = new QScrollArea;
    recordScroll->setObjectName(QStringLiteral("recordScroll"));
    recordScroll->setFrameShape(QFrame::NoFrame);
    recordScroll->setWidgetResizable(true);
    recordScroll->setWidget(record_);
    // Down only: the fields keep their width, beside a scroll bar when one is needed.
    recordScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    recordScroll->setFocusPolicy(Qt::NoFocus);  // Tab goes from the list into the title
    recordScroll->setMinimumWidth(record_->minimumSizeHint().width() +
                                  recordScroll->verticalScrollBar()->sizeHint().width());
    splitter_->addWidget(recordScroll);
    splitter_->setStretchFactor(0, 3);
    splitter_->setStretchFactor(1, 2);
    splitter_->setChildrenCollapsible(false);
    setCentralWidget(splitter_);
    splitter_->setSizes({740, 540});
}

void MainWindow::connectCommands() {
    auto command = [this](auto member) {
        return [this, member] { RunCommand(ui_, this, [this, member] { (this->*member)(); }); };
    };
    auto menu = [this, command](const char* name, auto member) {
        QAction& item = menus_->item(QString::fromLatin1(name));
        item.setEnabled(true);
        connect(&item, &QAction::triggered, this, command(member));
    };
    menu("mnuFileOpen", &MainWindow::openCatalogue);
    menu("mnuFileAddMovie", &MainWindow::addMovie);
    menu("mnuFileDeleteMovie", &MainWindow::deleteSelectedMovie);
    menu("mnuFileNextMovie", &MainWindow::nextMovie);
    menu("mnuFilePreviousMovie", &MainWindow::previousMovie);
    menu("mnuFileExit", &MainWindow::exit);
    menu("mnuSearchClear", &MainWindow::clearSearch);
    menu("mnuPopupAdd", &MainWindow::addMovie);
    QAction& popupDelete = menus_->item(QStringLiteral("mnuPopupDelete"));
    popupDelete.setEnabled(true);
    connect(&popupDelete, &QAction::triggered, this,
            [this] { RunCommand(ui_, this, [this] { DeleteMovie(popupMovieId_); }); });

    connect(record_->cmdAddMovie, &QPushButton::clicked, this, command(&MainWindow::addMovie));
    connect(record_->cmdDeleteMovie, &QPushButton::clicked, this,
            command(&MainWindow::deleteSelectedMovie));
    connect(record_->cmdSaveChanges, &QPushButton::clicked, this,
            command(&MainWindow::saveChanges));
    connect(record_->cmdNextMovie, &QPushButton::clicked, this, command(&MainWindow::nextMovie));
    connect(record_->cmdPreviousMovie, &QPushButton::clicked, this,
            command(&MainWindow::previousMovie));
    // Close saves first itself and then runs Exit, which finds nothing left to save.
    connect(record_->cmdClose, &QPushButton::clicked, this, [this] {
        RunCommand(ui_, this, [this] {
            if (SaveCurrentMovie())
                exit();
        });
    });
    // Alt+S is both the Search menu's and Save Changes' letter, so Save has Ctrl+S as well.
    auto* save = new QShortcut(QKeySequence::Save, this);
    save->setContext(Qt::WindowShortcut);
    connect(save, &QShortcut::activated, record_->cmdSaveChanges, &QPushButton::click);
    connect(record_, &RecordView::edited, this, &MainWindow::markChanged);
    AddDesktopCommands(*this, *menus_, *record_, ui_);
    layOutFilter();

    connect(list_, &MovieListView::insertPressed, this, command(&MainWindow::addMovie));
    connect(list_, &MovieListView::deletePressed, this, command(&MainWindow::deleteSelectedMovie));
    connect(list_, &MovieListView::popupRequested, this, &MainWindow::showPopup);
    connect(list_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &MainWindow::headerClicked);
    connect(list_, &MovieListView::rowChosen, this, command(&MainWindow::ShowSelectedMovie));
}

void MainWindow::load(const std::function<void(const QString&)>& splashStep) {
    if (splashStep)
        splashStep(QStringLiteral("Load movies"));
    setCatalogueTitle();
    RestoreWindowPlacement(settings_, *this);
    timer_->start(100);
    list_->setColumnHidden(MovieListModel::MovieNumber, true);
    PopulateWhenPrepared();
}

void MainWindow::setCatalogueTitle() {
    setWindowTitle(QStringLiteral("%1 (%2)").arg(QLatin1String(ProductTitle), catalogue_.name()));
}

db::Connection& MainWindow::connection() {
    return catalogue_.connection();
}

void MainWindow::markChanged() {
    anyChanges_ = true;
    record_->cmdSaveChanges->setEnabled(true);
}

void MainWindow::clearChanges() {
    anyChanges_ = false;
    record_->cmdSaveChanges->setEnabled(false);
}

void MainWindow::EnableMovieFields(bool enabled) {
    record_->EnableMovieFields(enabled);
}

void MainWindow::unload() {
    if (unloaded_)
        return;
    unloaded_ = true;
    try {
        ui::SaveFormPosition(settings_, *this);
        SaveWindowPlacement(settings_, *this);
        if (columnsSetUp_)
            SaveListHeader(settings_, *list_->horizontalHeader());
    } catch (...) {
    }
    catalogue_.close();
}

void MainWindow::endOnSignal() {
    ending_ = true;
    if (!unloaded_ && !SaveCurrentMovie())
        std::fprintf(stderr, "The changes to the movie '%s' were not saved.\n",
                     qPrintable(record_->txtTitle->text()));
    unload();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The columns take their shares of the list's width once the list has its real size.
    if (!columnsSetUp_) {
        columnsSetUp_ = true;
        setUpColumns();
        // The widths and order the user left, with the list's own sort and hidden number.
        QHeaderView& header = *list_->horizontalHeader();
        if (RestoreListHeader(settings_, header)) {
            header.setSortIndicator(model_->sortColumn(), model_->sortOrder());
            list_->setColumnHidden(MovieListModel::MovieNumber, true);
        }
    }
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // Esc is the Close button, but only once no control has used it: a popup, a completion or
    // a filter line that Esc dismisses keeps it.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (!escapeKey_->closedAPopup())
            record_->cmdClose->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!ending_ && !workAllowsClosing()) {
        event->ignore();
        return;
    }
    // The title-bar button keeps the pending edits: they are saved first, and a refused save
    // keeps the window open.
    bool saved = false;
    RunCommand(ui_, this, [this, &saved] { saved = unloaded_ || SaveCurrentMovie(); });
    if (!saved) {
        event->ignore();
        return;
    }
    unload();
    event->accept();
}

}  // namespace ui
