#pragma once

#include <QCoreApplication>
#include <QString>
#include <stdexcept>

namespace report {

// The refusal of a report while another one is being written; translated where it is said.
inline constexpr char ReportBusyText[] =
    QT_TRANSLATE_NOOP("report::ReportError",
                      "Another report is being built.  Wait until it is finished, or cancel it.");

// ReportBusyText in the user's language.
inline QString ReportBusyMessage() {
    return QCoreApplication::translate("report::ReportError", ReportBusyText);
}

// A report that could not be written, read or printed, in words for the user.
class ReportError : public std::runtime_error {
public:
    explicit ReportError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

}  // namespace report
