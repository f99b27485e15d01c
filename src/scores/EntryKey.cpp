#include "scores/EntryKey.h"

#include <algorithm>

namespace brisvane {
namespace {

int digitValue(char c) {
    return c >= '0' && c <= '9' ? c - '0' : 0;
}

} // namespace

int dateNumber(const DateTime& when) {
    return when.month + 100 * (when.year % 100);
}

int versionNumber(const std::string& programVersion) {
    if (programVersion.empty()) {
        return 0;
    }
    return 100 * digitValue(programVersion.front()) + digitValue(programVersion.back());
}

int drawKeyDigit(Random& random, const Clock& clock) {
    random.seed(clock.now().secondsSinceMidnight());
    // A generator that strays outside [0, 1) must still give a digit of the key's range.
    const double draw = std::clamp(random.next(), 0.0, 0.999999);
    return static_cast<int>(draw * 9) + 1;
}

std::string entryKey(int r, int totalScore, int dateNumber, int versionNumber) {
    return std::to_string(r) + std::to_string(1000 - totalScore - 11 * r) +
           std::to_string(9999 - dateNumber - r) + std::to_string(versionNumber + 12 - r);
}

} // namespace brisvane
