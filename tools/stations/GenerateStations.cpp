// Computes the retrograde periods of Mercury, Venus, Mars, Jupiter and Saturn
// whose station retrograde falls in 1900–2050 and writes them as the C++
// source engine/RetrogradeStations.cpp.
//
// Model: geometric positions (no aberration, no light-time), mean equinox of
// date (no nutation), tropical, seen from the Earth–Moon barycentre. A station
// is a change of sign of the longitude speed; it is found by a one-day scan and
// refined by bisection, then rounded to the minute of Universal Time.
//
// The first and last period of each planet are the program's fixed rows; the
// computed ones land a few minutes away from them, so they are replaced, and
// the distance is reported.
//
// Usage: velmora-stations OUTPUT.cpp [--ephe DIR] [--step DAYS]

#include <swephexp.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr double kEarthMoonMassRatio = 81.30056;
constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2050;
constexpr double kBisectionTolerance = 1e-7;  // days, about 0.01 s
constexpr int kMaxFixedRowDistance = 120;     // minutes; more means a wrong pairing

constexpr std::int32_t kFlags =
    SEFLG_SWIEPH | SEFLG_TRUEPOS | SEFLG_NONUT | SEFLG_XYZ | SEFLG_SPEED;

struct Planet {
    std::string_view name;
    std::string_view arrayName;
    std::int32_t body;
    std::size_t expectedPeriods;
    std::array<std::string_view, 2> firstRows;
    std::array<std::string_view, 2> lastRows;
};

constexpr std::array<Planet, 5> kPlanets = {{
    {"Mercury", "kMercuryPeriods", SE_MERCURY, 476,
     {"3,15,1900,13,19,", "4,7,1900,18,42,"}, {"12,1,2050,17,17,", "12,21,2050,11,33,"}},
    {"Venus", "kVenusPeriods", SE_VENUS, 95,
     {"6,16,1900,22,56,", "7,30,1900,2,44,"}, {"9,25,2050,22,15,", "11,6,2050,19,4,"}},
    {"Mars", "kMarsPeriods", SE_MARS, 71,
     {"1,13,1901,6,16,", "4,4,1901,7,21,"}, {"7,15,2050,5,50,", "9,13,2050,9,41,"}},
    {"Jupiter", "kJupiterPeriods", SE_JUPITER, 139,
     {"3,27,1900,20,39,", "7,29,1900,1,35,"}, {"12,21,2050,13,21,", "4,21,2051,23,46,"}},
    {"Saturn", "kSaturnPeriods", SE_SATURN, 146,
     {"4,14,1900,6,2,", "9,2,1900,14,39,"}, {"5,18,2050,13,6,", "10,6,2050,11,5,"}},
}};

// A station rounded to the minute of Universal Time.
struct Station {
    std::int64_t minutes = 0;  // minutes since Julian day 0 at midnight
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;

    std::string Row() const {
        return std::to_string(month) + "," + std::to_string(day) + "," + std::to_string(year) +
               "," + std::to_string(hour) + "," + std::to_string(minute) + ",";
    }
};

struct Period {
    Station start;  // station retrograde
    Station end;    // station direct
};

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

// Gregorian date of a Julian day number.
void CivilFromJulianDayNumber(std::int64_t jdn, int& year, int& month, int& day) {
    const std::int64_t f = jdn + 1401 + (((4 * jdn + 274277) / 146097) * 3) / 4 - 38;
    const std::int64_t e = 4 * f + 3;
    const std::int64_t g = (e % 1461) / 4;
    const std::int64_t h = 5 * g + 2;
    day = static_cast<int>((h % 153) / 5 + 1);
    month = static_cast<int>((h / 153 + 2) % 12 + 1);
    year = static_cast<int>(e / 1461 - 4716 + (12 + 2 - month) / 12);
}

Station RoundToMinute(double jdUt) {
    Station s;
    s.minutes = std::llround((jdUt + 0.5) * 1440.0);
    const std::int64_t jdn = FloorDiv(s.minutes, 1440);
    const int minuteOfDay = static_cast<int>(s.minutes - jdn * 1440);
    CivilFromJulianDayNumber(jdn, s.year, s.month, s.day);
    s.hour = minuteOfDay / 60;
    s.minute = minuteOfDay % 60;
    return s;
}

