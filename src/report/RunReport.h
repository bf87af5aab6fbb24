#pragma once

#include <QString>
#include <optional>

namespace report {

class Report;
class SpoolWriter;

// modReport: runs one report into its spool file. The finished file, or nothing when the
// report was not ready or was cancelled. A failure half way leaves no file behind and is thrown
// on to the caller.
std::optional<QString> RunReport(Report& report, SpoolWriter& writer);

}  // namespace report
