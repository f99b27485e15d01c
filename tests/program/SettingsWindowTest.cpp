// The settings window without a window: its pages, its load step, every option it writes, the
// alarm it keeps, and every way of closing it. On a real program folder with the shipped
// English texts.
#include <gtest/gtest.h>

#include "program/ProgramFixture.h"

namespace brisvane::testing {
namespace {

class SettingsWindowTest : public ProgramFixture {
protected:
    SettingsWindowTest() { program.mainShell().Load(); }

    SettingsWindow& open(const std::string& page) {
        program.openSettingsWindow(page);
        return window;
    }
    std::vector<std::string> visibleGroups() {
        std::vector<std::string> names;
        for (Control* frame : window.frames()) {
            if (frame->visible) {
                names.push_back(frame->objectName);
            }
        }
        if (window.Command3.visible) {
            names.push_back("Command3");
        }
        return names;
    }

    SettingsWindow& window = program.settings();
};

TEST_F(SettingsWindowTest, EachPageShowsItsGroupsUnderItsTitleInsideTheWindow) {
    const struct {
        const char* page;
        std::vector<std::string> groups;
        const char* title;
        const char* frame2;
        const char* frame7;
    } rows[] = {
        {"all",
         {"Frame1", "Frame3", "Frame4", "Frame5", "Frame6", "Frame7", "Command3"},
         "Settings",
         "User",
         "Alarm"},
        {"user", {"Frame2"}, "User", "", "Alarm"},
        {"alarm", {"Frame7"}, "Alarm", "User", ""},
    };
    for (const auto& row : rows) {
        open(row.page);
        EXPECT_EQ(visibleGroups(), row.groups) << row.page;
        EXPECT_EQ(window.Caption, row.title) << row.page;
        EXPECT_EQ(window.Frame2.caption, row.frame2) << row.page;
        EXPECT_EQ(window.Frame7.caption, row.frame7) << row.page;
        // Every control inside its group, every group above the centred close button.
        for (Control* frame : window.frames()) {
            if (!frame->visible) {
                continue;
            }
            EXPECT_LE(frame->left + frame->width, window.clientWidth()) << frame->objectName;
            EXPECT_LE(frame->top + frame->height, window.Command4.top) << frame->objectName;
            for (Control* child : window.childrenOf(*frame)) {
                EXPECT_LE(child->left + child->width, frame->width) << child->objectName;
                EXPECT_LE(child->top + child->height, frame->height) << child->objectName;
            }
        }
        EXPECT_EQ(window.Command4.left, (window.Width - window.Command4.width) / 2) << row.page;
        EXPECT_LE(window.Command4.top + window.Command4.height, window.clientHeight()) << row.page;
    }
}

TEST_F(SettingsWindowTest, TheOptionBoxesActOnTheGameWindowAtOnce) {
    setIni("Options", "PlaySound", ""); // missing: the sound is on
    program.sounds().load();
    open("all");
    // The clock (what a hidden or shown clock does is the clock's own).
    window.clickCheck(7, false);
    EXPECT_EQ(program.mainShell().ShowTime.caption, "");
    clock.current.hour = 14;
    window.clickCheck(7, true);
    EXPECT_EQ(program.mainShell().ShowTime.caption, "14:37");

    // The marker goes at once when switched off, and stays when switched on.
    program.game().clickRoll();
    ASSERT_TRUE(program.game().Indik.visible);
    window.clickCheck(8, true);
    EXPECT_TRUE(program.game().Indik.visible);
    window.clickCheck(8, false);
    EXPECT_FALSE(program.game().Indik.visible);

    // The help texts follow their box.
    window.clickCheck(6, false);
    EXPECT_EQ(program.mainShell().SoundPic.toolTip, "");
    window.clickCheck(6, true);
    EXPECT_EQ(program.mainShell().SoundPic.toolTip, " Turn the sound on or off ");

    // The sound box and the speaker agree (what the switch writes is the sound board's test).
    EXPECT_FALSE(window.Check1.checked);
    window.clickCheck(1, true);
    EXPECT_EQ(program.mainShell().SoundPic.picture, SoundBoard::IconOff);
    window.clickCheck(1, false);
    EXPECT_EQ(program.mainShell().SoundPic.picture, SoundBoard::IconOn);
}

TEST_F(SettingsWindowTest, TheAlarmTimeIsSplitIntoHourAndMinuteAndSavedBackUnchanged) {
    const struct {
        const char* when;
        const char* hour;
        const char* minute;
    } rows[] = {{"7:05", "7", ":05"}, {"23:59", "23", ":59"}, {"0:00", "0", ":00"}};
    for (const auto& row : rows) {
        setIni("Alarm", "When", row.when);
        setIni("Alarm", "Status", "On");
        program.mainShell().Load();
        open("alarm");
        EXPECT_EQ(window.Combo1.caption, row.hour) << row.when;
        EXPECT_EQ(window.Combo2.caption, row.minute) << row.when;
        EXPECT_TRUE(window.Check9.checked);
        window.clickCommand4();
        EXPECT_EQ(ini("Alarm", "When"), row.when);
        EXPECT_EQ(ini("Alarm", "Status"), "On");
    }
    open("alarm");
    window.chooseCombo1("6");
    window.chooseCombo2(":45");
    window.clickCommand4();
    EXPECT_EQ(ini("Alarm", "When"), "6:45");
    EXPECT_TRUE(program.alarmClock().AlarmOn() && program.alarmClock().AlarmWhen() == "6:45");
}

TEST_F(SettingsWindowTest, AnAlarmTickedWithoutAWholeTimeGetsOneThatCanRing) {
    // 0:37 now: nothing chosen gives the next full hour, a minute alone the next hour it
    // comes round in, an hour alone its full hour.
    const struct {
        const char* hour;
        const char* minute;
        const char* when;
    } rows[] = {{"", "", "1:00"}, {"", ":50", "0:50"}, {"", ":10", "1:10"}, {"7", "", "7:00"}};
    for (const auto& row : rows) {
        open("alarm");
        window.chooseCombo1(row.hour);
        window.chooseCombo2(row.minute);
        window.clickCheck(9, true);
        EXPECT_EQ(window.Combo1.caption + window.Combo2.caption, row.when);
        window.clickCommand4();
        EXPECT_EQ(ini("Alarm", "Status"), "On");
        EXPECT_EQ(ini("Alarm", "When"), row.when);
    }
    // A hand-edited time the lists cannot show is not armed again on closing.
    setIni("Alarm", "When", "07:05");
    program.mainShell().Load();
    open("alarm");
    ASSERT_TRUE(window.Check9.checked);
    window.clickCommand4();
    EXPECT_EQ(ini("Alarm", "Status"), "Off");
    EXPECT_FALSE(program.alarmClock().AlarmOn());
}

// Besides the close button (and the close box and Escape, which the view sends there).
TEST_F(SettingsWindowTest, EveryWayOfClosingKeepsTheAlarmJustSet) {
    // By an opener, which makes it afresh.
    setIni("Alarm", "Status", "On");
    setIni("Alarm", "When", "8:15");
    program.mainShell().Load();
    open("all").clickCheck(9, false);
    open("user");
    EXPECT_EQ(ini("Alarm", "Status"), "Off");
    EXPECT_FALSE(program.alarmClock().AlarmOn());

    // By the speaker on the game window.
    open("alarm").clickCheck(9, true);
    window.chooseCombo1("9");
    window.chooseCombo2(":00");
    program.mainShell().clickSoundPic();
    EXPECT_FALSE(window.loaded);
    EXPECT_EQ(ini("Alarm", "When"), "9:00");

    // By ending the program.
    open("alarm").clickCheck(9, true);
    window.chooseCombo1("10");
    window.chooseCombo2(":30");
    program.mainShell().endProgram = [] {};
    dialogs.yesNoAnswers = {true}; // if the settings ask first
    program.mainShell().clickExit();
    EXPECT_EQ(ini("Alarm", "When"), "10:30");
    program.mainShell().ended = false;

    // The hidden window, which nobody saw, writes nothing when an opener replaces it.
    program.game().Restart();
    ASSERT_TRUE(window.loaded);
    ASSERT_FALSE(window.shown);
    setIni("Alarm", "When", "hand-edited");
    open("all");
    EXPECT_EQ(ini("Alarm", "When"), "hand-edited");
}

TEST_F(SettingsWindowTest, AnAlarmGoingOffWhileTheWindowIsOpenIsNotArmedAgainOnClosing) {
    open("alarm").clickCheck(9, true);
    window.chooseCombo1("0");
    window.chooseCombo2(":37");
    window.clickCommand4();
    open("all");
    ASSERT_TRUE(window.Check9.checked);
    program.alarmClock().tick();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_FALSE(window.Check9.checked);
    window.clickCommand4();
    EXPECT_EQ(ini("Alarm", "Status"), "Off");
}

TEST_F(SettingsWindowTest, TheReminderBoxKeepsThePlaceholderOutOfTheSettings) {
    open("alarm");
    EXPECT_EQ(window.Text1.caption, "(Message)"); // typed after, all is kept: the view's test
    window.changeText1("(Message");
    EXPECT_EQ(window.Text1.caption, "");
    EXPECT_EQ(ini("Alarm", "Mess"), "");
    window.changeText1("Tea");
    open("alarm");
    EXPECT_EQ(window.Text1.caption, "Tea");
}

TEST_F(SettingsWindowTest, TheClearButtonWorksOnlyWithAHighscore) {
    open("all");
    EXPECT_FALSE(window.Command3.enabled) << "p1 reads 0";
    setIni("Highscore", "p1", "1200");
    open("all");
    ASSERT_TRUE(window.Command3.enabled);
    dialogs.yesNoAnswers = {true}; // what No keeps is the top ten's own test
    window.clickCommand3();
    EXPECT_FALSE(window.Command3.enabled);
    EXPECT_EQ(program.topTen().Topp(1).toolTip,
              " Click to send this score to the online highscore list  (0 p) ");
}

TEST_F(SettingsWindowTest, TheCountersLanguagesAndAccountsComeFromTheSettings) {
    setIni("Session", "total", "42");
    setIni("Internet", "entries", "3");
    setIni("Highscore", "alltime", "1234");
    setIni("Users", "antal", "2");
    setIni("Users", "user1", "Åsa");
    setIni("Users", "user2", "Bo");
    setIni("Users", "selected", "2");
    useLanguage("Svenska", "Swedish.lan", "[Language]\n");
    open("user");
    EXPECT_EQ(window.lblInfo2.caption, "7.03\n\n42\n3\n1234");
    EXPECT_EQ(window.List1.items, (std::vector<std::string>{"English", "Svenska"}));
    EXPECT_EQ(window.List1.caption, "Svenska ");
    EXPECT_EQ(window.List3.items, (std::vector<std::string>{"Åsa", "Bo"}));
    EXPECT_EQ(window.List3.caption, "Bo");

    setIni("Users", "antal", "");
    open("user");
    EXPECT_TRUE(window.List3.items.empty());
}

// (The choice stored and every window relabelled: the view's test.)
TEST_F(SettingsWindowTest, ChoosingALanguageSaysTheTotalAgainInIt) {
    useLanguage("Svenska", "Swedish.lan", "[Language]\nd2=Summa\n");
    setIni("Language", "selected", "1");
    open("all");
    window.clickList1("Svenska");
    ASSERT_TRUE(program.display().SayTimer().enabled);
    program.display().SayTimerTick();
    EXPECT_EQ(program.display().SayText(), "Summa: 0");
}

} // namespace
} // namespace brisvane::testing
