#include "chart/Sensitivity.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <climits>
#include <cmath>
#include <map>
#include <optional>
#include <unordered_map>

#include "analysis/Bhava.h"
#include "analysis/Nakshatra.h"
#include "analysis/SignOf.h"
#include "analysis/Varga.h"
#include "analysis/Vimshottari.h"
#include "birth/DashaChoice.h"
#include "birth/FormFields.h"
#include "chart/LocalMoment.h"

namespace velmora {

namespace {

constexpr double kSecondsPerDay = 86400;
constexpr double kUnixEpochJulianDay = 2440587.5;
// An interpolated quantity is trusted to this many degrees (0.05″): a stretch
// between two samples is kept when the sample at its middle lies this close
// to the curve drawn through its ends. An item whose value could differ
// within it is computed outright.
constexpr double kTrusted = 0.05 / 3600;
// The most any quantity moves between two looks at the items: less than the
// narrowest part of any item (D60's 30′), so no item changes twice unseen.
constexpr double kLookArc = 0.4;
// Seconds between the first samples: the houses move some 15° an hour, the
// grahas at most 0.6° (the Moon).
constexpr int kHousesGrid = 600;
constexpr int kGrahasGrid = 3600;
constexpr int kGrahas = 8;  // Sun … Rahu computed; Ketu is opposite Rahu
constexpr int kMoon = 1, kRahu = 7, kKetu = 8, kAscendant = 9;
constexpr int kMostQuantities = 13;  // the ascendant and twelve cusps

// The choices the chart's positions were computed with: the ayanamsa and the
// kind of positions as it holds them, the house system as it was asked for
// (the one drawn where the chart was not made from a birth).
ChartOptions OptionsOf(const Chart& chart) {
    ChartOptions options;
    options.ayanamsa = chart.ayanamsaKind;
    options.custom = chart.customAyanamsa;
    options.positions = chart.positions;
    const LocalClock& given = chart.given.clock;
    const bool fromBirth = given.Year == chart.birth.clock.year && given.Month == chart.birth.clock.month &&
                           given.Day == chart.birth.clock.day && given.Hour == chart.birth.clock.hour &&
                           given.Minute == chart.birth.clock.minute;
    options.houses = fromBirth ? chart.given.options.houses : chart.houses;
    return options;
}

// The graha order of the items: the Moon first.
constexpr std::array<int, 9> kItemBodies = {1, 0, 2, 3, 4, 5, 6, 7, 8};

struct SkyFailure {
    std::string message;
};

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

double Wrap180(double x) {
    x = std::fmod(x, 360.0);
    if (x > 180) x -= 360;
    if (x <= -180) x += 360;
    return x;
}

// Whole-sign cusps from the ascendant, as the ephemeris draws them.
std::array<double, 12> WholeSignCusps(double ascendant) {
    std::array<double, 12> cusps{};
    for (int house = 0; house < 12; ++house)
        cusps[static_cast<std::size_t>(house)] = 30.0 * ((static_cast<int>(ascendant / 30) + house) % 12);
    return cusps;
}

// The Vimshottari major and sub-period running at birth with the Moon at
// `moon`, by the dasha engine's own rule (the part passed to the whole
// minute): the major period's position in the sequence × 9 + the
// sub-period's place within it.
int VimshottariAt(double moon, std::int64_t yearMicroseconds) {
    const DashaTable& table = VimshottariTable();
    const DashaTimeline t = ComputeDashaTimeline(table, moon, CivilMoment{2000, 1, 1, 0, 0}, yearMicroseconds);
    const DashaNode& major = t.majors[0];
    int place = 0;
    for (const DashaNode& sub : SubPeriods(table, major)) {
        if (sub.start <= t.birth && t.birth < sub.end) break;
        ++place;
    }
    return major.position * 9 + std::min(place, 8);
}

// The positions an item is read from.
struct Positions {
    double ascendant = 0;
    std::array<double, 12> cusps{};
    std::array<double, kBodyCount> longitudes{};
};

int ValueIn(const SensitivityItem& item, const Positions& p, std::int64_t yearMicroseconds) {
    const auto body = static_cast<std::size_t>(item.body);
    switch (item.kind) {
        case SensitivityKind::VargaSign: {
            const double x = item.body == kAscendant ? p.ascendant : p.longitudes[body];
            return item.index == 0 ? SignOfLongitude(x) : VargaSign(item.index, x);
        }
        case SensitivityKind::LagnaNakshatra: return QuarterOf(p.ascendant);
        case SensitivityKind::MoonNakshatra: return QuarterOf(p.longitudes[kMoon]);
        case SensitivityKind::Vimshottari: return VimshottariAt(p.longitudes[kMoon], yearMicroseconds);
        case SensitivityKind::Bhava: return BhavaOf(p.longitudes[body], p.cusps);
        case SensitivityKind::CuspSign: return SignOfLongitude(p.cusps[static_cast<std::size_t>(item.index)]);
    }
    return 0;
}

// "D9", "Cusp 3": a word and a number. Appended rather than written as
// "D" + std::to_string(n), which GCC 12 at -O3 wrongly warns may overlap.
std::string Prefixed(std::string_view word, int number) {
    std::string text(word);
    text += std::to_string(number);
    return text;
}

std::vector<SensitivityItem> AllItems() {
    std::vector<SensitivityItem> items;
    const auto add = [&items](SensitivityKind kind, int body, int index, std::string name, std::string key) {
        SensitivityItem item;
        item.kind = kind;
        item.body = body;
        item.index = index;
        item.name = std::move(name);
        item.key = std::move(key);
        items.push_back(std::move(item));
    };
    const auto vargas = AllVargas();
    add(SensitivityKind::VargaSign, kAscendant, 0, "Lagna", "lagna");
    add(SensitivityKind::LagnaNakshatra, kAscendant, 0, "Lagna nakshatra", "lagnaNakshatra");
    for (int v = 1; v < kVargaCount; ++v) {
        const std::string d = Prefixed("D", vargas[static_cast<std::size_t>(v)].factor);
        add(SensitivityKind::VargaSign, kAscendant, v, d + " lagna", "lagna" + d);
    }
    add(SensitivityKind::MoonNakshatra, kMoon, 0, "Moon nakshatra", "moonNakshatra");
    add(SensitivityKind::Vimshottari, kMoon, 0, "Vimshottari at birth", "vimshottari");
    for (int body : kItemBodies) {
        const std::string_view name = kPlainBodyNames[static_cast<std::size_t>(body)];
        for (int v = 0; v < kVargaCount; ++v) {
            const std::string d = Prefixed("D", vargas[static_cast<std::size_t>(v)].factor);
            add(SensitivityKind::VargaSign, body, v, std::string(name) + " in " + d, Lower(name) + d);
        }
    }
    for (int body : kItemBodies) {
        const std::string_view name = kPlainBodyNames[static_cast<std::size_t>(body)];
        add(SensitivityKind::Bhava, body, 0, std::string(name) + " bhava", Lower(name) + "Bhava");
    }
    for (int house = 0; house < 12; ++house)
        add(SensitivityKind::CuspSign, kAscendant, house, Prefixed("Cusp ", house + 1), Prefixed("cusp", house + 1));
    return items;
}

// The zone's clock through the window: the offset in force from each second
// on, and the clock and Julian Date of every second exactly as a chart
// computed for that clock has them.
class WindowClock {
public:
    explicit WindowClock(const Chart& chart)
        : chart_(chart),
          unix0_(std::llround((chart.julianDayUT - kUnixEpochJulianDay) * kSecondsPerDay)) {}

