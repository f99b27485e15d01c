#pragma once
// Small POSIX file helpers of the package reader and writer and of the settings file: a
// descriptor that closes itself, whole reads and writes that retry on interruption, and a file
// written beside its final name and renamed over it only when complete.

#include <cstddef>
#include <cstdint>
#include <string>

namespace brisvane {

class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor();
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    Descriptor(Descriptor&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    Descriptor& operator=(Descriptor&& other) noexcept;
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closes now; false when the close reported an error (a deferred write error shows here).
    bool close();

private:
    int fd_;
};

// Opens `path` for reading without following it into a pipe or a device: only a regular file
// is accepted. Sets `size` to its length. An invalid descriptor on failure (errno is set).
Descriptor openRegularForReading(const std::string& path, std::int64_t& size);

// Reads exactly `count` bytes at `offset`; false on an error or when the file ends first.
bool readAt(int fd, char* buffer, std::size_t count, std::int64_t offset);

// Reads up to `count` bytes from the current position; the number read, 0 at the end, -1 on
// an error.
long long readSome(int fd, char* buffer, std::size_t count);

bool writeAll(int fd, const char* bytes, std::size_t count);

// Gives the file `fd`, just created in `folder`, the folder's owner and group, so a run as the
// superuser in the player's folder leaves the player's files the player's. A process that may
// not give files away keeps them as they come.
void takeFolderOwner(int fd, const std::string& folder);
// The same for the file or folder at `path`, just created in its parent folder.
void takeFolderOwner(const std::string& path);

// The advisory lock on `lockFile` (created when absent, with its folder's owner): waits while
// another holder has it, for at most `patienceMs` milliseconds. An invalid descriptor when it
// could not be had; the lock goes with the descriptor.
Descriptor lockExclusively(const std::string& lockFile, int patienceMs);

// Deletes what killed writes left in `folder`: files named `prefix` and six more characters
// (the names mkostemp makes), once they are `minimumAgeSeconds` old, so a write running in
// another copy of the program is left alone.
void removeStaleFiles(const std::string& folder, const std::string& prefix,
                      int minimumAgeSeconds = 60);

// Whether copyFrom may let the kernel copy (true by default); tests switch it off to run the
// copy through memory.
void allowKernelCopy(bool allowed);

// A new file that takes the place of `target` only when commit() succeeds. It is created as
// ".partial-XXXXXX" (PartialPrefix) beside the target with exclusive creation (so a planted
// link is never followed), and removed again when the object goes without a commit. It takes
// the owner and group of the file it replaces, or of the folder for a new file.

class ReplacementFile {
public:
    static constexpr const char* PartialPrefix = ".partial-";

    explicit ReplacementFile(std::string target);
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    bool valid() const { return fd_.valid(); }
    bool write(const char* bytes, std::size_t count);
    // Appends exactly `count` bytes of `fd` from `offset`. The kernel copies them when it can,
    // with no trip through our memory, so no chunking is needed; otherwise they pass through
    // `buffer` in chunks of `chunk` bytes. False on an error or when `fd` ends first.
    bool copyFrom(int fd, std::int64_t offset, std::int64_t count, char* buffer, std::size_t chunk);
    // Flushes the file to disk, closes it and renames it over the target (a link or file of
    // that name is replaced, never written through). False, and the target untouched, on any
    // failure.
    bool commit();

private:
    std::string target_;
    std::string temporary_;
    Descriptor fd_;
    bool ok_ = true;
    bool committed_ = false;
    bool kernelCopy_ = true;
};

} // namespace brisvane
