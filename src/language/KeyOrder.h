#pragma once
// The translator's order of the text keys: all d keys (d1, d2, ...), then the s, b, h and c
// keys. The reference language file decides which keys exist: a family ends at its first gap,
// so a reference with d1, d2 and d4 has two d keys and d4 is never offered.

#include <array>
#include <string>
#include <string_view>

#include "common/Profile.h"

namespace brisvane {

class KeyOrder {
public:
    static constexpr std::string_view Families = "dsbhc";
    // A family never has more keys than this, also when the reference has no gap.
    static constexpr int MaxPerFamily = 1000;

    // No keys at all: a missing reference file.
    KeyOrder() = default;
    // The counts of d, s, b, h and c, in this order.
    explicit KeyOrder(const std::array<int, 5>& counts);

    // Counts the families in section "Language" of `englishFile`. A reference that cannot be
    // read counts as one without keys.
    static KeyOrder fromReference(Profile& profile, const std::string& englishFile);

    // Keys of `family` (0 for a letter that is no family).
    int count(char family) const;
    int total() const { return total_; }

    // The key at `position` (1 to total()); "" outside.
    std::string keyAt(int position) const;
    // The position of `key` ("s1"), 0 for a key that is not in the order.
    int positionOf(std::string_view key) const;

private:
    std::array<int, 5> counts_{};
    int total_ = 0;
};

} // namespace brisvane
