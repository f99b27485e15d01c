#pragma once
// The top-ten list of section Highscore of the settings file, as a working copy for one
// recording: slot 0 holds the candidate (the game just finished), slots 1..10 the places.

#include "common/Profile.h"

#include <array>
#include <string>
#include <vector>

namespace brisvane {

struct HsEntry {
    int points = 0;
    std::string name;
    std::string key;  // entry key, digits (see EntryKey.h)
    std::string date; // month + 100 * two-digit year, e.g. "202"
};

class HsTable {
  public:
    static constexpr int Places = 10;
    static constexpr const char* Section = "Highscore";

    // "p3", "n10", ...: the settings key of one field of a place.
    static std::string placeKey(char field, int place);

    // Reads places 1..10. Absent or non-numeric points read as 0; numbers beyond the int range
    // saturate instead of wrapping, so a hand-edited huge 10th place never turns into a
    // negative threshold that every game would beat. Slot 0 is left empty.
    static HsTable read(Profile& profile, const std::string& iniFile);

    // The forty place keys as one batch for Profile::SetINIs. The places the candidate moved
    // (or, for a table that was not read, all ten) are written, points as plain decimal text;
    // every other place keeps its stored text byte for byte, and only its missing keys are
    // created.
    std::vector<ProfileChange> changes() const;

    // The place the candidate with these points would take, 1..10, or 0 when it does not
    // enter. A candidate equal to a place goes below it.
    int placeFor(int points) const;

    // Inserts slot 0 at placeFor(its points), moving the places below it down one and dropping
    // the old 10th; sets NewPlace to the place taken, or 0.
    void insertCandidate();

    std::array<HsEntry, Places + 1> slots;
    // The points of place 10, the entry threshold.
    int LowestPoints() const { return slots[Places].points; }
    int NewPlace = 0;

  private:
    // The first place whose stored keys are to be replaced; past the last when none are.
    int firstChanged_ = 1;
};

} // namespace brisvane
