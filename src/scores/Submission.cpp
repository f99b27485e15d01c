#include "scores/Submission.h"

#include "common/Numbers.h"
#include "language/Language.h"
#include "links/Links.h"
#include "scores/Accounts.h"
#include "scores/EntryKey.h"
#include "scores/HsTable.h"
#include "scores/TopTen.h"
#include "settings/EventLog.h"

namespace brisvane {

namespace submission {

std::string screenText(int widthPixels, int heightPixels) {
    if (widthPixels == 800) {
        return "800x600";
    }
    if (widthPixels == 1024) {
        return "1024x768";
    }
    return std::to_string(widthPixels) + "x" + std::to_string(heightPixels);
}

std::string systemText(int platformId) {
    switch (platformId) {
    case 1:
        return "Win95";
    case 2:
        return "WinNT";
    default:
        return "N/A";
    }
}

std::string address(const std::string& send, const Fields& f) {
    const std::pair<const char*, const std::string*> query[] = {
        {"?user=", &f.user},     {"&pass=", &f.pass},     {"&ver=", &f.ver}, {"&rev=", &f.rev},
        {"&date=", &f.date},     {"&points=", &f.points}, {"&key=", &f.key}, {"&lan=", &f.lan},
        {"&screen=", &f.screen}, {"&os=", &f.os}};
    std::string text = send;
    for (const auto& [name, value] : query) {
        text += name;
        text += queryValue(*value);
    }
    return text;
}

} // namespace submission

namespace {
constexpr int TwipsPerPixel = 15;
} // namespace

Submission::Submission(Wiring wiring) : w_(std::move(wiring)) {}

bool Submission::placeHasEntry() {
    const int place = w_.topTen.SelectedPlace;
    if (place < 1 || place > HsTable::Places) {
        return false;
    }
    const auto stored = [&](char field) {
        return w_.profile.GetINI(HsTable::Section, HsTable::placeKey(field, place), w_.iniFile);
    };
    return integerPart(stored('p')) > 0 && !stored('k').empty();
}

void Submission::SendX() {
    // An empty place has nothing the service could take.
    if (!placeHasEntry()) {
        return;
    }
    if (!w_.dialogs.askYesNo(w_.language.T("b1"), w_.language.T("b8"), DefaultButton::Yes)) {
        return;
    }
    SendState = 0;
    state_ = SubmissionState::Confirmed;
    if (w_.accounts.count() == 0 || w_.profile.GetINI("Options", "ShowUser", w_.iniFile) == "Yes") {
        SendState = 1;
        state_ = SubmissionState::Waiting;
        if (openUserPage) {
            openUserPage();
        }
    }
    TimerUser.start();
}

void Submission::settingsClosed() {
    if (SendState == 1 && !w_.accounts.selectedName().empty()) {
        SendState = 0;
        state_ = SubmissionState::Released;
        TimerUser.start();
    }
}

submission::Fields Submission::fields() {
    const int place = w_.topTen.SelectedPlace;
    const auto stored = [&](char field) {
        return w_.profile.GetINI(HsTable::Section, HsTable::placeKey(field, place), w_.iniFile);
    };
    submission::Fields f;
    f.user = w_.accounts.selectedName();
    f.pass = w_.accounts.selectedPassword();
    f.ver = std::to_string(versionNumber(w_.ProgramVersion));
    f.rev = std::to_string(w_.ProgramRevision);
    f.date = stored('d');
    if (f.date.empty()) {
        f.date = std::to_string(dateNumber(w_.clock.now()));
    }
    f.points = stored('p');
    f.key = stored('k');
    f.lan = w_.language.info("international");
    f.screen = submission::screenText(w_.screen.screenWidth() / TwipsPerPixel,
                                      w_.screen.screenHeight() / TwipsPerPixel);
    f.os = submission::systemText(w_.screen.platformId());
    return f;
}

void Submission::TimerUser_Timer() {
    if (SendState != 0) {
        return;
    }
    // The list was cleared while the submission waited, or the service's address is not a
    // web address: nothing goes out, and the password stays here.
    const std::string send = w_.profile.GetINI("Internet", "send", w_.iniFile);
    if (!placeHasEntry() || !w_.links.acceptAddress("send", send)) {
        TimerUser.stop();
        state_ = SubmissionState::Idle;
        return;
    }
    if (w_.Say) {
        w_.Say(w_.language.T("d7"));
    }
    TimerSending.start();
    built_ = fields();
    w_.links.MainLink = submission::address(send, built_);
    TimerUser.stop();
    state_ = SubmissionState::Built;
}

void Submission::TimerSending_Timer() {
    const bool opened = w_.links.Uplink(LinkWindow::Main);
    const std::string what =
        "User: " + built_.user + ", points: " + built_.points + ", key: " + built_.key;
    if (opened) {
        const ProfileLock lock = w_.profile.lock(w_.iniFile);
        const std::int64_t entries =
            integerPart(w_.profile.GetINI("Internet", "entries", w_.iniFile));
        w_.profile.SetINI("Internet", "entries", std::to_string(entries + 1), w_.iniFile);
        w_.log.WriteLog("Send highscore. " + what);
    } else {
        const std::string text = w_.language.T("s131");
        w_.log.WriteLog(text + " " + what);
        w_.dialogs.message(w_.language.T("b1"), text);
    }
    if (w_.Say) {
        w_.Say(w_.language.T("d2") + ": " + std::to_string(w_.totalScore ? w_.totalScore() : 0));
    }
    TimerSending.stop();
    state_ = opened ? SubmissionState::Opened : SubmissionState::Idle;
}

} // namespace brisvane
