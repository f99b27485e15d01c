// The settings-file reader and writer against any text and any write: parsing never crashes,
// a parsed text writes back to a text that parses the same, and a value that was written
// reads back the same after the file has been written and read again.
//
// Input: the file's bytes, then NUL, section, NUL, key, NUL, value (the missing parts empty).

#include <string>
#include <string_view>

#include "FuzzTarget.h"
#include "settings/IniDocument.h"

namespace brisvane::fuzz {
namespace {

// The next NUL-separated part of `rest`.
std::string_view take(std::string_view& rest) {
    const std::size_t nul = rest.find('\0');
    const std::string_view part = rest.substr(0, nul);
    rest = nul == std::string_view::npos ? std::string_view() : rest.substr(nul + 1);
    return part;
}

} // namespace

int iniRoundTrip(const std::uint8_t* data, std::size_t size) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    const std::string_view file = take(rest);
    const std::string_view section = take(rest);
    const std::string_view key = take(rest);
    const std::string_view value = rest;

    IniDocument document = IniDocument::parse(file);
    const std::string written = document.serialise();
    FUZZ_CHECK(IniDocument::parse(written).serialise() == written);

    if (!document.set(section, key, value)) {
        // A refused write changes nothing.
        FUZZ_CHECK(document.serialise() == written);
        return 0;
    }
    const std::string* now = document.find(section, key);
    FUZZ_CHECK(now != nullptr);
    const std::string rewritten = document.serialise();
    const IniDocument reread = IniDocument::parse(rewritten);
    const std::string* back = reread.find(section, key);
    FUZZ_CHECK(back != nullptr);
    FUZZ_CHECK(*back == *now);
    FUZZ_CHECK(reread.serialise() == rewritten);
    // Writing the same value again is no change at all.
    IniDocument again = reread;
    FUZZ_CHECK(again.set(section, key, value));
    FUZZ_CHECK(again.serialise() == rewritten);
    return 0;
}

BRISVANE_FUZZ_ENTRY(iniRoundTrip)

} // namespace brisvane::fuzz
