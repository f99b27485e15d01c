#include "program/Program.h"

#include "scores/GameEnd.h"

namespace brisvane {

Program::Program(ProgramFolder folder, Profile& profile, Platform platform)
    : folder_(std::move(folder)), profile_(profile), platform_(platform),
      iniFile_(folder_.resolve(SettingsFileName)), language_(profile_, folder_, iniFile_),
      log_(profile_, platform_.clock, iniFile_, folder_.resolve(LogFileName)),
      sounds_(profile_, iniFile_, platform_.sound,
              [this](const std::string& name) { return folder_.resolve(name); }),
      display_(language_, [this] { return game_.state().TotalScore; }),
      topTen_(profile_, iniFile_, language_),
      recorder_(RecorderWiring{profile_, iniFile_, language_, platform_.dialogs, platform_.clock,
                               platform_.random, topTen_, [this](int n) { sounds_.sndA(n); },
                               [this](const std::string& line) { log_.WriteLog(line); },
                               ProgramVersion, ProgramName}),
      game_(GameWiring{profile_, iniFile_, language_, platform_.clock, platform_.random,
                       platform_.locale, platform_.dialogs, *this}),
      mainShell_(MainShell::Wiring{
          profile_, iniFile_, language_, platform_.dialogs, platform_.shell, platform_.screen, log_,
          game_, topTen_, sounds_, ProgramVersion, ProgramRevision,
          [this](const std::string& name) { return folder_.resolve(name); }}),
      mainTexts_(profile_, iniFile_, language_, mainShell_, game_, topTen_),
      resources_(Resources::Wiring{profile_, iniFile_, folder_, platform_.dialogs, ProgramName,
                                   LogFileName,
                                   [this](const std::string& line) { log_.WriteLog(line); },
                                   [this](const std::string& where, const std::exception& error) {
                                       mainShell_.reportError(where, error);
                                   }}),
      links_(Links::Wiring{profile_, iniFile_, language_, platform_.dialogs, platform_.shell,
                           sounds_, log_,
                           [this](const std::string& name) { return folder_.resolve(name); }}),
      menuWindow_(links_), accounts_(profile_, iniFile_, language_),
      accountPage_(AccountPage::Wiring{accounts_, language_, platform_.dialogs, log_, links_}),
      submission_(Submission::Wiring{
          profile_, iniFile_, language_, platform_.dialogs, platform_.clock, platform_.screen, log_,
          topTen_, links_, accounts_, [this](const std::string& text) { display_.Say(text); },
          [this] { return game_.state().TotalScore; }, ProgramVersion, ProgramRevision}),
      languageWork_(LanguageWork::Wiring{profile_, folder_, iniFile_, platform_.clock,
                                         [this](const std::string& line) {
                                             log_.WriteLog(line);
                                         }}),
      translator_(profile_, folder_, languageWork_) {
    wireLinks();
}

void Program::wireLinks() {
    mainShell_.openHomepage = [this] { menuWindow_.showWebMenu(); };
    mainShell_.openToolsMenu = [this](int x, int y) { menuWindow_.showToolsMenu(x, y); };
    mainShell_.openHelp = [this] { links_.openWebPage(WebPage::Help); };
    mainShell_.openLog = [this] { links_.openProgramFile(LogFileName, LinkWindow::Main); };
    Menu& tools = menuWindow_.xx_meny;
    tools.addSeparator("xx_empty3");
    tools.add("xx_unpack", "Unpack resources", [this] { Unpack(); });
    tools.add("xx_delres", "Remove unpacked resources", [this] { DelRes(); });
    topTen_.SendX = [this] { submission_.SendX(); };
    // Asking for an account is what the game window's user label does.
    submission_.openUserPage = [this] {
        if (mainShell_.openUser) {
            mainShell_.openUser();
        }
    };
    accountPage_.showUser = [this](const std::string& caption) {
        mainShell_.lb_User.caption = caption;
        game_.notifyChanged();
    };
}

std::string Program::versionText() {
    return std::string(ProgramVersion) + std::to_string(ProgramRevision);
}

void Program::LanUpdate() {
    mainTexts_.apply();
}

LanguageCreationWindow& Program::languageCreation() {
    if (!creationWindow_) {
        creationWindow_ = std::make_unique<LanguageCreationWindow>(LanguageCreationWindow::Wiring{
            profile_, iniFile_, folder_, language_, languageWork_, platform_.dialogs,
            platform_.clock, platform_.locale, platform_.mail,
            [this](const std::string& line) { log_.WriteLog(line); }, translationJob_,
            [this] { openTranslator(); }, [this] { returnToSettings(); }});
    }
    return *creationWindow_;
}

TranslatorWindow& Program::translatorWindow() {
    if (!translatorWindow_) {
        translatorWindow_ = std::make_unique<TranslatorWindow>(TranslatorWindow::Wiring{
            translator_, platform_.dialogs, [this] { openLanguageCreation(); },
            [this] { returnToSettings(); }});
    }
    return *translatorWindow_;
}

void Program::openLanguageCreation() {
    languageCreation().Load();
    if (showLanguageCreationView) {
        showLanguageCreationView();
    }
}

void Program::openTranslator() {
    translatorWindow().Load(translationJob_);
    if (showTranslatorView) {
        showTranslatorView();
    }
}

void Program::returnToSettings() {
    LanUpdate();
    if (showSettingsWindow) {
        showSettingsWindow();
    }
}


void Program::Say(const std::string& sayText) {
    display_.Say(sayText);
}

void Program::sndA(int soundNo) {
    sounds_.sndA(soundNo);
}

void Program::playRefusedSound() {
    sounds_.playRefused();
}

void Program::resetForNewGame() {
    sounds_.Restart();
    display_.Restart();
}

void Program::touchSettingsWindow() {
    // The settings window is loaded hidden by the first new game after start-up; loading it
    // applies the language once. Later new games find it loaded.
    if (!settingsLoaded_) {
        settingsLoaded_ = true;
        LanUpdate();
    }
}

void Program::clearCandidateEntry() {
    recorder_.clearCandidateEntry();
}

void Program::UpdatTopp() {
    topTen_.UpdatTopp();
}

void Program::endOfGame(GameModel& game) {
    recordFinishedGame(recorder_, game);
}

} // namespace brisvane
