#include "ephemeris/PreciseEphemeris.h"

#include "ephemeris/EphemerisDirectory.h"

#include <swephexp.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace velmora {

namespace {

constexpr int kSiderealBodies = 8;  // Sun … Rahu; Ketu and the ascendant follow from them
constexpr int kRahu = 7, kKetu = 8, kAscendant = 9;

constexpr std::array<int, kSiderealBodies - 1> kPlanetCodes = {SE_SUN,  SE_MOON,    SE_MERCURY, SE_VENUS,
                                                                SE_MARS, SE_JUPITER, SE_SATURN};

// Into 0 ≤ x < 360; the library's longitudes already are, this keeps it so.
double ZeroTo360(double x) {
    x = std::fmod(x, 360.0);
    if (x < 0) x += 360.0;
    if (x >= 360.0) x -= 360.0;
    return x;
}

// Into −180 < x ≤ 180. The library puts an ayanamsa's mean value into
// 0–360° before it adds the nutation, so a custom −10° comes back as 349.996°
// and a custom 0 as −0.004°: both are the signed angle they stand for.
double SignedDegrees(double x) {
    x = ZeroTo360(x);
    return x > 180.0 ? x - 360.0 : x;
}

// The ayanamsas' rows (birth/ChartOptions.h) name the library's sidereal
// modes by number; each must be the library's own.
static_assert(AyanamsaRowOf(AyanamsaKind::Lahiri).siderealMode == SE_SIDM_LAHIRI);
static_assert(AyanamsaRowOf(AyanamsaKind::TrueChitra).siderealMode == SE_SIDM_TRUE_CITRA);
static_assert(AyanamsaRowOf(AyanamsaKind::Krishnamurti).siderealMode == SE_SIDM_KRISHNAMURTI);
static_assert(AyanamsaRowOf(AyanamsaKind::Raman).siderealMode == SE_SIDM_RAMAN);
static_assert(AyanamsaRowOf(AyanamsaKind::Yukteshwar).siderealMode == SE_SIDM_YUKTESHWAR);
static_assert(AyanamsaRowOf(AyanamsaKind::FaganBradley).siderealMode == SE_SIDM_FAGAN_BRADLEY);
static_assert(AyanamsaRowOf(AyanamsaKind::TruePushya).siderealMode == SE_SIDM_TRUE_PUSHYA);
static_assert(AyanamsaRowOf(AyanamsaKind::LahiriIcrc).siderealMode == SE_SIDM_LAHIRI_ICRC);
static_assert(AyanamsaRowOf(AyanamsaKind::Custom).siderealMode == SE_SIDM_USER);

void SetSiderealMode(const ChartOptions& options) {
    if (options.ayanamsa == AyanamsaKind::Custom) {
        // Its value at 0 h UT of the date, carried by the library's precession.
        const CustomAyanamsa& c = options.custom;
        swe_set_sid_mode(SE_SIDM_USER | SE_SIDBIT_USER_UT, swe_julday(c.year, c.month, c.day, 0, SE_GREG_CAL),
                         c.degrees);
        return;
    }
    swe_set_sid_mode(AyanamsaRowOf(options.ayanamsa).siderealMode, 0, 0);
}


bool FiniteCusps(const double (&cusps)[13]) {
    for (int i = 1; i <= 12; ++i)
        if (!std::isfinite(cusps[i])) return false;
    return true;
}


std::string LibraryMessage(const char* what, const char* serr) {
    std::string message = "The Swiss Ephemeris could not compute ";
    message += what;
    if (serr[0] != '\0') {
        message += ": ";
        message += serr;
    }
    while (!message.empty() && (message.back() == ' ' || message.back() == '\n')) message.pop_back();
    return message;
}

}  // namespace

std::string LatitudeText(double latitude) {
    const double x = std::fabs(latitude);
    int degrees = static_cast<int>(x);
    int minutes = static_cast<int>(std::lround((x - degrees) * 60));
    if (minutes == 60) {
        ++degrees;
        minutes = 0;
    }
    return std::to_string(degrees) + "\u00B0 " + std::to_string(minutes) + "\u2032 " + (latitude < 0 ? "S" : "N");
}

PreciseEphemeris::PreciseEphemeris(std::string dataDirectory) : dataDirectory_(std::move(dataDirectory)) {}

std::string PreciseEphemeris::DefaultDataDirectory() { return EphemerisDirectory(); }

bool PreciseEphemeris::DataFilesPresent() {
    if (dataFiles_ < 0) {
        // The planets' and the Moon's files for 1800–2399 cover the form's years.
        std::error_code error;
        const std::filesystem::path dir(dataDirectory_);
        dataFiles_ = std::filesystem::is_regular_file(dir / "sepl_18.se1", error) &&
                             std::filesystem::is_regular_file(dir / "semo_18.se1", error)
                         ? 1
                         : 0;
    }
    return dataFiles_ == 1;
}

