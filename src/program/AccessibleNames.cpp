#include "program/AccessibleNames.h"

#include <array>
#include <cstddef>

#include "common/Text.h"
#include "display/SoundBoard.h"
#include "game/GameModel.h"

namespace brisvane {

namespace speech {

std::string plainCaption(std::string_view caption) {
    std::string plain;
    plain.reserve(caption.size());
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') {
                plain += '&';
                ++i;
            }
            continue;
        }
        plain += caption[i];
    }
    return text::trim(plain);
}

std::string_view faceWord(int face) {
    static constexpr std::array<std::string_view, 6> Words{"one",  "two",  "three",
                                                           "four", "five", "six"};
    return face >= 1 && face <= 6 ? Words[static_cast<std::size_t>(face - 1)] : std::string_view();
}

std::string dieName(int die, int face, bool pickedUp) {
    std::string name = "Die " + std::to_string(die);
    if (faceWord(face).empty()) {
        return name;
    }
    name += ": ";
    name += faceWord(face);
    if (pickedUp) {
        name += ", picked up";
    }
    return name;
}

std::string scoreName(std::string_view category, std::string_view caption) {
    const std::string figure = plainCaption(caption);
    return std::string(category) + ": " + (figure.empty() ? std::string("open") : figure);
}

Spoken fromCaption(const Control& control) {
    Spoken spoken;
    spoken.name = plainCaption(control.caption);
    spoken.description = plainCaption(control.toolTip);
    spoken.present = control.visible && !spoken.name.empty();
    return spoken;
}

} // namespace speech

namespace {

// The number after `prefix` in a control name ("Image3" -> 3, "scr_07" -> 7); 0 when the name
// is not of that form or the number is outside 1..last.
int numberAfter(std::string_view name, std::string_view prefix, int last) {
    if (name.size() <= prefix.size() || name.substr(0, prefix.size()) != prefix) {
        return 0;
    }
    int number = 0;
    for (const char c : name.substr(prefix.size())) {
        if (c < '0' || c > '9' || number > last) {
            return 0;
        }
        number = number * 10 + (c - '0');
    }
    return number >= 1 && number <= last ? number : 0;
}

// "Rolls left: 59"; without a figure just the label.
std::string labelled(const std::string& label, const std::string& figure) {
    return figure.empty() ? label : label + ": " + figure;
}

} // namespace

AccessibleNames::AccessibleNames(const GameModel& game, const Texts& texts)
    : game_(game), texts_(texts) {}

std::string AccessibleNames::text(const char* key, const char* fallback) const {
    std::string found = speech::plainCaption(texts_.T(key));
    return found.empty() ? std::string(fallback) : found;
}

std::string AccessibleNames::categoryName(int k) const {
    // The button's caption is the language's name of the category, as the player reads it.
    std::string name = speech::plainCaption(game_.btn.at(static_cast<std::size_t>(k - 1)).caption);
    return name.empty() ? std::string(brisvane::categoryName(k)) : name;
}

Spoken AccessibleNames::die(const Control& control, int die) const {
    const int face = game_.state().DiceValue.at(static_cast<std::size_t>(die - 1));
    // A rolled die that is not on the table while Undo is possible has been picked up; after a
    // placement the table is cleared and the dice are nobody's until the next roll.
    const bool pickedUp = !control.visible && face != 0 && game_.Undo.enabled;
    Spoken spoken;
    spoken.name = speech::dieName(die, face, pickedUp);
    if (rollAgain_ != nullptr && (*rollAgain_)[static_cast<std::size_t>(die - 1)]) {
        spoken.name += ", advised to roll again";
    }
    spoken.description = speech::plainCaption(control.toolTip);
    spoken.checkable = true;
    spoken.checked = pickedUp;
    spoken.present = control.visible || pickedUp;
    return spoken;
}

Spoken AccessibleNames::describe(const Control& control) const {
    const std::string& name = control.objectName;
    Spoken spoken = speech::fromCaption(control);
    const std::string figure = spoken.name; // the caption of a figure is its value

    if (const int i = numberAfter(name, "Image", 6); i != 0) {
        return die(control, i);
    }
    if (const int k = numberAfter(name, "scr_", CategoryCount); k != 0) {
        spoken.name = speech::scoreName(categoryName(k), control.caption);
        spoken.value = figure;
        spoken.present = control.visible;
        return spoken;
    }
    for (int k = 1; k <= CategoryCount; ++k) {
        if (name == game_.btn.at(static_cast<std::size_t>(k - 1)).objectName) {
            spoken.name = categoryName(k);
            const int score = game_.state().Score.at(static_cast<std::size_t>(k - 1));
            if (!control.enabled && score > 0) {
                spoken.value = std::to_string(score);
            }
            spoken.present = control.visible;
            return spoken;
        }
    }

    if (name == "Rolls" || name == "Mrolls" || name == "scr_Tot" || name == "Bonus") {
        const std::string label = name == "Rolls"     ? text("s24", "Rolls left")
                                  : name == "Mrolls"  ? text("h4", "Rolls left per open category")
                                  : name == "scr_Tot" ? text("d2", "Total")
                                                      : std::string("Bonus");
        spoken.name = labelled(label, figure);
        spoken.value = figure;
        spoken.present = control.visible;
    } else if (name == "Indik") {
        const int suggested = game_.state().SuggestedCategory;
        spoken.name = suggested == 0 ? "Suggestion" : "Suggestion: " + categoryName(suggested);
        spoken.present = control.visible && suggested != 0;
    } else if (name == "SoundPic") {
        spoken.name = control.picture == SoundBoard::IconOff ? "Sound off" : "Sound on";
        spoken.present = control.visible;
    } else if (name == "ErrorPic") {
        spoken.name = "Error"; // the error line itself is the description
        spoken.present = control.visible;
    } else if (name == "Minimera") {
        spoken.name = text("h8", "Minimise");
        spoken.present = control.visible;
    } else if (name == "Avsluta") {
        spoken.name = text("h9", "Exit");
        spoken.present = control.visible;
    } else if (name == "Titellist" || name == "Logo") {
        // The program's name: the strip is the window's title, the logo opens its menu.
        spoken.name = text("b1", "Brisvane");
        spoken.present = control.visible;
    } else if (name == "BackgrPic") {
        spoken.name = "Background picture";
        spoken.present = control.visible;
    }
    return spoken;
}

} // namespace brisvane
