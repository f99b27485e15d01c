#pragma once
// Applying a language to the windows (the settings window's `LanUpdate`): every caption and
// help text of the game window, the settings window and the menus from the current language
// file, in one fixed order. Run once at start-up (the settings window's hidden load by the
// first new game) and again whenever the language, the help-text option or the chosen user
// may have changed. Qt-free.

#include <string>

#include "common/Profile.h"

namespace brisvane {

class GameModel;
class Language;
class MainShell;
class SettingsWindow;
class TopTen;

class LanguageTexts {
public:
    // `settingsPage` is the program's SettingsPage, read at every run.
    LanguageTexts(Profile& profile, std::string iniFile, Language& language, MainShell& shell,
                  GameModel& game, TopTen& topTen, SettingsWindow& settings,
                  const std::string& settingsPage);

    // Sets the language file from the settings, then the texts: help texts only while
    // Options/ShowHelpText is exactly "Yes" (else they are emptied), captions, the top ten's
    // help texts, the user's name, the settings window's page titles and lists. A missing
    // text leaves a caption empty; "No user" stands in for a missing s1 on the user label.
    void apply();

private:
    std::string T(const std::string& key) const;
    std::string tip(const std::string& key) const;
    std::string ini(const std::string& section, const std::string& key) const;

    Profile& profile_;
    std::string iniFile_;
    Language& language_;
    MainShell& shell_;
    GameModel& game_;
    TopTen& topTen_;
    SettingsWindow& settings_;
    const std::string& settingsPage_;
};

} // namespace brisvane
