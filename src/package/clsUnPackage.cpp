#include "package/clsUnPackage.h"

#include <unistd.h>

#include <array>
#include <cerrno>
#include <vector>

#include "common/Text.h"
#include "common/FileIo.h"
#include "package/PackageFormat.h"

namespace brisvane {
namespace {

std::int32_t littleEndian32(const unsigned char* bytes) {
    const std::uint32_t value =
        static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
        static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
    return static_cast<std::int32_t>(value);
}

bool endsWith(const std::string& s, char c) {
    return !s.empty() && s.back() == c;
}

} // namespace

bool clsUnPackage::ExtractFile(const std::string& sFilename) {
    if (entries_.empty() && !Initialise()) {
        return false;
    }
    const Entry* entry = find(sFilename);
    if (entry == nullptr || destination_.empty() || !package::isSafeEntryName(sFilename) ||
        !package::isSafeEntryName(entry->name)) {
        return false;
    }
    std::int64_t packageSize = 0;
    const Descriptor in = openRegularForReading(package_, packageSize);
    if (!in.valid() || entry->position + entry->size > packageSize) {
        return false; // the package changed since it was read
    }
    ReplacementFile out(destination_ + sFilename);
    if (!out.valid()) {
        return false;
    }
    // The chunk bounds the memory a copy through our buffer takes, whatever the file's size.
    const auto chunk = static_cast<std::size_t>(
        entry->size < chunkSize() ? entry->size : static_cast<std::int64_t>(chunkSize()));
    std::vector<char> buffer(chunk);
    if (entry->size > 0 &&
        !out.copyFrom(in.get(), entry->position, entry->size, buffer.data(), chunk)) {
        return false;
    }
    return out.commit();
}

bool clsUnPackage::Initialise() {
    entries_.clear();
    std::int64_t size = 0;
    const Descriptor in = openRegularForReading(package_, size);
    if (!in.valid()) {
        return false;
    }
    std::array<unsigned char, package::HeaderSize> header{};
    if (size < static_cast<std::int64_t>(header.size()) ||
        !readAt(in.get(), reinterpret_cast<char*>(header.data()), header.size(), 0) ||
        std::string_view(reinterpret_cast<const char*>(header.data()), 4) != package::Signature) {
        return false;
    }
    const std::size_t count = header[7];
    if (count == 0) {
        return false;
    }

    std::vector<unsigned char> records(count * package::RecordSize);
    std::int64_t position = static_cast<std::int64_t>(package::HeaderSize + records.size());
    if (position > size || !readAt(in.get(), reinterpret_cast<char*>(records.data()),
                                            records.size(), package::HeaderSize)) {
        return false;
    }
    std::vector<Entry> entries(count);
    std::size_t nameBytes = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const unsigned char* record = records.data() + i * package::RecordSize;
        entries[i].name.resize(record[0]);
        entries[i].size = littleEndian32(record + 1);
        if (entries[i].size < 0) {
            return false;
        }
        nameBytes += record[0];
    }

    // All names at once: at most 255 x 255 bytes.
    std::string names(nameBytes, '\0');
    if (position + static_cast<std::int64_t>(nameBytes) > size ||
        !readAt(in.get(), names.data(), names.size(), position)) {
        return false;
    }
    position += static_cast<std::int64_t>(nameBytes);
    std::size_t at = 0;
    for (Entry& entry : entries) {
        const std::string_view raw = std::string_view(names).substr(at, entry.name.size());
        at += raw.size();
        entry.name = text::isValidUtf8(raw) ? std::string(raw) : text::fromWindows1252(raw);
        entry.position = position;
        position += entry.size; // at most 255 x (2^31 - 1): no overflow in 64 bits
        if (position > size) {
            return false;
        }
    }
    entries_ = std::move(entries);
    return true;
}

void clsUnPackage::Package(const std::string& path) {
    package_ = path;
    entries_.clear();
}

void clsUnPackage::Destination(const std::string& folder) {
    std::string trimmed = folder;
    while (endsWith(trimmed, ' ')) {
        trimmed.pop_back();
    }
    if (!trimmed.empty() && !endsWith(trimmed, '/')) {
        trimmed += '/';
    }
    destination_ = std::move(trimmed);
}

void clsUnPackage::Buffer(const std::string& size) {
    const std::string digits = text::trim(size);
    int value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9' || value > 3276) {
            value = 0;
            break;
        }
        value = value * 10 + (c - '0');
    }
    buffer_ = value <= 32767 ? value : 0;
}

bool clsUnPackage::Remove(const std::string& sFilename) {
    if (destination_.empty() || !package::isSafeEntryName(sFilename)) {
        return false;
    }
    return ::unlink((destination_ + sFilename).c_str()) == 0;
}

std::string clsUnPackage::GetFilename(int bFileNumber) const {
    if (bFileNumber < 0 || bFileNumber >= NumberOfFiles()) {
        return {};
    }
    return entries_[static_cast<std::size_t>(bFileNumber)].name;
}

std::int64_t clsUnPackage::GetFileSize(int bFileNumber) const {
    if (bFileNumber < 0 || bFileNumber >= NumberOfFiles()) {
        return -1;
    }
    return entries_[static_cast<std::size_t>(bFileNumber)].size;
}

std::int64_t clsUnPackage::GetFilePosition(int bFileNumber) const {
    if (bFileNumber < 0 || bFileNumber >= NumberOfFiles()) {
        return -1;
    }
    return entries_[static_cast<std::size_t>(bFileNumber)].position;
}

const clsUnPackage::Entry* clsUnPackage::find(const std::string& name) const {
    const Entry* found = nullptr;
    for (const Entry& entry : entries_) {
        if (text::equalsIgnoreCase(entry.name, name)) {
            found = &entry;
        }
    }
    return found;
}

} // namespace brisvane
