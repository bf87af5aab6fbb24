#include "ui/report/SpoolPrinting.h"

#include "io/Destination.h"
#include "report/DocumentReplay.h"
#include "report/PageDrawer.h"
#include "report/SpoolReader.h"
#include "settings/Settings.h"
#include "ui/common/LongWork.h"
#include "ui/common/UserInterface.h"
#include "ui/report/PrinterChoice.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace ui {

namespace {

void reportFailure(UserInterface& ui, QWidget* parent, const QString& printer) {
    ui.inform(parent, QStringLiteral("Error"),
              QStringLiteral("The report could not be printed on '%1'.  Check that the printer "
                             "is ready, or choose another one in File > Printer setup.")
                  .arg(printer),
              Icon::Error);
}

}  // namespace

std::optional<QString> ChoosePdfFile(UserInterface& ui, QWidget* parent, const QString& title,
                                     const QString& reportName) {
    QString name = reportName.trimmed();
    name.replace(u'/', u'-');
    if (name.isEmpty())
        name = QStringLiteral("Report");
    FileChoice choice;
    choice.purpose = FileChoice::Purpose::Save;
    choice.title = title;
    choice.proposedFile = QDir::homePath() + u'/' + name + QStringLiteral(".pdf");
    choice.filters = {QStringLiteral("PDF files (*.pdf)")};
    return ui.chooseFile(parent, choice);
}

PrintOutcome PrintSpoolFile(UserInterface& ui, const settings::Settings& settings,
                            report::SpoolReader& reader, report::DrawingState state,
                            report::PrintingProgress& progress, QWidget* parent) {
    const QString printerName = CurrentPrinterName(settings, PrinterNames());
    const int copies = CopiesFromText(settings.value(settings::key::Copies));
    const report::SpoolHeader header = reader.header();

    QPrinter printer(QPrinter::HighResolution);
    QString pdfFile;
    if (printerName == QLatin1String(PdfPrinterName)) {
        const std::optional<QString> file =
            ChoosePdfFile(ui, parent, QStringLiteral("Print to File"), header.reportName);
        if (!file)
            return PrintOutcome::NotStarted;
        // The printer would wait on a pipe, and a cancelled print removes what it wrote.
        if (const QString kind = io::SpecialFileKind(*file); !kind.isEmpty()) {
            ui.inform(parent, QStringLiteral("Error"),
                      QStringLiteral("'%1' is %2, not a file; it has been left as it is.")
                          .arg(*file, kind),
                      Icon::Error);
            return PrintOutcome::NotStarted;
        }
        pdfFile = *file;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfFile);
    } else {
        printer.setPrinterName(printerName);
    }
    printer.setDocName(header.reportName);
    printer.setPageLayout(report::PaperLayout(header));
    printer.setCopyCount(copies);
    // A printer that cannot make copies itself is sent the document that many times.
    const int replays = printer.supportsMultipleCopies() ? 1 : copies;

    const LongWork work;
    QPainter painter;
    if (!painter.begin(&printer)) {
        reportFailure(ui, parent, printerName);
        return PrintOutcome::NotStarted;
    }
    const bool finished =
        report::ReplayDocument(reader, printer, painter, state, replays, &progress);
    if (!finished)
        printer.abort();
    painter.end();
    if (!finished) {
        if (!pdfFile.isEmpty())
            QFile::remove(pdfFile);
        return PrintOutcome::Cancelled;
    }
    if (printer.printerState() == QPrinter::Error) {
        reportFailure(ui, parent, printerName);
        return PrintOutcome::NotStarted;
    }
    return PrintOutcome::Printed;
}

}  // namespace ui