    // Reads the zone's periods from `first` to `last` (seconds from the
    // given time); false with the reason when the database cannot give them.
    bool Follow(int first, int last, std::string& refusal) {
        changes_.clear();
        const std::string& zone = chart_.given.timeZoneId;
        if (zone.empty()) {
            changes_.push_back({INT_MIN, chart_.utcOffsetSeconds});
            return true;
        }
        ZonePeriod period = ZonePeriodAt(zone, unix0_ + first);
        for (int from = INT_MIN; period.Found; period = ZonePeriodAt(zone, period.UntilUnixSeconds)) {
            changes_.push_back({from, period.Moment.OffsetSeconds});
            if (period.UntilUnixSeconds > unix0_ + last || changes_.size() > 64) return true;
            from = static_cast<int>(period.UntilUnixSeconds - unix0_);
        }
        refusal = period.Message;
        return false;
    }

    int OffsetAt(int second) const {
        int offset = changes_.front().offset;
        for (const Change& change : changes_)
            if (change.from <= second) offset = change.offset;
        return offset;
    }

    LocalClock ClockAt(int second) const {
        const long long local = unix0_ + second + OffsetAt(second);
        const long long days = local >= 0 ? local / 86400 : -((-local + 86399) / 86400);
        const long long rest = local - days * 86400;
        const std::chrono::year_month_day date{std::chrono::sys_days{std::chrono::days{days}}};
        LocalClock clock;
        clock.Year = static_cast<int>(date.year());
        clock.Month = static_cast<int>(static_cast<unsigned>(date.month()));
        clock.Day = static_cast<int>(static_cast<unsigned>(date.day()));
        clock.Hour = static_cast<int>(rest / 3600);
        clock.Minute = static_cast<int>(rest / 60 % 60);
        clock.Second = static_cast<int>(rest % 60);
        return clock;
    }

