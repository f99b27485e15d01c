#include "program/MenuWindow.h"

#include <stdexcept>
#include <utility>

#include "common/Texts.h"
#include "links/Links.h"

namespace brisvane {

MenuEntry& Menu::add(std::string name, std::string caption, std::function<void()> action) {
    MenuEntry item;
    item.objectName = std::move(name);
    item.caption = std::move(caption);
    item.action = std::move(action);
    entries.push_back(std::move(item));
    return entries.back();
}

MenuEntry& Menu::addSeparator(std::string name) {
    MenuEntry& item = add(std::move(name), {});
    item.separator = true;
    return item;
}

MenuEntry& Menu::entry(const std::string& name) {
    return const_cast<MenuEntry&>(std::as_const(*this).entry(name));
}

const MenuEntry& Menu::entry(const std::string& name) const {
    for (const MenuEntry& item : entries) {
        if (item.objectName == name) {
            return item;
        }
    }
    throw std::out_of_range("no menu entry " + name + " in " + objectName);
}

MenuWindow::MenuWindow(Links& links) : links_(links) {
    xx_webmenu.objectName = "xx_webmenu";
    xx_webmenu.add("www_homepage", "HOME", [this] { www_homepage_Click(); });
    xx_webmenu.addSeparator("www_tom1");
    xx_webmenu.add("www_sms", "SMS Service", [this] { www_sms_Click(); });
    xx_webmenu.add("www_signup", "Signup new member", [this] { www_signup_Click(); });

    xx_meny.objectName = "xx_meny";
    xx_meny.add("xx_newsversion", "News in this version", [this] { xx_newsversion_Click(); });
    xx_meny.addSeparator("xx_empty2");
    xx_meny.add("xx_viewlog", "View logfile", [this] { xx_viewlog_Click(); });
    // A switch; the program wires it to the event log.
    xx_meny.add("xx_stoplog", "Stop logging");
    xx_meny.add("xx_viewini", "View ini-file", [this] { xx_viewini_Click(); });
}

void MenuWindow::applyTexts(const Texts& texts) {
    static constexpr std::pair<const char*, const char*> Captions[] = {
        {"www_sms", "s93"},    {"www_signup", "s94"}, {"xx_newsversion", "s95"},
        {"xx_viewlog", "s96"}, {"xx_stoplog", "s97"}, {"xx_viewini", "s98"}};
    www_homepage().caption = texts.T("s6");
    for (const auto& [entry, key] : Captions) {
        Menu& menu = entry[0] == 'w' ? xx_webmenu : xx_meny;
        menu.entry(entry).caption = texts.T(key);
    }
}

void MenuWindow::showWebMenu() {
    if (popup) {
        popup(xx_webmenu, PopupAt{});
    }
}

void MenuWindow::showToolsMenu(int screenX, int screenY) {
    if (popup) {
        popup(xx_meny, PopupAt{false, screenX, screenY});
    }
}

bool MenuWindow::choose(const std::string& name) {
    for (Menu* menu : {&xx_webmenu, &xx_meny}) {
        for (const MenuEntry& item : menu->entries) {
            if (item.objectName != name) {
                continue;
            }
            if (item.separator || !item.enabled || !item.visible) {
                return false;
            }
            if (item.action) {
                // A copy: the action may change the menus.
                const std::function<void()> action = item.action;
                action();
            }
            return true;
        }
    }
    return false;
}

void MenuWindow::www_homepage_Click() {
    links_.openWebPage(WebPage::Home);
}

void MenuWindow::www_signup_Click() {
    links_.openWebPage(WebPage::Signup);
}

void MenuWindow::www_sms_Click() {
    links_.openWebPage(WebPage::Sms);
}

void MenuWindow::xx_newsversion_Click() {
    links_.openProgramFile("Version.txt", LinkWindow::Menu);
}

void MenuWindow::xx_viewlog_Click() {
    links_.openProgramFile("Vexa.log", LinkWindow::Menu);
}

void MenuWindow::xx_viewini_Click() {
    links_.openProgramFile("Vexa.ini", LinkWindow::Menu);
}

} // namespace brisvane
