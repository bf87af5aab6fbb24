#pragma once

#include "ui/tools/MovieFileDialog.h"

namespace settings {
class Settings;
}
namespace db {
class Catalogue;
}

namespace ui {

// frmExport: writes the catalogue to a movie file.
class ExportDialog : public MovieFileDialog {
    Q_OBJECT
public:
    ExportDialog(UserInterface& ui, settings::Settings& settings, db::Catalogue& catalogue,
                 QWidget* parent);

private:
    void run() override;  // Export

    settings::Settings& settings_;
    db::Catalogue& catalogue_;
};

// Tools > Export: shows frmExport modally.
void ShowExportDialog(UserInterface& ui, settings::Settings& settings, db::Catalogue& catalogue,
                      QWidget* parent);

}  // namespace ui
