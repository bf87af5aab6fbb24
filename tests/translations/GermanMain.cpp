#include "app/Translations.h"

#include <gtest/gtest.h>
#include <QApplication>

// The window as a German user starts it: the language comes from LANG alone, as the program's
// own start reads it, and the translations are installed the way the program installs them.
int main(int argc, char** argv) {
    qputenv("LANG", "de_DE.UTF-8");
    for (const char* overriding : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LC_NUMERIC"})
        qunsetenv(overriding);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("KIB"));
    app::InstallTranslations(application);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
