#include "analysis/Shadbala.h"

#include <algorithm>
#include <utility>
#include <cmath>

#include "analysis/Nakshatra.h"

#include "analysis/Varga.h"

namespace velmora {

namespace {

constexpr int kSun = 0, kMoon = 1, kMercury = 2, kVenus = 3, kMars = 4, kJupiter = 5, kSaturn = 6;

int SignOf(double longitude) { return static_cast<int>(FoldLongitude(longitude) / 30) % 12; }
bool OddSign(int sign) { return sign % 2 == 0; }  // Aries, Gemini, … are the odd signs

std::array<int, kSevenPlanets> SignsOf(const PlanetValues& longitudes) {
    std::array<int, kSevenPlanets> signs{};
    for (std::size_t p = 0; p < signs.size(); ++p) signs[p] = SignOf(longitudes[p]);
    return signs;
}

// The lords of the weekdays, Sunday first, and of the hours in their order
// (Saturn, Jupiter, Mars, Sun, Venus, Mercury, Moon).
constexpr std::array<int, 7> kWeekdayLord = {kSun, kMoon, kMars, kMercury, kJupiter, kVenus, kSaturn};
constexpr std::array<int, 7> kHoraOrder = {kSaturn, kJupiter, kMars, kSun, kVenus, kMercury, kMoon};

// The weekday (0 Sunday) of a Julian Day Number.
int WeekdayOf(long long dayNumber) { return static_cast<int>(((dayNumber + 1) % 7 + 7) % 7); }

// The Julian Day Number of the day before the Kali Yuga's first day (Friday,
// 18 February 3102 BCE, proleptic Julian calendar), so that its first day
// counts 1.
constexpr long long kKaliEve = 588465;

PlanetValues OnlyTo(int planet, double value) {
    PlanetValues v{};
    v[static_cast<std::size_t>(planet)] = value;
    return v;
}

}  // namespace

// Uchcha bala (BPHS 27): a third of the planet's distance from its
// deepest debilitation, 60 at the exaltation point, 0 at the debilitation.
PlanetValues UchchaBala(const PlanetValues& longitudes) {
    PlanetValues v{};
    for (std::size_t p = 0; p < v.size(); ++p) v[p] = ShorterArc(longitudes[p], ExaltationPoint(static_cast<int>(p)) + 180) / 3;
    return v;
}

// Saptavargaja bala (BPHS 27): in each of the seven vargas D1, D2 (the
// Sun's and the Moon's horas), D3, D7, D9, D12 and D30, 45 virupas in the
// moolatrikona (its degrees of the rasi only), 30 in an own sign, and by the
// compound friendship for the sign's lord 22.5 (great friend), 15 (friend),
// 7.5 (neutral), 3.75 (enemy) or 1.875 (great enemy).
PlanetValues SaptavargajaBala(const PlanetValues& longitudes) {
    static constexpr int kFactors[] = {1, 2, 3, 7, 9, 12, 30};
    static constexpr double kByFriendship[] = {1.875, 3.75, 7.5, 15, 22.5};  // great enemy … great friend
    const std::array<int, kSevenPlanets> signs = SignsOf(longitudes);
    PlanetValues v{};
    for (int p = 0; p < kSevenPlanets; ++p) {
        const std::size_t i = static_cast<std::size_t>(p);
        for (int factor : kFactors) {
            const int sign = VargaSign(VargaIndexOfFactor(factor), longitudes[i]);
            if (factor == 1 && InMoolatrikona(p, longitudes[i])) {
                v[i] += 45;
            } else if (OwnSign(p, sign)) {
                v[i] += 30;
            } else {
                const int lord = kSignLordBody[static_cast<std::size_t>(sign)];
                v[i] += kByFriendship[static_cast<int>(CompoundFriendship(p, lord, signs)) + 2];
            }
        }
    }
    return v;
}

// Ojayugma bala (BPHS 27): 15 virupas in the rasi and 15 in the navamsa
// for the Moon and Venus in an even sign, for the others in an odd one.
PlanetValues OjayugmaBala(const PlanetValues& longitudes) {
    const int navamsa = VargaIndexOfFactor(9);
    PlanetValues v{};
    for (int p = 0; p < kSevenPlanets; ++p) {
        const std::size_t i = static_cast<std::size_t>(p);
        const bool female = p == kMoon || p == kVenus;
        for (int sign : {SignOf(longitudes[i]), VargaSign(navamsa, longitudes[i])})
            if (OddSign(sign) != female) v[i] += 15;
    }
    return v;
}

// Kendradi bala (BPHS 27): 60 virupas in a kendra from the ascendant's
// sign (houses 1, 4, 7, 10), 30 in a panapara (2, 5, 8, 11), 15 in an
// apoklima (3, 6, 9, 12); houses counted by whole signs, as Raman does.
PlanetValues KendradiBala(const PlanetValues& longitudes, double ascendant) {
    PlanetValues v{};
    const int lagna = SignOf(ascendant);
    for (std::size_t p = 0; p < v.size(); ++p) {
        const int house = (SignOf(longitudes[p]) - lagna + 12) % 12;  // 0 = the first
        v[p] = house % 3 == 0 ? 60 : house % 3 == 1 ? 30 : 15;
    }
    return v;
}

// Drekkana bala (BPHS 27): 15 virupas to the male planets (Sun, Mars,
// Jupiter) in the first decanate of a sign, to the neuter ones (Mercury,
// Saturn) in the second, to the female ones (Moon, Venus) in the third.
PlanetValues DrekkanaBala(const PlanetValues& longitudes) {
    static constexpr std::array<int, kSevenPlanets> kDecanate = {0, 2, 1, 2, 0, 0, 1};
    PlanetValues v{};
    for (std::size_t p = 0; p < v.size(); ++p) {
        const int decanate = std::min(2, static_cast<int>(std::fmod(FoldLongitude(longitudes[p]), 30.0) / 10));
        v[p] = decanate == kDecanate[p] ? 15 : 0;
    }
    return v;
}

// Dig bala (BPHS 27): a third of the planet's distance from the point
// where it has no directional strength: for the Sun and Mars the lower
// midheaven (strong at the midheaven), for the Moon and Venus the midheaven
// (strong at the lower one), for Mercury and Jupiter the descendant (strong
// at the ascendant), for Saturn the ascendant (strong at the descendant).
PlanetValues DigBala(const PlanetValues& longitudes, double ascendant, double midheaven) {
    const std::array<double, kSevenPlanets> powerless = {midheaven + 180, midheaven, ascendant + 180, midheaven,
                                                         midheaven + 180, ascendant + 180, ascendant};
    PlanetValues v{};
    for (std::size_t p = 0; p < v.size(); ++p) v[p] = ShorterArc(longitudes[p], powerless[p]) / 3;
    return v;
}

// Nathonnata bala (BPHS 27): the Sun, Jupiter and Venus gain through
// the day, 60 virupas at local apparent noon and none at midnight; the Moon,
// Mars and Saturn the other way round; Mercury has 60 always. The time from
// midnight is the Sun's hour angle, so no sunrise is needed.
PlanetValues NathonnataBala(double sunHourAngle) {
    const double fromMidnight = 180 - ShorterArc(sunHourAngle, 0);  // 0 … 180 degrees
    const double day = fromMidnight / 3;
    return {day, 60 - day, 60, day, 60 - day, day, 60 - day};
}

std::array<bool, kSevenPlanets> Benefics(const ShadbalaSky& sky) {
    const PlanetValues& l = sky.longitudes;
    const bool waxing = FoldLongitude(l[kMoon] - l[kSun]) < 180;
    std::array<bool, kSevenPlanets> benefic = {false, waxing, true, true, false, true, false};
    const int mercurySign = SignOf(l[kMercury]);
    int malefics = 0, benefics = 0;
    for (int p : {kSun, kMoon, kVenus, kMars, kJupiter, kSaturn}) {
        if (SignOf(l[static_cast<std::size_t>(p)]) != mercurySign) continue;
        (benefic[static_cast<std::size_t>(p)] ? benefics : malefics) += 1;
    }
    for (double node : {sky.rahu, sky.ketu})
        if (SignOf(node) == mercurySign) ++malefics;
    benefic[kMercury] = malefics <= benefics;
    return benefic;
}

// Paksha bala (BPHS 27): a third of the Moon's distance from the Sun
// (0 … 60) to the benefics, 60 less that to the malefics; the Moon's is
// doubled and taken as a benefic's whether she waxes or wanes.
PlanetValues PakshaBala(const ShadbalaSky& sky) {
    const double bright = ShorterArc(sky.longitudes[kMoon], sky.longitudes[kSun]) / 3;
    const std::array<bool, kSevenPlanets> benefic = Benefics(sky);
    PlanetValues v{};
    for (std::size_t p = 0; p < v.size(); ++p) v[p] = benefic[p] ? bright : 60 - bright;
    v[kMoon] = 2 * bright;
    return v;
}

// Tribhaga bala (BPHS 27): the day and the night each in three equal
// parts, ruled by Mercury, the Sun and Saturn (day) and by the Moon, Venus
// and Mars (night); the lord of the part of the birth has 60 virupas, and
// Jupiter 60 always. On a day the Sun does not rise or set, the whole Vedic
// day is day (the midnight sun) or night, in three parts.
PlanetValues TribhagaBala(const ShadbalaSky& sky) {
    static constexpr int kDayLords[] = {kMercury, kSun, kSaturn};
    static constexpr int kNightLords[] = {kMoon, kVenus, kMars};
    double from = sky.dayStart, to = sky.dayEnd;
    bool day = sky.daylight;
    if (sky.sunRises) {
        day = sky.julianDayUT >= sky.sunrise && sky.julianDayUT < sky.sunset;
        from = day ? sky.sunrise : sky.sunset;
        to = day ? sky.sunset : sky.dayEnd;
    }
    const double share = to > from ? (sky.julianDayUT - from) / (to - from) : 0;
    const int part = std::clamp(static_cast<int>(share * 3), 0, 2);
    PlanetValues v = OnlyTo(day ? kDayLords[part] : kNightLords[part], 60);
    v[kJupiter] = 60;
    return v;
}

int YearLord(long long civilDayNumber) {
    const long long count = civilDayNumber - kKaliEve;
    return kWeekdayLord[static_cast<std::size_t>(WeekdayOf(civilDayNumber - count % 360))];
}
int MonthLord(long long civilDayNumber) {
    const long long count = civilDayNumber - kKaliEve;
    return kWeekdayLord[static_cast<std::size_t>(WeekdayOf(civilDayNumber - count % 30))];
}

// Abda bala (BPHS 27): 15 virupas to the lord of the weekday the year
// of 360 days began on, the years counted from the Kali Yuga's first day.
PlanetValues AbdaBala(const ShadbalaSky& sky) { return OnlyTo(YearLord(sky.civilDayNumber), 15); }
// Masa bala: 30 virupas to the lord of the weekday the month of 30 days began on.
PlanetValues MasaBala(const ShadbalaSky& sky) { return OnlyTo(MonthLord(sky.civilDayNumber), 30); }
// Vara bala: 45 virupas to the lord of the Vedic day (from sunrise).
PlanetValues VaraBala(const ShadbalaSky& sky) {
    return OnlyTo(kWeekdayLord[static_cast<std::size_t>(sky.weekday % 7)], 45);
}
// Hora bala: 60 virupas to the lord of the hour of the birth, hours of 60
// minutes from the day's start, the first ruled by the day's lord and the
// others following in the order Saturn, Jupiter, Mars, Sun, Venus, Mercury,
// Moon.
PlanetValues HoraBala(const ShadbalaSky& sky) {
    const int dayLord = kWeekdayLord[static_cast<std::size_t>(sky.weekday % 7)];
    const int first = static_cast<int>(std::find(kHoraOrder.begin(), kHoraOrder.end(), dayLord) - kHoraOrder.begin());
    const int hour = std::max(0, static_cast<int>(std::floor((sky.julianDayUT - sky.dayStart) * 24)));
    return OnlyTo(kHoraOrder[static_cast<std::size_t>((first + hour) % 7)], 60);
}

double Kranti(double tropicalLongitude, double obliquity) {
    constexpr double kRadians = 3.14159265358979323846 / 180;
    return std::asin(std::sin(obliquity * kRadians) * std::sin(tropicalLongitude * kRadians)) / kRadians;
}

// Ayana bala (BPHS 27): (24° + kranti) × 60 / 48 virupas, the kranti (the
// declination of the planet's point of the ecliptic, its latitude left
// aside, as Raman and Jain take it) counted positive to the north for the
// Sun, Mars, Jupiter and Venus, to the south for the Moon and Saturn, and
// either way for Mercury; the Sun's is doubled.
PlanetValues AyanaBala(const ShadbalaSky& sky) {
    static constexpr std::array<int, kSevenPlanets> kNorthward = {1, -1, 0, 1, 1, 1, -1};  // 0: either way
    PlanetValues v{};
    for (std::size_t p = 0; p < v.size(); ++p) {
        const double kranti = Kranti(sky.longitudes[p] + sky.ayanamsa, sky.obliquity);
        const double d = kNorthward[p] == 0 ? std::fabs(kranti) : kNorthward[p] * kranti;
        v[p] = (24 + d) * 60 / 48;
    }
    v[kSun] *= 2;
    return v;
}

namespace {

// The mean longitudes of the Sun and the planets referred to the mean
// equinox of date, degrees (J. Meeus, Astronomical Algorithms, 2nd ed.,
// eq. 25.2 and table 31.A, after Simon et al. 1994), T in Julian centuries
// from J2000.0.
struct MeanElement {
    double l0, l1, l2, l3;
};
constexpr MeanElement kMeanSun = {280.46646, 36000.76983, 0.0003032, 0};
constexpr std::array<MeanElement, kSevenPlanets> kMeanPlanet = {{
    {0, 0, 0, 0},
    {0, 0, 0, 0},
    {252.250906, 149474.0722491, 0.00030350, 0.000000018},  // Mercury
    {181.979801, 58519.2130302, 0.00031014, 0.000000015},   // Venus
    {355.433000, 19141.6964471, 0.00031052, 0.000000016},   // Mars
    {34.351519, 3036.3027748, 0.00022330, 0.000000037},     // Jupiter
    {50.077444, 1223.5110686, 0.00051908, -0.000000030},    // Saturn
}};
double MeanLongitude(const MeanElement& e, double t) {
    return FoldLongitude(e.l0 + t * (e.l1 + t * (e.l2 + t * e.l3)));
}
// The middle of two longitudes along the shorter arc.
double Middle(double a, double b) {
    double d = FoldLongitude(b - a);
    if (d > 180) d -= 360;
    return FoldLongitude(a + d / 2);
}

}  // namespace

// Chesta bala (BPHS 27, Raman's chesta kendra): a third of the chesta
// kendra, the distance of the planet's sighrochcha from the middle of its
// mean and true longitudes, taken within 180°. For Mars, Jupiter and Saturn
// the sighrochcha is the mean Sun; for Mercury and Venus it is the planet's
// own mean (heliocentric) longitude, and their mean longitude the mean Sun's.
// So a planet about to turn retrograde, retrograde or opposite the Sun has
// nearly 60 virupas, one near its conjunction with the Sun nearly none. The
// Sun's and the Moon's motion is counted in their doubled ayana and paksha
// bala: their chesta bala is 0 here.
PlanetValues ChestaBala(const ShadbalaSky& sky) {
    const double t = (sky.julianDayUT - 2451545.0) / 36525.0;
    const double meanSun = MeanLongitude(kMeanSun, t);
    PlanetValues v{};
    for (int p : {kMercury, kVenus, kMars, kJupiter, kSaturn}) {
        const std::size_t i = static_cast<std::size_t>(p);
        const double trueLongitude = FoldLongitude(sky.longitudes[i] + sky.ayanamsa);
        const double own = MeanLongitude(kMeanPlanet[i], t);
        const bool inner = p == kMercury || p == kVenus;
        const double sighrochcha = inner ? own : meanSun;
        const double mean = inner ? meanSun : own;
        v[i] = ShorterArc(sighrochcha, Middle(mean, trueLongitude)) / 3;
    }
    return v;
}

// Naisargika bala (BPHS 27): 60 virupas × n / 7 with n = 7 for the Sun,
// 6 the Moon, 5 Venus, 4 Jupiter, 3 Mercury, 2 Mars, 1 Saturn.
PlanetValues NaisargikaBala() { return {60.0, 360.0 / 7, 180.0 / 7, 300.0 / 7, 120.0 / 7, 240.0 / 7, 60.0 / 7}; }

// The aspect a planet casts `arc` degrees ahead (BPHS 26): none within 30°,
// rising to 15 virupas at 60°, 45 at 90°, 30 at 120°, 0 at 150°, 60 at 180°
// and falling back to none at 300°; with the special aspects added: Mars
// 15 on 90°–120° and 210°–240° (the 4th and 8th), Jupiter 30 on 120°–150° and
// 240°–270° (the 5th and 9th), Saturn 45 on 60°–90° and 270°–300° (the 3rd and
// 10th), so that each is full (60) at its exact house.
double AspectValue(int planet, double arc) {
    const double d = FoldLongitude(arc);
    double value = 0;
    if (d < 30) value = 0;
    else if (d < 60) value = (d - 30) / 2;
    else if (d < 90) value = d - 60 + 15;
    else if (d < 120) value = (120 - d) / 2 + 30;
    else if (d < 150) value = 150 - d;
    else if (d < 180) value = (d - 150) * 2;
    else if (d < 300) value = (300 - d) / 2;
    const auto within = [d](double from, double to) { return d >= from && d < to; };
    if (planet == kMars && (within(90, 120) || within(210, 240))) value += 15;
    if (planet == kJupiter && (within(120, 150) || within(240, 270))) value += 30;
    if (planet == kSaturn && (within(60, 90) || within(270, 300))) value += 45;
    return value;
}

// Drik bala (BPHS 27): a quarter of the aspects the benefics cast on
// the planet less a quarter of those the malefics cast (the seven planets).
PlanetValues DrikBala(const ShadbalaSky& sky) {
    const std::array<bool, kSevenPlanets> benefic = Benefics(sky);
    PlanetValues v{};
    for (std::size_t q = 0; q < v.size(); ++q) {
        double sum = 0;
        for (std::size_t p = 0; p < v.size(); ++p) {
            if (p == q) continue;
            const double aspect = AspectValue(static_cast<int>(p), sky.longitudes[q] - sky.longitudes[p]);
            sum += benefic[p] ? aspect : -aspect;
        }
        v[q] = sum / 4;
    }
    return v;
}

// Yuddha bala (BPHS 27, as Raman computes it): two of Mercury, Venus,
// Mars, Jupiter and Saturn within a degree of each other are at war, and the
// one with the more northern declination wins (Surya Siddhanta 7). The
// difference of their sums of sthana, dig and kala bala (its parts before
// this one) divided by the difference of their discs' diameters (Mercury
// 6.6″, Venus 16.6″, Mars 9.4″, Jupiter 190.4″, Saturn 158″) is added to the
// winner and taken from the loser.
namespace {
constexpr int kWarring[] = {kMercury, kVenus, kMars, kJupiter, kSaturn};
bool AtWar(const PlanetValues& longitudes, std::size_t a, std::size_t b) {
    return ShorterArc(longitudes[a], longitudes[b]) < 1;
}
}  // namespace

bool AnyPlanetsAtWar(const PlanetValues& longitudes) {
    for (std::size_t a = 0; a < std::size(kWarring); ++a)
        for (std::size_t b = a + 1; b < std::size(kWarring); ++b)
            if (AtWar(longitudes, static_cast<std::size_t>(kWarring[a]), static_cast<std::size_t>(kWarring[b])))
                return true;
    return false;
}

PlanetValues YuddhaBala(const PlanetValues& longitudes, const PlanetValues& declinations, const Shadbala& before) {
    static constexpr PlanetValues kDiameter = {0, 0, 6.6, 16.6, 9.4, 190.4, 158.0};
    const auto sum = [&before](std::size_t p) {
        return before[p].sthana.Total() + before[p].dig + before[p].kala.Total();
    };
    PlanetValues v{};
    for (std::size_t a = 0; a < std::size(kWarring); ++a) {
        for (std::size_t b = a + 1; b < std::size(kWarring); ++b) {
            auto winner = static_cast<std::size_t>(kWarring[a]), loser = static_cast<std::size_t>(kWarring[b]);
            if (!AtWar(longitudes, winner, loser)) continue;
            if (declinations[loser] > declinations[winner]) std::swap(winner, loser);
            const double share = std::fabs(sum(winner) - sum(loser)) / std::fabs(kDiameter[winner] - kDiameter[loser]);
            v[winner] += share;
            v[loser] -= share;
        }
    }
    return v;
}

Shadbala ComputeShadbala(const ShadbalaSky& sky) {
    const PlanetValues& l = sky.longitudes;
    const PlanetValues uchcha = UchchaBala(l), saptavargaja = SaptavargajaBala(l), ojayugma = OjayugmaBala(l),
                       kendradi = KendradiBala(l, sky.ascendant), drekkana = DrekkanaBala(l),
                       dig = DigBala(l, sky.ascendant, sky.midheaven), nathonnata = NathonnataBala(sky.sunHourAngle),
                       paksha = PakshaBala(sky), tribhaga = TribhagaBala(sky), abda = AbdaBala(sky),
                       masa = MasaBala(sky), vara = VaraBala(sky), hora = HoraBala(sky),
                       ayana = AyanaBala(sky), chesta = ChestaBala(sky), naisargika = NaisargikaBala(),
                       drik = DrikBala(sky);
    // The least strength each planet needs, rupas (BPHS 27).
    static constexpr PlanetValues kRequired = {6.5, 6, 7, 5.5, 5, 6.5, 5};
    Shadbala s{};
    for (std::size_t p = 0; p < s.size(); ++p) {
        PlanetShadbala& b = s[p];
        b.sthana = {uchcha[p], saptavargaja[p], ojayugma[p], kendradi[p], drekkana[p]};
        b.dig = dig[p];
        b.kala = {nathonnata[p], paksha[p], tribhaga[p], abda[p], masa[p], vara[p], hora[p], ayana[p], 0};
        b.chesta = chesta[p];
        b.naisargika = naisargika[p];
        b.drik = drik[p];
        b.required = kRequired[p];
    }
    const PlanetValues yuddha = YuddhaBala(l, sky.declinations, s);
    for (std::size_t p = 0; p < s.size(); ++p) {
        PlanetShadbala& b = s[p];
        b.kala.yuddha = yuddha[p];
        b.total = b.sthana.Total() + b.dig + b.kala.Total() + b.chesta + b.naisargika + b.drik;
        b.rupas = b.total / 60;
        // Ishta and kashta phala (BPHS 28 and Raman, "Graha and Bhava Balas", ch. X): the mean of the
        // uchcha and chesta bala, geometric, and of their complements. The
        // Sun's chesta is its single ayana bala, the Moon's its single paksha bala.
        double motion = b.chesta;
        if (p == kSun) motion = ayana[p] / 2;
        if (p == kMoon) motion = paksha[p] / 2;
        motion = std::clamp(motion, 0.0, 60.0);
        b.ishta = std::sqrt(b.sthana.uchcha * motion);
        b.kashta = std::sqrt((60 - b.sthana.uchcha) * (60 - motion));
    }
    return s;
}

}  // namespace velmora
