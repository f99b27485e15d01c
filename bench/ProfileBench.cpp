// What the end of a game costs on disk: the forty places, best ever, name and game counter
// written to a settings file that a player has let grow to 10 MB (comments, old sections),
// as one batch and, for comparison, as one replacement per key.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "settings/FileProfile.h"

namespace brisvane {
namespace {

namespace fs = std::filesystem;

struct LargeSettings {
    LargeSettings() {
        folder = fs::temp_directory_path() / ("brisvane-bench-" + std::to_string(::getpid()));
        fs::create_directories(folder);
        file = (folder / "Vexa.ini").string();
        std::ofstream out(file, std::ios::binary);
        out << "[Options]\nWarnExit=Yes\n[Highscore]\n";
        for (int i = 1; i <= 10; ++i) {
            out << "p" << i << "=" << 500 - i << "\nn" << i << "=Player " << i << "\nk" << i
                << "=12345\nd" << i << "=1212\n";
        }
        const std::string filler = "; " + std::string(98, 'x') + "\n";
        for (int i = 0; i < 100000; ++i) {
            out << filler;
        }
    }
    ~LargeSettings() {
        std::error_code error;
        fs::remove_all(folder, error);
    }
    std::vector<ProfileChange> endOfGame(int game) const {
        std::vector<ProfileChange> changes;
        for (int i = 1; i <= 10; ++i) {
            const std::string n = std::to_string(i);
            changes.push_back({"Highscore", "p" + n, std::to_string(600 - i + game % 2)});
            changes.push_back({"Highscore", "n" + n, "Player " + n});
            changes.push_back({"Highscore", "k" + n, "12345"});
            changes.push_back({"Highscore", "d" + n, "1212"});
        }
        changes.push_back({"Highscore", "alltime", "600"});
        changes.push_back({"Highscore", "name", "Player 1"});
        changes.push_back({"Session", "total", std::to_string(game)});
        return changes;
    }

    fs::path folder;
    std::string file;
};

void EndOfGameAsOneBatch(benchmark::State& state) {
    LargeSettings settings;
    FileProfile profile;
    int game = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(profile.SetINIs(settings.file, settings.endOfGame(++game)));
    }
}
BENCHMARK(EndOfGameAsOneBatch)->Unit(benchmark::kMillisecond);

void EndOfGameKeyByKey(benchmark::State& state) {
    LargeSettings settings;
    FileProfile profile;
    int game = 0;
    for (auto _ : state) {
        for (const ProfileChange& change : settings.endOfGame(++game)) {
            benchmark::DoNotOptimize(
                profile.SetINI(change.section, change.key, change.value, settings.file));
        }
    }
}
BENCHMARK(EndOfGameKeyByKey)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
} // namespace brisvane
