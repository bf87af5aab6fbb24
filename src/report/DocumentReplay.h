#pragma once

#include <QPageLayout>
#include <QString>
#include <functional>

class QPagedPaintDevice;
class QPainter;

namespace io {
class DestinationFile;
}

namespace report {

struct DrawingState;
class PrintingProgress;
struct SpoolHeader;
class SpoolReader;

// The paper a spool header asks for, letter or legal, in its orientation, with the quarter-inch
// edge a printer keeps free.
QPageLayout PaperLayout(const SpoolHeader& header);

// Replays a whole spool file on a printer or a PDF writer that painter has begun: every page on
// a sheet of its own, copies times over, screen-only commands skipped. The progress window
// shows the page and hears Cancel at every page. False when Cancel stopped it; the caller then
// discards the document.
bool ReplayDocument(SpoolReader& reader, QPagedPaintDevice& device, QPainter& painter,
                    DrawingState& state, int copies, PrintingProgress* progress);
// The same on any device, which newPage turns to a fresh sheet.
bool ReplayDocument(SpoolReader& reader, const std::function<void()>& newPage, QPainter& painter,
                    DrawingState& state, int copies, PrintingProgress* progress);

// The whole report as a PDF file, drawn by the same replay, written page by page as it goes.
// False when Cancel stopped it; then, as after a failure (thrown as ReportError), no file is
// left and a file of that name is kept as it was.
bool WritePdf(SpoolReader& reader, const QString& pdfFile, DrawingState& state,
              PrintingProgress* progress = nullptr);
// The same into a destination already named and accepted, which may be opened on another
// thread than the one that named it.
bool WritePdf(SpoolReader& reader, io::DestinationFile& file, DrawingState& state,
              PrintingProgress* progress = nullptr);

}  // namespace report
