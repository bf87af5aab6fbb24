#pragma once

#include <QString>

namespace app {

struct Invocation;

// What is wrong with import's --from and --preset; empty when they fit.
QString PeerOptionsProblem(const Invocation& invocation);

// tallowmere import --from FORMAT FILE [--preset NAME]: another catalogue's file, or a CSV
// file, through the same preview counts, backup and update by title as a movie file.
int ImportFromPeer(const Invocation& invocation);

// tallowmere publish DIR: writes the catalogue as a web page, DIR/index.html.
int PublishWebPage(const Invocation& invocation);

}  // namespace app
