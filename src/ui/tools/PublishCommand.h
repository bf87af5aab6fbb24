#pragma once

class QWidget;

namespace db {
class Catalogue;
}

namespace ui {

class UserInterface;

// File > Publish as web page: asks where the page's index.html goes, writes the catalogue there
// as a web page on the worker, says how many movies it holds and offers to open it in the
// browser.
void PublishWebPageCommand(UserInterface& ui, db::Catalogue& catalogue, QWidget* parent);

}  // namespace ui
