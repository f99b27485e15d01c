// Applying a language to every window: which text lands where, the help texts that follow
// their option, and the few fixed texts that stand in for missing ones.
#include <gtest/gtest.h>

#include <map>

#include "program/ProgramFixture.h"

namespace brisvane::testing {
namespace {

class LanguageTextsTest : public ProgramFixture {
protected:
    LanguageTextsTest() {
        useLanguage("Test", "Test.lan",
                    "[Language]\nb7=Wipe?\nc20=Yatzy\nd2=sum\nh1=Send\nh2=Speaker\nh5=Add\nh6=Drop\n"
                    "s1=Nobody\ns2=Player\ns9=Counts\ns10=V\ns11=G\ns12=S\ns13=B\ns18=Bell\n"
                    "s19=Setup\ns21=Speaks\ns22=As\ns23=Enter\n[Info]\nAuthor=Ann\n");
        program.mainShell().Load();
    }

    // The 21 help texts the option switches.
    std::vector<std::string> helpTexts() {
        MainShell& main = program.mainShell();
        SettingsWindow& s = program.settings();
        std::vector<std::string> tips = {
            main.Minimera.toolTip,     main.Avsluta.toolTip,      main.Homepage.toolTip,
            main.lb_User.toolTip,      main.SoundPic.toolTip,     main.Titellist.toolTip,
            program.game().Rolls.toolTip, program.game().Mrolls.toolTip, main.lblHelp.toolTip,
            s.Command1.toolTip,         s.Command2.toolTip};
        for (int place = 1; place <= 10; ++place) {
            tips.push_back(program.topTen().Topp(place).toolTip);
        }
        return tips;
    }
};

TEST_F(LanguageTextsTest, OnlyYesExactlyTurnsTheHelpTextsOn) {
    for (const char* value : {"yes", "YES", "", "No"}) {
        setIni("Options", "ShowHelpText", value);
        program.LanUpdate();
        for (const std::string& tip : helpTexts()) {
            EXPECT_EQ(tip, "") << value;
        }
    }
    setIni("Options", "ShowHelpText", "Yes");
    setIni("Highscore", "p3", "1200");
    program.LanUpdate();
    for (const std::string& tip : helpTexts()) {
        EXPECT_NE(tip, "");
    }
    EXPECT_EQ(program.mainShell().SoundPic.toolTip, " Speaker ");
    EXPECT_EQ(program.settings().Command2.toolTip, " Drop ");
    EXPECT_EQ(program.topTen().Topp(3).toolTip, " Send  (1200 p) ");
}

TEST_F(LanguageTextsTest, TheUserLabelAndListFallBackToTheNoUserTexts) {
    const struct {
        const char* antal;
        const char* selected;
        const char* user1;
        const char* s1;
        const char* label;
        const char* list;
        const char* listTip;
    } rows[] = {
        {"1", "1", "Åsa", "Nobody", "Åsa", "Åsa", " As Åsa "},
        {"0", "1", "Åsa", "Nobody", "Åsa", "Nobody", " Nobody "},
        {"0", "0", "", "Nobody", "Nobody", "Nobody", " Nobody "},
        {"0", "0", "", "", "No user", "", "  "},
        {"", "1", "Bo", "", "Bo", "Bo", " As Bo "},
    };
    for (const auto& row : rows) {
        setIni("Users", "antal", row.antal);
        setIni("Users", "selected", row.selected);
        setIni("Users", "user1", row.user1);
        profile.SetINI("Language", "s1", row.s1, folder.file("Test.lan"));
        program.LanUpdate();
        EXPECT_EQ(program.mainShell().lb_User.caption, row.label) << row.antal << row.user1;
        EXPECT_EQ(program.settings().List3.caption, row.list) << row.antal << row.user1;
        EXPECT_EQ(program.settings().List3.toolTip, row.listTip) << row.antal << row.user1;
    }
}

TEST_F(LanguageTextsTest, CaptionsTakeTheirTextsWithTheFixedBlanksAndCutsAndNoQuestionMarks) {
    program.LanUpdate();
    const MainShell& main = program.mainShell();
    const SettingsWindow& s = program.settings();
    EXPECT_EQ(program.game().btn[6].caption, "  ") << "two blanks before an empty c7";
    EXPECT_EQ(program.game().btn[19].caption, "  Yatzy");
    EXPECT_EQ(main.disp_Bonus.caption, "  BONUS");
    EXPECT_EQ(main.disp_Total.caption, "  SUM");
    EXPECT_EQ(main.lblSett.caption, "Setup");
    EXPECT_EQ(s.Command3.caption, "Wipe");
    EXPECT_EQ(s.lblInfo.caption, "V \n\nG\nS\nB\n");
    EXPECT_EQ(s.lblInfo2.toolTip, " Counts ");
    EXPECT_EQ(s.List1.toolTip, " Speaks Test  (Ann) ");
    EXPECT_EQ(s.lblEnter.caption, "Enter");
    EXPECT_EQ(s.lblEnter.toolTip, "Enter");
    EXPECT_EQ(s.Command4.caption, "") << "no s25 in this file";
    // Never set from the language: they keep what they were designed with.
    EXPECT_EQ(s.Frame6.caption, "Info");
    EXPECT_EQ(s.butOK.caption, "OK");
    EXPECT_EQ(s.Frame2.caption, "User") << "no page, no group caption";

    // The clear button shows its question without the question's marks, in every language.
    for (const auto& [question, caption] : std::map<std::string, std::string>{
             {"Effacer les scores\u00a0?", "Effacer les scores"},
             {"¿Borrar los récords?", "Borrar los récords"}}) {
        profile.SetINI("Language", "b7", question, folder.file("Test.lan"));
        program.LanUpdate();
        EXPECT_EQ(program.settings().Command3.caption, caption);
    }
}

} // namespace
} // namespace brisvane::testing