    double JulianDayAt(int second) const { return JulianDayOf(ClockAt(second), OffsetAt(second)); }

private:
    struct Change {
        int from;  // the first second the offset holds
        int offset;
    };
    const Chart& chart_;
    long long unix0_;  // the given time, seconds since 1970-01-01 00:00 UT
    std::vector<Change> changes_;
};

// The positions at whole seconds of the window, each computed once, with
// the chart's own ephemeris, choices, place and node.
class Sky {
public:
    struct Houses {
        double ascendant = 0, ascendantSpeed = 0;
        std::array<double, 12> cusps{}, cuspSpeeds{};
    };
    struct Grahas {
        std::array<double, kBodyCount> longitudes{}, speeds{};  // Sun … Ketu; [9] unused
    };

    Sky(const Chart& chart, const WindowClock& clock, const std::string& dataDirectory)
        : chart_(chart), clock_(clock), ephemeris_(Ephemeris(dataDirectory)), options_(OptionsOf(chart)) {
        // The chart's own positions at the given time.
        Grahas given;
        for (int body = 0; body <= kKetu; ++body) {
            given.longitudes[static_cast<std::size_t>(body)] = chart.points[static_cast<std::size_t>(body)].longitude;
            given.speeds[static_cast<std::size_t>(body)] = chart.points[static_cast<std::size_t>(body)].speed;
        }
        grahas_.emplace(0, given);
    }

    const Houses& HousesAt(int second) {
        if (const auto found = houses_.find(second); found != houses_.end()) return found->second;
        PreciseEphemeris::HousesAt drawn;
        if (!ephemeris_.CalculateHouses(clock_.JulianDayAt(second), chart_.latitude, chart_.longitude, options_, drawn))
            throw SkyFailure{ephemeris_.Error()};
        Houses h;
        h.ascendant = drawn.ascendant;
        h.ascendantSpeed = drawn.ascendantSpeed;
        h.cusps = drawn.cusps;
        h.cuspSpeeds = drawn.cuspSpeeds;
        return houses_.emplace(second, h).first->second;
    }

    const Grahas& GrahasAt(int second) {
        if (const auto found = grahas_.find(second); found != grahas_.end()) return found->second;
        Grahas g;
        const double jd = clock_.JulianDayAt(second);
        for (int body = 0; body < kGrahas; ++body) {
            const auto b = static_cast<std::size_t>(body);
            if (!ephemeris_.CalculateBody(jd, body, chart_.node, options_, g.longitudes[b], g.speeds[b]))
                throw SkyFailure{ephemeris_.Error()};
        }
        g.longitudes[kKetu] = FoldLongitude(g.longitudes[kRahu] + 180.0);
        g.speeds[kKetu] = g.speeds[kRahu];
        return grahas_.emplace(second, g).first->second;
    }

    const Houses* KnownHouses(int second) const {
        const auto found = houses_.find(second);
        return found == houses_.end() ? nullptr : &found->second;
    }
    const Grahas* KnownGrahas(int second) const {
        const auto found = grahas_.find(second);
        return found == grahas_.end() ? nullptr : &found->second;
    }

private:
    const Chart& chart_;
    const WindowClock& clock_;
    // One ephemeris a thread and data folder: a new one would make the
    // library open its files again.
    static PreciseEphemeris& Ephemeris(const std::string& dataDirectory) {
        thread_local std::optional<PreciseEphemeris> kept;
        if (!kept || kept->DataDirectory() != dataDirectory) kept.emplace(dataDirectory);
        return *kept;
    }

