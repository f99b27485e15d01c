#pragma once
// Sending a place of the top ten to the highscore service. The program never talks to the
// network: it builds one web address with the account, the entry and a description of the
// computer in its query string, and the desktop opens it in the browser.
//
// A submission goes through these states:
//   Idle      nothing under way (`TimerUser` off)
//   Confirmed the player said Yes to `SendX`; `TimerUser` runs
//   Waiting   the account page is open for the player to choose or add an account
//             (`SendState` 1); the ticks of `TimerUser` do nothing
//   Released  the settings window closed with an account chosen (`SendState` 0)
//   Built     the address is in `MainLink`; `TimerSending` runs
//   Opened    the desktop has the address, counted and logged; the display says the total
//             again (a desktop that cannot open it leaves the submission Idle, reported)
// A second `SendX` starts over from Confirmed with the place clicked last; closing the settings
// window without an account leaves the submission Waiting.

#include <functional>
#include <string>

#include "common/ModelTimer.h"
#include "common/Ports.h"
#include "common/Profile.h"

namespace brisvane {

class Accounts;
class EventLog;
class Language;
class Links;
class TopTen;

enum class SubmissionState { Idle, Confirmed, Waiting, Released, Built, Opened };

namespace submission {

// The screen as the service knows it, from its size in pixels: any screen 800 wide is
// "800x600", one 1024 wide "1024x768", any other width "x" height.
std::string screenText(int widthPixels, int heightPixels);
// The system as the service knows it: 1 "Win95", 2 "WinNT", anything else "N/A".
std::string systemText(int platformId);

// The fields of one submission, as read from the settings; `address` encodes them.
struct Fields {
    std::string user;
    std::string pass;
    std::string ver;
    std::string rev;
    std::string date;
    std::string points;
    std::string key;
    std::string lan;
    std::string screen;
    std::string os;
};
// `send` + "?user=..&pass=..&ver=..&rev=..&date=..&points=..&key=..&lan=..&screen=..&os=..",
// each value encoded as a query value.
std::string address(const std::string& send, const Fields& fields);

} // namespace submission

class Submission {
public:
    static constexpr int TimerUserInterval = 1500;
    static constexpr int TimerSendingInterval = 1000;

    struct Wiring {
        Profile& profile;
        std::string iniFile;
        const Language& language;
        Dialogs& dialogs;
        const Clock& clock;
        const Screen& screen;
        EventLog& log;
        TopTen& topTen;
        Links& links;
        Accounts& accounts;
        std::function<void(const std::string& sayText)> Say;
        std::function<int()> totalScore;
        std::string ProgramVersion; // "7.0"
        int ProgramRevision = 3;
    };

    explicit Submission(Wiring wiring);
    Submission(const Submission&) = delete;
    Submission& operator=(const Submission&) = delete;

    ModelTimer TimerUser{TimerUserInterval, false, 0};
    ModelTimer TimerSending{TimerSendingInterval, false, 0};
    // 1 while the submission waits for an account in the settings window, else 0.
    int SendState = 0;
    SubmissionState state() const { return state_; }

    // Closes the settings window if it is open and opens it on its page "user" (set by the
    // program).
    std::function<void()> openUserPage;

    // Asks (b8, title b1) whether to send the place last clicked in the top ten, and starts
    // the submission. An empty place (no key or no points) is not offered.
    void SendX();
    // The settings window was closed: a waiting submission goes out once an account with a
    // name is selected.
    void settingsClosed();
    // Every 1500 ms while enabled: builds the address unless waiting. A `send` address that
    // is not a web address (http: or https:) is refused, with a message naming the key.
    void TimerUser_Timer();
    // Once, 1000 ms after the address was built: opens it and says the total again. Only a
    // submission the desktop took is counted and logged as sent; one it could not open is
    // logged and reported as not sent.
    void TimerSending_Timer();

    // The fields of the place last clicked, as they would be sent now.
    submission::Fields fields();

private:
    // Whether the place last clicked holds an entry (points above 0 and a key).
    bool placeHasEntry();

    Wiring w_;
    SubmissionState state_ = SubmissionState::Idle;
    submission::Fields built_; // of the address last built
};

} // namespace brisvane
