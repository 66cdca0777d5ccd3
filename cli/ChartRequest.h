#pragma once
// One chart as the command line states it: the texts a person would type into
// the form's boxes, the date and time as ISO texts and the zone as a list
// position or an abbreviation. Turning it into the form's fields applies the
// form's key filters and box limits; whatever the form could not hold is
// refused with a message.

#include <optional>
#include <string>
#include <string_view>

#include <memory>

#include "birth/FormFields.h"
#include "chart/ComputeChart.h"

namespace velmora::cli {

struct ChartRequest {
    std::string name;
    std::string date;   // YYYY-MM-DD
    std::string time;   // HH:MM or HH:MM:SS
    std::string lon;    // DEG:MIN then E or W; DEG and MIN are raw box texts
    std::string lat;    // DEG:MIN then N or S
    std::string zone = "29";  // position 0-70 or an abbreviation such as GMT
    bool dst = false;
    std::string city, state, country;
    bool precise = true;         // Swiss Ephemeris positions at the true instant; false: the classic engine
    std::string node = "mean";   // Rahu in precise mode: "mean" or "true"
    bool nodeGiven = false;      // the request named the node
    bool zoneGiven = false;      // the request named a zone list entry
    std::string place;           // a place of the atlas ("Kolkata", "Springfield, Illinois")
    std::string tz;              // an IANA time zone, with its history ("Asia/Kolkata")
    std::string ambiguous;       // a repeated local time: "earlier" or "later"
    // The precise chart's choices, when the request names them: an ayanamsa
    // ("lahiri", "true-chitra", "custom:1900-01-01:22.46", …), "apparent" or
    // "true" positions, and "whole", "sripati", "placidus" or "equal" houses.
    std::optional<std::string> ayanamsa, positions, houses;
    std::string dashaYear;       // "365.25", "365.2425", "360" or "sidereal"; empty: 365.25

    friend bool operator==(const ChartRequest&, const ChartRequest&) = default;
};

// Decimal degrees as --lon and --lat take them, to the nearest minute, for
// the places' list: "88:22E", "22:34N".
std::string CoordinateText(double degrees, bool longitude);

// Fills `form` from `request`. A place brings its coordinates, names and
// time zone for whatever the request leaves out. Returns the refusal message, empty when the
// form could be filled (the form's own checks are still to come).
std::string FillForm(const ChartRequest& request, FormFields& form);

// The list position a zone text names, or the refusal message in `refusal`.
int ZonePosition(std::string_view text, std::string& refusal);

// The chart of a form's fields: the form's checks in their order, then the
// birth they describe through the one entry. Returns the refusal message
// (the exact message of the form's failing check, or why the birth gives no
// chart), empty when `chart` holds the chart.
std::string ChartOfForm(const FormFields& form, const ChartWants& wants, std::shared_ptr<const Chart>& chart);

// What matching reads of a chart: the Moons and the Mars dosha; no report, no dasha.
ChartWants MatchWants();

// Fills the form from `request` and computes its chart as ChartOfForm does.
// Returns the refusal message (ours, or ChartOfForm's), empty when `chart`
// holds the chart. `form` is the caller's, kept to spare allocations.
std::string ChartOfRequest(const ChartRequest& request, FormFields& form, const ChartWants& wants,
                           std::shared_ptr<const Chart>& chart);

}  // namespace velmora::cli
