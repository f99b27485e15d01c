#pragma once
// Reads a resource package (format in PackageFormat.h) and copies single files out of it.
//
// A package is a file from outside, so nothing in it is trusted:
// - Initialise refuses a package whose header or directory is cut short, whose count is 0,
//   whose sizes are negative, or whose contents would run past the end of the file.
// - Only plain file names are ever written (package::isSafeEntryName); ExtractFile and Remove
//   refuse every other name, so nothing outside the destination folder is touched.
// - Each file is written to a temporary file beside its final name and renamed over it only
//   when complete and flushed: a failure leaves the old file, if any, as it was and no
//   half-written file behind.
// - Reads never go past the end of the package; a package that shrinks after Initialise makes
//   the extraction fail, not read garbage.
// A package of any size is extracted with a fixed amount of memory: the kernel copies the bytes
// from file to file where it can, and otherwise they pass through one buffer of the chunk size.
//
// Entry names are stored as single-byte text; names that are valid UTF-8 are taken as such,
// others as Windows-1252 (older packages). Lookup is without regard to letter case, and when
// several entries match, the last one wins.

#include <cstdint>
#include <string>
#include <vector>

namespace brisvane {

class clsUnPackage {
public:
    // Copies the entry named `sFilename` (matched without regard to case) to Destination +
    // `sFilename`. Runs Initialise first when the package has not been read yet. False, and
    // nothing written, when there is no such entry, the name is not a plain file name, no
    // destination is set, or reading or writing fails.
    bool ExtractFile(const std::string& sFilename);

    // Reads and checks the package's directory. True when the package is a readable regular
    // file with the signature, at least one entry, and a directory and contents that fit in
    // the file. On false the package counts as having no files.
    bool Initialise();

    // The package file's path.
    void Package(const std::string& path);

    // The folder to extract into: trailing blanks are removed and "/" is appended unless the
    // text already ends with one. An empty text leaves no destination (nothing is extracted
    // or removed), rather than the root folder.
    void Destination(const std::string& folder);

    // The copy chunk size from a decimal text, 1..32767; 0, or a text that is not such a
    // number, means the default of 2048.
    void Buffer(const std::string& size);

    // Deletes Destination + `sFilename`. False on any failure, and for a name that is not a
    // plain file name.
    bool Remove(const std::string& sFilename);

    // The number of entries after a successful Initialise; 0 before.
    int NumberOfFiles() const { return static_cast<int>(entries_.size()); }

    // The name of entry `bFileNumber` (0-based); "" when there is no such entry.
    std::string GetFilename(int bFileNumber) const;

    // The content size of entry `bFileNumber` and the offset of its first byte from the start
    // of the package (0-based); -1 when there is no such entry.
    std::int64_t GetFileSize(int bFileNumber) const;
    std::int64_t GetFilePosition(int bFileNumber) const;

    const std::string& destination() const { return destination_; }
    int chunkSize() const { return buffer_ == 0 ? DefaultBuffer : buffer_; }

    static constexpr int DefaultBuffer = 2048;

private:
    struct Entry {
        std::string name;
        std::int64_t size = 0;
        std::int64_t position = 0;
    };

    const Entry* find(const std::string& name) const;

    std::string package_;
    std::string destination_;
    int buffer_ = 0;
    std::vector<Entry> entries_;
};

} // namespace brisvane
