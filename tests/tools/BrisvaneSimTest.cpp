// The headless tool as scripts use it: its output format, its agreement with the engine over
// every roll, repeatable games, and a clear refusal of bad arguments.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "game/Scoring.h"

namespace brisvane {
namespace {

const std::string Tool = BRISVANE_BINARY_DIR "/tools/brisvane-sim";

struct ToolRun {
    int status = -1;
    std::string out;
};

// Runs the tool; `streams` picks what is captured ("2>/dev/null" for stdout, "2>&1 >/dev/null"
// for stderr).
ToolRun run(const std::string& args, const std::string& streams = "2>/dev/null") {
    ToolRun r;
    FILE* pipe = popen((Tool + " " + args + " " + streams).c_str(), "r");
    if (pipe == nullptr) {
        return r;
    }
    char buffer[65536];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        r.out.append(buffer, n);
    }
    const int raw = pclose(pipe);
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return r;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> all;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        all.push_back(line);
    }
    return all;
}

class BrisvaneSim : public ::testing::Test {
protected:
    void SetUp() override {
        // The test binary depends on the tool, so a missing tool is a broken build.
        ASSERT_TRUE(std::filesystem::exists(Tool)) << "brisvane-sim is not built";
    }
};

TEST_F(BrisvaneSim, EvalShowsWhatEachCategoryGivesNow) {
    const ToolRun r = run("eval 6 6 6 6 5 5 --closed 18,6 --rolls-left 0");
    ASSERT_EQ(r.status, 0);
    const auto out = lines(r.out);
    ASSERT_EQ(out.size(), 22u);
    const Dice dice{6, 6, 6, 6, 5, 5};
    const Evaluation e =
        evaluate(dice, AllCategories & ~bitOf(category::Tower) & ~bitOf(category::Sixes), 0, 0);
    for (int k = 1; k <= CategoryCount; ++k) {
        EXPECT_EQ(out[static_cast<std::size_t>(k - 1)],
                  std::to_string(k) + " " + std::string(categoryName(k)) + " " +
                      std::to_string(e.value[static_cast<std::size_t>(k)]));
    }
    EXPECT_EQ(out[18], "19 Chance 34");
    EXPECT_EQ(out[17], "18 Tower 0") << "closed";
    EXPECT_EQ(out[20], "any 1");
    EXPECT_EQ(out[21], "suggest " + std::to_string(e.suggestedCategory));
}

TEST_F(BrisvaneSim, EvalAllListsEveryRollInAscendingOrder) {
    const ToolRun r = run("eval --all --rolls-left 0 --closed 19,1");
    ASSERT_EQ(r.status, 0);
    const auto out = lines(r.out);
    ASSERT_EQ(out.size(), 46656u);
    const CategorySet open = AllCategories & ~bitOf(category::Chance) & ~bitOf(category::Ones);
    for (int index = 0; index < RollCount; ++index) {
        const Dice d = rollOfIndex(index);
        std::string expected;
        for (const int f : d) {
            expected += static_cast<char>('0' + f);
        }
        const Evaluation e = evaluate(d, open, 0, 0);
        for (int k = 1; k <= CategoryCount; ++k) {
            expected += " " + std::to_string(e.value[static_cast<std::size_t>(k)]);
        }
        expected += " " + std::to_string(e.anyScorable) + " " + std::to_string(e.suggestedCategory);
        ASSERT_EQ(out[static_cast<std::size_t>(index)], expected);
    }
}

TEST_F(BrisvaneSim, TheSameSeedPlaysTheSameGames) {
    const auto statistics = [](const std::string& seed) {
        const ToolRun r = run("play --games 40 --seed " + seed);
        EXPECT_EQ(r.status, 0);
        auto out = lines(r.out);
        EXPECT_EQ(out.size(), 8u);
        if (!out.empty()) {
            EXPECT_EQ(out.back().rfind("games-per-second ", 0), 0u);
            out.pop_back(); // the only line that depends on the machine
        }
        return out;
    };
    const auto first = statistics("9");
    ASSERT_EQ(first.size(), 7u);
    const std::vector<std::string> names = {"games", "mean",       "stdev",     "min",
                                            "max",   "bonus-rate", "yatzy-rate"};
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(first[i].substr(0, first[i].find(' ')), names[i]);
    }
    EXPECT_EQ(first[0], "games 40");
    EXPECT_EQ(statistics("9"), first);
    EXPECT_NE(statistics("10"), first);
}

TEST_F(BrisvaneSim, BadArgumentsGetOneUsageLineAndStatusTwo) {
    for (const char* args : {"",
                             "frobnicate",
                             "eval",
                             "eval 1 2 3 4 5",
                             "eval 1 2 3 4 5 6 1",
                             "eval 1 2 3 4 5 7",
                             "eval 0 1 2 3 4 5",
                             "eval --all 1",
                             "eval 1 2 3 4 5 6 --closed 21",
                             "eval 1 2 3 4 5 6 --closed 1,,2",
                             "eval 1 2 3 4 5 6 --closed 3,",
                             "eval --all --rolls-left -1",
                             "eval --all --rolls-left 61",
                             "eval --all --rolls-left",
                             "play",
                             "play --games 0",
                             "play --games x",
                             "play --seed 1",
                             "play --games 5 --seed",
                             "play --games 5 --fast"}) {
        const ToolRun out = run(args);
        EXPECT_EQ(out.status, 2) << args;
        EXPECT_EQ(out.out, "") << args;
        const ToolRun err = run(args, "2>&1 >/dev/null");
        EXPECT_EQ(err.out.rfind("usage: brisvane-sim", 0), 0u) << args;
        EXPECT_EQ(lines(err.out).size(), 1u) << args;
    }
}

} // namespace
} // namespace brisvane
