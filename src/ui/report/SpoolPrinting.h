#pragma once

#include <QString>
#include <memory>
#include <optional>

class QPrinter;
class QWidget;

namespace settings {
class Settings;
}
namespace report {
struct DrawingState;
class PrintingProgress;
struct SpoolHeader;
class SpoolReader;
}  // namespace report

namespace ui {

class UserInterface;

enum class PrintOutcome { Printed, Cancelled, NotStarted };

// A spool file printed on the printer of "Printer", "Copies" times. The printer is set up on
// the window's thread, the pages are painted on the worker, and the outcome is told back on the
// window's thread. The "PDF file" printer, and any printer when none is installed, prints into
// a file written aside and put in place once the last page is printed.
class PrintJob {
public:
    // Asks for the file where the printer prints into one. Nothing when the user chose no file
    // or it cannot be printed into, which has been said in words.
    static std::unique_ptr<PrintJob> prepare(UserInterface& ui, const settings::Settings& settings,
                                             const report::SpoolHeader& header, QWidget* parent);
    // Whatever is left of a print that did not finish goes with it.
    ~PrintJob();
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    // On the worker: replays every page, copies times over; stops between pages when the
    // progress hears Cancel.
    void paint(report::SpoolReader& reader, report::DrawingState state,
               report::PrintingProgress& progress);
    // Back on the window's thread: a printer that failed is said in words (NotStarted).
    PrintOutcome finish(UserInterface& ui, QWidget* parent);

private:
    PrintJob();

    std::unique_ptr<QPrinter> printer_;
    QString printerName_;
    QString pdfFile_;   // where the PDF printer's file goes
    QString partFile_;  // where it is printed until then
    int replays_ = 1;
    bool begun_ = false;
    bool finished_ = false;
};

// Asks where a report goes as PDF, proposing <home>/<report name>.pdf. Nothing when the user
// cancelled.
std::optional<QString> ChoosePdfFile(UserInterface& ui, QWidget* parent, const QString& title,
                                     const QString& reportName);

}  // namespace ui
