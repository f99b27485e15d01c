#pragma once
// The menu window `frmMeny` as a model. It is never shown itself; it owns the two pop-up menus
// that the game window opens at the pointer: the web menu `xx_webmenu` from the label
// `Homepage` and the tools menu `xx_meny` from the picture `Logo`. Entries keep their design
// names and captions; the view builds its menus from them and runs an entry's action when it
// is chosen. Qt-free.

#include <functional>
#include <string>
#include <vector>

namespace brisvane {

class Links;
class Texts;

struct MenuEntry {
    std::string objectName;
    std::string caption;
    bool separator = false;
    bool enabled = true;
    bool visible = true;
    std::function<void()> action; // empty: the entry is shown and does nothing
    // A switch: shown ticked while this says it is on; empty for a plain entry.
    std::function<bool()> checked;
    // The key that does the same in the game window, shown beside the caption.
    std::string shortcut;
};

struct Menu {
    std::string objectName;
    std::vector<MenuEntry> entries;

    // Appends an entry; returns it for further settings.
    MenuEntry& add(std::string objectName, std::string caption, std::function<void()> action = {});
    MenuEntry& addSeparator(std::string objectName);
    // The entry of that name; throws std::out_of_range when there is none.
    MenuEntry& entry(const std::string& objectName);
    const MenuEntry& entry(const std::string& objectName) const;
};

// Where a menu pops up: at a point of the screen (pixels), or where the pointer is.
struct PopupAt {
    bool atPointer = true;
    int x = 0;
    int y = 0;
};

class MenuWindow {
public:
    explicit MenuWindow(Links& links);
    MenuWindow(const MenuWindow&) = delete;
    MenuWindow& operator=(const MenuWindow&) = delete;

    Menu xx_webmenu;
    Menu xx_meny;

    // The entry whose caption applying a language sets to the text s6.
    MenuEntry& www_homepage() { return xx_webmenu.entry("www_homepage"); }
    // The captions in the current language: the home entry the text s6, the others the
    // program's own keys.
    void applyTexts(const Texts& texts);

    // The view pops the menu up (set by the view).
    std::function<void(const Menu& menu, PopupAt at)> popup;
    // `Homepage` click: the web menu where the pointer is.
    void showWebMenu();
    // `Logo` click: the tools menu at the pointer's screen position.
    void showToolsMenu(int screenX, int screenY);

    // Runs the entry of that name in either menu, as choosing it does. False when no such
    // entry exists or it is disabled.
    bool choose(const std::string& objectName);

    void www_homepage_Click();
    void www_signup_Click();
    void www_sms_Click();
    void xx_newsversion_Click();
    void xx_viewlog_Click();
    void xx_viewini_Click();

private:
    Links& links_;
};

} // namespace brisvane
