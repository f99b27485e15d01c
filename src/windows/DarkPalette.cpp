#include "windows/DarkPalette.h"

namespace brisvane::dark {

QPalette palette(QPalette base) {
    // Switched-off controls too: a style draws their frames from the same roles, and a role
    // left light there would make them the brightest thing in the window.
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        base.setColor(group, QPalette::Window, Ground);
        base.setColor(group, QPalette::WindowText, Ink);
        base.setColor(group, QPalette::Base, Field);
        base.setColor(group, QPalette::AlternateBase, Ground);
        base.setColor(group, QPalette::Text, Ink);
        base.setColor(group, QPalette::PlaceholderText, QColor(0x8a, 0x96, 0xa3));
        base.setColor(group, QPalette::Button, Raised);
        base.setColor(group, QPalette::ButtonText, Ink);
        base.setColor(group, QPalette::Highlight, Accent);
        base.setColor(group, QPalette::HighlightedText, Qt::black);
        base.setColor(group, QPalette::ToolTipBase, Field);
        base.setColor(group, QPalette::ToolTipText, Ink);
        base.setColor(group, QPalette::Link, Accent);
        base.setColor(group, QPalette::Light, QColor(0x3a, 0x48, 0x58));
        base.setColor(group, QPalette::Midlight, QColor(0x30, 0x3d, 0x4c));
        base.setColor(group, QPalette::Mid, QColor(0x1c, 0x26, 0x31));
        base.setColor(group, QPalette::Dark, Outline);
        base.setColor(group, QPalette::Shadow, Qt::black);
    }
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                            QPalette::Highlight, QPalette::Link}) {
        base.setColor(QPalette::Disabled, role, Dimmed);
    }
    base.setColor(QPalette::Disabled, QPalette::Button, QColor(0x1b, 0x24, 0x2e));
    base.setColor(QPalette::Disabled, QPalette::Base, Ground);
    return base;
}

} // namespace brisvane::dark
