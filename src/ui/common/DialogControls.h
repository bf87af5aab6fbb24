#pragma once

#include <QString>

class QAbstractItemModel;
class QPushButton;
class QTreeView;
class QWidget;

namespace ui {

// A button of a dialog's column of commands, named for tests and scripts. It does not take
// Enter for itself: the dialogs give Enter its own meaning.
QPushButton* CommandButton(QWidget* parent, const QString& name, const QString& caption);

// A list of rows in columns over model: no tree lines, whole rows selected, several at once
// with Ctrl or Shift, nothing edited in place. Rows of one height, so that long lists open fast.
QTreeView* RowList(QWidget* parent, const QString& name, QAbstractItemModel* model);

}  // namespace ui
