#pragma once
// The resource package format, shared by the reader (clsUnPackage) and the writer.
//
//   offset 0       "LBFP"
//   offset 4       three reserved bytes (our writer stores the format version, 1, and two zeros;
//                  readers ignore them)
//   offset 7       N, the number of entries, 1..255
//   offset 8       N records of 5 bytes: name length (1 byte), content size (signed 32-bit,
//                  little-endian)
//   then           the N names end to end, without terminators
//   then           the N contents end to end, in the same order, without padding
//
// No entry carries its own offset: each content starts where the previous one ended.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brisvane::package {

inline constexpr std::string_view Signature = "LBFP";
inline constexpr std::size_t HeaderSize = 8; // signature, reserved bytes, count
inline constexpr std::size_t RecordSize = 5;
inline constexpr std::size_t MaxEntries = 255;
inline constexpr std::size_t MaxNameBytes = 255;
inline constexpr std::int64_t MaxEntrySize = INT32_MAX;

// A name that extraction may write: one plain file name inside the destination folder.
// Refused: an empty name, "." and "..", a name with "/" or "\", a name with a control
// character (NUL, C0, DEL, and C1 after decoding), and a name longer than 255 bytes. Such an entry
// would land outside the destination or in a place no player can see or remove.
bool isSafeEntryName(std::string_view name);

// A directory record as it is stored: the name's bytes and the declared size.
struct RawEntry {
    std::string name;
    std::int32_t size = 0;
};

// The header, the records and the names of a package, exactly as given: nothing is checked
// (the count byte is the number of entries modulo 256, a name longer than 255 bytes has its
// length byte wrapped), so tests can build damaged packages with the same code that builds
// good ones. The contents follow this directory in the file.
std::string encodeDirectory(const std::vector<RawEntry>& entries,
                            std::string_view reserved = std::string_view("\x01\x00\x00", 3));

} // namespace brisvane::package
