// The dice generator and the repeatable games of the headless tools.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "game/AutoPlayer.h"
#include "game/HeadlessGame.h"
#include "game/SystemRandom.h"

namespace brisvane {
namespace {

std::string sixFaces(Random& random) {
    std::string faces;
    for (int i = 0; i < 6; ++i) {
        const double r = random.next();
        EXPECT_GE(r, 0.0);
        EXPECT_LT(r, 1.0);
        faces += static_cast<char>('1' + static_cast<int>(r * 6));
    }
    return faces;
}

TEST(SystemRandom, RollsWithinOneClockTickStillDiffer) {
    SystemRandom random;
    std::set<std::string> rolls;
    for (int i = 0; i < 100; ++i) {
        random.seed(2261.5); // the same time of day every time
        rolls.insert(sixFaces(random));
    }
    EXPECT_GE(rolls.size(), 95u);
}

TEST(SystemRandom, TwoProgramsStartedTogetherRollDifferently) {
    SystemRandom first;
    SystemRandom second;
    first.seed(100.0);
    second.seed(100.0);
    EXPECT_NE(sixFaces(first) + sixFaces(first), sixFaces(second) + sixFaces(second));
}

TEST(SystemRandom, FacesAreEvenlySpread) {
    SystemRandom random;
    std::array<int, 6> count{};
    for (int i = 0; i < 60000; ++i) {
        if (i % 6 == 0) {
            random.seed(0.0);
        }
        ++count[static_cast<std::size_t>(random.next() * 6)];
    }
    for (const int n : count) {
        EXPECT_NEAR(n, 10000, 600); // more than six standard deviations
    }
}

TEST(SeededRandom, TheSameSeedPlaysTheSameGames) {
    const auto play = [](std::uint64_t seed) {
        HeadlessGame table(seed);
        AutoPlayer player(table.game());
        std::vector<int> totals;
        for (int g = 0; g < 20; ++g) {
            totals.push_back(player.playGame().TotalScore);
        }
        EXPECT_EQ(table.profile().GetINI("Session", "total", HeadlessGame::IniFile), "20");
        return totals;
    };
    EXPECT_EQ(play(7), play(7));
    EXPECT_NE(play(7), play(8));
}

TEST(AutoPlayer, FinishesEveryGameWithinTheRules) {
    HeadlessGame table(3);
    AutoPlayer player(table.game());
    for (int g = 0; g < 200; ++g) {
        const GameResult r = player.playGame();
        EXPECT_GT(r.TotalScore, 0);
        EXPECT_LE(r.TotalScore, 6 + 12 + 18 + 24 + 30 + 36 + 100 + 12 + 22 + 30 + 18 + 24 + 30 +
                                    15 + 20 + 21 + 28 + 33 + 34 + 36 + 100);
        EXPECT_EQ(table.game().state().RollsLeft, 60) << "the next game is set up";
    }
}

} // namespace
} // namespace brisvane
