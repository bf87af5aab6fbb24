#include "ui/tools/PublishCommand.h"

#include "db/Catalogue.h"
#include "db/Connection.h"
#include "io/publish/PublishSite.h"
#include "ui/common/BackgroundWork.h"
#include "ui/common/ErrorReport.h"
#include "ui/common/UserInterface.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QUrl>
#include <memory>

namespace ui {

namespace {

const QString Caption = QStringLiteral("Publish as web page");

// A page of its own folder: the page may bring a pictures folder along.
QString proposedPage(const db::Catalogue& catalogue) {
    return QDir::home().filePath(QStringLiteral("%1 web page/index.html").arg(catalogue.name()));
}

}  // namespace

void PublishWebPageCommand(UserInterface& ui, db::Catalogue& catalogue, QWidget* parent) {
    FileChoice choice;
    choice.purpose = FileChoice::Purpose::Save;
    choice.title = Caption;
    choice.proposedFile = proposedPage(catalogue);
    choice.filters = {QStringLiteral("Web pages (*.html)")};
    const std::optional<QString> chosen = ui.chooseFile(parent, choice);
    if (!chosen)
        return;
    const QFileInfo page(*chosen);
    const QString folder = page.absolutePath();
    if (QFileInfo::exists(QDir(folder).filePath(QStringLiteral("index.html"))) &&
        ui.ask(parent, Caption,
               QStringLiteral("'%1' holds a web page already. Replace it?").arg(folder),
               Buttons::YesNo) != Answer::Yes)
        return;
    // The page is made on the worker, from a connection of its own.
    const QString path = catalogue.filePath();
    const QString name = catalogue.name();
    auto result = std::make_shared<io::PublishResult>();
    BackgroundWork::start(
        parent, QStringLiteral("Publishing the web page"),
        [path, name, folder, result](WorkProgress&) {
            const auto connection = db::Connection::open(path, db::Connection::Access::ReadOnly);
            *result = io::PublishSite(*connection, name, folder, QDate::currentDate());
        },
        [&ui, parent = QPointer<QWidget>(parent), result](std::exception_ptr failure) {
            if (failure) {
                RunCommand(ui, parent, [failure] { std::rethrow_exception(failure); });
                return;
            }
            if (ui.ask(parent, Caption,
                       QStringLiteral(
                           "%1 movies published to '%2'.\n\nOpen the page in the web browser?")
                           .arg(result->movies)
                           .arg(result->page),
                       Buttons::YesNo) == Answer::Yes)
                ui.openUrl(QUrl::fromLocalFile(result->page));
        });
}

}  // namespace ui
