#include "settings/FileProfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <chrono>
#include <filesystem>

#include "common/FileIo.h"
#include "common/Text.h"

namespace brisvane {
namespace {

[[noreturn]] void throwReadError(int code, const char* detail = nullptr) {
    throw ProfileError("GetINI", "Cannot read from INI File.",
                       detail != nullptr ? detail : std::strerror(code), code);
}

bool isAbsence(int code) { return code == ENOENT || code == ENOTDIR; }

}  // namespace

std::string FileProfile::GetINI(const std::string& section, const std::string& key,
                                const std::string& file) {
    const IniDocument* document = nullptr;
    try {
        document = load(file);
    } catch (const ProfileError& error) {
        // Treated as absent (and, by SetINI, as read-only): the player hears of it once, not
        // at every caption.
        if (unreadable_.insert(file).second && problemHandler_) {
            problemHandler_(file, error.detail());
        }
        return {};
    }
    if (document == nullptr) {
        return {};
    }
    unreadable_.erase(file);
    const std::string* value = document->find(section, key);
    return value == nullptr ? std::string() : *value;
}

bool FileProfile::SetINI(const std::string& section, const std::string& key,
                         const std::string& value, const std::string& file) {
    return SetINIs(file, {ProfileChange{section, key, value}});
}

bool FileProfile::SetINIs(const std::string& file, const std::vector<ProfileChange>& changes,
                          std::string* why) {
    const auto fail = [why](const std::string& reason) {
        if (why != nullptr) {
            *why = reason;
        }
        return false;
    };
    if (file.empty()) {
        return fail("No file name");
    }
    const ProfileLock held = lock(file);
    // Taken out of the cache rather than copied: a settings file may have grown large.
    IniDocument document;
    try {
        if (load(file) != nullptr) {
            document = std::move(cache_.extract(file).mapped().document);
        }
    } catch (const ProfileError& error) {
        return fail(error.detail()); // what cannot be read cannot be rewritten without losing it
    }
    for (const ProfileChange& change : changes) {
        if (change.keepExisting && document.find(change.section, change.key) != nullptr) {
            continue;
        }
        if (!document.set(change.section, change.key, change.value)) {
            return fail("Invalid name \"" + change.section + "/" + change.key + "\"");
        }
    }
    const std::string error = replaceFile(file, document.serialise());
    if (!error.empty()) {
        return fail(error); // the next read parses what is on disk
    }
    // What was written is what a read would parse now.
    struct stat st {};
    if (::stat(file.c_str(), &st) == 0) {
        cache_[file] = Cached{identityOf(st), std::move(document), ++readings_};
    }
    return true;
}

void FileProfile::removeStaleTemporaries(const std::string& file, int minimumAgeSeconds) {
    const std::filesystem::path target(file);
    removeStaleFiles(target.parent_path().string(), "." + target.filename().string() + ".",
                     minimumAgeSeconds);
}

ProfileLock FileProfile::lock(const std::string& file) {
    std::string folder = std::filesystem::path(file).parent_path().string();
    if (folder.empty()) {
        folder = ".";
    }
    Held& held = held_[folder];
    if (held.depth == 0) {
        // Without the lock (a read-only folder, another copy stuck) the write goes ahead as
        // it always did: a write that cannot happen fails on its own.
        held.fd = lockExclusively(folder + "/" + LockFileName, LockPatienceMs);
    }
    ++held.depth;
    return ProfileLock([this, folder] {
        Held& mine = held_[folder];
        if (--mine.depth == 0) {
            mine.fd.close();
        }
    });
}

void FileProfile::markPrivate(const std::string& file) { private_.insert(file); }

FileProfile::Identity FileProfile::identityOf(const struct stat& st) {
    return Identity{static_cast<unsigned long long>(st.st_dev),
                    static_cast<unsigned long long>(st.st_ino), static_cast<long long>(st.st_size),
                    st.st_mtim.tv_sec * 1'000'000'000LL + st.st_mtim.tv_nsec,
                    st.st_ctim.tv_sec * 1'000'000'000LL + st.st_ctim.tv_nsec};
}

const IniDocument* FileProfile::load(const std::string& file) {
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0) {
        const int code = errno;
        cache_.erase(file);
        if (isAbsence(code)) {
            return nullptr;
        }
        throwReadError(code);
    }
    if (const auto it = cache_.find(file);
        it != cache_.end() && it->second.identity == identityOf(st)) {
        return &it->second.document;
    }

    // O_NONBLOCK so that a named pipe in the file's place cannot hang the program.
    Descriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) {
        const int code = errno;
        cache_.erase(file);
        if (isAbsence(code)) {
            return nullptr;
        }
        throwReadError(code);
    }
    if (::fstat(fd.get(), &st) != 0) {
        throwReadError(errno);
    }
    if (S_ISDIR(st.st_mode)) {
        throwReadError(EISDIR);
    }
    if (!S_ISREG(st.st_mode)) {
        throwReadError(EINVAL, "Not a regular file");
    }
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n == 0) {
            break;
        }
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            throwReadError(errno);
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    Cached& entry = cache_[file];
    entry = Cached{identityOf(st), IniDocument::parse(bytes), ++readings_};
    return &entry.document;
}

