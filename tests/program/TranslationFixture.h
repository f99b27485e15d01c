#pragma once
// The program rig as a test fixture for the translation windows, on a fixed day and time.

#include <gtest/gtest.h>

#include "support/ProgramRig.h"

namespace brisvane::testing {

class TranslationFixture : public ::testing::Test, public ProgramRig {
protected:
    TranslationFixture() { clock.current = DateTime{2026, 3, 5, 14, 7, 9, 0}; }

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
};

} // namespace brisvane::testing
