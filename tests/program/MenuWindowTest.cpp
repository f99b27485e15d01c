// The menu window's two menus as the game window pops them up.
#include <gtest/gtest.h>

#include "support/ProgramRig.h"

namespace brisvane::testing {
namespace {

std::vector<std::string> layout(const Menu& menu) {
    std::vector<std::string> rows;
    for (const MenuEntry& entry : menu.entries) {
        rows.push_back(entry.objectName + (entry.separator ? " -" : " " + entry.caption));
    }
    return rows;
}

TEST(MenuWindowTest, TheMenusHoldTheirEntriesInOrderAndPopUpFromTheirLabels) {
    ProgramRig rig;
    MenuWindow& menus = rig.program.menuWindow();
    EXPECT_EQ(layout(menus.xx_webmenu),
              (std::vector<std::string>{"www_homepage HOME", "www_tom1 -", "www_sms SMS Service",
                                        "www_signup Signup new member"}));
    EXPECT_EQ(layout(menus.xx_meny),
              (std::vector<std::string>{"xx_newsversion News in this version", "xx_empty2 -",
                                        "xx_viewlog View logfile", "xx_stoplog Stop logging",
                                        "xx_viewini View ini-file"}));

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

TEST(MenuWindowTest, CaptionsAreSettableAndEntriesCanBeAdded) {
    ProgramRig rig;
    MenuWindow& menus = rig.program.menuWindow();
    menus.www_homepage().caption = rig.program.language().T("s6");
    EXPECT_EQ(menus.xx_webmenu.entries.front().caption, "Visit the homepage");

    int unpacked = 0;
    menus.xx_meny.addSeparator("xx_empty3");
    menus.xx_meny.add("xx_unpack", "Unpack resources", [&unpacked] { ++unpacked; });
    EXPECT_TRUE(menus.choose("xx_unpack"));
    menus.xx_meny.entry("xx_unpack").enabled = false;
    EXPECT_FALSE(menus.choose("xx_unpack"));
    EXPECT_FALSE(menus.choose("xx_empty3"));
    EXPECT_FALSE(menus.choose("no_such_entry"));
    EXPECT_EQ(unpacked, 1);
    EXPECT_THROW(menus.xx_meny.entry("www_sms"), std::out_of_range);
}

} // namespace
} // namespace brisvane::testing
