#pragma once
// What the game window's model asks of the rest of the program: the message display, the
// sounds, the settings window, the highscore table and the recording of a finished game.
// The model calls these at fixed points of its operations and never knows who answers.
// Every method runs on the user-interface thread, inside the model operation that calls it.

#include <string>

namespace brisvane {

class GameModel;

class GameHooks {
public:
    virtual ~GameHooks() = default;

    // Shows `sayText` on the dot-matrix display: the implementer stores it as `SayText` and
    // runs `Say`. Called after a roll of six equal faces ("d5"), after the last roll ("d4"),
    // by every placement (the total, "bonus! + 100", "yatzy! + 100", "d8"/"No bonus"), by a
    // refused category ("d3"), by each new game (greeting "d1" or "d6") and by `Command2`.
    virtual void Say(const std::string& sayText) = 0;

    // Plays sound number `soundNo` through `sndA` (1 roll, 2 placement, 3 bonus, 4 six equal
    // faces, 5 Yatzy, 8 undo); the implementer stores it as `SoundNo` first.
    virtual void sndA(int soundNo) = 0;

    // A category that cannot be filled: plays "doink.wav" of the program folder without
    // waiting, straight to the platform (not through `sndA`, so the last sound file is kept),
    // and only while the sound setting is exactly "Yes".
    virtual void playRefusedSound() = 0;

    // First step of every new game (`Restart`): `SoundNo` = 0 and the sound file name emptied;
    // the message display's scroll position set to 1 and its paging timer `Timer1` off.
    virtual void resetForNewGame() = 0;

    // `Restart`, after the game values are reset: touches the settings window, which loads it
    // hidden the first time after start-up (reading the settings and applying the language).
    // Later calls do nothing visible. The model re-reads its category names afterwards.
    virtual void touchSettingsWindow() = 0;

    // `Restart`, when the scores are zeroed: the candidate entry of the highscore table
    // (points, key and date of slot 0) set to 0.
    virtual void clearCandidateEntry() = 0;

    // `Restart`, just before the score sheet is laid out: redraws the top-ten display.
    virtual void UpdatTopp() = 0;

    // The end of a finished game (`TimerEnd` tick): `GeKey`, then `KollaScore`. The
    // implementer reads the result from `game.state()` (`TotalScore`, `PlaySeconds`), switches
    // `game.TimerPlay` off, records the game (modal boxes may open) and ends by calling
    // `game.Restart()`, so the next game is set up when this returns; it also raises the
    // finished-games counter Session/total, together with the table. The model guards against
    // a second end while this runs and switches `TimerEnd` off before it.
    virtual void endOfGame(GameModel& game) = 0;
};

} // namespace brisvane
