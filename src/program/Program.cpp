#include "program/Program.h"

#include <utility>

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
      history_(folder_.resolve(GameHistory::FileName), folder_.resolve(LogFileName)),
      statistics_(StatisticsWindow::Wiring{history_, language_, platform_.locale, platform_.clock,
                                           platform_.dialogs, ProgramName,
                                           [this](const std::string& record) {
                                               return advice_.replay(record);
                                           }}),
      recorder_(RecorderWiring{profile_, iniFile_, language_, platform_.dialogs, platform_.clock,
                               platform_.random, topTen_, [this](int n) { sounds_.sndA(n); },
                               [this](const std::string& line) { log_.WriteLog(line); },
                               ProgramVersion, ProgramName, &platform_.locale,
                               [this](const PlayedGame& g) {
                                   GameHistory::Outcome kept = history_.add(g);
                                   // A review not done yet follows into the game's row.
                                   if (kept.ok && !g.review && !g.record.empty()) {
                                       advice_.reviewLater(kept.id, g.record);
                                   }
                                   return kept;
                               }}),
      game_(GameWiring{profile_, iniFile_, language_, platform_.clock, platform_.random,
                       platform_.locale, platform_.dialogs, *this}),
      advice_(AdvicePanel::Wiring{profile_, iniFile_, language_, platform_.locale, game_,
                                  platform_.worker}),
      mainShell_(MainShell::Wiring{profile_, iniFile_, language_, platform_.dialogs,
                                   platform_.screen, log_, game_, topTen_,
                                   sounds_, ProgramVersion, ProgramRevision,
                                   [this](const std::string& name) {
                                       return folder_.resolve(name);
                                   }}),
      clock_(AlarmClock::Wiring{profile_, iniFile_, language_, platform_.clock, platform_.locale,
                                platform_.dialogs, mainShell_.ShowTime,
                                [this](const std::string& line) { log_.WriteLog(line); }}),
      links_(Links::Wiring{profile_, iniFile_, language_, platform_.dialogs, platform_.shell,
                           sounds_, log_,
                           [this](const std::string& name) { return folder_.resolve(name); }}),
      menuWindow_(links_), accounts_(profile_, iniFile_, language_),
      accountPage_(AccountPage::Wiring{accounts_, language_, platform_.dialogs, log_, links_}),
      settings_(SettingsWindow::Wiring{
          .profile = profile_,
          .iniFile = iniFile_,
          .language = language_,
          .dialogs = platform_.dialogs,
          .log = log_,
          .game = game_,
          .topTen = topTen_,
          .sound = sounds_,
          .mainShell = mainShell_,
          .clock = clock_,
          .display = display_,
          .now = platform_.clock,
          .accounts = accountPage_,
          .versionText = versionText(),
          .lanUpdate = [this] { LanUpdate(); },
          .hideLanguageCreation =
              [this] {
                  if (creationWindow_) {
                      creationWindow_->hide();
                  }
              },
          .releaseSubmission = [this] { submission_.settingsClosed(); },
          .openLanguageCreation =
              [this] {
                  closeSettingsWindow();
                  openLanguageCreation();
              }}),
      languageTexts_(profile_, iniFile_, language_, mainShell_, game_, topTen_, settings_,
                     SettingsPage),
      resources_(Resources::Wiring{
          profile_, iniFile_, folder_, platform_.dialogs, language_, ProgramName, LogFileName,
          [this](const std::string& line) { log_.WriteLog(line); },
          [this](const std::string& where, const std::exception& error) {
              mainShell_.reportError(where, error);
          }}),
      submission_(Submission::Wiring{
          profile_, iniFile_, language_, platform_.dialogs, platform_.clock, platform_.screen, log_,
          topTen_, links_, accounts_, [this](const std::string& text) { display_.Say(text); },
          [this] { return game_.state().TotalScore; }, ProgramVersion, ProgramRevision}),
      languageWork_(LanguageWork::Wiring{profile_, folder_, iniFile_, platform_.clock,
                                         [this](const std::string& line) {
                                             log_.WriteLog(line);
                                         }}),
      translator_(profile_, folder_, languageWork_) {
    mainShell_.loadClock = [this] { clock_.load(); };
    mainShell_.openSettings = [this] { openSettingsWindow("all"); };
    mainShell_.openAlarm = [this] { openSettingsWindow("alarm"); };
    mainShell_.openUser = [this] { openSettingsWindow("user"); };
    mainShell_.closeSettings = [this] { closeSettingsWindow(); };
    clock_.fired = [this] { settings_.alarmFired(); };
    wireLinks();
    wireSettings();
    wireAdvice();
    wireStatistics();
}

