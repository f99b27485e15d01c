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
// Outline of an unticked box, an unchosen choice and a text box without the focus: it must
// stand out 3:1 from the ground (and from a group's veiled ground) to be seen at all.
inline const QColor Edge(0x6a, 0x7b, 0x8d);
// A group's frame and the faint veil over its ground.
inline const QColor GroupEdge(255, 255, 255, 34);
inline const QColor GroupVeil(255, 255, 255, 8);

// `base` with every role in those colours, alike whether the window is active or not;
// switched-off controls dimmed.
QPalette palette(QPalette base = QPalette());

} // namespace brisvane::dark