    PreciseEphemeris& ephemeris_;
    ChartOptions options_;
    std::unordered_map<int, Houses> houses_;
    std::unordered_map<int, Grahas> grahas_;
};

// Into 0 ≤ x < 360 from a little either side.
double Fold(double x) {
    while (x < 0) x += 360;
    while (x >= 360) x -= 360;
    return x;
}

// Up to thirteen angles sampled at whole seconds, with their speeds, and a
// cubic through each two neighbouring samples (Hermite's, from their values
// and speeds). A stretch is kept when the sample at its middle lies within
// kTrusted of the cubic of its ends; otherwise both halves are looked at in
// turn, down to single seconds.
class Curve {
public:
    using Sample = std::array<double, kMostQuantities>;
    // Values and speeds (degrees, degrees a day) of the quantities at a second.
    using Sampler = void (*)(void* context, int second, Sample& values, Sample& speeds);

    Curve(int quantities, Sampler sampler, void* context)
        : count_(quantities), sampler_(sampler), context_(context) {}

    void Build(int first, int last, int grid) {
        std::map<int, Node> nodes;
        const auto add = [&](int second) {
            if (nodes.contains(second)) return;
            Node node;
            sampler_(context_, second, node.values, node.speeds);
            nodes.emplace(second, node);
        };
        std::vector<int> seeds{first, last};
        if (first < 0 && last > 0) seeds.push_back(0);
        for (int s = first - first % grid + (first % grid > 0 ? grid : 0); s < last; s += grid)
            if (s > first) seeds.push_back(s);
        std::sort(seeds.begin(), seeds.end());
        seeds.erase(std::unique(seeds.begin(), seeds.end()), seeds.end());
        for (int s : seeds) add(s);
        std::vector<std::pair<int, int>> open;
        for (std::size_t i = 0; i + 1 < seeds.size(); ++i) open.emplace_back(seeds[i], seeds[i + 1]);
        while (!open.empty()) {
            const auto [a, b] = open.back();
            open.pop_back();
            if (b - a <= 1) continue;
            const int m = a + (b - a) / 2;
            add(m);
            if (b - a == 2) continue;
            const Node& na = nodes.at(a);
            const Node& nb = nodes.at(b);
            const Node& nm = nodes.at(m);
            bool kept = Smooth(na, nb);
            for (int q = 0; kept && q < count_; ++q)
                kept = std::fabs(Wrap180(Cubic(na, a, nb, b, q, m) - nm.values[static_cast<std::size_t>(q)])) <= kTrusted;
            if (kept) continue;
            open.emplace_back(a, m);
            open.emplace_back(m, b);
        }
        seconds_.clear();
        nodes_.clear();
        for (const auto& [second, node] : nodes) {
            seconds_.push_back(second);
            nodes_.push_back(node);
        }
    }

    // Quantity q at `second` (within the window built): a sample's own
    // value, or the cubic's, trusted to kTrusted.
    double At(int second, int q) const {
        const std::size_t i = Before(second);
        if (seconds_[i] == second) return nodes_[i].values[static_cast<std::size_t>(q)];
        return Fold(Cubic(nodes_[i], seconds_[i], nodes_[i + 1], seconds_[i + 1], q, second));
    }

    // The seconds at which to look at the items: every sample, and between
    // two as many as keep every quantity's move below kLookArc.
    void AddLooks(std::vector<int>& looks) const {
        for (std::size_t i = 0; i + 1 < seconds_.size(); ++i) {
            const int a = seconds_[i], b = seconds_[i + 1];
            const Node& na = nodes_[i];
            const Node& nb = nodes_[i + 1];
            double most = 0;
            for (int q = 0; q < count_; ++q) {
                const auto k = static_cast<std::size_t>(q);
                const double h = (b - a) / kSecondsPerDay;
                most = std::max({most, std::fabs(Step(na, nb, q, b - a)), std::fabs(na.speeds[k] * h),
                                 std::fabs(nb.speeds[k] * h)});
            }
            const int parts = std::clamp(static_cast<int>(std::ceil(most / kLookArc)), 1, b - a);
            for (int p = 0; p < parts; ++p)
                looks.push_back(a + static_cast<int>(static_cast<long long>(b - a) * p / parts));
        }
        looks.push_back(seconds_.back());
    }

private:
    struct Node {
        Sample values{}, speeds{};
    };

    // The last sample at or before `second`.
    std::size_t Before(int second) const {
        const auto after = std::upper_bound(seconds_.begin(), seconds_.end(), second);
        return static_cast<std::size_t>(after - seconds_.begin()) - 1;
    }

