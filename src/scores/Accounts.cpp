#include "scores/Accounts.h"

#include "common/Numbers.h"

namespace brisvane {

Accounts::Accounts(Profile& profile, std::string iniFile, const Texts& texts)
    : profile_(profile), iniFile_(std::move(iniFile)), texts_(texts) {}

std::string Accounts::get(const std::string& key) {
    return profile_.GetINI(Section, key, iniFile_);
}

void Accounts::set(const std::string& key, const std::string& value) {
    profile_.SetINI(Section, key, value, iniFile_);
}

int Accounts::count() {
    const int n = intValue(get("antal"));
    return n > 0 ? n : 0;
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

bool Accounts::add(const std::string& user, const std::string& pass) {
    if (user.empty() || pass.empty()) {
        return false;
    }
    const std::string n = std::to_string(count() + 1);
    set("antal", n);
    set("selected", n);
    set("user" + n, user);
    set("pass" + n, pass);
    return true;
}

std::optional<std::string> Accounts::remove(int number) {
    const int n = count();
    if (number < 1 || number > n) {
        return std::nullopt;
    }
    std::string removed = name(number);
    for (int i = number; i < n; ++i) {
        const std::string next = std::to_string(i + 1);
        set("user" + std::to_string(i), get("user" + next));
        set("pass" + std::to_string(i), get("pass" + next));
    }
    if (selected() == std::to_string(number)) {
        set("selected", "1");
    }
    const std::string last = std::to_string(n);
    set("user" + last, "");
    set("pass" + last, "");
    set("antal", std::to_string(n - 1));
    if (n - 1 > 0) {
        set("selected", "1"); // the first account is chosen after every removal
    }
    return removed;
}

void Accounts::choose(int number) {
    set("selected", std::to_string(number));
}

std::string Accounts::userCaption() {
    std::string caption = selectedName();
    if (caption.empty()) {
        caption = texts_.T("s1");
    }
    return caption.empty() ? std::string("No user") : caption;
}

} // namespace brisvane
