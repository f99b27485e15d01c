#pragma once
// The profile on disk: settings and language files in INI format (see IniDocument for the
// accepted syntax).
//
// Reading is the program's hot path (every caption is a GetINI), so each file's parsed text is
// kept and reused for as long as the file on disk is the same one: same device, inode, size,
// modification and change time. A hand edit of the file therefore takes effect at the next
// read, and so does our own write.
//
// Writing never leaves a half-written file: the new text goes to a temporary file beside the
// target (".<name>.XXXXXX"), is flushed to disk and then renamed over the target. A file this
// profile creates is readable and writable by its owner only (0600) and takes the owner and
// group of its folder; a file it replaces keeps its owner, group and permissions (as far as the
// process may give them), except that files marked private lose any access by group and others.
//
// Every write, and every lock(), holds an advisory lock on the lock file LockFileName of the
// file's folder, so two copies of the program sharing a folder never lose each other's writes.
// Files are read as UTF-8, or Windows-1252 when they are not valid UTF-8, and written as UTF-8.
// Line endings of an existing file are kept; new files get LF.
//
// Not thread-safe: the program calls it from its one user-interface thread.

#include <sys/stat.h>

#include <functional>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "common/FileIo.h"
#include "common/Profile.h"
#include "settings/IniDocument.h"

namespace brisvane {

class FileProfile : public Profile {
public:
    static constexpr const char* LockFileName = ".brisvane.lock";
    // How long a lock waits for another copy of the program before it writes all the same.
    static constexpr int LockPatienceMs = 5000;

    // Told once about a file that exists but cannot be read (no permission, a folder in its
    // place, an I/O error): `why` is the system's description. Until it is readable again,
    // such a file reads as absent and every write to it fails.
    using ProblemHandler = std::function<void(const std::string& file, const std::string& why)>;
    void setProblemHandler(ProblemHandler handler) { problemHandler_ = std::move(handler); }

    // "" when the file, section or key is absent, or the file cannot be read; otherwise the
    // whole value, however long. Never throws.
    std::string GetINI(const std::string& section, const std::string& key,
                       const std::string& file) override;

    // False, and nothing on disk changed, when the file cannot be read or written: a missing or
    // read-only folder, a read-only file, a full disk, a name that cannot be stored. Never throws.
    bool SetINI(const std::string& section, const std::string& key, const std::string& value,
                const std::string& file) override;
    bool SetINIs(const std::string& file, const std::vector<ProfileChange>& changes,
                 std::string* why = nullptr) override;
    // Numbers each reading of a file from disk: it changes when the file's identity (above)
    // does. One stat() call.
    std::uint64_t revision(const std::string& file) override;
    // Locks the folder of `file`, and so every file in it.
    ProfileLock lock(const std::string& file) override;

    // Deletes what killed writes of `file` left beside it (".<name>.XXXXXX"), if it is at
    // least `minimumAgeSeconds` old, so a write running in another copy of the program is
    // left alone. For the start of the program.
    static void removeStaleTemporaries(const std::string& file, int minimumAgeSeconds = 60);

    // Every later write of `file` leaves it readable and writable by its owner only, even when
    // it existed with wider permissions. For the settings file, which holds passwords.
    void markPrivate(const std::string& file);

private:
    struct Identity {
        unsigned long long device = 0;
        unsigned long long inode = 0;
        long long size = 0;
        long long modified = 0;  // nanoseconds
        long long changed = 0;   // nanoseconds
        bool operator==(const Identity&) const = default;
    };
    struct Cached {
        Identity identity;
        IniDocument document;
        std::uint64_t revision = 0;
    };
    static Identity identityOf(const struct stat& st);

    // The parsed file, or nullptr when it does not exist. Throws ProfileError as GetINI does.
    const IniDocument* load(const std::string& file);
    // "" when done, else the system's description of what failed.
    std::string replaceFile(const std::string& file, const std::string& contents) const;

    struct Held {
        Descriptor fd;
        int depth = 0;
    };

    std::unordered_map<std::string, Cached> cache_;
    std::uint64_t readings_ = 0;
    std::unordered_map<std::string, Held> held_; // by folder
    std::set<std::string> private_;
    std::set<std::string> unreadable_; // reported to the problem handler already
    ProblemHandler problemHandler_;
};

}  // namespace brisvane
