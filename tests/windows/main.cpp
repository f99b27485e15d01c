// GoogleTest main for the widget tests: one QApplication for the whole run, created before any
// test touches a widget. The tests never need a real display: without a platform named they
// run offscreen, also when CTest merely lists them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brisvane"));
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
