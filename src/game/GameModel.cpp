#include "game/GameModel.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <exception>

#include "common/Numbers.h"

namespace brisvane {
namespace {

constexpr int MaxPlaySeconds = 32767;
constexpr int StartBalance = -GameModel::BonusThreshold;

// Top of each score label as an offset from `scr_01`, as the score sheet was drawn.
constexpr std::array<int, CategoryCount> ScoreOffsets = {0,    315,  630,  940,  1260, 1570, 1890,
                                                         2200, 2520, 2830, 3160, 3470, 3790, 4090,
                                                         4410, 4720, 5040, 5360, 5670, 5980};
// Top edge of each category button in the window design.
constexpr std::array<int, CategoryCount> ButtonTops = {1530, 1860, 2160, 2490, 2790, 3120, 3430,
                                                       3750, 4050, 4380, 4680, 5010, 5310, 5640,
                                                       5940, 6270, 6570, 6900, 7210, 7530};
// Where each die lies on the table (left, width); all dice share top and height.
constexpr std::array<std::array<int, 2>, 6> DiePlaces = {
    {{930, 1215}, {2130, 1140}, {3270, 1110}, {4380, 1125}, {5490, 1140}, {6630, 1200}}};
constexpr int DieTop = 3270;
constexpr int DieHeight = 1170;

constexpr std::size_t at(int oneBased) {
    return static_cast<std::size_t>(oneBased - 1);
}


} // namespace

std::string rollsPerCategoryText(int rollsLeft, int categoriesLeft,
                                 const std::string& decimalSeparator) {
    if (rollsLeft < 0 || categoriesLeft <= 0) {
        return {};
    }
    // Hundredths, rounded half to even: exact in integers, so 17/8 = 2.125 gives 2.12.
    const long long scaled = 100LL * rollsLeft;
    long long hundredths = scaled / categoriesLeft;
    const long long twiceRest = 2 * (scaled % categoriesLeft);
    if (twiceRest > categoriesLeft || (twiceRest == categoriesLeft && hundredths % 2 != 0)) {
        ++hundredths;
    }
    if (hundredths == scaled) {
        return {};
    }
    std::string out = std::to_string(hundredths / 100);
    const long long fraction = hundredths % 100;
    if (fraction != 0) {
        out += decimalSeparator;
        out += static_cast<char>('0' + fraction / 10);
        if (fraction % 10 != 0) {
            out += static_cast<char>('0' + fraction % 10);
        }
    }
    return out;
}

GameModel::GameModel(GameWiring wiring) : w_(std::move(wiring)) {
    initControls();
}

void GameModel::initControls() {
    for (int i = 1; i <= 6; ++i) {
        const auto& place = DiePlaces[at(i)];
        Control& die = Image[at(i)];
        die = makeControl("Image" + std::to_string(i), place[0], DieTop, place[1], DieHeight);
        die.visible = false;
    }
    Roll = makeControl("Roll", 7950, 3000, 1000, 300);
    Rolls = makeControl("Rolls", 9040, 3030, 465, 255);
    Rolls.caption = "60";
    Rolls.foreColor = colour::White;
    Mrolls = makeControl("Mrolls", 8500, 2570, 465, 255);
    Mrolls.foreColor = colour::Silver;
    Undo = makeControl("Undo", 7950, 3500, 1000, 300);
    Undo.enabled = false;
    NyttSpel = makeControl("NyttSpel", 7530, 5700, 900, 195);
    NyttSpel.foreColor = colour::White;
    scr_Tot = makeControl("scr_Tot", ScoreLeft, 8130, 405, 225);
    scr_Tot.caption = "0";
    scr_Tot.foreColor = colour::White;
    Bonus = makeControl("Bonus", ScoreLeft, 7830, 405, 225);
    Bonus.caption = "-84";
    Bonus.foreColor = colour::LightRed;
    for (int k = 1; k <= CategoryCount; ++k) {
        Control& b = btn[at(k)];
        b = makeControl("btn_" + std::string(categoryName(k)), ButtonLeft, ButtonTops[at(k)], 2055,
                        k % 2 == 1 ? 285 : 255);
        b.foreColor = colour::White;
        char name[8];
        std::snprintf(name, sizeof name, "scr_%02d", k);
        Control& label = scr[at(k)];
        label = makeControl(name, ScoreLeft, 1550 + ScoreOffsets[at(k)], 405, 165);
        label.foreColor = colour::White;
    }
    Indik = makeControl("Indik", MarkerLeft, MarkerFirstTop, 135, 135);
    Indik.visible = false;
    Indik.fillColor = 64;
    Command1 = makeControl("Command1", 600, 5000, 1200, 375);
    Command1.caption = "Noll slag";
    Command1.visible = false;
    Text1 = makeControl("Text1", 600, 5500, 2400, 315);
    Command2 = makeControl("Command2", 3100, 5500, 600, 315);
    Command2.caption = "&OK";
}

std::vector<Control*> GameModel::controls() {
    std::vector<Control*> all;
    all.reserve(6 + 2 * CategoryCount + 11);
    for (Control& c : Image) {
        all.push_back(&c);
    }
    for (Control* c : {&Roll, &Rolls, &Mrolls, &Undo, &NyttSpel, &scr_Tot, &Bonus}) {
        all.push_back(c);
    }
    for (Control& c : btn) {
        all.push_back(&c);
    }
    for (Control& c : scr) {
        all.push_back(&c);
    }
    for (Control* c : {&Indik, &Command1, &Command2, &Text1}) {
        all.push_back(c);
    }
    return all;
}

int GameModel::subscribe(Listener listener) {
    listeners_.emplace_back(nextListenerId_, std::move(listener));
    return nextListenerId_++;
}

void GameModel::unsubscribe(int id) {
    std::erase_if(listeners_, [id](const auto& entry) { return entry.first == id; });
}

void GameModel::notifyChanged() {
    // A copy, so a listener may unsubscribe itself.
    const auto listeners = listeners_;
    for (const auto& entry : listeners) {
        entry.second();
    }
}

void GameModel::changed() {
    if (!listeners_.empty()) {
        notifyChanged();
    }
}

// Every operation opens one; the listeners hear of the change once, when the outermost
// operation ends, also when it ends by an error (the view shows what did change).
class GameModel::Scope {
public:
    explicit Scope(GameModel& model) : model_(model), errorsInFlight_(std::uncaught_exceptions()) {
        ++model_.changeDepth_;
    }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;
    ~Scope() noexcept(false) {
        if (--model_.changeDepth_ != 0) {
            return;
        }
        if (std::uncaught_exceptions() == errorsInFlight_) {
            model_.changed();
            return;
        }
        try {
            model_.changed();
        } catch (...) {
            // The operation's own error is already on its way to the caller.
        }
    }

private:
    GameModel& model_;
    int errorsInFlight_;
};

std::string GameModel::setting(const char* key) {
    return w_.profile.GetINI("Options", key, w_.iniFile);
}

void GameModel::say(const std::string& text) {
    w_.hooks.Say(text);
}

bool GameModel::namesStillHold() {
    // The names are kept only while the language file is the same; an edited file counts at
    // once. Texts that cannot tell are read afresh every time.
    const std::optional<std::uint64_t> revision = w_.texts.revision();
    if (revision && revision == namesRevision_) {
        return true;
    }
    namesRevision_ = revision;
    namesLoaded_ = 0;
    return false;
}

const std::string& GameModel::categoryText(int k) {
    const CategorySet bit = bitOf(k);
    if ((namesLoaded_ & bit) == 0 || !namesRevision_) {
        names_[at(k)] = w_.texts.T("c" + std::to_string(k));
        namesLoaded_ |= bit;
    }
    return names_[at(k)];
}

void GameModel::languageChanged() {
    const Scope scope(*this);
    namesRevision_.reset();
    namesLoaded_ = 0;
}

// ---------------------------------------------------------------------------------------------

void GameModel::Load() {
    const Scope scope(*this);
    if (setting("NollSlag") == "Yes") {
        Command1.visible = true;
    } else {
        // The OK button belongs to the text box; without it, it would stand alone.
        Text1.visible = false;
        Command1.visible = false;
        Command2.visible = false;
    }
    s_.PulseStep = -1;
}

void GameModel::Restart() {
    const Scope scope(*this);
    Roll.enabled = true;
    w_.hooks.resetForNewGame();
    // A game started while the last one's end is pending must not be recorded as finished.
    TimerEnd.stop();

    s_.UpperPlaced = 0;
    s_.BonusBalance = StartBalance;
    Bonus.foreColor = colour::LightRed;
    Bonus.caption = std::to_string(StartBalance);

    s_.BonusGiven = 0;
    s_.TurnPlaced = 0;
    s_.RollsLeft = StartRolls;
    s_.CategoriesLeft = CategoryCount;
    s_.TotalScore = 0;
    Rolls.caption = std::to_string(StartRolls);
    Mrolls.caption.clear();
    s_.PlaySeconds = 0;

    w_.hooks.touchSettingsWindow();
    languageChanged();

    s_.DiceHeld.fill(0);
    s_.DiceValue.fill(0);
    Indik.visible = false;
    for (Control& die : Image) {
        die.visible = false;
    }
    scr_Tot.caption = "0";

    s_.Score.fill(0);
    w_.hooks.clearCandidateEntry();

    Undo.enabled = false;
    for (Control& b : btn) {
        b.foreColor = colour::White;
    }

    w_.hooks.UpdatTopp();
    PlaceAll();

    if (s_.WelcomeShown != 1) {
        s_.WelcomeShown = 1;
        say(w_.texts.T("d1"));
    } else {
        say(w_.texts.T("d6"));
    }
}

void GameModel::clickNyttSpel() {
    const Scope scope(*this);
    // The recording itself sets up the next game. Nothing of it may be lost.
    if (finishPendingEnd()) {
        return;
    }
    if (setting("WarnNewGame") == "Yes") {
        notifyChanged();
        if (!w_.dialogs.askYesNo(w_.texts.T("b1"), w_.texts.T("b2"), DefaultButton::No)) {
            return;
        }
    }
    Restart();
}

void GameModel::clickRoll() {
    if (!Roll.enabled) {
        return;
    }
    const Scope scope(*this);
    Undo.enabled = false;
    s_.TurnPlaced = 0;
    --s_.RollsLeft;
    if (s_.RollsLeft == StartRolls - 1) {
        TimerPlay.start();
    }

    w_.random.seed(w_.clock.now().secondsSinceMidnight());
    if (s_.RollsLeft >= 0) {
        for (int i = 1; i <= 6; ++i) {
            if (s_.DiceHeld[at(i)] == 0) {
                // Clamped, so a generator that ever returned 1.0 still gives a face.
                const int sixth = static_cast<int>(w_.random.next() * 6.0);
                s_.DiceValue[at(i)] = std::clamp(sixth, 0, 5) + 1;
            }
        }
    }

    for (int i = 1; i <= 6; ++i) {
        Control& die = Image[at(i)];
        die.visible = true;
        if (s_.DiceHeld[at(i)] == 0) {
            die.picture = 10 * i + s_.DiceValue[at(i)];
            s_.DiceHeld[at(i)] = 1;
        }
    }

    Mrolls.bold = false;
    Mrolls.foreColor = colour::Silver;
    Mrolls.caption =
        rollsPerCategoryText(s_.RollsLeft, s_.CategoriesLeft, w_.locale.decimalSeparator());
    Rolls.bold = true;
    Rolls.foreColor = colour::White;
    Rolls.caption = std::to_string(s_.RollsLeft);

    const bool allHeld =
        std::all_of(s_.DiceHeld.begin(), s_.DiceHeld.end(), [](int held) { return held == 1; });
    Roll.enabled = !allHeld && s_.RollsLeft != 0;

    w_.hooks.sndA(1);
    const Dice& d = s_.DiceValue;
    if (std::all_of(d.begin(), d.end(), [&](int face) { return face == d[0]; })) {
        w_.hooks.sndA(4);
        say(w_.texts.T("d5"));
    }
    if (s_.RollsLeft <= 0 || s_.CategoriesLeft <= 0) {
        say(w_.texts.T("d4"));
        CheckKateg();
        if (s_.AnyScorable == 0) {
            TimerEnd.start();
        }
    }
    CheckKateg();
}

void GameModel::clickDie(int die) {
    if (die < 1 || die > 6 || s_.RollsLeft <= 0 || s_.DiceHeld[at(die)] != 1) {
        return;
    }
    const Scope scope(*this);
    Image[at(die)].visible = false;
    s_.DiceHeld[at(die)] = 0;
    Undo.enabled = true;
    Roll.enabled = true;
}

void GameModel::putBackDie(int die) {
    if (die < 1 || die > 6 || !Undo.enabled) {
        return;
    }
    const Scope scope(*this);
    Image[at(die)].visible = true;
    s_.DiceHeld[at(die)] = 1;
}

void GameModel::finishSweep() {
    const Scope scope(*this);
    bool allHeld = true;
    for (int i = 1; i <= 6; ++i) {
        s_.DiceHeld[at(i)] = Image[at(i)].visible ? 1 : 0;
        allHeld = allHeld && Image[at(i)].visible;
    }
    if (allHeld) {
        Roll.enabled = false;
    }
}

void GameModel::clickUndo() {
    if (!Undo.enabled) {
        return;
    }
    const Scope scope(*this);
    w_.hooks.sndA(8);
    for (Control& die : Image) {
        die.visible = true;
    }
    s_.DiceHeld.fill(1);
    Roll.enabled = true;
    Undo.enabled = false;
}

void GameModel::clickCategory(int k) {
    if (k < 1 || k > CategoryCount || !btn[at(k)].enabled || s_.TurnPlaced == 1) {
        return;
    }
    const Scope scope(*this);
    const int points = categoryPoints(k, s_.DiceValue);
    s_.Score[at(k)] = points;
    if (points <= 0) {
        NoAble();
        return;
    }
    s_.TotalScore += points;
    if (isUpper(k)) {
        s_.BonusBalance += points;
    }
    Control& label = scr[at(k)];
    label.foreColor = points == categoryMaximum(k) ? colour::White : colour::Yellow;
    label.caption = std::to_string(points);
    scr_Tot.caption = std::to_string(s_.TotalScore);
    btn[at(k)].enabled = false;
    Varje();
    if (isUpper(k)) {
        bonusVarje();
    }
    if (k == category::Yatzy) {
        w_.hooks.sndA(5);
        say("yatzy! + " + std::to_string(points));
    }
}

void GameModel::NoAble() {
    const Scope scope(*this);
    w_.hooks.playRefusedSound();
    say(w_.texts.T("d3"));
}

void GameModel::Varje() {
    const Scope scope(*this);
    say(w_.texts.T("d2") + ": " + std::to_string(s_.TotalScore));
    --s_.CategoriesLeft;
    w_.hooks.sndA(2);
    RemoveAll();
    Indik.visible = false;
    TimerIndik.stop();
    if (s_.RollsLeft <= 0 || s_.CategoriesLeft <= 0) {
        Roll.enabled = false;
        TimerEnd.start();
    }
}

void GameModel::bonusVarje() {
    const Scope scope(*this);
    ++s_.UpperPlaced;
    if (s_.BonusBalance >= 0) {
        Bonus.foreColor = colour::Yellow;
        Bonus.caption = std::to_string(BonusPoints);
        if (s_.BonusGiven == 0) {
            w_.hooks.sndA(3);
            s_.TotalScore += BonusPoints;
            scr_Tot.caption = std::to_string(s_.TotalScore);
            s_.BonusGiven = 1;
            say("bonus! + 100");
        }
    } else if (s_.UpperPlaced != 6) {
        Bonus.foreColor = colour::LightRed;
        Bonus.caption = std::to_string(s_.BonusBalance);
    } else {
        Bonus.foreColor = colour::Yellow;
        Bonus.caption = "0";
        const std::string missed = w_.texts.T("d8");
        say(missed.empty() ? "No bonus" : missed);
    }
}

void GameModel::CheckKateg() {
    const Scope scope(*this);
    s_.NoScoreColour = "8421504";
    const auto noScore = static_cast<std::uint32_t>(intValue(s_.NoScoreColour));

    CategorySet open = 0;
    for (int k = 1; k <= CategoryCount; ++k) {
        if (btn[at(k)].enabled) {
            open |= bitOf(k);
        }
    }
    evaluation_ = evaluate(s_.DiceValue, open, s_.RollsLeft, intValue(Rolls.caption));
    const Evaluation& e = evaluation_;
    s_.AnyScorable = e.anyScorable;
    if (e.pairCount >= 0) {
        s_.PairCount = e.pairCount;
    }

    const bool namesFresh = namesStillHold();
    for (int k = 1; k <= CategoryCount; ++k) {
        if ((open & bitOf(k)) == 0) {
            continue;
        }
        Control& b = btn[at(k)];
        const int value = e.value[static_cast<std::size_t>(k)];
        if (value <= 0) {
            b.foreColor = noScore;
            b.toolTip.clear();
            tipValue_[at(k)] = 0;
            continue;
        }
        b.foreColor = colour::White;
        int& shown = tipValue_[at(k)];
        if (value == shown && namesFresh) {
            continue; // the tool tip already says this
        }
        shown = value;
        char digits[12];
        const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        std::string& tip = b.toolTip;
        tip.assign(1, ' ');
        tip += categoryText(k);
        tip += k == category::Yatzy ? "! +" : ": ";
        tip.append(digits, end);
        tip += ' ';
    }

    s_.SuggestedCategory = e.suggestedCategory;
    if (e.suggestedCategory != 0) {
        Indik.top = MarkerFirstTop + RowStep * (e.suggestedCategory - 1);
        if (setting("ShowRedSquare") == "Yes") {
            Indik.visible = true;
            TimerIndik.start();
        }
    } else {
        Indik.visible = false;
    }
}

void GameModel::RemoveAll() {
    const Scope scope(*this);
    for (Control& die : Image) {
        die.visible = false;
    }
    s_.DiceHeld.fill(0);
    Undo.enabled = false;
    s_.TurnPlaced = 1;
    Roll.enabled = true;
    const auto noScore = static_cast<std::uint32_t>(intValue(s_.NoScoreColour));
    for (Control& b : btn) {
        b.foreColor = noScore;
    }
}

void GameModel::PlaceAll() {
    const Scope scope(*this);
    Indik.left = MarkerLeft;
    Indik.height = 135;
    Indik.width = 135;
    Rolls.top = 3030;
    Rolls.left = 9040;
    Rolls.width = 465;
    Rolls.height = 255;
    Mrolls.top = 2570;
    Mrolls.left = 8500;
    Mrolls.width = 465;
    Mrolls.height = 255;
    Bonus.top = 7830;
    Bonus.left = ScoreLeft;
    Bonus.width = 405;
    Bonus.height = 225;
    scr_Tot.top = 8130;
    scr_Tot.left = ScoreLeft;
    scr_Tot.width = 405;
    scr_Tot.height = 225;
    for (Control& b : btn) {
        b.left = ButtonLeft;
        b.width = 2055;
        b.enabled = true;
    }
    scr[0].top = 1550;
    for (int k = 1; k <= CategoryCount; ++k) {
        Control& label = scr[at(k)];
        label.top = scr[0].top + ScoreOffsets[at(k)];
        label.left = ScoreLeft;
        label.width = 405;
    }
    for (Control& label : scr) {
        label.caption.clear();
    }
}

void GameModel::hideMarker() {
    const Scope scope(*this);
    Indik.visible = false;
}

void GameModel::clickCommand1() {
    const Scope scope(*this);
    s_.RollsLeft = 1;
}

void GameModel::clickCommand2() {
    const Scope scope(*this);
    say(Text1.caption);
}

void GameModel::tickTimerPlay() {
    if (!TimerPlay.enabled) {
        return;
    }
    const Scope scope(*this);
    if (s_.PlaySeconds < MaxPlaySeconds) {
        ++s_.PlaySeconds;
    }
}

bool GameModel::finishPendingEnd() {
    if (!TimerEnd.enabled || ending_) {
        return false;
    }
    endGame();
    return true;
}

void GameModel::tickTimerEnd() {
    // Modal boxes of the recording let the timer tick again; one finished game is one end.
    finishPendingEnd();
}

void GameModel::endGame() {
    const Scope scope(*this);
    struct Guard {
        bool& flag;
        explicit Guard(bool& f) : flag(f) { flag = true; }
        Guard(const Guard&) = delete;
        Guard& operator=(const Guard&) = delete;
        ~Guard() { flag = false; }
    } guard(ending_);

    // Off before the hand-over: a recording that fails half-way must not be retried on every
    // tick; the player can still start a new game.
    TimerEnd.stop();
    notifyChanged();
    w_.hooks.endOfGame(*this);
}

void GameModel::tickTimerIndik() {
    if (!TimerIndik.enabled) {
        return;
    }
    const Scope scope(*this);
    ++s_.PulseStep;
    switch (s_.PulseStep) {
    case 0:
    case 7:
        Indik.fillColor = 64;
        break;
    case 1:
    case 6:
        Indik.fillColor = 128;
        break;
    case 2:
        Indik.fillColor = 192;
        break;
    case 11:
        s_.PulseStep = -1;
        break;
    default:
        break;
    }
}

} // namespace brisvane
