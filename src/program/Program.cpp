#include "program/Program.h"

#include "scores/GameEnd.h"

namespace brisvane {

Program::Program(ProgramFolder folder, Profile& profile, Platform platform)
    : folder_(std::move(folder)),
      profile_(profile),
      platform_(platform),
      iniFile_(folder_.resolve(SettingsFileName)),
      language_(profile_, folder_, iniFile_),
      log_(profile_, platform_.clock, iniFile_, folder_.resolve(LogFileName)),
      sounds_(profile_, iniFile_, platform_.sound,
              [this](const std::string& name) { return folder_.resolve(name); }),
      display_(language_, [this] { return game_.state().TotalScore; }),
      topTen_(profile_, iniFile_, language_),
      recorder_(RecorderWiring{profile_, iniFile_, language_, platform_.dialogs,
                               platform_.clock, platform_.random, topTen_,
                               [this](int n) { sounds_.sndA(n); },
                               [this](const std::string& line) { log_.WriteLog(line); },
                               ProgramVersion, ProgramName}),
      game_(GameWiring{profile_, iniFile_, language_, platform_.clock, platform_.random,
                       platform_.locale, platform_.dialogs, *this}),
      mainShell_(MainShell::Wiring{profile_, iniFile_, language_, platform_.dialogs,
                                   platform_.shell, platform_.screen, log_, game_, topTen_,
                                   sounds_, ProgramVersion, ProgramRevision,
                                   [this](const std::string& name) {
                                       return folder_.resolve(name);
                                   }}),
      mainTexts_(profile_, iniFile_, language_, mainShell_, game_, topTen_),
      resources_(Resources::Wiring{
          profile_, iniFile_, folder_, platform_.dialogs, ProgramName, LogFileName,
          [this](const std::string& line) { log_.WriteLog(line); },
          [this](const std::string& where, const std::exception& error) {
              mainShell_.reportError(where, error);
          }}) {}

std::string Program::versionText() {
    return std::string(ProgramVersion) + std::to_string(ProgramRevision);
}

void Program::LanUpdate() { mainTexts_.apply(); }

void Program::Say(const std::string& sayText) { display_.Say(sayText); }

void Program::sndA(int soundNo) { sounds_.sndA(soundNo); }

void Program::playRefusedSound() { sounds_.playRefused(); }

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

void Program::clearCandidateEntry() { recorder_.clearCandidateEntry(); }

void Program::UpdatTopp() { topTen_.UpdatTopp(); }

void Program::endOfGame(GameModel& game) { recordFinishedGame(recorder_, game); }

}  // namespace brisvane
