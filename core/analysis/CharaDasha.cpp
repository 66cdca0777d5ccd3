#include "analysis/CharaDasha.h"

#include "analysis/SignDasha.h"
#include "analysis/SignFacts.h"

namespace velmora {

namespace {

// Of two lords both outside their sign: more planets beside it, then more
// degrees in its sign.
int StrongerByCompanyThenDegrees(const SignSky& sky, int a, int b) {
    const int ca = sky.Companions(a), cb = sky.Companions(b);
    if (ca != cb) return ca > cb ? a : b;
    return sky.DegreesOf(b) > sky.DegreesOf(a) ? b : a;
}

int Lord(const SignSky& sky, int sign) { return LordCountedTo(sky, sign, &StrongerByCompanyThenDegrees); }

SignDashaPlan CharaPlan(const std::array<double, kBodyCount>& longitudes) {
    const SignSky sky(longitudes);
    SignDashaPlan plan;
    plan.seed = sky.SignOf(body::kAscendant);
    plan.forward = RunsForward(plan.seed);
    for (int n = 0; n < kSignCount; ++n) plan.order[static_cast<std::size_t>(n)] = NthSign(plan.seed, n + 1, plan.forward);
    for (int sign = 0; sign < kSignCount; ++sign) {
        const int lord = Lord(sky, sign);
        plan.years[static_cast<std::size_t>(sign)] = lord < 0 ? kSignCount : YearsToLord(sign, sky.SignOf(lord));
        const bool forward = RunsForward(sign);
        for (int n = 0; n < kSignCount; ++n)
            plan.subOrder[static_cast<std::size_t>(sign)][static_cast<std::size_t>(n)] =
                static_cast<std::int8_t>(NthSign(sign, n + 2, forward));
    }
    return plan;
}

}  // namespace

const DashaTable& CharaTable() {
    static const DashaTable table =
        SignDashaTable("Chara", &CharaPlan, "K. N. Rao's reading (Predicting through Jaimini's Chara Dasha)");
    return table;
}

int CharaLord(int sign, const std::array<double, kBodyCount>& longitudes) { return Lord(SignSky(longitudes), sign); }

}  // namespace velmora
