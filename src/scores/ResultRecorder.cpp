#include "scores/ResultRecorder.h"

#include "common/Numbers.h"
#include "common/Text.h"
#include "history/HistoryTexts.h"
#include "scores/EntryKey.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <utility>
#include <vector>

namespace brisvane {

ResultRecorder::ResultRecorder(RecorderWiring wiring) : w_(std::move(wiring)) {
    if (!w_.sndA || !w_.writeLog || !w_.keepInHistory) {
        throw std::logic_error("the result recorder's hooks are not all wired");
    }
}

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
    return cleanName(w_.dialogs.inputBox(w_.texts.T("b4"), w_.texts.T("b3"), preset));
}

void ResultRecorder::KollaScore(const FinishedGame& game) {
    game.stopTimerPlay();
    const DateTime now = w_.clock.now();

    // Asked exactly when the game takes a place, also in a hand-edited list out of order, so
    // no place is ever filled with someone else's name; an advised game never takes one.
    // Asked before the lock: another copy of the game may record meanwhile.
    std::optional<std::string> asked;
    if (!game.advised &&
        HsTable::read(w_.profile, w_.iniFile).placeFor(game.TotalScore) > 0) {
        asked = askName();
    }
    HsTable table;
    std::int64_t session = 0;
    Saved saved;
    {
        // The list is read again, merged and written under one lock, so a result another copy
        // recorded while the name box was open stays. Everything goes into the settings file
        // in one replacement, so a program killed meanwhile never leaves places of two
        // different games mixed.
        const ProfileLock lock = w_.profile.lock(w_.iniFile);
        table = HsTable::read(w_.profile, w_.iniFile);
        table.slots[0] = HsEntry{game.TotalScore, "", std::exchange(candidateKey_, std::string()),
                                 std::to_string(dateNumber(now))};
        std::vector<ProfileChange> changes;
        if (asked) {
            changes.push_back({HsTable::Section, "name", *asked});
        }
        if (!game.advised) {
            const std::vector<ProfileChange> places = placeChanges(table, game.TotalScore, asked);
            changes.insert(changes.end(), places.begin(), places.end());
        }
        session = intValue(w_.profile.GetINI("Session", "total", w_.iniFile));
        changes.push_back({"Session", "total", std::to_string(session + 1)});
        saved.settings = w_.profile.SetINIs(w_.iniFile, changes, &saved.why);
    }
    // Every finished game, advised or not, also when the settings file failed.
    saved.history = w_.keepInHistory(played(game, now));
    w_.topTen.NewPlace = saved.settings ? table.NewPlace : 0;
    w_.topTen.UpdatTopp();

    w_.writeLog(logLine(game, session + 1, table, saved));
    tellNotSaved(saved);
    w_.dialogs.message(w_.programTitle, finalText(game));
    game.Restart();
}

std::string ResultRecorder::logLine(const FinishedGame& game, std::int64_t session,
                                    const HsTable& table, const Saved& saved) {
    std::string line = "Session " + std::to_string(session) + ": Score: " +
                       std::to_string(game.TotalScore) + ", time: " + timeText(game.PlaySeconds);
    if (!saved.settings) {
        line += ". Not saved: " + saved.why;
    } else if (table.NewPlace > 0) {
        line += ". New highscore, place " + std::to_string(table.NewPlace) + " \"" +
                table.slots[0].name + "\"";
    }
    if (game.review) {
        line += reviewLogText(*game.review);
    }
    if (!saved.history.setAside.empty()) {
        line += ". Damaged history set aside as " + saved.history.setAside;
    }
    if (!saved.history.ok) {
        line += ". Not in the history: " + saved.history.why;
    }
    if (game.advised) {
        line += " (advised)";
    }
    return line;
}

// What was not saved, told once, in one box.
void ResultRecorder::tellNotSaved(const Saved& saved) const {
    std::string notice;
    const auto tell = [&notice](const std::string& text) {
        notice += (notice.empty() ? "" : "\n\n") + text;
    };
    if (!saved.settings) {
        tell(notSavedText(saved.why));
    }
    if (!saved.history.setAside.empty()) {
        tell(historySetAsideText(w_.texts, saved.history.setAside));
    }
    if (!saved.history.ok) {
        tell(notInHistoryText(w_.texts, saved.history.why));
    }
    if (!notice.empty()) {
        w_.dialogs.message(w_.programTitle, notice, MessageKind::Warning);
    }
}

std::vector<ProfileChange> ResultRecorder::placeChanges(HsTable& table, int points,
                                                        const std::optional<std::string>& asked) {
    std::vector<ProfileChange> changes;
    if (points > integerPart(w_.profile.GetINI(HsTable::Section, "alltime", w_.iniFile))) {
        changes.push_back({HsTable::Section, "alltime", std::to_string(points)});
    }
    if (table.placeFor(points) > 0) {
        // Not asked only when the list changed under the box: the last name typed.
        table.slots[0].name =
            asked ? *asked
                  : cleanName(w_.profile.GetINI(HsTable::Section, "name", w_.iniFile));
    }
    table.insertCandidate();
    const std::vector<ProfileChange> places = table.changes();
    changes.insert(changes.end(), places.begin(), places.end());
    return changes;
}

PlayedGame ResultRecorder::played(const FinishedGame& game, const DateTime& ended) const {
    PlayedGame g;
    g.ended = ended;
    g.points = game.TotalScore;
    g.playSeconds = game.PlaySeconds;
    g.scores = game.Score;
    g.bonus = game.bonus;
    g.advised = game.advised;
    g.language = game.language;
    g.review = game.review;
    g.record = game.record;
    return g;
}

std::string ResultRecorder::notInHistoryText(const Texts& texts, const std::string& why) {
    return textOf(texts, historytext::NotAdded, {why});
}

std::string ResultRecorder::historySetAsideText(const Texts& texts, const std::string& aside) {
    return textOf(texts, historytext::SetAside, {aside});
}

std::string ResultRecorder::reviewLogText(const GameReview& review) {
    return ". Review: expected " + oneDecimal(review.expectedStart) + ", choices cost " +
           oneDecimal(review.cost) + ", luck " + oneDecimal(review.luck);
}

std::string ResultRecorder::finalText(const FinishedGame& game) const {
    std::string text = w_.texts.T("b5") + " " + std::to_string(game.TotalScore) + " p";
    if (game.review) {
        const std::string point = w_.locale != nullptr ? w_.locale->decimalSeparator() : ".";
        const auto figure = [&](const char* key, double value) {
            return "\n" + text::fill(w_.texts.T("s126"),
                                     {w_.texts.T(key), oneDecimal(value, point) + " p"});
        };
        text += "\n" + figure("s36", game.review->expectedStart) +
                figure("s37", game.review->cost) + figure("s38", game.review->luck);
    } else if (game.reviewPending) {
        text += "\n\n" + w_.texts.T("s40");
    }
    if (game.advised) {
        text += "\n\n" + w_.texts.T("s39");
    }
    return text;
}

std::string ResultRecorder::notSavedText(const std::string& why) const {
    return text::fill(w_.texts.T("s135"), {why});
}

} // namespace brisvane
