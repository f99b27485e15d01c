#include "program/SettingsWindow.h"

#include <stdexcept>

#include "common/Numbers.h"
#include "common/Text.h"
#include "display/AlarmClock.h"
#include "display/DotMatrix.h"
#include "display/SoundBoard.h"
#include "game/GameModel.h"
#include "language/Language.h"
#include "program/MainShell.h"
#include "scores/Accounts.h"
#include "scores/TopTen.h"
#include "settings/EventLog.h"

namespace brisvane {

namespace {

struct OptionBox {
    int check;
    const char* key;
};
// The option boxes in the order the load step reads them.
constexpr OptionBox Options[] = {
    {5, "ShowSplash"}, {7, "ShowTime"},    {8, "ShowRedSquare"}, {2, "WarnExit"},
    {4, "WarnNewGame"}, {3, "WarnHomepage"}, {6, "ShowHelpText"},
};

const char* optionKey(int check) {
    for (const OptionBox& box : Options) {
        if (box.check == check) {
            return box.key;
        }
    }
    return nullptr;
}

} // namespace

SettingsWindow::SettingsWindow(Wiring wiring)
    : accounts(wiring.accounts), Frame2(accounts.Frame2), List3(accounts.List3),
      Command1(accounts.Command1), Command2(accounts.Command2), Label1(accounts.Label1),
      lblEnter(accounts.lblEnter), txtUser(accounts.txtUser), txtPass(accounts.txtPass),
      lblPlain(accounts.lblPlain), butOK(accounts.butOK), w_(std::move(wiring)) {
    // Hooks the window cannot work without: checked once, here.
    if (!w_.lanUpdate || !w_.hideLanguageCreation || !w_.releaseSubmission ||
        !w_.openLanguageCreation) {
        throw std::logic_error("the settings window is wired without one of its hooks");
    }
    designControls();
}

std::vector<Control*> SettingsWindow::frames() {
    return {&Frame1, &Frame2, &Frame3, &Frame4, &Frame5, &Frame6, &Frame7};
}

std::vector<Control*> SettingsWindow::childrenOf(const Control& frame) {
    if (&frame == &Frame1) {
        return {&List1, &setTranslate};
    }
    if (&frame == &Frame2) {
        return accounts.controls();
    }
    if (&frame == &Frame3) {
        return {&Check1};
    }
    if (&frame == &Frame4) {
        return {&Check2, &Check4, &Check3};
    }
    if (&frame == &Frame5) {
        return {&Check5, &Check7, &Check8, &Check6};
    }
    if (&frame == &Frame6) {
        return {&lblInfo, &lblInfo2, &Label2};
    }
    if (&frame == &Frame7) {
        return {&Check9, &Combo1, &Combo2, &Text1};
    }
    return {};
}

std::vector<Control*> SettingsWindow::windowControls() {
    return {&Command3, &Command4};
}

CheckBox* SettingsWindow::check(int n) {
    CheckBox* boxes[] = {&Check1, &Check2, &Check3, &Check4, &Check5,
                         &Check6, &Check7, &Check8, &Check9};
    return n >= 1 && n <= 9 ? boxes[n - 1] : nullptr;
}

void SettingsWindow::notify() const {
    if (changed_) {
        changed_();
    }
}

// ---- Load ----

void SettingsWindow::Load(const std::string& page, bool show) {
    designControls();
    loaded = true;
    shown = show;
    // Whatever goes wrong on the way, the window is there to be closed again.
    struct Done {
        const SettingsWindow& window;
        ~Done() { window.notify(); }
    } done{*this};
    applyPage(page);
    loadSteps();
}

void SettingsWindow::loadSteps() {
    const auto ini = [this](const char* section, const std::string& key) {
        return w_.profile.GetINI(section, key, w_.iniFile);
    };

    // 1. The settings file is fixed for the program's life; the creation window hides.
    w_.hideLanguageCreation();
    // 2. (the page, applied above) 3. The close button centred.
    Command4.left = (Width - Command4.width) / 2;

    // 4. Counters.
    lblInfo2.caption = w_.versionText + "\n\n" + ini("Session", "total") + "\n" +
                       ini("Internet", "entries") + "\n" + ini("Highscore", "alltime");

    // 5. Installed languages.
    const int languages =
        w_.profile.GetCount("Language", "antal", w_.iniFile, Language::listedLanguage);
    for (int i = 1; i <= languages; ++i) {
        List1.items.push_back(ini("Language", "l" + std::to_string(i) + "n"));
    }
    List1.caption = ini("Language", "l" + ini("Language", "selected") + "n") + " ";

    // 6. Accounts.
    accounts.Load();

    // 7. Options: checked unless they read "No"; the sound box shows the sound switched off.
    for (const OptionBox& box : Options) {
        check(box.check)->checked = ini("Options", box.key) != "No";
    }
    Check1.checked = w_.sound.SoundOn() == "No";

    // 8. Nothing to clear while the first place is empty (an absent or unreadable number
    // counts as 0, as for every reader of the table).
    Command3.enabled = intValue(ini("Highscore", "p1")) != 0;

    // 9. The alarm.
    const std::string when = ini("Alarm", "When");
    std::string hour = text::left(when, 2);
    if (text::length(hour) == 2 && hour.back() == ':') {
        hour.pop_back();
    }
    const std::size_t length = text::length(when);
    Combo1.caption = hour;
    Combo2.caption = text::mid(when, length > 3 ? length - 3 : 0, 3);
    Check9.checked = w_.clock.AlarmOn();
    Text1.caption = ini("Alarm", "Mess");
    Text1Placeholder = Text1.caption.empty();
    if (Text1Placeholder) {
        Text1.caption = w_.language.T("s88");
    }

    // 10. The language.
    w_.lanUpdate();

    // 11. The hours and minutes to choose from.
    for (int h = 0; h <= 23; ++h) {
        Combo1.items.push_back(std::to_string(h));
    }
    for (int m = 0; m <= 59; ++m) {
        Combo2.items.push_back((m < 10 ? ":0" : ":") + std::to_string(m));
    }
}

// ---- Closing ----

void SettingsWindow::clickCommand4() {
    close(true);
}

void SettingsWindow::closeForReopening() {
    close(false);
}

void SettingsWindow::close(bool release) {
    if (!loaded) {
        return;
    }
    // A time the lists do not both hold (a hand-edited file) could never ring: not armed.
    if (Check9.checked && Combo1.indexOf(Combo1.caption) >= 0 &&
        Combo2.indexOf(Combo2.caption) >= 0) {
        w_.clock.arm(Combo1.caption + Combo2.caption);
    } else {
        w_.clock.disarm();
    }
    if (release) {
        w_.releaseSubmission();
    }
    unload();
}

void SettingsWindow::unload() {
    if (!loaded) {
        return;
    }
    loaded = false;
    shown = false;
    notify();
}

// ---- Options ----

void SettingsWindow::clickCheck(int n, bool checked) {
    CheckBox* box = check(n);
    if (box == nullptr) {
        return;
    }
    box->checked = checked;
    if (n == 9 && checked) {
        completeAlarmTime();
    } else if (n == 1) {
        // The sound switch counts as on unless it reads "No", as the speaker shows it.
        const bool soundOn = w_.sound.SoundOn() != "No";
        if (checked == soundOn) {
            w_.sound.SoundPicClick();
            w_.mainShell.SoundPic.picture = w_.sound.SoundPic();
        }
    } else if (const char* key = optionKey(n)) {
        w_.profile.SetINI("Options", key, checked ? "Yes" : "No", w_.iniFile);
        if (n == 6) {
            w_.lanUpdate();
        } else if (n == 7) {
            if (checked) {
                w_.clock.showClock();
            } else {
                w_.clock.hideClock();
            }
        } else if (n == 8 && !checked) {
            w_.game.hideMarker();
        }
    }
    notify();
}

void SettingsWindow::changeText1(const std::string& text) {
    // The player deleted the last character of the placeholder: the box starts empty.
    const std::string placeholder = w_.language.T("s88");
    Text1.caption =
        !placeholder.empty() && text == text::dropLast(placeholder) ? std::string() : text;
    Text1Placeholder = !placeholder.empty() && Text1.caption == placeholder;
    w_.profile.SetINI("Alarm", "Mess", Text1.caption, w_.iniFile);
    notify();
}

void SettingsWindow::applyTexts() {
    Frame6.caption = w_.language.T("s89");
    if (Text1Placeholder) {
        Text1.caption = w_.language.T("s88");
    }
    accounts.applyTexts();
}

const Texts& SettingsWindow::texts() const {
    return w_.language;
}

void SettingsWindow::completeAlarmTime() {
    if (Combo2.indexOf(Combo2.caption) < 0) {
        Combo2.caption = ":00";
    }
    if (Combo1.indexOf(Combo1.caption) < 0) {
        const DateTime now = w_.now.now();
        const int minute = intValue(Combo2.caption.substr(1));
        Combo1.caption = std::to_string(minute > now.minute ? now.hour : (now.hour + 1) % 24);
    }
}

void SettingsWindow::chooseCombo1(const std::string& text) {
    Combo1.caption = text;
    notify();
}

void SettingsWindow::chooseCombo2(const std::string& text) {
    Combo2.caption = text;
    notify();
}

void SettingsWindow::clickCommand3() {
    if (w_.topTen.ClearHighscore(w_.dialogs,
                                 [this](const std::string& line) { w_.log.WriteLog(line); })) {
        Command3.enabled = false;
        // The top ten's help texts quote the points of each place.
        w_.lanUpdate();
    }
    notify();
}

void SettingsWindow::clickList1(const std::string& text) {
    w_.display.startSayTimer();
    if (w_.language.chooseByName(text)) {
        w_.lanUpdate();
    }
    notify();
}

void SettingsWindow::alarmFired() {
    if (loaded) {
        Check9.checked = false;
        notify();
    }
}

// ---- The accounts group and the translator ----

void SettingsWindow::clickCommand1() {
    accounts.Command1_Click();
    notify();
}

void SettingsWindow::clickCommand2() {
    accounts.Command2_Click();
    notify();
}

void SettingsWindow::clickButOK() {
    accounts.butOK_Click();
    notify();
}

void SettingsWindow::cancelAccountEntry() {
    accounts.cancelEntry();
    notify();
}

void SettingsWindow::clickList3(int index) {
    accounts.List3Index = index;
    accounts.List3_Click();
    notify();
}

void SettingsWindow::clickLabel1() {
    accounts.Label1_Click();
    notify();
}

void SettingsWindow::clickSetTranslate() {
    w_.openLanguageCreation();
    notify();
}

} // namespace brisvane
