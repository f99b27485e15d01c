#pragma once
// What the game window asks of the advisor: the ranked choices of the state on the table and
// the review of a finished game. The real source needs the advisor's tables, which take a
// while to load (or, the first time, to solve), so the window prepares it away from its own
// thread and asks it afterwards; tests give the window a source of their own.

#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "advisor/Advisor.h"
#include "advisor/Review.h"

namespace brisvane::advisor {

class AdviceSource {
public:
    virtual ~AdviceSource() = default;
    // As Advisor::rank.
    virtual std::vector<Choice> rank(const Position& position) = 0;
    // As advisor::review; throws std::invalid_argument for a record it cannot replay.
    virtual Review review(const std::vector<Step>& steps) = 0;
    // A review that may run on another thread while this source answers the game: it reviews
    // with an advisor of its own and keeps what it needs alive for as long as it lives. It
    // throws as review() does.
    using Reviewer = std::function<Review(const std::vector<Step>& steps)>;
    virtual Reviewer reviewer() const = 0;
};

// The advisor of the whole game, with its tables from `folder` (solved and kept there when
// missing; see Tables::loadOrSolve). The earlier build's tables are removed from `folder`
// first (see removeEarlierTables). `progress` may throw to stop the work.
std::unique_ptr<AdviceSource> prepareAdvice(const std::filesystem::path& folder,
                                            const Progress& progress);

// The tables file the earlier build kept in `folder` (in double precision, about 50 MB, under
// a name of its own that nothing reads any more): removed, quietly. Nothing else is touched.
void removeEarlierTables(const std::filesystem::path& folder);

} // namespace brisvane::advisor
