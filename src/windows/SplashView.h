#pragma once
// The Qt view of the start-up window: a borderless picture with the version, centred on the
// screen, that goes away when its model hands over to the game window.

#include <QWidget>

#include "windows/EventGuard.h"

class QLabel;

namespace brisvane {

class Splash;
class TimerDriver;

class SplashView : public QWidget {
    Q_OBJECT
public:
    // Runs the model's load step: the splash either shows itself or has handed over (and is
    // hidden) when the constructor returns. `guard` reports what escapes the model.
    // `subtitle` goes under the name on the picture.
    SplashView(Splash& model, EventGuard& guard, const class Screen& screen,
               QString subtitle = {});
    ~SplashView() override;

    QLabel* versionLabel() const { return version_; }
    TimerDriver* sTimer2() const { return timer_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void render();

    Splash& model_;
    EventGuard& guard_;
    QLabel* version_;
    QLabel* info_;
    TimerDriver* timer_;
    QString subtitle_;
};

} // namespace brisvane
