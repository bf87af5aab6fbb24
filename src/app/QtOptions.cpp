#include "app/QtOptions.h"

namespace app {

namespace {

// The options QGuiApplication, QApplication and the X11 platform read; one dash or two.
const char* const WithValue[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "style",  "stylesheet",
    "display",     "geometry",           "title",         "name",   "icon",
    "visual"};
const char* const WithoutValue[] = {"reverse", "widgetcount", "nograb",
                                    "dograb",  "sync",        "testability"};

bool isOneOf(QStringView name, const auto& names) {
    for (const char* each : names)
        if (name == QLatin1String(each))
            return true;
    return false;
}

}  // namespace

QList<int> QtOptionPositions(const QStringList& arguments) {
    QList<int> positions;
    for (int i = 1; i < arguments.size(); ++i) {
        QStringView option(arguments.at(i));
        if (option == u"--")
            break;
        if (!option.startsWith(u'-') || option.size() < 2)
            continue;
        option = option.mid(option.startsWith(u"--") ? 2 : 1);
        const qsizetype equals = option.indexOf(u'=');
        const QStringView name = equals < 0 ? option : option.left(equals);
        if (isOneOf(name, WithoutValue) && equals < 0) {
            positions.append(i);
        } else if (isOneOf(name, WithValue)) {
            positions.append(i);
            if (equals < 0 && i + 1 < arguments.size())
                positions.append(++i);
        }
    }
    return positions;
}

QStringList WithoutQtOptions(const QStringList& arguments) {
    const QList<int> qtOwn = QtOptionPositions(arguments);
    QStringList kept;
    for (int i = 0; i < arguments.size(); ++i)
        if (!qtOwn.contains(i))
            kept.append(arguments.at(i));
    return kept;
}

}  // namespace app