std::uint64_t FileProfile::revision(const std::string& file) {
    try {
        if (load(file) != nullptr) {
            return cache_.at(file).revision;
        }
    } catch (const ProfileError&) {
        // Unreadable: reads as absent.
    }
    return 0;
}

std::string FileProfile::replaceFile(const std::string& file, const std::string& contents) const {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::path target(file);
    // Replace what a symbolic link points at, not the link.
    if (fs::is_symlink(target, error)) {
        target = fs::weakly_canonical(target, error);
        if (error) {
            return error.message();
        }
    }
    mode_t mode = S_IRUSR | S_IWUSR;
    struct stat st {};
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists) {
        // A read-only file stays untouched, also for a user whom permissions do not stop.
        if (!S_ISREG(st.st_mode)) {
            return std::strerror(EINVAL);
        }
        if ((st.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0) {
            return std::strerror(EACCES);
        }
        mode = st.st_mode & 07777;
        if (private_.count(file) != 0) {
            mode &= static_cast<mode_t>(~077);
        }
    } else if (!isAbsence(errno)) {
        return std::strerror(errno);
    }

    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string temporary = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    Descriptor fd(::mkostemp(temporary.data(), O_CLOEXEC)); // created 0600
    if (fd.get() < 0) {
        return std::strerror(errno);
    }
    // The replacement keeps the owner and group of the file it replaces (a run as root in the
    // player's folder must not take the file away from the player); a plain user cannot give
    // a file away, and then keeps it as it comes.
    if (exists && (st.st_uid != ::geteuid() || st.st_gid != ::getegid())) {
        if (::fchown(fd.get(), st.st_uid, st.st_gid) != 0 && errno != EPERM) {
            const int code = errno;
            ::unlink(temporary.c_str());
            return std::strerror(code);
        }
    } else if (!exists) {
        takeFolderOwner(fd.get(), folder.string());
    }
    int code = 0;
    const auto step = [&code](bool done) {
        if (!done && code == 0) {
            code = errno != 0 ? errno : EIO;
        }
        return done;
    };
    errno = 0;
    const bool written = step(::fchmod(fd.get(), mode) == 0) && step(writeAll(fd.get(), contents.data(), contents.size())) &&
                         step(::fsync(fd.get()) == 0) && step(fd.close()) &&
                         step(::rename(temporary.c_str(), target.c_str()) == 0);
    if (!written) {
        ::unlink(temporary.c_str());
        return std::strerror(code);
    }
    // Make the rename itself durable; the file is complete either way.
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) {
        ::fsync(dir.get());
    }
    return {};
}

}  // namespace brisvane
