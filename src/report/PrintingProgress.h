#pragma once

#include <QCoreApplication>
#include <QString>

namespace report {

// The printing progress window (frmPrinting) as the writer and the printing replay see it: what
// they show in it, and the Cancel they hear through it, without knowing the window.
class PrintingProgress {
public:
    virtual ~PrintingProgress() = default;

    virtual void ShowProgress(const QString& caption, const QString& pageText,
                              bool showPercent) = 0;
    virtual void ShowPage(const QString& pageText) = 0;
    virtual void ShowPercent(int percent) = 0;
    // Lets pending window events run: this is where a click on Cancel is taken in.
    virtual void LetEventsRun() = 0;
    virtual bool cancelRequested() const = 0;
    virtual void CloseProgress() = 0;
};

// "Movie Listing, Page: 3"
inline QString PageText(const QString& reportName, int page) {
    return QCoreApplication::translate("report::PrintingProgress", "%1, Page: %2")
        .arg(reportName)
        .arg(page);
}

}  // namespace report
