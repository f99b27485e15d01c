// Sending a place of the top ten: the question, the account page when an account is needed,
// the address the browser is given, the counter and the log.
#include <gtest/gtest.h>

#include "scores/Submission.h"
#include "support/ProgramRig.h"

namespace brisvane::testing {
namespace {

const std::string Send = "https://brisvane.example.org/highscore/send";

class SubmissionTest : public ::testing::Test {
protected:
    SubmissionTest() {
        rig.setIni("Highscore", "p1", "287");
        rig.setIni("Highscore", "n1", "Anna");
        rig.setIni("Highscore", "k1", "56589792707");
        rig.setIni("Highscore", "d1", "202");
        rig.program.mainShell().openUser = [this] { ++userPageOpened; };
    }
    // Clicks place `place` and answers the question with `yes`.
    void click(int place, bool yes = true) {
        rig.dialogs.yesNoAnswers.push_back(yes);
        rig.program.topTen().ToppClick(place);
    }
    // Runs the two timers as the window would while they are on.
    void runTimers() {
        for (int i = 0; i < 3 && send.TimerUser.enabled; ++i) {
            send.TimerUser_Timer();
        }
        if (send.TimerSending.enabled) {
            send.TimerSending_Timer();
        }
    }

    ProgramRig rig;
    Submission& send = rig.program.submission();
    int userPageOpened = 0;
};

TEST_F(SubmissionTest, APlainAccountSendsTheExactAddressCountsItAndLogsIt) {
    rig.program.accounts().add("Anna", "pw");
    click(1);
    ASSERT_EQ(rig.dialogs.questions.size(), 1u);
    EXPECT_EQ(rig.dialogs.questions[0].title, "Brisvane");
    EXPECT_EQ(rig.dialogs.questions[0].question, "Send this score to the online highscore list?");
    EXPECT_EQ(send.state(), SubmissionState::Confirmed);
    EXPECT_TRUE(send.TimerUser.enabled);
    EXPECT_EQ(userPageOpened, 0);

    send.TimerUser_Timer();
    const std::string address = Send + "?user=Anna&pass=pw&ver=700&rev=3&date=202&points=287"
                                       "&key=56589792707&lan=English&screen=1920x1080&os=WinNT";
    EXPECT_EQ(rig.program.links().MainLink, address);
    EXPECT_EQ(send.state(), SubmissionState::Built); // the timers: the window's test
    EXPECT_EQ(rig.program.display().SayText(), "Sending...");
    EXPECT_TRUE(rig.shell.opened.empty()) << "the browser gets it a second later";

    send.TimerSending_Timer();
    EXPECT_EQ(rig.shell.opened, std::vector<std::string>{address});
    EXPECT_EQ(rig.ini("Internet", "entries"), "1");
    EXPECT_EQ(rig.logLines(), std::vector<std::string>{
                                  "Send highscore. User: Anna, points: 287, key: 56589792707."});
    EXPECT_EQ(rig.program.display().SayText(), "Total: 0");
    EXPECT_EQ(send.state(), SubmissionState::Opened); // sent again: the rounds of ShowUser
}

// A place without a date goes with the current month.
TEST_F(SubmissionTest, EveryValueReachesTheServiceAsTyped) {
    rig.program.accounts().add("Tom & Jerry", "a=b?c#d+e%f");
    rig.setIni("Highscore", "k1", "5-2559792707");
    rig.setIni("Highscore", "d1", "");
    rig.clock.current = DateTime{2026, 12, 7, 1, 0, 0, 0};
    click(1);
    runTimers();
    ASSERT_EQ(rig.shell.opened.size(), 1u);
    EXPECT_EQ(rig.shell.opened[0],
              Send + "?user=Tom%20%26%20Jerry&pass=a%3Db%3Fc%23d%2Be%25f&ver=700&rev=3&date=2612"
                     "&points=287&key=5-2559792707&lan=English&screen=1920x1080&os=WinNT");
    EXPECT_EQ(rig.logLines().back(),
              "Send highscore. User: Tom & Jerry, points: 287, key: 5-2559792707.");
}

// The password goes only to a web page, and only a submission the desktop took counts as sent.
TEST_F(SubmissionTest, AnAddressOfAnotherSchemeIsRefusedAndOneTheDesktopCannotOpenIsNotSent) {
    rig.program.accounts().add("Anna", "pw");
    rig.setIni("Internet", "send", ""); // none set: the address is built, but not opened
    click(1);
    runTimers();
    EXPECT_EQ(rig.program.links().MainLink.rfind("?user=Anna&pass=pw&", 0), 0u);
    EXPECT_TRUE(rig.shell.opened.empty());
    rig.setIni("Internet", "send", "file:///etc/passwd"); // which schemes are web: the links'
    rig.dialogs.messages.clear();
    click(1);
    runTimers();
    EXPECT_TRUE(rig.shell.opened.empty());
    EXPECT_EQ(send.state(), SubmissionState::Idle);
    ASSERT_EQ(rig.dialogs.messages.size(), 1u);
    EXPECT_EQ(rig.dialogs.messages[0].text,
              "The address under send in section Internet of the settings file is not a web "
              "address (http: or https:), so it was not opened.");
    EXPECT_EQ(rig.logLines().back().rfind("The address under send", 0), 0u);
    rig.setIni("Internet", "send", "HTTP://plain.example/send"); // allowed, without TLS
    rig.shell.answer = false;
    rig.dialogs.messages.clear();
    click(1);
    runTimers();
    EXPECT_EQ(rig.shell.opened.size(), 1u);
    EXPECT_EQ(rig.ini("Internet", "entries"), "0") << "not counted";
    EXPECT_EQ(rig.logLines().back(),
              "The highscore was not sent: the desktop could not open the submission address. "
              "User: Anna, points: 287, key: 56589792707.");
    ASSERT_EQ(rig.dialogs.messages.size(), 1u);
}

TEST_F(SubmissionTest, WithoutAnAccountItWaitsForOneAndGoesOutWhenTheSettingsClose) {
    click(1);
    EXPECT_EQ(send.state(), SubmissionState::Waiting);
    EXPECT_EQ(send.SendState, 1);
    EXPECT_EQ(userPageOpened, 1);
    EXPECT_TRUE(send.TimerUser.enabled);
    send.TimerUser_Timer(); // waiting: the ticks do nothing
    send.TimerUser_Timer();
    EXPECT_EQ(rig.program.links().MainLink, "");
    EXPECT_FALSE(send.TimerSending.enabled);

    rig.program.settingsClosed(); // closed without an account: still waiting
    EXPECT_EQ(send.state(), SubmissionState::Waiting);

    rig.program.accounts().add("Anna", "pw"); // as the account page adds it
    rig.program.openSettingsWindow("alarm"); // another opening replaces the window: not yet
    EXPECT_EQ(send.state(), SubmissionState::Waiting);
    rig.program.settings().clickCommand4();
    EXPECT_EQ(send.state(), SubmissionState::Released);
    EXPECT_EQ(send.SendState, 0);
    runTimers();
    EXPECT_EQ(rig.dialogs.questions.size(), 1u) << "no second question";
    ASSERT_EQ(rig.shell.opened.size(), 1u);
    EXPECT_NE(rig.shell.opened[0].find("?user=Anna&pass=pw&"), std::string::npos);
    rig.program.settingsClosed(); // nothing waits any more
    EXPECT_FALSE(send.TimerUser.enabled);
}

TEST_F(SubmissionTest, ShowUserAsksForTheAccountEveryTimeAndNoChangesNothing) {
    rig.program.accounts().add("Anna", "pw");
    rig.setIni("Options", "ShowUser", "Yes");
    for (int round = 1; round <= 2; ++round) {
        click(1);
        EXPECT_EQ(userPageOpened, round);
        EXPECT_EQ(send.state(), SubmissionState::Waiting);
        rig.program.settingsClosed();
        runTimers();
        EXPECT_EQ(rig.shell.opened.size(), static_cast<std::size_t>(round));
        EXPECT_EQ(rig.ini("Internet", "entries"), std::to_string(round));
    }

    // Only exactly "Yes" asks; No to the question, or an empty place, starts nothing.
    rig.setIni("Options", "ShowUser", "yes");
    click(1, false);
    click(2);
    rig.setIni("Highscore", "p3", "250"); // points without their key
    click(3);
    EXPECT_EQ(rig.dialogs.questions.size(), 3u) << "an empty place, or one without its key, "
                                                   "is not offered";
    EXPECT_EQ(send.state(), SubmissionState::Opened);
    EXPECT_FALSE(send.TimerUser.enabled);
    click(1);
    EXPECT_EQ(send.state(), SubmissionState::Confirmed);
    EXPECT_EQ(userPageOpened, 2);
}

TEST_F(SubmissionTest, ASecondClickWhileWaitingSendsThePlaceClickedLast) {
    rig.setIni("Highscore", "p2", "250");
    rig.setIni("Highscore", "k2", "11");
    click(1);
    EXPECT_EQ(send.state(), SubmissionState::Waiting);
    rig.program.accounts().add("Anna", "pw");
    click(2);
    EXPECT_EQ(send.state(), SubmissionState::Confirmed);
    runTimers();
    ASSERT_EQ(rig.shell.opened.size(), 1u);
    EXPECT_NE(rig.shell.opened[0].find("&points=250&key=11&"), std::string::npos);

    // A list cleared while the submission waits leaves nothing to send.
    rig.setIni("Options", "ShowUser", "Yes");
    click(2);
    rig.dialogs.yesNoAnswers = {true};
    ASSERT_TRUE(rig.program.topTen().ClearHighscore(rig.dialogs, [](const std::string&) {}));
    rig.program.settingsClosed();
    runTimers();
    EXPECT_EQ(send.state(), SubmissionState::Idle);
    EXPECT_FALSE(send.TimerUser.enabled);
    EXPECT_EQ(rig.shell.opened.size(), 1u);
    EXPECT_EQ(rig.ini("Internet", "entries"), "1");
}

TEST(SubmissionTextTest, TheScreenAndTheSystemAsTheServiceKnowsThem) {
    const struct {
        int width, height;
        const char* text;
    } screens[] = {{800, 480, "800x600"}, {1024, 768, "1024x768"}, {1024, 600, "1024x768"},
                   {1280, 1024, "1280x1024"}, {801, 600, "801x600"}};
    for (const auto& row : screens) {
        EXPECT_EQ(submission::screenText(row.width, row.height), row.text) << row.width;
    }
    EXPECT_EQ(submission::systemText(1), "Win95");

    // From the screen in twips, a fraction of a pixel dropped, and this system's number.
    ProgramRig rig;
    rig.program.accounts().add("Anna", "pw");
    rig.setIni("Highscore", "p1", "10");
    rig.setIni("Highscore", "k1", "1");
    rig.screen.width = 800 * 15 + 14;
    rig.screen.platform = 100;
    rig.dialogs.yesNoAnswers.push_back(true);
    rig.program.topTen().ToppClick(1);
    rig.program.submission().TimerUser_Timer();
    EXPECT_NE(rig.program.links().MainLink.find("&screen=800x600&os=N/A"), std::string::npos);
}

} // namespace
} // namespace brisvane::testing
