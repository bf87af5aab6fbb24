#include "app/Translations.h"

#include <gtest/gtest.h>
#include <unistd.h>
#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr char Started[] = "TALLOWMERE_GERMAN_TEST";

}  // namespace

// The window as a German user starts it: the language comes from LANG alone, as the program's
// own start reads it, and the translations are installed the way the program installs them.
// The locale is read once per process, maybe before main (by a static initializer), so the test
// program starts itself again in that environment, as a shell would start the program.
int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet(Started)) {
        qputenv(Started, "1");
        qputenv("LANG", "de_DE.UTF-8");
        for (const char* overriding : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LC_NUMERIC"})
            qunsetenv(overriding);
        execv("/proc/self/exe", argv);
        std::perror("translation_tests: cannot start itself again");
        return EXIT_FAILURE;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("KIB"));
    app::InstallTranslations(application);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