    bool Smooth(const Node& na, const Node& nb) const {
        for (int q = 0; q < count_; ++q)
            if (!std::isfinite(na.speeds[static_cast<std::size_t>(q)]) ||
                !std::isfinite(nb.speeds[static_cast<std::size_t>(q)]))
                return false;
        return true;
    }

    // The move of quantity q from a to b (`seconds` apart): the difference
    // of the two values taken the way round the speeds point to.
    double Step(const Node& na, const Node& nb, int q, int seconds) const {
        const auto k = static_cast<std::size_t>(q);
        const double expected = (na.speeds[k] + nb.speeds[k]) / 2 * (seconds / kSecondsPerDay);
        double step = nb.values[k] - na.values[k];
        if (std::isfinite(expected)) step += 360.0 * std::round((expected - step) / 360.0);
        return step;
    }

    double Cubic(const Node& na, int a, const Node& nb, int b, int q, int second) const {
        const auto k = static_cast<std::size_t>(q);
        const double days = (b - a) / kSecondsPerDay;
        const double u = static_cast<double>(second - a) / (b - a);
        const double u2 = u * u, u3 = u2 * u;
        return na.values[k] + (u3 - 2 * u2 + u) * na.speeds[k] * days + (3 * u2 - 2 * u3) * Step(na, nb, q, b - a) +
               (u3 - u2) * nb.speeds[k] * days;
    }

    int count_;
    Sampler sampler_;
    void* context_;
    std::vector<int> seconds_;
    std::vector<Node> nodes_;
};

// What an item is read from: the ascendant, the cusps, a graha.
struct Need {
    bool ascendant = false, cusps = false;
    int body = -1;
};

// The positions at one second, each part computed (exact) or from the
// curves, with the same moved by the curves' trusted error either way.
struct Look {
    Positions at, low, high;
    bool housesExact = true, grahasExact = true;
    bool Exact() const { return housesExact && grahasExact; }
};

// The search itself: the curves of the houses and the grahas through the
// window, the items looked at along them, and each change refined to the
// second.
class Search {
public:
    Search(const Chart& chart, const WindowClock& clock, const std::string& dataDirectory)
        : clock_(clock),
          sky_(chart, clock, dataDirectory),
          whole_(OptionsOf(chart).houses == HouseSystem::WholeSign),
          yearMicroseconds_(DashaYearOf(chart.dashaYear).microseconds),
          houses_(whole_ ? 1 : 13, &SampleHouses, this),
          grahas_(kGrahas, &SampleGrahas, this) {}

    void Run(int first, int last, std::vector<SensitivityItem>& items) {
        houses_.Build(first, last, kHousesGrid);
        grahas_.Build(first, last, kGrahasGrid);
        std::vector<int> houseLooks, grahaLooks;
        houses_.AddLooks(houseLooks);
        grahas_.AddLooks(grahaLooks);
        // Every look once, with which curve asked for it.
        std::vector<std::pair<int, unsigned>> looks;
        for (int second : houseLooks) looks.emplace_back(second, 1u);
        for (int second : grahaLooks) looks.emplace_back(second, 2u);
        std::sort(looks.begin(), looks.end());
        std::vector<int> seconds;
        std::vector<unsigned> kinds;
        for (const auto& [second, kind] : looks) {
            if (!seconds.empty() && seconds.back() == second) {
                kinds.back() |= kind;
            } else {
                seconds.push_back(second);
                kinds.push_back(kind);
            }
        }
        const Need all{true, !whole_, kBodyCount};
        std::vector<Look> at(seconds.size());
        for (std::size_t i = 0; i < seconds.size(); ++i) at[i] = LookAt(seconds[i], all);

        for (SensitivityItem& item : items) {
            const Need need = NeedOf(item);
            const bool houses = need.ascendant || need.cusps, grahas = need.body >= 0;
            const unsigned wanted = houses && grahas ? 3u : houses ? 1u : 2u;
            item.value = Value(item, need, 0);
            bool looked = false;
            int previous = 0, before = 0;
            for (std::size_t i = 0; i < seconds.size(); ++i) {
                if ((kinds[i] & wanted) == 0 && wanted != 3u) continue;
                int value = 0;
                if (!Certain(item, at[i], value)) {
                    Exactly(seconds[i], need);
                    at[i] = LookAt(seconds[i], all);
                    value = ValueIn(item, at[i].at, yearMicroseconds_);
                }
                if (looked && value != before) Changes(item, need, previous, before, seconds[i], value);
                looked = true;
                previous = seconds[i];
                before = value;
            }
        }
    }

private:
    static void SampleHouses(void* context, int second, Curve::Sample& values, Curve::Sample& speeds) {
        auto& search = *static_cast<Search*>(context);
        const Sky::Houses& h = search.sky_.HousesAt(second);
        values[0] = h.ascendant;
        speeds[0] = h.ascendantSpeed;
        if (search.whole_) return;
        std::copy(h.cusps.begin(), h.cusps.end(), values.begin() + 1);
        std::copy(h.cuspSpeeds.begin(), h.cuspSpeeds.end(), speeds.begin() + 1);
    }

