#include "package/PackageWriter.h"

#include <cerrno>
#include <cstring>
#include <vector>

#include "common/Text.h"
#include "common/FileIo.h"
#include "package/PackageFormat.h"

namespace brisvane::package {
namespace {

constexpr std::size_t CopyChunk = 64 * 1024;

void checkNames(const std::vector<SourceFile>& files) {
    if (files.empty()) {
        throw PackageError("a package needs at least one file");
    }
    if (files.size() > MaxEntries) {
        throw PackageError("a package holds at most " + std::to_string(MaxEntries) +
                           " files, not " + std::to_string(files.size()));
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::string& name = files[i].name;
        if (!isSafeEntryName(name) || !text::isValidUtf8(name)) {
            throw PackageError("'" + name + "' is not a plain file name");
        }
        if (name.size() > MaxNameBytes) {
            throw PackageError("'" + name + "' is longer than " + std::to_string(MaxNameBytes) +
                               " bytes");
        }
        for (std::size_t j = 0; j < i; ++j) {
            if (text::equalsIgnoreCase(files[j].name, name)) {
                throw PackageError("'" + files[j].name + "' and '" + name +
                                   "' differ only in letter case");
            }
        }
    }
}

} // namespace

std::string entryNameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

void writePackage(const std::string& output, const std::vector<SourceFile>& files) {
    checkNames(files);

    std::vector<Descriptor> sources;
    std::vector<RawEntry> directory;
    std::int64_t total = 0;
    for (const SourceFile& file : files) {
        std::int64_t size = 0;
        Descriptor fd = openRegularForReading(file.path, size);
        if (!fd.valid()) {
            throw PackageError("cannot read " + file.path + ": " + std::strerror(errno));
        }
        if (size > MaxEntrySize) {
            throw PackageError(file.path + " is larger than 2 GiB - 1 byte");
        }
        total += size;
        directory.push_back({file.name, static_cast<std::int32_t>(size)});
        sources.push_back(std::move(fd));
    }
    const std::string head = encodeDirectory(directory);
    if (total + static_cast<std::int64_t>(head.size()) > MaxEntrySize) {
        throw PackageError("the package would be larger than 2 GiB - 1 byte");
    }

    ReplacementFile out(output);
    if (!out.valid()) {
        throw PackageError("cannot create " + output + ": " + std::strerror(errno));
    }
    const auto writeFailed = [&] {
        return PackageError("cannot write " + output + ": " + std::strerror(errno));
    };
    if (!out.write(head.data(), head.size())) {
        throw writeFailed();
    }
    std::vector<char> buffer(CopyChunk);
    for (std::size_t i = 0; i < files.size(); ++i) {
        std::int64_t copied = 0;
        for (;;) {
            const long long n = readSome(sources[i].get(), buffer.data(), buffer.size());
            if (n < 0) {
                throw PackageError("cannot read " + files[i].path + ": " + std::strerror(errno));
            }
            if (n == 0) {
                break;
            }
            copied += n;
            if (copied > directory[i].size) {
                break;
            }
            if (!out.write(buffer.data(), static_cast<std::size_t>(n))) {
                throw writeFailed();
            }
        }
        if (copied != directory[i].size) {
            throw PackageError(files[i].path + " changed while it was being packed");
        }
    }
    if (!out.commit()) {
        throw writeFailed();
    }
}

} // namespace brisvane::package
