#pragma once

#include <QMap>
#include <QString>

namespace io {

// Every word the published page shows, in the language the program runs in, by the name the
// page's script asks for it by. "language" names that language as a web page does ("de"), and
// texts with %1 and %2 are whole sentences the script fills, so that each language orders its
// own words.
QMap<QString, QString> PublishedPageWords();

}  // namespace io
