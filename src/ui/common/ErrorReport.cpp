#include "ui/common/ErrorReport.h"

#include "db/DatabaseError.h"
#include "ui/common/UserInterface.h"

#include <QCoreApplication>

namespace ui {

void ReportError(UserInterface& ui, QWidget* parent, const std::exception& error) {
    QString text;
    if (const auto* databaseError = dynamic_cast<const db::DatabaseError*>(&error))
        text = QCoreApplication::translate("ui::ErrorReport",
                                           "The catalogue could not be read or written.\n\n%1")
                   .arg(databaseError->message());
    else if (const auto* catalogueError = dynamic_cast<const db::Error*>(&error))
        text = catalogueError->message();
    else
        text = QString::fromStdString(error.what());
    ui.inform(parent, QCoreApplication::translate("ui::ErrorReport", "Error"), text, Icon::Error);
}

bool RunCommand(UserInterface& ui, QWidget* parent, const std::function<void()>& command) {
    try {
        command();
        return true;
    } catch (const std::exception& error) {
        ReportError(ui, parent, error);
        return false;
    }
}

}  // namespace ui
