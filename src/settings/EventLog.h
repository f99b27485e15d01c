#pragma once
// The event log: one line per notable event (finished games, submissions, account changes,
// visited pages, alarms, language work) appended to the log file, for example
//     2002-02-22 00:37:41  Clear highscore.
// Each line is opened, appended and closed on its own, so the file is complete at every moment.
// Options/WriteLog = "No" in the settings file stops logging; it is read again for every line.
// A log that cannot be opened or written loses that line and nothing else: logging never
// disturbs the caller.

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

    const std::string& logFile() const { return logFile_; }

private:
    Profile& profile_;
    const Clock& clock_;
    std::string iniFile_;
    std::string logFile_;
};

}  // namespace brisvane
