#pragma once
// Shadbala, the six sources of a planet's strength, of Brihat Parashara Hora
// Shastra chapter 27, as B. V. Raman works them out in "Graha and Bhava
// Balas": sthana bala (place), dig bala (direction), kala bala (time),
// chesta bala (motion), naisargika bala (nature) and drik bala (aspect), in
// virupas (60 to the rupa), for the Sun … Saturn. Each part is one function
// below with its rule; the conventions where readings differ are named in
// docs/strengths.md. Everything here is worked out from numbers the caller
// brings (chart/Strengths.h gathers them from a chart and the ephemeris).

#include <array>

#include "analysis/PlanetRelations.h"

namespace velmora {

using PlanetValues = std::array<double, kSevenPlanets>;  // by body number, Sun … Saturn

// The sky at the birth as the strengths read it. Longitudes are sidereal
// degrees; the ascendant and the midheaven are those of the birth's place.
struct ShadbalaSky {
    PlanetValues longitudes{};  // Sun … Saturn
    double rahu = 0, ketu = 0;  // (only to tell whether Mercury is a malefic)
    double ascendant = 0, midheaven = 0;
    // The planets' true declinations (degrees, north positive, on the
    // equator of date; read only where planets are at war), the true
    // obliquity of the ecliptic, and the ayanamsa: the tropical longitudes
    // are the sidereal ones plus it.
    PlanetValues declinations{};
    double obliquity = 23.44;
    double ayanamsa = 0;
    double julianDayUT = 0;       // the birth
    // The Sun's hour angle at the birth, degrees west of the meridian
    // (local apparent time: 0 at noon, 180 at midnight).
    double sunHourAngle = 0;
    // The birth's Vedic day: it began at `dayStart` (the sunrise, or local
    // midnight where the Sun does not rise) and ends at `dayEnd`; the Sun
    // is up from `sunrise` to `sunset` within it (Julian Dates in Universal
    // Time). Where the Sun does not rise or set that day, `daylight` says
    // whether the whole day is day (the midnight sun) or night.
    double dayStart = 0, dayEnd = 0;
    bool sunRises = true;
    double sunrise = 0, sunset = 0;
    bool daylight = false;
    int weekday = 0;            // of the Vedic day: 0 Sunday … 6 Saturday
    long long civilDayNumber = 0;  // the Julian Day Number of the Vedic day's date
};

struct SthanaBala {
    double uchcha = 0, saptavargaja = 0, ojayugma = 0, kendradi = 0, drekkana = 0;
    double Total() const { return uchcha + saptavargaja + ojayugma + kendradi + drekkana; }
};

struct KalaBala {
    double nathonnata = 0, paksha = 0, tribhaga = 0, abda = 0, masa = 0, vara = 0, hora = 0, ayana = 0,
           yuddha = 0;
    double Total() const { return nathonnata + paksha + tribhaga + abda + masa + vara + hora + ayana + yuddha; }
};

struct PlanetShadbala {
    SthanaBala sthana;
    double dig = 0;
    KalaBala kala;
    double chesta = 0, naisargika = 0, drik = 0;
    double total = 0;     // virupas
    double rupas = 0;     // total / 60
    double required = 0;  // the least strength in rupas the planet needs (BPHS 27)
    double ishta = 0, kashta = 0;  // ishta and kashta phala, 0 … 60
    bool Sufficient() const { return rupas >= required; }
};

using Shadbala = std::array<PlanetShadbala, kSevenPlanets>;

// Every part for the seven planets, then the totals, rupas and phalas.
Shadbala ComputeShadbala(const ShadbalaSky& sky);

// The parts, each for all seven planets.
PlanetValues UchchaBala(const PlanetValues& longitudes);
PlanetValues SaptavargajaBala(const PlanetValues& longitudes);
PlanetValues OjayugmaBala(const PlanetValues& longitudes);
PlanetValues KendradiBala(const PlanetValues& longitudes, double ascendant);
PlanetValues DrekkanaBala(const PlanetValues& longitudes);
PlanetValues DigBala(const PlanetValues& longitudes, double ascendant, double midheaven);
PlanetValues NathonnataBala(double sunHourAngle);
PlanetValues PakshaBala(const ShadbalaSky& sky);
PlanetValues TribhagaBala(const ShadbalaSky& sky);
PlanetValues AbdaBala(const ShadbalaSky& sky);
PlanetValues MasaBala(const ShadbalaSky& sky);
PlanetValues VaraBala(const ShadbalaSky& sky);
PlanetValues HoraBala(const ShadbalaSky& sky);
PlanetValues AyanaBala(const ShadbalaSky& sky);
// The kranti of a tropical longitude: the declination of the ecliptic's
// point there, degrees.
double Kranti(double tropicalLongitude, double obliquity);
PlanetValues ChestaBala(const ShadbalaSky& sky);
PlanetValues NaisargikaBala();
PlanetValues DrikBala(const ShadbalaSky& sky);
// Whether two of Mercury, Venus, Mars, Jupiter and Saturn are at war:
// within a degree of each other.
bool AnyPlanetsAtWar(const PlanetValues& longitudes);
// Yuddha bala of the planets at war, from their declinations and their
// strengths before it.
PlanetValues YuddhaBala(const PlanetValues& longitudes, const PlanetValues& declinations, const Shadbala& before);

// Whether each planet counts as a benefic (for paksha and drik bala): Jupiter
// and Venus always, the Moon while waxing (less than 180° ahead of the Sun),
// Mercury unless more malefics than benefics share its sign; the Sun, Mars
// and Saturn never.
std::array<bool, kSevenPlanets> Benefics(const ShadbalaSky& sky);

// The aspect (drishti) in virupas of `planet` on a point `arc` degrees ahead
// of it (0 ≤ arc < 360), with the special aspects of Mars, Jupiter and Saturn.
double AspectValue(int planet, double arc);

// The lords of the 360-day year and the 30-day month the Vedic day falls in,
// counted from the start of the Kali Yuga (body numbers).
int YearLord(long long civilDayNumber);
int MonthLord(long long civilDayNumber);

}  // namespace velmora
