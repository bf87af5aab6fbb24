#pragma once

#include "report/ReportFont.h"
#include "report/Scrambler.h"
#include "report/TabStops.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <QStringEncoder>
#include <functional>
#include <memory>

class QFile;

namespace report {

class PrintingProgress;
class Report;

// modPrint: turns a report's calls into the lines of a spool file, keeps the page accounting
// and calls the report's PrintHeading at every page break. One report at a time. The font last
// selected is kept from one report to the next, so a later report in the same font begins with
// a style command only; the preview carries its own font over in the same way.
class SpoolWriter {
    Q_DECLARE_TR_FUNCTIONS(report::SpoolWriter)

public:
    // Spool files go into spoolFolder (<catalogue folder>/Temp), which is made when missing.
    explicit SpoolWriter(QString spoolFolder);
    ~SpoolWriter();
    SpoolWriter(const SpoolWriter&) = delete;
    SpoolWriter& operator=(const SpoolWriter&) = delete;

    // gDBName, shown in every page heading.
    void setDatabaseName(const QString& name) { databaseName_ = name; }
    // The window that shows how far a report has got; none is fine.
    void setProgress(PrintingProgress* progress) { progress_ = progress; }
    // Where the date and time of the header and page heading come from (tests fix them).
    void setClock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }

    const QString& spoolFolder() const { return folder_; }
    bool isWriting() const { return report_ != nullptr; }
    // gReportCancelled: Cancel was pressed; reports end their row loops on it.
    bool cancelled() const { return cancelled_; }
    // The spool file the last report finished; empty when it was cancelled.
    const QString& finishedFile() const { return finishedFile_; }
    int pageNumber() const { return pageNumber_; }

    // Opens a new spool file and writes the header and the first page heading. Orientation and
    // paper size 0 mean portrait and letter. Refused while another report is being written.
    void BeginReport(Report& report, int orientation = 0, int paperSize = 0,
                     const QString& password = {});
    // Writes the end and the page index and closes the file; a cancelled report's file is
    // removed.
    void EndReport();
    // Gives up the report being written, removing its file: after a failure half way.
    void AbandonReport();

    // One or more "/TEXT" commands: the value cut at its column's edge, or with style 1 wrapped
    // onto further lines inside the column. Style 0 keeps the current style.
    void PrintText(const QString& value, int tab, int style = 0);
    // A "/TEXT" that stands on a line of its own, such as a count or "No movies found.": never
    // cut at the column's edge, however narrow the column of the rows above it.
    void PrintWholeText(const QString& value, int tab);
    // "/CR", after a page break when the page is full.
    void NewLine();
    void NewPage();
    void SetFont(double size, const QString& name, int style);
    void SetTab(int tab, double position, int alignment);
    void ResetTabs();
    void PrintBox(double x1, double y1, double x2, double y2, int width);
    void PrintLineAbove(int tab, double length, int width);
    void ScreenOnly();
    // "/PICTURE": an encoded picture drawn width × height twips, its top left corner x twips from
    // the page's left edge and y twips below the top of the current line.
    void PrintPicture(int x, int y, int width, int height, const QByteArray& encoded);
    // The heading every page starts with: the screen-only frame, the catalogue, the report's
    // name, the page number and the date.
    void PrintPageHeading();
    void WriteSpoolLine(const QString& text);
    // The first <folder>/<8 digits>.<extension> that names no file: the seconds of the day, then
    // counted up.
    QString GetSpoolFileName(const QString& extension) const;

private:
    QString candidateName(const QString& extension, int step) const;
    void openSpoolFile();
    void writeLine(QByteArrayView line, bool scramble = true);
    // Ends the line begun at start in the buffer, scrambles it and passes it on to the file.
    void endLine(qsizetype start, bool scramble);
    void writeNumber(double value);
    void writeNumber(int value);
    void flush();
    [[noreturn]] void fail(const QString& reason);
    void closeAndRemove();
    void letEventsRun();
    double columnLimit(int tab) const;
    QDateTime now() const;

    QString folder_;
    QString databaseName_;
    PrintingProgress* progress_ = nullptr;
    std::function<QDateTime()> clock_;

    Report* report_ = nullptr;
    std::unique_ptr<QFile> file_;
    QString fileName_;
    QString finishedFile_;
    QByteArray buffer_;
    QStringEncoder utf8_{QStringConverter::Utf8, QStringConverter::Flag::Stateless};
    qint64 written_ = 0;  // bytes of the file so far, buffered ones included
    Scrambler scrambler_;
    bool cancelled_ = false;
    QElapsedTimer sinceEvents_;

    int orientation_ = 1;
    int paperSize_ = 1;
    int pageHeight_ = 0;
    int currentHeight_ = 0;
    int pageNumber_ = 0;
    QList<qint64> pageOffsets_;
    TabStops tabs_;

    // The font last selected: kept from one report to the next.
    QString fontName_;
    double fontSize_ = 0;
    int fontStyle_ = 0;
    int lineHeight_ = 250;
    ScreenMetrics metrics_;
};

}  // namespace report
