#pragma once
// The desktop's screen, in twips (15 to a logical pixel): the screen the followed window is
// on, or the primary screen.
#include <QPointer>
#include <QWidget>

#include "common/Ports.h"

class QScreen;

namespace brisvane {

class QtScreen : public Screen {
public:
    // Our own platform number for the highscore service. The service knows only the two
    // numbers of another desktop family, so a Linux desktop reports as "not applicable".
    static constexpr int LinuxPlatformId = 100;
    static constexpr int TwipsPerPixel = 15;

    TwipRect workArea() const override;
    int screenWidth() const override;
    int screenHeight() const override;
    int platformId() const override { return LinuxPlatformId; }

    // Reports the screen `window` is on from now on (the game window, once it exists).
    void follow(QWidget* window) { window_ = window; }

private:
    QScreen* screen() const;

    QPointer<QWidget> window_;
};

} // namespace brisvane
