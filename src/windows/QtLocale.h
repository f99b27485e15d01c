#pragma once
// The desktop's display conventions, from the system locale.
#include <QLocale>

#include "common/Ports.h"

namespace brisvane {

class QtLocale : public Locale {
public:
    QtLocale() : locale_(QLocale::system()) {}
    explicit QtLocale(QLocale locale) : locale_(std::move(locale)) {}

    std::string decimalSeparator() const override;
    std::string shortDate(const DateTime& when) const override;
    // The locale's long time form without the time zone, which a DateTime does not carry.
    std::string longTime(const DateTime& when) const override;
    std::string monthName(int month) const override;

private:
    QLocale locale_;
};

} // namespace brisvane
