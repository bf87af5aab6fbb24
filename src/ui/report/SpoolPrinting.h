#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace settings {
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
PrintOutcome PrintSpoolFile(UserInterface& ui, const settings::Settings& settings,
                            report::SpoolReader& reader, report::DrawingState state,
                            report::PrintingProgress& progress, QWidget* parent);

// Asks where a report goes as PDF, proposing <home>/<report name>.pdf. Nothing when the user
// cancelled.
std::optional<QString> ChoosePdfFile(UserInterface& ui, QWidget* parent, const QString& title,
                                     const QString& reportName);

}  // namespace ui
