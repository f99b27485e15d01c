#pragma once
// The leaf corrections: what the tables' estimate misses of the value that the advisor's
// look-ahead over the next turn gives the same state.
//
// After a placement the advisor values the rest of the game by the estimate (see Tables);
// when the next turn starts, it looks ahead over that turn exactly, with the estimate after
// that turn's placement. Where the two disagree, a placement is valued otherwise than the turn
// that follows it: that misleads the choice between placements and, in a review, would book
// the difference as luck. So the difference is measured when the tables are solved and added
// to the estimate, as the mean by rolls left and open categories on either side. States are
// drawn at random for each number of open upper and lower categories (the categories, and
// upper points as the filled upper categories commonly give them), from the fewest open
// categories up: the look-ahead of a state with n open categories reads the corrected
// estimate of n - 1 only. One look-ahead serves every number of rolls.

#include <cstdint>
#include <vector>

#include "advisor/Tables.h"

namespace brisvane::advisor {

struct FitOptions {
    int statesPerCell = 24; // states drawn for each number of open upper and lower categories
    std::uint64_t seed = 20020222;
};

// Sets the corrections of `tables` (solved, but for the corrections), level by level.
// `progress` may throw to stop the work; the work is
// shared among `threads` threads (the calling one included).
void fitCorrections(Tables& tables, const FitOptions& options, const Progress& progress = {},
                    int threads = 1);

} // namespace brisvane::advisor
