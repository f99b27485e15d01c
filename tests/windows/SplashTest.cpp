// The start-up window: two seconds of version, or straight to the game.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>

#include "program/Splash.h"
#include "settings/MemoryProfile.h"
#include "support/Fakes.h"
#include "windows/SplashView.h"
#include "windows/TimerDriver.h"

namespace brisvane {
namespace {

TEST(SplashTest, ShowsTheVersionForTwoSecondsUnlessTurnedOffExactly) {
    for (const auto& [value, shows] :
         {std::pair{"", true}, {"no", true}, {"NO", true}, {"Yes", true}, {"No", false}}) {
        MemoryProfile profile;
        profile.SetINI("Options", "ShowSplash", value, "Vexa.ini");
        const testing::FakeScreen screen;
        SplashView* view = nullptr;
        int gameShown = 0;
        bool splashShownWithTheGame = false; // closing first would end the program
        Splash splash(profile, "Vexa.ini", "7.03", [&] {
            ++gameShown;
            splashShownWithTheGame = view != nullptr && view->isVisible();
        });
        EventGuard guard;
        SplashView shown(splash, guard, screen);
        view = &shown;
        EXPECT_EQ(gameShown, shows ? 0 : 1) << value;
        EXPECT_EQ(shown.isVisible(), shows) << value;
        EXPECT_EQ(shown.sTimer2()->isActive(), shows) << value;
        if (!shows) {
            continue;
        }
        EXPECT_EQ(shown.versionLabel()->text(), QStringLiteral("7.03"));
        // A window named by its title, with the version readable.
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&shown);
        EXPECT_EQ(window->role(), QAccessible::Window);
        EXPECT_EQ(window->text(QAccessible::Name), QStringLiteral("Brisvane"));
        QStringList read;
        for (int i = 0; i < window->childCount(); ++i) {
            read << window->child(i)->text(QAccessible::Name);
        }
        EXPECT_TRUE(read.contains(QStringLiteral("7.03"))) << read.join(", ").toStdString();
        EXPECT_EQ(shown.sTimer2()->interval(), 2000);
        EXPECT_EQ(shown.geometry(), QRect((1920 - 400) / 2, (1080 - 205) / 2, 400, 205));
        shown.sTimer2()->fire();
        shown.sTimer2()->fire(); // a late tick changes nothing
        EXPECT_EQ(gameShown, 1) << value;
        EXPECT_TRUE(splashShownWithTheGame) << value;
        EXPECT_FALSE(shown.isVisible()) << value;
        EXPECT_FALSE(shown.sTimer2()->isActive()) << value;
    }
}

} // namespace
} // namespace brisvane
