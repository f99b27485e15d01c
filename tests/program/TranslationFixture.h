#pragma once
// The program on a copy of the shipped program folder (settings and the reference language)
// with fake platform services, for the translation windows.

#include <gtest/gtest.h>

#include <filesystem>

#include "program/Program.h"
#include "settings/FileProfile.h"
#include "support/Fakes.h"
#include "support/TempFolder.h"

namespace brisvane::testing {

// Month names and a long time as an English desktop shows them.
class EnglishLocale : public FakeLocale {
public:
    std::string longTime(const DateTime& when) const override {
        char text[16];
        std::snprintf(text, sizeof text, "%02d:%02d:%02d", when.hour, when.minute, when.second);
        return text;
    }
    std::string monthName(int month) const override {
        static const char* const names[] = {"January",   "February", "March",    "April",
                                            "May",       "June",     "July",     "August",
                                            "September", "October",  "November", "December"};
        return month >= 1 && month <= 12 ? names[month - 1] : "";
    }
};

class TranslationFixture : public ::testing::Test {
protected:
    TranslationFixture() {
        for (const char* name : {"Vexa.ini", "English.lan"}) {
            std::filesystem::copy_file(std::filesystem::path(BRISVANE_SOURCE_DIR) / "data" / name,
                                       folder.path() / name);
        }
        clock.current = DateTime{2026, 3, 5, 14, 7, 9, 0};
    }

    std::string ini(const std::string& section, const std::string& key) {
        return profile.GetINI(section, key, program.IniFile());
    }
    void setIni(const std::string& section, const std::string& key, const std::string& value) {
        profile.SetINI(section, key, value, program.IniFile());
    }
    std::string log() const { return folder.read("Vexa.log"); }

    // Starts a new language on the creation window's name page, into the translator.
    void createLanguage(const std::string& author, const std::string& national,
                        const std::string& international) {
        program.openLanguageCreation();
        LanguageCreationWindow& creation = program.languageCreation();
        creation.selectOption(1);
        creation.clickCommand2();
        creation.setText(1, author);
        creation.setText(2, national);
        creation.setText(3, international);
        creation.clickCommand2();
    }

    TempFolder folder;
    FileProfile profile;
    FakeClock clock;
    FakeRandom random;
    FakeSound sound;
    FakeShell shell;
    FakeDialogs dialogs;
    FakeScreen screen;
    EnglishLocale locale;
    FakeMail mail;
    Program program{ProgramFolder(folder.path()), profile,
                    Platform{clock, random, sound, shell, dialogs, screen, locale, &mail}};
};

} // namespace brisvane::testing
