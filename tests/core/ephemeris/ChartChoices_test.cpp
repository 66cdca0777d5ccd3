// The astrologer's choices in the precise ephemeris, against published
// definitions and formulas, never against the library's own output:
// - The ayanamsas' definitions as the Swiss Ephemeris documents them
//   (swisseph.htm, section 2.8 "Ayanamshas", and the table of sidereal modes
//   in sweph.h that gives each one's epoch t0 and value there):
//   Lahiri 23° 15′ 00.658″ (with nutation) and Lahiri (ICRC) 23° 15′ 00.0″
//   on 1956 March 21, 0 h TT; Fagan/Bradley 24° 02′ 31.36″ (mean) for
//   B1950 (JD 2433282.42346); Raman 360° − 338.98556°, Krishnamurti
//   360° − 337.636111°, Sri Yukteshwar 360° − 338.917778° (mean) at J1900
//   (JD 2415020.0); True Chitra: Spica always at 180°; True Pushya: δ Cancri
//   always at 106°. The library carries each definition from its own
//   precession model to its epoch with a correction (its documentation,
//   "Ayanamshas with different precession rates") that leaves up to 0.9″.
// - The stars' places: SIMBAD (Hipparcos, ICRS J2000): Spica 13h 25m 11.579s
//   −11° 09′ 40.75″; δ Cancri 08h 44m 41.0996s +18° 09′ 15.511″; turned into
//   ecliptic longitude with Meeus, Astronomical Algorithms, 2nd ed., 13.5.
// - Nutation in longitude: Meeus 22 (the low-accuracy series, 0.5″), to
//   turn a mean definition into the true value the chart shows.
// - The Sun's aberration: Meeus 25.10, −20.4898″ / R, R between 0.983 and
//   1.017 au: true minus apparent is 20.1″ to 20.9″ at any date.
// - House cusps: Placidus as the trisection of each point's diurnal or
//   nocturnal semi-arc in right ascension, the midheaven and ascendant from
//   the local sidereal time (Meeus 12.4) and the obliquity (Meeus 22.2);
//   Sripati as the middles of Porphyry's trisected quadrants.
// - A sidereal zodiac is the tropical one turned by the ayanamsa, the same
//   angle for every point of one chart: the distance from the Sun to the
//   ascendant cannot depend on the ayanamsa (PyJHora's published comparison
//   of the Casablanca chart below gives the same Sun − ascendant to 0.0000″
//   under every ayanamsa). Casablanca: GeoNames 2553604, 33° 35′ 18″ N
//   7° 36′ 41″ W; 19 August 1951, 13:38:13 local time is UTC+00:00
//   (tz database, Africa/Casablanca, as Python's zoneinfo gives it).

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "ephemeris/PreciseEphemeris.h"

