#pragma once
// The advisor's choices and the game's dice in the player's language, as the advice label and
// the statistics window's replay show them.

#include <string>

#include "advisor/Advisor.h"
#include "common/Texts.h"

namespace brisvane {

// "fill Sixes (24)", "roll again 1 2 5" or "roll all six".
std::string describeChoice(const Texts& texts, const advisor::Choice& choice);
// The name of category k in the language (the game's own name where the language has none).
std::string categoryText(const Texts& texts, int category);
// The faces of `counts` in ascending order, "1 2 5".
std::string facesText(const advisor::Counts& counts);

} // namespace brisvane
