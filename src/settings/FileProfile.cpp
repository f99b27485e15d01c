#include "settings/FileProfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "common/Text.h"

namespace brisvane {
namespace {

[[noreturn]] void throwReadError(int code, const char* detail = nullptr) {
    throw ProfileError("GetINI", "Cannot read from INI File.",
                       detail != nullptr ? detail : std::strerror(code), code);
}

bool isAbsence(int code) { return code == ENOENT || code == ENOTDIR; }

// Closes a descriptor on every path out of a function.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Closes now and reports whether the close succeeded (a deferred write error shows here).
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

std::string FileProfile::GetINI(const std::string& section, const std::string& key,
                                const std::string& file) {
    const IniDocument* document = load(file);
    if (document == nullptr) {
        return {};
    }
    const std::string* value = document->find(section, key);
    return value == nullptr ? std::string() : text::left(*value, MaxValueChars);
}

bool FileProfile::SetINI(const std::string& section, const std::string& key,
                         const std::string& value, const std::string& file) {
    if (file.empty()) {
        return false;
    }
    IniDocument document;
    try {
        if (const IniDocument* current = load(file)) {
            document = *current;
        }
    } catch (const ProfileError&) {
        return false;  // what cannot be read cannot be rewritten without losing it
    }
    if (!document.set(section, key, value)) {
        return false;
    }
    if (!replaceFile(file, document.serialise())) {
        return false;
    }
    cache_.erase(file);  // the next read parses what is on disk now
    return true;
}

void FileProfile::markPrivate(const std::string& file) { private_.insert(file); }

const IniDocument* FileProfile::load(const std::string& file) {
    const auto identityOf = [](const struct stat& st) {
        return Identity{static_cast<unsigned long long>(st.st_dev),
                        static_cast<unsigned long long>(st.st_ino),
                        static_cast<long long>(st.st_size),
                        st.st_mtim.tv_sec * 1'000'000'000LL + st.st_mtim.tv_nsec,
                        st.st_ctim.tv_sec * 1'000'000'000LL + st.st_ctim.tv_nsec};
    };
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
    entry = Cached{identityOf(st), IniDocument::parse(bytes)};
    return &entry.document;
}

bool FileProfile::replaceFile(const std::string& file, const std::string& contents) const {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::path target(file);
    // Replace what a symbolic link points at, not the link.
    if (fs::is_symlink(target, error)) {
        target = fs::weakly_canonical(target, error);
        if (error) {
            return false;
        }
    }
    mode_t mode = S_IRUSR | S_IWUSR;
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) {
        // A read-only file stays untouched, also for a user whom permissions do not stop.
        if (!S_ISREG(st.st_mode) || (st.st_mode & 0222) == 0 ||
            ::access(target.c_str(), W_OK) != 0) {
            return false;
        }
        mode = st.st_mode & 07777;
        if (private_.count(file) != 0) {
            mode &= static_cast<mode_t>(~077);
        }
    } else if (!isAbsence(errno)) {
        return false;
    }

    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string temporary = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    Descriptor fd(::mkostemp(temporary.data(), O_CLOEXEC));  // created 0600
    if (fd.get() < 0) {
        return false;
    }
    const bool written = ::fchmod(fd.get(), mode) == 0 && writeAll(fd.get(), contents) &&
                         ::fsync(fd.get()) == 0 && fd.close() &&
                         ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!written) {
        ::unlink(temporary.c_str());
        return false;
    }
    // Make the rename itself durable; the file is complete either way.
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) {
        ::fsync(dir.get());
    }
    return true;
}

}  // namespace brisvane
