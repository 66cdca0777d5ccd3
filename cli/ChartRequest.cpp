#include "cli/ChartRequest.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "atlas/Atlas.h"
#include "atlas/PlaceCoordinates.h"
#include "cli/DashaOptions.h"
#include "text/Quoted.h"
#include "birth/KeyFilters.h"
#include "birth/ZoneTable.h"

namespace velmora::cli {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool AllDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), IsDigit);
}

int DigitsValue(std::string_view digits) {
    int value = 0;
    for (char c : digits) value = value * 10 + (c - '0');
    return value;
}

// "DEG:MIN" followed by one of two hemisphere letters, upper or lower case.
std::string SplitCoordinate(std::string_view text, std::string_view what, char first, char second,
                            std::string_view& deg, std::string_view& min, bool& isFirst) {
    // Written only when refused: a batch reads many coordinates.
    auto refusal = [&] {
        return what == "lon" ? "lon must be DEG:MIN followed by E or W (as 77:35E), got " + Quoted(text)
                             : "lat must be DEG:MIN followed by N or S (as 12:58N), got " + Quoted(text);
    };
    if (text.empty()) return refusal();
    const char hemisphere = text.back();
    const char upper = (hemisphere >= 'a' && hemisphere <= 'z') ? static_cast<char>(hemisphere - 32) : hemisphere;
    if (upper != first && upper != second) return refusal();
    const std::string_view boxes = text.substr(0, text.size() - 1);
    const auto colon = boxes.find(':');
    if (colon == std::string_view::npos || boxes.find(':', colon + 1) != std::string_view::npos)
        return refusal();
    deg = boxes.substr(0, colon);
    min = boxes.substr(colon + 1);
    isFirst = upper == first;
    return {};
}

// A coordinate's two boxes as the messages name them, its hemisphere letters
// and how many digits its degree box holds.
struct CoordinateBoxes {
    std::string_view what, degrees, minutes;
    char first, second;
    std::size_t degreeDigits;
};
constexpr CoordinateBoxes kLongitudeBoxes{"lon", "lon degrees", "lon minutes", 'E', 'W', 3};
constexpr CoordinateBoxes kLatitudeBoxes{"lat", "lat degrees", "lat minutes", 'N', 'S', 2};

// A coordinate as typed ("77:35E") into its degree and minute boxes, through
// the boxes' key filter and length.
std::string TypeCoordinate(std::string_view text, const CoordinateBoxes& boxes, std::string& degrees,
                           std::string& minutes, bool& isFirst) {
    std::string_view deg, min;
    std::string refusal = SplitCoordinate(text, boxes.what, boxes.first, boxes.second, deg, min, isFirst);
    if (!refusal.empty()) return refusal;
    if (!(refusal = TypeIntoBox(deg, FilterNumberKey, boxes.degreeDigits, boxes.degrees, degrees)).empty())
        return refusal;
    return TypeIntoBox(min, FilterNumberKey, 2, boxes.minutes, minutes);
}

// The date in the years the chart's mode takes.
std::string FillDate(std::string_view text, ComputationMode mode, FormFields& form) {
    const auto first = text.find('-');
    const auto second = first == std::string_view::npos ? first : text.find('-', first + 1);
    const std::string_view year = text.substr(0, first);
    const std::string_view month =
        second == std::string_view::npos ? std::string_view{} : text.substr(first + 1, second - first - 1);
    const std::string_view day = second == std::string_view::npos ? std::string_view{} : text.substr(second + 1);
    if (year.size() != 4 || !AllDigits(year) || !AllDigits(month) || month.size() > 2 ||
        !AllDigits(day) || day.size() > 2)
        return "date must be YYYY-MM-DD, got " + Quoted(text);
    const int y = DigitsValue(year), m = DigitsValue(month), d = DigitsValue(day);
    if (mode == ComputationMode::Classic && !kClassicYears.Holds(y))
        return "date: the year must be between 1901 and 2050, got " + Quoted(text);
    if (!YearsFor(mode).Holds(y))
        return "date: the year must be between 1800 and 2399 (the Swiss Ephemeris files' years; the classic "
               "engine's are 1901 to 2050), got " + Quoted(text);
    if (m < 1 || m > kMonthItems) return "date: the month must be between 1 and 12, got " + Quoted(text);
    if (d < 1 || d > kDayItems) return "date: the day must be between 1 and 31, got " + Quoted(text);
    form.Year = YearField(y);
    form.Month = m - 1;
    form.Day = d - 1;
    return {};
}

