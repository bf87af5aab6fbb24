#include "ui/main/DesktopCommands.h"

#include "ui/common/ErrorReport.h"
#include "ui/common/UserInterface.h"
#include "ui/main/MainMenus.h"
#include "ui/main/RecordView.h"
#include "ui/main/ShortcutsDialog.h"
#include "ui/main/UserGuide.h"

#include <QAction>
#include <QEvent>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

namespace ui {

namespace {

QIcon themeIcon(const char* name) {
    const QString themeName = QString::fromLatin1(name);
    return QIcon::fromTheme(themeName, QIcon(QStringLiteral(":/icons/%1.svg").arg(themeName)));
}

// A toolbar item that presses a button of the record view, on and off with it.
class ButtonAction : public QAction {
public:
    ButtonAction(QPushButton& button, const QString& text, QObject* parent)
        : QAction(text, parent), button_(button) {
        setEnabled(button.isEnabled());
        button.installEventFilter(this);
        connect(this, &QAction::triggered, &button, &QPushButton::click);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &button_ && event->type() == QEvent::EnabledChange)
            setEnabled(button_.isEnabled());
        return QAction::eventFilter(watched, event);
    }

private:
    QPushButton& button_;
};

void addToolBar(QMainWindow& window, MainMenus& menus, RecordView& record) {
    auto* bar = window.addToolBar(QStringLiteral("Commands"));
    bar->setObjectName(QStringLiteral("tbrMain"));
    bar->setToolButtonStyle(Qt::ToolButtonFollowStyle);
    auto item = [&](const char* name, const char* icon) {
        QAction& action = menus.item(QString::fromLatin1(name));
        action.setIcon(themeIcon(icon));
        bar->addAction(&action);
    };
    item("mnuFileAddMovie", "list-add");
    item("mnuFileDeleteMovie", "edit-delete");
    auto* save = new ButtonAction(*record.cmdSaveChanges, QStringLiteral("Save Changes"), bar);
    save->setObjectName(QStringLiteral("tbrSave"));
    save->setIcon(themeIcon("document-save"));
    bar->addAction(save);
    bar->addSeparator();
    item("mnuFilePreviousMovie", "go-previous");
    item("mnuFileNextMovie", "go-next");
    bar->addSeparator();
    item("mnuSearchTitle", "edit-find");
    QAction& showAll = menus.item(QStringLiteral("mnuSearchClear"));
    showAll.setIcon(themeIcon("edit-clear"));
    showAll.setToolTip(QStringLiteral("Show all movies (clear the search)"));
    bar->addAction(&showAll);
    bar->addSeparator();
    // The Reports menu as a button that opens it.
    auto* reportsMenu = window.findChild<QMenu*>(QStringLiteral("mnuReports"));
    auto* reports = new QToolButton(bar);
    reports->setObjectName(QStringLiteral("tbrReports"));
    reports->setText(QStringLiteral("Reports"));
    reports->setToolTip(QStringLiteral("Reports"));
    reports->setIcon(themeIcon("x-office-document"));
    reports->setMenu(reportsMenu);
    reports->setPopupMode(QToolButton::InstantPopup);
    reports->setToolButtonStyle(Qt::ToolButtonFollowStyle);
    bar->addWidget(reports);
    // The preview of the whole movie listing, from where it prints.
    QAction& preview = menus.item(QStringLiteral("mnuReportsMovieListing"));
    auto* printPreview = new QAction(themeIcon("document-print-preview"),
                                     QStringLiteral("Print preview of the movie listing"), bar);
    printPreview->setObjectName(QStringLiteral("tbrPrintPreview"));
    QObject::connect(printPreview, &QAction::triggered, &preview, &QAction::trigger);
    bar->addAction(printPreview);
}

}  // namespace

void AddDesktopCommands(QMainWindow& window, MainMenus& menus, RecordView& record,
                        UserInterface& ui) {
    addToolBar(window, menus, record);

    QAction& guide = menus.item(QStringLiteral("mnuHelpGuide"));
    guide.setEnabled(true);
    guide.setIcon(themeIcon("help-contents"));
    QObject::connect(&guide, &QAction::triggered, &window, [&ui, &window] {
        RunCommand(ui, &window, [&] { ShowUserGuide(ui, &window); });
    });
    QAction& keys = menus.item(QStringLiteral("mnuHelpKeys"));
    keys.setEnabled(true);
    QObject::connect(&keys, &QAction::triggered, &window, [&ui, &window] {
        ShortcutsDialog dialog(window, &window);
        ui.runModal(dialog);
    });
}

}  // namespace ui
