#pragma once

#include <QString>

class QWidget;

namespace app {
class Settings;
}
namespace report {
struct DrawingState;
class PrintingProgress;
class SpoolReader;
}  // namespace report

namespace ui {

class UserInterface;

enum class PrintOutcome { Printed, Cancelled, NotStarted };

// Prints a spool file on the printer of "Printer", "Copies" times. The "PDF file" printer, and
// any printer when none is installed, asks for a file to print into. NotStarted: the user
// chose no file, or the printer refused, which has been said in words.
PrintOutcome PrintSpoolFile(UserInterface& ui, const app::Settings& settings,
                            report::SpoolReader& reader, report::DrawingState state,
                            report::PrintingProgress& progress, QWidget* parent);

// <home>/<report name>.pdf, proposed wherever a report is saved as PDF.
QString ProposedPdfFile(const QString& reportName);

}  // namespace ui
