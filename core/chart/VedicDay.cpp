#include "chart/VedicDay.h"

#include <vector>

#include "birth/LocalClock.h"
#include "engine/BirthTime.h"

namespace velmora {

namespace {

struct DayStart {
    double moment = 0;
    DayBoundary kind = DayBoundary::Sunrise;
};

class DayFinder {
public:
    DayFinder(const Chart& chart, SunriseConvention convention, const std::string& dataDirectory, SunSearch search,
              long long date)
        : chart_(chart), convention_(convention), dataDirectory_(dataDirectory), search_(search) {
        // The program's search looks once at the day before the date, the
        // date and the day after: every day this finder is asked of.
        if (search_ == SunSearch::Program)
            SunEventsWithin(LocalMidnight(chart_, date - 1), LocalMidnight(chart_, date + 2), chart_.latitude,
                            chart_.longitude, convention_, dataDirectory_, events_, &error);
    }

    // Where the day numbered `day` begins: the first sunrise on its date (on
    // the chart's clock), or its local midnight when the Sun does not rise on it.
    DayStart Start(long long day) {
        const double midnight = LocalMidnight(chart_, day);
        if (const auto rise = Event(midnight, LocalMidnight(chart_, day + 1), true)) return {*rise, DayBoundary::Sunrise};
        return {midnight, DayBoundary::Midnight};
    }
    std::optional<double> Event(double from, double to, bool rise) {
        if (!error.empty()) return std::nullopt;
        if (search_ == SunSearch::Library)
            return SunEventWithin(from, to, chart_.latitude, chart_.longitude, rise, convention_, dataDirectory_, &error);
        for (const SunEvent& e : events_)
            if (e.rise == rise && e.jdUT >= from && e.jdUT < to) return e.jdUT;
        return std::nullopt;
    }
    std::string error;  // the library failed

private:
    const Chart& chart_;
    SunriseConvention convention_;
    const std::string& dataDirectory_;
    SunSearch search_;
    std::vector<SunEvent> events_;  // the program's search: every event of the three days
};

}  // namespace

double LocalMidnight(const Chart& chart, long long day) {
    return static_cast<double>(day) - 0.5 - chart.utcOffsetSeconds / 86400.0;
}

std::optional<VedicDay> VedicDayAt(const Chart& chart, double jdUT, SunriseConvention convention,
                                   const std::string& dataDirectory, std::string& error, SunSearch search) {
    // The day of the moment's date if it began by the moment, else the day before's.
    const LocalClock clock = LocalClockAt(jdUT, chart.utcOffsetSeconds);
    VedicDay day;
    day.date = static_cast<long long>(JulianDayNumber(clock.Month, clock.Day, clock.Year));
    DayFinder days(chart, convention, dataDirectory, search, day.date);
    DayStart begins = days.Start(day.date), ends{};
    if (begins.moment <= jdUT) {
        ends = days.Start(day.date + 1);
    } else {
        ends = begins;
        begins = days.Start(--day.date);
    }
    if (begins.kind == DayBoundary::Sunrise) day.sunrise = begins.moment;
    day.sunset = days.Event(begins.moment, ends.moment, false);
    if (!days.error.empty()) {
        error = days.error;
        return std::nullopt;
    }
    day.start = begins.moment;
    day.end = ends.moment;
    day.begins = begins.kind;
    day.ends = ends.kind;
    return day;
}

}  // namespace velmora
