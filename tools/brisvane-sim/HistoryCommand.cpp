#include <cstdint>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "Commands.h"
#include "history/Figures.h"
#include "history/GameHistory.h"

namespace brisvane::sim {

int runHistory(const Args& args) {
    if (args.size() != 1 && !(args.size() == 3 && args[1] == "--record")) {
        return usageError();
    }
    std::optional<std::uint64_t> id;
    if (args.size() == 3 && !(id = parseNumber(args[2], INT64_MAX))) {
        return usageError();
    }
    const std::string file(args[0]);
    std::vector<PlayedGame> games;
    try {
        games = GameHistory::read(file);
    } catch (const std::runtime_error& e) {
        std::fprintf(stderr, "brisvane-sim: %s: %s\n", file.c_str(), e.what());
        return 1;
    }
    if (id) {
        const auto record = GameHistory::readRecord(file, static_cast<std::int64_t>(*id));
        if (!record) {
            std::fprintf(stderr, "brisvane-sim: no record of game %s\n",
                         std::string(args[2]).c_str());
            return 1;
        }
        std::fputs(record->c_str(), stdout);
        return 0;
    }
    const HistoryFigures f = figuresOf(games);
    std::printf("games %d\n", f.games);
    if (f.games > 0) {
        std::printf("mean %.2f\nmedian %.1f\nbest %d\n", f.mean, f.median, f.best);
    }
    if (f.scored > 0) {
        std::printf("bonus-rate %.4f\nyatzy-rate %.4f\n", f.bonusRate, f.yatzyRate);
    }
    std::printf("reviewed %d\n", f.reviewed);
    if (f.reviewed > 0) {
        std::printf("cost-mean %.2f\nluck-mean %.2f\n", f.costMean, f.luckMean);
    }
    return 0;
}

} // namespace brisvane::sim
