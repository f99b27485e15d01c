#pragma once
// The language files the game ships, English first, for the tests that go through them all.

#include <filesystem>
#include <string>
#include <vector>

namespace brisvane::testing {

inline std::vector<std::string> shippedLanguages() {
    std::vector<std::string> files{"English.lan"};
    for (const auto& entry : std::filesystem::directory_iterator(BRISVANE_SOURCE_DIR "/data")) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() == ".lan" && name != files.front()) {
            files.push_back(name);
        }
    }
    return files;
}

} // namespace brisvane::testing
