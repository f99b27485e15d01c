#pragma once
// Runs one real QTimer for one model timer: starts, restarts and stops it as the model's
// timer state says, and calls the model's tick on every timeout. The view calls sync() after
// every change of its model.

#include <QObject>
#include <QTimer>
#include <functional>

#include "common/ModelTimer.h"

namespace brisvane {

class TimerDriver : public QObject {
    Q_OBJECT
public:
    TimerDriver(const ModelTimer& model, std::function<void()> tick, QObject* parent = nullptr);

    // Brings the real timer in line with the model: a timer the model switched on again since
    // the last sync starts a fresh full interval.
    void sync();

    bool isActive() const { return timer_.isActive(); }
    int interval() const { return timer_.interval(); }
    // The tick as the timer would fire it; for tests, which never wait for real time.
    void fire() { tick_(); }
    // How often the real timer was started for a full interval.
    unsigned starts() const { return starts_; }

private:
    const ModelTimer& model_;
    std::function<void()> tick_;
    QTimer timer_;
    unsigned seenStarts_ = 0;
    unsigned starts_ = 0;
};

} // namespace brisvane
