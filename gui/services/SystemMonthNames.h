#pragma once
// The full month names of the system's language, as the result window's
// date of birth shows them ("März/5/1980" on a German desktop).

#include <QLocale>

#include "presentation/BirthLabels.h"

namespace velmora {

inline MonthNames SystemMonthNames() {
    const QLocale system = QLocale::system();
    MonthNames months;
    for (int m = 1; m <= 12; ++m)
        months[static_cast<std::size_t>(m - 1)] = system.monthName(m, QLocale::LongFormat).toStdString();
    return months;
}

}  // namespace velmora