std::int32_t PreciseEphemeris::Prepare(const ChartOptions& options) {
    const bool files = DataFilesPresent();
    if (files) UseEphemerisDirectory(dataDirectory_);
    SetSiderealMode(options);
    const std::int32_t source = files ? SEFLG_SWIEPH : SEFLG_MOSEPH;
    // True positions: no light time, aberration or deflection; nutation stays
    // in both kinds, as it stays in the ayanamsa.
    const std::int32_t kind = options.positions == PositionKind::True ? SEFLG_TRUEPOS : 0;
    return source | kind;
}

bool PreciseEphemeris::Body(double jd, int body, NodeKind node, std::int32_t flags, double& longitude, double& speed,
                            bool& analytical, double* latitude) {
    static constexpr const char* kWhat[kSiderealBodies] = {"the Sun",  "the Moon",   "Mercury", "Venus",
                                                            "Mars",    "Jupiter",    "Saturn",  "the lunar node"};
    const int drawn = body == kKetu ? kRahu : body;
    const int code = drawn == kRahu ? (node == NodeKind::True ? SE_TRUE_NODE : SE_MEAN_NODE) : kPlanetCodes[drawn];
    char serr[AS_MAXCH] = "";
    double x[6] = {};
    const std::int32_t returned = swe_calc_ut(jd, code, flags | SEFLG_SPEED | SEFLG_SIDEREAL, x, serr);
    if (returned < 0 || !std::isfinite(x[0]) || !std::isfinite(x[3])) {
        error_ = LibraryMessage(kWhat[drawn], serr);
        return false;
    }
    // Asked for the data files and given the series: a file is missing or
    // does not cover the date.
    if ((returned & SEFLG_MOSEPH) != 0) analytical = true;
    longitude = ZeroTo360(body == kKetu ? x[0] + 180.0 : x[0]);
    speed = x[3];
    if (latitude) *latitude = body == kKetu ? -x[1] : x[1];
    return true;
}

bool PreciseEphemeris::CalculateLatitude(double jdUT, int body, double& latitude) {
    bool analytical = false;
    double longitude = 0, speed = 0;
    if (!Body(jdUT, body, NodeKind::Mean, Prepare({}), longitude, speed, analytical, &latitude)) return false;
    error_.clear();
    return true;
}

bool PreciseEphemeris::CalculateBody(double jdUT, int body, NodeKind node, const ChartOptions& options,
                                     double& longitude, double& speed) {
    bool analytical = false;
    if (!Body(jdUT, body, node, Prepare(options), longitude, speed, analytical)) return false;
    error_.clear();
    return true;
}

bool PreciseEphemeris::DrawHouses(double jd, std::int32_t flags, double latitude, double longitude, HouseSystem system,
                              HousesAt& out, bool speeds) {
    char serr[AS_MAXCH] = "";
    double cusps[13] = {};
    double ascmc[10] = {};
    double cuspSpeeds[13] = {};
    double ascmcSpeeds[10] = {};
    // The houses in the planets' frame: the same ephemeris and kind of
    // positions, so that a star-based ayanamsa's star is where the planets'
    // ayanamsa puts it (true positions leave the aberration out of the star
    // too) and the shown ayanamsa is the one between the two zodiacs.
    const std::int32_t houseFlags = flags | SEFLG_SIDEREAL;
    const auto draw = [&](int letter) {
        if (speeds && swe_houses_ex2(jd, houseFlags, latitude, longitude, letter, cusps, ascmc, cuspSpeeds,
                                     ascmcSpeeds, serr) >= 0 &&
            FiniteCusps(cusps))
            return true;
        // Without speeds, as the chart draws them: the speeds then unknown.
        std::fill(std::begin(cuspSpeeds), std::end(cuspSpeeds), NAN);
        std::fill(std::begin(ascmcSpeeds), std::end(ascmcSpeeds), NAN);
        serr[0] = '\0';
        return swe_houses_ex2(jd, houseFlags, latitude, longitude, letter, cusps, ascmc, nullptr, nullptr, serr) >= 0 &&
               FiniteCusps(cusps);
    };
    HouseSystem houses = system;
    std::string note;
    bool drawn = draw(HouseSystemRowOf(houses).letter);
    if (houses == HouseSystem::Placidus && !drawn && std::isfinite(ascmc[0])) {
        // Beyond the polar circles some degrees of the ecliptic never rise or
        // set, and their semi-arcs cannot be divided: equal houses from the
        // ascendant stand in, and the chart says so.
        note = "Placidus houses cannot be drawn at " + LatitudeText(latitude) +
               ", where some degrees of the ecliptic never rise or set; the houses are equal houses from "
               "the ascendant";
        houses = HouseSystem::Equal;
        serr[0] = '\0';
        drawn = draw('E');
    }
    if (!drawn || !std::isfinite(ascmc[0])) {
        error_ = LibraryMessage("the ascendant", serr);
        return false;
    }
    out.ascendant = ZeroTo360(ascmc[0]);
    out.ascendantSpeed = ascmcSpeeds[0];
    for (int house = 0; house < 12; ++house) {
        const auto h = static_cast<std::size_t>(house);
        const bool whole = houses == HouseSystem::WholeSign;
        out.cusps[h] = whole ? 30.0 * ((static_cast<int>(out.ascendant / 30) + house) % 12) : ZeroTo360(cusps[house + 1]);
        out.cuspSpeeds[h] = whole ? 0.0 : cuspSpeeds[house + 1];
    }
    out.houses = houses;
    out.note = std::move(note);
    return true;
}

