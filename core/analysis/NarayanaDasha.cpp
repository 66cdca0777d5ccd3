#include "analysis/NarayanaDasha.h"

#include "analysis/Dignity.h"
#include "analysis/Jaimini.h"
#include "analysis/SignDasha.h"
#include "analysis/SignFacts.h"

namespace velmora {

namespace {

int KindRank(int sign) {
    switch (KindOfSign(sign)) {
        case SignKind::Dual: return 2;
        case SignKind::Fixed: return 1;
        case SignKind::Movable: return 0;
    }
    return 0;
}

// Of two lords both outside their sign.
int StrongerLordOfTwo(const SignSky& sky, int a, int b) {
    const int ca = sky.Companions(a), cb = sky.Companions(b);
    if (ca != cb) return ca > cb ? a : b;
    const bool ea = ExaltedIn(a, sky.SignOf(a)), eb = ExaltedIn(b, sky.SignOf(b));
    if (ea != eb) return ea ? a : b;
    const int ka = KindRank(sky.SignOf(a)), kb = KindRank(sky.SignOf(b));
    if (ka != kb) return ka > kb ? a : b;
    return sky.DegreesOf(b) > sky.DegreesOf(a) ? b : a;
}

// The lord counted to for `sign`; −1 when both of Scorpio's or Aquarius's stand in it.
int Lord(const SignSky& sky, int sign) { return LordCountedTo(sky, sign, &StrongerLordOfTwo); }

int Years(const SignSky& sky, int sign) {
    const int lord = Lord(sky, sign);
    if (lord < 0) return kSignCount;
    const int at = sky.SignOf(lord);
    int years = YearsToLord(sign, at);
    if (years == kSignCount) return years;
    if (ExaltedIn(lord, at) && !(lord == body::kMercury && at == 5)) ++years;
    if (DebilitatedIn(lord, at)) --years;
    return years;
}

// How many of Jupiter, Mercury and the sign's own lord (lords) join or aspect it.
int Influences(const SignSky& sky, int sign) {
    int n = 0;
    auto counts = [&](int body) {
        const int at = sky.SignOf(body);
        return at == sign || AspectsSign(at, sign);
    };
    n += counts(body::kJupiter) ? 1 : 0;
    n += counts(body::kMercury) ? 1 : 0;
    const int lord = kSignLordBodies[static_cast<std::size_t>(sign)];
    if (lord != body::kJupiter && lord != body::kMercury) n += counts(lord) ? 1 : 0;
    const int co = SignCoLord(sign);
    if (co >= 0) n += counts(co) ? 1 : 0;
    return n;
}

int DignifiedIn(const SignSky& sky, int sign) {
    int n = 0;
    for (int b = 0; b < kBodyCount - 1; ++b) {
        if (sky.SignOf(b) != sign) continue;
        const Dignity d = DignityOf(b, sky.longitudes[static_cast<std::size_t>(b)], sky.signs);
        n += d == Dignity::Exalted || d == Dignity::Moolatrikona || d == Dignity::Own ? 1 : 0;
    }
    return n;
}

int Stronger(const SignSky& sky, int a, int b) {
    // Each rule gives both signs a number; the first that differs decides.
    const auto decide = [a, b](int va, int vb) { return va > vb ? a : vb > va ? b : -1; };
    if (const int r = decide(sky.PlanetsIn(a), sky.PlanetsIn(b)); r >= 0) return r;
    if (const int r = decide(Influences(sky, a), Influences(sky, b)); r >= 0) return r;
    if (const int r = decide(DignifiedIn(sky, a), DignifiedIn(sky, b)); r >= 0) return r;
    if (const int r = decide(KindRank(a), KindRank(b)); r >= 0) return r;
    const auto lordAt = [&sky](int sign) {
        const int lord = Lord(sky, sign);
        return lord < 0 ? sign : sky.SignOf(lord);
    };
    const auto otherOddity = [&](int sign) { return OddSign(sign) != OddSign(lordAt(sign)) ? 1 : 0; };
    if (const int r = decide(otherOddity(a), otherOddity(b)); r >= 0) return r;
    if (const int r = decide(Years(sky, a), Years(sky, b)); r >= 0) return r;
    const auto lordDegrees = [&sky](int sign) {
        const int lord = Lord(sky, sign);
        return lord < 0 ? 30.0 : KarakaDegrees(lord, sky.longitudes[static_cast<std::size_t>(lord)]);
    };
    if (lordDegrees(b) > lordDegrees(a)) return b;
    return a;
}

SignDashaPlan NarayanaPlan(const std::array<double, kBodyCount>& longitudes) {
    const SignSky sky(longitudes);
    SignDashaPlan plan;
    const int ascendant = sky.SignOf(body::kAscendant);
    plan.seed = Stronger(sky, ascendant, NthSign(ascendant, 7));
    plan.forward = RunsForward(plan.seed);
    if (sky.SignOf(body::kSaturn) == plan.seed) plan.forward = true;
    if (sky.SignOf(body::kKetu) == plan.seed) plan.forward = !plan.forward;
    const int step = plan.forward ? 1 : -1;
    for (int n = 0; n < kSignCount; ++n) {
        int sign = plan.seed;
        switch (KindOfSign(plan.seed)) {
            case SignKind::Movable: sign = plan.seed + step * n; break;
            case SignKind::Fixed: sign = plan.seed + step * 5 * n; break;
            case SignKind::Dual: sign = plan.seed + step * (9 * (n / 3) + 4 * (n % 3)); break;
        }
        plan.order[static_cast<std::size_t>(n)] = Wrapped(sign);
    }
    for (int sign = 0; sign < kSignCount; ++sign) {
        plan.years[static_cast<std::size_t>(sign)] = Years(sky, sign);
        const auto seatOf = [&sky](int s) {
            const int lord = Lord(sky, s);
            return lord < 0 ? s : sky.SignOf(lord);
        };
        const int start = Stronger(sky, seatOf(sign), seatOf(NthSign(sign, 7)));
        const bool forward = OddSign(start);
        for (int n = 0; n < kSignCount; ++n)
            plan.subOrder[static_cast<std::size_t>(sign)][static_cast<std::size_t>(n)] =
                static_cast<std::int8_t>(NthSign(start, n + 1, forward));
    }
    return plan;
}

}  // namespace

const DashaTable& NarayanaTable() {
    static const DashaTable table = SignDashaTable(
        "Narayana", &NarayanaPlan, "Sanjay Rath's reading (Narayana Dasa), as P. V. R. Narasimha Rao states it");
    return table;
}

int StrongerSign(int a, int b, const std::array<double, kBodyCount>& longitudes) {
    return Stronger(SignSky(longitudes), a, b);
}

}  // namespace velmora
