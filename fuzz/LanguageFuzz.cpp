// The language lookup against any language file: every text the windows ask for is the file's
// value whole, valid UTF-8 and without a line feed, and the description and the
// web address parameter come from the same file.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "FuzzTarget.h"
#include "Scratch.h"
#include "common/Text.h"
#include "language/Language.h"
#include "settings/FileProfile.h"
#include "settings/IniDocument.h"

namespace brisvane::fuzz {
namespace {

std::string settingsFile() {
    static const std::string ini = [] {
        std::filesystem::create_directories(Scratch::folder() / "lan");
        const std::string path = (Scratch::folder() / "lan" / "Vexa.ini").string();
        std::ofstream(path) << "[Language]\nantal=1\nselected=1\nl1n=Fuzz\nl1p=Fuzz.lan\n";
        return path;
    }();
    return ini;
}

} // namespace

int languageLookup(const std::uint8_t* data, std::size_t size) {
    const std::string ini = settingsFile();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // A new file each time (written beside, renamed over), as a translator's save makes it.
    const auto folder = Scratch::folder() / "lan";
    {
        std::ofstream out(folder / "next.lan", std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    std::filesystem::rename(folder / "next.lan", folder / "Fuzz.lan");

    // A fresh profile each time: its cache knows a file by inode, size and times, and the
    // replaced file can get the old inode back within one tick of the file system's clock.
    FileProfile profile;
    Language language(profile, ProgramFolder(folder), ini);
    language.updateLanguageFile();
    FUZZ_CHECK(language.LanguageFile() == (folder / "Fuzz.lan").string());
    const IniDocument document = IniDocument::parse(bytes);
    const struct {
        char family;
        int last;
    } families[] = {{'b', 8}, {'c', 20}, {'d', 8}, {'h', 9}, {'s', 28}};
    for (const auto& family : families) {
        for (int k = 1; k <= family.last; ++k) {
            const std::string key = family.family + std::to_string(k);
            const std::string text = language.T(key);
            const std::string* value = document.find("Language", key);
            FUZZ_CHECK(text == (value == nullptr ? "" : *value));
            FUZZ_CHECK(text::isValidUtf8(text));
            FUZZ_CHECK(text.find('\n') == std::string::npos);
        }
    }
    const std::string international = language.info("international");
    FUZZ_CHECK(text::isValidUtf8(international));
    FUZZ_CHECK(international.find('\n') == std::string::npos);
    // The work copy of a language file is never the file itself (the path: what follows the
    // first NUL, if any).
    const std::size_t nul = bytes.find('\0');
    const std::string asPath(nul == std::string_view::npos ? std::string_view()
                                                           : bytes.substr(nul + 1));
    FUZZ_CHECK(asPath.empty() || Language::modificationCopy(asPath) != asPath);
    return 0;
}

BRISVANE_FUZZ_ENTRY(languageLookup)

} // namespace brisvane::fuzz
