#pragma once
// The game window's model: the state of one game of six dice, the controls of the game
// window that the game drives, and every operation of the turn flow (roll, pick up, undo, new
// game, the twenty categories, the step after each placement, the upper bonus, the end of a
// game, the evaluation after each roll and the layout of the score sheet).
//
// The Qt view renders the public controls, runs one real timer per `ModelTimer` (calling the
// matching tick while it is enabled) and forwards clicks to the operations. After every
// operation the model calls its listeners, so the view repaints. Settings are read when they
// are needed, through the profile; texts through the language lookup.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/Ports.h"
#include "common/Profile.h"
#include "common/Texts.h"
#include "common/ModelTimer.h"
#include "common/Controls.h"
#include "game/GameHooks.h"
#include "game/Scoring.h"

namespace brisvane {

// The game values (program-wide variables of the game window). Arrays are 0-based: die i is
// at index i-1, category k at index k-1 (Score[0] is `ScoreOnes`, Score[19] `ScoreYatzy`).
struct GameState {
    Dice DiceValue{};              // face 1..6; 0 before the first roll of a game
    std::array<int, 6> DiceHeld{}; // 1 = on the table, kept from the next roll
    int RollsLeft = 60;
    int CategoriesLeft = 20;
    int TotalScore = 0;
    int TurnPlaced = 0; // 1 = a category was filled since the last roll
    std::array<int, CategoryCount> Score{};
    int BonusBalance = -84; // upper points minus 84
    int UpperPlaced = 0;
    int BonusGiven = 0;
    std::int16_t PlaySeconds = 0; // stops at 32767
    int WelcomeShown = 0;         // the greeting "d1" has been said since start-up
    int AnyScorable = 0;
    int PairCount = 0;
    int SuggestedCategory = 0;
    int PulseStep = -1;
    std::string NoScoreColour = "8421504"; // grey, as the decimal text the buttons read
};

// What the model needs from the program. The references must outlive the model.
struct GameWiring {
    Profile& profile;
    std::string iniFile; // the settings file
    const Texts& texts;
    const Clock& clock;
    Random& random;
    const Locale& locale;
    Dialogs& dialogs;
    GameHooks& hooks;
};

class GameModel {
public:
    static constexpr int StartRolls = 60;
    static constexpr int BonusPoints = 100;
    // The upper categories' points that earn the bonus.
    static constexpr int BonusThreshold = 84;
    // The score card stands 150 twips further left than it was first drawn, so the marker
    // beside it lies wholly inside the 12000-twip window.
    static constexpr int ButtonLeft = 9720;
    static constexpr int ScoreLeft = 11250;
    static constexpr int MarkerLeft = 11730;
    static constexpr int MarkerFirstTop = 1590;
    static constexpr int RowStep = 315;

    // Sets up the controls with their design-time state; no game is started until `Restart`.
    explicit GameModel(GameWiring wiring);
    GameModel(const GameModel&) = delete;
    GameModel& operator=(const GameModel&) = delete;

    const GameState& state() const { return s_; }
    // What the last `CheckKateg` found: the value of each category then, and the suggestion.
    const Evaluation& evaluation() const { return evaluation_; }

    // ---- Controls (named as in the game window) ----
    // Code outside the model may write captions and tool tips the model does not own (the
    // language sets the category buttons' captions and the tool tips of `Rolls` and `Mrolls`)
    // and then calls `languageChanged`. The category buttons' tool tips belong to the model.
    std::array<Control, 6> Image; // Image1 .. Image6
    Control Roll;
    Control Rolls;
    Control Mrolls;
    Control Undo;
    Control NyttSpel;
    Control scr_Tot;
    Control Bonus;
    std::array<Control, CategoryCount> btn; // btn_Ones .. btn_Yatzy
    std::array<Control, CategoryCount> scr; // scr_01 .. scr_20
    Control Indik;
    Control Command1;
    Control Command2;
    Control Text1; // caption = the text box's text
    ModelTimer TimerPlay{1000};
    ModelTimer TimerEnd{1500};
    ModelTimer TimerIndik{50};

