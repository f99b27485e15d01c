#pragma once
// An advisor that answers from a script: every position with dice on the table gets
// `choices`, an empty table the roll of all six; a review gets `answer`. It keeps what it was
// asked.

#include <vector>

#include "advisor/AdviceSource.h"

namespace brisvane::testing {

inline advisor::Choice rollAgain(advisor::Counts faces, double expected) {
    advisor::Choice c;
    c.rollAgain = faces;
    c.expected = expected;
    return c;
}

inline advisor::Choice fillWith(int category, int points, double expected) {
    advisor::Choice c;
    c.kind = advisor::Choice::Kind::Fill;
    c.category = category;
    c.points = points;
    c.expected = expected;
    return c;
}

class ScriptedAdvice : public advisor::AdviceSource {
public:
    std::vector<advisor::Choice> choices;
    advisor::Review answer{500, 3, 480, -17, 1};
    std::vector<advisor::Position> asked;

    std::vector<advisor::Choice> rank(const advisor::Position& position) override {
        asked.push_back(position);
        if (!position.rolled) {
            return {rollAgain({6, 0, 0, 0, 0, 0}, 500)};
        }
        return choices;
    }
    advisor::Review review(const std::vector<advisor::Step>&) override { return answer; }
    // Answers as review() does, from a copy of `answer` taken now.
    Reviewer reviewer() const override {
        return [answer = answer](const std::vector<advisor::Step>&) { return answer; };
    }
};

} // namespace brisvane::testing
