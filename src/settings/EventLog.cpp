#include "settings/EventLog.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "common/FileIo.h"

namespace brisvane {
namespace {

// Date, one blank, time, two blanks, message, ".", CR LF.
std::string formatLine(const DateTime& when, const std::string& message) {
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d %02d:%02d:%02d  ", when.year, when.month,
                  when.day, when.hour, when.minute, when.second);
    return stamp + message + ".\r\n";
}

std::string hexEscape(const char* form, unsigned value) {
    char text[16];
    std::snprintf(text, sizeof text, form, value);
    return text;
}

// Opens the log for appending; a log it creates takes the owner of its folder.
Descriptor openForAppending(const std::string& file) {
    // O_NONBLOCK: a pipe in the log's place must not hang the game.
    constexpr int Flags = O_WRONLY | O_APPEND | O_CLOEXEC | O_NONBLOCK;
    for (int attempt = 0; attempt < 3; ++attempt) {
        Descriptor fd(::open(file.c_str(), Flags));
        if (fd.valid() || errno != ENOENT) {
            return fd;
        }
        fd = Descriptor(::open(file.c_str(), Flags | O_CREAT | O_EXCL, 0644));
        if (fd.valid()) {
            takeFolderOwner(fd.get(), std::filesystem::path(file).parent_path().string());
            return fd;
        }
        if (errno != EEXIST) {
            return fd;
        }
    }
    return Descriptor();
}

}  // namespace

std::string EventLog::escaped(const std::string& message) {
    std::string out;
    out.reserve(message.size());
    for (std::size_t i = 0; i < message.size(); ++i) {
        const auto c = static_cast<unsigned char>(message[i]);
        const auto next = [&](std::size_t k) {
            return i + k < message.size() ? static_cast<unsigned char>(message[i + k]) : 0u;
        };
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c < 0x20 || c == 0x7F) {
            out += hexEscape("\\x%02X", c);
        } else if (c == 0xC2 && next(1) >= 0x80 && next(1) <= 0x9F) {
            out += hexEscape("\\u%04X", next(1)); // a C1 control, such as the next-line mark
            ++i;
        } else if (c == 0xE2 && next(1) == 0x80 && (next(2) == 0xA8 || next(2) == 0xA9)) {
            out += hexEscape("\\u%04X", 0x2000u + next(2) - 0x80u); // line, paragraph separator
            i += 2;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

EventLog::EventLog(Profile& profile, const Clock& clock, std::string iniFile, std::string logFile)
    : profile_(profile), clock_(clock), iniFile_(std::move(iniFile)),
      logFile_(std::move(logFile)) {}

bool EventLog::stopped() const {
    try {
        return profile_.GetINI("Options", "WriteLog", iniFile_) == "No";
    } catch (const ProfileError&) {
        // An unreadable settings file says nothing against logging, as an absent key does not.
        return false;
    }
}

bool EventLog::stop(bool on) {
    return profile_.SetINI("Options", "WriteLog", on ? "No" : "Yes", iniFile_);
}

void EventLog::WriteLog(const std::string& text) {
    if (stopped()) {
        return;
    }
    const std::string line = formatLine(clock_.now(), escaped(text.empty() ? LogMessage : text));
    std::string why;
    const Descriptor fd = openForAppending(logFile_);
    if (!fd.valid()) {
        why = std::strerror(errno);
    } else {
        // One write per line, so a line is never interleaved with another program's appends.
        const ssize_t written = ::write(fd.get(), line.data(), line.size());
        if (written != static_cast<ssize_t>(line.size())) {
            why = written < 0 ? std::strerror(errno) : std::strerror(ENOSPC);
        }
    }
    if (why.empty()) {
        problemReported_ = false;
    } else if (!problemReported_) {
        problemReported_ = true;
        if (problemHandler_) {
            problemHandler_(logFile_, why);
        }
    }
}

}  // namespace brisvane
