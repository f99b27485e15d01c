#pragma once
// The program on a real program folder seeded from the shipped data, with fake platform
// services: what a player's first start looks like, file for file.

#include <gtest/gtest.h>

#include <filesystem>

#include "program/Program.h"
#include "settings/FileProfile.h"
#include "support/Fakes.h"
#include "support/TempFolder.h"

namespace brisvane::testing {

class ProgramFixture : public ::testing::Test {
protected:
    ProgramFixture() {
        for (const char* name : {"Vexa.ini", "English.lan"}) {
            std::filesystem::copy_file(std::filesystem::path(BRISVANE_SOURCE_DIR) / "data" / name,
                                       folder.path() / name);
        }
        random.fallback = 0.99; // sixes unless a test scripts otherwise
    }

    std::string ini(const std::string& section, const std::string& key) {
        return profile.GetINI(section, key, program.IniFile());
    }
    void setIni(const std::string& section, const std::string& key, const std::string& value) {
        profile.SetINI(section, key, value, program.IniFile());
    }
    // Installs `file` with `body` as language 2, named `name`, and makes it the one in use.
    void useLanguage(const std::string& name, const std::string& file, const std::string& body) {
        folder.write(file, body);
        setIni("Language", "antal", "2");
        setIni("Language", "l2n", name);
        setIni("Language", "l2p", file);
        setIni("Language", "selected", "2");
    }

    TempFolder folder;
    FileProfile profile;
    FakeClock clock;
    FakeRandom random;
    FakeSound sound;
    FakeShell shell;
    FakeDialogs dialogs;
    FakeScreen screen;
    FakeLocale locale;
    FakeWorker worker;
    Program program{ProgramFolder(folder.path()), profile,
                    Platform{clock, random, sound, shell, dialogs, screen, locale, nullptr, &worker}};
};

} // namespace brisvane::testing
