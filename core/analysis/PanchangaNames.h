#pragma once
// The five limbs of the panchanga as numbers and names: the weekday (vara),
// the lunar day (tithi, 12° of the Moon's elongation from the Sun), the
// Moon's nakshatra (13° 20′), the yoga (13° 20′ of the sum of the Sun's and
// the Moon's sidereal longitudes) and the karana (half a tithi, 6°). Every
// number counts from 1, as almanacs print them.

#include <array>
#include <string_view>

namespace velmora {

inline constexpr int kTithiCount = 30;
inline constexpr int kYogaCount = 27;
inline constexpr int kKaranaCount = 60;  // half-tithis in a lunar month
inline constexpr double kTithiDegrees = 12.0;
inline constexpr double kKaranaDegrees = 6.0;
inline constexpr double kYogaDegrees = 360.0 / kYogaCount;

// Weekdays from Sunday: the Sun's day, the Moon's, … Saturn's.
inline constexpr std::array<std::string_view, 7> kVaraNames = {
    "Ravivara", "Somavara", "Mangalavara", "Budhavara", "Guruvara", "Shukravara", "Shanivara"};
inline constexpr std::array<std::string_view, 7> kWeekdayNames = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

// The fifteen tithis of a fortnight; the last of the bright one is the full
// Moon, the last of the dark one the new Moon.
inline constexpr std::array<std::string_view, 15> kTithiNames = {
    "Pratipada", "Dwitiya", "Tritiya",  "Chaturthi", "Panchami", "Shashthi",    "Saptami",  "Ashtami",
    "Navami",    "Dashami", "Ekadashi", "Dwadashi",  "Trayodashi", "Chaturdashi", "Purnima"};
inline constexpr std::string_view kNewMoonTithi = "Amavasya";

inline constexpr std::array<std::string_view, kYogaCount> kYogaNames = {
    "Vishkambha", "Priti",   "Ayushman", "Saubhagya", "Shobhana",  "Atiganda", "Sukarma",
    "Dhriti",     "Shula",   "Ganda",    "Vriddhi",   "Dhruva",    "Vyaghata", "Harshana",
    "Vajra",      "Siddhi",  "Vyatipata", "Variyana", "Parigha",   "Shiva",    "Siddha",
    "Sadhya",     "Shubha",  "Shukla",   "Brahma",    "Indra",     "Vaidhriti"};

// The seven moving karanas, which fill half-tithis 2 … 57 eight times over,
// and the four fixed ones: Kimstughna the first half-tithi, Shakuni,
// Chatushpada and Naga the last three.
inline constexpr std::array<std::string_view, 7> kMovingKaranas = {"Bava",  "Balava", "Kaulava", "Taitila",
                                                                   "Gara",  "Vanija", "Vishti"};
inline constexpr std::array<std::string_view, 4> kFixedKaranas = {"Kimstughna", "Shakuni", "Chatushpada",
                                                                  "Naga"};

// The limb's number at the given sidereal longitudes of the Sun and the
// Moon (degrees, any turn).
int TithiNumber(double sun, double moon);   // 1 … 30
int KaranaNumber(double sun, double moon);  // 1 … 60
int YogaNumber(double sun, double moon);    // 1 … 27

// The Moon's elongation from the Sun folded into 0° … 360°.
double Elongation(double sun, double moon);

std::string_view TithiName(int tithi);    // 1 … 30
std::string_view PakshaName(int tithi);   // "Shukla" (1 … 15) or "Krishna" (16 … 30)
std::string_view KaranaName(int karana);  // 1 … 60
std::string_view YogaName(int yoga);      // 1 … 27
std::string_view VaraName(int weekday);   // 1 Sunday … 7 Saturday

}  // namespace velmora
