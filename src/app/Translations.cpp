#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace app {

namespace {

void install(QCoreApplication& application, const QLocale& locale, const QString& name,
             const QString& folder) {
    auto* translator = new QTranslator(&application);
    if (translator->load(locale, name, QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

}  // namespace

void InstallTranslations(QCoreApplication& application, const QLocale& locale) {
    install(application, locale, QStringLiteral("qtbase"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    // Built into the program, so the build tree's program finds them as the installed one does.
    install(application, locale, QStringLiteral("tallowmere"), QStringLiteral(":/i18n"));
}

}  // namespace app
