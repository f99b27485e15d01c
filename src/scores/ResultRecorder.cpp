#include "scores/ResultRecorder.h"

#include "common/Numbers.h"
#include "common/Text.h"
#include "scores/EntryKey.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace brisvane {

ResultRecorder::ResultRecorder(RecorderWiring wiring) : w_(std::move(wiring)) {}

void ResultRecorder::GeKey(int totalScore) {
    const int r = drawKeyDigit(w_.random, w_.clock);
    candidateKey_ =
        entryKey(r, totalScore, dateNumber(w_.clock.now()), versionNumber(w_.programVersion));
}

std::string ResultRecorder::timeText(int playSeconds) {
    const int seconds = std::max(playSeconds, 0);
    const int rest = seconds % 60;
    return std::to_string(seconds / 60) + (rest < 10 ? ":0" : ":") + std::to_string(rest);
}

std::string ResultRecorder::cleanName(const std::optional<std::string>& answer) {
    std::string name;
    for (const char c : answer.value_or("")) {
        name.push_back(static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? ' ' : c);
    }
    name = text::left(name, MaxNameChars);
    return name.empty() ? "Anonymous" : name;
}

std::string ResultRecorder::askName() {
    w_.sndA(105); // waits for its end, so the two never overlap
    w_.sndA(6);
    const std::string preset = w_.profile.GetINI(HsTable::Section, "name", w_.iniFile);
    const std::string name =
        cleanName(w_.dialogs.inputBox(w_.texts.T("b4"), w_.texts.T("b3"), preset));
    w_.profile.SetINI(HsTable::Section, "name", name, w_.iniFile);
    return name;
}

void ResultRecorder::KollaScore(const FinishedGame& game) {
    game.stopTimerPlay();
    const std::string time = timeText(game.PlaySeconds);

    HsTable table = HsTable::read(w_.profile, w_.iniFile);
    HsEntry& candidate = table.slots[0];
    candidate.points = game.TotalScore;
    candidate.key = std::exchange(candidateKey_, std::string());
    candidate.date = std::to_string(dateNumber(w_.clock.now()));

    if (game.TotalScore > integerPart(w_.profile.GetINI(HsTable::Section, "alltime", w_.iniFile))) {
        w_.profile.SetINI(HsTable::Section, "alltime", std::to_string(game.TotalScore), w_.iniFile);
    }

    // Asked exactly when the game takes a place, also in a hand-edited list out of order, so
    // no place is ever filled with someone else's name.
    if (table.placeFor(game.TotalScore) > 0) {
        candidate.name = askName();
    }
    table.insertCandidate();
    table.write(w_.profile, w_.iniFile);
    w_.topTen.NewPlace = table.NewPlace;
    w_.topTen.UpdatTopp();

    const std::int64_t session = intValue(w_.profile.GetINI("Session", "total", w_.iniFile));
    std::string line = "Session " + std::to_string(session + 1) +
                       ": Score: " + std::to_string(game.TotalScore) + ", time: " + time;
    if (table.NewPlace > 0) {
        line += ". New highscore, place " + std::to_string(table.NewPlace) + " \"" +
                candidate.name + "\"";
    }
    w_.writeLog(line);

    w_.dialogs.message(w_.programTitle,
                       w_.texts.T("b5") + " " + std::to_string(game.TotalScore) + " p");
    game.Restart();
}

} // namespace brisvane
