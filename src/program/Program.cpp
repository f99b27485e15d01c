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
      clock_(AlarmClock::Wiring{profile_, iniFile_, language_, platform_.clock, platform_.locale,
                                platform_.dialogs, mainShell_.ShowTime,
                                [this](const std::string& line) { log_.WriteLog(line); }}),
      settings_(SettingsWindow::Wiring{profile_, iniFile_, language_, platform_.dialogs, log_,
                                       game_, topTen_, sounds_, mainShell_, clock_, display_,
                                       versionText(), [this] { LanUpdate(); }}),
      languageTexts_(profile_, iniFile_, language_, mainShell_, game_, topTen_, settings_,
                     SettingsPage),
      resources_(Resources::Wiring{
          profile_, iniFile_, folder_, platform_.dialogs, ProgramName, LogFileName,
          [this](const std::string& line) { log_.WriteLog(line); },
          [this](const std::string& where, const std::exception& error) {
              mainShell_.reportError(where, error);
          }}) {
    mainShell_.loadClock = [this] { clock_.load(); };
    mainShell_.openSettings = [this] { openSettingsWindow("all"); };
    mainShell_.openAlarm = [this] { openSettingsWindow("alarm"); };
    mainShell_.openUser = [this] { openSettingsWindow("user"); };
    mainShell_.closeSettings = [this] { closeSettingsWindow(); };
    clock_.fired = [this] { settings_.alarmFired(); };
}

std::string Program::versionText() {
    return std::string(ProgramVersion) + std::to_string(ProgramRevision);
}

void Program::LanUpdate() { languageTexts_.apply(); }

void Program::openSettingsWindow(const std::string& page) {
    if (settings_.loaded) {
        if (settings_.shown) {
            settings_.closeForReopening();
        } else {
            settings_.unload();
        }
    }
    SettingsPage = page;
    settings_.Load(SettingsPage, true);
}

void Program::closeSettingsWindow() {
    if (settings_.shown) {
        settings_.clickCommand4();
    } else {
        settings_.unload();
    }
}

void Program::Say(const std::string& sayText) { display_.Say(sayText); }

void Program::sndA(int soundNo) { sounds_.sndA(soundNo); }

void Program::playRefusedSound() { sounds_.playRefused(); }

void Program::resetForNewGame() {
    sounds_.Restart();
    display_.Restart();
}

void Program::touchSettingsWindow() {
    // A new game finds the settings window loaded, or loads it hidden: its load step applies
    // the language, so the first game after start-up already has every text.
    if (!settings_.loaded) {
        settings_.Load(SettingsPage, false);
    }
}

void Program::clearCandidateEntry() { recorder_.clearCandidateEntry(); }

void Program::UpdatTopp() { topTen_.UpdatTopp(); }

void Program::endOfGame(GameModel& game) { recordFinishedGame(recorder_, game); }

}  // namespace brisvane
