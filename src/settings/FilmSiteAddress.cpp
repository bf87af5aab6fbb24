#include "settings/FilmSiteAddress.h"

#include "settings/Settings.h"

#include <QUrl>
#include <string_view>

namespace settings {

static_assert(std::string_view(FilmSiteHosts[0]) == DefaultFilmSiteHost,
              "the first host is the default of IMDbSite");

QString FilmSiteAddress(const QString& host, FilmSiteSearch kind, const QString& text) {
    QString query;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        if (!query.isEmpty())
            query += u'+';
        query += QString::fromLatin1(QUrl::toPercentEncoding(word));
    }
    const QLatin1String searchKind(kind == FilmSiteSearch::Title ? "tt" : "nm");
    return QStringLiteral("https://%1/find/?q=%2&s=%3").arg(host, query, searchKind);
}

QString SwapAroundComma(const QString& name) {
    const qsizetype comma = name.indexOf(u',');
    if (comma < 0)
        return name;
    return name.mid(comma + 1) + u' ' + name.left(comma);
}

QString FilmSiteHost(const Settings& settings) {
    const QString host = settings.value(key::IMDbSite).trimmed();
    return host.isEmpty() ? QString::fromLatin1(DefaultFilmSiteHost) : host;
}

}  // namespace settings
