#include "language/KeyOrder.h"

#include "common/Numbers.h"

namespace brisvane {

KeyOrder::KeyOrder(const std::array<int, 5>& counts) : counts_(counts) {
    for (const int n : counts_) {
        total_ += n;
    }
}

KeyOrder KeyOrder::fromReference(Profile& profile, const std::string& englishFile) {
    std::array<int, 5> counts{};
    try {
        for (std::size_t f = 0; f < Families.size(); ++f) {
            int n = 0;
            while (n < MaxPerFamily &&
                   !profile.GetINI("Language", Families[f] + std::to_string(n + 1), englishFile)
                        .empty()) {
                ++n;
            }
            counts[f] = n;
        }
    } catch (const ProfileError&) {
        return KeyOrder();
    }
    return KeyOrder(counts);
}

int KeyOrder::count(char family) const {
    const std::size_t f = Families.find(family);
    return f == std::string_view::npos ? 0 : counts_[f];
}

std::string KeyOrder::keyAt(int position) const {
    if (position < 1) {
        return {};
    }
    for (std::size_t f = 0; f < Families.size(); ++f) {
        if (position <= counts_[f]) {
            return Families[f] + std::to_string(position);
        }
        position -= counts_[f];
    }
    return {};
}

int KeyOrder::positionOf(std::string_view key) const {
    if (key.size() < 2) {
        return 0;
    }
    const std::size_t f = Families.find(key.front());
    const std::string_view digits = key.substr(1);
    // Keys carry no leading zeros and no sign: "d01" and "d+1" are not d1.
    if (f == std::string_view::npos || digits.front() < '1' || digits.front() > '9' ||
        digits.find_first_not_of("0123456789") != std::string_view::npos) {
        return 0;
    }
    const int number = intValue(digits);
    if (number > counts_[f]) {
        return 0;
    }
    int before = 0;
    for (std::size_t g = 0; g < f; ++g) {
        before += counts_[g];
    }
    return before + number;
}

} // namespace brisvane
