// brisvane-sim: the game engine without windows.
//
//   brisvane-sim eval D1 D2 D3 D4 D5 D6 [--rolls-left N] [--closed K,K,...]
//       The evaluation after a roll: for each category k = 1..20 a line "k Name value", then
//       "any A" (some open category scores) and "suggest K" (0 = no suggestion).
//   brisvane-sim eval --all [--rolls-left N] [--closed K,K,...]
//       The same for all 46,656 rolls from 111111 to 666666, one line each: the six faces,
//       the twenty values, A and K, separated by single blanks.
//   brisvane-sim play --games N [--seed S] [--player hint|advisor] [--tables DIR]
//                     [--record FILE] [--review]
//       Plays N whole games through the game model and prints the statistics, one "name
//       value" pair a line. The player "hint" (the default) follows the game's own marker,
//       "advisor" the advisor's first choice. The same seed plays the same games. --record
//       writes the steps of every game (games separated by a "# game N, P points" line);
//       --review reviews every game and adds the expected score at the start and the mean
//       cost of the choices and the mean and standard deviation of the luck.
//   brisvane-sim exact [--tables DIR]
//       For small games solved outright, the exact best mean beside the exact mean of the
//       advisor's policy: "game NAME optimum MEAN advisor MEAN", one line each.
//   brisvane-sim advise [D1 D2 D3 D4 D5 D6] --rolls-left N [--closed K,K,...] [--upper U]
//                       [--total T] [--tables DIR]
//       Every choice for a state, the advisor's first, with its expected final score. Without
//       dice, the state is the start of a turn (the table cleared). The rolls left are
//       required: 60 at the start of a game, 59 or fewer once the dice are on the table.
//       --playouts N plays the state on N times by the advisor's choices (dice from --seed S)
//       and adds "playouts N mean M error E", the mean final score and its standard error.
//   brisvane-sim values [--states N] [--playouts M] [--seed S] [--tables DIR]
//       The expected final scores the advisor shows against what its play makes: N turn starts
//       (60), one of each of N/2 games of the advisor's play and of the rest of the hint
//       player's, each played on M times (4000) by the advisor. A line per state ("state
//       PLAYER closed K,K,.. rolls R upper U total T shown V mean M error E off D turn W"),
//       then the mean, root mean square and largest of D, the root mean square of the standard
//       errors (what the playouts alone make of it), how many states are within 1 point, and
//       the root mean square of W: V less one turn more of the advisor's play, each fill worth
//       the next turn's start, the share of D that the state's own turn makes.
//   brisvane-sim fit --out FILE [--games N] [--rounds R] [--value-games V] [--hint-games H]
//                    [--seed S] [--fresh] [--tables DIR]
//       Fits the advisor's corrections by games of its own play: R rounds (2) of N games
//       (20000) for the leaf corrections, from the shipped ones (from none with --fresh), one
//       more for the figures, then the value corrections by the look-ahead of the turn starts
//       of V games (2500) and of H games of the hint player (1000); writes them as the source file
//       src/advisor/ShippedCorrections.cpp to FILE and prints each round's expected score at
//       the start beside the mean of its games.
//   brisvane-sim gaps --out FILE [--tables DIR]
//       Measures the split gaps of the lower table's own splits on games of the upper section
//       with one to four other lower categories, solved exactly (half an hour of two cores);
//       writes them as the source file src/advisor/ShippedLowerSplitGaps.cpp to FILE.
//   brisvane-sim review FILE [--tables DIR]
//       The cost of the choices and the luck of a recorded game (see advisor/Record.h; "-"
//       reads standard input).
//   brisvane-sim history FILE [--record ID]
//       The figures of a history of games (History.db), one "name value" pair a line: games,
//       mean, median, best; bonus-rate and yatzy-rate over the games whose category scores are
//       known (not those taken in from the log); reviewed, and cost-mean and luck-mean over the
//       games with a review. A figure over no games is left out. --record prints the record of
//       steps of game ID, for `review -`. The file is only read.
//
// The advisor's tables are read from DIR (default: brisvane in the XDG data home), and solved
// and stored there first when missing, which takes some seconds.
//
// --rolls-left is the number the rolls label shows (for eval, 30 when not given); --closed
// lists the closed categories. A bad argument gets a one-line usage message and exit status 2.

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Commands.h"
#include "game/GameModel.h"
#include "game/Scoring.h"

