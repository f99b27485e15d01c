#include <QApplication>
#include <QLabel>

// Placeholder until the game window lands: proves the build, the program folder and the
// start command.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brisvane"));
    QLabel window(QStringLiteral("Brisvane"));
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
