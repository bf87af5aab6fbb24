#include "report/DocumentReplay.h"

#include "io/Destination.h"
#include "report/PageDrawer.h"
#include "report/PdfDocument.h"
#include "report/PrintingProgress.h"
#include "report/ReportError.h"
#include "report/SpoolReader.h"

#include <QCoreApplication>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>

namespace report {

namespace {

constexpr double PaperEdge = 0.25;  // inches

}  // namespace

QPageLayout PaperLayout(const SpoolHeader& header) {
    const QPageSize size(header.paperSize == 2 ? QPageSize::Legal : QPageSize::Letter);
    const auto orientation =
        header.orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait;
    return QPageLayout(size, orientation, QMarginsF(PaperEdge, PaperEdge, PaperEdge, PaperEdge),
                       QPageLayout::Inch);
}

bool ReplayDocument(SpoolReader& reader, QPagedPaintDevice& device, QPainter& painter,
                    DrawingState& state, int copies, PrintingProgress* progress) {
    return ReplayDocument(
        reader, [&device] { device.newPage(); }, painter, state, copies, progress);
}

bool ReplayDocument(SpoolReader& reader, const std::function<void()>& newPage, QPainter& painter,
                    DrawingState& state, int copies, PrintingProgress* progress) {
    const QString name = reader.header().reportName;
    if (progress) {
        progress->ShowProgress(QCoreApplication::translate("report::DocumentReplay", "Printing"),
                               PageText(name, 1), false);
        progress->LetEventsRun();
    }
    const DrawingState start = state;
    bool cancelled = progress && progress->cancelRequested();
    for (int copy = 1; copy <= copies && !cancelled; ++copy) {
        if (copy > 1)
            newPage();
        state = start;
        state.tabs.reset();
        PageDrawer drawer(painter, Surface::Paper, state);
        SpoolLines lines = reader.lines(1);
        int page = 1;
        while (drawer.drawPage(lines) == PageEnd::NewPage) {
            newPage();
            ++page;
            if (progress) {
                progress->ShowPage(PageText(name, page));
                progress->LetEventsRun();
                if (progress->cancelRequested()) {
                    cancelled = true;
                    break;
                }
            }
        }
    }
    if (progress)
        progress->CloseProgress();
    return !cancelled;
}

bool WritePdf(SpoolReader& reader, const QString& pdfFile, DrawingState& state,
              PrintingProgress* progress) {
    io::DestinationFile file(pdfFile);
    return WritePdf(reader, file, state, progress);
}

bool WritePdf(SpoolReader& reader, io::DestinationFile& file, DrawingState& state,
              PrintingProgress* progress) {
    // A file is written aside and put in place at the end, so that a failure leaves an older
    // file whole; a device or a pipe is written through.
    auto failure = [&] {
        return ReportError(
            QCoreApplication::translate("report::DocumentReplay",
                                        "The PDF file '%1' could not be written: %2.")
                .arg(file.path(), file.device().errorString()));
    };
    if (!file.open())
        throw failure();
    const SpoolHeader header = reader.header();
    pdf::Document pdf(file.device(), PaperLayout(header), header.reportName,
                      QStringLiteral("Tallowmere Movie Database"));
    QPainter painter;
    if (!painter.begin(&pdf))
        throw failure();
    const bool finished = ReplayDocument(
        reader, [&pdf] { pdf.newPage(); }, painter, state, 1, progress);
    painter.end();
    if (!finished) {
        file.cancel();
        return false;
    }
    if (!pdf.finish() || !file.commit())
        throw failure();
    return true;
}

}  // namespace report
