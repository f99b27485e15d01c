// One QApplication for all widget tests; offscreen unless a platform is named, also for listing.
#include <gmock/gmock.h>

#include <QApplication>

#include "windows/AccessibleControl.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    brisvane::installAccessibleInterfaces();
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
