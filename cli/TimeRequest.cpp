#include "cli/TimeRequest.h"

#include <algorithm>

#include "birth/IsoDate.h"
#include "text/Quoted.h"

namespace velmora::cli {

namespace {

// "YYYY-MM-DDTHH:MM" as a clock, or none.
std::optional<LocalClock> ParseMoment(std::string_view text) {
    if (text.size() != 16 || text[10] != 'T' || text[13] != ':') return {};
    const std::optional<IsoDate> date = ParseIsoDate(text.substr(0, 10), 1800, 2399);
    const auto digit = [&text](std::size_t at) { return text[at] >= '0' && text[at] <= '9'; };
    if (!date || !digit(11) || !digit(12) || !digit(14) || !digit(15)) return {};
    LocalClock c;
    c.Year = date->year;
    c.Month = date->month;
    c.Day = date->day;
    c.Hour = (text[11] - '0') * 10 + (text[12] - '0');
    c.Minute = (text[14] - '0') * 10 + (text[15] - '0');
    if (c.Hour > 23 || c.Minute > 59) return {};
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
