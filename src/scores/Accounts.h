#pragma once
// The player's accounts for the highscore service, kept in section Users of the settings file:
// `antal` accounts numbered 1..antal without gaps, "user<i>" and "pass<i>" each, and
// `selected`, the number of the account results are sent as. Every read goes to the file, so
// a hand edit counts at once.

#include <string>
#include <utility>
#include <vector>

#include "common/Profile.h"
#include "common/Texts.h"

namespace brisvane {

class Accounts {
public:
    static constexpr const char* Section = "Users";

    Accounts(Profile& profile, std::string iniFile, const Texts& texts);

    // `antal` as a number, bounded by the accounts the file holds; empty, "0" or not a number
    // is none.
    int count();
    // The keys of account `number`: "user<n>" and "pass<n>".
    static std::vector<std::string> keysOf(int number);
    std::string name(int number);
    std::string password(int number);
    // The names of accounts 1..count, in order.
    std::vector<std::string> names();
    // `selected` as stored ("" when absent).
    std::string selected();
    // The name of the selected account; "" when none is chosen or it has no name.
    std::string selectedName();
    std::string selectedPassword();

    // What a change did: whether it was stored, and if not, why in the system's words.
    struct Outcome {
        bool changed = false; // something was to be written
        bool saved = false;   // and the settings file took it
        std::string why;
    };

    // Appends an account and makes it the selected one. Nothing is written unless both the
    // name and the password are non-empty. All keys are written in one replacement of the
    // file, so a failed write leaves the accounts as they were.
    Outcome add(const std::string& user, const std::string& pass);
    // Removes account `number` (1..count): the accounts after it move up one number, the old
    // last number's keys are emptied, `antal` goes down by one and, when accounts remain, the
    // first is selected; all in one replacement of the file. Nothing when `number` is out of
    // range.
    Outcome remove(int number);
    // Makes account `number` the selected one.
    Outcome choose(int number);

    // Whether results go to the service without encryption (Internet/send is an http:
    // address), so the password travels readable.
    bool sendsInPlainText();

    // What the game window's `lb_User` shows: the selected name, else the text s1, else
    // "No user".
    std::string userCaption();

private:
    std::string get(const std::string& key);
    Outcome write(const std::vector<std::pair<std::string, std::string>>& values);

    Profile& profile_;
    std::string iniFile_;
    const Texts& texts_;
};

} // namespace brisvane
