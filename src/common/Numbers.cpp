#include "common/Numbers.h"

#include <algorithm>
#include <climits>
#include <limits>

namespace brisvane {

std::int64_t integerPart(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        negative = text[pos] == '-';
        ++pos;
    }
    constexpr std::int64_t Max = std::numeric_limits<std::int64_t>::max();
    std::int64_t value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        const int digit = text[pos] - '0';
        if (value > (Max - digit) / 10) {
            return negative ? std::numeric_limits<std::int64_t>::min() : Max;
        }
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

int intValue(std::string_view text) {
    return static_cast<int>(std::clamp<std::int64_t>(integerPart(text), INT_MIN, INT_MAX));
}

}  // namespace brisvane