void Program::wireStatistics() {
    advice_.replayChanged = [this] { statistics_.replayChanged(); };
    MenuEntry& entry = menuWindow_.xx_meny.add("xx_statistics", statistics_.title(),
                                               [this] { statistics_.Load(); });
    entry.shortcut = "T";
}

void Program::wireAdvice() {
    // Before any window listens, so the advice is up to date when the window draws.
    game_.subscribe([this] { advice_.gameChanged(); });
    // Reviews done after their game was recorded go into its row, and show in the statistics.
    advice_.reviewed = [this](std::int64_t id, const advisor::Review& r) {
        if (history_.setReview(id, GameReview{r.expectedStart, r.cost, r.luck}).ok) {
            statistics_.historyChanged();
        }
    };
    advice_.advisorReady = [this] {
        std::vector<GameHistory::Unreviewed> games;
        const GameHistory::Outcome outcome = history_.unreviewed(games);
        if (!outcome.setAside.empty()) {
            platform_.dialogs.message(
                ProgramName, ResultRecorder::historySetAsideText(language_, outcome.setAside));
        }
        for (GameHistory::Unreviewed& game : games) {
            advice_.reviewLater(game.id, std::move(game.record));
        }
    };
    menuWindow_.xx_meny.addSeparator("xx_empty4");
    MenuEntry& entry = menuWindow_.xx_meny.add("xx_advice", advice_.switchCaption(),
                                               [this] { advice_.toggle(); });
    entry.checked = [this] { return advice_.on(); };
    entry.shortcut = "H";
}

// The settings window hosts the accounts group and leads to the translation windows.
void Program::wireSettings() {
    showSettingsWindow = [this] { openSettingsWindow("all"); };
    accountPage_.LanUpdate = [this] { LanUpdate(); };
}

void Program::wireLinks() {
    mainShell_.openHomepage = [this] { menuWindow_.showWebMenu(); };
    mainShell_.openToolsMenu = [this](int x, int y) { menuWindow_.showToolsMenu(x, y); };
    mainShell_.openHelp = [this] { links_.openWebPage(WebPage::Help); };
    mainShell_.openLog = [this] { links_.openProgramFile(LogFileName, LinkWindow::Main); };
    Menu& tools = menuWindow_.xx_meny;
    // A switch that shows what the settings file says each time the menu opens.
    MenuEntry& stopLog = tools.entry("xx_stoplog");
    stopLog.checked = [this] { return log_.stopped(); };
    stopLog.action = [this] { log_.stop(!log_.stopped()); };
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
    languageTexts_.apply();
    menuWindow_.applyTexts(language_);
    menuWindow_.xx_meny.entry("xx_unpack").caption = language_.T("s99");
    menuWindow_.xx_meny.entry("xx_delres").caption = language_.T("s100");
    menuWindow_.xx_meny.entry("xx_advice").caption = advice_.switchCaption();
    menuWindow_.xx_meny.entry("xx_statistics").caption = statistics_.title();
    statistics_.languageChanged();
    advice_.languageChanged();
}

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
            translator_, platform_.dialogs, language_, [this] { openLanguageCreation(); },
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
    advice_.newGame();
}

void Program::touchSettingsWindow() {
    // A new game finds the settings window loaded, or loads it hidden: its load step applies
    // the language, so the first game after start-up already has every text.
    if (!settings_.loaded) {
        settings_.Load(SettingsPage, false);
    }
}

void Program::clearCandidateEntry() {
    recorder_.clearCandidateEntry();
}

void Program::UpdatTopp() {
    topTen_.UpdatTopp();
}

void Program::endOfGame(GameModel& game) {
    FinishedGame finished = finishedGame(game);
    finished.advised = advice_.advised();
    finished.record = advice_.recordText();
    finished.language = language_.info("international");
    const Replay review = advice_.gameReview();
    if (review.state == Replay::State::Reviewed) {
        const advisor::Review& r = review.review;
        finished.review = GameReview{r.expectedStart, r.cost, r.luck};
    } else {
        // It follows into the history (and the statistics) when it is done.
        finished.reviewPending = review.state == Replay::State::Preparing ||
                                 review.state == Replay::State::Reviewing;
    }
    recordFinishedGame(recorder_, finished);
    statistics_.historyChanged();
}

} // namespace brisvane
