#pragma once
// The calendar's today and the moment now for the windows, behind an
// interface so that tests fix them.

#include <QDate>
#include <QDateTime>

#include "analysis/Vimshottari.h"

namespace velmora {

class Clock {
public:
    virtual ~Clock() = default;
    virtual CalendarDate Today() const = 0;
    // The moment now as a Julian Date in Universal Time (the transits'
    // "Now"); the system's clock unless a test fixes it.
    virtual double NowJulianDayUT() const {
        constexpr double kUnixEpoch = 2440587.5;  // 1 January 1970, 0 h UT
        return kUnixEpoch + static_cast<double>(QDateTime::currentMSecsSinceEpoch()) / 86400000.0;
    }
};

// The system's local date.
class SystemClock : public Clock {
public:
    CalendarDate Today() const override {
        const QDate today = QDate::currentDate();
        return {today.year(), today.month(), today.day()};
    }
};

}  // namespace velmora
