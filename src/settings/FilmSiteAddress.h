#pragma once

#include <QString>
#include <array>

namespace settings {

class Settings;

// What a look-up on the film web site searches: a movie title or a person's name.
enum class FilmSiteSearch { Title, Name };

// The hosts of the film web site the user may choose from (frmIMDb): the main host, two
// regional hosts and the mobile host.
inline constexpr std::array<const char*, 4> FilmSiteHosts = {
    "www.imdb.com",
    "uk.imdb.com",
    "www.imdb.de",
    "m.imdb.com",
};

// The site's search address: "https://" + host + "/find/?q=" + the words of text joined by "+"
// + "&s=tt" for a title or "&s=nm" for a name. Blanks separate words and vanish; every word is
// percent-encoded as UTF-8, so "&", "#", "?", "+" and accented letters reach the site as typed.
QString FilmSiteAddress(const QString& host, FilmSiteSearch kind, const QString& text);

// "Bacon, Kevin" gives " Kevin Bacon": the parts around the first comma change places, the part
// after it kept exactly. A name without a comma is returned unchanged.
QString SwapAroundComma(const QString& name);

// The host of the setting IMDbSite, or the main host when it is empty.
QString FilmSiteHost(const Settings& settings);

}  // namespace settings
