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
struct ImportPreview;
}  // namespace io

namespace ui {

class WorkProgress;

// frmImport: reads a movie file into the catalogue; refills the main list when done. What the
// import would do is shown first, for the user to confirm; the dialog then closes and the import
// runs on beside the main window. The import can be cancelled; the movies read before stay.
class ImportDialog : public MovieFileDialog {
    Q_OBJECT
public:
    ImportDialog(UserInterface& ui, settings::Settings& settings, db::Catalogue& catalogue,
                 QWidget* parent, std::function<void()> populateLstMain);

private:
    void run() override;  // Import: a dry run the user confirms, then the import
    // previewed: the digest of the lines the preview read, which the file must still hold.
    void confirm(const QString& file, const io::ImportPreview& preview,
                 const QByteArray& previewed);
    // Starts the import itself beside the main window, and closes the dialog.
    void startImport(const QString& file, const QString& backupNote);

    settings::Settings& settings_;
    db::Catalogue& catalogue_;
    std::function<void()> populateLstMain_;
};

// Tools > Import: shows frmImport modally.
void ShowImportDialog(UserInterface& ui, settings::Settings& settings, db::Catalogue& catalogue,
                      QWidget* parent, std::function<void()> populateLstMain);

}  // namespace ui
