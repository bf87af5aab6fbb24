#include "app/Settings.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>

namespace app {

namespace {

const QString Group = QStringLiteral("Settings");

// The screen has 15 twips to a pixel at 96 dots per inch.
QString twips(int pixels) {
    return QString::number(static_cast<float>(pixels * 15));
}

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

void SaveFormPosition(Settings& settings, const QWidget& window, const QString& prefix) {
    const QString name = prefix.isEmpty() ? window.objectName() : prefix;
    const Qt::WindowStates state = window.windowState();
    int stateNumber = 0;
    if (state & Qt::WindowMinimized)
        stateNumber = 1;
    else if (state & Qt::WindowMaximized)
        stateNumber = 2;
    if (stateNumber == 0) {
        const QRect frame = window.frameGeometry();
        settings.setValue(name + QStringLiteral(".Top"), twips(frame.top()));
        settings.setValue(name + QStringLiteral(".Left"), twips(frame.left()));
        settings.setValue(name + QStringLiteral(".Height"), twips(frame.height()));
        settings.setValue(name + QStringLiteral(".Width"), twips(frame.width()));
    }
    settings.setValue(name + QStringLiteral(".WindowState"), QString::number(stateNumber));
}

}  // namespace app
