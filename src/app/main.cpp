// Brisvane: builds the platform adapters, the program and its windows, and starts with the
// splash window, which hands over to the game window.

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <cstdlib>

#include "InstallLayout.h"
#include "advisor/AdviceSource.h"
#include "common/FileIo.h"
#include "common/ProgramFolder.h"
#include "common/Text.h"
#include "game/SystemRandom.h"
#include "program/Program.h"
#include "windows/AccessibleControl.h"
#include "settings/FileProfile.h"
#include "windows/MainView.h"
#include "windows/QtPaths.h"
#include "windows/QtPorts.h"
#include "windows/SettingsView.h"
#include "windows/ModuleSound.h"
#include "program/Splash.h"
#include "windows/SplashView.h"
#include "windows/StatisticsView.h"
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

    // Asked of the system, not of Qt, whose text would lose the bytes of a folder name that is
    // not UTF-8.
    const std::filesystem::path exeFolder = ProgramFolder::executableFolder(
        QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString());
    ProgramFolder folder = ProgramFolder::locate(
        exeFolder, ProgramFolder::dataHome(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")));

    // Qt reaches the files of a folder whose name is not UTF-8 relative to it (windows/QtPaths).
    if (!isUtf8Path(folder.path().string())) {
        [[maybe_unused]] const int ignored = ::chdir(folder.path().c_str());
    }
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
    dialogs.setLanguage(&program.language());
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
    const auto tellLater = [&dialogs](const std::string& text) {
        QTimer::singleShot(0, [&dialogs, text] {
            dialogs.message(Program::ProgramName, text, MessageKind::Warning);
        });
    };
    profile.setProblemHandler([&program, tellLater](const std::string& file, const std::string& why) {
        if (file == program.IniFile()) {
            tellLater(text::fill(program.language().T("s136"), {why}));
        }
    });
    // The languages a newer version ships join the list of settings made before them.
    program.language().listShippedLanguages();
    program.log().setProblemHandler(
        [&program, tellLater](const std::string& file, const std::string& why) {
            tellLater(text::fill(program.language().T("s137"), {file, why}));
        });
    // What killed unpacking left behind.
    removeStaleFiles(program.folder().path().string(), ReplacementFile::PartialPrefix);

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
    mail.setTexts(&program.language());
    TranslationWindows translationWindows(program);
    // The settings window's widgets are made when it first opens, never at start-up.
    new SettingsViewHost(program.settings(), mainView.guard(), &mainView,
                         [&mainView] { mainView.render(); });
    // So are the statistics window's, with the chart module they draw with.
    new StatisticsViewHost(program.statistics(), mainView.guard(), &mainView);

    EventGuard splashGuard([&program](const std::string& where, const std::exception& error) {
        program.log().WriteLog(errorLine(error, where));
    });
    Splash splash(profile, program.IniFile(), Program::versionText(),
                  [&mainView] { mainView.loadAndShow(); });
    program.language().updateLanguageFile(); // the splash's subtitle in the player's language
    SplashView splashView(splash, splashGuard, screen,
                          QString::fromStdString(program.language().T("s167")));

    return QApplication::exec();
}
