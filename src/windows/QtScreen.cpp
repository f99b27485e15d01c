#include "windows/QtScreen.h"

#include <QGuiApplication>
#include <QScreen>

namespace brisvane {

QScreen* QtScreen::screen() const {
    if (window_ != nullptr && window_->screen() != nullptr) {
        return window_->screen();
    }
    return QGuiApplication::primaryScreen();
}

TwipRect QtScreen::workArea() const {
    const QScreen* s = screen();
    if (s == nullptr) {
        return {};
    }
    const QRect area = s->availableGeometry();
    return {area.left() * TwipsPerPixel, area.top() * TwipsPerPixel, area.width() * TwipsPerPixel,
            area.height() * TwipsPerPixel};
}

int QtScreen::screenWidth() const {
    const QScreen* s = screen();
    return s == nullptr ? 0 : s->geometry().width() * TwipsPerPixel;
}

int QtScreen::screenHeight() const {
    const QScreen* s = screen();
    return s == nullptr ? 0 : s->geometry().height() * TwipsPerPixel;
}

} // namespace brisvane
