#include "chart/MarriageMatch.h"

#include "analysis/SignOf.h"

namespace velmora {

namespace {

constexpr int kMoon = 1;

MatchMoon MoonOf(const Chart& chart) {
    return {chart.points[kMoon].longitude, chart.navamsaSigns[kMoon]};
}

}  // namespace

MarriageMatch MatchCharts(const Chart& bride, const Chart& groom) {
    MarriageMatch m;
    m.milan = MatchMoons(MoonOf(bride), MoonOf(groom));
    m.brideKuja = FindKujaDosha(PointSigns(bride));
    m.groomKuja = FindKujaDosha(PointSigns(groom));
    m.kujaBalanced = m.brideKuja.present && m.groomKuja.present;
    if (m.kujaBalanced) {
        m.kujaSummary = "Both charts have the Mars dosha: it is balanced.";
    } else if (m.brideKuja.present) {
        m.kujaSummary = "Only the bride's chart has the Mars dosha.";
    } else if (m.groomKuja.present) {
        m.kujaSummary = "Only the groom's chart has the Mars dosha.";
    } else {
        m.kujaSummary = "Neither chart has the Mars dosha.";
    }
    return m;
}

}  // namespace velmora
