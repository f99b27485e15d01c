#pragma once
// Twips (15 to a logical pixel) and 0x00BBGGRR colours of the models, for the Qt views.

#include <QColor>
#include <QRect>
#include <cstdint>

#include "common/Ports.h"
#include "common/Controls.h"

namespace brisvane::twips {

inline constexpr int PerPixel = 15;

constexpr int toPixels(int twips) {
    // Rounded to the nearest pixel, halves away from zero, so that negative places (a window
    // dragged past the screen's left edge) round like positive ones.
    return twips >= 0 ? (twips + PerPixel / 2) / PerPixel : -((-twips + PerPixel / 2) / PerPixel);
}
constexpr int fromPixels(int pixels) {
    return pixels * PerPixel;
}

inline QRect toPixels(const Control& control) {
    return {toPixels(control.left), toPixels(control.top), toPixels(control.width),
            toPixels(control.height)};
}
inline QRect toPixels(const TwipRect& rect) {
    return {toPixels(rect.left), toPixels(rect.top), toPixels(rect.width), toPixels(rect.height)};
}

inline QColor toQColor(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFFu), static_cast<int>((bgr >> 8) & 0xFFu),
                  static_cast<int>((bgr >> 16) & 0xFFu));
}

} // namespace brisvane::twips
