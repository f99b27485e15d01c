#pragma once
// The program as one object: the program folder, the settings and language files, the event
// log, the sound board, the message display, the top ten, the recording of finished games and
// the game window's model, wired to each other. Cross-window steps are plain calls here; the
// Qt windows only render these models and forward clicks to them.

#include <functional>
#include <memory>
#include <string>

#include "common/Ports.h"
#include "common/Profile.h"
#include "common/ProgramFolder.h"
#include "display/AlarmClock.h"
#include "display/DotMatrix.h"
#include "display/SoundBoard.h"
#include "history/GameHistory.h"
#include "game/GameHooks.h"
#include "game/GameModel.h"
#include "language/Language.h"
#include "language/LanguageWork.h"
#include "language/Translator.h"
#include "package/Resources.h"
#include "links/Links.h"
#include "program/AccountPage.h"
#include "program/AdvicePanel.h"
#include "program/LanguageCreationWindow.h"
#include "program/MainShell.h"
#include "program/MenuWindow.h"
#include "program/TranslatorWindow.h"
#include "scores/Accounts.h"
#include "program/LanguageTexts.h"
#include "program/SettingsWindow.h"
#include "program/StatisticsWindow.h"
#include "scores/ResultRecorder.h"
#include "scores/Submission.h"
#include "scores/TopTen.h"
#include "settings/EventLog.h"

namespace brisvane {

// The platform services the program uses. The references must outlive the program.
struct Platform {
    const Clock& clock;
    Random& random;
    Sound& sound;
    Shell& shell;
    Dialogs& dialogs;
    const Screen& screen;
    const Locale& locale;
    // The user's mail program, for sending language files; none when null.
    Mail* mail = nullptr;
    // Runs the advisor's preparation; without one the game has no advice and no review.
    Worker* worker = nullptr;
};

class Program : private GameHooks {
public:
    static constexpr const char* ProgramName = "Brisvane";
    static constexpr const char* ProgramVersion = "7.0";
    static constexpr int ProgramRevision = 3;
    static constexpr const char* LanFormatVersion = "5.0";
    static constexpr const char* ForVersion = "6.003+";
    static constexpr const char* SettingsFileName = "Vexa.ini";
    static constexpr const char* LogFileName = "Vexa.log";

    // `profile` reads and writes the settings and language files of `folder`.
    Program(ProgramFolder folder, Profile& profile, Platform platform);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // "7.03": the version and the revision joined without a separator.
    static std::string versionText();

    // Applies the current language to the windows: sets the language file from the settings
    // and every caption and help text of every window from it.
    void LanUpdate();

    // Opens the settings window on `page` ("all", "user", "alarm"), made afresh: a window
    // already loaded is closed first.
    void openSettingsWindow(const std::string& page);
    // Closes the settings window if it is open (as its close button does).
    void closeSettingsWindow();

    const ProgramFolder& folder() const { return folder_; }
    const std::string& IniFile() const { return iniFile_; }
    Profile& profile() { return profile_; }
    const Platform& platform() const { return platform_; }
    Language& language() { return language_; }
    EventLog& log() { return log_; }
    SoundBoard& sounds() { return sounds_; }
    DotMatrix& display() { return display_; }
    TopTen& topTen() { return topTen_; }
    ResultRecorder& recorder() { return recorder_; }
    // Every finished game, in the program folder's History.db.
    GameHistory& history() { return history_; }
    // The statistics window (tools menu and key T); it reads the history when it opens.
    StatisticsWindow& statistics() { return statistics_; }
    GameModel& game() { return game_; }
    // The game window's frame, its own controls and its load step (which starts the first
    // game).
    MainShell& mainShell() { return mainShell_; }
    // Unpacking and removing the files of Res.pac; the view sets its busy pointer hook.
    Resources& resources() { return resources_; }

    // The tools menu's "Unpack resources" and "Remove unpacked resources".
    void Unpack() { resources_.Unpack(); }
    void DelRes() { resources_.DelRes(); }
    // The web pages and the program's own files, with the link texts MainLink and MenuLink.
    Links& links() { return links_; }
    // The menu window: the web menu and the tools menu.
    MenuWindow& menuWindow() { return menuWindow_; }
    Accounts& accounts() { return accounts_; }
    // The accounts group of the settings window.
    AccountPage& accountPage() { return accountPage_; }
    // Sending a place of the top ten; its two timers run in the game window.
    Submission& submission() { return submission_; }

    // The settings window was closed: releases a submission waiting for an account.
    void settingsClosed() { submission_.settingsClosed(); }
    // The advice of the game window and the review of each game; the program's start sets how
    // its advisor is made (AdvicePanel::prepare).
    AdvicePanel& advice() { return advice_; }

    // The clock and the alarm of the game window.
    AlarmClock& alarmClock() { return clock_; }
    SettingsWindow& settings() { return settings_; }

    // The page the settings window opens on: "all", "user" or "alarm"; empty until the first
    // opening, when the first new game loads the window hidden.
    std::string SettingsPage;

    // ---- Translation: the language creation window and the translator ----
    // The settings window's `setTranslate`: the creation window opens on its choice page.
    void openLanguageCreation();
    // The creation window's step into the translator, with translationJob() set.
    void openTranslator();
    // After the translation windows close towards the settings window: the language (maybe a
    // new one) is applied, then the settings window shows.
    void returnToSettings();
    // The window models, made when first used.
    LanguageCreationWindow& languageCreation();
    TranslatorWindow& translatorWindow();
    LanguageWork& languageWork() { return languageWork_; }
    Translator& translator() { return translator_; }
    const TranslationJob& translationJob() const { return translationJob_; }
    // Set by the Qt side: make (if needed) and show the view of a window whose model has just
    // opened.
    std::function<void()> showLanguageCreationView;
    std::function<void()> showTranslatorView;
    // Set by the settings window's owner: shows the settings window (whose load step also
    // applies the language).
    std::function<void()> showSettingsWindow;

private:
    // GameHooks: the game window's calls into the rest of the program.
    void Say(const std::string& sayText) override;
    void sndA(int soundNo) override;
    void playRefusedSound() override;
    void resetForNewGame() override;
    void touchSettingsWindow() override;
    void clearCandidateEntry() override;
    void UpdatTopp() override;
    void endOfGame(GameModel& game) override;

    void wireLinks();
    void wireAdvice();
    void wireStatistics();
    void wireSettings();

    ProgramFolder folder_;
    Profile& profile_;
    Platform platform_;
    std::string iniFile_;
    Language language_;
    EventLog log_;
    SoundBoard sounds_;
    DotMatrix display_;
    TopTen topTen_;
    GameHistory history_;
    StatisticsWindow statistics_;
    ResultRecorder recorder_;
    GameModel game_;
    AdvicePanel advice_;
    MainShell mainShell_;
    AlarmClock clock_;
    Links links_;
    MenuWindow menuWindow_;
    Accounts accounts_;
    AccountPage accountPage_;
    SettingsWindow settings_;
    LanguageTexts languageTexts_;
    Resources resources_;
    Submission submission_;
    LanguageWork languageWork_;
    Translator translator_;
    TranslationJob translationJob_;
    std::unique_ptr<LanguageCreationWindow> creationWindow_;
    std::unique_ptr<TranslatorWindow> translatorWindow_;
};

}  // namespace brisvane