// Parses "month,day,year,hour,minute," into a station.
Station ParseRow(std::string_view row) {
    std::array<int, 5> f{};
    std::size_t pos = 0;
    for (int& field : f) {
        const std::size_t comma = row.find(',', pos);
        if (comma == std::string_view::npos) throw std::runtime_error("bad fixed row");
        field = std::stoi(std::string(row.substr(pos, comma - pos)));
        pos = comma + 1;
    }
    const double jd = swe_julday(f[2], f[0], f[1], 0.0, SE_GREG_CAL);
    Station s;
    s.minutes = std::llround((jd + 0.5) * 1440.0) + f[3] * 60 + f[4];
    s.month = f[0];
    s.day = f[1];
    s.year = f[2];
    s.hour = f[3];
    s.minute = f[4];
    if (s.Row() != row) throw std::runtime_error("fixed row not in canonical form");
    return s;
}

std::array<double, 6> Cartesian(std::int32_t body, double jdUt) {
    std::array<double, 6> x{};
    char error[AS_MAXCH] = {};
    const std::int32_t flags = swe_calc_ut(jdUt, body, kFlags, x.data(), error);
    if (flags < 0) throw std::runtime_error(std::string("ephemeris: ") + error);
    if ((flags & SEFLG_SWIEPH) == 0) {
        throw std::runtime_error(
            "ephemeris files not found (the library fell back to its analytical theory); "
            "install swe-basic-data or pass --ephe DIR");
    }
    return x;
}

// Rate of change of the planet's ecliptic longitude seen from the Earth–Moon
// barycentre, up to a positive factor: only its sign matters.
double LongitudeRate(std::int32_t body, double jdUt) {
    const std::array<double, 6> p = Cartesian(body, jdUt);
    const std::array<double, 6> m = Cartesian(SE_MOON, jdUt);
    const double k = 1.0 / (1.0 + kEarthMoonMassRatio);
    const double x = p[0] - k * m[0];
    const double y = p[1] - k * m[1];
    const double vx = p[3] - k * m[3];
    const double vy = p[4] - k * m[4];
    return x * vy - y * vx;
}

struct RawStation {
    double jdUt;
    bool retrograde;  // true: speed turns from + to −
};

std::vector<RawStation> FindStations(std::int32_t body, double from, double to, double step) {
    std::vector<RawStation> stations;
    double t0 = from;
    bool forward0 = LongitudeRate(body, t0) > 0.0;
    for (long n = 1; from + n * step <= to; ++n) {
        const double t1 = from + n * step;
        const bool forward1 = LongitudeRate(body, t1) > 0.0;
        if (forward1 != forward0) {
            double lo = t0, hi = t1;
            while (hi - lo > kBisectionTolerance) {
                const double mid = 0.5 * (lo + hi);
                if ((LongitudeRate(body, mid) > 0.0) == forward0) {
                    lo = mid;
                } else {
                    hi = mid;
                }
            }
            stations.push_back({0.5 * (lo + hi), forward0});
        }
        t0 = t1;
        forward0 = forward1;
    }
    return stations;
}

std::vector<Period> PeriodsOf(const Planet& planet, double step) {
    // From a little before 1900 (so that a station on its first days is seen)
    // to the end of 2051 (the direct station of a period begun in 2050).
    const double from = swe_julday(kFirstYear - 1, 11, 1, 0.0, SE_GREG_CAL);
    const double to = swe_julday(kLastYear + 2, 1, 1, 0.0, SE_GREG_CAL);
    const std::vector<RawStation> raw = FindStations(planet.body, from, to, step);

    std::vector<Period> periods;
    std::size_t i = 0;
    if (!raw.empty() && !raw.front().retrograde) i = 1;  // scan began inside a period
    for (; i < raw.size(); i += 2) {
        if (!raw[i].retrograde) throw std::runtime_error("stations do not alternate");
        const Station start = RoundToMinute(raw[i].jdUt);
        if (start.year < kFirstYear || start.year > kLastYear) continue;
        if (i + 1 >= raw.size() || raw[i + 1].retrograde) {
            throw std::runtime_error(std::string(planet.name) + ": period without its direct station");
        }
        periods.push_back({start, RoundToMinute(raw[i + 1].jdUt)});
    }
    return periods;
}

