#pragma once
// The game window's shell as a model: the window's own frame (it has no title bar of the
// desktop's), its place on the screen, the title strip that moves it, the close and minimise
// boxes, the background picture, the error marker, the mouse gestures on the table that pick
// up and put back dice, the keyboard, and the load step of the window in its order.
// Qt-free: MainView draws it and forwards the events.

#include <array>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/Ports.h"
#include "common/Profile.h"
#include "common/Texts.h"
#include "common/Controls.h"
#include "game/Scoring.h"

namespace brisvane {

class EventLog;
class GameModel;
class SoundBoard;
class TopTen;

// An error of the window with the number the log line shows ("Error 53: File not found").
class WindowError : public std::runtime_error {
public:
    WindowError(int number, const std::string& text) : std::runtime_error(text), number_(number) {}
    int number() const { return number_; }

    static constexpr int FileNotFound = 53;
    static constexpr int InvalidPicture = 481;

private:
    int number_;
};

// The log line of an error that escaped a handler: "Error <n>: <text>, <where>"; without a
// number (an error of unknown kind) "Error: <text>, <where>".
std::string errorLine(const std::exception& error, const std::string& where);

namespace shell {

inline constexpr int WindowWidth = 12000; // twips: 800 x 600 pixels
inline constexpr int WindowHeight = 9000;
// The work area of an 800 x 600 display above a standard taskbar: the window then sits at the
// top left and cannot be dragged.
inline constexpr int SmallAreaWidth = 12000;
inline constexpr int SmallAreaHeight = 8580;

// Where each die lies on the table: its zone spans X from..to and Y ZoneTop..ZoneBottom,
// bounds included. Neighbouring zones overlap; a point in an overlap belongs to both dice.
struct Zone {
    int from;
    int to;
};
inline constexpr std::array<Zone, 6> DieZones{
    {{920, 2150}, {2120, 3280}, {3260, 4390}, {4370, 5515}, {5480, 6640}, {6620, 7840}}};
inline constexpr int ZoneTop = 3260;
inline constexpr int ZoneBottom = 4450;

// The dice (1..6, in order) whose zone holds the point; empty off the table.
std::vector<int> diceAt(int x, int y);

// The background picture rule: a name counts only when it ends in ".jpg" or ".gif", exactly
// so (back.JPG does not).
bool isBackgroundPicture(const std::string& name);

// The `Logo` tool tip: the credit (its text in the language in use), then ", v. " and the
// version ("7.0" and 3 give ", v. 7.03 ").
std::string logoToolTip(const std::string& credit, const std::string& programVersion,
                        int programRevision);

// Where ScreenKoll puts the window on a work area, in twips. `left`/`top` stay as they are
// unless the rule moves them; `stripVisible` says whether the title strip is shown.
struct Placement {
    int left;
    int top;
    bool stripVisible;
};
Placement screenKoll(const TwipRect& workArea, int left, int top);
// The re-centred place of a double-click on the title strip.
Placement centred(const TwipRect& workArea, int width, int height);

// Where a window moved to (`left`, `top`) may stay so that its close and minimise boxes
// remain on the work area: the place itself, or the nearest one that keeps them there.
struct Point {
    int left;
    int top;
};
Point keepBoxesOnArea(const TwipRect& workArea, int left, int top);

} // namespace shell

enum class MouseButton { None = 0, Left = 1, Right = 2, Middle = 4 };

class MainShell {
public:
    struct Wiring {
        Profile& profile;
        std::string iniFile;
        const Texts& texts;
        Dialogs& dialogs;
        const Screen& screen;
        EventLog& log;
        GameModel& game;
        TopTen& topTen;
        SoundBoard& sound;
        std::string ProgramVersion; // "7.0"
        int ProgramRevision = 3;
        // The full path of a file of the program folder.
        std::function<std::string(const std::string& name)> programFile;
    };

    explicit MainShell(Wiring wiring);
    MainShell(const MainShell&) = delete;
    MainShell& operator=(const MainShell&) = delete;

