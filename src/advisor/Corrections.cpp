#include "advisor/Corrections.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <tuple>

#include "advisor/LookAhead.h"
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
        if (own.kind != Choice::Kind::Fill) {
            return;
        }
        Position after = p;
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
    for (Miss& m : game.placements) {
        m.points = game.score - m.points;
    }
    return game;
}

// Sums and counts of the misses by where they were seen.
struct Tally {
    std::vector<double> sum;
    std::vector<double> count;

    Tally(const std::vector<Game>& games, std::size_t cells) : sum(cells, 0.0), count(cells, 0.0) {
        for (const Game& g : games) {
            for (const Miss& m : g.placements) {
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

// The turn starts of games played from the start, by the number of categories open, those a
// table solves outright left out: a fifth of the games each by the advisor's play, with one
// choice in `explore` taken at random, filling one section first when it can (the other left
// for late, two fifths), and hasty (see Style), so that states other players reach are seen too;
// and those of another player's games (FitOptions::otherStarts).
std::vector<std::vector<Position>> turnStarts(const Tables& tables, const FitOptions& options,
                                              int threads) {
    const auto games = static_cast<std::size_t>(options.valueGames);
    std::vector<std::vector<Position>> seen(games);
    std::vector<Advisor> advisors(static_cast<std::size_t>(std::max(threads, 1)), Advisor(tables));
    parallelFor(
        games, threads,
        [&](std::size_t i, int thread) {
            std::seed_seq seed{options.seed, std::uint64_t{0x100}, static_cast<std::uint64_t>(i)};
            std::mt19937_64 random(seed);
            Position p;
            p.open = tables.layout().universe;
            p.rollsLeft = tables.layout().maxRolls;
            bool turnStart = true; // not after dice were picked up to roll again
            const auto chosen = [&](const Position& at, const Choice& c) {
                if (!at.rolled && turnStart) {
                    seen[i].push_back(at);
                }
                turnStart = !at.rolled || c.kind == Choice::Kind::Fill;
            };
            // A fifth each: the advisor's play, choices at random, one section first, hasty.
            const Style styles[] = {
                {}, {options.explore, 0}, {0, LowerSet}, {0, UpperSet}, {0, 0, true}};
            playOut(advisors[static_cast<std::size_t>(thread)], p, random, chosen, styles[i % 5]);
        },
        {});
    seen.push_back(options.otherStarts);
    std::vector<std::vector<Position>> byOpen(CategoryCount + 1);
    for (const auto& game : seen) {
        for (const Position& p : game) {
            if (!tables.solvesOutright(p.open)) {
                byOpen[static_cast<std::size_t>(std::popcount(p.open))].push_back(p);
            }
        }
    }
    return byOpen;
}

// The value corrections of the cells with `states`' number of open categories: per cell, the
// mean of `miss` over its states, pooled over more rolls either side while fewer than
// `enough`, and over every split of the categories between the sections when none is near.
void cellMeans(const std::vector<Position>& states, const std::vector<double>& miss, int enough,
               int maxRolls, std::vector<float>& value) {
    if (states.empty()) {
        return;
    }
    const int open = std::popcount(states.front().open);
    const auto mean = [&](int t, int w, int upperOpen) {
        double s = 0;
        double n = 0;
        for (std::size_t i = 0; i < states.size(); ++i) {
            const int u = std::popcount(states[i].open & UpperSet);
            if (std::abs(states[i].rollsLeft - t) <= w && (upperOpen < 0 || u == upperOpen)) {
                s += miss[i];
                n += 1;
            }
        }
        return std::pair{s, n};
    };
    for (int u = std::max(0, open - LowerCount); u <= std::min(open, UpperCount); ++u) {
        for (int t = 1; t <= maxRolls; ++t) {
            auto [s, n] = mean(t, 0, u);
            for (int w = 1; w <= maxRolls && n < enough; ++w) {
                std::tie(s, n) = mean(t, w, u);
            }
            for (int w = 0; w <= maxRolls && n == 0; ++w) {
                std::tie(s, n) = mean(t, w, -1);
            }
            value[Tables::valueCell(t, u, open - u)] = static_cast<float>(s / n);
        }
    }
}

// The value corrections of one level (states with the same number of open categories): a
// mean per cell (cellMeans) plus a term per category open and per two categories open together,
// fitted in turns. A term is shrunk toward 0 as if `Shrink` more states had missed nothing, so a
// category (or two) seldom open at the level keeps about none.
void levelMeans(const std::vector<Position>& states, const std::vector<double>& miss,
                const FitOptions& options, int maxRolls, Tables::Corrections& fitted) {
    constexpr double Shrink = 30;
    constexpr int Rounds = 6; // of the terms, each followed by the cells; they settle by then
    if (states.empty()) {
        return;
    }
    const int level = std::popcount(states.front().open);
    // The states of each term: those with its category, or both of its categories, open.
    std::vector<std::vector<std::size_t>> members(Tables::OpenTerms);
    for (std::size_t i = 0; i < states.size(); ++i) {
        Tables::forOpenTerms(states[i].open, [&](std::size_t t) { members[t].push_back(i); });
    }
    std::vector<double> term(Tables::OpenTerms, 0.0);
    std::vector<double> terms(states.size(), 0.0); // the sum of each state's terms
    std::vector<double> rest(miss.size());         // what the terms leave to the cells
    const auto cellOf = [](const Position& p) {
        return Tables::valueCell(p.rollsLeft, std::popcount(p.open & UpperSet),
                                 std::popcount(p.open & LowerSet));
    };
    for (int round = 0; round <= Rounds; ++round) {
        for (std::size_t i = 0; i < states.size(); ++i) {
            rest[i] = miss[i] - terms[i];
        }
        cellMeans(states, rest, options.enough, maxRolls, fitted.value);
        if (round == Rounds) {
            break;
        }
        // One term after the other, each from the others' latest, so the terms of categories
        // often open together do not each take the same share.
        for (std::size_t t = 0; t < term.size(); ++t) {
            double sum = 0;
            for (const std::size_t i : members[t]) {
                sum += miss[i] - terms[i] + term[t] -
                       static_cast<double>(fitted.value[cellOf(states[i])]);
            }
            const double next = sum / (static_cast<double>(members[t].size()) + Shrink);
            for (const std::size_t i : members[t]) {
                terms[i] += next - term[t];
            }
            term[t] = next;
        }
    }
    for (std::size_t t = 0; t < term.size(); ++t) {
        fitted.open[Tables::openCell(level, 1, 1) + t] = static_cast<float>(term[t]);
    }
}

// The value corrections fitted to the look-ahead (see LookAhead), fewest open categories
// first: a cell's correction is what a turn from its states, each fill worth the next turn's
// start with the corrections already fitted, makes beyond the advisor's own value of the turn.
// So the advisor's values agree on average with one turn more of its own play, cell by cell,
// on the states play reaches, and not only on the states its own play reaches.
void lookAheadMeans(Tables& tables, const FitOptions& options, const Progress& progress,
                    int threads) {
    const auto byOpen = turnStarts(tables, options, threads);
    std::size_t total = 0;
    for (const auto& level : byOpen) {
        total += level.size();
    }
    const int maxRolls = tables.layout().maxRolls;
    Tables::Corrections fitted{tables.corrections().leaf,
                               std::vector<float>(tables.valueCells(), 0.0f),
                               std::vector<float>(Tables::OpenCells, 0.0f)};
    tables.setCorrections(fitted);
    std::vector<Advisor> advisors(static_cast<std::size_t>(std::max(threads, 1)), Advisor(tables));
    std::vector<LookAhead> looks;
    for (Advisor& a : advisors) {
        looks.emplace_back(a);
    }
    std::size_t before = 0;
    for (const auto& states : byOpen) {
        std::vector<double> miss(states.size());
        parallelFor(
            states.size(), threads,
            [&](std::size_t i, int thread) {
                LookAhead& look = looks[static_cast<std::size_t>(thread)];
                const Position& p = states[i];
                look.start(p);
                miss[i] = look.startValue(p.rollsLeft) - look.ownStartValue(p.rollsLeft);
            },
            [&](std::size_t done) {
                if (progress && (done & 15) == 0) {
                    progress(static_cast<double>(before + done) / static_cast<double>(total));
                }
            });
        before += states.size();
        levelMeans(states, miss, options, maxRolls, fitted);
        tables.setCorrections(fitted);
    }
}

// A choice at random: a fill or a roll alike when both may be taken (a roll again has up to
// 63 ways, so a pick among all choices would hardly ever fill), then one of that kind.
const Choice& randomChoice(const std::vector<Choice>& choices, std::mt19937_64& random) {
    const auto fills =
        static_cast<std::size_t>(std::count_if(choices.begin(), choices.end(), [](const Choice& c) {
            return c.kind == Choice::Kind::Fill;
        }));
    const std::size_t rolls = choices.size() - fills;
    const bool fill = rolls == 0 || (fills > 0 && random() % 2 == 0);
    std::size_t pick = random() % (fill ? fills : rolls);
    for (const Choice& c : choices) {
        if ((c.kind == Choice::Kind::Fill) == fill && pick-- == 0) {
            return c;
        }
    }
    return choices.front();
}

// The hasty player's choice (see Style): `own` unless a fill scores well, or the turn is long.
const Choice& hastyChoice(const std::vector<Choice>& choices, const Choice& own, bool longTurn) {
    for (const Choice& c : choices) {
        if (c.kind == Choice::Kind::Fill &&
            (longTurn || 10 * c.points >= 6 * categoryMaximum(c.category))) {
            return c;
        }
    }
    return own;
}

} // namespace

int playOut(Advisor& advisor, Position p, std::mt19937_64& random,
            const std::function<void(const Position&, const Choice&)>& chosen, const Style& style) {
    const auto die = [&random] { return static_cast<int>(random() % 6) + 1; };
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    Counts kept{};
    int turnRolls = 0;
    while (p.open != 0 && (p.rolled || p.rollsLeft > 0)) {
        if (!p.rolled) {
            if (chosen) {
                chosen(p, advisor.rank(p).front()); // the start of a turn: roll all six
            }
            roll(p, kept, die);
            ++turnRolls;
        }
        const auto choices = advisor.rank(p);
        if (choices.empty()) {
            break; // the last roll, and nothing scores
        }
        const Choice* own = style.explore > 0 && chance(random) < style.explore
                                ? &randomChoice(choices, random)
                                : &choices.front();
        if (style.hasty) {
            own = &hastyChoice(choices, *own, turnRolls >= 3);
        }
        if (own->kind == Choice::Kind::Fill && (bitOf(own->category) & style.first) == 0) {
            const auto first = std::find_if(choices.begin(), choices.end(), [&](const Choice& c) {
                return c.kind == Choice::Kind::Fill && (bitOf(c.category) & style.first) != 0;
            });
            own = first != choices.end() ? &*first : own;
        }
        if (chosen) {
            chosen(p, *own);
        }
        if (own->kind == Choice::Kind::Roll) {
            kept = keptDice(p, own->rollAgain);
            p.rolled = false;
            continue;
        }
        fill(p, own->category);
        kept = {};
        turnRolls = 0;
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
                         (options.rounds + 2));
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
        if (round < options.rounds) {
            Tables::Corrections next = tables.corrections();
            next.leaf = leafMeans(Tally(played, rolls), options.window);
            tables.setCorrections(std::move(next));
        }
    }
    const auto share = [&](double done) {
        if (progress) {
            progress((options.rounds + 1 + done) / (options.rounds + 2));
        }
    };
    lookAheadMeans(tables, options, share, threads);
    if (progress) {
        progress(1.0);
    }
    return rounds;
}

std::string arrayText(const std::vector<float>& values, std::size_t perLine) {
    std::string text;
    char number[32];
    for (std::size_t i = 0; i < values.size(); ++i) {
        std::snprintf(number, sizeof number, "%s%.2ff,", i % perLine == 0 ? "    " : " ",
                      static_cast<double>(values[i]));
        text += number;
        if (i % perLine == perLine - 1 || i + 1 == values.size()) {
            text += "\n";
        }
    }
    return text;
}

namespace {

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
           "};\n\n// By categories open 0..20 (14 lines each), then the two categories open a <= b "
           "(Ones to\n// Yatzy) in the order (1, 1), (1, 2), (2, 2), (1, 3), .. (20, 20).\n"
           "constexpr float Open[] = {\n" +
           arrayText(corrections.open, Tables::OpenTerms / 14) +
           "};\n// clang-format on\n\n} // namespace\n\nTables::Corrections shippedCorrections() "
           "{\n    return {{std::begin(Leaf), std::end(Leaf)},\n            {std::begin(Value), "
           "std::end(Value)},\n            {std::begin(Open), std::end(Open)}};\n}\n\n} // "
           "namespace brisvane::advisor\n";
}

} // namespace brisvane::advisor
