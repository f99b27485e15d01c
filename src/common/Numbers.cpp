#include "common/Numbers.h"

#include <algorithm>
#include <climits>
#include <cstdio>
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

std::string oneDecimal(double value, const std::string& separator) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.1f", value);
    std::string shown = buffer;
    if (shown == "-0.0") {
        shown = "0.0";
    }
    const std::size_t point = shown.find('.');
    if (point != std::string::npos) {
        shown.replace(point, 1, separator);
    }
    return shown;
}

}  // namespace brisvane
