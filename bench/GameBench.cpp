// Speed of the game engine: the evaluation of one roll and of all 46,656 rolls, the whole
// evaluation step of the game window (colours, tool tips, marker) and whole simulated games.

#include <benchmark/benchmark.h>

#include <array>

#include "game/AutoPlayer.h"
#include "game/HeadlessGame.h"
#include "game/Scoring.h"

using namespace brisvane;

namespace {

std::array<Dice, RollCount> allRolls() {
    std::array<Dice, RollCount> rolls{};
    for (int index = 0; index < RollCount; ++index) {
        rolls[static_cast<std::size_t>(index)] = rollOfIndex(index);
    }
    return rolls;
}

const std::array<Dice, RollCount>& rolls() {
    static const auto all = allRolls();
    return all;
}

// Answers the faces of the rolls in order, so the model's own roll shows every roll once.
class EveryRoll : public Random {
public:
    void seed(double /*timeOfDay*/) override {}
    double next() override {
        const int face = rolls()[index_][die_];
        if (++die_ == 6) {
            die_ = 0;
            index_ = (index_ + 1) % rolls().size();
        }
        return (face - 0.5) / 6.0;
    }

private:
    std::size_t index_ = 0;
    std::size_t die_ = 0;
};

// Values, pair count, scorable flag and suggestion of one roll.
void EvaluateOneRoll(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        const Evaluation e = evaluate(rolls()[i], AllCategories, 30, 30);
        benchmark::DoNotOptimize(e);
        i = (i + 7919) % rolls().size();
    }
}
BENCHMARK(EvaluateOneRoll);

void EvaluateAllRolls(benchmark::State& state) {
    for (auto _ : state) {
        int sum = 0;
        for (const Dice& d : rolls()) {
            sum += evaluate(d, AllCategories, 30, 30).suggestedCategory;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * RollCount);
}
BENCHMARK(EvaluateAllRolls)->Unit(benchmark::kMillisecond);

// The game window's evaluation step on the dice of a first roll: colours, tool tips (texts
// from the in-memory language file), the settings read for the marker. With "retip" the
// language file is written before every call, so every tool tip is rebuilt and the category
// names are read afresh, as after an edit of the file; without it, unchanged tool tips are
// kept, as on most rolls.
void CheckKateg(benchmark::State& state) {
    HeadlessGame table(1);
    if (state.range(0) != 0) {
        table.profile().SetINI("Options", "ShowRedSquare", "Yes", HeadlessGame::IniFile);
    }
    const bool retip = state.range(1) != 0;
    GameModel& game = table.game();
    game.clickRoll();
    for (auto _ : state) {
        if (retip) {
            table.profile().SetINI("Info", "Author", "Bench", HeadlessGame::LanguageFile);
        }
        game.CheckKateg();
    }
}
BENCHMARK(CheckKateg)->ArgsProduct({{0, 1}, {0, 1}})->ArgNames({"marker", "retip"});

// The model's whole roll (pick up six dice, roll, evaluate) through all 46,656 rolls; a new
// game every 59 rolls keeps rolls in hand.
void RollAllRolls(benchmark::State& state) {
    EveryRoll random;
    HeadlessGame table(random);
    GameModel& game = table.game();
    game.clickRoll();
    for (auto _ : state) {
        for (std::size_t r = 0; r < rolls().size(); ++r) {
            if (game.state().RollsLeft <= 1) {
                game.Restart();
            } else {
                for (int die = 1; die <= 6; ++die) {
                    game.clickDie(die);
                }
            }
            game.clickRoll();
        }
    }
    state.SetItemsProcessed(state.iterations() * RollCount);
}
BENCHMARK(RollAllRolls)->Unit(benchmark::kMillisecond);

// Whole games played by the automatic player through the model, end of game included.
void SimulatedGame(benchmark::State& state) {
    HeadlessGame table(1);
    AutoPlayer player(table.game());
    for (auto _ : state) {
        benchmark::DoNotOptimize(player.playGame());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(SimulatedGame);

} // namespace
