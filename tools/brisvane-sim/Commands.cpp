#include "Commands.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <memory>
#include <random>
#include <sstream>
#include <string>

#include "advisor/Advisor.h"
#include "advisor/AdvisorPlayer.h"
#include "advisor/Corrections.h"
#include "advisor/LookAhead.h"
#include "advisor/LowerSplitGaps.h"
#include "advisor/Parallel.h"
#include "advisor/Review.h"
#include "advisor/StepRecorder.h"
#include "common/ProgramFolder.h"
#include "game/AutoPlayer.h"
#include "game/HeadlessGame.h"

namespace brisvane::sim {
namespace {

// Progress on one line of standard error, "what:  42 %", rewritten when the percentage changes.
std::function<void(double)> percentLine(const char* what) {
    return [what, shown = -1](double share) mutable {
        const int percent = static_cast<int>(share * 100);
        if (percent != shown) {
            shown = percent;
            std::fprintf(stderr, "\r%s: %3d %%", what, percent);
            std::fflush(stderr);
        }
    };
}

using advisor::Advisor;
using advisor::Tables;

// Has `recorder` follow the game on the table, and `steps` take each game's steps when its end
// is pending, before the end starts the next game.
void followSteps(GameModel& game, advisor::StepRecorder& recorder,
                 std::vector<advisor::Step>& steps) {
    recorder.observe(game.state());
    game.subscribe([&game, &recorder, &steps] {
        recorder.observe(game.state());
        if (game.TimerEnd.enabled) {
            steps = recorder.steps();
        }
    });
}

struct TableChoice {
    std::filesystem::path folder;
    advisor::TableLayout layout;
};

// Takes "--tables DIR" and "--joined K,K,..." (the lower categories solved with the upper
// section) out of the arguments; nothing when one has no value.
std::optional<TableChoice> takeTables(Args& args) {
    TableChoice choice;
    choice.folder = ProgramFolder::dataHome(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    if (!choice.folder.empty()) {
        choice.folder /= "brisvane";
    }
    for (std::size_t i = 0; i < args.size();) {
        if (args[i] != "--tables" && args[i] != "--joined") {
            ++i;
            continue;
        }
        if (i + 1 >= args.size()) {
            return std::nullopt;
        }
        if (args[i] == "--tables") {
            choice.folder = std::filesystem::path(std::string(args[i + 1]));
        } else {
            const auto joined = parseClosed(args[i + 1]);
            if (!joined || (*joined & advisor::UpperSet) != 0) {
                return std::nullopt;
            }
            choice.layout.joined = *joined;
        }
        args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                   args.begin() + static_cast<std::ptrdiff_t>(i + 2));
    }
    return choice;
}

std::unique_ptr<Tables> loadTables(const TableChoice& choice) {
    const auto start = std::chrono::steady_clock::now();
    auto prepared = Tables::loadOrSolve(choice.layout, choice.folder,
                                        percentLine("solving the advisor's tables"),
                                        advisor::workThreads());
    if (prepared.solved) {
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (prepared.notKept.empty()) {
            std::fprintf(stderr, "\rsolved the advisor's tables in %.1f s, kept in %s\n", seconds,
                         choice.folder.string().c_str());
        } else {
            std::fprintf(stderr,
                         "\rsolved the advisor's tables in %.1f s, but they could not be kept "
                         "(%s): the next run solves them again\n",
                         seconds, prepared.notKept.c_str());
        }
    }
    return std::move(prepared.tables);
}

} // namespace

namespace {

struct PlayOptions {
    std::uint64_t games = 0;
    std::uint64_t seed = 1;
    bool useAdvisor = false;
    bool review = false;
    std::string recordFile;
};

std::optional<PlayOptions> parsePlay(const Args& args) {
    PlayOptions o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--review") {
            o.review = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            return std::nullopt;
        }
        const std::string_view value = args[++i];
        if (args[i - 1] == "--games") {
            const auto n = parseNumber(value, 1'000'000'000);
            if (!n || *n == 0) {
                return std::nullopt;
            }
            o.games = *n;
        } else if (args[i - 1] == "--seed") {
            const auto n = parseNumber(value, UINT64_MAX);
            if (!n) {
                return std::nullopt;
            }
            o.seed = *n;
        } else if (args[i - 1] == "--player" && (value == "hint" || value == "advisor")) {
            o.useAdvisor = value == "advisor";
        } else if (args[i - 1] == "--record") {
            o.recordFile = std::string(value);
        } else {
            return std::nullopt;
        }
    }
    if (o.games == 0) {
        return std::nullopt;
    }
    return o;
}

// Mean, sample standard deviation and the 95 % interval of the mean (normal approximation).
struct Summary {
    double sum = 0;
    double sumSquares = 0;
    std::uint64_t n = 0;

