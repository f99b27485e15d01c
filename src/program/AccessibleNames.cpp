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

} // namespace

AccessibleNames::AccessibleNames(const GameModel& game, const Texts& texts)
    : game_(game), texts_(texts) {}

std::string AccessibleNames::text(const char* key, const char* fallback) const {
    std::string found = speech::plainCaption(texts_.T(key));
    return found.empty() ? std::string(fallback) : found;
}

std::string AccessibleNames::labelled(const std::string& label, const std::string& figure) const {
    return figure.empty() ? label : text::fill(texts_.T("s126"), {label, figure});
}

std::string AccessibleNames::dieName(int die, int face, bool pickedUp) const {
    std::string name = text::fill(texts_.T("s101"), {std::to_string(die)});
    if (face < 1 || face > 6) {
        return name;
    }
    name = labelled(name, texts_.T("s" + std::to_string(101 + face)));
    if (pickedUp) {
        name += ", " + texts_.T("s108");
    }
    return name;
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
    spoken.name = dieName(die, face, pickedUp);
    if (rollAgain_ != nullptr && (*rollAgain_)[static_cast<std::size_t>(die - 1)]) {
        spoken.name += ", " + texts_.T("s110");
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
        spoken.name = labelled(categoryName(k), figure.empty() ? texts_.T("s109") : figure);
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
                                                      : texts_.T("s111");
        spoken.name = labelled(label, figure);
        spoken.value = figure;
        spoken.present = control.visible;
    } else if (name == "Indik") {
        const int suggested = game_.state().SuggestedCategory;
        spoken.name = labelled(texts_.T("s112"), suggested == 0 ? "" : categoryName(suggested));
        spoken.present = control.visible && suggested != 0;
    } else if (name == "SoundPic") {
        spoken.name = texts_.T(control.picture == SoundBoard::IconOff ? "s114" : "s113");
        spoken.present = control.visible;
    } else if (name == "ErrorPic") {
        spoken.name = texts_.T("s115"); // the error line itself is the description
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
        spoken.name = texts_.T("s116");
        spoken.present = control.visible;
    }
    return spoken;
}

} // namespace brisvane
