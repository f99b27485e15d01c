#include "settings/EventLog.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace brisvane {
namespace {

// Date, one blank, time, two blanks, message, ".", CR LF.
std::string formatLine(const DateTime& when, const std::string& message) {
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d %02d:%02d:%02d  ", when.year, when.month,
                  when.day, when.hour, when.minute, when.second);
    return stamp + message + ".\r\n";
}

}  // namespace

EventLog::EventLog(Profile& profile, const Clock& clock, std::string iniFile, std::string logFile)
    : profile_(profile), clock_(clock), iniFile_(std::move(iniFile)),
      logFile_(std::move(logFile)) {}

void EventLog::WriteLog(const std::string& text) {
    std::string setting;
    try {
        setting = profile_.GetINI("Options", "WriteLog", iniFile_);
    } catch (const ProfileError&) {
        // An unreadable settings file says nothing against logging, as an absent key does not.
    }
    if (setting == "No") {
        return;
    }
    const std::string line = formatLine(clock_.now(), text.empty() ? LogMessage : text);
    // O_NONBLOCK: a pipe in the log's place must not hang the game.
    const int fd = ::open(logFile_.c_str(),
                          O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0644);
    if (fd < 0) {
        return;
    }
    // One write per line, so a line is never interleaved with another program's appends.
    [[maybe_unused]] const ssize_t written = ::write(fd, line.data(), line.size());
    ::close(fd);
}

}  // namespace brisvane
