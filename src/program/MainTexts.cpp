#include "program/MainTexts.h"

#include "common/Text.h"
#include "game/GameModel.h"
#include "language/Language.h"
#include "scores/TopTen.h"
#include "program/MainShell.h"

namespace brisvane {

MainTexts::MainTexts(Profile& profile, std::string iniFile, Language& language, MainShell& shell,
                     GameModel& game, TopTen& topTen)
    : profile_(profile), iniFile_(std::move(iniFile)), language_(language), shell_(shell),
      game_(game), topTen_(topTen) {}

std::string MainTexts::tip(const char* key) const {
    return " " + language_.T(key) + " ";
}

void MainTexts::apply() {
    language_.updateLanguageFile();
    const auto T = [this](const std::string& key) { return language_.T(key); };

    const bool help = profile_.GetINI("Options", "ShowHelpText", iniFile_) == "Yes";
    const auto helpText = [this, help](const char* key) { return help ? tip(key) : ""; };
    shell_.Minimera.toolTip = helpText("h8");
    shell_.Avsluta.toolTip = helpText("h9");
    shell_.Homepage.toolTip = helpText("s6");
    shell_.lb_User.toolTip = helpText("s2");
    shell_.SoundPic.toolTip = helpText("h2");
    shell_.Titellist.toolTip = helpText("h7");
    game_.Rolls.toolTip = helpText("h3");
    game_.Mrolls.toolTip = helpText("h4");
    shell_.lblHelp.toolTip = helpText("s26");

    shell_.lbl_Roll.caption = T("s24");
    shell_.lblExit.caption = T("s4");
    shell_.disp_Bonus.caption = "  BONUS";
    shell_.disp_Total.caption = "  " + text::toUpper(T("d2"));
    for (int k = 1; k <= CategoryCount; ++k) {
        game_.btn.at(static_cast<std::size_t>(k - 1)).caption = "  " + T("c" + std::to_string(k));
    }
    game_.NyttSpel.caption = T("s5");
    shell_.lblSett.caption = T("s19");

    // Read again, as the top-ten step always has.
    const bool topTenHelp = profile_.GetINI("Options", "ShowHelpText", iniFile_) == "Yes";
    for (int place = 1; place <= 10; ++place) {
        topTen_.Topp(place).toolTip =
            topTenHelp
                ? " " + T("h1") + "  (" +
                      profile_.GetINI("Highscore", "p" + std::to_string(place), iniFile_) + " p) "
                : "";
    }

    const std::string selected = profile_.GetINI("Users", "selected", iniFile_);
    const std::string name = profile_.GetINI("Users", "user" + selected, iniFile_);
    if (name.empty()) {
        shell_.lb_User.caption = T("s1");
        if (shell_.lb_User.caption.empty()) {
            shell_.lb_User.caption = "No user";
        }
    } else {
        shell_.lb_User.caption = name;
    }

    game_.languageChanged();
    game_.notifyChanged();
}

} // namespace brisvane
