#pragma once
// The program rig as a test fixture: what a player's first start looks like, file for file.

#include <gtest/gtest.h>

#include "support/ProgramRig.h"

namespace brisvane::testing {

class ProgramFixture : public ::testing::Test, public ProgramRig {
protected:
    ProgramFixture() { random.fallback = 0.99; } // sixes unless a test scripts otherwise

    // Installs `file` with `body` as language 2, named `name`, and makes it the one in use.
    void useLanguage(const std::string& name, const std::string& file, const std::string& body) {
        folder.write(file, body);
        setIni("Language", "antal", "2");
        setIni("Language", "l2n", name);
        setIni("Language", "l2p", file);
        setIni("Language", "selected", "2");
    }
};

} // namespace brisvane::testing
