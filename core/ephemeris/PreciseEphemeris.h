#pragma once
// The ten positions from the Swiss Ephemeris: apparent (or true) geocentric
// longitudes of date, sidereal with the chosen ayanamsa (Lahiri unless chosen
// otherwise) through the library's sidereal mode, the ascendant as the rising
// point of the ecliptic at the birth place, each planet's speed in
// longitude, and the twelve house cusps of the chosen system, all at one
// Universal Time.
//
// The data files (Debian's swe-basic-data) are looked for in one directory.
// Where they are missing, the library's built-in analytical ephemeris
// (Moshier's) computes instead and `Analytical` says so. The library keeps its
// state, the data directory among it, per thread (Debian builds it with
// thread-local storage): on each thread the directory of the instance that
// computed last there with data files is the one in force.

#include <array>
#include <cstdint>
#include <string>

#include "birth/BirthInstant.h"
#include "birth/ChartMode.h"
#include "birth/ChartOptions.h"
#include "engine/LongitudeText.h"
#include "engine/NameTables.h"

namespace velmora {

// The positions of one instant and place, by body number (0 Sun … 8 Ketu,
// 9 ascendant).
struct PreciseResult {
    std::array<double, kBodyCount> longitudes{};  // sidereal degrees, 0 ≤ λ < 360
    std::array<double, kBodyCount> speeds{};      // degrees a day; the ascendant's is 0
    std::array<double, kBodyCount> latitudes{};   // ecliptic degrees north; the nodes' and the ascendant's are 0
    std::array<std::string, kBodyCount> longTexts;
    PositionList positionLabels;
    double ayanamsa = 0;      // the chosen ayanamsa's true value (with nutation), degrees
    double julianDateUT = 0;  // the instant computed
    bool analytical = false;  // computed without the data files
    NodeKind node = NodeKind::Mean;
    ChartOptions options;     // the choices the positions were computed with
    // The twelve cusps (where each house begins), sidereal degrees, of the
    // system in `houses`: the one chosen, or equal houses where Placidus
    // cannot be drawn (beyond the polar circles), `housesNote` then saying so.
    std::array<double, 12> cusps{};
    HouseSystem houses = HouseSystem::WholeSign;
    std::string housesNote;
};

class PreciseEphemeris {
public:
    // `dataDirectory` holds sepl_18.se1 and semo_18.se1.
    explicit PreciseEphemeris(std::string dataDirectory = DefaultDataDirectory());

    // The folder in force (EphemerisDirectory: $SE_EPHE_PATH when it is set,
    // else where Debian installs the files, unless another was chosen).
    static std::string DefaultDataDirectory();

    // What the last successful CalculatePositions computed.
    const PreciseResult& Result() const { return result_; }
    // Why the last call failed; empty after one that succeeded.
    const std::string& Error() const { return error_; }

    // Computes the Result for the instant and the place (latitude north
    // positive, longitude east positive, degrees). On failure returns false,
    // sets Error and leaves the Result of the previous call as it was.
    bool CalculatePositions(const BirthInstant& instant, double latitude, double longitude, NodeKind node,
                            const ChartOptions& options = {});

    // One body's longitude and speed alone (0 Sun … 8 Ketu), as
    // CalculatePositions would give them at the Universal Time `jdUT`, for
    // searches that follow one body through many moments. On failure returns
    // false and sets Error; the Result is never touched.
    bool CalculateBody(double jdUT, int body, NodeKind node, const ChartOptions& options, double& longitude,
                       double& speed);

    // The ascendant and the twelve cusps alone, as CalculatePositions would
    // give them at the Universal Time `jdUT` (the same flags, the same house
    // system and the same stand-in where Placidus cannot be drawn), with
    // their speeds in degrees a day (whole-sign cusps, which step with the
    // ascendant's sign, have none), for searches that follow the houses
    // through many moments. On failure returns false and sets Error; the
    // Result is never touched.
    struct HousesAt {
        double ascendant = 0, ascendantSpeed = 0;
        std::array<double, 12> cusps{}, cuspSpeeds{};
        HouseSystem houses = HouseSystem::WholeSign;  // the one drawn
        std::string note;                             // as PreciseResult::housesNote
    };
    bool CalculateHouses(double jdUT, double latitude, double longitude, const ChartOptions& options,
                         HousesAt& houses);
    // One planet's ecliptic latitude (0 Sun … 6 Saturn) at the Universal
    // Time `jdUT`, for a chart whose positions came from elsewhere (the
    // classic engine). On failure returns false and sets Error.
    bool CalculateLatitude(double jdUT, int body, double& latitude);

    // "Precise: Swiss Ephemeris, Lahiri 23° 51′ 12″, mean node" for the last
    // positions; true positions add ", true positions" before the node.
    std::string Description() const;

    // The ayanamsa's name and true value: "True Chitra 23° 50′ 2″".
    std::string AyanamsaLabel() const;

    const std::string& DataDirectory() const { return dataDirectory_; }

    // Frees the library's state of the calling thread: its open data files
    // and buffers, which would otherwise be lost when the thread ends. A
    // thread that computed calls it last, when no instance computes on it
    // any more.
    static void ReleaseThreadState();

private:
    bool DataFilesPresent();
    // Sets the data path and the sidereal mode; returns the flags of the
    // ephemeris and the kind of positions.
    std::int32_t Prepare(const ChartOptions& options);
    bool Body(double jd, int body, NodeKind node, std::int32_t flags, double& longitude, double& speed,
              bool& analytical, double* latitude = nullptr);
    // The houses with `flags` from Prepare; speeds only when `speeds`.
    bool DrawHouses(double jd, std::int32_t flags, double latitude, double longitude, HouseSystem system,
                    HousesAt& houses, bool speeds);

    PreciseResult result_;
    std::string error_;
    std::string dataDirectory_;
    int dataFiles_ = -1;  // -1 not looked for yet, 0 missing, 1 present
};

// Whole degrees, minutes and seconds, truncated: "23° 51′ 12″"; a negative
// angle with a minus sign, "−0° 0′ 13″", unless it shows as nothing but zeros.
std::string DegreesMinutesSeconds(double degrees);

// "69° 41′ N" of a latitude in degrees, as the houses' note writes it.
std::string LatitudeText(double latitude);

}  // namespace velmora
