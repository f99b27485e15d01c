#include "display/AlarmClock.h"

namespace brisvane {

AlarmClock::AlarmClock(Wiring wiring) : w_(std::move(wiring)) {}

std::string AlarmClock::timeText(const DateTime& when) {
    return std::to_string(when.hour) + ":" + (when.minute < 10 ? "0" : "") +
           std::to_string(when.minute);
}

std::string AlarmClock::dateText(const DateTime& when, const Locale& locale) {
    return " " + std::to_string(when.day) + " " + locale.monthName(when.month) + " " +
           std::to_string(when.year) + " ";
}

void AlarmClock::load() {
    clockOn_ = w_.profile.GetINI("Options", "ShowTime", w_.iniFile) == "No" ? "No" : "Yes";
    alarmOn_ = w_.profile.GetINI("Alarm", "status", w_.iniFile) == "On";
    alarmWhen_ = w_.profile.GetINI("Alarm", "When", w_.iniFile);
    // The label shows the time from the first frame rather than its design caption; the alarm
    // is left to the first tick, when the window is on the screen.
    if (clockOn_ == "Yes") {
        showNow(w_.clock.now());
        timer3_.start();
    } else {
        w_.ShowTime.caption.clear();
        w_.ShowTime.toolTip.clear();
        timer3_.stop();
    }
}

void AlarmClock::tick() {
    if (!timer3_.enabled) {
        return;
    }
    if (clockOn_ != "Yes") {
        w_.ShowTime.caption.clear();
        w_.ShowTime.toolTip.clear();
        timer3_.stop();
        return;
    }
    const DateTime now = w_.clock.now();
    showNow(now);
    if (alarmOn_ && !boxOpen_ && due(now)) {
        fire();
    }
}

void AlarmClock::showNow(const DateTime& now) {
    w_.ShowTime.caption = timeText(now);
    w_.ShowTime.toolTip = dateText(now, w_.locale);
}

bool AlarmClock::due(const DateTime& now) const {
    const std::string hour = std::to_string(now.hour);
    const std::string minute = std::to_string(now.minute);
    return alarmWhen_ == hour + ":" + minute || alarmWhen_ == hour + ":0" + minute;
}

void AlarmClock::fire() {
    // The ticks go on while the box is open; they must not open a second one.
    boxOpen_ = true;
    struct Closed {
        bool& open;
        ~Closed() { open = false; }
    } closed{boxOpen_};

    const std::string s18 = w_.texts.T("s18");
    std::string reminder = w_.profile.GetINI("Alarm", "Mess", w_.iniFile);
    // An empty reminder (never typed, or deleted) says the alarm word too: a box without
    // text would not say what it is for.
    if (reminder == "(Message)" || reminder.empty()) {
        reminder = s18 + "!";
    }
    const std::string when = alarmWhen_;
    w_.dialogs.message(s18 + " " + when, reminder);
    if (w_.writeLog) {
        w_.writeLog("Alarm " + when + ", '" + reminder + "'");
    }
    alarmOn_ = false;
    w_.profile.SetINI("Alarm", "Status", "Off", w_.iniFile);
    if (fired) {
        fired();
    }
}

void AlarmClock::showClock() {
    clockOn_ = "Yes";
    w_.profile.SetINI("Options", "ShowTime", "Yes", w_.iniFile);
    showNow(w_.clock.now());
    timer3_.start();
}

void AlarmClock::hideClock() {
    clockOn_ = "No";
    w_.profile.SetINI("Options", "ShowTime", "No", w_.iniFile);
    w_.ShowTime.caption.clear();
    w_.ShowTime.toolTip.clear();
    timer3_.stop();
}

void AlarmClock::arm(const std::string& when) {
    w_.profile.SetINI("Alarm", "Status", "On", w_.iniFile);
    w_.profile.SetINI("Alarm", "When", when, w_.iniFile);
    alarmOn_ = true;
    alarmWhen_ = when;
}

void AlarmClock::disarm() {
    w_.profile.SetINI("Alarm", "Status", "Off", w_.iniFile);
    alarmOn_ = false;
}

} // namespace brisvane
