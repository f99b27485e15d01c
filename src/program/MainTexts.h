#pragma once
// The game window's half of applying a language: every caption and help text of the game
// window from the current language file. Run once at start-up (from the first new game) and
// again whenever the language, the help-text option or the chosen user may have changed.
// Qt-free.

#include <string>

#include "common/Profile.h"

namespace brisvane {

class GameModel;
class Language;
class MainShell;
class TopTen;

class MainTexts {
public:
    MainTexts(Profile& profile, std::string iniFile, Language& language, MainShell& shell,
              GameModel& game, TopTen& topTen);

    // Sets the language file from the settings, then the help texts (only while
    // Options/ShowHelpText is exactly "Yes", else they are emptied), the captions, the
    // top-ten help texts and the user's name. A missing text leaves a caption empty.
    void apply();

private:
    std::string tip(const char* key) const;

    Profile& profile_;
    std::string iniFile_;
    Language& language_;
    MainShell& shell_;
    GameModel& game_;
    TopTen& topTen_;
};

} // namespace brisvane
