#pragma once
// Writes resource packages: the build makes the distribution's Res.pac with it (through the
// brisvane-pack tool), and tests build packages with it.

#include <stdexcept>
#include <string>
#include <vector>

namespace brisvane::package {

// Why a package could not be written, in words for the person running the tool.
class PackageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct SourceFile {
    std::string name; // the entry's name in the package
    std::string path; // where its contents are read from
};

// Writes a package of `files`, in the given order, to `output`: beside it first, renamed over
// it when complete, so a failure leaves any earlier package as it was. Contents are streamed
// in fixed chunks, whatever their size. Throws PackageError, writing nothing, when there are
// no files or more than 255, a name is not a plain file name (isSafeEntryName) or longer than
// 255 bytes, two names differ only in letter case (the reader would find only the last), a
// source is not a readable regular file, a file or the whole package exceeds 2 GiB - 1 byte
// (the format's sizes and positions are 32-bit), a source changes size while it is read, or the
// output cannot be written.
void writePackage(const std::string& output, const std::vector<SourceFile>& files);

// The entry name for a source path: its last path component.
std::string entryNameOf(const std::string& path);

} // namespace brisvane::package
