#include "support/UserInput.h"

#include <QAbstractItemView>
#include <QAction>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace test {

void typeInto(QLineEdit& edit, const QString& text) {
    QTest::mouseClick(&edit, Qt::LeftButton);
    edit.setFocus();  // offscreen windows are not always active, so the click may not focus
    QTest::keyClick(&edit, Qt::Key_End);
    QTest::keyClick(&edit, Qt::Key_Home, Qt::ShiftModifier);
    if (text.isEmpty())
        QTest::keyClick(&edit, Qt::Key_Delete);
    for (const QChar c : text) {
        // QTest knows the keys of ASCII only; other letters come as the text of a key.
        if (c.unicode() < 128)
            QTest::keyClick(&edit, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_unknown, QString(c), {});
    }
}

namespace {

QPoint centreOf(QAbstractItemView& view, const QModelIndex& index) {
    view.scrollTo(index);
    const QRect rect = view.visualRect(index);
    EXPECT_TRUE(rect.isValid() && view.viewport()->rect().contains(rect.center()))
        << "row " << index.row() << " is not on screen";
    return rect.center();
}

}  // namespace

void clickItem(QAbstractItemView& view, const QModelIndex& index, Qt::MouseButton button,
               Qt::KeyboardModifiers modifiers) {
    QTest::mouseClick(view.viewport(), button, modifiers, centreOf(view, index));
}

void doubleClickItem(QAbstractItemView& view, const QModelIndex& index) {
    const QPoint centre = centreOf(view, index);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, centre);
}

void rightClickItem(QAbstractItemView& view, const QModelIndex& index) {
    const QPoint centre = centreOf(view, index);
    QTest::mousePress(view.viewport(), Qt::RightButton, {}, centre);
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, centre,
                                view.viewport()->mapToGlobal(centre));
    QCoreApplication::sendEvent(view.viewport(), &menuEvent);
    QTest::mouseRelease(view.viewport(), Qt::RightButton, {}, centre);
}

bool dropOnto(QWidget& target, const QMimeData& data) {
    const QPointF centre = QRectF(target.rect()).center();
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    QDragEnterEvent enter(centre.toPoint(), actions, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&target, &enter);
    if (!enter.isAccepted())
        return false;
    QDragMoveEvent move(centre.toPoint(), actions, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&target, &move);
    QDropEvent drop(centre, actions, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&target, &drop);
    return drop.isAccepted();
}

void chooseMenuItem(QMainWindow& window, const char* itemName) {
    auto* item = window.findChild<QAction*>(QString::fromLatin1(itemName));
    ASSERT_NE(item, nullptr) << itemName;
    QMenuBar* bar = window.menuBar();
    for (QAction* menuAction : bar->actions()) {
        QMenu* menu = menuAction->menu();
        if (menu == nullptr || !menu->actions().contains(item))
            continue;
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menuAction).center());
        EXPECT_TRUE(menu->isVisible()) << "the menu of " << itemName << " did not open";
        EXPECT_TRUE(item->isEnabled() && item->isVisible()) << itemName << " cannot be chosen";
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
        return;
    }
    ADD_FAILURE() << itemName << " is in no menu of the menu bar";
}

QStringList entries(const QAbstractItemView& view) {
    QStringList texts;
    const QAbstractItemModel& model = *view.model();
    for (int row = 0; row < model.rowCount(); ++row)
        texts.append(model.index(row, 0).data().toString());
    return texts;
}

QStringList selectedEntries(const QAbstractItemView& view) {
    QStringList texts;
    const QAbstractItemModel& model = *view.model();
    for (int row = 0; row < model.rowCount(); ++row)
        if (view.selectionModel()->isSelected(model.index(row, 0)))
            texts.append(model.index(row, 0).data().toString());
    return texts;
}

QModelIndex entry(QAbstractItemView& view, const QString& text) {
    const QAbstractItemModel& model = *view.model();
    const QModelIndexList found =
        model.match(model.index(0, 0), Qt::DisplayRole, text, 1, Qt::MatchExactly);
    EXPECT_FALSE(found.isEmpty()) << text.toStdString();
    return found.isEmpty() ? QModelIndex() : found.constFirst();
}

}  // namespace test
