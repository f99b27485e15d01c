#include "scores/HsTable.h"

#include "common/Numbers.h"

namespace brisvane {

std::string HsTable::placeKey(char field, int place) {
    return std::string(1, field) + std::to_string(place);
}

HsTable HsTable::read(Profile& profile, const std::string& iniFile) {
    HsTable table;
    table.firstChanged_ = Places + 1;
    for (int i = 1; i <= Places; ++i) {
        HsEntry& slot = table.slots[static_cast<std::size_t>(i)];
        slot.points = intValue(profile.GetINI(Section, placeKey('p', i), iniFile));
        slot.name = profile.GetINI(Section, placeKey('n', i), iniFile);
        slot.key = profile.GetINI(Section, placeKey('k', i), iniFile);
        slot.date = profile.GetINI(Section, placeKey('d', i), iniFile);
    }
    return table;
}

std::vector<ProfileChange> HsTable::changes() const {
    std::vector<ProfileChange> out;
    out.reserve(4 * Places);
    for (int i = 1; i <= Places; ++i) {
        const HsEntry& slot = slots[static_cast<std::size_t>(i)];
        const bool keep = i < firstChanged_;
        out.push_back({Section, placeKey('p', i), std::to_string(slot.points), keep});
        out.push_back({Section, placeKey('n', i), slot.name, keep});
        out.push_back({Section, placeKey('k', i), slot.key, keep});
        out.push_back({Section, placeKey('d', i), slot.date, keep});
    }
    return out;
}

int HsTable::placeFor(int points) const {
    for (int i = 1; i < Places; ++i) {
        if (points > slots[static_cast<std::size_t>(i)].points) {
            return i;
        }
    }
    return points > LowestPoints() ? Places : 0;
}

void HsTable::insertCandidate() {
    NewPlace = placeFor(slots[0].points);
    if (NewPlace == 0) {
        return;
    }
    for (int i = Places; i > NewPlace; --i) {
        slots[static_cast<std::size_t>(i)] = slots[static_cast<std::size_t>(i - 1)];
    }
    slots[static_cast<std::size_t>(NewPlace)] = slots[0];
    firstChanged_ = NewPlace;
}

} // namespace brisvane
