#pragma once

#include <QList>
#include <QString>
#include <memory>
#include <optional>

namespace db {
class Connection;
}

namespace report {

class Report;
class SpoolWriter;

// The eight reports of the Reports menu, for those who run them by name (the command line)
// rather than from the menu.
enum class ReportKind { List, Label, Rating, Media, Detailed, Inventory, Cost, Lent };

struct ReportEntry {
    ReportKind kind;
    const char* shortName;  // "label"
    const char* caption;    // as on the Reports menu, in English: "Movie listing (by label #)"
    bool takesIds;          // the ratings or media to list
};

const QList<ReportEntry>& ReportEntries();

// The report of that short name or menu caption (in English or in the user's language), ignoring
// case, "&" and a trailing "..".
std::optional<ReportEntry> FindReport(const QString& name);

// The report object, writing through writer; ids are the chosen ratings or media of the two
// reports that take them.
std::unique_ptr<Report> MakeReport(ReportKind kind, SpoolWriter& writer, db::Connection& connection,
                                   const QList<int>& ids = {});

}  // namespace report
