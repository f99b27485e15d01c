// brisvane-sim: the game engine without windows.
//
//   brisvane-sim eval D1 D2 D3 D4 D5 D6 [--rolls-left N] [--closed K,K,...]
//       The evaluation after a roll: for each category k = 1..20 a line "k Name value", then
//       "any A" (some open category scores) and "suggest K" (0 = no suggestion).
//   brisvane-sim eval --all [--rolls-left N] [--closed K,K,...]
//       The same for all 46,656 rolls from 111111 to 666666, one line each: the six faces,
//       the twenty values, A and K, separated by single blanks.
//   brisvane-sim play --games N [--seed S]
//       Plays N whole games through the game model with the automatic player and prints the
//       statistics, one "name value" pair a line. The same seed plays the same games.
//
// --rolls-left is the number the rolls label shows (default 30); --closed lists the closed
// categories. A bad argument gets a one-line usage message and exit status 2.

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/AutoPlayer.h"
#include "game/HeadlessGame.h"
#include "game/Scoring.h"

using namespace brisvane;

namespace {

constexpr const char* Usage =
    "usage: brisvane-sim eval D1 D2 D3 D4 D5 D6 | eval --all  [--rolls-left N] [--closed "
    "K,K,...]  |  play --games N [--seed S]\n";

int usageError() {
    std::fputs(Usage, stderr);
    return 2;
}

// A whole non-negative decimal number no larger than `max`; nothing for anything else.
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

// "K,K,..." with each K in 1..20; an empty text closes nothing.
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

int runPlay(const std::vector<std::string_view>& args) {
    std::optional<std::uint64_t> games;
    std::uint64_t seed = 1;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (i + 1 >= args.size()) {
            return usageError();
        }
        const std::string_view value = args[i + 1];
        if (args[i] == "--games") {
            games = parseNumber(value, 1'000'000'000);
            if (!games || *games == 0) {
                return usageError();
            }
        } else if (args[i] == "--seed") {
            const auto s = parseNumber(value, UINT64_MAX);
            if (!s) {
                return usageError();
            }
            seed = *s;
        } else {
            return usageError();
        }
        ++i;
    }
    if (!games) {
        return usageError();
    }

    HeadlessGame table(seed);
    AutoPlayer player(table.game());
    double sum = 0;
    double sumSquares = 0;
    int lowest = 0;
    int highest = 0;
    std::uint64_t bonuses = 0;
    std::uint64_t yatzies = 0;
    const auto start = std::chrono::steady_clock::now();
    for (std::uint64_t g = 0; g < *games; ++g) {
        const GameResult r = player.playGame();
        const auto total = static_cast<double>(r.TotalScore);
        sum += total;
        sumSquares += total * total;
        lowest = g == 0 || r.TotalScore < lowest ? r.TotalScore : lowest;
        highest = g == 0 || r.TotalScore > highest ? r.TotalScore : highest;
        bonuses += r.bonus ? 1 : 0;
        yatzies += r.yatzy ? 1 : 0;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    const auto n = static_cast<double>(*games);
    const double mean = sum / n;
    // The sample standard deviation; one game has none.
    const double variance = *games > 1 ? (sumSquares - n * mean * mean) / (n - 1) : 0.0;
    std::printf("games %llu\n", static_cast<unsigned long long>(*games));
    std::printf("mean %.2f\n", mean);
    std::printf("stdev %.2f\n", std::sqrt(variance > 0 ? variance : 0.0));
    std::printf("min %d\n", lowest);
    std::printf("max %d\n", highest);
    std::printf("bonus-rate %.4f\n", static_cast<double>(bonuses) / n);
    std::printf("yatzy-rate %.4f\n", static_cast<double>(yatzies) / n);
    std::printf("games-per-second %.0f\n", seconds > 0 ? n / seconds : 0.0);
    return 0;
}

} // namespace

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
    } catch (const std::exception& e) {
        std::fprintf(stderr, "brisvane-sim: %s\n", e.what());
        return 1;
    }
    return usageError();
}