// Replaces the computed first or last period by the fixed rows and returns the
// larger distance in minutes between a computed station and its fixed row.
std::int64_t ReplaceByFixedRows(Period& computed, const std::array<std::string_view, 2>& rows) {
    const Period fixed{ParseRow(rows[0]), ParseRow(rows[1])};
    const std::int64_t distance = std::max(std::llabs(fixed.start.minutes - computed.start.minutes),
                                           std::llabs(fixed.end.minutes - computed.end.minutes));
    if (distance > kMaxFixedRowDistance) {
        throw std::runtime_error("computed period " + computed.start.Row() + " " + computed.end.Row() +
                                 " is " + std::to_string(distance) + " minutes from the fixed rows " +
                                 std::string(rows[0]) + " " + std::string(rows[1]));
    }
    computed = fixed;
    return distance;
}

std::string RowInitializer(const Station& s) {
    return "{\"" + s.Row() + "\", {" + std::to_string(s.year) + ", " + std::to_string(s.month) + ", " +
           std::to_string(s.day) + ", " + std::to_string(s.hour) + ", " + std::to_string(s.minute) + "}}";
}

std::string Source(const std::array<std::vector<Period>, kPlanets.size()>& tables) {
    std::ostringstream out;
    out << "// generated by tools/stations — do not edit\n"
           "//\n"
           "// Retrograde periods of Mercury, Venus, Mars, Jupiter and Saturn whose\n"
           "// station retrograde falls in 1900–2050, in Universal Time. Each period is\n"
           "// its station retrograde and its station direct, each written as the row\n"
           "// \"month,day,year,hour,minute,\" beside its parsed date and time.\n"
           "\n"
           "#include \"engine/RetrogradeStations.h\"\n"
           "\n"
           "namespace velmora {\n";
    for (std::size_t p = 0; p < kPlanets.size(); ++p) {
        out << "\nconstexpr std::array<RetrogradePeriod, " << tables[p].size() << "> "
            << kPlanets[p].arrayName << " = {{\n";
        for (const Period& period : tables[p]) {
            out << "    {" << RowInitializer(period.start) << ", " << RowInitializer(period.end) << "},\n";
        }
        out << "}};\nstatic_assert(RowsMatchTheirDates(" << kPlanets[p].arrayName << "));\n";
    }
    out << "\n}  // namespace velmora\n";
    return out.str();
}

}  // namespace

int main(int argc, char** argv) {
    std::string output;
    std::string ephe = "/usr/share/libswe/ephe";
    double step = 1.0;  // days between the samples of the scan
    bool usable = true;
    for (int i = 1; i < argc && usable; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--ephe" && i + 1 < argc) {
            ephe = argv[++i];
        } else if (arg == "--step" && i + 1 < argc) {
            step = std::atof(argv[++i]);
            usable = step > 0.0 && step <= 10.0;
        } else if (output.empty() && !arg.starts_with("-")) {
            output = arg;
        } else {
            usable = false;
        }
    }
    if (!usable || output.empty()) {
        std::cerr << "usage: " << argv[0] << " OUTPUT.cpp [--ephe DIR] [--step DAYS]\n";
        return 2;
    }

    try {
        swe_set_ephe_path(ephe.c_str());
        std::array<std::vector<Period>, kPlanets.size()> tables;
        for (std::size_t p = 0; p < kPlanets.size(); ++p) {
            const Planet& planet = kPlanets[p];
            std::vector<Period>& periods = tables[p];
            periods = PeriodsOf(planet, step);
            if (periods.size() != planet.expectedPeriods) {
                throw std::runtime_error(std::string(planet.name) + ": " + std::to_string(periods.size()) +
                                         " periods, expected " + std::to_string(planet.expectedPeriods));
            }
            const std::int64_t first = ReplaceByFixedRows(periods.front(), planet.firstRows);
            const std::int64_t last = ReplaceByFixedRows(periods.back(), planet.lastRows);
            std::cout << planet.name << ": " << periods.size() << " periods; computed first period within "
                      << first << " min, last within " << last << " min of the fixed rows\n";
        }
        swe_close();

        const std::string text = Source(tables);
        std::ofstream file(output, std::ios::binary | std::ios::trunc);
        file << text;
        file.close();
        if (!file) throw std::runtime_error("cannot write " + output);
    } catch (const std::exception& e) {
        swe_close();
        std::cerr << argv[0] << ": " << e.what() << "\n";
        return 1;
    }
    return 0;
}