namespace velmora {
namespace {

constexpr double kArcsecond = 1.0 / 3600;
constexpr double kPi = 3.14159265358979323846;
constexpr double kRad = kPi / 180;

double AngleBetween(double a, double b) {
    double d = std::fmod(a - b, 360.0);
    if (d > 180) d -= 360;
    if (d < -180) d += 360;
    return d;
}

double Normalised(double x) {
    x = std::fmod(x, 360.0);
    return x < 0 ? x + 360 : x;
}

BirthInstant Ut(int year, int month, int day, int hour, int minute, int second = 0) {
    return BirthInstant{year, month, day, hour, minute, second, 0};
}

PreciseEphemeris Computed(const BirthInstant& instant, const ChartOptions& options, double latitude = 0,
                          double longitude = 0) {
    PreciseEphemeris eph;
    EXPECT_TRUE(eph.CalculatePositions(instant, latitude, longitude, NodeKind::Mean, options)) << eph.Error();
    return eph;
}

ChartOptions WithAyanamsa(AyanamsaKind kind) {
    ChartOptions options;
    options.ayanamsa = kind;
    return options;
}

// Meeus 22: nutation in longitude, degrees (the low-accuracy series).
double NutationInLongitude(double jd) {
    const double t = (jd - 2451545.0) / 36525;
    const double omega = (125.04452 - 1934.136261 * t) * kRad;
    const double sun = (280.4665 + 36000.7698 * t) * kRad;
    const double moon = (218.3165 + 481267.8813 * t) * kRad;
    return (-17.20 * std::sin(omega) - 1.32 * std::sin(2 * sun) - 0.23 * std::sin(2 * moon) +
            0.21 * std::sin(2 * omega)) * kArcsecond;
}

// Meeus 13.5: the ecliptic longitude of a J2000 place (ε of J2000).
double EclipticLongitude(double raHours, double decDegrees) {
    const double eps = 23.4392911 * kRad;
    const double ra = raHours * 15 * kRad;
    const double dec = decDegrees * kRad;
    return Normalised(std::atan2(std::sin(ra) * std::cos(eps) + std::tan(dec) * std::sin(eps), std::cos(ra)) / kRad);
}

struct Definition {
    AyanamsaKind kind;
    BirthInstant epoch;  // as Universal Time; ΔT (under a minute) moves an ayanamsa by 0.001″
    double value;        // degrees
    bool withNutation;   // the value is the true one, else the mean one
    double tolerance;
};

TEST(ChartChoices, EachAyanamsaHasItsDefinedValueAtItsEpoch) {
    const Definition definitions[] = {
        {AyanamsaKind::Lahiri, Ut(1956, 3, 20, 23, 59, 28), 23 + 15 / 60.0 + 0.658 / 3600, true, 0.2 * kArcsecond},
        {AyanamsaKind::LahiriIcrc, Ut(1956, 3, 20, 23, 59, 28), 23.25, true, 0.5 * kArcsecond},
        {AyanamsaKind::FaganBradley, Ut(1949, 12, 31, 22, 9, 47), 24 + 2 / 60.0 + 31.36 / 3600, false,
         1.0 * kArcsecond},
        {AyanamsaKind::Raman, Ut(1899, 12, 31, 12, 0), 360 - 338.98556, false, 1.5 * kArcsecond},
        {AyanamsaKind::Krishnamurti, Ut(1899, 12, 31, 12, 0), 360 - 337.636111, false, 1.5 * kArcsecond},
        {AyanamsaKind::Yukteshwar, Ut(1899, 12, 31, 12, 0), 360 - 338.917778, false, 1.0 * kArcsecond},
    };
    for (const Definition& d : definitions) {
        SCOPED_TRACE(std::string(AyanamsaDisplayName(d.kind)));
        const PreciseEphemeris eph = Computed(d.epoch, WithAyanamsa(d.kind));
        const double expected = d.withNutation ? d.value : d.value + NutationInLongitude(eph.Result().julianDateUT);
        EXPECT_NEAR(eph.Result().ayanamsa, expected, d.tolerance);
        EXPECT_EQ(eph.Result().options.ayanamsa, d.kind);
    }
}

TEST(ChartChoices, StarAyanamsasHoldTheirStar) {
    // At J2000 the catalogue place is the mean place of date; aberration
    // (up to 20.5″) and nutation (here −14″) stay inside half an arcminute.
    const struct {
        AyanamsaKind kind;
        double starLongitude, fixedAt;
    } stars[] = {
        {AyanamsaKind::TrueChitra, EclipticLongitude(13 + 25 / 60.0 + 11.579 / 3600, -(11 + 9 / 60.0 + 40.75 / 3600)),
         180},
        {AyanamsaKind::TruePushya, EclipticLongitude(8 + 44 / 60.0 + 41.0996 / 3600, 18 + 9 / 60.0 + 15.511 / 3600),
         106},
    };
    for (const auto& s : stars) {
        SCOPED_TRACE(std::string(AyanamsaDisplayName(s.kind)));
        const PreciseEphemeris eph = Computed(Ut(2000, 1, 1, 12, 0), WithAyanamsa(s.kind));
        EXPECT_NEAR(AngleBetween(eph.Result().ayanamsa, s.starLongitude - s.fixedAt), 0, 30 * kArcsecond);
    }
}

TEST(ChartChoices, ACustomAyanamsaHasItsValueOnItsDateAndPrecesses) {
    ChartOptions options;
    ASSERT_TRUE(ParseAyanamsa("custom:1950-01-01:23.1", options));
    const PreciseEphemeris then = Computed(Ut(1950, 1, 1, 0, 0), options);
    EXPECT_NEAR(then.Result().ayanamsa, 23.1 + NutationInLongitude(then.Result().julianDateUT), 0.5 * kArcsecond);
    // A century on, general precession in longitude (Meeus 21: 5029.0966″ a
    // century at J2000, 5028.0″ about 1950–2050) has carried it on.
    const PreciseEphemeris later = Computed(Ut(2050, 1, 1, 0, 0), options);
    const double mean = later.Result().ayanamsa - NutationInLongitude(later.Result().julianDateUT);
    EXPECT_NEAR(mean - 23.1, 5028.6 * kArcsecond * (later.Result().julianDateUT - then.Result().julianDateUT) / 36525,
                5 * kArcsecond);
    EXPECT_EQ(then.AyanamsaLabel().rfind("Custom 23\u00B0 ", 0), 0u) << then.AyanamsaLabel();
}

// A custom value below zero is the signed angle it stands for, in the
// number and in the label: on its own date (2000 January 1, 0 h UT) the
// chart's ayanamsa is the value plus the nutation in longitude, −13.9″ then
// (Meeus 22). It once came back as 349° for −10°, while 0 showed as −13″.
TEST(ChartChoices, ACustomAyanamsaBelowZeroKeepsItsSign) {
    const struct {
        const char* choice;
        double value;
        const char* label;
    } cases[] = {
        {"custom:2000-01-01:-10", -10, "Custom \u221210\u00B0 0\u2032 13\u2033"},
        {"custom:2000-01-01:0", 0, "Custom \u22120\u00B0 0\u2032 13\u2033"},
        {"custom:2000-01-01:-0.001", -0.001, "Custom \u22120\u00B0 0\u2032 17\u2033"},
        {"custom:2000-01-01:0.01", 0.01, "Custom 0\u00B0 0\u2032 22\u2033"},
        {"custom:2000-01-01:-90", -90, "Custom \u221290\u00B0 0\u2032 13\u2033"},
        {"custom:2000-01-01:90", 90, "Custom 89\u00B0 59\u2032 46\u2033"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.choice);
        ChartOptions options;
        ASSERT_TRUE(ParseAyanamsa(c.choice, options));
        const PreciseEphemeris eph = Computed(Ut(2000, 1, 1, 0, 0), options);
        EXPECT_NEAR(eph.Result().ayanamsa, c.value + NutationInLongitude(eph.Result().julianDateUT), 0.5 * kArcsecond);
        EXPECT_EQ(eph.AyanamsaLabel(), c.label);
    }
}

TEST(ChartChoices, TruePositionsLeaveOutTheAberration) {
    ChartOptions trueOptions;
    trueOptions.positions = PositionKind::True;
    for (const BirthInstant& instant : {Ut(1992, 10, 13, 0, 0), Ut(2024, 1, 3, 6, 0), Ut(2024, 7, 5, 6, 0)}) {
        const PreciseEphemeris apparent = Computed(instant, {});
        const PreciseEphemeris geometric = Computed(instant, trueOptions);
        const double difference = AngleBetween(geometric.Result().longitudes[0], apparent.Result().longitudes[0]) / kArcsecond;
        EXPECT_GT(difference, 20.1);
        EXPECT_LT(difference, 20.9);
        EXPECT_DOUBLE_EQ(geometric.Result().ayanamsa, apparent.Result().ayanamsa);
        EXPECT_NE(geometric.Description().find("Lahiri "), std::string::npos);
        EXPECT_NE(geometric.Description().find(", true positions, mean node"), std::string::npos)
            << geometric.Description();
        EXPECT_EQ(apparent.Description().find("true positions"), std::string::npos);
    }
}

// The houses of a place and instant from the formulas alone: tropical
// degrees, [0] the ascendant.
struct Frame {
    double ramc, eps, latitude;
};

Frame FrameAt(double jdUt, double latitude, double longitudeEast) {
    const double t = (jdUt - 2451545.0) / 36525;
    const double gmst = 280.46061837 + 360.98564736629 * (jdUt - 2451545.0) + 0.000387933 * t * t -
                        t * t * t / 38710000;
    return {Normalised(gmst + longitudeEast), 23.4392911 - 0.0130042 * t, latitude};
}

double LongitudeOfRa(double ra, double eps) {
    return Normalised(std::atan2(std::sin(ra * kRad), std::cos(ra * kRad) * std::cos(eps * kRad)) / kRad);
}

double Midheaven(const Frame& f) { return LongitudeOfRa(f.ramc, f.eps); }

double Ascendant(const Frame& f) {
    const double r = f.ramc * kRad, e = f.eps * kRad;
    return Normalised(std::atan2(-std::cos(r), std::sin(e) * std::tan(f.latitude * kRad) + std::cos(e) * std::sin(r)) /
                          kRad +
                      180);
}

// Placidus: the cusp whose right ascension is the midheaven's plus `share`
// of its own diurnal semi-arc (houses 11 and 12), or the lower midheaven's
// less `share` of its nocturnal one (houses 2 and 3).
double PlacidusCusp(const Frame& f, double share, bool aboveHorizon) {
    double lambda = Normalised(f.ramc + (aboveHorizon ? 30 : 150));
    for (int i = 0; i < 50; ++i) {
        const double dec = std::asin(std::sin(f.eps * kRad) * std::sin(lambda * kRad));
        const double diurnal = std::acos(-std::tan(f.latitude * kRad) * std::tan(dec)) / kRad;
        const double ra = aboveHorizon ? f.ramc + share * diurnal : f.ramc + 180 - share * (180 - diurnal);
        lambda = LongitudeOfRa(Normalised(ra), f.eps);
    }
    return lambda;
}

struct Place {
    const char* name;
    BirthInstant instant;
    double latitude, longitude;
};

const Place kPlaces[] = {
    {"Chennai, 7 December 1996, 10:34 IST", Ut(1996, 12, 7, 5, 4), 13 + 5 / 60.0, 80 + 17 / 60.0},
    {"London, 1 July 1985, 12:00 BST", Ut(1985, 7, 1, 11, 0), 51.5, -0.1167},
    {"Sydney, 25 December 1988, 18:30 AEDT", Ut(1988, 12, 25, 7, 30), -33.8667, 151.2},
};

TEST(ChartChoices, PlacidusCuspsFollowTheSemiArcs) {
    ChartOptions options;
    options.houses = HouseSystem::Placidus;
    for (const Place& p : kPlaces) {
        SCOPED_TRACE(p.name);
        const PreciseEphemeris eph = Computed(p.instant, options, p.latitude, p.longitude);
        ASSERT_EQ(eph.Result().houses, HouseSystem::Placidus);
        EXPECT_TRUE(eph.Result().housesNote.empty());
        const Frame f = FrameAt(eph.Result().julianDateUT, p.latitude, p.longitude);
        // House number − 1 → its tropical cusp; houses 5 to 9 stand opposite 11 to 3.
        double tropical[12] = {Ascendant(f), PlacidusCusp(f, 2.0 / 3, false), PlacidusCusp(f, 1.0 / 3, false),
                               Normalised(Midheaven(f) + 180)};
        tropical[9] = Midheaven(f);
        tropical[10] = PlacidusCusp(f, 1.0 / 3, true);
        tropical[11] = PlacidusCusp(f, 2.0 / 3, true);
        for (int n = 4; n <= 8; ++n) tropical[n] = Normalised(tropical[(n + 6) % 12] + 180);
        for (int n = 0; n < 12; ++n)
            EXPECT_NEAR(AngleBetween(eph.Result().cusps[n] + eph.Result().ayanamsa, tropical[n]), 0, 60 * kArcsecond) << "house " << n + 1;
        EXPECT_NEAR(AngleBetween(eph.Result().cusps[0], eph.Result().longitudes[9]), 0, 1e-9);
    }
}

TEST(ChartChoices, SripatiEqualAndWholeSignCusps) {
    for (const Place& p : kPlaces) {
        SCOPED_TRACE(p.name);
        ChartOptions options;
        options.houses = HouseSystem::Sripati;
        const PreciseEphemeris sripati = Computed(p.instant, options, p.latitude, p.longitude);
        const Frame f = FrameAt(sripati.Result().julianDateUT, p.latitude, p.longitude);
        // Porphyry: each quadrant from the ascendant (1), the lower
        // midheaven (4), the descendant (7) and the midheaven (10) in three.
        double porphyry[12];
        const double angles[4] = {Ascendant(f), Normalised(Midheaven(f) + 180), Normalised(Ascendant(f) + 180),
                                  Midheaven(f)};
        for (int q = 0; q < 4; ++q) {
            const double span = Normalised(angles[(q + 1) % 4] - angles[q]);
            for (int k = 0; k < 3; ++k) porphyry[3 * q + k] = Normalised(angles[q] + k * span / 3);
        }
        // Sripati's house n begins halfway between Porphyry's n − 1 and n.
        for (int n = 0; n < 12; ++n) {
            const double before = porphyry[(n + 11) % 12];
            const double begins = Normalised(before + Normalised(porphyry[n] - before) / 2);
            EXPECT_NEAR(AngleBetween(sripati.Result().cusps[n] + sripati.Result().ayanamsa, begins), 0, 60 * kArcsecond) << n + 1;
        }

        options.houses = HouseSystem::Equal;
        const PreciseEphemeris equal = Computed(p.instant, options, p.latitude, p.longitude);
        options.houses = HouseSystem::WholeSign;
        const PreciseEphemeris whole = Computed(p.instant, options, p.latitude, p.longitude);
        const double ascendant = whole.Result().longitudes[9];
        for (int n = 0; n < 12; ++n) {
            EXPECT_NEAR(AngleBetween(equal.Result().cusps[n], ascendant + 30 * n), 0, 1e-9) << n + 1;
            EXPECT_EQ(whole.Result().cusps[n], Normalised(30 * (std::floor(ascendant / 30) + n))) << n + 1;
        }
    }
}

TEST(ChartChoices, PlacidusBeyondThePolarCircleFallsBackToEqualHousesAndSaysSo) {
    ChartOptions options;
    options.houses = HouseSystem::Placidus;
    // Tromsø, 69° 39′ N 18° 57′ E; and the same south.
    for (const double latitude : {69.65, -69.65}) {
        const PreciseEphemeris eph = Computed(Ut(2000, 1, 1, 12, 0), options, latitude, 18.95);
        EXPECT_EQ(eph.Result().houses, HouseSystem::Equal);
        const std::string place = latitude > 0 ? "69\u00B0 39\u2032 N" : "69\u00B0 39\u2032 S";
        EXPECT_EQ(eph.Result().housesNote, "Placidus houses cannot be drawn at " + place +
                                      ", where some degrees of the ecliptic never rise or set; the houses are "
                                      "equal houses from the ascendant");
        for (int n = 0; n < 12; ++n) {
            ASSERT_TRUE(std::isfinite(eph.Result().cusps[n]));
            EXPECT_NEAR(AngleBetween(eph.Result().cusps[n], eph.Result().longitudes[9] + 30 * n), 0, 1e-9);
        }
    }
    // Below the polar circle Placidus stands.
    EXPECT_EQ(Computed(Ut(2000, 1, 1, 12, 0), options, 66.0, 18.95).Result().houses, HouseSystem::Placidus);
}

TEST(ChartChoices, TheDefaultChartIsTodaysLahiriApparentWholeSign) {
    const PreciseEphemeris chosen = Computed(Ut(2000, 1, 1, 12, 0), {}, 12.97, 77.58);
    PreciseEphemeris plain;
    ASSERT_TRUE(plain.CalculatePositions(Ut(2000, 1, 1, 12, 0), 12.97, 77.58, NodeKind::Mean));
    EXPECT_EQ(chosen.Result().longitudes, plain.Result().longitudes);
    EXPECT_EQ(chosen.Description(), plain.Description());
    EXPECT_EQ(plain.Description().rfind("Precise: Swiss Ephemeris, Lahiri 23\u00B0 51\u2032 ", 0), 0u);
    EXPECT_EQ(plain.Result().houses, HouseSystem::WholeSign);
}

// A search follows one body at a time: it must see exactly the longitude and
// speed the whole chart gives, whatever the choices (a flag lost on the way
// would move it by the aberration, 20″, or by the ayanamsa's difference).
TEST(ChartChoices, OneBodyAloneIsWhereTheWholeChartPutsIt) {
    ChartOptions truePositions = WithAyanamsa(AyanamsaKind::TrueChitra);
    truePositions.positions = PositionKind::True;
    const struct {
        ChartOptions options;
        NodeKind node;
    } cases[] = {{{}, NodeKind::Mean}, {WithAyanamsa(AyanamsaKind::Raman), NodeKind::True}, {truePositions, NodeKind::Mean}};
    for (const auto& c : cases) {
        PreciseEphemeris whole;
        ASSERT_TRUE(whole.CalculatePositions(Ut(1996, 12, 7, 5, 4), 13.08, 80.27, c.node, c.options)) << whole.Error();
        PreciseEphemeris alone;
        for (int body = 0; body < kBodyCount - 1; ++body) {
            double longitude = -1, speed = 0;
            ASSERT_TRUE(alone.CalculateBody(whole.Result().julianDateUT, body, c.node, c.options, longitude, speed));
            EXPECT_EQ(longitude, whole.Result().longitudes[body]) << body;
            EXPECT_EQ(speed, whole.Result().speeds[body]) << body;
        }
    }
}

// The houses are drawn in the frame of the planets: the same ayanamsa, of
// the same kind of positions (a star-based ayanamsa's star moves with them).
TEST(ChartChoices, TheHousesTurnWithThePlanetsUnderEveryAyanamsa) {
    const BirthInstant casablanca = Ut(1951, 8, 19, 13, 38, 13);
    const double latitude = 33 + 35 / 60.0 + 18 / 3600.0, longitude = -(7 + 36 / 60.0 + 41 / 3600.0);
    ChartOptions custom;
    ASSERT_TRUE(ParseAyanamsa("custom:1900-01-01:22.46", custom));
    for (const PositionKind kind : {PositionKind::Apparent, PositionKind::True}) {
        ChartOptions lahiri;
        lahiri.positions = kind;
        lahiri.houses = HouseSystem::Placidus;
        const PreciseEphemeris reference = Computed(casablanca, lahiri, latitude, longitude);
        for (int a = 0; a < kAyanamsaKinds; ++a) {
            ChartOptions options = a == static_cast<int>(AyanamsaKind::Custom) ? custom : ChartOptions{};
            options.ayanamsa = static_cast<AyanamsaKind>(a);
            options.positions = kind;
            options.houses = HouseSystem::Placidus;
            SCOPED_TRACE(std::string(AyanamsaDisplayName(options.ayanamsa)) + ", " +
                         std::string(PositionKindName(kind)));
            const PreciseEphemeris eph = Computed(casablanca, options, latitude, longitude);
            // Sun − ascendant, and the Sun against each cusp.
            EXPECT_NEAR(AngleBetween(eph.Result().longitudes[0] - eph.Result().longitudes[9],
                                     reference.Result().longitudes[0] - reference.Result().longitudes[9]),
                        0, 0.01 * kArcsecond);
            for (int n = 0; n < 12; ++n)
                EXPECT_NEAR(AngleBetween(eph.Result().longitudes[0] - eph.Result().cusps[n], reference.Result().longitudes[0] - reference.Result().cusps[n]),
                            0, 0.01 * kArcsecond)
                    << "house " << n + 1;
            // And the ayanamsa shown is the one between the two frames.
            EXPECT_NEAR(AngleBetween(eph.Result().longitudes[9] + eph.Result().ayanamsa, reference.Result().longitudes[9] + reference.Result().ayanamsa),
                        0, 0.01 * kArcsecond);
        }
    }
}

}  // namespace
}  // namespace velmora
