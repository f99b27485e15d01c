#pragma once
// The settings window `frmSettings` as a model: the options of section Options, the alarm,
// the language list, the accounts, the counters and the clearing of the highscore list, on
// one of three pages ("all", "user", "alarm") or loaded hidden by the first new game.
//
// The window is modeless and made afresh at every opening: `Load` starts from the design-time
// controls. Every option is written at once; the alarm switch and time when the window
// closes, by whatever way it is closed. The Qt view renders the model and forwards clicks.

#include <functional>
#include <string>
#include <vector>

#include "common/Controls.h"
#include "common/Ports.h"
#include "common/Profile.h"
#include "program/AccountPage.h"

namespace brisvane {

class AlarmClock;
class DotMatrix;
class EventLog;
class GameModel;
class Language;
class MainShell;
class SoundBoard;
class TopTen;

struct CheckBox : Control {
    bool checked = false;
};

class SettingsWindow {
public:
    // The frame of the desktop around the window's inside, in twips: the page sizes are the
    // window's outer sizes.
    static constexpr int BorderWidth = 90;
    static constexpr int TitleHeight = 435;

    struct Wiring {
        Profile& profile;
        std::string iniFile;
        Language& language;
        Dialogs& dialogs;
        EventLog& log;
        GameModel& game;
        TopTen& topTen;
        SoundBoard& sound;
        MainShell& mainShell;
        AlarmClock& clock;
        DotMatrix& display;
        const Clock& now;
        // The accounts group, which this window shows.
        AccountPage& accounts;
        std::string versionText; // "7.03"
        // Re-applies the language to every window (LanUpdate).
        std::function<void()> lanUpdate;
        // Load step 1: the language creation window made invisible.
        std::function<void()> hideLanguageCreation;
        // Closing step 2: a submission waiting for an account may go out now.
        std::function<void()> releaseSubmission;
        // The language creation window, opened by setTranslate.
        std::function<void()> openLanguageCreation;
    };

    explicit SettingsWindow(Wiring wiring);
    SettingsWindow(const SettingsWindow&) = delete;
    SettingsWindow& operator=(const SettingsWindow&) = delete;

    // ---- The window ----
    std::string Caption; // the title
    int Width = 0;       // twips, outer
    int Height = 0;
    int Icon = 0;        // picture resource of the window icon; 0 = the program's own
    std::string Page;    // the page laid out: "all", "user", "alarm" or "" (none)
    bool loaded = false;
    bool shown = false;
    int clientWidth() const { return Width - BorderWidth; }
    int clientHeight() const { return Height - TitleHeight; }

    // ---- Controls; those inside a frame are placed relative to it ----
    // The accounts group is the account page's own; these names stand for its controls.
    AccountPage& accounts;
    Control& Frame2;
    ListControl& List3;
    Control &Command1, &Command2, &Label1, &lblEnter, &txtUser, &txtPass, &lblPlain, &butOK;

    Control Frame1; // language: List1, setTranslate
    Control Frame3; // sound: Check1
    Control Frame4; // warnings: Check2, Check4, Check3
    Control Frame5; // view: Check5, Check7, Check8, Check6
    Control Frame6; // counters: lblInfo, lblInfo2, Label2
    Control Frame7; // alarm: Check9, Combo1, Combo2, Text1
    CheckBox Check1, Check2, Check3, Check4, Check5, Check6, Check7, Check8, Check9;
    ListControl Combo1; // hour "0".."23"
    ListControl Combo2; // minute ":00"..":59"
    Control Text1;      // the reminder; caption = its text
    // Text1 shows the language's "(Message)" in place of an empty reminder.
    bool Text1Placeholder = false;
    ListControl List1;  // installed languages
    Control Command3, Command4;
    Control Label2;
    Control lblInfo, lblInfo2;
    Control setTranslate;

    // The frames, and the controls of each frame, in tab order.
    std::vector<Control*> frames();
    std::vector<Control*> childrenOf(const Control& frame);
    // The controls outside the frames, in tab order.
    std::vector<Control*> windowControls();
    // The check box Check1..Check9; nullptr for any other number.
    CheckBox* check(int n);

    // ---- Change notification (the view repaints) ----
    void setChangeHandler(std::function<void()> handler) { changed_ = std::move(handler); }

    // ---- Operations ----
    // Makes the window afresh and runs its load step on `page` ("" or any other text: no
    // layout). `show` opens it on the screen; false loads it hidden.
    void Load(const std::string& page, bool show);
    // Command4 and every other way the player closes the shown window (close box, Escape, the
    // desktop): the alarm written, a waiting submission released, the window gone.
    void clickCommand4();
    // An opener makes the window afresh: the alarm is written as on closing, but a waiting
    // submission keeps waiting for the window that opens next.
    void closeForReopening();
    // Gone without a word: for the hidden window, which the player never saw.
    void unload();

    // A check box clicked (its new state); Check1..Check8 write their option at once.
    // Ticking the alarm fills in a time not fully chosen (see completeAlarmTime).
    void clickCheck(int n, bool checked);
    void changeText1(const std::string& text);
    // The captions the program adds to the design (the counters' group, the reminder's
    // placeholder, the account group's buttons), in the current language.
    void applyTexts();
    // The texts of the language in use (for the names the view gives its fields).
    const Texts& texts() const;
    void chooseCombo1(const std::string& text);
    void chooseCombo2(const std::string& text);
    void clickCommand3();
    // The language list clicked on the entry with this text.
    void clickList1(const std::string& text);
    void clickCommand1();
    void clickCommand2();
    void clickButOK();
    // Escape while the account entry fields are shown: back to the list, the window stays.
    void cancelAccountEntry();
    void clickList3(int index);
    void clickLabel1();
    void clickSetTranslate();
    // The alarm went off while the window is open: its box is unticked, so closing the window
    // does not arm the alarm again.
    void alarmFired();

private:
    void designControls();
    // The alarm's hour and minute lists both hold a time: a missing minute is ":00", a missing
    // hour the next one at which the minute comes round. An armed alarm can always ring.
    void completeAlarmTime();
    void applyPage(const std::string& page);
    void loadSteps();
    void close(bool release);
    void notify() const;

    Wiring w_;
    std::function<void()> changed_;
};

} // namespace brisvane
