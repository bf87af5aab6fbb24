#include "app/CommandSupport.h"

#include "app/CommandLine.h"
#include "app/Startup.h"
#include "db/CaseKeys.h"
#include "db/Upgrade.h"
#include "settings/Settings.h"

#include <unistd.h>
#include <QDir>
#include <QFile>

namespace app {

void say(FILE* stream, const QString& text) {
    std::fputs(qPrintable(text + u'\n'), stream);
    std::fflush(stream);
}

TerminalProgress::TerminalProgress() : shown_(isatty(fileno(stderr)) != 0) {}

TerminalProgress::~TerminalProgress() {
    if (shown_ && drawn_)
        std::fputs("\r\033[K", stderr);
}

void TerminalProgress::show(const QString& text) {
    if (!shown_ || (clock_.isValid() && clock_.elapsed() < 200))
        return;
    clock_.start();
    drawn_ = true;
    std::fputs(qPrintable(QStringLiteral("\r\033[K") + text.left(70)), stderr);
    std::fflush(stderr);
}

OpenCatalogue::OpenCatalogue(const Invocation& invocation, Purpose purpose)
    : catalogue_(CatalogueFolder()) {
    settings::Settings settings;
    const QString name = invocation.catalogue.isEmpty() ? settings::LoadDatabaseName(settings)
                                                        : invocation.catalogue;
    const QString path = db::Catalogue::FilePath(catalogue_.folder(), name);
    if (purpose == Purpose::Read && !QFile::exists(path))
        throw db::Error(QStringLiteral("There is no catalogue '%1' (%2).").arg(name, path));
    QDir().mkpath(catalogue_.folder());
    try {
        catalogue_.OpenDatabase(name);
        db::UpdateDatabase(catalogue_.connection());
        db::FillMissingCaseKeys(catalogue_.connection());
    } catch (const db::CatalogueInUse&) {
        if (purpose == Purpose::Write)
            throw;
        // The window has it: it is up to date, and a reader may look.
        catalogue_.OpenDatabase(name, db::Catalogue::Sharing::Shared);
    }
}

}  // namespace app
