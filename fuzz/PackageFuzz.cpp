// The package reader against any file: it must never crash, read past the end, accept a
// directory that does not fit the file, write a name that is not a plain file name, or give
// back bytes other than the entry's own.

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <string_view>

#include "FuzzTarget.h"
#include "Scratch.h"
#include "common/Text.h"
#include "package/PackageFormat.h"
#include "package/clsUnPackage.h"

namespace brisvane::fuzz {
namespace {

std::string readAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

int packageReader(const std::uint8_t* data, std::size_t size) {
    namespace fs = std::filesystem;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const fs::path pac = Scratch::folder() / "Res.pac";
    const fs::path dest = Scratch::folder() / "dest";
    {
        std::ofstream out(pac, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    fs::remove_all(dest);
    fs::create_directory(dest);

    clsUnPackage reader;
    reader.Package(pac.string());
    reader.Destination(dest.string());
    reader.Buffer(std::to_string(1 + size % 300));
    if (!reader.Initialise()) {
        FUZZ_CHECK(reader.NumberOfFiles() == 0);
        FUZZ_CHECK(!reader.ExtractFile("a"));
        FUZZ_CHECK(fs::is_empty(dest));
        return 0;
    }
    const int count = reader.NumberOfFiles();
    FUZZ_CHECK(count >= 1 && count <= 255);
    FUZZ_CHECK(bytes.substr(0, 4) == "LBFP");
    for (int i = 0; i < count; ++i) {
        FUZZ_CHECK(reader.GetFileSize(i) >= 0);
        FUZZ_CHECK(reader.GetFilePosition(i) + reader.GetFileSize(i) <=
                   static_cast<std::int64_t>(size));
        FUZZ_CHECK(text::isValidUtf8(reader.GetFilename(i)));
    }
    std::set<std::string> extracted;
    for (int i = 0; i < count; ++i) {
        const std::string name = reader.GetFilename(i);
        const bool written = reader.ExtractFile(name);
        FUZZ_CHECK(written == package::isSafeEntryName(name));
        if (!written) {
            continue;
        }
        extracted.insert(name);
        int last = i;
        for (int j = 0; j < count; ++j) {
            if (text::equalsIgnoreCase(reader.GetFilename(j), name)) {
                last = j;
            }
        }
        const auto at = static_cast<std::size_t>(reader.GetFilePosition(last));
        const auto length = static_cast<std::size_t>(reader.GetFileSize(last));
        FUZZ_CHECK(readAll(dest / name) == bytes.substr(at, length));
    }
    // Exactly the extracted files: nothing elsewhere, no temporary left behind.
    std::set<std::string> present;
    for (const auto& entry : fs::directory_iterator(dest)) {
        FUZZ_CHECK(entry.is_regular_file());
        present.insert(entry.path().filename().string());
    }
    FUZZ_CHECK(present == extracted);
    return 0;
}

BRISVANE_FUZZ_ENTRY(packageReader)

} // namespace brisvane::fuzz
