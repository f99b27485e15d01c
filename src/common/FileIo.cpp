#include "common/FileIo.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace brisvane {

namespace {
bool kernelCopyAllowed = true;
} // namespace

void allowKernelCopy(bool allowed) {
    kernelCopyAllowed = allowed;
}

Descriptor::~Descriptor() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

Descriptor& Descriptor::operator=(Descriptor&& other) noexcept {
    if (this != &other) {
        close();
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

bool Descriptor::close() {
    const int fd = fd_;
    fd_ = -1;
    return fd < 0 || ::close(fd) == 0;
}

Descriptor openRegularForReading(const std::string& path, std::int64_t& size) {
    size = 0;
    // O_NONBLOCK so that a named pipe in the package's place cannot hang the program.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!fd.valid()) {
        return fd;
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        return Descriptor();
    }
    if (!S_ISREG(st.st_mode)) {
        errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        return Descriptor();
    }
    size = static_cast<std::int64_t>(st.st_size);
    return fd;
}

bool readAt(int fd, char* buffer, std::size_t count, std::int64_t offset) {
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n = ::pread(fd, buffer + done, count - done,
                                  static_cast<off_t>(offset + static_cast<std::int64_t>(done)));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

long long readSome(int fd, char* buffer, std::size_t count) {
    for (;;) {
        const ssize_t n = ::read(fd, buffer, count);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        return static_cast<long long>(n);
    }
}

bool writeAll(int fd, const char* bytes, std::size_t count) {
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n = ::write(fd, bytes + done, count - done);
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

namespace {

std::string folderOf(const std::string& path) {
    const std::string folder = std::filesystem::path(path).parent_path().string();
    return folder.empty() ? std::string(".") : folder;
}

void giveTo(int fd, const struct stat& owner) {
    if (owner.st_uid != ::geteuid() || owner.st_gid != ::getegid()) {
        // Refused to anyone but the superuser, who is the one that must not keep the file.
        [[maybe_unused]] const int refused = ::fchown(fd, owner.st_uid, owner.st_gid);
    }
}

} // namespace

void takeFolderOwner(int fd, const std::string& folder) {
    struct stat st {};
    if (::stat(folder.empty() ? "." : folder.c_str(), &st) == 0) {
        giveTo(fd, st);
    }
}

void takeFolderOwner(const std::string& path) {
    struct stat st {};
    if (::stat(folderOf(path).c_str(), &st) == 0 &&
        (st.st_uid != ::geteuid() || st.st_gid != ::getegid())) {
        [[maybe_unused]] const int refused = ::lchown(path.c_str(), st.st_uid, st.st_gid);
    }
}

Descriptor lockExclusively(const std::string& lockFile, int patienceMs) {
    Descriptor fd(::open(lockFile.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW,
                         0644));
    if (fd.valid()) {
        takeFolderOwner(fd.get(), folderOf(lockFile));
    } else if (errno == EEXIST) {
        fd = Descriptor(::open(lockFile.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW));
        if (!fd.valid() && errno == EACCES) {
            fd = Descriptor(::open(lockFile.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
        }
    }
    if (!fd.valid()) {
        return fd;
    }
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::milliseconds(patienceMs);
    while (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) {
            continue;
        }
        if (errno != EWOULDBLOCK || std::chrono::steady_clock::now() >= giveUp) {
            return Descriptor();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return fd;
}

void removeStaleFiles(const std::string& folder, const std::string& prefix,
                      int minimumAgeSeconds) {
    namespace fs = std::filesystem;
    const auto now = fs::file_time_type::clock::now();
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder.empty() ? "." : folder, error)) {
        const std::string name = entry.path().filename().string();
        // Exactly the names mkostemp makes: the prefix and six characters.
        if (name.size() != prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0 ||
            entry.is_symlink(error) || !entry.is_regular_file(error)) {
            continue;
        }
        const auto written = entry.last_write_time(error);
        if (!error && now - written >= std::chrono::seconds(minimumAgeSeconds)) {
            fs::remove(entry.path(), error);
        }
    }
}

ReplacementFile::ReplacementFile(std::string target) : target_(std::move(target)) {
    const std::size_t slash = target_.rfind('/');
    const std::string folder =
        slash == std::string::npos ? std::string() : target_.substr(0, slash + 1);
    // A fixed short name: the target's own name may already be as long as a name can be.
    temporary_ = folder + PartialPrefix + "XXXXXX";
    fd_ = Descriptor(::mkostemp(temporary_.data(), O_CLOEXEC)); // created 0600
    if (!fd_.valid()) {
        temporary_.clear();
        return;
    }
    struct stat replaced {};
    if (::stat(target_.c_str(), &replaced) == 0) {
        giveTo(fd_.get(), replaced);
    } else {
        takeFolderOwner(fd_.get(), folder);
    }
    // Like a file the player copies in: readable by all, writable by the owner, as the umask
    // allows.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd_.get(), static_cast<mode_t>(0644 & ~mask));
}

ReplacementFile::~ReplacementFile() {
    if (!committed_ && !temporary_.empty()) {
        fd_.close();
        ::unlink(temporary_.c_str());
    }
}

bool ReplacementFile::write(const char* bytes, std::size_t count) {
    ok_ = ok_ && fd_.valid() && writeAll(fd_.get(), bytes, count);
    return ok_;
}

bool ReplacementFile::copyFrom(int fd, std::int64_t offset, std::int64_t count, char* buffer,
                               std::size_t chunk) {
    if (!ok_ || !fd_.valid() || chunk == 0) {
        return false;
    }
    std::int64_t done = 0;
    while (kernelCopyAllowed && kernelCopy_ && done < count) {
        auto from = static_cast<off_t>(offset + done);
        const ssize_t n = ::copy_file_range(fd, &from, fd_.get(), nullptr,
                                            static_cast<std::size_t>(count - done), 0);
        if (n > 0) {
            done += n;
        } else if (n == 0) {
            ok_ = false; // the source ended early
            return false;
        } else if (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP) {
            kernelCopy_ = false; // not between these files: copy through memory from here on
        } else if (errno != EINTR) {
            ok_ = false;
            return false;
        }
    }
    while (ok_ && done < count) {
        const std::int64_t left = count - done;
        const auto step =
            left < static_cast<std::int64_t>(chunk) ? static_cast<std::size_t>(left) : chunk;
        ok_ = readAt(fd, buffer, step, offset + done) && writeAll(fd_.get(), buffer, step);
        done += static_cast<std::int64_t>(step);
    }
    return ok_;
}

bool ReplacementFile::commit() {
    if (!ok_ || !fd_.valid() || committed_) {
        return false;
    }
    if (::fsync(fd_.get()) != 0 || !fd_.close() ||
        ::rename(temporary_.c_str(), target_.c_str()) != 0) {
        ok_ = false;
        return false;
    }
    committed_ = true;
    return true;
}

} // namespace brisvane