    static void SampleGrahas(void* context, int second, Curve::Sample& values, Curve::Sample& speeds) {
        const Sky::Grahas& g = static_cast<Search*>(context)->sky_.GrahasAt(second);
        std::copy_n(g.longitudes.begin(), kGrahas, values.begin());
        std::copy_n(g.speeds.begin(), kGrahas, speeds.begin());
    }

    Need NeedOf(const SensitivityItem& item) const {
        Need need;
        switch (item.kind) {
            case SensitivityKind::VargaSign:
                if (item.body == kAscendant) {
                    need.ascendant = true;
                } else {
                    need.body = item.body;
                }
                break;
            case SensitivityKind::LagnaNakshatra: need.ascendant = true; break;
            case SensitivityKind::MoonNakshatra:
            case SensitivityKind::Vimshottari: need.body = kMoon; break;
            case SensitivityKind::Bhava:
                need.body = item.body;
                need.ascendant = true;
                need.cusps = !whole_;
                break;
            case SensitivityKind::CuspSign:
                need.ascendant = true;
                need.cusps = !whole_;
                break;
        }
        return need;
    }

    // The positions `need` asks for at `second` (a body of kBodyCount: all).
    Look LookAt(int second, const Need& need) const {
        Look look;
        Positions& p = look.at;
        if (need.ascendant || need.cusps) {
            if (const Sky::Houses* h = sky_.KnownHouses(second)) {
                p.ascendant = h->ascendant;
                p.cusps = h->cusps;
            } else {
                look.housesExact = false;
                p.ascendant = houses_.At(second, 0);
                if (need.cusps)
                    for (int house = 0; house < 12; ++house)
                        p.cusps[static_cast<std::size_t>(house)] = houses_.At(second, house + 1);
            }
            if (whole_) p.cusps = WholeSignCusps(p.ascendant);
        }
        if (need.body >= 0) {
            if (const Sky::Grahas* g = sky_.KnownGrahas(second)) {
                p.longitudes = g->longitudes;
            } else {
                look.grahasExact = false;
                const int computed = need.body == kBodyCount ? kGrahas : need.body == kKetu ? kRahu + 1 : need.body + 1;
                for (int body = need.body == kBodyCount ? 0 : std::min(need.body, kRahu); body < computed; ++body)
                    p.longitudes[static_cast<std::size_t>(body)] = grahas_.At(second, body);
                p.longitudes[kKetu] = Fold(p.longitudes[kRahu] + 180.0);
            }
        }
        if (!look.Exact()) {
            const double h = look.housesExact ? 0 : kTrusted, g = look.grahasExact ? 0 : kTrusted;
            look.low = Moved(p, need, -h, g);
            look.high = Moved(p, need, h, -g);
        }
        return look;
    }

    // `p` with the houses moved by `houses` degrees and the grahas by `grahas`.
    Positions Moved(const Positions& p, const Need& need, double houses, double grahas) const {
        Positions moved = p;
        if (need.ascendant || need.cusps) {
            moved.ascendant = Fold(p.ascendant + houses);
            if (whole_) {
                moved.cusps = WholeSignCusps(moved.ascendant);
            } else if (need.cusps) {
                for (double& cusp : moved.cusps) cusp = Fold(cusp + houses);
            }
        }
        if (need.body == kBodyCount) {
            for (double& longitude : moved.longitudes) longitude = Fold(longitude + grahas);
        } else if (need.body >= 0) {
            moved.longitudes[static_cast<std::size_t>(need.body)] = Fold(p.longitudes[static_cast<std::size_t>(need.body)] + grahas);
        }
        return moved;
    }

