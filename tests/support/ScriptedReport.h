#pragma once

#include "report/Report.h"
#include "report/SpoolWriter.h"

#include <QFile>
#include <QStringList>
#include <functional>

namespace test {

using ReportBody = std::function<void(report::SpoolWriter&)>;

struct ReportOptions {
    int orientation = 0;
    int paperSize = 0;
    QString password;
    ReportBody heading;  // after the standard page heading
};

// A report whose rows the test writes through the engine's own calls: nothing of a real report.
class ScriptedReport final : public report::Report {
public:
    ScriptedReport(report::SpoolWriter& writer, QString name, ReportBody body,
                   ReportOptions options = {})
        : writer_(writer),
          name_(std::move(name)),
          body_(std::move(body)),
          options_(std::move(options)) {}

    QString Name() const override { return name_; }
    void PrintReport() override {
        writer_.BeginReport(*this, options_.orientation, options_.paperSize, options_.password);
        body_(writer_);
        writer_.EndReport();
    }
    void PrintHeading() override {
        writer_.PrintPageHeading();
        if (options_.heading)
            options_.heading(writer_);
    }

private:
    report::SpoolWriter& writer_;
    QString name_;
    ReportBody body_;
    ReportOptions options_;
};

// Rows "Row 1", "Row 2", ... at tab 1, up to the first row of the page given. The heading
// places tab 1 half an inch in.
inline ReportBody RowsUntilPage(int pages) {
    return [pages](report::SpoolWriter& writer) {
        for (int row = 1; !writer.cancelled(); ++row) {
            writer.NewLine();
            writer.PrintText(QStringLiteral("Row %1").arg(row), 1);
            if (writer.pageNumber() >= pages)
                break;
        }
    };
}

inline ReportOptions RowsHeading() {
    ReportOptions options;
    options.heading = [](report::SpoolWriter& writer) { writer.SetTab(1, 0.5, 1); };
    return options;
}

// The lines of a spool file, without their CR LF.
inline QStringList SpoolFileLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

}  // namespace test
