#include "game/HeadlessGame.h"

#include <array>
#include <utility>

namespace brisvane {
namespace {

constexpr std::array<std::pair<const char*, const char*>, 29> EnglishTexts = {{
    {"b1", "Brisvane"},
    {"b2", "Start a new game? The game in progress will be lost."},
    {"c1", "Ones"},
    {"c2", "Twos"},
    {"c3", "Threes"},
    {"c4", "Fours"},
    {"c5", "Fives"},
    {"c6", "Sixes"},
    {"c7", "One pair"},
    {"c8", "Two pairs"},
    {"c9", "Three pairs"},
    {"c10", "Three of a kind"},
    {"c11", "Four of a kind"},
    {"c12", "Five of a kind"},
    {"c13", "Small straight"},
    {"c14", "Large straight"},
    {"c15", "Full straight"},
    {"c16", "Hut"},
    {"c17", "House"},
    {"c18", "Tower"},
    {"c19", "Chance"},
    {"c20", "Yatzy"},
    {"d1", "Welcome!"},
    {"d2", "Total"},
    {"d3", "Not possible"},
    {"d4", "No rolls left"},
    {"d5", "Six of a kind"},
    {"d6", "New game!"},
    {"d8", "No bonus"},
}};

} // namespace

HeadlessGame::HeadlessGame(std::uint64_t seed)
    : ownRandom_(seed), random_(ownRandom_),
      game_(GameWiring{profile_, IniFile, texts_, clock_, random_, locale_, dialogs_, hooks_}) {
    setUp();
}

HeadlessGame::HeadlessGame(Random& random)
    : ownRandom_(0), random_(random),
      game_(GameWiring{profile_, IniFile, texts_, clock_, random_, locale_, dialogs_, hooks_}) {
    setUp();
}

void HeadlessGame::setUp() {
    for (const auto& [key, text] : EnglishTexts) {
        profile_.SetINI("Language", key, text, LanguageFile);
    }
    game_.Load();
    game_.Restart();
}

std::string HeadlessGame::PointLocale::shortDate(const DateTime& when) const {
    return std::to_string(when.year) + "-" + std::to_string(when.month) + "-" +
           std::to_string(when.day);
}

std::string HeadlessGame::PointLocale::longTime(const DateTime& when) const {
    return std::to_string(when.hour) + ":" + std::to_string(when.minute) + ":" +
           std::to_string(when.second);
}

std::string HeadlessGame::PointLocale::monthName(int month) const {
    return "M" + std::to_string(month);
}

} // namespace brisvane
