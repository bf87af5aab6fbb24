#pragma once

#include <QString>
#include <stdexcept>

namespace report {

inline constexpr char ReportBusyText[] =
    "Another report is being built.  Wait until it is finished, or cancel it.";

// A report that could not be written, read or printed, in words for the user.
class ReportError : public std::runtime_error {
public:
    explicit ReportError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

}  // namespace report