    void add(double x) {
        sum += x;
        sumSquares += x * x;
        ++n;
    }
    double mean() const { return n > 0 ? sum / static_cast<double>(n) : 0.0; }
    double stdev() const {
        if (n < 2) {
            return 0.0; // one value has none
        }
        const double m = mean();
        const double variance =
            (sumSquares - static_cast<double>(n) * m * m) / static_cast<double>(n - 1);
        return std::sqrt(variance > 0 ? variance : 0.0);
    }
    double halfInterval() const { return 1.96 * stdev() / std::sqrt(static_cast<double>(n)); }
};

struct PlayTally {
    Summary score;
    int lowest = 0;
    int highest = 0;
    std::uint64_t bonuses = 0;
    std::uint64_t yatzies = 0;
    std::uint64_t unfilled = 0;
    double expectedStart = 0;
    Summary cost;
    Summary luck;

    void add(const GameResult& r) {
        lowest = score.n == 0 || r.TotalScore < lowest ? r.TotalScore : lowest;
        highest = score.n == 0 || r.TotalScore > highest ? r.TotalScore : highest;
        score.add(r.TotalScore);
        bonuses += r.bonus ? 1 : 0;
        yatzies += r.yatzy ? 1 : 0;
        unfilled += r.categoriesLeft > 0 ? 1 : 0;
    }
};

void printTally(const PlayTally& t, const PlayOptions& o, double seconds) {
    const auto n = static_cast<double>(t.score.n);
    std::printf("games %llu\n", static_cast<unsigned long long>(t.score.n));
    std::printf("mean %.2f\n", t.score.mean());
    std::printf("stdev %.2f\n", t.score.stdev());
    std::printf("min %d\n", t.lowest);
    std::printf("max %d\n", t.highest);
    std::printf("bonus-rate %.4f\n", static_cast<double>(t.bonuses) / n);
    std::printf("yatzy-rate %.4f\n", static_cast<double>(t.yatzies) / n);
    std::printf("mean-95 %.2f %.2f\n", t.score.mean() - t.score.halfInterval(),
                t.score.mean() + t.score.halfInterval());
    std::printf("unfilled-rate %.4f\n", static_cast<double>(t.unfilled) / n);
    std::printf("player %s\n", o.useAdvisor ? "advisor" : "hint");
    if (o.review) {
        std::printf("expected-start %.2f\n", t.expectedStart);
        std::printf("cost-mean %.2f\n", t.cost.mean());
        std::printf("luck-mean %.2f\n", t.luck.mean());
        std::printf("luck-sd %.2f\n", t.luck.stdev());
    }
    std::printf("games-per-second %.0f\n", seconds > 0 ? n / seconds : 0.0);
}

} // namespace

