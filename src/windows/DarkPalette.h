#pragma once
// The colours of the game's own dialogs (the settings and translation windows): the dark table
// ground of the game window, light text and the yellow accent.

#include <QColor>
#include <QPalette>

namespace brisvane::dark {

inline const QColor Ground(0x16, 0x1e, 0x27);
inline const QColor GroundDeep(0x0c, 0x11, 0x17);
inline const QColor Ink(0xe8, 0xed, 0xf2);
inline const QColor Accent(0xff, 0xe6, 0x00);
inline const QColor Field(0x0e, 0x14, 0x1b);
inline const QColor Raised(0x25, 0x31, 0x3f);
inline const QColor Outline(0x4a, 0x5a, 0x6b);
inline const QColor Dimmed(0x6b, 0x76, 0x82); // text of a switched-off control

// `base` with every role in those colours, alike whether the window is active or not.
QPalette palette(QPalette base = QPalette());

} // namespace brisvane::dark
