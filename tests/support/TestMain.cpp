#include <gtest/gtest.h>
#include <QApplication>

// Every test runs on the real widgets, headless unless the caller chose a platform.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("KIB"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
