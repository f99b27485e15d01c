#pragma once
// Access to INI-format profile files: the settings file and the language files.
// Sections and keys are matched without regard to letter case. A missing file, section or key
// reads as "". Values come back cut to their first 1023 characters.

#include <stdexcept>
#include <string>
#include <vector>

namespace brisvane {

// Raised by GetINI only when the file exists but cannot be read, and by SetINI never
// (a failed write returns false). `source` is "GetINI"/"SetINI", `what()` the program's message,
// `detail` the system's own description.
class ProfileError : public std::runtime_error {
public:
    ProfileError(std::string source, const std::string& message, std::string detail, int code)
        : std::runtime_error(message), source_(std::move(source)), detail_(std::move(detail)),
          code_(code) {}
    const std::string& source() const { return source_; }
    const std::string& detail() const { return detail_; }
    int code() const { return code_; }

private:
    std::string source_;
    std::string detail_;
    int code_;
};

// One value of a batch write (Profile::SetINIs).
struct ProfileChange {
    std::string section;
    std::string key;
    std::string value;
    // Only create the key: a key already present keeps its stored text byte for byte.
    bool keepExisting = false;
};

class Profile {
public:
    static constexpr std::size_t MaxValueChars = 1023;

    virtual ~Profile() = default;
    virtual std::string GetINI(const std::string& section, const std::string& key,
                               const std::string& file) = 0;
    // Creates the file, the section and the key as needed; true when the write succeeded.
    virtual bool SetINI(const std::string& section, const std::string& key,
                        const std::string& value, const std::string& file) = 0;

    // Writes all `changes` to `file` at once: every change or none, in one replacement of the
    // file, so a program killed half-way never leaves some of them written. On failure returns
    // false and, when `why` is given, says why in the system's words ("Permission denied").
    virtual bool SetINIs(const std::string& file, const std::vector<ProfileChange>& changes,
                         std::string* why = nullptr) = 0;
};

}  // namespace brisvane
