#include "common/Texts.h"

namespace brisvane {

std::string textOr(const Texts& texts, const std::string& key, const char* fallback) {
    std::string found = texts.T(key);
    if (found.empty()) {
        found = fallback;
    }
    return found;
}

} // namespace brisvane
