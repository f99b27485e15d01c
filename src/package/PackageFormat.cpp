#include "package/PackageFormat.h"

#include "common/Text.h"

namespace brisvane::package {

bool isSafeEntryName(std::string_view name) {
    // Longer names cannot be file names here (a Windows-1252 name grows when decoded).
    if (name.empty() || name == "." || name == ".." || name.size() > MaxNameBytes) {
        return false;
    }
    if (name.find_first_of("/\\") != std::string_view::npos) {
        return false;
    }
    for (const char32_t c : text::toCodePoints(name)) {
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) {
            return false;
        }
    }
    return true;
}

std::string encodeDirectory(const std::vector<RawEntry>& entries, std::string_view reserved) {
    std::string out(Signature);
    out += reserved.substr(0, 3);
    out.resize(7, '\0');
    out += static_cast<char>(entries.size() & 0xFF);
    for (const RawEntry& entry : entries) {
        out += static_cast<char>(entry.name.size() & 0xFF);
        const auto size = static_cast<std::uint32_t>(entry.size);
        for (int shift = 0; shift < 32; shift += 8) {
            out += static_cast<char>((size >> shift) & 0xFF);
        }
    }
    for (const RawEntry& entry : entries) {
        out += entry.name;
    }
    return out;
}

} // namespace brisvane::package
