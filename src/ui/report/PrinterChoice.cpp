#include "ui/report/PrinterChoice.h"

#include "settings/Settings.h"
#include "db/TextRoutines.h"

#include <QPrinterInfo>
#include <cmath>

namespace ui {

namespace {

constexpr int MaxCopies = 99;

}  // namespace

QStringList PrinterNames() {
    QStringList names = QPrinterInfo::availablePrinterNames();
    names.append(QString::fromLatin1(PdfPrinterName));
    return names;
}

QString CurrentPrinterName(const settings::Settings& settings, const QStringList& offered) {
    const QString saved = settings.value(settings::key::Printer);
    if (!saved.isEmpty() && offered.contains(saved))
        return saved;
    const QString system = QPrinterInfo::defaultPrinterName();
    if (!system.isEmpty() && offered.contains(system))
        return system;
    return QString::fromLatin1(PdfPrinterName);
}

int CopiesFromText(const QString& text) {
    const double number = db::LeadingNumber(text);
    if (number <= 0 || number >= MaxCopies + 1)
        return 1;
    // The default rounding mode rounds halves to the even neighbour.
    const int copies = static_cast<int>(std::nearbyint(number));
    return copies >= 1 && copies <= MaxCopies ? copies : 1;
}

}  // namespace ui
