#pragma once

#include "settings/FilmSiteAddress.h"

namespace ui {

class UserInterface;

// Opens the site's search for text in the browser, on the host of the setting IMDbSite. Whether
// a browser started is not reported.
void SearchFilmSite(UserInterface& ui, const settings::Settings& settings,
                    settings::FilmSiteSearch kind, const QString& text);

}  // namespace ui
