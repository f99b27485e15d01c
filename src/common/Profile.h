#pragma once
// Access to INI-format profile files: the settings file and the language files.
// Sections and keys are matched without regard to letter case. A missing file, section or key
// reads as "". Values are read and written whole, whatever their length.

#include <functional>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>
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

// Keeps other writers of a file out while it is held (see Profile::lock); released when it
// goes. An empty lock holds nothing.
class ProfileLock {
public:
    ProfileLock() = default;
    explicit ProfileLock(std::function<void()> release) : release_(std::move(release)) {}
    ~ProfileLock() {
        if (release_) {
            release_();
        }
    }
    ProfileLock(ProfileLock&& other) noexcept : release_(std::exchange(other.release_, {})) {}
    ProfileLock& operator=(ProfileLock&&) = delete;
    ProfileLock(const ProfileLock&) = delete;
    ProfileLock& operator=(const ProfileLock&) = delete;

private:
    std::function<void()> release_;
};

class Profile {
public:
    virtual ~Profile() = default;
    virtual std::string GetINI(const std::string& section, const std::string& key,
                               const std::string& file) = 0;
    // A number that stays the same while what GetINI reads from `file` stays the same, and
    // changes with every write and every edit on disk; two files never share one, except 0 for
    // a file that is absent or cannot be read. A reader may keep what it derived from the file
    // for as long as this number holds. Never throws.
    virtual std::uint64_t revision(const std::string& file) = 0;
    // Creates the file, the section and the key as needed; true when the write succeeded.
    virtual bool SetINI(const std::string& section, const std::string& key,
                        const std::string& value, const std::string& file) = 0;

    // Writes all `changes` to `file` at once: every change or none, in one replacement of the
    // file, so a program killed half-way never leaves some of them written. On failure returns
    // false and, when `why` is given, says why in the system's words ("Permission denied").
    virtual bool SetINIs(const std::string& file, const std::vector<ProfileChange>& changes,
                         std::string* why = nullptr) = 0;

    // For a read, a decision and a write that must not lose another writer's change: while
    // the lock is held, no other holder of a lock on `file` (in this profile, another one, or
    // another copy of the program) writes it. Held locks nest. Never held across a question
    // to the player. A profile that has no other writers returns an empty lock.
    [[nodiscard]] virtual ProfileLock lock(const std::string& file) {
        (void)file;
        return {};
    }

    // A list's count as stored under `countKey` (absent or not a number: 0), bounded by what
    // the file holds: entries count from 1 on while one of `entryKeys(i)` has a value in
    // `section`, and never beyond MaxCount. A hand-edited count of billions so costs nothing.
    static constexpr int MaxCount = 10000;
    int GetCount(const std::string& section, const std::string& countKey, const std::string& file,
                 const std::function<std::vector<std::string>(int)>& entryKeys);
};

}  // namespace brisvane