std::string FillTime(std::string_view text, FormFields& form) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const auto colon = text.find(':', start);
        parts.push_back(text.substr(start, colon == std::string_view::npos ? colon : colon - start));
        if (colon == std::string_view::npos) break;
        start = colon + 1;
    }
    const bool wellFormed = (parts.size() == 2 || parts.size() == 3) &&
        std::all_of(parts.begin(), parts.end(),
                    [](std::string_view p) { return AllDigits(p) && p.size() <= 2; });
    if (!wellFormed) return "time must be HH:MM or HH:MM:SS, got " + Quoted(text);
    const int hour = DigitsValue(parts[0]), minute = DigitsValue(parts[1]);
    const int second = parts.size() == 3 ? DigitsValue(parts[2]) : 0;
    if (hour >= kHourItems) return "time: the hour must be between 0 and 23, got " + Quoted(text);
    if (minute >= kMinuteItems) return "time: the minute must be between 0 and 59, got " + Quoted(text);
    if (second >= kMinuteItems) return "time: the second must be between 0 and 59, got " + Quoted(text);
    form.Hour = hour;
    form.Minute = minute;
    form.Second = second;
    return {};
}

bool SameLetters(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

int ZonePosition(std::string_view text, std::string& refusal) {
    refusal.clear();
    if (AllDigits(text)) {
        if (text.size() <= 2 && DigitsValue(text) < kZoneItems) return DigitsValue(text);
        refusal = "zone: the position must be between 0 and 70, got " + Quoted(text);
        return -1;
    }
    std::vector<int> named;
    for (int p = 0; p < kZoneItems; ++p)
        if (SameLetters(ZoneAbbreviation(kZoneTable[p]), text)) named.push_back(p);
    if (named.size() == 1) return named.front();
    if (named.empty()) {
        refusal = "zone: no entry is named " + Quoted(text) +
                  "; give a position 0-70 or an abbreviation (velmora-cli --zones lists them)";
        return -1;
    }
    refusal = "zone: " + Quoted(text) + " names " + std::to_string(named.size()) + " entries; give the position:";
    for (int p : named) refusal += "\n  " + std::to_string(p) + "  " + std::string(kZoneTable[p].DisplayText);
    return -1;
}

std::string CoordinateText(double degrees, bool longitude) {
    const BoxAngle a = ToBoxAngle(degrees, longitude ? 179 : 89);
    const char hemisphere = longitude ? (a.Negative ? 'W' : 'E') : (a.Negative ? 'S' : 'N');
    return std::to_string(a.Degrees) + ":" + (a.Minutes < 10 ? "0" : "") + std::to_string(a.Minutes) + hemisphere;
}

namespace {

// What a place brings to the request: names and zone where the request has
// none of its own; `chosen` is the place, whose coordinates fill the boxes the
// request leaves empty.
std::string WithPlace(const ChartRequest& typed, ChartRequest& request, std::string& placeName,
                      std::optional<AtlasEntry>& chosen) {
    request = typed;
    chosen.reset();
    if (typed.place.empty()) return {};
    AtlasEntry place;
    std::vector<AtlasEntry> candidates;
    if (!Atlas::Resolve(typed.place, place, candidates)) {
        if (candidates.empty())
            return "place: no place in the atlas is named " + Quoted(typed.place) +
                   " (velmora-cli --places TEXT lists the places a name finds)";
        std::string refusal = "place: " + Quoted(typed.place) +
                              " names several places; add the state or country after a comma:";
        for (const AtlasEntry& c : candidates) refusal += "\n  " + Atlas::DisplayName(c);
        return refusal;
    }
    placeName = Atlas::DisplayName(place);
    chosen = place;
    if (typed.city.empty() && typed.state.empty() && typed.country.empty()) {
        request.city = std::string(place.Name);
        request.state = std::string(place.State);
        request.country = std::string(place.Country);
    }
    if (typed.tz.empty()) request.tz = std::string(place.TimeZone);
    return {};
}

// The ayanamsa, positions and houses a request names, for precise charts only.
std::string FillChoices(const ChartRequest& request, ChartOptions& options) {
    const std::pair<const std::optional<std::string>&, std::string_view> given[] = {
        {request.ayanamsa, "ayanamsa"}, {request.positions, "positions"}, {request.houses, "houses"}};
    for (const auto& [value, key] : given)
        if (value && !request.precise)
            return std::string(key) +
                   ": chosen for precise positions only (the classic engine has its own sidereal correction and "
                   "no house cusps); leave out --classic (\"precise\": false)";
    if (request.ayanamsa && !ParseAyanamsa(*request.ayanamsa, options))
        return "ayanamsa: give " + AyanamsaChoices() + ", got " + Quoted(*request.ayanamsa);
    if (request.positions && !ParsePositionKind(*request.positions, options.positions))
        return "positions: give apparent or true, got " + Quoted(*request.positions);
    if (request.houses && !ParseHouseSystem(*request.houses, options.houses))
        return "houses: give " + HouseSystemKeys(", ", " or ") + ", got " + Quoted(*request.houses);
    return {};
}

}  // namespace

std::string FillForm(const ChartRequest& typed, FormFields& form) {
    form = FormFields{};
    if (typed.zoneGiven && (!typed.tz.empty() || !typed.place.empty()))
        return "zone: a zone list entry and a time zone with its history (--tz, or the zone a --place brings) "
               "exclude each other";
    if (typed.dst && (!typed.tz.empty() || !typed.place.empty()))
        return "dst: daylight saving comes from the time zone's history with --tz or --place";
    if (!typed.ambiguous.empty() && typed.tz.empty() && typed.place.empty())
        return "ambiguous: earlier or later chooses between the two times a time zone's history showed twice; "
               "give it with --tz or --place";
    ChartRequest request;
    std::optional<AtlasEntry> place;
    std::string refusal = WithPlace(typed, request, form.Place, place);
    if (!refusal.empty()) return refusal;
    if (!(refusal = TypeIntoBox(request.name, FilterNameKey, kNoBoxLimit, "name", form.Name)).empty())
        return refusal;
    const ComputationMode mode = request.precise ? ComputationMode::Precise : ComputationMode::Classic;
    if (!(refusal = FillDate(request.date, mode, form)).empty()) return refusal;
    if (!(refusal = FillTime(request.time, form)).empty()) return refusal;

    // A place's coordinates go straight into the boxes; typed ones as typed.
    if (place && request.lon.empty()) {
        FillLongitudeFields(place->Longitude, form);
    } else if (!(refusal = TypeCoordinate(request.lon, kLongitudeBoxes, form.LonDeg, form.LonMin, form.East)).empty()) {
        return refusal;
    }
    if (place && request.lat.empty()) {
        FillLatitudeFields(place->Latitude, form);
    } else {
        bool north = true;
        refusal = TypeCoordinate(request.lat, kLatitudeBoxes, form.LatDeg, form.LatMin, north);
        if (!refusal.empty()) return refusal;
        form.South = !north;
    }

    const int zone = ZonePosition(request.zone, refusal);
    if (!refusal.empty()) return refusal;
    form.Zone = zone;
    form.DaylightSaving = request.dst;
    form.City = request.city;
    form.State = request.state;
    form.Country = request.country;

    form.TimeZoneId = request.tz;
    if (request.ambiguous == "earlier") {
        form.Repeated = RepeatedHour::Earlier;
    } else if (request.ambiguous == "later") {
        form.Repeated = RepeatedHour::Later;
    } else if (!request.ambiguous.empty()) {
        return "ambiguous: give earlier or later, got " + Quoted(request.ambiguous);
    }

    if (request.node == "mean") {
        form.Node = NodeKind::Mean;
    } else if (request.node == "true") {
        form.Node = NodeKind::True;
    } else {
        return "node: give mean or true, got " + Quoted(request.node);
    }
    if (request.nodeGiven && !request.precise)
        return "node: the node is chosen for precise positions only; leave out --classic (\"precise\": false)";
    refusal = FillChoices(request, form.Options);
    if (!refusal.empty()) return refusal;
    form.Mode = mode;
    form.DashaYearChoice = DashaYear::Julian;
    if (!request.dashaYear.empty()) {
        const std::optional<DashaYear> year = ParseDashaYear(request.dashaYear);
        if (!year) return DashaYearRefusal("dashaYear", request.dashaYear);
        form.DashaYearChoice = *year;
    }
    return {};
}

std::string ChartOfForm(const FormFields& form, const ChartWants& wants, std::shared_ptr<const Chart>& chart) {
    ChartOutcome outcome = ComputeChartOfForm(form, wants);
    if (!outcome.Computed()) return std::move(outcome.refusal.message);
    chart = std::move(outcome.chart);
    return {};
}

ChartWants MatchWants() {
    ChartWants wants;
    wants.report = false;
    wants.dashas = {};
    return wants;
}

std::string ChartOfRequest(const ChartRequest& request, FormFields& form, const ChartWants& wants,
                           std::shared_ptr<const Chart>& chart) {
    std::string refusal = FillForm(request, form);
    if (!refusal.empty()) return refusal;
    return ChartOfForm(form, wants, chart);
}

}  // namespace velmora::cli
