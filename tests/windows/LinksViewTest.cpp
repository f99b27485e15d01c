// The web and tools menus popped up from the game window, and a place of the top ten sent to
// the highscore service through the window, the desktop faked.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>

#include "MainRig.h"
#include "windows/MenuView.h"

namespace brisvane::testing {
namespace {

std::vector<std::string> entries(const QMenu& menu) {
    std::vector<std::string> rows;
    for (const QAction* action : menu.actions()) {
        const QString row =
            action->objectName() + (action->isSeparator() ? QString() : " " + action->text());
        rows.push_back(row.toStdString());
    }
    return rows;
}

TEST(LinksViewTest, TheMenusPopUpFromTheirLabelsAndWorkByKeyboard) {
    MainRig rig({{"WarnHomepage", "No"}});
    rig.view->loadAndShow();
    // A caption changed by a language shows the next time the menu pops up.
    rig.program.menuWindow().www_homepage().caption = "Visit the homepage";
    rig.click("Homepage");
    QMenu* web = rig.view->menus()->menu(QStringLiteral("xx_webmenu"));
    ASSERT_NE(web, nullptr);
    EXPECT_TRUE(web->isVisible());
    EXPECT_EQ(entries(*web),
              (std::vector<std::string>{"www_homepage &Visit the homepage", "www_tom1",
                                        "www_sms &SMS Service", "www_signup S&ignup new member"}));
    QTest::keyClick(web, Qt::Key_Down);
    QTest::keyClick(web, Qt::Key_Return);
    EXPECT_FALSE(web->isVisible());
    EXPECT_EQ(rig.shell.opened,
              std::vector<std::string>{"https://brisvane.example.org/?lan=English"});

    rig.click("Logo");
    QMenu* tools = rig.view->menus()->menu(QStringLiteral("xx_meny"));
    ASSERT_NE(tools, nullptr);
    EXPECT_TRUE(tools->isVisible());
    EXPECT_EQ(entries(*tools),
              (std::vector<std::string>{
                  "xx_newsversion &News in this version", "xx_empty2", "xx_viewlog &View logfile",
                  "xx_stoplog &Stop logging", "xx_viewini V&iew ini-file", "xx_empty3",
                  "xx_unpack &Unpack resources", "xx_delres &Remove unpacked resources",
                  "xx_empty4", "xx_advice &Advice\tH", "xx_statistics S&tatistics\tT"}));
    QAction* advice = tools->findChild<QAction*>(QStringLiteral("xx_advice"));
    ASSERT_NE(advice, nullptr);
    EXPECT_TRUE(advice->isCheckable());
    EXPECT_FALSE(advice->isChecked()) << "advice is off until switched on";
    QTest::keyClick(tools, Qt::Key_I); // the underlined letter
    EXPECT_EQ(rig.shell.opened.back(), fileAddress(rig.folder.file("Vexa.ini")));
}

// The window's two timers carry the sending to the desktop; what is sent is the model's.
TEST(LinksViewTest, APlaceOfTheTopTenIsSentByItsTimers) {
    MainRig rig;
    rig.program.accounts().add("Åsa", "pw");
    rig.profile.SetINIs(rig.program.IniFile(), {{"Highscore", "p1", "287"},
                                                {"Highscore", "n1", "Åsa"},
                                                {"Highscore", "k1", "56589792707"}});
    rig.view->loadAndShow();
    rig.dialogs.yesNoAnswers = {true};
    rig.click("Topp01");
    ASSERT_EQ(rig.dialogs.questions.size(), 1u);
    ASSERT_TRUE(rig.view->timer("TimerUser")->isActive());
    EXPECT_EQ(rig.view->timer("TimerUser")->interval(), 1500);
    rig.view->timer("TimerUser")->fire();
    EXPECT_FALSE(rig.view->timer("TimerUser")->isActive());
    ASSERT_TRUE(rig.view->timer("TimerSending")->isActive());
    EXPECT_TRUE(rig.shell.opened.empty());
    rig.view->timer("TimerSending")->fire();
    EXPECT_FALSE(rig.view->timer("TimerSending")->isActive());
    ASSERT_EQ(rig.shell.opened.size(), 1u);
    EXPECT_NE(rig.shell.opened[0].find("&points=287&key=56589792707&"), std::string::npos)
        << rig.shell.opened[0];
}

} // namespace
} // namespace brisvane::testing