    // ---- Controls of the shell (named as in the game window) ----
    Control Titellist;
    Control Avsluta;
    Control Minimera;
    Control lblExit;
    Control lblSett;
    Control Logo;
    Control BackgrPic; // caption = the path of the picture shown, "" for none
    Control ErrorPic;
    Control SoundPic;
    Control ShowTime;
    Control lb_User;
    Control Homepage;
    Control lblHelp;
    Control lbl_Roll;
    Control disp_Bonus;
    Control disp_Total;
    // Every control above, in a fixed order.
    std::vector<Control*> controls();
    // Whether the control shows the program's own hand pointer (cursor 74).
    static bool hasHandCursor(const std::string& objectName);
    // The window's texts in the current language.
    const Texts& texts() const { return w_.texts; }
    // The `Logo` credit in the current language.
    void applyCredit();

    // ---- The window ----
    struct Frame {
        int left = 0; // twips
        int top = 0;
        int width = shell::WindowWidth;
        int height = shell::WindowHeight;
        bool minimized = false;
    };
    Frame frame;
    bool TitleDragging = false;
    int TitleDownX = 0;
    int TitleDownY = 0;
    bool LeftDown = false;
    bool RightDown = false;
    std::array<int, 6> Swept{};
    // Set when the program is to end; the view closes at once and nothing else runs.
    bool ended = false;

    // ---- Hooks for the windows and modules that act on clicks of the shell's controls ----
    std::function<void()> endProgram;                // ends the program at once
    std::function<void()> closeSettings;             // the settings window, if open
    std::function<void()> openSettings;              // lblSett: settings window on its page "all"
    std::function<void()> openAlarm;                 // ShowTime
    std::function<void()> openUser;                  // lb_User
    std::function<void()> openHomepage;              // Homepage
    std::function<void()> openHelp;                  // lblHelp
    std::function<void(int x, int y)> openToolsMenu; // Logo, at the pointer (screen pixels)
    std::function<void()> openLog;                   // ErrorPic: the log file
    std::function<void()> loadClock; // the clock and alarm settings of the load step
    // Loads the background picture at `path` into the view; throws WindowError when it cannot.
    std::function<void(const std::string& path)> loadBackground;

    // ---- Change notification (the view repaints) ----
    void setChangeHandler(std::function<void()> handler) { changed_ = std::move(handler); }

    // ---- Operations ----
    // The load step of the game window, in its order, ending with the first new game. An
    // error on the way is logged ("Error <n>: <text>, Form load"), shows the error marker and
    // hides the background picture; the game starts all the same.
    void Load();
    void ScreenKoll();
    // The desktop's work area changed.
    void displayChanged();
    // The window was moved or restored by the desktop.
    void windowMoved(int left, int top);
    void windowRestored();

    // Title strip, positions relative to the strip in twips.
    void titleMouseDown(MouseButton button, int x, int y);
    void titleMouseMove(MouseButton button, int x, int y);
    void titleMouseUp(MouseButton button);
    void titleDblClick();

    // Window surface (outside the controls), positions in twips.
    void surfaceMouseDown(MouseButton button, int x, int y);
    void surfaceMouseMove(int x, int y);
    void surfaceMouseUp();

    // `Avsluta` and `lblExit`: ends the program, after asking when Options/WarnExit is exactly
    // "Yes" (No the default). A finished game still waiting for its end step is recorded
    // first.
    void clickExit();
    void clickMinimera();
    void clickErrorPic();
    void clickSoundPic();
    void clickLblSett();
    void clickShowTime();
    void clickLbUser();
    void clickHomepage();
    void clickLblHelp();
    void clickLogo(int screenX, int screenY);

    // Keyboard: Space rolls, 1..6 picks up or puts back that die, Backspace undoes, F2 starts
    // a new game. The score card has a focus of its own (CardFocus, the category 1..20 it is
    // on, 0 = none): Up and Down move it over the open categories, Enter fills the category
    // it is on (and rolls while it is on none), Escape takes it away, S fills the suggested
    // category.
    void keyRoll();
    void keyDie(int die);
    void keyUndo();
    void keyNewGame();
    void keyCardMove(int step); // +1 down, -1 up
    void keyEnter();
    void keyCardLeave();
    void keyFillSuggestion();
    int CardFocus = 0;

    // An error escaped a handler: a log line, and the error marker with the line as its tool
    // tip (clicking it opens the log).
    void reportError(const std::string& where, const std::exception& error);

private:
    // The die (1..6) whose shown picture holds the point, or 0.
    int shownDieAt(int x, int y) const;
    void loadSteps();
    void loadBackgroundPicture();
    void clearBackground();
    void showErrorMarker(const std::string& line);
    void notify() const;

    Wiring w_;
    std::function<void()> changed_;
};

} // namespace brisvane
