#include "analysis/YogaChart.h"

#include <cmath>

namespace velmora {

bool YogaChart::Benefic(int point) const {
    switch (point) {
        case body::kJupiter:
        case body::kVenus:
        case body::kMercury: return true;
        case body::kMoon: return moonWaxing;
        default: return false;
    }
}

bool YogaChart::Malefic(int point) const {
    if (point == body::kAscendant) return false;
    return !Benefic(point);
}

BodySet YogaChart::Benefics() const {
    BodySet set = 0;
    for (int b = 0; b < 9; ++b)
        if (Benefic(b)) set |= BodyBit(b);
    return set;
}

BodySet YogaChart::Malefics() const { return static_cast<BodySet>(kGrahas & ~Benefics()); }

BodySet YogaChart::InSign(int sign, BodySet among) const {
    BodySet set = 0;
    for (int b = 0; b < kBodyCount; ++b)
        if ((among & BodyBit(b)) && signs[static_cast<std::size_t>(b)] == sign) set |= BodyBit(b);
    return set;
}

bool YogaChart::Aspects(int planet, int sign) const {
    if (planet >= body::kRahu) return false;
    const int n = SignCount(Sign(planet), sign);
    if (n == 7) return true;
    switch (planet) {
        case body::kMars: return n == 4 || n == 8;
        case body::kJupiter: return n == 5 || n == 9;
        case body::kSaturn: return n == 3 || n == 10;
        default: return false;
    }
}

bool YogaChart::Associated(int a, int b) const {
    if (Sign(a) == Sign(b)) return true;
    if (Aspects(a, Sign(b)) && Aspects(b, Sign(a))) return true;
    return kSignLordBodies[static_cast<std::size_t>(Sign(a))] == b && kSignLordBodies[static_cast<std::size_t>(Sign(b))] == a;
}

bool YogaChart::WellPlaced(int planet) const {
    if (OwnOrExalted(planet)) return true;
    const int lord = kSignLordBodies[static_cast<std::size_t>(Sign(planet))];
    return planet <= body::kSaturn && lord != planet && NaturalRelationOf(planet, lord) == Relation::Friend;
}

bool YogaChart::Strong(int planet) const {
    if (DebilitatedIn(planet, Sign(planet))) return false;
    const int house = House(planet);
    return WellPlaced(planet) || Kendra(house) || Trikona(house);
}

YogaChart MakeYogaChart(const std::array<int, kBodyCount>& signs, bool moonWaxing) {
    YogaChart chart;
    chart.signs = signs;
    chart.moonWaxing = moonWaxing;
    return chart;
}

bool MoonWaxing(double sunLongitude, double moonLongitude) {
    const double ahead = std::fmod(std::fmod(moonLongitude - sunLongitude, 360.0) + 360.0, 360.0);
    return ahead < 180.0;
}

}  // namespace velmora
