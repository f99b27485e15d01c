#pragma once
// The end of a game: the entry key (GeKey) and the recording of the result (KollaScore): best
// ever, the name prompt for a game that enters the top ten, the highscore list, the log line,
// the final score box and the start of the next game.

#include "common/Ports.h"
#include "common/Profile.h"
#include "common/Texts.h"
#include "history/GameHistory.h"
#include "scores/HsTable.h"
#include "scores/TopTen.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace brisvane {

// What the recording needs from the rest of the program. The references must outlive the
// recorder.
struct RecorderWiring {
    Profile& profile;
    std::string iniFile;
    const Texts& texts;
    Dialogs& dialogs;
    const Clock& clock;
    Random& random;
    TopTen& topTen;
    std::function<void(int)> sndA;                    // plays sound number n
    std::function<void(const std::string&)> writeLog; // appends one line to the event log
    std::string programVersion = "7.0";
    std::string programTitle = "Brisvane"; // title of the final score box
    // The desktop's decimal separator for the review's figures; "." without a locale.
    const Locale* locale = nullptr;
    // Adds the finished game to the player's history (GameHistory::add).
    std::function<GameHistory::Outcome(const PlayedGame&)> keepInHistory;
};

// The game just over, as the recording sees it.
struct FinishedGame {
    int TotalScore = 0;
    int PlaySeconds = 0;
    std::function<void()> stopTimerPlay; // switches the play-time timer off
    std::function<void()> Restart;       // sets up the next game
    // Advice was shown during the game: it is logged as advised and takes neither a place of
    // the top ten nor the best ever, so the table stays a table of players.
    bool advised = false;
    std::optional<GameReview> review{}; // shown and logged when there is one
    // No review yet, one follows into the history (the advisor was getting ready, or the
    // review still ran): the final box says so.
    bool reviewPending = false;
    // For the history: each category's points (category k at k-1), the bonus (0 or 100), the
    // game's record of steps ("" when not written down whole) and the language played in.
    std::array<int, CategoryCount> Score{};
    int bonus = 0;
    std::string record{};
    std::string language{};
};

class ResultRecorder {
  public:
    static constexpr std::size_t MaxNameChars = 20;

    // Throws std::logic_error when a hook is not wired.
    explicit ResultRecorder(RecorderWiring wiring);

    // Makes the entry key of the finished game and keeps it for KollaScore.
    void GeKey(int totalScore);

    // Records the finished game, in this order: play timer off, name prompt (only when the
    // game enters the top ten; an advised game never does), then, under the settings file's
    // lock and with the list read again, the best ever, the name, the list and the
    // finished-games counter Session/total written in one replacement of the file, the game added to
    // the history, UpdatTopp, the log line, the final score box, Restart. Stored numbers that
    // are absent or not numbers count as 0. When the settings file or the history cannot be
    // written the player is told why, once, and the log says what was not saved; a damaged
    // history set aside is told and logged too.
    void KollaScore(const FinishedGame& game);

    // The message of a result that could not be saved; `why` is the system's reason.
    std::string notSavedText(const std::string& why) const;
    // The messages of a game the history could not take, and of a damaged history set aside
    // as the file `aside`.
    static std::string notInHistoryText(const Texts& texts, const std::string& why);
    static std::string historySetAsideText(const Texts& texts, const std::string& aside);
    // ". Review: expected 508.1, choices cost 12.3, luck -15.8", the end of the log line.
    static std::string reviewLogText(const GameReview& review);

    // The key made by the last GeKey ("" once it has been recorded or cleared).
    const std::string& candidateKey() const { return candidateKey_; }
    // A new game: no key is pending any more.
    void clearCandidateEntry() { candidateKey_.clear(); }

    // "m:ss": 90 seconds is 1:30, 600 is 10:00.
    static std::string timeText(int playSeconds);

    // The answer of the name prompt as stored: line breaks and other control characters become
    // blanks (a name is one settings value and one log line), the first 20 characters are
    // kept, and nothing (or a cancelled box) becomes "Anonymous".
    static std::string cleanName(const std::optional<std::string>& answer);

  private:
    std::string askName();
    // The best ever and the places, as the changes to write; a game that takes a place has
    // the name `asked`.
    std::vector<ProfileChange> placeChanges(HsTable& table, int points,
                                            const std::optional<std::string>& asked);
    PlayedGame played(const FinishedGame& game, const DateTime& ended) const;
    // What the end of a game could save.
    struct Saved {
        bool settings = false;
        std::string why; // the system's reason when the settings file failed
        GameHistory::Outcome history;
    };
    static std::string logLine(const FinishedGame& game, std::int64_t session,
                               const HsTable& table, const Saved& saved);
    void tellNotSaved(const Saved& saved) const;
    // The final score box's text: the score, the review, and whether advice was shown.
    std::string finalText(const FinishedGame& game) const;

    RecorderWiring w_;
    std::string candidateKey_;
};

} // namespace brisvane
