#pragma once

#include "report/PageDrawer.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

namespace settings {
class Settings;
}
namespace db {
class Catalogue;
class Connection;
}  // namespace db
namespace report {
class Report;
class SpoolWriter;
}  // namespace report

namespace ui {

class PreviewWindow;
class UserInterface;

// The report engine of one program run: the writer with the font it keeps from one report to
// the next, the drawing state the previews carry over, and the one preview on the screen.
class ReportSession final : public QObject {
    Q_OBJECT
public:
    using MakeReport =
        std::function<std::unique_ptr<report::Report>(report::SpoolWriter&, db::Connection&)>;

    ReportSession(UserInterface& ui, settings::Settings& settings, db::Catalogue& catalogue,
                  QWidget& mainWindow);
    ~ReportSession() override;

    // Writes the report that make builds, on the worker, and then shows it in a new preview, in
    // place of the one before. Refused, with a word to the user, while another report is being
    // written or the preview is printing. A failure is reported to the user. True when the
    // report is being written; false when it was refused.
    bool run(const MakeReport& make);

    PreviewWindow* preview() const;
    report::SpoolWriter& writer() { return *writer_; }

private:
    UserInterface& ui_;
    settings::Settings& settings_;
    db::Catalogue& catalogue_;
    QWidget& mainWindow_;
    std::unique_ptr<report::SpoolWriter> writer_;
    report::DrawingState drawingState_;
    QPointer<PreviewWindow> preview_;
};

}  // namespace ui