int runPlay(const Args& given) {
    Args args = given;
    const auto folder = takeTables(args);
    const auto o = parsePlay(args);
    if (!folder || !o) {
        return usageError();
    }
    std::unique_ptr<Tables> tables;
    std::unique_ptr<Advisor> player;
    std::unique_ptr<Advisor> reviewer;
    if (o->useAdvisor || o->review) {
        tables = loadTables(*folder);
        player = std::make_unique<Advisor>(*tables);
        reviewer = std::make_unique<Advisor>(*tables);
    }
    std::ofstream record;
    if (!o->recordFile.empty()) {
        record.open(o->recordFile, std::ios::trunc);
        if (!record) {
            std::fprintf(stderr, "brisvane-sim: cannot write %s\n", o->recordFile.c_str());
            return 1;
        }
    }

    HeadlessGame table(o->seed);
    GameModel& game = table.game();
    // The steps of the game on the table, taken before its end starts the next game; only
    // followed when they are written or reviewed (watching every change costs a fifth of a game).
    advisor::StepRecorder recorder;
    std::vector<advisor::Step> steps;
    if (record.is_open() || o->review) {
        followSteps(game, recorder, steps);
    }
    AutoPlayer hintPlayer(game);
    std::optional<advisor::AdvisorPlayer> advisorPlayer;
    if (o->useAdvisor) {
        advisorPlayer.emplace(game, *player);
    }
    PlayTally tally;
    const auto start = std::chrono::steady_clock::now();
    for (std::uint64_t g = 0; g < o->games; ++g) {
        const GameResult r = advisorPlayer ? advisorPlayer->playGame() : hintPlayer.playGame();
        tally.add(r);
        if (record.is_open()) {
            record << "# game " << g + 1 << ", " << r.TotalScore << " points\n"
                   << advisor::formatRecord(steps);
        }
        if (o->review) {
            const advisor::Review review = advisor::review(*reviewer, steps);
            tally.expectedStart = review.expectedStart;
            tally.cost.add(review.cost);
            tally.luck.add(review.luck);
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    printTally(tally, *o, seconds);
    return 0;
}

namespace {

// Plays the state on `games` times by the advisor's choices: the mean final score and its
// standard error, to set beside the expected score the advisor shows.
void printPlayouts(Advisor& adviser, const advisor::Position& p, std::uint64_t games,
                   std::uint64_t seed) {
    Summary score;
    for (std::uint64_t g = 0; g < games; ++g) {
        std::seed_seq sequence{seed, g};
        std::mt19937_64 random(sequence);
        score.add(advisor::playOut(adviser, p, random));
    }
    std::printf("playouts %llu mean %.2f error %.2f\n", static_cast<unsigned long long>(games),
                score.mean(), score.stdev() / std::sqrt(static_cast<double>(score.n)));
}

// The turn starts of `games` games of the hint player (see AutoPlayer), which the advisor's fit
// cannot play itself: it plays through the game, and its record is replayed here.
std::vector<advisor::Position> hintTurnStarts(int games, std::uint64_t seed) {
    HeadlessGame table(seed);
    GameModel& game = table.game();
    advisor::StepRecorder recorder;
    std::vector<advisor::Step> steps;
    followSteps(game, recorder, steps);
    AutoPlayer player(game);
    std::vector<advisor::Position> starts;
    for (int g = 0; g < games; ++g) {
        player.playGame();
        advisor::Position p;
        bool turnStart = true;
        for (const advisor::Step& step : steps) {
            if (step.kind == advisor::Step::Kind::Roll) {
                if (turnStart) {
                    starts.push_back(p);
                }
                turnStart = false;
                p.dice = step.dice;
                --p.rollsLeft;
            } else if (step.kind == advisor::Step::Kind::Fill) {
                advisor::fill(p, step.category);
                turnStart = true;
            }
        }
    }
    return starts;
}

// One turn start of each of `games` games of the advisor's own play and of the hint player's
// (`hint`), not a game's first and with two categories or more open, picked at random.
std::vector<advisor::Position> sampledStarts(Advisor& adviser, int games, std::uint64_t seed,
                                             bool hint) {
    std::mt19937_64 random(seed);
    std::vector<std::vector<advisor::Position>> byGame;
    if (hint) {
        for (const advisor::Position& p : hintTurnStarts(games, seed)) {
            if (p.open == AllCategories) {
                byGame.emplace_back();
            }
            byGame.back().push_back(p);
        }
    } else {
        const advisor::Position start; // a game's start
        for (int g = 0; g < games; ++g) {
            byGame.emplace_back();
            bool turnStart = true; // not after dice were picked up to roll again
            advisor::playOut(adviser, start, random,
                             [&](const advisor::Position& at, const advisor::Choice& c) {
                                 if (!at.rolled && turnStart) {
                                     byGame.back().push_back(at);
                                 }
                                 turnStart = !at.rolled || c.kind == advisor::Choice::Kind::Fill;
                             });
        }
    }
    std::vector<advisor::Position> picked;
    for (auto& game : byGame) {
        std::erase_if(game, [](const advisor::Position& p) {
            return p.open == AllCategories || std::popcount(p.open) < 2;
        });
        if (!game.empty()) {
            picked.push_back(game[random() % game.size()]);
        }
    }
    return picked;
}

std::string closedList(CategorySet open) {
    std::string text;
    for (int k = 1; k <= CategoryCount; ++k) {
        if ((open & bitOf(k)) == 0) {
            text += (text.empty() ? "" : ",") + std::to_string(k);
        }
    }
    return text;
}

} // namespace

int runValues(const Args& given) {
    Args args = given;
    const auto folder = takeTables(args);
    if (!folder) {
        return usageError();
    }
    std::uint64_t states = 60;
    std::uint64_t playouts = 4000;
    std::uint64_t seed = 1;
    for (std::size_t i = 0; i < args.size(); i += 2) {
        const auto n = i + 1 < args.size() ? parseNumber(args[i + 1], UINT32_MAX) : std::nullopt;
        if (!n || *n == 0 ||
            (args[i] != "--states" && args[i] != "--playouts" && args[i] != "--seed")) {
            return usageError();
        }
        (args[i] == "--states" ? states : args[i] == "--playouts" ? playouts : seed) = *n;
    }
    const auto tables = loadTables(*folder);
    Advisor adviser(*tables);
    const int half = static_cast<int>(states / 2);
    std::vector<advisor::Position> picked = sampledStarts(adviser, half, seed, false);
    const auto hint = sampledStarts(adviser, static_cast<int>(states) - half, seed + 1, true);
    const std::size_t fromAdvisor = picked.size();
    picked.insert(picked.end(), hint.begin(), hint.end());

    // Each state played out on its own thread's advisor; the dice depend on the state's place
    // and the seed only, so the figures do not depend on the number of threads.
    const int threads = advisor::workThreads();
    std::vector<Advisor> advisors(static_cast<std::size_t>(threads), Advisor(*tables));
    std::vector<Summary> scores(picked.size());
    auto line = percentLine("playing out");
    advisor::parallelFor(
        picked.size(), threads,
        [&](std::size_t i, int thread) {
            for (std::uint64_t g = 0; g < playouts; ++g) {
                std::seed_seq sequence{seed, std::uint64_t{i}, g};
                std::mt19937_64 random(sequence);
                scores[i].add(advisor::playOut(advisors[static_cast<std::size_t>(thread)],
                                               picked[i], random));
            }
        },
        [&](std::size_t done) {
            line(static_cast<double>(done) / static_cast<double>(picked.size()));
        });
    line(1.0);
    std::fputs("\n", stderr);
    Summary off;
    double largest = 0;
    double noise = 0;
    double turnSquares = 0;
    int within = 0;
    // The turn's own share of the miss: one turn more of the advisor's play, each fill worth
    // the next turn's start, against the value shown. What is left of `off` is made later.
    Advisor ahead(*tables);
    advisor::LookAhead look(ahead);
    for (std::size_t i = 0; i < picked.size(); ++i) {
        const advisor::Position& p = picked[i];
        const double shown = adviser.rank(p).front().expected;
        const double error = scores[i].stdev() / std::sqrt(static_cast<double>(scores[i].n));
        const double by = shown - scores[i].mean();
        look.start(p);
        const double turn = shown - (p.total + look.startValue(p.rollsLeft));
        std::printf("state %s closed %s rolls %d upper %d total %d shown %.2f mean %.2f "
                    "error %.2f off %+.2f turn %+.2f\n",
                    i < fromAdvisor ? "advisor" : "hint", closedList(p.open).c_str(),
                    p.rollsLeft, p.upper, p.total, shown, scores[i].mean(), error, by, turn);
        turnSquares += turn * turn;
        off.add(by);
        largest = std::max(largest, std::abs(by));
        noise += error * error;
        within += std::abs(by) <= 1.0 ? 1 : 0;
    }
    const double n = static_cast<double>(std::max<std::size_t>(picked.size(), 1));
    std::printf("states %zu\nplayouts %llu\noff-mean %+.2f\noff-rms %.2f\nnoise-rms %.2f\n"
                "off-largest %.2f\nwithin-1 %d\nturn-rms %.2f\n",
                picked.size(), static_cast<unsigned long long>(playouts), off.mean(),
                std::sqrt(off.sumSquares / n), std::sqrt(noise / n), largest, within,
                std::sqrt(turnSquares / n));
    return 0;
}

int runFit(const Args& given) {
    Args args = given;
    const auto folder = takeTables(args);
    if (!folder) {
        return usageError();
    }
    advisor::FitOptions options;
    bool fresh = false;
    int hintGames = 1000;
    std::string out;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--fresh") {
            fresh = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            return usageError();
        }
        const std::string_view name = args[i];
        const std::string_view value = args[++i];
        const auto n = parseNumber(value, 100'000'000);
        if (name == "--out") {
            out = std::string(value);
        } else if (n && name == "--rounds") {
            options.rounds = static_cast<int>(*n);
        } else if (n && *n > 0 && name == "--games") {
            options.games = static_cast<int>(*n);
        } else if (n && *n > 0 && name == "--value-games") {
            options.valueGames = static_cast<int>(*n);
        } else if (n && name == "--seed") {
            options.seed = *n;
        } else if (n && name == "--hint-games") {
            hintGames = static_cast<int>(*n);
        } else {
            return usageError();
        }
    }
    if (out.empty() || !(folder->layout == advisor::TableLayout{})) {
        return usageError();
    }
    const auto tables = loadTables(*folder);
    if (fresh) {
        tables->setCorrections({});
    }
    options.otherStarts = hintTurnStarts(hintGames, options.seed);
    const auto rounds = advisor::fitCorrections(*tables, options, percentLine("fitting"),
                                                advisor::workThreads());
    std::fputs("\n", stderr);
    for (std::size_t r = 0; r < rounds.size(); ++r) {
        std::printf("round %zu expected-start %.2f mean %.2f error %.2f\n", r + 1,
                    rounds[r].expectedStart, rounds[r].meanScore, rounds[r].scoreError);
    }
    advisor::Position start;
    const double expected = Advisor(*tables).expectedFinal(start);
    std::printf("expected-start %.2f\n", expected);
    char note[400];
    std::snprintf(note, sizeof note,
                  "the leaf corrections %s and %d rounds of %d games, one more for the figures, "
                  "the values by the turn starts of %d games and %d of the hint player, seed %llu; "
                  "the last round's games made %.2f +- %.2f and the start is now expected at %.2f",
                  fresh ? "from none" : "from the shipped ones", options.rounds, options.games,
                  options.valueGames, hintGames, static_cast<unsigned long long>(options.seed),
                  rounds.back().meanScore, 1.96 * rounds.back().scoreError, expected);
    std::ofstream file(out, std::ios::trunc);
    file << advisor::correctionsSource(tables->corrections(), note);
    if (!file) {
        std::fprintf(stderr, "brisvane-sim: cannot write %s\n", out.c_str());
        return 1;
    }
    return 0;
}

