#include "ui/report/ReportSession.h"

#include "db/Catalogue.h"
#include "db/Connection.h"
#include "report/Report.h"
#include "report/ReportError.h"
#include "report/RunReport.h"
#include "report/SpoolLeftovers.h"
#include "report/SpoolWriter.h"
#include "ui/common/BackgroundWork.h"
#include "ui/common/ErrorReport.h"
#include "ui/common/ScreenFit.h"
#include "ui/common/UserInterface.h"
#include "ui/report/PreviewWindow.h"
#include "ui/report/PrintingWindow.h"
#include "ui/report/ReportWriting.h"

#include <QScopeGuard>
#include <memory>

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
    // The report is written on the worker, through a connection of its own: the main window
    // stays usable, and frmPrinting shows how far it has got.
    writer_->setDatabaseName(catalogue_.name());
    auto spoolFile = std::make_shared<std::optional<QString>>();
    const QString path = catalogue_.filePath();
    report::SpoolWriter* writer = writer_.get();
    BackgroundWork::start(
        &mainWindow_, std::make_unique<PrintingView>(new PrintingWindow(&mainWindow_)),
        [writer, make, path, spoolFile](WorkProgress& progress) {
            const auto connection = db::Connection::open(path, db::Connection::Access::ReadOnly);
            *spoolFile = WriteReportOnWorker(*writer, *connection, progress, make);
        },
        [this, spoolFile](std::exception_ptr failure) {
            if (failure) {
                RunCommand(ui_, &mainWindow_, [failure] { std::rethrow_exception(failure); });
                return;
            }
            if (!*spoolFile)
                return;
            preview_ = new PreviewWindow(ui_, settings_, drawingState_, **spoolFile, &mainWindow_);
            preview_->Init();
            // Where no window manager maximises it, the preview still starts filling the screen.
            preview_->setGeometry(AvailableGeometry(mainWindow_));
            preview_->showMaximized();
        });
    return true;
}

}  // namespace ui
