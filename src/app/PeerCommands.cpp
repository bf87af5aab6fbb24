#include "app/PeerCommands.h"

#include "app/CommandLine.h"
#include "app/CommandSupport.h"
#include "io/publish/PublishSite.h"

#include <QDate>

namespace app {

int PublishWebPage(const Invocation& invocation) {
    OpenCatalogue open(invocation, OpenCatalogue::Purpose::Read);
    const io::PublishResult result = io::PublishSite(open.connection(), open.catalogue().name(),
                                                     invocation.file, QDate::currentDate());
    say(stdout, QStringLiteral("%1 movies published to %2.").arg(result.movies).arg(result.page));
    return ExitOk;
}

}  // namespace app
