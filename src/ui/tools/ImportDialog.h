#pragma once

#include "ui/tools/MovieFileDialog.h"

#include <functional>

namespace settings {
class Settings;
}
namespace db {
class Catalogue;
}

namespace ui {

// frmImport: reads a movie file into the catalogue; refills the main list when done. The import
// can be cancelled; the movies read before stay.
class ImportDialog : public MovieFileDialog {
    Q_OBJECT
public:
    ImportDialog(UserInterface& ui, settings::Settings& settings, db::Catalogue& catalogue,
                 QWidget* parent, std::function<void()> populateLstMain);

private:
    void run() override;  // Import

    QPushButton* cmdCancel_;  // shown while the import runs: stops it between two lines
    bool cancelClicked_ = false;
    settings::Settings& settings_;
    db::Catalogue& catalogue_;
    std::function<void()> populateLstMain_;
};

// Tools > Import: shows frmImport modally.
void ShowImportDialog(UserInterface& ui, settings::Settings& settings, db::Catalogue& catalogue,
                      QWidget* parent, std::function<void()> populateLstMain);

}  // namespace ui
