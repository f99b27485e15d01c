#include "Commands.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>

#include "advisor/Advisor.h"
#include "advisor/AdvisorPlayer.h"
#include "common/ProgramFolder.h"
#include "game/AutoPlayer.h"
#include "game/HeadlessGame.h"

namespace brisvane::sim {
namespace {

using advisor::Advisor;
using advisor::Tables;

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
    int shown = -1;
    const auto start = std::chrono::steady_clock::now();
    auto tables = Tables::loadOrSolve(choice.layout, choice.folder, [&](double share) {
        const int percent = static_cast<int>(share * 100);
        if (percent != shown) {
            shown = percent;
            std::fprintf(stderr, "\rsolving the advisor's tables: %3d %%", percent);
            std::fflush(stderr);
        }
    });
    if (shown >= 0) {
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::fprintf(stderr, "\rsolved the advisor's tables in %.0f s, kept in %s\n", seconds,
                     choice.folder.empty() ? "(nowhere)" : choice.folder.string().c_str());
    }
    return tables;
}

} // namespace

int runPlay(const Args& given) {
    Args args = given;
    const auto folder = takeTables(args);
    if (!folder) {
        return usageError();
    }
    std::optional<std::uint64_t> games;
    std::uint64_t seed = 1;
    bool useAdvisor = false;
    std::string recordFile;
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
        } else if (args[i] == "--player") {
            if (value != "hint" && value != "advisor") {
                return usageError();
            }
            useAdvisor = value == "advisor";
        } else if (args[i] == "--record") {
            recordFile = std::string(value);
        } else {
            return usageError();
        }
        ++i;
    }
    if (!games) {
        return usageError();
    }

    std::unique_ptr<Tables> tables;
    std::unique_ptr<Advisor> adviser;
    if (useAdvisor) {
        tables = loadTables(*folder);
        adviser = std::make_unique<Advisor>(*tables);
    }
    std::ofstream record;
    if (!recordFile.empty()) {
        record.open(recordFile, std::ios::trunc);
        if (!record) {
            std::fprintf(stderr, "brisvane-sim: cannot write %s\n", recordFile.c_str());
            return 1;
        }
    }

    HeadlessGame table(seed);
    AutoPlayer hintPlayer(table.game());
    std::optional<advisor::AdvisorPlayer> advisorPlayer;
    if (adviser) {
        advisorPlayer.emplace(table.game(), *adviser);
    }
    double sum = 0;
    double sumSquares = 0;
    int lowest = 0;
    int highest = 0;
    std::uint64_t bonuses = 0;
    std::uint64_t yatzies = 0;
    std::uint64_t unfilled = 0;
    const auto start = std::chrono::steady_clock::now();
    for (std::uint64_t g = 0; g < *games; ++g) {
        std::vector<advisor::Step> steps;
        std::vector<advisor::Step>* keep = recordFile.empty() ? nullptr : &steps;
        const GameResult r = advisorPlayer ? advisorPlayer->playGame(keep) : hintPlayer.playGame();
        if (keep != nullptr) {
            if (!advisorPlayer) {
                std::fprintf(stderr, "brisvane-sim: only the advisor's games are recorded\n");
                return 1;
            }
            record << "# game " << g + 1 << ", " << r.TotalScore << " points\n"
                   << advisor::formatRecord(steps);
        }
        const auto total = static_cast<double>(r.TotalScore);
        sum += total;
        sumSquares += total * total;
        lowest = g == 0 || r.TotalScore < lowest ? r.TotalScore : lowest;
        highest = g == 0 || r.TotalScore > highest ? r.TotalScore : highest;
        bonuses += r.bonus ? 1 : 0;
        yatzies += r.yatzy ? 1 : 0;
        unfilled += r.categoriesLeft > 0 ? 1 : 0;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    const auto n = static_cast<double>(*games);
    const double mean = sum / n;
    // The sample standard deviation; one game has none.
    const double variance = *games > 1 ? (sumSquares - n * mean * mean) / (n - 1) : 0.0;
    const double stdev = std::sqrt(variance > 0 ? variance : 0.0);
    // The 95 % interval of the mean, by the normal approximation.
    const double half = 1.96 * stdev / std::sqrt(n);
    std::printf("games %llu\n", static_cast<unsigned long long>(*games));
    std::printf("mean %.2f\n", mean);
    std::printf("stdev %.2f\n", stdev);
    std::printf("min %d\n", lowest);
    std::printf("max %d\n", highest);
    std::printf("bonus-rate %.4f\n", static_cast<double>(bonuses) / n);
    std::printf("yatzy-rate %.4f\n", static_cast<double>(yatzies) / n);
    std::printf("mean-95 %.2f %.2f\n", mean - half, mean + half);
    std::printf("unfilled-rate %.4f\n", static_cast<double>(unfilled) / n);
    std::printf("player %s\n", useAdvisor ? "advisor" : "hint");
    std::printf("games-per-second %.0f\n", seconds > 0 ? n / seconds : 0.0);
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
    };
    const auto tables = loadTables(*folder);
    Advisor adviser(*tables);
    for (const Reduced& g : games) {
        advisor::SubGame best(g.categories, g.rolls);
        best.solve();
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
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
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
        std::printf("skill-cost %.2f\n", r.skill);
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
