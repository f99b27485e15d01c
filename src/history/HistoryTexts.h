#pragma once
// What the player is told about the history of games, by the end of a game and by the
// statistics window.

#include "common/TextKey.h"

namespace brisvane::historytext {

inline constexpr TextKey Unreadable{"s66", "The history of your games cannot be read (%1)."};
inline constexpr TextKey SetAside{"s67", "The history of your games was damaged. It has been set "
                                         "aside as %1 and a new history begun with the games of "
                                         "the log."};
inline constexpr TextKey NotAdded{"s79", "This game could not be added to the history of your "
                                         "games (%1). Your highscores are kept as usual."};

} // namespace brisvane::historytext