    // The item's value in `look` when it is the same throughout the curves'
    // trusted error.
    bool Certain(const SensitivityItem& item, const Look& look, int& value) const {
        value = ValueIn(item, look.at, yearMicroseconds_);
        return look.Exact() || (ValueIn(item, look.low, yearMicroseconds_) == value &&
                                ValueIn(item, look.high, yearMicroseconds_) == value);
    }

    void Exactly(int second, const Need& need) {
        if (need.ascendant || need.cusps) sky_.HousesAt(second);
        if (need.body >= 0) sky_.GrahasAt(second);
    }

    // The item's value at `second`: from the curves where it is certain,
    // else from the positions computed then.
    int Value(const SensitivityItem& item, const Need& need, int second) {
        int value = 0;
        if (Certain(item, LookAt(second, need), value)) return value;
        Exactly(second, need);
        return ValueIn(item, LookAt(second, need).at, yearMicroseconds_);
    }

    // Every change of `item` after `a` (value `va`) up to `b` (value `vb`),
    // each at the first second of its new value, halving the stretch.
    void Changes(SensitivityItem& item, const Need& need, int a, int va, int b, int vb) {
        while (va != vb) {
            int low = a, high = b, valueHigh = vb;
            while (high - low > 1) {
                const int middle = low + (high - low) / 2;
                const int value = Value(item, need, middle);
                if (value == va) {
                    low = middle;
                } else {
                    high = middle;
                    valueHigh = value;
                }
            }
            item.crossings.push_back({high, clock_.JulianDayAt(high), clock_.OffsetAt(high), va, valueHigh});
            a = high;
            va = valueHigh;
        }
    }

