// What one submission costs the highscore service besides the network: the Argon2id check of
// its password (the parameters the service stores hashes with) and the world table's page.

#include <benchmark/benchmark.h>

#include "server/Pages.h"
#include "server/Passwords.h"

namespace {

using namespace brisvane::server;

void PasswordVerify(benchmark::State& state) {
    Passwords passwords(1);
    const std::string hash = passwords.hash("bench-password");
    for (auto _ : state) {
        benchmark::DoNotOptimize(passwords.verify(hash, "bench-password"));
    }
}
BENCHMARK(PasswordVerify)->Unit(benchmark::kMillisecond);

void TablePageOf50(benchmark::State& state) {
    TableView view;
    for (int i = 0; i < TablePageSize; ++i) {
        view.rows.push_back(TableRow{i + 1, i + 1, "player <" + std::to_string(i) + ">", 600 - i,
                                     "56589792707", 1226, "Swedish"});
    }
    view.total = 5000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tablePage(textsFor("Swedish"), view));
    }
}
BENCHMARK(TablePageOf50)->Unit(benchmark::kMicrosecond);

} // namespace
