#include "advisor/Corrections.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>

#include "advisor/Parallel.h"

namespace brisvane::advisor {
namespace {

constexpr int UpperCount = 6;
constexpr int LowerCount = CategoryCount - UpperCount;

// A miss: where it was seen (rolls left, or a value cell) and the points play made beyond
// what was expected there.
struct Miss {
    std::size_t at;
    double points;
};

struct Game {
    std::vector<Miss> placements; // by rolls left after the placement
    std::vector<Miss> decisions;  // by the value cell of the state decided
    int score = 0;
};

// One game of the advisor's play from the start, with dice from `seed`.
Game playOne(Advisor& advisor, std::seed_seq& seed) {
    const Tables& tables = advisor.tables();
    std::mt19937_64 random(seed);
    std::vector<double> estimate(static_cast<std::size_t>(tables.layout().maxRolls) + 1);
    Game game;
    // First the points expected from the total at the time; the final score comes later.
    const auto chosen = [&](const Position& p, const Choice& own) {
        if (!tables.solvesOutright(p.open)) {
            game.decisions.push_back(
                {Tables::valueCell(p.rollsLeft, std::popcount(p.open & UpperSet),
                                   std::popcount(p.open & LowerSet)),
                 own.expected - tables.valueCorrection(p.open, p.rollsLeft)});
        }
        Position after = p;
        if (own.kind != Choice::Kind::Fill) {
            return;
        }
        fill(after, own.category);
        if (after.open != 0 && after.rollsLeft > 0 && !tables.solvesOutright(after.open)) {
            tables.estimate(after.open, std::min(after.upper, BonusLine), after.rollsLeft,
                            estimate.data());
            game.placements.push_back(
                {static_cast<std::size_t>(after.rollsLeft),
                 after.total + estimate[static_cast<std::size_t>(after.rollsLeft)]});
        }
    };
    Position start;
    start.open = tables.layout().universe;
    start.rollsLeft = tables.layout().maxRolls;
    game.score = playOut(advisor, start, random, chosen);
    for (auto* misses : {&game.placements, &game.decisions}) {
        for (Miss& m : *misses) {
            m.points = game.score - m.points;
        }
    }
    return game;
}

// Sums and counts of the misses by where they were seen.
struct Tally {
    std::vector<double> sum;
    std::vector<double> count;

