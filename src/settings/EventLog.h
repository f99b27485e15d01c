#pragma once
// The event log: one line per notable event (finished games, submissions, account changes,
// visited pages, alarms, language work) appended to the log file, for example
//     2002-02-22 00:37:41  Clear highscore.
// Each line is opened, appended and closed on its own, so the file is complete at every moment.
// Options/WriteLog = "No" in the settings file stops logging; it is read again for every line.
// The tools menu's "Stop logging" writes it, or takes it away again.
// A log that cannot be opened or written loses that line and nothing else: logging never
// disturbs the caller, but the problem handler hears of it once (again after the log worked).
// Control characters of a message are written escaped ("\r", "\x1B"), so a value that holds
// them can never make a line that looks like another.

#include <functional>
#include <string>

#include "common/Ports.h"
#include "common/Profile.h"

namespace brisvane {

class EventLog {
public:
    // `iniFile` is the settings file, `logFile` the log (program folder + "Vexa.log").
    EventLog(Profile& profile, const Clock& clock, std::string iniFile, std::string logFile);

    // The message of the next line for the callers that log without an argument.
    std::string LogMessage;

    // Appends a line with `text`, or with LogMessage when `text` is empty. The writer adds the
    // final period, also after a message that already ends in one.
    void WriteLog(const std::string& text = {});

    // Whether the settings file stops logging now.
    bool stopped() const;
    // Stops logging (WriteLog = "No") or lets it go on again ("Yes", as shipped); false when the
    // settings file did not take the change.
    bool stop(bool on);

    const std::string& logFile() const { return logFile_; }

    // Told when the log cannot be written: its path and the system's reason.
    using ProblemHandler = std::function<void(const std::string& file, const std::string& why)>;
    void setProblemHandler(ProblemHandler handler) { problemHandler_ = std::move(handler); }

    // `message` with its control characters (also the C1 ones and the line and paragraph
    // separators) written as escapes: "\r", "\n", "\x1B", "\u0085".
    static std::string escaped(const std::string& message);

private:
    Profile& profile_;
    const Clock& clock_;
    std::string iniFile_;
    std::string logFile_;
    ProblemHandler problemHandler_;
    bool problemReported_ = false;
};

}  // namespace brisvane
