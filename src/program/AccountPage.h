#pragma once
// The accounts group `Frame2` of the settings window as a model: the list of accounts `List3`
// with its buttons `Command1` (new) and `Command2` (remove) and the sign-up link `Label1`, and
// the entry fields `lblEnter`, `txtUser`, `txtPass` with `butOK` that replace them while a new
// account is typed. Positions are in twips inside the group; the captions here are the
// group's design captions, the only ones (the view adds the keyboard mnemonics). The
// operations keep the settings file, the log, the game window's `lb_User` and the list in
// step. Qt-free.

#include <functional>
#include <string>
#include <vector>

#include "common/Controls.h"
#include "common/Ports.h"
#include "scores/Accounts.h"

namespace brisvane {

class EventLog;
class Links;
class Texts;

class AccountPage {
public:

    struct Wiring {
        Accounts& accounts;
        const Texts& texts;
        Dialogs& dialogs; // says when the settings file does not take a change
        EventLog& log;
        Links& links;
    };

    explicit AccountPage(Wiring wiring);
    AccountPage(const AccountPage&) = delete;
    AccountPage& operator=(const AccountPage&) = delete;

    Control Frame2;
    ListControl List3; // caption: the list's text (the chosen item); items: the account names
    Control Command1;
    Control Command2;
    Control Label1;
    Control lblEnter;
    Control txtUser; // caption: what is typed
    Control txtPass; // caption: what is typed; the view never shows it
    // Beside the password while it is typed: the service's address is not encrypted.
    Control lblPlain;
    Control butOK;
    // The controls inside Frame2, in tab order.
    std::vector<Control*> controls();

    // The chosen item of List3 (0-based; -1 for none).
    int List3Index = -1;
    // Sets the list's text as a list box does: chooses the first item equal to `text`, or
    // none. The list's caption becomes `text`.
    void setList3Text(const std::string& text);
    // The group's own captions in the current language (the group title is the settings
    // window's to set, by page).
    void applyTexts();

    // The control that should have the keyboard focus ("" to leave it where it is); the view
    // moves the focus and clears it.
    std::string focus;
    // True while the entry fields stand in place of the list.
    bool entering() const { return butOK.visible; }

    // Set by the program: `lb_User` of the game window shows this caption.
    std::function<void(const std::string& caption)> showUser;
    // Set by the program: re-applies the language texts (which also fill this group's).
    std::function<void()> LanUpdate;

    // The settings window's load step for this group: the controls as designed, the account
    // names in List3, Command2 enabled while there are accounts.
    void Load();

    // New account: the entry fields, emptied, with the focus in txtUser.
    void Command1_Click();
    // Adds the typed account when both fields are filled, then shows the list again.
    void butOK_Click();
    // Leaves the entry fields without adding anything (Escape): the list again.
    void cancelEntry();
    // Removes the account chosen in the list; nothing when none is chosen.
    void Command2_Click();
    // The account at List3Index becomes the one results are sent as.
    void List3_Click();
    // The sign-up page, through the settings window's link.
    void Label1_Click();

private:
    void designControls();
    void showList(bool list);
    void fillList();
    void setUser(const std::string& caption);
    // False, after telling the player why, when the settings file did not take a change.
    bool stored(const Accounts::Outcome& outcome, const char* messageKey);
    void languageChanged();

    Wiring w_;
};

} // namespace brisvane
