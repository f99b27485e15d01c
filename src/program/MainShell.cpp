#include "program/MainShell.h"

#include "display/SoundBoard.h"
#include "game/GameModel.h"
#include "scores/TopTen.h"
#include "settings/EventLog.h"

#include <algorithm>
#include <cstdlib>

namespace brisvane {

namespace {

void setPlace(Control& c, int left, int top, int width, int height) {
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
}

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

} // namespace

std::string errorLine(const std::exception& error, const std::string& where) {
    int number = 0;
    if (const auto* window = dynamic_cast<const WindowError*>(&error)) {
        number = window->number();
    } else if (const auto* profile = dynamic_cast<const ProfileError*>(&error)) {
        number = profile->code();
    }
    if (number == 0) {
        return std::string("Error: ") + error.what() + ", " + where;
    }
    return "Error " + std::to_string(number) + ": " + error.what() + ", " + where;
}

namespace shell {

std::vector<int> diceAt(int x, int y) {
    std::vector<int> dice;
    if (y < ZoneTop || y > ZoneBottom) {
        return dice;
    }
    for (int i = 1; i <= 6; ++i) {
        const Zone& zone = DieZones.at(static_cast<std::size_t>(i - 1));
        if (x >= zone.from && x <= zone.to) {
            dice.push_back(i);
        }
    }
    return dice;
}

bool isBackgroundPicture(const std::string& name) {
    return endsWith(name, ".jpg") || endsWith(name, ".gif");
}

std::string logoToolTip(const std::string& credit, const std::string& programVersion,
                        int programRevision) {
    return " " + credit + ", v. " + programVersion + std::to_string(programRevision) + " ";
}

Placement screenKoll(const TwipRect& area, int left, int top) {
    if (area.width == SmallAreaWidth && area.height == SmallAreaHeight) {
        return {area.left, area.top, false};
    }
    if (area.width > SmallAreaWidth && area.height > SmallAreaHeight) {
        return centred(area, WindowWidth, WindowHeight);
    }
    return {left, top, true};
}

Placement centred(const TwipRect& area, int width, int height) {
    // Measured from the work area's own corner, so a panel at the top or left of the
    // desktop never covers the window.
    return {area.left + (area.width - width) / 2, area.top + (area.height - height) / 3, true};
}

Point keepBoxesOnArea(const TwipRect& area, int left, int top) {
    // The minimise box starts 11370 twips into the window, the close box ends at 11925; both
    // lie between 60 and 315 from its top.
    constexpr int BoxesLeft = 11370;
    constexpr int BoxesRight = 11925;
    constexpr int BoxesTop = 60;
    constexpr int BoxesBottom = 315;
    const int minLeft = area.left - BoxesLeft;
    const int maxLeft = area.left + area.width - BoxesRight;
    const int minTop = area.top - BoxesTop;
    const int maxTop = area.top + area.height - BoxesBottom;
    return {std::clamp(left, minLeft, std::max(minLeft, maxLeft)),
            std::clamp(top, minTop, std::max(minTop, maxTop))};
}

} // namespace shell

MainShell::MainShell(Wiring wiring) : w_(std::move(wiring)) {
    Titellist = makeControl("Titellist", 30, 0, 11355, 285, colour::White);
    Avsluta = makeControl("Avsluta", 11700, 60, 225, 225, colour::White);
    Minimera = makeControl("Minimera", 11370, 60, 255, 255, colour::White);
    lblExit = makeControl("lblExit", 7530, 6300, 510, 195, colour::White);
    lblSett = makeControl("lblSett", 7530, 6000, 540, 195, colour::White);
    Logo = makeControl("Logo", 300, 270, 5175, 1305, colour::White);
    BackgrPic = makeControl("BackgrPic", 0, 0, 0, 0, colour::White);
    BackgrPic.visible = false;
    ErrorPic = makeControl("ErrorPic", 5700, 600, 360, 360, colour::White);
    ErrorPic.visible = false;
    SoundPic = makeControl("SoundPic", 7500, 6690, 360, 360, colour::White);
    ShowTime = makeControl("ShowTime", 11385, 8700, 480, 195, colour::White);
    ShowTime.caption = "TIME";
    lb_User = makeControl("lb_User", 8175, 450, 1500, 240, colour::White);
    Homepage = makeControl("Homepage", 8175, 750, 1500, 240, colour::White);
    lblHelp = makeControl("lblHelp", 8175, 1050, 1500, 240, colour::White);
    lbl_Roll = makeControl("lbl_Roll", 7590, 3030, 1350, 255, colour::Silver);
    disp_Bonus = makeControl("disp_Bonus", GameModel::ButtonLeft, 7830, 1470, 225, colour::White);
    disp_Total = makeControl("disp_Total", GameModel::ButtonLeft, 8130, 1470, 225, colour::White);

    // The top ten lies under the table in two columns of five.
    for (int place = 1; place <= 10; ++place) {
        Control& label = w_.topTen.Topp(place);
        label.left = place <= 5 ? 720 : 3900;
        label.top = 5580 + 450 * ((place - 1) % 5);
        label.width = 3000;
        label.height = 300;
    }
    // The roll button, large, under the roll counters; undo below it.
    setPlace(w_.game.Roll, 8100, 3780, 1320, 450);
    setPlace(w_.game.Undo, 8100, 4350, 1320, 330);
    // Roll and Undo, like Homepage and Help, take their captions and the keyboard help from
    // the language when it is applied.
}

std::vector<Control*> MainShell::controls() {
    return {&Titellist, &Avsluta,  &Minimera,   &lblExit,   &lblSett, &Logo,
            &BackgrPic, &ErrorPic, &SoundPic,   &ShowTime,  &lb_User, &Homepage,
            &lblHelp,   &lbl_Roll, &disp_Bonus, &disp_Total};
}

bool MainShell::hasHandCursor(const std::string& objectName) {
    for (const char* name : {"lb_User", "NyttSpel", "lblSett", "lblHelp", "Homepage", "ShowTime"}) {
        if (objectName == name) {
            return true;
        }
    }
    return false;
}

void MainShell::notify() const {
    if (changed_) {
        changed_();
    }
}

// ---- Load ----

void MainShell::Load() {
    try {
        loadSteps();
    } catch (const std::exception& error) {
        const std::string line = errorLine(error, "Form load");
        w_.log.WriteLog(line);
        showErrorMarker(line);
        clearBackground();
    }
    notify();
    w_.game.Restart();
}

void MainShell::applyCredit() {
    Logo.toolTip = shell::logoToolTip(w_.texts.T("s162"), w_.ProgramVersion, w_.ProgramRevision);
}

void MainShell::loadSteps() {
    ErrorPic.picture = 72;
    if (loadClock) {
        loadClock();
    }
    w_.game.Load();
    LeftDown = false;
    ScreenKoll();
    applyCredit();
    w_.topTen.emptyCaptions();
    Titellist.top = 0;
    Titellist.left = 0;
    w_.sound.load();
    SoundPic.picture = w_.sound.SoundPic();
    loadBackgroundPicture();
}

void MainShell::loadBackgroundPicture() {
    BackgrPic.top = 0;
    BackgrPic.left = 0;
    const std::string name = w_.profile.GetINI("Options", "picture", w_.iniFile);
    if (name.empty() || !shell::isBackgroundPicture(name)) {
        return;
    }
    BackgrPic.width = 12000;
    BackgrPic.height = 19000;
    const std::string path = w_.programFile ? w_.programFile(name) : name;
    if (loadBackground) {
        loadBackground(path);
    }
    BackgrPic.caption = path;
    BackgrPic.visible = true;
}

void MainShell::clearBackground() {
    BackgrPic.visible = false;
    BackgrPic.left = 500;
    BackgrPic.top = 500;
    BackgrPic.caption.clear();
}

void MainShell::showErrorMarker(const std::string& line) {
    ErrorPic.picture = 72;
    ErrorPic.toolTip = line;
    ErrorPic.visible = true;
}

void MainShell::reportError(const std::string& where, const std::exception& error) {
    const std::string line = errorLine(error, where);
    w_.log.WriteLog(line);
    showErrorMarker(line);
    notify();
}

void MainShell::clickErrorPic() {
    if (ErrorPic.visible && openLog) {
        openLog();
    }
}

// ---- Place on the screen ----

void MainShell::ScreenKoll() {
    frame.minimized = false;
    const shell::Placement place = shell::screenKoll(w_.screen.workArea(), frame.left, frame.top);
    frame.left = place.left;
    frame.top = place.top;
    Titellist.visible = place.stripVisible;
    notify();
}

void MainShell::displayChanged() {
    ScreenKoll();
}

void MainShell::windowMoved(int left, int top) {
    const shell::Point kept = shell::keepBoxesOnArea(w_.screen.workArea(), left, top);
    frame.left = kept.left;
    frame.top = kept.top;
    if (kept.left != left || kept.top != top) {
        notify(); // the view puts the window back where its boxes can be reached
    }
}

void MainShell::windowRestored() {
    frame.minimized = false;
}

void MainShell::titleMouseDown(MouseButton button, int x, int y) {
    if (button != MouseButton::Left) {
        return;
    }
    TitleDragging = true;
    TitleDownX = x;
    TitleDownY = y;
}

void MainShell::titleMouseMove(MouseButton button, int x, int y) {
    if (button != MouseButton::Left || !TitleDragging) {
        return;
    }
    const shell::Point kept = shell::keepBoxesOnArea(
        w_.screen.workArea(), frame.left - (TitleDownX - x), frame.top - (TitleDownY - y));
    frame.left = kept.left;
    frame.top = kept.top;
    notify();
}

void MainShell::titleMouseUp(MouseButton button) {
    if (button == MouseButton::Left) {
        TitleDragging = false;
    }
}

void MainShell::titleDblClick() {
    const shell::Placement place = shell::centred(w_.screen.workArea(), frame.width, frame.height);
    frame.left = place.left;
    frame.top = place.top;
    notify();
}

void MainShell::clickExit() {
    if (w_.profile.GetINI("Options", "WarnExit", w_.iniFile) == "Yes") {
        notify();
        if (!w_.dialogs.askYesNo(w_.texts.T("b1"), w_.texts.T("b6"), DefaultButton::No)) {
            return;
        }
    }
    // A game just finished is recorded before the program goes, as a new game would.
    w_.game.finishPendingEnd();
    // An open settings window closes as by its close button, so an alarm just set is kept.
    if (closeSettings) {
        closeSettings();
    }
    ended = true;
    notify();
    if (endProgram) {
        endProgram();
    }
}

void MainShell::clickMinimera() {
    frame.minimized = true;
    notify();
}

// ---- Dice gestures on the table ----

int MainShell::shownDieAt(int x, int y) const {
    // Neighbouring pictures overlap a little; the die whose middle is nearest wins.
    int found = 0;
    int nearest = 0;
    for (int i = 1; i <= 6; ++i) {
        const Control& die = w_.game.Image.at(static_cast<std::size_t>(i - 1));
        if (!die.visible || x < die.left || x >= die.left + die.width || y < die.top ||
            y >= die.top + die.height) {
            continue;
        }
        const int distance = std::abs(x - (die.left + die.width / 2));
        if (found == 0 || distance < nearest) {
            found = i;
            nearest = distance;
        }
    }
    return found;
}

void MainShell::surfaceMouseDown(MouseButton button, int x, int y) {
    if (button == MouseButton::Left) {
        LeftDown = true;
    } else if (button == MouseButton::Right) {
        RightDown = true;
    }
    // A press on a die picks it up at once, and a move from there sweeps on over the others;
    // a press and release without moving is the click.
    if (const int die = shownDieAt(x, y); die != 0 && button == MouseButton::Left) {
        Swept.at(static_cast<std::size_t>(die - 1)) = 1;
        w_.game.clickDie(die);
        return;
    }
    if (!w_.game.Undo.enabled) {
        return;
    }
    // A click on the empty place of a picked-up die puts it back.
    for (const int die : shell::diceAt(x, y)) {
        w_.game.putBackDie(die);
        Swept.at(static_cast<std::size_t>(die - 1)) = 1;
    }
}

void MainShell::surfaceMouseMove(int x, int y) {
    for (const int die : shell::diceAt(x, y)) {
        int& swept = Swept.at(static_cast<std::size_t>(die - 1));
        const int held = w_.game.state().DiceHeld.at(static_cast<std::size_t>(die - 1));
        if (LeftDown && swept == 0 && held == 1) {
            swept = 1;
            w_.game.clickDie(die);
        }
        if (w_.game.Undo.enabled && RightDown && swept == 0 &&
            w_.game.state().DiceHeld.at(static_cast<std::size_t>(die - 1)) == 0) {
            w_.game.putBackDie(die);
            swept = 1;
        }
    }
}

void MainShell::surfaceMouseUp() {
    if (LeftDown || RightDown) {
        w_.game.finishSweep();
        Swept.fill(0);
    }
    LeftDown = false;
    RightDown = false;
}

// ---- Keyboard ----

void MainShell::keyRoll() {
    w_.game.clickRoll();
}

void MainShell::keyDie(int die) {
    if (die < 1 || die > 6) {
        return;
    }
    if (w_.game.Image.at(static_cast<std::size_t>(die - 1)).visible) {
        w_.game.clickDie(die);
    } else if (w_.game.Undo.enabled) {
        w_.game.putBackDie(die);
        w_.game.finishSweep();
    }
}

void MainShell::keyUndo() {
    w_.game.clickUndo();
}

void MainShell::keyNewGame() {
    w_.game.clickNyttSpel();
}

void MainShell::keyCardMove(int step) {
    const auto open = [this](int k) {
        return w_.game.btn.at(static_cast<std::size_t>(k - 1)).enabled;
    };
    if (CardFocus == 0 || !open(CardFocus)) {
        // The card is entered where the marker points, else from its top (or its bottom).
        const int suggested = w_.game.state().SuggestedCategory;
        if (suggested != 0 && open(suggested)) {
            CardFocus = suggested;
            notify();
            return;
        }
        CardFocus = step > 0 ? 0 : CategoryCount + 1;
    }
    for (int next = CardFocus + step; next >= 1 && next <= CategoryCount; next += step) {
        if (open(next)) {
            CardFocus = next;
            notify();
            return;
        }
    }
    if (CardFocus < 1 || CardFocus > CategoryCount) {
        CardFocus = 0; // no open category in that direction
    }
    notify();
}

void MainShell::keyEnter() {
    if (CardFocus == 0) {
        keyRoll();
        return;
    }
    const int k = CardFocus;
    w_.game.clickCategory(k);
    if (!w_.game.btn.at(static_cast<std::size_t>(k - 1)).enabled) {
        CardFocus = 0; // filled: the next turn starts with the dice
    }
    notify();
}

void MainShell::keyCardLeave() {
    CardFocus = 0;
    notify();
}

void MainShell::keyFillSuggestion() {
    const GameState& state = w_.game.state();
    // Only for dice on the table: after a placement the last suggestion is stale.
    if (const int k = state.SuggestedCategory; k != 0 && state.TurnPlaced == 0 &&
                                               state.DiceValue[0] != 0) {
        w_.game.clickCategory(k);
        CardFocus = 0;
        notify();
    }
}

// ---- Controls that hand over to other windows ----

void MainShell::clickSoundPic() {
    if (closeSettings) {
        closeSettings();
    }
    w_.sound.SoundPicClick();
    SoundPic.picture = w_.sound.SoundPic();
    notify();
}

void MainShell::clickLblSett() {
    if (openSettings) {
        openSettings();
    }
}

void MainShell::clickShowTime() {
    if (openAlarm) {
        openAlarm();
    }
}

void MainShell::clickLbUser() {
    if (openUser) {
        openUser();
    }
}

void MainShell::clickHomepage() {
    if (openHomepage) {
        openHomepage();
    }
}

void MainShell::clickLblHelp() {
    if (openHelp) {
        openHelp();
    }
}

void MainShell::clickLogo(int screenX, int screenY) {
    if (openToolsMenu) {
        openToolsMenu(screenX, screenY);
    }
}

} // namespace brisvane
