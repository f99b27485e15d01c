#include "common/Profile.h"

#include <algorithm>

#include "common/Numbers.h"

namespace brisvane {

int Profile::GetCount(const std::string& section, const std::string& countKey,
                      const std::string& file,
                      const std::function<std::vector<std::string>(int)>& entryKeys) {
    const int stored = std::clamp(intValue(GetINI(section, countKey, file)), 0, MaxCount);
    const auto present = [&](int i) {
        const std::vector<std::string> keys = entryKeys(i);
        return std::any_of(keys.begin(), keys.end(), [&](const std::string& key) {
            return !GetINI(section, key, file).empty();
        });
    };
    int count = 0;
    while (count < stored && present(count + 1)) {
        ++count;
    }
    return count;
}

} // namespace brisvane
