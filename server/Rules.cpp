#include "server/Rules.h"

#include <algorithm>
#include <array>
#include <ctime>
#include <cwctype>
#include <locale.h>

#include "common/Text.h"
#include "game/GameModel.h"
#include "game/Scoring.h"
#include "scores/EntryKey.h"

namespace brisvane::server {

namespace {

int computeHighestScore() {
    std::array<int, CategoryCount + 1> best{};
    for (int index = 0; index < RollCount; ++index) {
        const Dice dice = rollOfIndex(index);
        for (int k = 1; k <= CategoryCount; ++k) {
            best[static_cast<std::size_t>(k)] =
                std::max(best[static_cast<std::size_t>(k)], categoryPoints(k, dice));
        }
    }
    int upper = 0;
    int total = 0;
    for (int k = 1; k <= CategoryCount; ++k) {
        total += best[static_cast<std::size_t>(k)];
        if (isUpper(k)) {
            upper += best[static_cast<std::size_t>(k)];
        }
    }
    return upper >= GameModel::BonusThreshold ? total + GameModel::BonusPoints : total;
}

int dateNumberAt(std::chrono::system_clock::time_point when) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
    std::tm parts{};
    ::gmtime_r(&seconds, &parts);
    return (parts.tm_mon + 1) + 100 * (parts.tm_year % 100);
}

bool isControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || (c >= 0x200B && c <= 0x200F) ||
           (c >= 0x2028 && c <= 0x202E) || (c >= 0x2060 && c <= 0x206F) || c == 0xFEFF;
}

bool isBlank(char32_t c) {
    return c == U' ' || c == 0xA0 || c == 0x3000 || (c >= 0x2000 && c <= 0x200A);
}

} // namespace

int highestScore() {
    static const int highest = computeHighestScore();
    return highest;
}

bool isKnownVersion(int version, int revision) {
    return version == versionNumber("7.0") && revision == 3;
}

bool keyMatches(std::string_view key, int points, int dateNumber, int version) {
    for (int r = 1; r <= 9; ++r) {
        if (entryKey(r, points, dateNumber, version) == key) {
            return true;
        }
    }
    return false;
}

bool isDateNumber(int dateNumber) {
    const int month = dateNumber % 100;
    return dateNumber > 0 && month >= 1 && month <= 12 && dateNumber < 10000;
}

int latestDateNumber(std::chrono::system_clock::time_point now) {
    return dateNumberAt(now + std::chrono::hours(14));
}

int currentDateNumber(std::chrono::system_clock::time_point now) {
    return dateNumberAt(now);
}

std::optional<int> parseCount(std::string_view text) {
    if (text.empty() || text.size() > 9) {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

NameProblem checkName(std::string_view name) {
    if (name.empty()) {
        return NameProblem::Empty;
    }
    if (!text::isValidUtf8(name)) {
        return NameProblem::NotUtf8;
    }
    const std::u32string points = text::toCodePoints(name);
    if (points.size() > NameMaxCharacters) {
        return NameProblem::TooLong;
    }
    if (std::any_of(points.begin(), points.end(), isControl)) {
        return NameProblem::ControlCharacter;
    }
    if (isBlank(points.front()) || isBlank(points.back())) {
        return NameProblem::BlankAtEdge;
    }
    return NameProblem::None;
}

std::string nameKey(std::string_view name) {
    // The C.UTF-8 locale's lower case covers every script, whatever locale the service runs in.
    static const locale_t utf8 = ::newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
    std::string key;
    for (const char32_t c : text::toCodePoints(name)) {
        const auto lower = utf8 != nullptr ? ::towlower_l(static_cast<wint_t>(c), utf8)
                                           : static_cast<wint_t>(c);
        key += text::fromCodePoint(static_cast<char32_t>(lower));
    }
    return key;
}

} // namespace brisvane::server
