#pragma once
// A game window model on fakes: settings in memory, texts from a map, a still clock, scripted
// dice and recording hooks.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "game/GameModel.h"
#include "settings/MemoryProfile.h"
#include "support/FakeGameHooks.h"
#include "support/Fakes.h"

namespace brisvane::testing {

// Plays the game on the table up to its end step, which is left to run: the suggestion after
// each roll, or all six dice again.
inline void playUntilTheEnd(GameModel& game) {
    while (!game.TimerEnd.enabled) {
        game.clickRoll();
        const int k = game.state().SuggestedCategory;
        for (int die = 1; die <= 6 && k == 0 && !game.TimerEnd.enabled; ++die) {
            game.clickDie(die);
        }
        if (k != 0 && !game.TimerEnd.enabled) {
            game.clickCategory(k);
        }
    }
}

class GameFixture : public ::testing::Test {
protected:
    static constexpr const char* Ini = "Vexa.ini";

    GameFixture() {
        texts.texts = {{"b2", "New game?"}, {"d1", "Welcome"},       {"d2", "Total"},
                       {"d3", "No way"},    {"d4", "No rolls left"}, {"d5", "Six alike"},
                       {"d6", "New game"},  {"c1", "Ones"},          {"c20", "Yatzy"}};
    }

    // Start-up: the load step, then the first new game.
    void start() {
        game.Load();
        game.Restart();
        hooks.clear();
    }

    // Rolls, with the dice that are picked up showing `faces` in die order.
    void roll(std::initializer_list<int> faces) {
        random.queueFaces(faces);
        game.clickRoll();
    }

    // Rolls all six dice (at the start of a turn) to `faces` and fills category k; returns
    // what the player heard and saw said while it was filled.
    std::vector<std::string> place(int k, std::initializer_list<int> faces) {
        roll(faces);
        hooks.clear();
        game.clickCategory(k);
        return hooks.events;
    }

    const GameState& s() const { return game.state(); }
    const Control& button(int k) const { return game.btn[static_cast<std::size_t>(k - 1)]; }
    const Control& label(int k) const { return game.scr[static_cast<std::size_t>(k - 1)]; }

    MemoryProfile profile;
    FakeTexts texts;
    FakeClock clock;
    FakeRandom random;
    FakeLocale locale;
    FakeDialogs dialogs;
    FakeGameHooks hooks;
    GameModel game{GameWiring{profile, Ini, texts, clock, random, locale, dialogs, hooks}};
};

} // namespace brisvane::testing
