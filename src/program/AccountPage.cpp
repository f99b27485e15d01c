#include "program/AccountPage.h"

#include "common/Texts.h"
#include "links/Links.h"
#include "scores/Accounts.h"
#include "settings/EventLog.h"

namespace brisvane {

AccountPage::AccountPage(Wiring wiring) : w_(wiring) {
    // Inside the group; the page "user" shows only this group above the close button.
    Frame2 = makeControl("Frame2", 120, 90, 3135, 1500, colour::White);
    Frame2.caption = "User";
    List3 = makeControl("List3", 120, 270, 1815, 1110);
    Command1 = makeControl("Command1", 2055, 270, 960, 315);
    Command1.caption = "&New";
    Command2 = makeControl("Command2", 2055, 660, 960, 315);
    Command2.caption = "&Remove";
    Label1 = makeControl("Label1", 2055, 1110, 960, 255, colour::Yellow);
    Label1.caption = "Sign up";
    lblEnter = makeControl("lblEnter", 120, 240, 2895, 420, colour::White); // two lines
    lblEnter.caption = "Enter member username and password";
    txtUser = makeControl("txtUser", 120, 705, 1815, 315);
    txtPass = makeControl("txtPass", 120, 1095, 1815, 315);
    butOK = makeControl("butOK", 2055, 1095, 960, 315);
    butOK.caption = "&OK";
    lblPlain = makeControl("lblPlain", 120, 1410, 2895, 240, colour::Yellow);
    lblPlain.caption = PlainTextNote;
    showList(true);
}

std::vector<Control*> AccountPage::controls() {
    return {&List3,   &Command1, &Command2, &Label1, &lblEnter,
            &txtUser, &txtPass,  &lblPlain, &butOK};
}

void AccountPage::notify() const {
    if (changed_) {
        changed_();
    }
}

void AccountPage::setList3Text(const std::string& text) {
    List3.caption = text;
    List3Index = -1;
    for (std::size_t i = 0; i < List3Items.size(); ++i) {
        if (List3Items[i] == text) {
            List3Index = static_cast<int>(i);
            break;
        }
    }
}

void AccountPage::showList(bool list) {
    for (Control* c : {&List3, &Command1, &Command2, &Label1}) {
        c->visible = list;
    }
    for (Control* c : {&lblEnter, &txtUser, &txtPass, &butOK}) {
        c->visible = !list;
    }
    lblPlain.visible = !list && w_.accounts.sendsInPlainText();
}

void AccountPage::fillList() {
    List3Items = w_.accounts.names();
    List3Index = -1;
    List3.caption.clear();
}

void AccountPage::setUser(const std::string& caption) {
    if (showUser) {
        showUser(caption);
    }
}

bool AccountPage::stored(const Accounts::Outcome& outcome, const char* what) {
    if (outcome.saved) {
        return true;
    }
    if (outcome.changed) {
        w_.dialogs.message(w_.texts.T("b1"),
                           std::string(what) + " could not be saved in the settings file (" +
                               outcome.why + ").",
                           MessageKind::Warning);
    }
    return false;
}

void AccountPage::languageChanged() {
    if (LanUpdate) {
        LanUpdate();
    }
}

void AccountPage::Load() {
    fillList();
    showList(true);
    Command2.enabled = !List3Items.empty();
    notify();
}

void AccountPage::applyTexts(const std::string& settingsPage, bool helpTexts) {
    const Texts& t = w_.texts;
    Command1.toolTip = helpTexts ? " " + t.T("h5") + " " : "";
    Command2.toolTip = helpTexts ? " " + t.T("h6") + " " : "";
    if (settingsPage == "all") {
        Frame2.caption = t.T("s2");
    } else if (settingsPage == "user") {
        Frame2.caption.clear();
    }
    if (w_.accounts.count() > 0) {
        const std::string name = w_.accounts.selectedName();
        List3.toolTip = " " + t.T("s22") + " " + name + " ";
        setList3Text(name);
    } else {
        List3.toolTip = " " + t.T("s1") + " ";
        setList3Text(t.T("s1"));
    }
    lblEnter.caption = t.T("s23");
    lblEnter.toolTip = lblEnter.caption;
    notify();
}

void AccountPage::Command1_Click() {
    showList(false);
    txtUser.caption.clear();
    txtPass.caption.clear();
    focus = "txtUser";
    notify();
}

void AccountPage::butOK_Click() {
    showList(true);
    if (stored(w_.accounts.add(txtUser.caption, txtPass.caption), "The new account")) {
        w_.log.WriteLog("Add user: " + txtUser.caption);
    }
    // The typed password does not stay in the window once it is stored or refused.
    txtPass.caption.clear();
    fillList();
    const std::string name = w_.accounts.selectedName();
    List3.toolTip = " " + w_.texts.T("s22") + "  " + name + " ";
    setList3Text(name);
    // Back from none: the new account can be removed again.
    Command2.enabled = !List3Items.empty();
    setUser(w_.accounts.userCaption());
    languageChanged();
    notify();
}

void AccountPage::Command2_Click() {
    const int number = List3Index + 1;
    const std::string removed = w_.accounts.name(number);
    if (!stored(w_.accounts.remove(number), "The removal of the account")) {
        return; // nothing chosen in the list, or the file kept it
    }
    w_.log.WriteLog("Remove user: " + removed);
    fillList();
    if (!List3Items.empty()) {
        const std::string& first = List3Items.front();
        List3.toolTip = " " + w_.texts.T("s22") + "  " + first + " ";
        setList3Text(first);
        setUser(w_.accounts.userCaption());
    } else {
        List3.toolTip = w_.texts.T("s1");
        setUser(w_.accounts.userCaption());
        Command2.enabled = false;
    }
    languageChanged();
    notify();
}

void AccountPage::List3_Click() {
    if (List3Index < 0 || List3Index >= static_cast<int>(List3Items.size())) {
        return;
    }
    const std::string name = List3Items.at(static_cast<std::size_t>(List3Index));
    if (!stored(w_.accounts.choose(List3Index + 1), "The choice of account")) {
        setList3Text(w_.accounts.selectedName());
        notify();
        return;
    }
    List3.caption = name;
    List3.toolTip = " " + w_.texts.T("s22") + "  " + name + " ";
    setUser(w_.accounts.userCaption());
    if (!name.empty()) {
        w_.log.WriteLog("Change user: " + name);
    }
    notify();
}

void AccountPage::Label1_Click() {
    w_.links.openWebPage(WebPage::SettingsSignup);
}

} // namespace brisvane