    // Every control above, in a fixed order, for views that build their widgets by name.
    std::vector<Control*> controls();

    // ---- Change notification ----
    using Listener = std::function<void()>;
    // Returns an id for `unsubscribe`. Listeners run once after every operation that changed
    // something (also one that ended by an error), and before the model opens a modal box or
    // hands over to the end of a game. An unreadable settings file (ProfileError from GetINI)
    // passes through the operations to the caller.
    int subscribe(Listener listener);
    void unsubscribe(int id);
    // For code outside the model that changed a control (a language applied): repaint.
    void notifyChanged();

    // ---- Operations ----
    // Load step of the game window: the test controls by Options/NollSlag, the marker pulse
    // step to -1.
    void Load();
    // A new game; also the last step of recording a finished game. Cancels a pending end.
    void Restart();
    // `NyttSpel` click: asks first when Options/WarnNewGame is exactly "Yes". A finished game
    // whose end is still pending is recorded first (no question: nothing is lost).
    void clickNyttSpel();
    // A finished game still waiting for its end step gets it now (name prompt, table, log,
    // counter), as from its timer. True when there was one.
    bool finishPendingEnd();
    void clickRoll();
    // Click on the picture of die `die` (1..6): picks it up while rolls are left.
    void clickDie(int die);
    // The window shell's put-back of die `die` (1..6) by a click on its empty place or a
    // right-button sweep over it: only while `Undo` is enabled; shows the die and marks it
    // held.
    void putBackDie(int die);
    // The window shell's release of a sweep: each die counts as held exactly when its picture
    // is shown; six held dice disable `Roll`.
    void finishSweep();
    void clickUndo();
    // Click on the button of category k (1..20).
    void clickCategory(int k);
    void NoAble();
    void Varje();
    void bonusVarje();
    void CheckKateg();
    void RemoveAll();
    void PlaceAll();
    // The settings window turned the marker option off.
    void hideMarker();
    // Test button "Noll slag": the next roll is the last (the `Rolls` label is not updated).
    void clickCommand1();
    // Test button "&OK": says the text of `Text1`.
    void clickCommand2();
    // Timer ticks; each does nothing while its timer is off.
    void tickTimerPlay();
    void tickTimerEnd();
    void tickTimerIndik();

    // The language changed: the view repaints. The code that applies a language calls this
    // after writing its texts; `Restart` does it too, after touching the settings window.
    // (The category names of the tool tips are read again whenever the language file changed.)
    void languageChanged();

private:
    class Scope;

    void initControls();
    void endGame();
    // False, and the kept category names dropped, when the texts may have changed since.
    bool namesStillHold();
    const std::string& categoryText(int k);
    void say(const std::string& text);
    std::string setting(const char* key);
    void changed();

    GameWiring w_;
    GameState s_;
    bool ending_ = false; // the end of a game is running (its modal boxes may be open)
    int changeDepth_ = 0;
    Evaluation evaluation_;
    // Category names for the tool tips, kept while the texts' revision holds, and the value
    // each category button's tool tip was last written with (0 = none), so an unchanged tip is
    // not rebuilt. The model is the only writer of the category buttons' tool tips.
    std::array<std::string, CategoryCount> names_;
    CategorySet namesLoaded_ = 0;
    std::optional<std::uint64_t> namesRevision_;
    std::array<int, CategoryCount> tipValue_{};
    std::vector<std::pair<int, Listener>> listeners_;
    int nextListenerId_ = 1;
};

// The caption of `Mrolls`: rolls per open category rounded half to even to two decimals, in
// its shortest form with the desktop's decimal separator ("3", "2.5", "2.95"); empty when no
// category is open, the rolls are below 0, or the quotient equals the rolls (one category).
std::string rollsPerCategoryText(int rollsLeft, int categoriesLeft,
                                 const std::string& decimalSeparator);

} // namespace brisvane
