#include "ui/report/SpoolPrinting.h"

#include "io/Destination.h"
#include "report/DocumentReplay.h"
#include "report/PageDrawer.h"
#include "report/SpoolReader.h"
#include "settings/Settings.h"
#include "ui/common/UserInterface.h"
#include "ui/report/PrinterChoice.h"

#include <stdio.h>
#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

namespace ui {

namespace {

void reportFailure(UserInterface& ui, QWidget* parent, const QString& printer) {
    ui.inform(parent, QStringLiteral("Error"),
              QStringLiteral("The report could not be printed on '%1'.  Check that the printer "
                             "is ready, or choose another one in File > Printer setup.")
                  .arg(printer),
              Icon::Error);
}

// A fresh file beside pdfFile, for the printer to print into; empty when none can be made there.
QString partFileBeside(const QString& pdfFile) {
    QTemporaryFile part(pdfFile + QStringLiteral(".XXXXXX"));
    part.setAutoRemove(false);
    if (!part.open())
        return QString();
    return part.fileName();
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

PrintJob::PrintJob() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

PrintJob::~PrintJob() {
    if (!partFile_.isEmpty())
        QFile::remove(partFile_);
}

std::unique_ptr<PrintJob> PrintJob::prepare(UserInterface& ui, const settings::Settings& settings,
                                            const report::SpoolHeader& header, QWidget* parent) {
    std::unique_ptr<PrintJob> job(new PrintJob);
    job->printerName_ = CurrentPrinterName(settings, PrinterNames());
    const int copies = CopiesFromText(settings.value(settings::key::Copies));
    QPrinter& printer = *job->printer_;
    if (job->printerName_ == QLatin1String(PdfPrinterName)) {
        const std::optional<QString> file =
            ChoosePdfFile(ui, parent, QStringLiteral("Print to File"), header.reportName);
        if (!file)
            return nullptr;
        // The printer would wait on a pipe, and a cancelled print removes what it wrote.
        if (const QString kind = io::SpecialFileKind(*file); !kind.isEmpty()) {
            ui.inform(parent, QStringLiteral("Error"),
                      QStringLiteral("'%1' is %2, not a file; it has been left as it is.")
                          .arg(*file, kind),
                      Icon::Error);
            return nullptr;
        }
        job->pdfFile_ = *file;
        job->partFile_ = partFileBeside(*file);
        if (job->partFile_.isEmpty()) {
            reportFailure(ui, parent, job->printerName_);
            return nullptr;
        }
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(job->partFile_);
    } else {
        printer.setPrinterName(job->printerName_);
    }
    printer.setDocName(header.reportName);
    printer.setPageLayout(report::PaperLayout(header));
    printer.setCopyCount(copies);
    // A printer that cannot make copies itself is sent the document that many times.
    job->replays_ = printer.supportsMultipleCopies() ? 1 : copies;
    return job;
}

void PrintJob::paint(report::SpoolReader& reader, report::DrawingState state,
                     report::PrintingProgress& progress) {
    QPainter painter;
    begun_ = painter.begin(printer_.get());
    if (!begun_)
        return;
    finished_ = report::ReplayDocument(reader, *printer_, painter, state, replays_, &progress);
    if (!finished_)
        printer_->abort();
    painter.end();
}

PrintOutcome PrintJob::finish(UserInterface& ui, QWidget* parent) {
    if (!begun_ || (finished_ && printer_->printerState() == QPrinter::Error)) {
        reportFailure(ui, parent, printerName_);
        return PrintOutcome::NotStarted;
    }
    if (!finished_)
        return PrintOutcome::Cancelled;
    if (!partFile_.isEmpty()) {
        // Put in place in one step: a file of that name stays whole until then.
        const bool replacing = QFileInfo::exists(pdfFile_);
        const QFile::Permissions kept = QFile::permissions(pdfFile_);
        if (::rename(QFile::encodeName(partFile_).constData(),
                     QFile::encodeName(pdfFile_).constData()) != 0) {
            reportFailure(ui, parent, printerName_);
            return PrintOutcome::NotStarted;
        }
        partFile_.clear();
        if (replacing) {
            QFile::setPermissions(pdfFile_, kept);
        } else {
            // A new file is readable as any other the user makes, not private as the part was.
            const mode_t mask = ::umask(0);
            ::umask(mask);
            ::chmod(QFile::encodeName(pdfFile_).constData(), 0666 & ~mask);
        }
    }
    return PrintOutcome::Printed;
}

}  // namespace ui
