#include "settings/Settings.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace settings {

namespace {

const QString Group = QStringLiteral("Settings");

}  // namespace

// IniFormat would name the file KIB.ini; the store has always been KIB.conf.
Settings::Settings()
    : Settings(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
               QStringLiteral("/KIB/KIB.conf")) {}

Settings::Settings(const QString& iniFile)
    : store_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

Settings::~Settings() = default;

QString Settings::defaultValue(const char* key) {
    const QString name = QString::fromLatin1(key);
    if (name == QLatin1String(key::DBName))
        return QString::fromLatin1(DefaultDatabaseName);
    if (name == QLatin1String(key::SortCol) || name == QLatin1String(key::Copies))
        return QStringLiteral("1");
    if (name == QLatin1String(key::SortOrder))
        return QStringLiteral("0");
    if (name == QLatin1String(key::ExportFilename) || name == QLatin1String(key::ImportFilename))
        return QDir::homePath() + QStringLiteral("/Movies.txt");
    if (name == QLatin1String(key::SearchRatingIds) || name == QLatin1String(key::SearchMediaIds))
        return QStringLiteral("0");
    if (name == QLatin1String(key::IMDbSite))
        return QString::fromLatin1(DefaultFilmSiteHost);
    return QString();
}

QString Settings::value(const char* key) const {
    return value(QString::fromLatin1(key), defaultValue(key));
}

QString Settings::value(const QString& key, const QString& defaultValue) const {
    return store_->value(Group + u'/' + key, defaultValue).toString();
}

void Settings::setValue(const QString& key, const QString& value) {
    store_->setValue(Group + u'/' + key, value);
}

bool Settings::contains(const QString& key) const {
    return store_->contains(Group + u'/' + key);
}

QString Settings::fileName() const {
    return store_->fileName();
}

QString CleanDatabaseName(const QString& text) {
    QString result;
    for (QChar c : text.trimmed().toUpper())
        if ((c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9'))
            result.append(c);
    return result;
}

QString LoadDatabaseName(const Settings& settings) {
    const QString name = CleanDatabaseName(settings.value(key::DBName));
    return name.isEmpty() ? QString::fromLatin1(DefaultDatabaseName) : name;
}

}  // namespace settings
