#include "windows/QtLocale.h"

#include <QDate>
#include <QTime>

namespace brisvane {

namespace {

// Drops the time-zone fields ("t") of a time format, outside quoted literals.
QString withoutTimeZone(const QString& format) {
    QString result;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
        }
        if (!quoted && c == QLatin1Char('t')) {
            continue;
        }
        result += c;
    }
    return result.trimmed();
}

} // namespace

std::string QtLocale::decimalSeparator() const {
    return locale_.decimalPoint().toStdString();
}

std::string QtLocale::shortDate(const DateTime& when) const {
    return locale_.toString(QDate(when.year, when.month, when.day), QLocale::ShortFormat)
        .toStdString();
}

std::string QtLocale::longTime(const DateTime& when) const {
    const QTime time(when.hour, when.minute, when.second);
    return locale_.toString(time, withoutTimeZone(locale_.timeFormat(QLocale::LongFormat)))
        .toStdString();
}

std::string QtLocale::monthName(int month) const {
    if (month < 1 || month > 12) {
        return {};
    }
    return locale_.monthName(month, QLocale::LongFormat).toStdString();
}

} // namespace brisvane
