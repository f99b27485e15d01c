#include "support/Fakes.h"

#include <cstdio>

namespace brisvane::testing {

void FakeClock::advanceSeconds(int seconds) {
    long total = current.hour * 3600L + current.minute * 60L + current.second + seconds;
    const long day = 24L * 3600L;
    current.day += static_cast<int>(total / day);  // tests stay within one month
    total %= day;
    current.hour = static_cast<int>(total / 3600);
    current.minute = static_cast<int>(total / 60 % 60);
    current.second = static_cast<int>(total % 60);
}

double FakeRandom::next() {
    if (script.empty()) {
        return fallback;
    }
    const double r = script.front();
    script.pop_front();
    return r;
}

void FakeRandom::queueFaces(std::initializer_list<int> faces) {
    for (const int face : faces) {
        // The middle of the face's sixth of [0, 1), so Int(r * 6) + 1 gives the face.
        script.push_back((face - 1 + 0.5) / 6.0);
    }
}

bool FakeDialogs::askYesNo(const std::string& title, const std::string& question,
                           DefaultButton defaultButton) {
    questions.push_back({title, question, defaultButton});
    if (yesNoAnswers.empty()) {
        return defaultButton == DefaultButton::Yes;
    }
    const bool answer = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return answer;
}

std::optional<std::string> FakeDialogs::inputBox(const std::string& prompt,
                                                 const std::string& title,
                                                 const std::string& preset) {
    inputs.push_back({prompt, title, preset});
    if (inputAnswers.empty()) {
        return std::nullopt;
    }
    auto answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
}

void FakeDialogs::message(const std::string& title, const std::string& text) {
    messages.push_back({title, text});
}

std::optional<std::string> FakeDialogs::chooseFile(const std::string& title,
                                                   const std::string& /*filter*/) {
    fileChoosers.push_back(title);
    if (fileAnswers.empty()) {
        return std::nullopt;
    }
    auto answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

std::string FakeLocale::shortDate(const DateTime& when) const {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", when.year, when.month, when.day);
    return buffer;
}

std::string FakeLocale::longTime(const DateTime& when) const {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", when.hour, when.minute, when.second);
    return buffer;
}

std::string FakeLocale::monthName(int month) const {
    static const char* const Names[] = {"January", "February", "March",     "April",
                                        "May",     "June",     "July",      "August",
                                        "September", "October", "November", "December"};
    return month >= 1 && month <= 12 ? Names[month - 1] : "";
}

}  // namespace brisvane::testing
