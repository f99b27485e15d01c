#pragma once
// The program without windows on a temporary copy of the shipped data, with fake platform
// services: the settings, the log and what the desktop was asked to open are all there to
// look at.

#include <filesystem>
#include <sstream>
#include <string>

#include "program/Program.h"
#include "settings/FileProfile.h"
#include "support/Fakes.h"
#include "support/TempFolder.h"

namespace brisvane::testing {

class ProgramRig {
public:
    // `options` go into Options of the copied Vexa.ini before anything loads.
    explicit ProgramRig(std::initializer_list<std::pair<std::string, std::string>> options = {})
        : program(seeded(options), profile,
                  Platform{clock, random, sound, shell, dialogs, screen, locale, &mail, &worker}) {
        program.language().updateLanguageFile();
    }

    std::string ini(const std::string& section, const std::string& key) {
        return profile.GetINI(section, key, program.IniFile());
    }
    void setIni(const std::string& section, const std::string& key, const std::string& value) {
        profile.SetINI(section, key, value, program.IniFile());
    }
    // The log's lines without their date and time, each with its final period.
    std::vector<std::string> logLines() const {
        std::vector<std::string> lines;
        std::istringstream log(folder.read("Vexa.log")); // "" while there is no log
        for (std::string line; std::getline(log, line);) {
            if (line.ends_with('\r')) {
                line.pop_back();
            }
            const std::size_t at = line.find("  ");
            lines.push_back(at == std::string::npos ? line : line.substr(at + 2));
        }
        return lines;
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
    FakeMail mail;
    FakeWorker worker;
    Program program;

private:
    ProgramFolder seeded(std::initializer_list<std::pair<std::string, std::string>> options) {
        for (const auto& entry : std::filesystem::directory_iterator(BRISVANE_SOURCE_DIR "/data")) {
            if (entry.is_regular_file()) {
                std::filesystem::copy_file(entry.path(), folder.path() / entry.path().filename());
            }
        }
        for (const auto& [key, value] : options) {
            profile.SetINI("Options", key, value, folder.file("Vexa.ini"));
        }
        return ProgramFolder(folder.path());
    }
};

} // namespace brisvane::testing
