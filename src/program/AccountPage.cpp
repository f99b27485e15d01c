#include "program/AccountPage.h"

#include "common/Text.h"
#include "common/Texts.h"
#include "links/Links.h"
#include "scores/Accounts.h"
#include "settings/EventLog.h"

namespace brisvane {

AccountPage::AccountPage(Wiring wiring) : w_(wiring) {
    // The page "user" shows only this group above the close button; which pages show it is
    // the settings window's business.
    Frame2 = makeControl("Frame2", 120, 90, 3135, 1950, colour::White);
    designControls();
}

void AccountPage::designControls() {
    Frame2.caption = "User";
    // Inside the group.
    // The buttons take the room their longest caption needs ("Verwijderen"), the list the rest.
    static_cast<Control&>(List3) = makeControl("List3", 120, 270, 1575, 1200);
    Command1 = makeControl("Command1", 1785, 270, 1230, 345);
    Command1.caption = "New";
    Command2 = makeControl("Command2", 1785, 705, 1230, 345);
    Command2.caption = "Remove";
    Label1 = makeControl("Label1", 120, 1560, 2895, 255, colour::Yellow);
    Label1.caption = "Sign up for an account";
    // Room for the prompt on two lines: it is long in every language.
    lblEnter = makeControl("lblEnter", 120, 240, 2895, 450, colour::White);
    lblEnter.caption = "Enter member username and password";
    txtUser = makeControl("txtUser", 120, 735, 1815, 315);
    txtPass = makeControl("txtPass", 120, 1095, 1815, 315);
    butOK = makeControl("butOK", 2055, 1095, 960, 315);
    butOK.caption = "OK";
    // Below the fields, shown only where the password would travel readable.
    lblPlain = makeControl("lblPlain", 120, 1455, 2895, 450, colour::Yellow);
    showList(true);
    focus.clear();
}

std::vector<Control*> AccountPage::controls() {
    return {&List3,   &Command1, &Command2, &Label1, &lblEnter,
            &txtUser, &txtPass,  &lblPlain, &butOK};
}

void AccountPage::applyTexts() {
    Command1.caption = w_.texts.T("s85");
    Command2.caption = w_.texts.T("s86");
    butOK.caption = w_.texts.T("s87");
    Label1.caption = w_.texts.T("s90");
    lblPlain.caption = w_.texts.T("s150");
}

void AccountPage::setList3Text(const std::string& text) {
    List3.caption = text;
    List3Index = List3.indexOf(text);
}

void AccountPage::showList(bool list) {
    for (Control* c : {static_cast<Control*>(&List3), &Command1, &Command2, &Label1}) {
        c->visible = list;
    }
    for (Control* c : {&lblEnter, &txtUser, &txtPass, &butOK}) {
        c->visible = !list;
    }
    lblPlain.visible = !list && w_.accounts.sendsInPlainText();
    lblPlain.caption = w_.texts.T("s150");
}

void AccountPage::fillList() {
    List3.items = w_.accounts.names();
    List3Index = -1;
    List3.caption.clear();
}

void AccountPage::setUser(const std::string& caption) {
    if (showUser) {
        showUser(caption);
    }
}

bool AccountPage::stored(const Accounts::Outcome& outcome, const char* messageKey) {
    if (outcome.saved) {
        return true;
    }
    if (outcome.changed) {
        w_.dialogs.message(w_.texts.T("b1"), text::fill(w_.texts.T(messageKey), {outcome.why}),
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
    designControls();
    fillList();
    Command2.enabled = !List3.items.empty();
}

void AccountPage::Command1_Click() {
    showList(false);
    txtUser.caption.clear();
    txtPass.caption.clear();
    focus = "txtUser";
}

void AccountPage::cancelEntry() {
    showList(true);
    txtUser.caption.clear();
    txtPass.caption.clear();
}

void AccountPage::butOK_Click() {
    showList(true);
    if (stored(w_.accounts.add(txtUser.caption, txtPass.caption), "s127")) {
        w_.log.WriteLog("Add user: " + txtUser.caption);
    }
    // The typed password does not stay in the window once it is stored or refused.
    txtPass.caption.clear();
    fillList();
    const std::string name = w_.accounts.selectedName();
    List3.toolTip = " " + w_.texts.T("s22") + "  " + name + " ";
    setList3Text(name);
    // Back from none: the new account can be removed again.
    Command2.enabled = !List3.items.empty();
    setUser(w_.accounts.userCaption());
    languageChanged();
}

void AccountPage::Command2_Click() {
    const int number = List3Index + 1;
    const std::string removed = w_.accounts.name(number);
    if (!stored(w_.accounts.remove(number), "s128")) {
        return; // nothing chosen in the list, or the file kept it
    }
    w_.log.WriteLog("Remove user: " + removed);
    fillList();
    if (!List3.items.empty()) {
        const std::string& first = List3.items.front();
        List3.toolTip = " " + w_.texts.T("s22") + "  " + first + " ";
        setList3Text(first);
        setUser(w_.accounts.userCaption());
    } else {
        List3.toolTip = w_.texts.T("s1");
        setUser(w_.accounts.userCaption());
        Command2.enabled = false;
    }
    languageChanged();
}

void AccountPage::List3_Click() {
    if (List3Index < 0 || List3Index >= static_cast<int>(List3.items.size())) {
        return;
    }
    const std::string name = List3.items.at(static_cast<std::size_t>(List3Index));
    if (!stored(w_.accounts.choose(List3Index + 1), "s129")) {
        setList3Text(w_.accounts.selectedName());
        return;
    }
    List3.caption = name;
    List3.toolTip = " " + w_.texts.T("s22") + "  " + name + " ";
    setUser(w_.accounts.userCaption());
    if (!name.empty()) {
        w_.log.WriteLog("Change user: " + name);
    }
}

void AccountPage::Label1_Click() {
    w_.links.openWebPage(WebPage::SettingsSignup);
}

} // namespace brisvane
