#pragma once
// The local date and time from the desktop's clock.
#include "common/Ports.h"

class QDateTime;

namespace brisvane {

class QtClock : public Clock {
public:
    DateTime now() const override;

    static DateTime fromQt(const QDateTime& when);
};

} // namespace brisvane
