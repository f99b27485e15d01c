#pragma once
// The state of one control of a window model: what the Qt view draws for a label, picture,
// button or shape that the core drives. Positions and sizes are in twips (15 twips to a pixel
// at 96 dpi); colours are 0x00BBGGRR numbers.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace brisvane {

struct Control {
    std::string objectName; // the control's name, also the Qt widget's objectName
    std::string caption;    // label caption, or the text of a text box
    std::string toolTip;
    std::uint32_t foreColor = 0;
    std::uint32_t fillColor = 0; // filled shapes only (`Indik`)
    bool enabled = true;
    bool visible = true;
    bool bold = false;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int picture = 0; // resource id of a picture control; 0 = none
};

// A list or a combo box: `caption` is its text, `items` its entries.
struct ListControl : Control {
    std::vector<std::string> items;
    // The entry equal to `text`, or -1.
    int indexOf(const std::string& text) const {
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (items[i] == text) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }
};

// A control at its design-time place, in twips.
inline Control makeControl(std::string name, int left, int top, int width, int height,
                           std::uint32_t foreColor = 0) {
    Control c;
    c.objectName = std::move(name);
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    c.foreColor = foreColor;
    return c;
}

// Colours the windows share.
namespace colour {
inline constexpr std::uint32_t White = 0xFFFFFF;
inline constexpr std::uint32_t Yellow = 59135; // 0x0000E6FF
inline constexpr std::uint32_t LightRed = 0x8080FF;
inline constexpr std::uint32_t Silver = 0xC0C0C0;
inline constexpr std::uint32_t Grey = 0x808080;
} // namespace colour

} // namespace brisvane
