// Brisvane: builds the platform adapters, the program and its windows, and starts with the
// splash window, which hands over to the game window.

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <cstdlib>

#include "InstallLayout.h"
#include "advisor/AdviceSource.h"
#include "common/ProgramFolder.h"
#include "game/SystemRandom.h"
#include "program/Program.h"
#include "windows/AccessibleControl.h"
#include "settings/FileProfile.h"
#include "windows/MainView.h"
#include "windows/QtPorts.h"
#include "windows/SettingsView.h"
#include "windows/ModuleSound.h"
#include "program/Splash.h"
#include "windows/SplashView.h"
#include "windows/ThreadWorker.h"
#include "windows/TranslationWindows.h"
#include "windows/XdgMail.h"

using namespace brisvane;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(Program::ProgramName));
    QApplication::setApplicationVersion(QString::fromStdString(Program::versionText()));
    // The desktop entry's name, by which a Wayland desktop finds the window's launcher and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(BRISVANE_APP_ID));
    // Interfaces are made only when assistive technology asks for them.
    installAccessibleInterfaces();

    const std::filesystem::path exeFolder =
        QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString();
    ProgramFolder folder = ProgramFolder::locate(
        exeFolder, ProgramFolder::dataHome(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")));

    FileProfile profile;
    QtClock clock;
    SystemRandom random;
    ModuleSound sound;
    QtShell shell;
    QtDialogs dialogs;
    QtScreen screen;
    QtLocale locale;
    XdgMail mail;
    ThreadWorker worker;
    Program program(folder, profile,
                    Platform{clock, random, sound, shell, dialogs, screen, locale, &mail, &worker});
    // The advisor's tables are kept per user, beside an installed copy's own folder, also when
    // the game runs from a build or unpacked folder.
    std::filesystem::path tables =
        ProgramFolder::dataHome(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    if (!tables.empty()) {
        tables /= "brisvane";
    }
    program.advice().prepare = [tables](const advisor::Progress& progress) {
        return advisor::prepareAdvice(tables, progress);
    };
    // The settings file holds the players' passwords.
    profile.markPrivate(program.IniFile());
    FileProfile::removeStaleTemporaries(program.IniFile());
    // A settings file that cannot be read is played without, and said once, after the event
    // that found it (a box inside a read would interrupt whatever was being drawn).
    profile.setProblemHandler([&program, &dialogs](const std::string& file, const std::string& why) {
        if (file != program.IniFile()) {
            return;
        }
        QTimer::singleShot(0, [&dialogs, why] {
            dialogs.message(Program::ProgramName,
                            "The settings file cannot be read (" + why +
                                "). The game goes on with its defaults; changes and results "
                                "are not kept until it can be read again.");
        });
    });
    // The languages a newer version ships join the list of settings made before them.
    program.language().listShippedLanguages();

    MainView mainView(MainModels{program.game(), program.display(), program.topTen(),
                                 program.sounds(), program.mainShell(), program.alarmClock(),
                                 &program.menuWindow(), &program.submission(), &program.advice()});
    dialogs.setParent(&mainView);
    // Unpacking a large package takes a moment: the busy pointer says so.
    program.resources().showBusy = [](bool busy) {
        if (busy) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
        } else {
            QApplication::restoreOverrideCursor();
        }
    };
    screen.follow(&mainView);
    mail.setParent(&mainView);
    TranslationWindows translationWindows(program);
    // The settings window's widgets are made when it first opens, never at start-up.
    new SettingsViewHost(program.settings(), mainView.guard(), &mainView,
                         [&mainView] { mainView.render(); });

    EventGuard splashGuard([&program](const std::string& where, const std::exception& error) {
        program.log().WriteLog(errorLine(error, where));
    });
    Splash splash(profile, program.IniFile(), Program::versionText(),
                  [&mainView] { mainView.loadAndShow(); });
    SplashView splashView(splash, splashGuard, screen);

    return QApplication::exec();
}