    Tally(const std::vector<Game>& games, std::vector<Miss> Game::*which, std::size_t cells)
        : sum(cells, 0.0), count(cells, 0.0) {
        for (const Game& g : games) {
            for (const Miss& m : g.*which) {
                sum[m.at] += m.points;
                count[m.at] += 1;
            }
        }
    }
};

// The leaf corrections: per rolls left, the mean miss over `window` rolls either side.
std::vector<float> leafMeans(const Tally& tally, int window) {
    const int maxRolls = static_cast<int>(tally.sum.size()) - 1;
    std::vector<float> means(tally.sum.size(), 0.0f);
    for (int t = 0; t <= maxRolls; ++t) {
        double s = 0;
        double n = 0;
        for (int r = std::max(t - window, 0); r <= std::min(t + window, maxRolls); ++r) {
            s += tally.sum[static_cast<std::size_t>(r)];
            n += tally.count[static_cast<std::size_t>(r)];
        }
        means[static_cast<std::size_t>(t)] = n > 0 ? static_cast<float>(s / n) : 0.0f;
    }
    return means;
}

// The value corrections: per cell, the mean miss, over more rolls either side (up to 5) while
// the cell alone has fewer than `enough` decisions.
std::vector<float> valueMeans(const Tally& tally, int enough) {
    const int maxRolls = static_cast<int>(tally.sum.size() / Tables::valueCell(1, 0, 0)) - 1;
    std::vector<float> means(tally.sum.size(), 0.0f);
    for (int t = 0; t <= maxRolls; ++t) {
        for (int u = 0; u <= UpperCount; ++u) {
            for (int l = 0; l <= LowerCount; ++l) {
                double s = 0;
                double n = 0;
                for (int w = 0; w <= 5 && n < enough; ++w) {
                    s = 0;
                    n = 0;
                    for (int r = std::max(t - w, 0); r <= std::min(t + w, maxRolls); ++r) {
                        s += tally.sum[Tables::valueCell(r, u, l)];
                        n += tally.count[Tables::valueCell(r, u, l)];
                    }
                }
                means[Tables::valueCell(t, u, l)] = n > 0 ? static_cast<float>(s / n) : 0.0f;
            }
        }
    }
    return means;
}

} // namespace

int playOut(Advisor& advisor, Position p, std::mt19937_64& random,
            const std::function<void(const Position&, const Choice&)>& chosen) {
    const auto die = [&random] { return static_cast<int>(random() % 6) + 1; };
    Counts kept{};
    while (p.open != 0 && (p.rolled || p.rollsLeft > 0)) {
        if (!p.rolled) {
            if (chosen) {
                chosen(p, advisor.rank(p).front()); // the start of a turn: roll all six
            }
            roll(p, kept, die);
        }
        const auto choices = advisor.rank(p);
        if (choices.empty()) {
            break; // the last roll, and nothing scores
        }
        const Choice& own = choices.front();
        if (chosen) {
            chosen(p, own);
        }
        if (own.kind == Choice::Kind::Roll) {
            kept = keptDice(p, own.rollAgain);
            p.rolled = false;
            continue;
        }
        fill(p, own.category);
        kept = {};
        if (p.rollsLeft == 0) {
            break;
        }
    }
    return p.total;
}

std::vector<FitRound> fitCorrections(Tables& tables, const FitOptions& options,
                                     const Progress& progress, int threads) {
    const auto games = static_cast<std::size_t>(options.games);
    const auto rolls = static_cast<std::size_t>(tables.layout().maxRolls) + 1;
    std::vector<FitRound> rounds;
    for (int round = 0; round <= options.rounds; ++round) {
        FitRound figures;
        Position start;
        start.open = tables.layout().universe;
        start.rollsLeft = tables.layout().maxRolls;
        figures.expectedStart = Advisor(tables).expectedFinal(start);
        // Fresh advisors: their turn solves hold the corrections of this round.
        std::vector<Advisor> advisors(static_cast<std::size_t>(std::max(threads, 1)),
                                      Advisor(tables));
        std::vector<Game> played(games);
        const auto playGame = [&](std::size_t i, int thread) {
            std::seed_seq seed{options.seed, static_cast<std::uint64_t>(round),
                               static_cast<std::uint64_t>(i)};
            played[i] = playOne(advisors[static_cast<std::size_t>(thread)], seed);
        };
        const auto tick = [&](std::size_t done) {
            if (progress && (done & 63) == 0) {
                progress((round + static_cast<double>(done) / static_cast<double>(games)) /
                         (options.rounds + 1));
            }
        };
        parallelFor(games, threads, playGame, tick);
        double sum = 0;
        double squares = 0;
        for (const Game& g : played) {
            sum += g.score;
            squares += static_cast<double>(g.score) * g.score;
        }
        const double n = static_cast<double>(games);
        figures.meanScore = sum / n;
        figures.scoreError =
            n > 1 ? std::sqrt(std::max(squares - n * figures.meanScore * figures.meanScore, 0.0) /
                              (n - 1) / n)
                  : 0.0;
        rounds.push_back(figures);
        Tables::Corrections next = tables.corrections();
        if (round < options.rounds) {
            next.leaf = leafMeans(Tally(played, &Game::placements, rolls), options.window);
        } else {
            next.value =
                valueMeans(Tally(played, &Game::decisions, tables.valueCells()), options.enough);
        }
        tables.setCorrections(std::move(next));
    }
    if (progress) {
        progress(1.0);
    }
    return rounds;
}

namespace {

// The values as the body of a float array, `perLine` a line.
std::string arrayText(const std::vector<float>& values, std::size_t perLine) {
    std::string text;
    char number[32];
    for (std::size_t i = 0; i < values.size(); ++i) {
        std::snprintf(number, sizeof number, "%s%.2f,", i % perLine == 0 ? "    " : " ",
                      static_cast<double>(values[i]));
        text += number;
        if (i % perLine == perLine - 1 || i + 1 == values.size()) {
            text += "\n";
        }
    }
    return text;
}

// `text` as comment lines of at most 100 characters.
std::string commentLines(const std::string& text) {
    std::string lines = "//";
    std::size_t width = 2;
    std::size_t from = 0;
    while (from < text.size()) {
        std::size_t to = text.find(' ', from);
        to = to == std::string::npos ? text.size() : to;
        const std::string word = text.substr(from, to - from);
        if (width + 1 + word.size() > 100) {
            lines += "\n//";
            width = 2;
        }
        lines += " " + word;
        width += 1 + word.size();
        from = to + 1;
    }
    return lines + "\n";
}

} // namespace

std::string correctionsSource(const Tables::Corrections& corrections, const std::string& note) {
    return commentLines("The corrections of the whole game's tables (see Corrections.h), written "
                        "by `brisvane-sim fit`: " +
                        note +
                        ". Write it anew with that command after a change to the tables or to "
                        "the advisor's play.") +
           "\n#include \"advisor/Corrections.h\"\n\nnamespace "
           "brisvane::advisor {\nnamespace {\n\n// clang-format off\n// By rolls left "
           "0..60.\nconstexpr float Leaf[] = {\n" +
           arrayText(corrections.leaf, 10) +
           "};\n\n// By rolls left 0..60, then open upper categories 0..6 (a line each), then "
           "open lower\n// categories 0..14.\nconstexpr float Value[] = {\n" +
           arrayText(corrections.value, LowerCount + 1) +
           "};\n// clang-format on\n\n} // namespace\n\nTables::Corrections shippedCorrections() "
           "{\n    return {{std::begin(Leaf), std::end(Leaf)}, {std::begin(Value), "
           "std::end(Value)}};\n}\n\n} // namespace brisvane::advisor\n";
}

} // namespace brisvane::advisor
