// The start-up window: two seconds of version, or straight to the game.
#include <gtest/gtest.h>

#include <QLabel>

#include "settings/MemoryProfile.h"
#include "support/Fakes.h"
#include "program/Splash.h"
#include "windows/SplashView.h"
#include "windows/TimerDriver.h"

namespace brisvane {
namespace {

const std::string Ini = "Vexa.ini";

struct SplashFixture : ::testing::Test {
    MemoryProfile profile;
    testing::FakeScreen screen;
    int mainShown = 0;
    bool splashVisibleWhenMainShown = false;
    Splash splash{profile, Ini, "7.03", [this] {
                      ++mainShown;
                      splashVisibleWhenMainShown = splash.visible;
                  }};
};

TEST_F(SplashFixture, ShowsTheVersionUnlessTurnedOffExactly) {
    for (const char* value : {"", "no", "NO", "Yes"}) {
        MemoryProfile settings;
        settings.SetINI("Options", "ShowSplash", value, Ini);
        int shown = 0;
        Splash s(settings, Ini, "7.03", [&shown] { ++shown; });
        s.load(screen);
        EXPECT_TRUE(s.visible) << value;
        EXPECT_EQ(s.lbl_Version.caption, "7.03") << value;
        EXPECT_TRUE(s.sTimer2.enabled) << value;
        EXPECT_EQ(s.sTimer2.interval, 2000);
        EXPECT_EQ(shown, 0) << value;
    }
}

TEST_F(SplashFixture, TimerHandsOverToTheGameOnce) {
    splash.load(screen);
    splash.sTimer2Tick();
    EXPECT_EQ(mainShown, 1);
    EXPECT_TRUE(splashVisibleWhenMainShown) << "the game window opens before the splash closes";
    EXPECT_FALSE(splash.visible);
    EXPECT_TRUE(splash.closed);
    EXPECT_FALSE(splash.sTimer2.enabled);
    splash.sTimer2Tick();
    EXPECT_EQ(mainShown, 1);
}

TEST_F(SplashFixture, TurnedOffGoesStraightToTheGame) {
    profile.SetINI("Options", "ShowSplash", "No", Ini);
    splash.load(screen);
    EXPECT_EQ(mainShown, 1);
    EXPECT_FALSE(splash.visible);
    EXPECT_FALSE(splash.sTimer2.enabled);
    EXPECT_EQ(splash.lbl_Version.caption, "0.000");
}

TEST_F(SplashFixture, CentredOnTheScreen) {
    screen.width = 1920 * 15;
    screen.height = 1080 * 15;
    splash.load(screen);
    EXPECT_EQ(splash.frame.left, (1920 * 15 - 6000) / 2);
    EXPECT_EQ(splash.frame.top, (1080 * 15 - 3075) / 2);
}

TEST_F(SplashFixture, ViewShowsThePictureAndGoesAwayOnTheTick) {
    EventGuard guard;
    SplashView view(splash, guard, screen);
    EXPECT_TRUE(view.isVisible());
    EXPECT_EQ(view.size(), QSize(400, 205));
    EXPECT_EQ(view.versionLabel()->text(), QStringLiteral("7.03"));
    EXPECT_EQ(view.versionLabel()->objectName(), QStringLiteral("lbl_Version"));
    EXPECT_NE(view.findChild<QLabel*>(QStringLiteral("sInfo")), nullptr);
    ASSERT_TRUE(view.sTimer2()->isActive());
    EXPECT_EQ(view.sTimer2()->interval(), 2000);

    view.sTimer2()->fire();
    EXPECT_EQ(mainShown, 1);
    EXPECT_FALSE(view.isVisible());
    EXPECT_FALSE(view.sTimer2()->isActive());
}

TEST_F(SplashFixture, ViewNeverAppearsWhenTurnedOff) {
    profile.SetINI("Options", "ShowSplash", "No", Ini);
    EventGuard guard;
    SplashView view(splash, guard, screen);
    EXPECT_EQ(mainShown, 1);
    EXPECT_FALSE(view.isVisible());
    EXPECT_FALSE(view.sTimer2()->isActive());
}

} // namespace
} // namespace brisvane