int runGaps(const Args& given) {
    Args args = given;
    const auto folder = takeTables(args);
    if (!folder || args.size() != 2 || args[0] != "--out" ||
        !(folder->layout == advisor::TableLayout{})) {
        return usageError();
    }
    const std::string out(args[1]);
    const auto tables = loadTables(*folder);
    const auto gaps = advisor::lowergaps::measure(*tables, percentLine("measuring the split gaps"),
                                                  advisor::workThreads());
    std::fputs("\n", stderr);
    std::ofstream file(out, std::ios::trunc);
    file << advisor::lowergaps::source(gaps);
    if (!file) {
        std::fprintf(stderr, "brisvane-sim: cannot write %s\n", out.c_str());
        return 1;
    }
    return 0;
}

int runExact(const Args& given) {
    Args args = given;
    const auto folder = takeTables(args);
    if (!folder || !args.empty()) {
        return usageError();
    }
    using namespace category;
    const CategorySet upper = advisor::UpperSet;
    struct Reduced {
        const char* name;
        CategorySet categories;
        int rolls;
    };
    const Reduced games[] = {
        {"chance-3", bitOf(Chance), 3},
        {"upper-18", upper, 18},
        {"upper-chance-yatzy-24", upper | bitOf(Chance) | bitOf(Yatzy), 24},
        {"upper-chance-yatzy-fullstr-tower-30",
         upper | bitOf(Chance) | bitOf(Yatzy) | bitOf(FullStr) | bitOf(Tower), 30},
        // None of these lower categories is solved with the upper section.
        {"upper-twopairs-smallstr-largestr-27",
         upper | bitOf(TwoPairs) | bitOf(SmallStr) | bitOf(LargeStr), 27},
        {"upper-chance-yatzy-fullstr-tower-onepair-largestr-36",
         upper | bitOf(Chance) | bitOf(Yatzy) | bitOf(FullStr) | bitOf(Tower) | bitOf(OnePair) |
             bitOf(LargeStr),
         36},
    };
    const auto tables = loadTables(*folder);
    Advisor adviser(*tables);
    for (const Reduced& g : games) {
        advisor::SubGame best(g.categories, g.rolls);
        best.solve({}, advisor::workThreads());
        advisor::SubGame policy(g.categories, g.rolls);
        policy.evaluatePolicy(
            [&](CategorySet open, int up, int maxT) -> const advisor::TurnSolver& {
                return adviser.turn(open, up, maxT);
            });
        std::printf("game %s optimum %.4f advisor %.4f\n", g.name,
                    best.value(g.categories, 0, g.rolls), policy.value(g.categories, 0, g.rolls));
        std::fflush(stdout);
    }
    return 0;
}

