#include "ui/shell/FilmSiteSearch.h"

#include "ui/common/UserInterface.h"

#include <QUrl>

namespace ui {

void SearchFilmSite(UserInterface& ui, const settings::Settings& settings,
                    settings::FilmSiteSearch kind, const QString& text) {
    const QString address = settings::FilmSiteAddress(settings::FilmSiteHost(settings), kind, text);
    ui.openUrl(QUrl::fromEncoded(address.toUtf8(), QUrl::StrictMode));
}

}  // namespace ui
