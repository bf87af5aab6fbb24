#pragma once

#include <QString>
#include <QStringList>

namespace settings {
class Settings;
}

namespace ui {

// Offered beside the installed printers, always: printing to it asks for a file name.
inline constexpr char PdfPrinterName[] = "PDF file";

// The device names of the installed printers in the system's order, then "PDF file".
QStringList PrinterNames();
// The printer a report is printed on: the saved "Printer" while it is offered, else the
// system's default printer, else "PDF file".
QString CurrentPrinterName(const settings::Settings& settings, const QStringList& offered);
// Copies as print setup keeps them: the number the text begins with, rounded (halves to the
// even neighbour), when that is 1 to 99; anything else is 1.
int CopiesFromText(const QString& text);

}  // namespace ui
