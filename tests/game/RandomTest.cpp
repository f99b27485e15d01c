#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>

#include "game/SystemRandom.h"

namespace brisvane {
namespace {

std::string sixFaces(Random& random) {
    std::string faces;
    for (int i = 0; i < 6; ++i) {
        faces += static_cast<char>('1' + static_cast<int>(random.next() * 6));
    }
    return faces;
}

TEST(SystemRandom, RollsDifferWithinOneClockTickAndBetweenProgramsAndFacesAreEven) {
    SystemRandom first;
    SystemRandom second;
    first.seed(100.0);
    second.seed(100.0);
    EXPECT_NE(sixFaces(first) + sixFaces(first), sixFaces(second) + sixFaces(second))
        << "two programs started together";

    std::set<std::string> rolls;
    std::array<int, 6> count{};
    for (int i = 0; i < 10000; ++i) {
        first.seed(2261.5); // the same time of day before every roll
        const std::string faces = sixFaces(first);
        rolls.insert(faces);
        for (const char face : faces) {
            ++count[static_cast<std::size_t>(face - '1')];
        }
    }
    EXPECT_GE(rolls.size(), 8500u) << "about 9000 of 46,656 rolls are expected to differ";
    for (const int n : count) {
        EXPECT_NEAR(n, 10000, 600); // more than six standard deviations
    }
}

} // namespace
} // namespace brisvane
