#include "cli/TimeRequest.h"

#include <algorithm>

#include "text/Quoted.h"

namespace velmora::cli {

namespace {

// "YYYY-MM-DDTHH:MM" as a clock, or none.
std::optional<LocalClock> ParseMoment(std::string_view text) {
    auto digits = [&text](std::size_t at, std::size_t count, int& value) {
        value = 0;
        for (std::size_t i = at; i < at + count; ++i) {
            if (text[i] < '0' || text[i] > '9') return false;
            value = value * 10 + (text[i] - '0');
        }
        return true;
    };
    if (text.size() != 16 || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':') return {};
    LocalClock c;
    if (!digits(0, 4, c.Year) || !digits(5, 2, c.Month) || !digits(8, 2, c.Day) || !digits(11, 2, c.Hour) ||
        !digits(14, 2, c.Minute))
        return {};
    if (c.Year < 1800 || c.Year > 2399 || c.Month < 1 || c.Month > 12 || c.Day < 1 ||
        c.Day > DaysInMonth(c.Year, c.Month) || c.Hour > 23 || c.Minute > 59)
        return {};
    return c;
}

}  // namespace

std::string TimeRequestFrom(const CliOptions& o, double nowUT, TimeRequest& request) {
    request = {};
    request.nowUT = nowUT;
    request.panchanga = o.panchanga;
    request.strengths = o.strengths;
    if (o.sunrise) {
        if (*o.sunrise == "limb") {
            request.sunrise = SunriseConvention::UpperLimbRefracted;
        } else if (*o.sunrise == "centre" || *o.sunrise == "center") {
            request.sunrise = SunriseConvention::DiscCentre;
        } else {
            return "--sunrise must be limb (the upper limb with refraction) or centre (the disc's centre without "
                   "refraction), got " + Quoted(*o.sunrise);
        }
    }
    if (o.sensitivity) {
        const std::string& text = *o.sensitivity;
        const bool digits = !text.empty() && text.size() <= 3 &&
                            std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
        request.sensitivityMinutes = digits ? std::stoi(text) : 0;
        if (request.sensitivityMinutes < 1 || request.sensitivityMinutes > kSensitivityMaxMinutes)
            return "--sensitivity must be a whole number of minutes from 1 to " +
                   std::to_string(kSensitivityMaxMinutes) + " (the window either side of the birth time), got " +
                   Quoted(text);
    }
    if (o.transit) {
        request.transits = true;
        if (!o.transit->empty()) {
            request.transitClock = ParseMoment(*o.transit);
            if (!request.transitClock)
                return "--transit must be a moment YYYY-MM-DDTHH:MM (years 1800 to 2399) on the birth place's "
                       "clock, or nothing for now, got " + Quoted(*o.transit);
        } else if (nowUT == 0) {
            return "--transit: no clock to read now from; give the moment YYYY-MM-DDTHH:MM";
        }
    }
    return {};
}

TimeParts ComputeTimeParts(const Chart& chart, const TimeRequest& request) {
    TimeParts parts;
    if (request.panchanga) parts.panchanga = ComputePanchanga(chart, request.sunrise);
    if (request.strengths) parts.strengths = ComputeStrengths(chart, request.sunrise);
    if (request.transits) {
        const PlaceMoment moment = MomentOnPlaceClock(chart, request.transitClock, request.nowUT);
        if (!moment.refusal.empty()) {
            parts.transits = TransitOutcome{std::nullopt, "--transit: " + moment.refusal};
        } else {
            parts.transits = ComputeTransits(chart, moment.julianDayUT, moment.utcOffsetSeconds);
        }
    }
    if (request.sensitivityMinutes > 0) parts.sensitivity = ComputeSensitivity(chart, request.sensitivityMinutes);
    return parts;
}

void AttachTimeParts(const TimeParts& parts, ChartSource& source) {
    source.panchanga = parts.panchanga ? &*parts.panchanga : nullptr;
    source.transits = parts.transits ? &*parts.transits : nullptr;
    source.sensitivity = parts.sensitivity ? &*parts.sensitivity : nullptr;
    source.strengths = parts.strengths ? &*parts.strengths : nullptr;
}

std::string TimeRefusal(const TimeParts& parts) {
    if (parts.panchanga && !parts.panchanga->panchanga) return parts.panchanga->refusal;
    if (parts.transits && !parts.transits->transits) return parts.transits->refusal;
    if (parts.sensitivity && !parts.sensitivity->sensitivity) return parts.sensitivity->refusal;
    return {};
}

}  // namespace velmora::cli
