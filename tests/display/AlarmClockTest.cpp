// The clock label and the daily alarm, on a fake clock: what the player sees on the label,
// when the reminder box opens and what it says, and that it opens once per arming.
#include <gtest/gtest.h>

#include "display/AlarmClock.h"
#include "settings/MemoryProfile.h"
#include "support/Fakes.h"

namespace brisvane::testing {
namespace {

const std::string Ini = "Vexa.ini";

class AlarmClockTest : public ::testing::Test {
protected:
    AlarmClockTest() { texts.texts["s18"] = "Alarm"; }

    void settings(std::initializer_list<std::tuple<const char*, const char*, const char*>> rows) {
        for (const auto& [section, key, value] : rows) {
            profile.SetINI(section, key, value, Ini);
        }
    }
    void at(int hour, int minute) {
        clock.current.hour = hour;
        clock.current.minute = minute;
    }

    MemoryProfile profile;
    FakeTexts texts;
    FakeClock clock;
    FakeLocale locale;
    FakeDialogs dialogs;
    Control label = makeControl("ShowTime", 11385, 8700, 480, 195);
    std::vector<std::string> log;
    AlarmClock alarm{AlarmClock::Wiring{profile, Ini, texts, clock, locale, dialogs, label,
                                        [this](const std::string& line) { log.push_back(line); }}};
};

TEST(AlarmClockTextTest, TheDayHasNoLeadingZeroAndTheMonthIsTheLocales) {
    FakeLocale locale;
    locale.months[1] = "februari";
    EXPECT_EQ(AlarmClock::dateText({2002, 2, 5}, locale), " 5 februari 2002 ");
}

TEST_F(AlarmClockTest, TheLabelShowsTimeAndDateFromLoadOnAndOnlyNoHidesTheClock) {
    const std::pair<const char*, bool> rows[] = {
        {"Yes", true}, {"no", true}, {"", true}, {"No", false}};
    for (const auto& [value, shown] : rows) {
        settings({{"Options", "ShowTime", value}});
        label.caption = "TIME";
        at(0, 7); // the hour without a leading zero, the minute with one
        alarm.load();
        EXPECT_EQ(label.caption, shown ? "0:07" : "") << value;
        EXPECT_EQ(label.toolTip, shown ? " 22 February 2002 " : "") << value;
        EXPECT_EQ(alarm.Timer3().enabled, shown) << value;
        at(10, 0);
        alarm.tick();
        EXPECT_EQ(label.caption, shown ? "10:00" : "") << value << ": a stopped clock stays still";
    }
}

TEST_F(AlarmClockTest, TheAlarmFiresOnTheFirstTickOfItsMinuteOnlyInTheStoredForm) {
    const struct {
        const char* when;
        int hour, minute;
        bool fires;
    } rows[] = {{"14:30", 14, 30, true}, {"07:05", 7, 5, false}, {"7:05", 7, 6, false},
                {"7:05", 19, 5, false},  {"0:00", 0, 0, true},   {"12:7", 12, 7, true},
                {"", 0, 0, false}};
    for (const auto& row : rows) {
        dialogs.messages.clear();
        log.clear();
        settings({{"Options", "ShowTime", "Yes"}, {"Alarm", "status", "On"},
                  {"Alarm", "When", row.when}, {"Alarm", "Mess", "Tea"}});
        alarm.load();
        at(row.hour, row.minute);
        alarm.tick();
        ASSERT_EQ(dialogs.messages.size(), row.fires ? 1u : 0u) << row.when;
        if (row.fires) {
            EXPECT_EQ(dialogs.messages[0].title, std::string("Alarm ") + row.when);
            EXPECT_EQ(dialogs.messages[0].text, "Tea");
            EXPECT_EQ(log, std::vector<std::string>{"Alarm " + std::string(row.when) + ", 'Tea'"});
            EXPECT_FALSE(alarm.AlarmOn());
            EXPECT_EQ(profile.GetINI("Alarm", "Status", Ini), "Off");
        }
        alarm.tick();
        EXPECT_LE(dialogs.messages.size(), 1u) << "once per arming";
    }
}

TEST_F(AlarmClockTest, ThePlaceholderOrNoReminderReadsTheAlarmWordAndOnlyOnArmsIt) {
    for (const char* reminder : {"(Message)", ""}) {
        dialogs.messages.clear();
        log.clear();
        settings({{"Alarm", "Status", "On"}, {"Alarm", "When", "7:05"}, {"Alarm", "Mess", reminder}});
        alarm.load();
        at(7, 5);
        alarm.tick();
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].text, "Alarm!");
        EXPECT_EQ(log.at(0), "Alarm 7:05, 'Alarm!'");
    }

    for (const char* status : {"on", "ON", "Off", ""}) {
        settings({{"Alarm", "Status", status}});
        alarm.load();
        EXPECT_FALSE(alarm.AlarmOn()) << status;
    }
}

TEST_F(AlarmClockTest, TicksWhileTheBoxIsOpenShowNoSecondBox) {
    settings({{"Alarm", "Status", "On"}, {"Alarm", "When", "7:05"}});
    alarm.load();
    at(7, 5);
    int ticksWhileOpen = 0;
    dialogs.whileShowing = [&] { // the box stays open for some ticks of the clock
        for (int i = 0; i < 5; ++i, ++ticksWhileOpen) {
            alarm.tick();
        }
    };
    alarm.tick();
    EXPECT_EQ(ticksWhileOpen, 5);
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(log.size(), 1u);
}

TEST_F(AlarmClockTest, AHiddenClockFiresNothingUntilItIsShownAgain) {
    bool firedSeen = false;
    alarm.fired = [&] { firedSeen = true; };
    settings({{"Options", "ShowTime", "Yes"}});
    alarm.load();
    alarm.arm("7:05"); // what arming and disarming write: the settings window's tests
    alarm.hideClock();
    EXPECT_EQ(profile.GetINI("Options", "ShowTime", Ini), "No");
    EXPECT_EQ(label.caption, "");
    at(7, 5);
    alarm.tick();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(alarm.AlarmOn());

    alarm.showClock();
    EXPECT_EQ(label.caption, "7:05") << "the time at once";
    EXPECT_TRUE(alarm.Timer3().enabled);
    alarm.tick();
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(firedSeen);
}

} // namespace
} // namespace brisvane::testing
