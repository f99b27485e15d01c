// The web pages and the program's own files as a player reaches them: from the two menus, the
// help label and the sign-up link of the account page.
#include <gtest/gtest.h>

#include <functional>

#include "links/Links.h"
#include "support/ProgramRig.h"

namespace brisvane::testing {
namespace {

struct WebEntry {
    const char* name;
    std::function<void(Program&)> click;
    std::string link; // what the desktop is asked to open, with the shipped addresses
    LinkWindow holder;
    const char* logLine;
};

const std::vector<WebEntry>& webEntries() {
    static const std::vector<WebEntry> entries{
        {"www_homepage", [](Program& p) { p.menuWindow().choose("www_homepage"); },
         "https://brisvane.example.org/?lan=English", LinkWindow::Menu, "Visit homepage (Home)."},
        {"www_signup", [](Program& p) { p.menuWindow().choose("www_signup"); },
         "https://brisvane.example.org/signup?lan=English", LinkWindow::Menu,
         "Visit homepage (Signup)."},
        {"www_sms", [](Program& p) { p.menuWindow().choose("www_sms"); },
         "https://brisvane.example.org/sms", LinkWindow::Menu, "Visit homepage (SMS Service)."},
        {"lblHelp", [](Program& p) { p.mainShell().clickLblHelp(); },
         "https://brisvane.example.org/help?lan=English", LinkWindow::Main,
         "Visit homepage (Help)."},
        {"Label1", [](Program& p) { p.accountPage().Label1_Click(); },
         "https://brisvane.example.org/signup?lan=English", LinkWindow::Settings,
         "Visit homepage (Signup)."},
    };
    return entries;
}

const std::string& holderText(Program& program, LinkWindow window) {
    return window == LinkWindow::Menu ? program.links().MenuLink : program.links().MainLink;
}

// Every page opens at once and is logged unless the warning is exactly on; only a warning
// switched off with "No" beeps, where the sound allows (the text message page always).
TEST(LinksTest, WithoutTheWarningEveryPageOpensAtOnceAndOnlyNoBeeps) {
    for (const std::string warn : {"Maybe", "No"}) {
        for (const bool soundOn : {false, true}) {
            for (const WebEntry& entry : webEntries()) {
                ProgramRig rig({{"WarnHomepage", warn}, {"PlaySound", soundOn ? "Yes" : "No"}});
                rig.program.sounds().load();
                entry.click(rig.program);
                const std::string name = entry.name + (" " + warn) + (soundOn ? " sound" : "");
                const bool beeps = warn == "No" && (entry.name == std::string("www_sms") ||
                                                    (soundOn && entry.name != std::string("Label1")));
                const std::string beep = rig.folder.file("beep.wav"); // Beep.wav, any case
                const std::vector<PlayedSound> twice{{beep, true}, {beep, false}};
                EXPECT_EQ(rig.sound.played, beeps ? twice : std::vector<PlayedSound>()) << name;
                EXPECT_TRUE(rig.dialogs.questions.empty()) << name;
                EXPECT_EQ(rig.shell.opened, std::vector<std::string>{entry.link}) << name;
                EXPECT_EQ(holderText(rig.program, entry.holder), entry.link) << name;
                EXPECT_EQ(rig.logLines(), std::vector<std::string>{entry.logLine}) << name;
            }
        }
    }
    // Without the beep file the page opens in silence.
    ProgramRig rig({{"WarnHomepage", "No"}});
    std::filesystem::remove(rig.folder.file("beep.wav"));
    rig.program.menuWindow().choose("www_sms");
    EXPECT_TRUE(rig.sound.played.empty());
    EXPECT_EQ(rig.shell.opened.size(), 1u);
}

TEST(LinksTest, TheWarningAsksFirstAndNoOpensAndLogsNothing) {
    for (const WebEntry& entry : webEntries()) {
        ProgramRig rig; // the shipped settings warn
        rig.dialogs.yesNoAnswers = {false, true};
        entry.click(rig.program);
        ASSERT_EQ(rig.dialogs.questions.size(), 1u) << entry.name;
        EXPECT_EQ(rig.dialogs.questions[0].title, "Brisvane");
        EXPECT_EQ(rig.dialogs.questions[0].question, "Visit the homepage?");
        EXPECT_TRUE(rig.shell.opened.empty()) << entry.name;
        EXPECT_TRUE(rig.logLines().empty()) << entry.name;
        EXPECT_TRUE(rig.sound.played.empty()) << entry.name;

        entry.click(rig.program); // and Yes opens it
        EXPECT_EQ(rig.shell.opened, std::vector<std::string>{entry.link}) << entry.name;
        EXPECT_EQ(rig.logLines(), std::vector<std::string>{entry.logLine}) << entry.name;
    }
}

TEST(LinksTest, AnAddressIsJoinedAsStoredAndTheLanguageNameEncoded) {
    ProgramRig rig({{"WarnHomepage", "No"}});
    rig.setIni("Internet", "home", "http://a.example/x?y=1");
    rig.setIni("Internet", "sms", "http://a.example/sms?to=46&x=1");
    std::filesystem::path lan = rig.folder.file("English.lan");
    rig.profile.SetINI("Info", "international", "Brazilian Portuguese", lan.string());
    rig.program.menuWindow().choose("www_homepage");
    rig.program.menuWindow().choose("www_sms");
    EXPECT_EQ(rig.shell.opened,
              (std::vector<std::string>{"http://a.example/x?y=1?lan=Brazilian%20Portuguese",
                                        "http://a.example/sms?to=46&x=1"}));

    rig.program.links().MainLink = "http://a.example/help";
    rig.program.links().UplinkLan();
    EXPECT_EQ(rig.program.links().MainLink, "http://a.example/help?lan=Brazilian%20Portuguese");
    // Query values keep only the unreserved characters and the slash (the reserved ones are the
    // submission's test).
    EXPECT_EQ(queryValue("a-b.c_d~e/f") + " " + queryValue("Åsa"), "a-b.c_d~e/f %C3%85sa");

    // An unset address is logged as a visit but hands nothing to the desktop.
    rig.setIni("Internet", "help", "");
    rig.program.mainShell().clickLblHelp();
    EXPECT_EQ(rig.shell.opened.size(), 2u);
    EXPECT_EQ(rig.logLines().back(), "Visit homepage (Help).");
}

// (The error marker opening the log: the game window's test.)
TEST(LinksTest, TheToolsMenuOpensTheProgramsOwnFilesWithoutAsking) {
    ProgramRig rig;
    MenuWindow& menus = rig.program.menuWindow();
    EXPECT_TRUE(menus.choose("xx_newsversion"));
    EXPECT_TRUE(menus.choose("xx_viewini"));
    EXPECT_TRUE(menus.choose("xx_viewlog")); // no log yet: nothing to open
    const auto file = [&rig](const char* name) { return fileAddress(rig.folder.file(name)); };
    EXPECT_EQ(rig.shell.opened,
              (std::vector<std::string>{file("Version.txt"), file("Vexa.ini")}));
    EXPECT_EQ(rig.program.links().MenuLink, rig.folder.file("Vexa.log"));

    rig.program.log().WriteLog("Clear highscore");
    menus.choose("xx_viewlog");
    EXPECT_EQ(rig.shell.opened,
              (std::vector<std::string>{file("Version.txt"), file("Vexa.ini"), file("Vexa.log")}));
    EXPECT_TRUE(rig.dialogs.questions.empty());
    EXPECT_EQ(rig.logLines().size(), 1u) << "opening files logs nothing";
}

TEST(LinksTest, OnlyHttpAndHttpsAddressesAreWebAddresses) {
    EXPECT_TRUE(isWebAddress("https://example.org/") && isWebAddress("HTTP://example.org/"));
    for (const char* link : {"mailto:a@example.org", "httpx://example.org/", "C:\\Vexa.ini",
                             "?lan=English", "/no/such/file", "", "1a:b", ":x"}) {
        EXPECT_FALSE(isWebAddress(link)) << link;
    }
}

// A hand-edited page address of another kind never reaches the desktop.
TEST(LinksTest, AnAddressThatIsNotAWebPageIsRefusedNamingItsKey) {
    ProgramRig rig({{"WarnHomepage", "No"}});
    rig.setIni("Internet", "home", "file:///etc/passwd");
    rig.setIni("Internet", "help", "javascript:alert(1)");
    EXPECT_FALSE(rig.program.links().openWebPage(WebPage::Home));
    EXPECT_FALSE(rig.program.links().openWebPage(WebPage::Help));
    EXPECT_TRUE(rig.shell.opened.empty());
    ASSERT_EQ(rig.dialogs.messages.size(), 2u);
    EXPECT_EQ(rig.dialogs.messages[1].text,
              "The address under help in section Internet of the settings file is not a web "
              "address (http: or https:), so it was not opened.");
    EXPECT_EQ(rig.logLines()[0],
              "The address under home in section Internet of the settings file is not a web "
              "address (http: or https:), so it was not opened. (file:///etc/passwd).");
    EXPECT_EQ(fileAddress("/data/caf\xE9 #1/Vexa.log"), "file:///data/caf%E9%20%231/Vexa.log");
}

} // namespace
} // namespace brisvane::testing
