#include "program/LanguageTexts.h"

#include <string_view>

#include "common/Text.h"
#include "game/GameModel.h"
#include "language/Language.h"
#include "program/MainShell.h"
#include "program/SettingsWindow.h"
#include "scores/TopTen.h"

namespace brisvane {
namespace {

// A question as a button's caption: without its closing mark, the blank a French question
// puts before it, and the opening mark of a Spanish one.
std::string withoutQuestionMarks(const std::string& question) {
    std::string caption = text::dropLast(question);
    for (const std::string_view blank : {" ", "\u00a0", "\u202f"}) {
        if (caption.ends_with(blank)) {
            caption.erase(caption.size() - blank.size());
        }
    }
    if (question.ends_with("?") && caption.starts_with("\u00bf")) {
        caption.erase(0, std::string_view("\u00bf").size());
    }
    return caption;
}

} // namespace

LanguageTexts::LanguageTexts(Profile& profile, std::string iniFile, Language& language,
                             MainShell& shell, GameModel& game, TopTen& topTen,
                             SettingsWindow& settings, const std::string& settingsPage)
    : profile_(profile), iniFile_(std::move(iniFile)), language_(language), shell_(shell),
      game_(game), topTen_(topTen), settings_(settings), settingsPage_(settingsPage) {}

std::string LanguageTexts::T(const std::string& key) const {
    return language_.T(key);
}

std::string LanguageTexts::tip(const std::string& key) const {
    return " " + T(key) + " ";
}

std::string LanguageTexts::ini(const std::string& section, const std::string& key) const {
    return profile_.GetINI(section, key, iniFile_);
}

void LanguageTexts::apply() {
    SettingsWindow& s = settings_;
    const std::string& page = settingsPage_;

    // 1. The language file.
    language_.updateLanguageFile();

    // 2. The settings window's title names its page.
    s.Caption = page == "user" ? T("s2") : T("s19");
    if (page == "alarm") {
        s.Caption = T("s18");
    }

    // 3. Help texts.
    const bool help = ini("Options", "ShowHelpText") == "Yes";
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
    s.Command1.toolTip = helpText("h5");
    s.Command2.toolTip = helpText("h6");

    // 4. The game window's captions.
    shell_.lbl_Roll.caption = T("s24");
    shell_.lblExit.caption = T("s4");
    shell_.disp_Bonus.caption = "  BONUS";
    shell_.disp_Total.caption = "  " + text::toUpper(T("d2"));
    for (int k = 1; k <= CategoryCount; ++k) {
        game_.btn.at(static_cast<std::size_t>(k - 1)).caption = "  " + T("c" + std::to_string(k));
    }
    game_.NyttSpel.caption = T("s5");
    shell_.lblSett.caption = T("s19");

    // 5. The top ten's help texts (the option read again).
    const bool topTenHelp = ini("Options", "ShowHelpText") == "Yes";
    for (int place = 1; place <= 10; ++place) {
        topTen_.Topp(place).toolTip =
            topTenHelp ? TopTen::placeHelp(T("h1"), ini("Highscore", "p" + std::to_string(place)))
                       : "";
    }

    // 6. The user label.
    const std::string name = ini("Users", "user" + ini("Users", "selected"));
    if (name.empty()) {
        shell_.lb_User.caption = T("s1");
        if (shell_.lb_User.caption.empty()) {
            shell_.lb_User.caption = "No user";
        }
    } else {
        shell_.lb_User.caption = name;
    }

    // 7. The settings window's buttons; the clear button without the question's marks.
    s.setTranslate.caption = T("s28");
    s.Command3.caption = withoutQuestionMarks(T("b7"));

    // 8. On a page of its own the title names the group, which then shows no caption.
    if (page == "all") {
        s.Frame2.caption = T("s2");
        s.Frame7.caption = T("s18");
    } else if (page == "user") {
        s.Frame2.caption.clear();
    } else if (page == "alarm") {
        s.Frame7.caption.clear();
    }

    // 9. Warnings and sound.
    s.Frame4.caption = T("s3");
    s.Check2.caption = T("s4");
    s.Check4.caption = T("s5");
    s.Check3.caption = T("s6");
    s.Frame3.caption = T("s7");
    s.Check1.caption = T("s8");

    // 10. and 11. The counters.
    for (Control* info : {&s.Frame6, &s.lblInfo, &s.lblInfo2, &s.Label2}) {
        info->toolTip = tip("s9");
    }
    s.lblInfo.caption =
        T("s10") + " \n\n" + T("s11") + "\n" + T("s12") + "\n" + T("s13") + "\n";

    // 12. More captions.
    s.Frame1.caption = T("s14");
    s.Frame5.caption = T("s15");
    s.Check5.caption = T("s16");
    s.Check7.caption = T("s17");
    s.Check8.caption = T("s27");
    s.Command4.caption = T("s25");

    // 13. The language list names the language in use and its author.
    const std::string language = ini("Language", "selected");
    s.List1.toolTip = tip("s21") + ini("Language", "l" + language + "n") + "  (" +
                      language_.info("Author") + ") ";

    // 14. The account list.
    if (ini("Users", "antal") != "0") {
        const std::string user = ini("Users", "user" + ini("Users", "selected"));
        s.List3.toolTip = tip("s22") + user + " ";
        s.accounts.setList3Text(user);
    } else {
        s.List3.toolTip = tip("s1");
        s.accounts.setList3Text(T("s1"));
    }

    // 15. and 16.
    s.lblEnter.caption = T("s23");
    s.lblEnter.toolTip = s.lblEnter.caption;
    s.Check6.caption = T("s20");

    // The captions the program adds to the design, in the language too.
    game_.Roll.caption = T("s80");
    game_.Undo.caption = T("s81");
    game_.Roll.toolTip = tip("s84");
    shell_.Homepage.caption = T("s82");
    shell_.lblHelp.caption = T("s83");
    shell_.applyCredit();
    shell_.Logo.caption = T("s163"); // the logo's subtitle
    s.applyTexts();

    game_.languageChanged();
    game_.notifyChanged();
}

} // namespace brisvane
