#pragma once
// What a screen reader says of each control of the game window: a name in the player's words,
// the figure the control shows, its help text, and whether a die is picked up. The captions
// carry leading blanks, and some controls show no text at all (the dice, the speaker, an empty
// score), so their names come from what they mean in the game and from the language's texts.
// Qt-free: the window's accessibility interface asks here, and the tests read it directly.

#include <array>
#include <string>
#include <string_view>

#include "common/Controls.h"
#include "common/Texts.h"

namespace brisvane {

class GameModel;

// One control as assistive technology presents it.
struct Spoken {
    std::string name;
    std::string value;       // the figure the control shows (a score, the rolls left); "" if none
    std::string description; // its help text, without the blanks around it
    bool checkable = false;  // a die: on the table or picked up
    bool checked = false;    // a picked-up die
    // Whether the player can find the control: false for one that is hidden or shows nothing,
    // true for a picked-up die, which is off the table but can still be put back.
    bool present = true;

    bool operator==(const Spoken&) const = default;
};

namespace speech {

// A caption as it reads: without the blanks around it and without the '&' that marks a
// mnemonic ("&OK" reads "OK", "&&" is one '&').
std::string plainCaption(std::string_view caption);
// What a control says by its caption and tool tip alone; present while visible and readable.
Spoken fromCaption(const Control& control);

} // namespace speech

class AccessibleNames {
public:
    // `texts` gives the language's words (the faces, "picked up", "Rolls left", the category
    // names, ...). Both references must outlive this object.
    AccessibleNames(const GameModel& game, const Texts& texts);

    // What `control`, a control of the game window, says now. A control this class has no
    // special knowledge of says its caption.
    Spoken describe(const Control& control) const;
    // The dice the advisor would roll again (die i at i-1), told with each die; null: none.
    void setAdvice(const std::array<bool, 6>* rollAgain) { rollAgain_ = rollAgain; }

private:
    std::string text(const char* key, const char* fallback) const;
    // "Rolls left: 59" in the language's form; without a figure just the label.
    std::string labelled(const std::string& label, const std::string& figure) const;
    // "Die 3: five", "Die 3: five, picked up"; a die not rolled yet is just "Die 3".
    std::string dieName(int die, int face, bool pickedUp) const;
    std::string categoryName(int k) const;
    Spoken die(const Control& control, int die) const;

    const GameModel& game_;
    const Texts& texts_;
    const std::array<bool, 6>* rollAgain_ = nullptr;
};

} // namespace brisvane
