// The accounts group of the settings window: adding, removing and choosing accounts, as the
// settings file, the log and the game window's user label show them.
#include <gtest/gtest.h>

#include "support/ProgramRig.h"

namespace brisvane::testing {
namespace {

class AccountPageTest : public ::testing::Test {
protected:
    AccountPageTest() {
        page.LanUpdate = [this] { ++languageApplied; };
        page.Load();
    }
    void add(const std::string& user, const std::string& pass) {
        page.Command1_Click();
        page.txtUser.caption = user;
        page.txtPass.caption = pass;
        page.butOK_Click();
    }
    std::vector<std::string> users() {
        std::vector<std::string> all;
        for (int i = 1; i <= 4; ++i) {
            all.push_back(rig.ini("Users", "user" + std::to_string(i)) + ":" +
                          rig.ini("Users", "pass" + std::to_string(i)));
        }
        return all;
    }
    std::vector<std::string> shown() {
        std::vector<std::string> names;
        for (Control* c : page.controls()) {
            if (c->visible) {
                names.push_back(c->objectName);
            }
        }
        return names;
    }
    const std::string& lbUser() { return rig.program.mainShell().lb_User.caption; }

    ProgramRig rig;
    AccountPage& page = rig.program.accountPage();
    int languageApplied = 0;
};

TEST_F(AccountPageTest, ANewAccountNeedsBothFieldsAndBecomesTheChosenOne) {
    EXPECT_EQ(shown(), (std::vector<std::string>{"List3", "Command1", "Command2", "Label1"}));
    EXPECT_FALSE(page.Command2.enabled) << "nothing to remove";
    page.Command1_Click();
    EXPECT_EQ(shown(), (std::vector<std::string>{"lblEnter", "txtUser", "txtPass", "butOK"}));

    // Without a password only the controls change.
    const std::string before = rig.folder.read("Vexa.ini");
    page.txtUser.caption = "Anna";
    page.butOK_Click();
    EXPECT_EQ(rig.folder.read("Vexa.ini"), before);
    EXPECT_TRUE(rig.logLines().empty());
    EXPECT_EQ(shown(), (std::vector<std::string>{"List3", "Command1", "Command2", "Label1"}));
    EXPECT_EQ(lbUser(), "No user");

    page.Command1_Click();
    EXPECT_EQ(page.txtUser.caption, "") << "the fields start empty";
    add("Anna", "s3cret");
    add("Bo", "pw");
    EXPECT_EQ(rig.ini("Users", "antal"), "2");
    EXPECT_EQ(rig.ini("Users", "selected"), "2");
    EXPECT_EQ(users(), (std::vector<std::string>{"Anna:s3cret", "Bo:pw", ":", ":"}));
    EXPECT_EQ(page.List3.items, (std::vector<std::string>{"Anna", "Bo"}));
    EXPECT_EQ(page.List3Index, 1);
    EXPECT_EQ(page.List3.toolTip, " Scores are sent as:  Bo "); // the user label: the view test
    EXPECT_TRUE(page.Command2.enabled);
    EXPECT_EQ(page.txtPass.caption, "") << "a stored password does not stay in the box";
    EXPECT_EQ(rig.logLines(), (std::vector<std::string>{"Add user: Anna.", "Add user: Bo."}));
    EXPECT_EQ(languageApplied, 3);
}

// A service address without TLS is allowed, but the page says so beside the password.
TEST_F(AccountPageTest, APasswordThatWouldTravelUnencryptedIsMarkedSo) {
    rig.setIni("Internet", "send", "http://plain.example/send");
    page.Command1_Click();
    EXPECT_EQ(shown(), (std::vector<std::string>{"lblEnter", "txtUser", "txtPass", "lblPlain",
                                                 "butOK"}));
    EXPECT_NE(page.lblPlain.caption, "");
    page.butOK_Click();
    rig.setIni("Internet", "send", "https://brisvane.example.org/highscore/send");
    page.Command1_Click();
    EXPECT_FALSE(page.lblPlain.visible);
}

TEST_F(AccountPageTest, RemovingMovesTheOthersUpAndTheLastOneSwitchesRemoveOff) {
    add("Anna", "a");
    add("Bo", "b");
    add("Cia", "c");
    page.List3Index = 1;
    page.List3_Click();
    page.Command2_Click();
    EXPECT_EQ(users(), (std::vector<std::string>{"Anna:a", "Cia:c", ":", ":"}));
    EXPECT_EQ(rig.ini("Users", "antal"), "2");
    EXPECT_EQ(rig.ini("Users", "selected"), "1");
    EXPECT_EQ(page.List3.items, (std::vector<std::string>{"Anna", "Cia"}));
    EXPECT_EQ(page.List3Index, 0);
    EXPECT_EQ(lbUser(), "Anna");
    EXPECT_EQ(rig.logLines().back(), "Remove user: Bo.");

    // After loading, the chosen account is marked in the list, so Remove takes that one.
    page.List3Index = 1;
    page.List3_Click();
    page.Load();
    rig.program.LanUpdate();
    EXPECT_EQ(page.List3Index, 1);
    page.Command2_Click();
    EXPECT_EQ(rig.logLines().back(), "Remove user: Cia.");

    page.List3Index = -1;
    page.Command2_Click(); // nothing chosen: nothing removed
    EXPECT_EQ(rig.ini("Users", "antal"), "1");
    page.List3Index = 0;
    page.Command2_Click();
    EXPECT_EQ(users(), (std::vector<std::string>{":", ":", ":", ":"}));
    EXPECT_FALSE(page.Command2.enabled);
    EXPECT_TRUE(page.List3.items.empty());
    EXPECT_EQ(page.List3.toolTip, "No user");
    EXPECT_EQ(lbUser(), "No user");
    page.Command2_Click();
    EXPECT_EQ(rig.logLines().size(), 8u) << "three added, two chosen, three removed";
    add("Bo", "b");
    EXPECT_TRUE(page.Command2.enabled);
    EXPECT_EQ(rig.ini("Users", "selected"), "1");
}

TEST_F(AccountPageTest, ChoosingAnAccountSelectsItForSendingAndLogsIt) {
    add("Anna", "a");
    add("", "x"); // refused
    add("Bo", "b");
    page.List3Index = 0;
    page.List3_Click();
    EXPECT_EQ(rig.ini("Users", "selected"), "1");
    EXPECT_EQ(page.List3.toolTip, " Scores are sent as:  Anna ");
    EXPECT_EQ(lbUser(), "Anna");
    EXPECT_EQ(rig.logLines().back(), "Change user: Anna.");

    // A hand-edited file with an unnamed account: chosen, shown as no user, not logged.
    rig.setIni("Users", "user2", "");
    page.Load();
    page.List3Index = 1;
    page.List3_Click();
    EXPECT_EQ(rig.ini("Users", "selected"), "2");
    EXPECT_EQ(lbUser(), "No user");
    EXPECT_EQ(rig.logLines().back(), "Change user: Anna.");
}

TEST_F(AccountPageTest, ASettingsFileThatTakesNoChangeIsSaidAndNothingIsLoggedAsDone) {
    add("Anna", "a");
    add("Bo", "b");
    std::filesystem::permissions(rig.program.IniFile(), std::filesystem::perms::owner_read);
    add("Cia", "c");
    page.List3Index = 0;
    page.List3_Click();
    page.Command2_Click();
    ASSERT_EQ(rig.dialogs.messages.size(), 3u);
    EXPECT_EQ(rig.dialogs.messages[0].title, "Brisvane");
    EXPECT_EQ(rig.dialogs.messages[0].text.rfind("The new account could not be saved in the "
                                                 "settings file (",
                                                 0),
              0u)
        << rig.dialogs.messages[0].text;
    EXPECT_EQ(rig.ini("Users", "antal"), "2");
    EXPECT_EQ(rig.ini("Users", "selected"), "2");
    EXPECT_EQ(page.List3.items, (std::vector<std::string>{"Anna", "Bo"}));
    EXPECT_EQ(page.List3Index, 1) << "the list shows the account still chosen";
    EXPECT_EQ(lbUser(), "Bo");
    EXPECT_EQ(rig.logLines(), (std::vector<std::string>{"Add user: Anna.", "Add user: Bo."}));
}

} // namespace
} // namespace brisvane::testing
