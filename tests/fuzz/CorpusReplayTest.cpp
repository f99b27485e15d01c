// Every file of the seed corpus, and every input that once made a reader fail, runs once
// through its fuzz target: a fixed crash stays fixed without a fuzzing run.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "FuzzTarget.h"

namespace brisvane {
namespace {

namespace fs = std::filesystem;

using Target = int (*)(const std::uint8_t*, std::size_t);

// Runs every file of fuzz/corpus/<name>; the number of files run.
std::size_t replay(const std::string& name, Target target) {
    const fs::path folder = fs::path(BRISVANE_SOURCE_DIR) / "fuzz" / "corpus" / name;
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
        SCOPED_TRACE(name + "/" + file.filename().string());
        std::ifstream in(file, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
        EXPECT_EQ(target(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), 0);
    }
    return files.size();
}

TEST(FuzzCorpus, ThePackageReaderTheSettingsFileAndTheLanguageLookupTakeEverySavedInput) {
    EXPECT_GE(replay("package", fuzz::packageReader), 5u);
    EXPECT_GE(replay("ini", fuzz::iniRoundTrip), 3u);
    EXPECT_GE(replay("language", fuzz::languageLookup), 2u);
}

} // namespace
} // namespace brisvane