int runAdvise(const Args& given) {
    Args args = given;
    const auto folder = takeTables(args);
    if (!folder) {
        return usageError();
    }
    advisor::Position p;
    std::vector<int> faces;
    CategorySet closed = 0;
    bool totalGiven = false;
    bool rollsGiven = false;
    std::uint64_t playouts = 0;
    std::uint64_t seed = 1;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--playouts" || arg == "--seed") {
            const auto n = i + 1 < args.size() ? parseNumber(args[++i], UINT32_MAX) : std::nullopt;
            if (!n) {
                return usageError();
            }
            (arg == "--playouts" ? playouts : seed) = *n;
            continue;
        }
        if (arg == "--rolls-left" || arg == "--closed" || arg == "--upper" || arg == "--total") {
            if (i + 1 >= args.size()) {
                return usageError();
            }
            const std::string_view value = args[++i];
            if (arg == "--closed") {
                const auto set = parseClosed(value);
                if (!set) {
                    return usageError();
                }
                closed = *set;
                continue;
            }
            const auto n =
                parseNumber(value, arg == "--rolls-left" ? GameModel::StartRolls : 100000);
            if (!n) {
                return usageError();
            }
            (arg == "--rolls-left" ? p.rollsLeft
             : arg == "--upper"    ? p.upper
                                   : p.total) = static_cast<int>(*n);
            totalGiven = totalGiven || arg == "--total";
            rollsGiven = rollsGiven || arg == "--rolls-left";
        } else {
            const auto face = parseNumber(arg, 6);
            if (!face || *face == 0) {
                return usageError();
            }
            faces.push_back(static_cast<int>(*face));
        }
    }
    if (!faces.empty() && faces.size() != 6) {
        return usageError();
    }
    if (!rollsGiven) {
        // No number of rolls is right for every state: the game's start has 60, a roll
        // leaves 59 or fewer.
        std::fputs("brisvane-sim: advise needs --rolls-left N, the rolls the game has left\n",
                   stderr);
        return 2;
    }
    p.open = AllCategories & ~closed;
    p.rolled = !faces.empty();
    for (std::size_t i = 0; i < faces.size(); ++i) {
        p.dice[i] = faces[i];
    }
    if (!totalGiven) {
        p.total = p.upper; // the upper points at least
    }
    const auto tables = loadTables(*folder);
    Advisor adviser(*tables);
    std::vector<advisor::Choice> choices;
    try {
        choices = adviser.rank(p);
    } catch (const std::invalid_argument& e) {
        std::fprintf(stderr, "brisvane-sim: %s\n", e.what());
        return 2;
    }
    if (choices.empty()) {
        std::printf("the game is over: %d points\n", p.total);
    }
    for (const auto& c : choices) {
        std::printf("%.2f %s\n", c.expected, advisor::describe(c).c_str());
    }
    if (playouts > 0) {
        printPlayouts(adviser, p, playouts, seed);
    }
    return 0;
}