    const WindowClock& clock_;
    Sky sky_;
    bool whole_;
    std::int64_t yearMicroseconds_;
    Curve houses_, grahas_;
};

}  // namespace

std::span<const SensitivityItem> SensitivityItems() {
    static const std::vector<SensitivityItem> items = AllItems();
    return items;
}

std::string SensitivityWindowRefusal(int minutes) {
    if (minutes >= 1 && minutes <= kSensitivityMaxMinutes) return {};
    return "The window must be 1 to " + std::to_string(kSensitivityMaxMinutes) +
           " minutes either side of the birth time, not " + std::to_string(minutes);
}

SensitivityOutcome ComputeSensitivity(const Chart& chart, int minutes, const std::string& dataDirectory) {
    SensitivityOutcome outcome;
    if (chart.mode != ComputationMode::Precise) {
        outcome.refusal =
            "The birth-time sensitivity needs precise positions: the classic engine takes the birth to the minute "
            "and its positions do not follow the time continuously; choose precise positions";
        return outcome;
    }
    if (std::string refusal = SensitivityWindowRefusal(minutes); !refusal.empty()) {
        outcome.refusal = std::move(refusal);
        return outcome;
    }
    Sensitivity s;
    s.windowMinutes = minutes;
    s.julianDayUT = chart.julianDayUT;
    s.utcOffsetSeconds = chart.utcOffsetSeconds;
    WindowClock clock(chart);
    int first = -60 * minutes, last = 60 * minutes;
    if (!clock.Follow(first, last, outcome.refusal)) return outcome;

    // The window within the years the positions are computed for.
    const YearRange years = YearsFor(ComputationMode::Precise);
    const auto inside = [&](int second) { return years.Holds(clock.ClockAt(second).Year); };
    const auto edge = [&](int outside, int in) {  // the second in range next to the edge
        while (std::abs(in - outside) > 1) {
            const int middle = outside + (in - outside) / 2;
            (inside(middle) ? in : outside) = middle;
        }
        return in;
    };
    if (!inside(first)) {
        first = edge(first, 0);
        s.note = "The window begins at " + LocalDateTimeText(clock.JulianDayAt(first), clock.OffsetAt(first)) +
                 ", " + std::to_string(-first / 60) + " min " + std::to_string(-first % 60) +
                 " s before the given time: precise positions are computed for the years " +
                 std::to_string(years.first) + " to " + std::to_string(years.last);
    }
    if (!inside(last)) {
        last = edge(last, 0);
        s.note = "The window ends at " + LocalDateTimeText(clock.JulianDayAt(last), clock.OffsetAt(last)) + ", " +
                 std::to_string(last / 60) + " min " + std::to_string(last % 60) +
                 " s after the given time: precise positions are computed for the years " +
                 std::to_string(years.first) + " to " + std::to_string(years.last);
    }
    s.firstSecond = first;
    s.lastSecond = last;
    s.firstJulianDay = clock.JulianDayAt(first);
    s.lastJulianDay = clock.JulianDayAt(last);
    s.firstOffsetSeconds = clock.OffsetAt(first);
    s.lastOffsetSeconds = clock.OffsetAt(last);

    s.items.assign(SensitivityItems().begin(), SensitivityItems().end());
    try {
        Search search(chart, clock, dataDirectory);
        search.Run(first, last, s.items);
    } catch (const SkyFailure& failure) {
        outcome.refusal = failure.message;
        return outcome;
    }

    // Every period start is the birth less the part of the first major
    // period passed: it moves with the birth, less the Moon's progress
    // through its nakshatra (13° 20′) times that period's length.
    const ChartPoint& moon = chart.points[kMoon];
    const int lord = kVimshottariLords[static_cast<std::size_t>(NakshatraOf(moon.longitude).index % 9)];
    const double periodDays = kDashaYears[static_cast<std::size_t>(lord)] * DashaYearOf(chart.dashaYear).days;
    s.dashaShiftDaysPerMinute = (1.0 - periodDays * moon.speed / (360.0 / kNakshatraCount)) / 1440.0;
    outcome.sensitivity = std::move(s);
    return outcome;
}

std::string SensitivityValueText(const SensitivityItem& item, int value) {
    switch (item.kind) {
        case SensitivityKind::VargaSign:
        case SensitivityKind::CuspSign: return std::string(kSignEnglishNames[static_cast<std::size_t>(value % 12)]);
        case SensitivityKind::LagnaNakshatra:
        case SensitivityKind::MoonNakshatra:
            return std::string(kNakshatraNames[static_cast<std::size_t>(value / 4 % kNakshatraCount)]) + " " +
                   std::to_string(value % 4 + 1);
        case SensitivityKind::Vimshottari:
            return std::string(DashaBodyName(kVimshottariLords[static_cast<std::size_t>(value / 9 % 9)])) +
                   "\u2013" + std::string(DashaBodyName(kVimshottariLords[static_cast<std::size_t>((value / 9 + value % 9) % 9)]));
        case SensitivityKind::Bhava: return "house " + std::to_string(value);
    }
    return {};
}

int SensitivityValueOf(const SensitivityItem& item, const Chart& chart) {
    Positions p;
    p.ascendant = chart.points[kAscendant].longitude;
    p.cusps = chart.cusps;
    for (int body = 0; body < kBodyCount; ++body)
        p.longitudes[static_cast<std::size_t>(body)] = chart.points[static_cast<std::size_t>(body)].longitude;
    if (item.kind == SensitivityKind::Bhava) return chart.bhavas[static_cast<std::size_t>(item.body)];
    return ValueIn(item, p, DashaYearOf(chart.dashaYear).microseconds);
}

ShiftedClock ShiftedClockOf(const Chart& chart, int second) {
    ShiftedClock shifted;
    WindowClock clock(chart);
    if (!clock.Follow(second, second, shifted.refusal)) return shifted;
    shifted.clock = clock.ClockAt(second);
    shifted.utcOffsetSeconds = clock.OffsetAt(second);
    return shifted;
}

ChartOutcome ComputeShiftedChart(const Chart& chart, int second, const ChartWants& wants) {
    const ShiftedClock shifted = ShiftedClockOf(chart, second);
    if (!shifted.refusal.empty()) {
        ChartOutcome outcome;
        outcome.refusal = {ChartRefusalKind::NoZoneOffset, shifted.refusal, std::nullopt};
        return outcome;
    }
    Birth birth = chart.given;
    birth.clock = shifted.clock;
    birth.repeated = RepeatedHour::Unresolved;
    if (!birth.timeZoneId.empty() && LookUpZone(birth.timeZoneId, birth.clock).Repeated) {
        // The clocks showed this time twice: the reading in force at that moment.
        const ZoneLookup earlier = LookUpZone(birth.timeZoneId, birth.clock, RepeatedHour::Earlier);
        birth.repeated = earlier.Moment.OffsetSeconds == shifted.utcOffsetSeconds ? RepeatedHour::Earlier
                                                                                    : RepeatedHour::Later;
    }
    return ComputeChart(birth, wants);
}

}  // namespace velmora
