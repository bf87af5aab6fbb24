#pragma once

namespace app {

struct Invocation;

// tallowmere publish DIR: writes the catalogue as a web page, DIR/index.html.
int PublishWebPage(const Invocation& invocation);

}  // namespace app
