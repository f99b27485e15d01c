// The menu window's two menus as the game window pops them up.
#include <gtest/gtest.h>

#include "support/ProgramRig.h"

namespace brisvane::testing {
namespace {

// Their entries, in order, are checked where the player sees them.
TEST(MenuWindowTest, TheMenusPopUpFromTheirLabels) {
    ProgramRig rig;
    MenuWindow& menus = rig.program.menuWindow();
    std::vector<std::string> shown;
    menus.popup = [&shown](const Menu& menu, PopupAt at) {
        shown.push_back(menu.objectName + (at.atPointer ? " at the pointer"
                                                        : " at " + std::to_string(at.x) + "," +
                                                              std::to_string(at.y)));
    };
    rig.program.mainShell().clickHomepage();
    rig.program.mainShell().clickLogo(310, 44);
    EXPECT_EQ(shown, (std::vector<std::string>{"xx_webmenu at the pointer", "xx_meny at 310,44"}));
}

// Only a live entry is chosen; stop logging is a switch that shows what the settings file says.
TEST(MenuWindowTest, OnlyLiveEntriesAreChosenAndStopLoggingIsASwitch) {
    ProgramRig rig;
    MenuWindow& menus = rig.program.menuWindow();
    int chosen = 0;
    menus.xx_webmenu.add("www_more", "More", [&chosen] { ++chosen; });
    EXPECT_TRUE(menus.choose("www_more"));
    menus.xx_webmenu.entry("www_more").enabled = false;
    EXPECT_FALSE(menus.choose("www_more"));
    EXPECT_FALSE(menus.choose("www_tom1"));
    EXPECT_FALSE(menus.choose("no_such_entry"));
    EXPECT_EQ(chosen, 1);
    EXPECT_THROW(menus.xx_meny.entry("www_sms"), std::out_of_range);

    const MenuEntry& stop = menus.xx_meny.entry("xx_stoplog");
    ASSERT_TRUE(stop.checked);
    EXPECT_FALSE(stop.checked());
    EXPECT_TRUE(menus.choose("xx_stoplog"));
    EXPECT_EQ(rig.ini("Options", "WriteLog"), "No");
    EXPECT_TRUE(stop.checked());
    rig.program.log().WriteLog("Not written");
    EXPECT_TRUE(menus.choose("xx_stoplog"));
    EXPECT_EQ(rig.ini("Options", "WriteLog"), "Yes");
    rig.program.log().WriteLog("Written");
    EXPECT_EQ(rig.logLines(), std::vector<std::string>{"Written."});
    rig.setIni("Options", "WriteLog", "No"); // by hand, while the game runs
    EXPECT_TRUE(stop.checked());
}

} // namespace
} // namespace brisvane::testing
