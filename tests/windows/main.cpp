// GoogleTest main for the widget tests: one QApplication for the whole run, created before any
// test touches a widget. CTest runs these tests with QT_QPA_PLATFORM=offscreen.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brisvane"));
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
