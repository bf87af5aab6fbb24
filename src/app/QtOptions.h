#pragma once

#include <QList>
#include <QStringList>

namespace app {

// Qt's own options ("-style Fusion", "-reverse", "--platform=xcb", "-qwindowgeometry 800x600"),
// which the application object takes out of the arguments itself: the positions of the options
// and of their values.
QList<int> QtOptionPositions(const QStringList& arguments);
// The arguments without Qt's options, for the program's own parser.
QStringList WithoutQtOptions(const QStringList& arguments);

}  // namespace app
