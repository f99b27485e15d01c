#include "scores/Accounts.h"

#include "common/Numbers.h"
#include "common/Text.h"

namespace brisvane {

Accounts::Accounts(Profile& profile, std::string iniFile, const Texts& texts)
    : profile_(profile), iniFile_(std::move(iniFile)), texts_(texts) {}

std::string Accounts::get(const std::string& key) {
    return profile_.GetINI(Section, key, iniFile_);
}

Accounts::Outcome Accounts::write(const std::vector<std::pair<std::string, std::string>>& values) {
    std::vector<ProfileChange> changes;
    for (const auto& [key, value] : values) {
        changes.push_back({Section, key, value, false});
    }
    Outcome outcome;
    outcome.changed = true;
    outcome.saved = profile_.SetINIs(iniFile_, changes, &outcome.why);
    return outcome;
}

int Accounts::count() {
    return profile_.GetCount(Section, "antal", iniFile_, keysOf);
}

std::vector<std::string> Accounts::keysOf(int number) {
    return {"user" + std::to_string(number), "pass" + std::to_string(number)};
}

std::string Accounts::name(int number) {
    return get("user" + std::to_string(number));
}

std::string Accounts::password(int number) {
    return get("pass" + std::to_string(number));
}

std::vector<std::string> Accounts::names() {
    std::vector<std::string> all;
    const int n = count();
    for (int i = 1; i <= n; ++i) {
        all.push_back(name(i));
    }
    return all;
}

std::string Accounts::selected() {
    return get("selected");
}

std::string Accounts::selectedName() {
    return get("user" + selected());
}

std::string Accounts::selectedPassword() {
    return get("pass" + selected());
}

Accounts::Outcome Accounts::add(const std::string& user, const std::string& pass) {
    if (user.empty() || pass.empty()) {
        return {};
    }
    const ProfileLock lock = profile_.lock(iniFile_);
    const std::string n = std::to_string(count() + 1);
    return write({{"antal", n}, {"selected", n}, {"user" + n, user}, {"pass" + n, pass}});
}

Accounts::Outcome Accounts::remove(int number) {
    const ProfileLock lock = profile_.lock(iniFile_);
    const int n = count();
    if (number < 1 || number > n) {
        return {};
    }
    std::vector<std::pair<std::string, std::string>> values;
    for (int i = number; i < n; ++i) {
        const std::string next = std::to_string(i + 1);
        values.emplace_back("user" + std::to_string(i), get("user" + next));
        values.emplace_back("pass" + std::to_string(i), get("pass" + next));
    }
    const std::string last = std::to_string(n);
    values.emplace_back("user" + last, "");
    values.emplace_back("pass" + last, "");
    values.emplace_back("antal", std::to_string(n - 1));
    // "1" while accounts remain (the first is chosen after every removal), and also when the
    // removed account was the chosen one.
    if (n - 1 > 0 || selected() == std::to_string(number)) {
        values.emplace_back("selected", "1");
    }
    return write(values);
}

Accounts::Outcome Accounts::choose(int number) {
    return write({{"selected", std::to_string(number)}});
}

bool Accounts::sendsInPlainText() {
    const std::string send = profile_.GetINI("Internet", "send", iniFile_);
    return text::equalsIgnoreCase(std::string_view(send).substr(0, 5), "http:");
}

std::string Accounts::userCaption() {
    std::string caption = selectedName();
    if (caption.empty()) {
        caption = texts_.T("s1");
    }
    return caption.empty() ? std::string("No user") : caption;
}

} // namespace brisvane
