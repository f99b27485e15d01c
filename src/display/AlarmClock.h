#pragma once
// The game window's clock and its one-shot daily alarm, driven by one timer, `Timer3`.
//
// The clock label `ShowTime` shows the time (7:05, 0:00, 14:30) with the date in its tool tip
// while `ClockOn` is "Yes"; the alarm, when armed, shows its reminder on the first tick within
// its minute, writes a log line and disarms itself (also in the settings file), so it fires
// once per arming. A hidden clock stops the timer, and with it the alarm.

#include <functional>
#include <string>

#include "common/Controls.h"
#include "common/ModelTimer.h"
#include "common/Ports.h"
#include "common/Profile.h"
#include "common/Texts.h"

namespace brisvane {

class AlarmClock {
public:
    static constexpr int TickInterval = 1800;

    struct Wiring {
        Profile& profile;
        std::string iniFile;
        const Texts& texts;
        const Clock& clock;
        const Locale& locale;
        Dialogs& dialogs;
        Control& ShowTime; // the game window's clock label
        std::function<void(const std::string& line)> writeLog;
    };

    explicit AlarmClock(Wiring wiring);
    AlarmClock(const AlarmClock&) = delete;
    AlarmClock& operator=(const AlarmClock&) = delete;

    // "7:05": the hour without a leading zero, the minute with one.
    static std::string timeText(const DateTime& when);
    // " 22 February 2002 ": the day, the month's full name from `locale`, the year, each
    // between blanks.
    static std::string dateText(const DateTime& when, const Locale& locale);

    // The game window's load step: Options/ShowTime (anything but "No" shows the clock),
    // Alarm/status (only "On" arms) and Alarm/When. The label shows the time at once, or is
    // emptied and the timer stopped when the clock is off; the alarm waits for the first tick.
    void load();
    // `Timer3`: the time and date on the label and the alarm check; with the clock off, the
    // label is emptied and the timer stops. Ignored while the timer is off.
    void tick();

    // The settings window's clock box: on writes "Yes", shows the time at once and starts the
    // timer; off writes "No", empties the label and stops the timer.
    void showClock();
    void hideClock();
    // The settings window closed: the alarm armed for `when` (written as Status "On" and When),
    // or disarmed (Status "Off").
    void arm(const std::string& when);
    void disarm();

    const std::string& ClockOn() const { return clockOn_; }
    bool AlarmOn() const { return alarmOn_; }
    const std::string& AlarmWhen() const { return alarmWhen_; }
    const ModelTimer& Timer3() const { return timer3_; }

    // Called after an alarm went off (the settings window unticks its box). The view repaints
    // the label and syncs its timer after every tick and every click, as for the other models.
    std::function<void()> fired;

private:
    void showNow(const DateTime& now);
    bool due(const DateTime& now) const;
    void fire();

    Wiring w_;
    std::string clockOn_ = "Yes";
    bool alarmOn_ = false;
    std::string alarmWhen_;
    bool boxOpen_ = false;
    ModelTimer timer3_{TickInterval, true};
};

} // namespace brisvane
