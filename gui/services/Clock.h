#pragma once
// The calendar's today for the windows, behind an interface so that tests
// fix the day.

#include <QDate>

#include "analysis/Vimshottari.h"

namespace velmora {

class Clock {
public:
    virtual ~Clock() = default;
    virtual CalendarDate Today() const = 0;
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
