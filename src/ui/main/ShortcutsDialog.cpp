#include "ui/main/ShortcutsDialog.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <span>

namespace ui {

namespace {

struct Key {
    const char* keys;
    const char* command;
};

const Key MainWindowKeys[] = {
    {"Ctrl+S", "Save Changes"},
    {"Esc", "Close: saves the shown movie and asks to exit"},
    {"Alt+letter", "The menu or button whose caption has that letter underlined"},
};

const Key MovieListKeys[] = {
    {"Up, Down, Page Up, Page Down, Home, End", "Go to another movie and show it"},
    {"A letter", "Go to the first title beginning with it"},
    {"Insert", "Add Movie"},
    {"Delete", "Delete Movie"},
};

const Key ListKeys[] = {
    {"Insert", "Add a name (in the actor picker: add a new actor)"},
    {"Enter", "Edit the selected name (in the actor picker: select it)"},
    {"Delete", "Delete the selected name"},
    {"Esc", "Close the list"},
};

const Key PreviewKeys[] = {
    {"Page Up, Page Down", "Previous and next page"},
    {"Home, End", "First and last page"},
    {"Left, Right, Up, Down", "Scroll the page"},
    {"Ctrl++, Ctrl+-", "Zoom in and out"},
    {"Esc", "Close the preview"},
};

QString caption(const QAction& action) {
    QString text = action.text();
    text.remove(u'&');
    while (text.endsWith(u'.'))
        text.chop(1);
    return text;
}

}  // namespace

ShortcutsDialog::ShortcutsDialog(const QWidget& window, QWidget* parent)
    : QDialog(parent), keys_(new QTreeWidget(this)) {
    setObjectName(QStringLiteral("frmKeys"));
    setWindowTitle(QStringLiteral("Keyboard shortcuts"));
    keys_->setObjectName(QStringLiteral("lstKeys"));
    keys_->setHeaderLabels({QStringLiteral("Key"), QStringLiteral("Command")});
    keys_->setRootIsDecorated(false);
    keys_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto group = [this](const QString& title) {
        auto* item = new QTreeWidgetItem(keys_, {title});
        QFont bold = item->font(0);
        bold.setBold(true);
        item->setFont(0, bold);
        item->setFirstColumnSpanned(true);
        item->setExpanded(true);
        return item;
    };
    QTreeWidgetItem* mainWindow = group(QStringLiteral("Main window"));
    for (const QAction* action : window.findChildren<QAction*>()) {
        if (action->shortcut().isEmpty())
            continue;
        new QTreeWidgetItem(
            mainWindow, {action->shortcut().toString(QKeySequence::NativeText), caption(*action)});
    }
    const std::pair<QString, std::span<const Key>> tables[] = {
        {QString(), MainWindowKeys},
        {QStringLiteral("Movie list"), MovieListKeys},
        {QStringLiteral("Setup lists and pickers"), ListKeys},
        {QStringLiteral("Print preview"), PreviewKeys},
    };
    for (const auto& [title, rows] : tables) {
        QTreeWidgetItem* parentItem = title.isEmpty() ? mainWindow : group(title);
        for (const Key& key : rows)
            new QTreeWidgetItem(parentItem,
                                {QString::fromLatin1(key.keys), QString::fromUtf8(key.command)});
    }
    keys_->expandAll();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(keys_, 1);
    layout->addWidget(buttons);
    // Wide enough for every row without a scroll bar across.
    keys_->setMinimumWidth(keys_->header()->length() + 24);
    keys_->setMinimumHeight(320);
}

}  // namespace ui
