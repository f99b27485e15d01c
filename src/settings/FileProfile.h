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
// profile creates is readable and writable by its owner only (0600); a file it replaces keeps
// its permissions, except that files marked private lose any access by group and others.
// Files are read as UTF-8, or Windows-1252 when they are not valid UTF-8, and written as UTF-8.
// Line endings of an existing file are kept; new files get LF.
//
// Not thread-safe: the program calls it from its one user-interface thread.

#include <set>
#include <string>
#include <unordered_map>

#include "common/Profile.h"
#include "settings/IniDocument.h"

namespace brisvane {

class FileProfile : public Profile {
public:
    // "" when the file, section or key is absent; at most MaxValueChars characters.
    // Throws ProfileError("GetINI", ...) when the file exists but cannot be read (no permission,
    // a folder in its place, an I/O error).
    std::string GetINI(const std::string& section, const std::string& key,
                       const std::string& file) override;

    // False, and nothing on disk changed, when the file cannot be read or written: a missing or
    // read-only folder, a read-only file, a full disk, a name that cannot be stored. Never throws.
    bool SetINI(const std::string& section, const std::string& key, const std::string& value,
                const std::string& file) override;

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
    };

    // The parsed file, or nullptr when it does not exist. Throws ProfileError as GetINI does.
    const IniDocument* load(const std::string& file);
    bool replaceFile(const std::string& file, const std::string& contents) const;

    std::unordered_map<std::string, Cached> cache_;
    std::set<std::string> private_;
};

}  // namespace brisvane
