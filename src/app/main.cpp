// Brisvane: builds the platform adapters, the program and its windows, and starts with the
// splash window, which hands over to the game window.

#include <QApplication>
#include <QDir>
#include <cstdlib>

#include "common/ProgramFolder.h"
#include "game/SystemRandom.h"
#include "program/Program.h"
#include "settings/FileProfile.h"
#include "windows/MainShell.h"
#include "windows/MainTexts.h"
#include "windows/MainView.h"
#include "windows/QtPorts.h"
#include "windows/QtSound.h"
#include "windows/Splash.h"
#include "windows/SplashView.h"

using namespace brisvane;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(Program::ProgramName));
    QApplication::setApplicationVersion(QString::fromStdString(Program::versionText()));

    const std::filesystem::path exeFolder =
        QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString();
    ProgramFolder folder = ProgramFolder::choose(
        exeFolder, ProgramFolder::dataHome(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")),
        ProgramFolder::dataFilesIn(exeFolder));

    FileProfile profile;
    QtClock clock;
    SystemRandom random;
    QtSound sound;
    QtShell shell;
    QtDialogs dialogs;
    QtScreen screen;
    QtLocale locale;
    Program program(folder, profile,
                    Platform{clock, random, sound, shell, dialogs, screen, locale});

    MainShell mainShell(MainShell::Wiring{
        profile, program.IniFile(), program.language(), dialogs, shell, screen, program.log(),
        program.game(), program.topTen(), program.sounds(), Program::ProgramVersion,
        Program::ProgramRevision,
        [&program](const std::string& name) { return program.folder().resolve(name); }});
    MainTexts mainTexts(profile, program.IniFile(), program.language(), mainShell, program.game(),
                        program.topTen());
    program.onLanUpdate = [&mainTexts] { mainTexts.apply(); };

    MainView mainView(MainModels{program.game(), program.display(), program.topTen(),
                                 program.sounds(), mainShell});
    dialogs.setParent(&mainView);

    EventGuard splashGuard([&program](const std::string& where, const std::exception& error) {
        program.log().WriteLog(errorLine(error, where));
    });
    Splash splash(profile, program.IniFile(), Program::versionText(),
                  [&mainView] { mainView.loadAndShow(); });
    SplashView splashView(splash, splashGuard, screen);

    return QApplication::exec();
}