int runReview(const Args& given) {
    Args args = given;
    const auto folder = takeTables(args);
    if (!folder || args.size() != 1) {
        return usageError();
    }
    std::string text;
    if (args[0] == "-") {
        text.assign(std::istreambuf_iterator<char>(std::cin), {});
    } else {
        std::ifstream in{std::string(args[0])};
        if (!in) {
            std::fprintf(stderr, "brisvane-sim: cannot read %s\n", std::string(args[0]).c_str());
            return 1;
        }
        text.assign(std::istreambuf_iterator<char>(in), {});
    }
    std::vector<advisor::Step> steps;
    try {
        steps = advisor::parseRecord(text);
    } catch (const std::invalid_argument& e) {
        std::fprintf(stderr, "brisvane-sim: %s\n", e.what());
        return 1;
    }
    const auto tables = loadTables(*folder);
    Advisor adviser(*tables);
    try {
        const advisor::Review r = advisor::review(adviser, steps);
        std::printf("expected-start %.2f\n", r.expectedStart);
        std::printf("cost %.2f\n", r.cost);
        std::printf("luck %.2f\n", r.luck);
        std::printf("final %d\n", r.finalScore);
        std::printf("decisions %d\n", r.decisions);
    } catch (const std::invalid_argument& e) {
        std::fprintf(stderr, "brisvane-sim: %s\n", e.what());
        return 1;
    }
    return 0;
}

} // namespace brisvane::sim
