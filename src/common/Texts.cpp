#include "common/Texts.h"

namespace brisvane {

std::string textOr(const Texts& texts, const std::string& key, const char* fallback) {
    std::string found = texts.T(key);
    if (found.empty()) {
        found = fallback;
    }
    return found;
}

std::string textWith(const Texts& texts, const std::string& key, const char* fallback,
                     const std::vector<std::string>& values) {
    const std::string pattern = textOr(texts, key, fallback);
    std::string text;
    std::vector<bool> used(values.size(), false);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        std::size_t end = i + 1;
        std::size_t n = 0;
        while (pattern[i] == '%' && end < pattern.size() && pattern[end] >= '0' &&
               pattern[end] <= '9' && n < 100) {
            n = n * 10 + static_cast<std::size_t>(pattern[end++] - '0');
        }
        if (n >= 1 && n <= values.size()) {
            text += values[n - 1];
            used[n - 1] = true;
            i = end - 1;
        } else {
            text += pattern[i];
        }
    }
    for (std::size_t n = 0; n < values.size(); ++n) {
        if (!used[n]) {
            text += " " + values[n];
        }
    }
    return text;
}

} // namespace brisvane