bool PreciseEphemeris::CalculateHouses(double jdUT, double latitude, double longitude, const ChartOptions& options,
                                       HousesAt& houses) {
    if (!DrawHouses(jdUT, Prepare(options), latitude, longitude, options.houses, houses, true)) return false;
    error_.clear();
    return true;
}

bool PreciseEphemeris::CalculatePositions(const BirthInstant& instant, double latitude, double longitude,
                                          NodeKind node, const ChartOptions& options) {
    const std::int32_t flags = Prepare(options);
    const std::int32_t source = flags & (SEFLG_SWIEPH | SEFLG_MOSEPH);

    const double jd = instant.UniversalJulianDate();
    char serr[AS_MAXCH] = "";
    std::array<double, kBodyCount> longitudes{};
    std::array<double, kBodyCount> speeds{};
    std::array<double, kBodyCount> latitudes{};
    bool analytical = source == SEFLG_MOSEPH;
    for (int body = 0; body <= kRahu; ++body)
        if (!Body(jd, body, node, flags, longitudes[body], speeds[body], analytical, &latitudes[body])) return false;
    longitudes[kKetu] = ZeroTo360(longitudes[kRahu] + 180.0);
    speeds[kKetu] = speeds[kRahu];

    HousesAt drawn;
    if (!DrawHouses(jd, flags, latitude, longitude, options.houses, drawn, false)) return false;
    longitudes[kAscendant] = drawn.ascendant;

    double ayanamsa = 0;
    if (swe_get_ayanamsa_ex_ut(jd, flags, &ayanamsa, serr) < 0 || !std::isfinite(ayanamsa)) {
        error_ = LibraryMessage("the ayanamsa", serr);
        return false;
    }
    ayanamsa = SignedDegrees(ayanamsa);

    result_.longitudes = longitudes;
    result_.speeds = speeds;
    latitudes[kKetu] = -latitudes[kRahu];
    result_.latitudes = latitudes;
    result_.ayanamsa = ayanamsa;
    result_.julianDateUT = jd;
    result_.analytical = analytical;
    result_.node = node;
    result_.options = options;
    result_.cusps = drawn.cusps;
    result_.houses = drawn.houses;
    result_.housesNote = std::move(drawn.note);
    error_.clear();
    for (int body = 0; body < kBodyCount; ++body) {
        double x = result_.longitudes[body];
        LongitudeTextsInto(x, result_.longTexts[body], result_.positionLabels[body]);
    }
    return true;
}

void PreciseEphemeris::ReleaseThreadState() {
    swe_close();
    ForgetDirectoryInUse();
}

std::string PreciseEphemeris::Description() const {
    // Moshier's series stand in when the data files are missing.
    std::string text = result_.analytical ? "Precise: Swiss Ephemeris (Moshier)" : "Precise: Swiss Ephemeris";
    text += ", ";
    text += AyanamsaLabel();
    if (result_.options.positions == PositionKind::True) text += ", true positions";
    text += result_.node == NodeKind::True ? ", true node" : ", mean node";
    return text;
}

std::string PreciseEphemeris::AyanamsaLabel() const {
    std::string label(AyanamsaDisplayName(result_.options.ayanamsa));
    label += ' ';
    label += DegreesMinutesSeconds(result_.ayanamsa);
    return label;
}

std::string DegreesMinutesSeconds(double degrees) {
    const double x = std::fabs(degrees);
    const double d = std::floor(x);
    const double m = std::floor(60 * (x - d));
    const double s = std::floor(60 * (60 * (x - d) - m));
    std::string text = degrees < 0 && d + m + s > 0 ? "\u2212" : "";
    text += std::to_string(static_cast<long long>(d));
    text += "\u00B0 ";
    text += std::to_string(static_cast<long long>(m));
    text += "\u2032 ";
    text += std::to_string(static_cast<long long>(s));
    text += "\u2033";
    return text;
}

}  // namespace velmora
