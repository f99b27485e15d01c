#include "windows/QtClock.h"

#include <QDateTime>

namespace brisvane {

DateTime QtClock::now() const {
    return fromQt(QDateTime::currentDateTime());
}

DateTime QtClock::fromQt(const QDateTime& when) {
    const QDate date = when.date();
    const QTime time = when.time();
    return DateTime{date.year(),   date.month(),  date.day(), time.hour(),
                    time.minute(), time.second(), time.msec()};
}

} // namespace brisvane
