#include "ui/main/ShortcutsDialog.h"

#include <QAction>
#include <QCoreApplication>
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
    {QT_TRANSLATE_NOOP("ui::ShortcutsDialog", "Ctrl+S"),
     QT_TRANSLATE_NOOP("ui::ShortcutsDialog", "Save Changes")},
    {QT_TRANSLATE_NOOP("ui::ShortcutsDialog", "Esc"),
     QT_TRANSLATE_NOOP("ui::ShortcutsDialog", "Close: saves the shown movie and asks to exit")},
    {QT_TRANSLATE_NOOP("ui::ShortcutsDialog", "Alt+letter"),
     QT_TRANSLATE_NOOP("ui::ShortcutsDialog",
                       "The menu or button whose caption has that letter underlined")},
};

const Key MovieListKeys[] = {
    {QT_TRANSLATE_NOOP("ui::ShortcutsDialog", "Up, Down, Page Up, Page Down, Home, End"),
     QT_TRANSLATE_NOOP("ui::ShortcutsDialog", "Go to another movie and show it")},
    {QT_TRANSLATE_NOOP("ui::ShortcutsDialog", "A letter"),
     QT_TRANSLATE_NOOP("ui::ShortcutsDialog", "Go to the first title beginning with it")},
    {QT_TRANSLATE_NOOP("ui::ShortcutsDialog", "Insert"),
     QT_TRANSLATE_NOOP("ui::ShortcutsDialog", "Add Movie")},
    {QT_TRANSLATE_NOOP("ui::ShortcutsDialog", "Delete"),
     QT_TRANSLATE_NOOP("ui::ShortcutsDialog", "Delete Movie")},
};

const Key ListKeys[] = {
    {QT_TRANSLATE_NOOP("ui::ShortcutsDialog", "Insert"),
     QT_TRANSLATE_NOOP("ui::ShortcutsDialog", "Add a name (in the actor picker: add a new actor)")},
    {QT_TRANSLATE_NOOP("ui::ShortcutsDialog", "Enter"),
     QT_TRANSLATE_NOOP("ui::ShortcutsDialog",
                       "Edit the selected name (in the actor picker: select it)")},
    {QT_TRANSLATE_NOOP("ui::ShortcutsDialog", "Delete"),
     QT_TRANSLATE_NOOP("ui::ShortcutsDialog", "Delete the selected name")},
    {QT_TRANSLATE_NOOP("ui::ShortcutsDialog", "Esc"),
     QT_TRANSLATE_NOOP("ui::ShortcutsDialog", "Close the list")},
};

const Key PreviewKeys[] = {
    {QT_TRANSLATE_NOOP("ui::ShortcutsDialog", "Page Up, Page Down"),
     QT_TRANSLATE_NOOP("ui::ShortcutsDialog", "Previous and next page")},
    {QT_TRANSLATE_NOOP("ui::ShortcutsDialog", "Home, End"),
     QT_TRANSLATE_NOOP("ui::ShortcutsDialog", "First and last page")},
    {QT_TRANSLATE_NOOP("ui::ShortcutsDialog", "Left, Right, Up, Down"),
     QT_TRANSLATE_NOOP("ui::ShortcutsDialog", "Scroll the page")},
    {QT_TRANSLATE_NOOP("ui::ShortcutsDialog", "Ctrl++, Ctrl+-"),
     QT_TRANSLATE_NOOP("ui::ShortcutsDialog", "Zoom in and out")},
    {QT_TRANSLATE_NOOP("ui::ShortcutsDialog", "Esc"),
     QT_TRANSLATE_NOOP("ui::ShortcutsDialog", "Close the preview")},
};

QString caption(const QAction& action) {
    QString text = action.text();
    text.remove(u'&');
    while (text.endsWith(u'.'))
        text.chop(1);
    return text.trimmed();  // "Öffnen .." in German
}

}  // namespace

ShortcutsDialog::ShortcutsDialog(const QWidget& window, QWidget* parent)
    : QDialog(parent), keys_(new QTreeWidget(this)) {
    setObjectName(QStringLiteral("frmKeys"));
    setWindowTitle(tr("Keyboard shortcuts"));
    keys_->setObjectName(QStringLiteral("lstKeys"));
    keys_->setHeaderLabels({tr("Key"), tr("Command")});
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
    QTreeWidgetItem* mainWindow = group(tr("Main window"));
    for (const QAction* action : window.findChildren<QAction*>()) {
        if (action->shortcut().isEmpty())
            continue;
        new QTreeWidgetItem(
            mainWindow, {action->shortcut().toString(QKeySequence::NativeText), caption(*action)});
    }
    const std::pair<QString, std::span<const Key>> tables[] = {
        {QString(), MainWindowKeys},
        {tr("Movie list"), MovieListKeys},
        {tr("Setup lists and pickers"), ListKeys},
        {tr("Print preview"), PreviewKeys},
    };
    for (const auto& [title, rows] : tables) {
        QTreeWidgetItem* parentItem = title.isEmpty() ? mainWindow : group(title);
        for (const Key& key : rows)
            new QTreeWidgetItem(parentItem, {tr(key.keys), tr(key.command)});
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
