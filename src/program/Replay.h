#pragma once
// What became of the request to review a recorded game again: the statistics window asks,
// the advice panel answers, at once or, for a review under way, later.

#include <string>

#include "advisor/Review.h"

namespace brisvane {

struct Replay {
    enum class State {
        Preparing,   // the advisor's tables are being made ready
        Reviewing,   // the review runs
        Reviewed,    // `review` holds it
        Refused,     // the record cannot be replayed: `why`
        Unavailable, // the advisor cannot be had: `why`
    };
    State state = State::Unavailable;
    advisor::Review review;
    std::string why;
    int percent = 0; // Preparing: how far it is
};

} // namespace brisvane
