#pragma once
// The full month names the result window's date of birth is written with:
// the system language's ("März/5/1980" on a German desktop) while the
// windows speak English, else the windows' language's (its locale in
// kLanguages: "मार्च/5/1980" in Hindi).

#include <QLocale>

#include "presentation/BirthLabels.h"
#include "services/LanguageChoice.h"

namespace velmora {

inline MonthNames MonthNamesOf(const QLocale& locale) {
    MonthNames months;
    for (int m = 1; m <= 12; ++m)
        months[static_cast<std::size_t>(m - 1)] = locale.monthName(m, QLocale::LongFormat).toStdString();
    return months;
}

inline MonthNames SystemMonthNames() {
    return MonthNamesOf(LanguageChoice::Current() == Language::English ? QLocale::system()
                                                                        : LanguageChoice::WindowLocale());
}

}  // namespace velmora
