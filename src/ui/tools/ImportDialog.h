#pragma once

#include "ui/tools/MovieFileDialog.h"

#include <functional>

namespace settings {
class Settings;
}
namespace db {
class Catalogue;
}
namespace io {
class MovieFileLines;
using StopRequested = std::function<bool()>;
}  // namespace io

namespace ui {

// frmImport: reads a movie file into the catalogue; refills the main list when done. What the
// import would do is shown first, for the user to confirm. The import can be cancelled; the
// movies read before stay.
class ImportDialog : public MovieFileDialog {
    Q_OBJECT
public:
    ImportDialog(UserInterface& ui, settings::Settings& settings, db::Catalogue& catalogue,
                 QWidget* parent, std::function<void()> populateLstMain);

private:
    void run() override;  // Import: a dry run the user confirms, then the import
    // Works through the file's lines with the dialog busy and Cancel shown; false, with the
    // error reported, when the file could not be read.
    bool readFile(const QString& file,
                  const std::function<void(io::MovieFileLines&, const io::StopRequested&)>& work);

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