namespace brisvane::sim {

namespace {
constexpr const char* Usage =
    "usage: brisvane-sim eval D1 D2 D3 D4 D5 D6 | eval --all  [--rolls-left N] [--closed "
    "K,K,...]  |  play --games N [--seed S] [--player hint|advisor] [--record FILE] [--review]  "
    "|  exact  |  fit --out FILE [--games N] [--rounds R] [--value-games N] [--hint-games N] "
    "[--seed S] [--fresh]  |  gaps --out FILE  "
    "|  advise [D1 .. D6] --rolls-left N [--closed K,..] [--upper U] [--total T] "
    "[--playouts N [--seed S]]  |  values [--states N] [--playouts M] [--seed S]  "
    "|  review FILE  (advisor: [--tables DIR])  |  history FILE [--record ID]\n";
} // namespace

int usageError() {
    std::fputs(Usage, stderr);
    return 2;
}

std::optional<std::uint64_t> parseNumber(std::string_view text, std::uint64_t max) {
    if (text.empty() || text.size() > 20) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (digit > max || value > (max - digit) / 10) {
            return std::nullopt;
        }
        value = value * 10 + digit;
    }
    return value;
}

std::optional<CategorySet> parseClosed(std::string_view text) {
    CategorySet closed = 0;
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const auto k = parseNumber(text.substr(0, comma), CategoryCount);
        if (!k || *k == 0) {
            return std::nullopt;
        }
        closed |= bitOf(static_cast<int>(*k));
        if (comma == std::string_view::npos) {
            break;
        }
        text.remove_prefix(comma + 1);
        if (text.empty()) {
            return std::nullopt; // a trailing comma
        }
    }
    return closed;
}

namespace {

void appendNumber(std::string& out, int value) {
    char digits[12];
    const int n = std::snprintf(digits, sizeof digits, "%d", value);
    out.append(digits, static_cast<std::size_t>(n));
}

int runEval(const std::vector<std::string_view>& args) {
    std::vector<int> faces;
    bool all = false;
    int rollsLeft = 30;
    CategorySet closed = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--all") {
            all = true;
        } else if (arg == "--rolls-left" || arg == "--closed") {
            if (i + 1 >= args.size()) {
                return usageError();
            }
            const std::string_view value = args[++i];
            if (arg == "--rolls-left") {
                const auto n = parseNumber(value, GameModel::StartRolls);
                if (!n) {
                    return usageError();
                }
                rollsLeft = static_cast<int>(*n);
            } else {
                const auto set = parseClosed(value);
                if (!set) {
                    return usageError();
                }
                closed = *set;
            }
        } else {
            const auto face = parseNumber(arg, 6);
            if (!face || *face == 0) {
                return usageError();
            }
            faces.push_back(static_cast<int>(*face));
        }
    }
    if (all ? !faces.empty() : faces.size() != 6) {
        return usageError();
    }
    const CategorySet open = AllCategories & ~closed;

    if (!all) {
        const Dice dice{faces[0], faces[1], faces[2], faces[3], faces[4], faces[5]};
        const Evaluation e = evaluate(dice, open, rollsLeft, rollsLeft);
        for (int k = 1; k <= CategoryCount; ++k) {
            std::printf("%d %s %d\n", k, std::string(categoryName(k)).c_str(),
                        e.value[static_cast<std::size_t>(k)]);
        }
        std::printf("any %d\nsuggest %d\n", e.anyScorable, e.suggestedCategory);
        return 0;
    }

    std::string out;
    out.reserve(1 << 20);
    for (int roll = 0; roll < RollCount; ++roll) {
        const Dice dice = rollOfIndex(roll);
        for (const int face : dice) {
            out += static_cast<char>('0' + face);
        }
        const Evaluation e = evaluate(dice, open, rollsLeft, rollsLeft);
        for (int k = 1; k <= CategoryCount; ++k) {
            out += ' ';
            appendNumber(out, e.value[static_cast<std::size_t>(k)]);
        }
        out += ' ';
        appendNumber(out, e.anyScorable);
        out += ' ';
        appendNumber(out, e.suggestedCategory);
        out += '\n';
        if (out.size() > (1 << 20) - 256) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}

} // namespace
} // namespace brisvane::sim

using namespace brisvane::sim;

int main(int argc, char** argv) {
    if (argc < 2) {
        return usageError();
    }
    const std::string_view command = argv[1];
    const std::vector<std::string_view> args(argv + 2, argv + argc);
    try {
        if (command == "eval") {
            return runEval(args);
        }
        if (command == "play") {
            return runPlay(args);
        }
        if (command == "exact") {
            return runExact(args);
        }
        if (command == "gaps") {
            return runGaps(args);
        }
        if (command == "fit") {
            return runFit(args);
        }
        if (command == "advise") {
            return runAdvise(args);
        }
        if (command == "values") {
            return runValues(args);
        }
        if (command == "review") {
            return runReview(args);
        }
        if (command == "history") {
            return runHistory(args);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "brisvane-sim: %s\n", e.what());
        return 1;
    }
    return usageError();
}
