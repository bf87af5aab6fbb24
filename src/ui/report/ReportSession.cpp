#include "ui/report/ReportSession.h"

#include "db/Catalogue.h"
#include "db/Connection.h"
#include "report/Report.h"
#include "report/ReportError.h"
#include "report/RunReport.h"
#include "report/SpoolLeftovers.h"
#include "report/SpoolWriter.h"
#include "ui/common/LongWork.h"
#include "ui/common/ScreenFit.h"
#include "ui/common/UserInterface.h"
#include "ui/report/PreviewWindow.h"
#include "ui/report/PrintingWindow.h"

#include <QScopeGuard>

namespace ui {

ReportSession::ReportSession(UserInterface& ui, settings::Settings& settings,
                             db::Catalogue& catalogue, QWidget& mainWindow)
    : QObject(&mainWindow),
      ui_(ui),
      settings_(settings),
      catalogue_(catalogue),
      mainWindow_(mainWindow),
      writer_(std::make_unique<report::SpoolWriter>(catalogue.folder() + QStringLiteral("/Temp"))) {
}

PreviewWindow* ReportSession::preview() const {
    return preview_;
}

ReportSession::~ReportSession() {
    delete preview_.data();
}

bool ReportSession::run(const MakeReport& make) {
    auto refuse = [this](const QString& text) {
        ui_.inform(&mainWindow_, QStringLiteral("Information"), text, Icon::Information);
    };
    if (writer_->isWriting()) {
        refuse(QString::fromLatin1(report::ReportBusyText));
        return false;
    }
    // Each report replaces the preview before it.
    if (preview_ && !preview_->close()) {
        refuse(
            QStringLiteral("The report on the screen is being printed.  Wait until it is "
                           "finished, or cancel it."));
        return false;
    }
    report::RemoveLeftoverSpoolFiles(catalogue_.folder());
    // The report reads through a connection of its own: the main window stays usable while
    // it is written, and may even open another catalogue.
    const std::unique_ptr<db::Connection> connection =
        db::Connection::open(catalogue_.filePath(), db::Connection::Access::ReadOnly);
    PrintingWindow progress(&mainWindow_);
    writer_->setDatabaseName(catalogue_.name());
    writer_->setProgress(&progress);
    const auto detach = qScopeGuard([this] { writer_->setProgress(nullptr); });
    const LongWork work;
    const std::unique_ptr<report::Report> made = make(*writer_, *connection);
    const std::optional<QString> spoolFile = report::RunReport(*made, *writer_);
    if (!spoolFile)
        return false;
    preview_ = new PreviewWindow(ui_, settings_, drawingState_, *spoolFile, &mainWindow_);
    preview_->Init();
    // Where no window manager maximises it, the preview still starts filling the screen.
    preview_->setGeometry(AvailableGeometry(mainWindow_));
    preview_->showMaximized();
    return true;
}

}  // namespace ui
