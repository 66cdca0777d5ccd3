#pragma once
// What the birth-data form holds at the moment a run starts: the raw texts of
// its boxes and the positions chosen in its lists. The window, the command line
// and the tests all fill one of these and hand it to the same core.

#include "birth/DashaChoice.h"
#include <optional>
#include <string>

#include "birth/ChartMode.h"
#include "birth/ChartOptions.h"
#include "birth/ZoneHistory.h"

namespace velmora {

// The list contents, as the form's load fills them.
inline constexpr int kMonthItems = 12;   // "January" … "December"
inline constexpr int kDayItems = 31;     // "1" … "31"
inline constexpr int kFirstYear = 1901;  // "1901" … "2050" for the classic engine
inline constexpr int kYearItems = 150;
inline constexpr int kHourItems = 24;    // "0" … "23"
inline constexpr int kMinuteItems = 60;  // "0" … "59", also the seconds
inline constexpr int kZoneItems = 71;
inline constexpr int kInitialZone = 29;  // "Greenwich Mean Time,GMT,0.0"

// The years a chart can be cast for: the classic engine's 1901–2050, and for
// precise positions the range of the Swiss Ephemeris data files (Debian's
// swe-basic-data, sepl_18 and semo_18), 1800–2399.
struct YearRange {
    int first, last;
    bool Holds(int year) const { return year >= first && year <= last; }
};
inline constexpr YearRange kClassicYears{kFirstYear, kFirstYear + kYearItems - 1};
inline constexpr YearRange kPreciseYears{1800, 2399};
inline constexpr YearRange YearsFor(ComputationMode mode) {
    return mode == ComputationMode::Precise ? kPreciseYears : kClassicYears;
}

// Why a birth outside YearsFor(mode) has no chart.
inline std::string YearsRefusal(ComputationMode mode) {
    return mode == ComputationMode::Precise
               ? "Precise positions are computed for the years 1800 to 2399, the Swiss Ephemeris files' range"
               : "The classic positions are computed for the years 1901 to 2050; choose precise positions for "
                 "1800 to 2399";
}

// Fields a failed check moves the keyboard focus to.
enum class FormField { None, Name, LonDeg, LonMin, LatDeg, LatMin, City, State, Country };

struct FormFields {
    std::string Name;     // txtName
    int Month = 0;        // cboMonth position, 0 = January
    int Day = 0;          // cboDate position, 0 = "1"
    int Year = 0;         // the year less 1901: the classic list's position (0 = "1901"); below 0 before 1901
    int Hour = 0;         // cboHH position = hour
    int Minute = 0;       // cboMM position = minute
    int Second = 0;       // cboSS position; read in precise mode only
    std::string City;     // txtMCity
    std::string State;    // txtMState
    std::string Country;  // txtMCountry
    std::string LonDeg;   // txtLonD
    std::string LonMin;   // txtLonM
    bool East = true;     // optLong: index 0 "East", index 1 "West"
    std::string LatDeg;   // txtLatD
    std::string LatMin;   // txtLatM
    bool South = false;   // optLat: index 0 "North", index 1 "South"
    int Zone = kInitialZone;  // cmbTimeZone position
    bool DaylightSaving = false;  // chkDST
    ComputationMode Mode = ComputationMode::Precise;  // chkPrecise
    NodeKind Node = NodeKind::Mean;                   // chkTrueNode, read in precise mode only
    // A time zone with its history (from a chosen place, or given by hand):
    // the offset at the birth then replaces the list entry and daylight
    // saving box. Empty: the list entry and box as chosen.
    std::string TimeZoneId;
    RepeatedHour Repeated = RepeatedHour::Unresolved;  // for a local time shown twice
    std::string Place;  // the chosen place as the atlas names it; empty when typed
    // The chosen place's own coordinates in decimal degrees (north and east
    // positive), kept while the boxes show them as the place filled them: a
    // precise chart takes them to the fraction of a minute, the classic
    // engine the boxes' whole minutes. Empty when typed.
    std::optional<double> PlaceLatitude, PlaceLongitude;
    ChartOptions Options;  // the ayanamsa, positions and houses; read in precise mode only
    // How the dashas are reckoned: the year's length and the system shown first.
    DashaYear DashaYearChoice = DashaYear::Julian;
    DashaSystem DashaSystemChoice = DashaSystem::Vimshottari;
};

// The year the form holds, and the form's Year for a year.
inline int FormYear(const FormFields& form) { return kFirstYear + form.Year; }
inline int YearField(int year) { return year - kFirstYear; }

// The local date and time of birth the form holds.
inline LocalClock FormClock(const FormFields& form) {
    return {FormYear(form), form.Month + 1, form.Day + 1, form.Hour, form.Minute, form.Second};
}

}  // namespace velmora
