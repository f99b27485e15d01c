#pragma once
// The game window put together for widget tests: the real models on a temporary copy of the
// shipped program folder, with fake dialogs, sound, shell, screen, clock and dice, and the
// real Qt view on top (offscreen).

#include <array>

#include <QPoint>
#include <QTest>
#include <memory>
#include <optional>
#include <string>

#include "program/Program.h"
#include "settings/FileProfile.h"
#include "support/Fakes.h"
#include "support/TempFolder.h"
#include "windows/ControlWidget.h"
#include "windows/MainView.h"

namespace brisvane::testing {

class MainRig {
public:
    // `settings` lines are written into Options of the copied Vexa.ini before anything loads,
    // e.g. {{"WarnExit", "Yes"}}.
    explicit MainRig(std::initializer_list<std::pair<std::string, std::string>> settings = {});
    ~MainRig();

    // The window's load step and first game, as at start-up.
    void start();

    ControlWidget& widget(const char* objectName) const;
    void click(const char* objectName) const;
    // Presses and releases `button` at `at` (window pixels) on the window's surface, moving
    // through `path` with the button held.
    void sweep(Qt::MouseButton button, std::initializer_list<QPoint> path) const;
    void key(Qt::Key key) const;
    // Fires a model timer's tick through the view, as the real timer would.
    void tick(const char* timerName) const;
    bool timerRunning(const char* timerName) const;

    // The window pixel at the middle of die i's zone.
    static QPoint dieSpot(int die);

    std::string setting(const std::string& section, const std::string& key);

    TempFolder folder;
    std::string iniFile;
    FileProfile profile;
    FakeClock clock;
    FakeRandom random;
    FakeLocale locale;
    FakeDialogs dialogs;
    FakeSound speaker;
    FakeShell shell;
    FakeScreen screen;
    Program program;
    GameModel& game;
    DotMatrix& dots;
    MainShell& windowShell;
    std::unique_ptr<MainView> view;
};

} // namespace brisvane::testing
