#include "windows/TimerDriver.h"

namespace brisvane {

TimerDriver::TimerDriver(const ModelTimer& model, std::function<void()> tick, QObject* parent)
    : QObject(parent), model_(model), tick_(std::move(tick)) {
    timer_.setTimerType(Qt::CoarseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { tick_(); });
    seenStarts_ = model_.starts;
}

void TimerDriver::sync() {
    if (!model_.enabled) {
        timer_.stop();
    } else if (!timer_.isActive() || model_.starts != seenStarts_ ||
               timer_.interval() != model_.interval) {
        timer_.start(model_.interval);
        ++starts_;
    }
    seenStarts_ = model_.starts;
}

} // namespace brisvane
