#pragma once
// The two text forms of an ecliptic longitude. The long form reads
//   16° 31' 32" Sag
// (degrees within the sign, "° ", minutes, "' ", seconds, a double quote and a
// space, the sign); minutes and seconds are truncated, never carried. The short
// form reads "16 Sag 31", with the sign always at characters 4 to 6.

#include <array>
#include <string>
#include <string_view>

namespace velmora {

inline constexpr std::string_view SignAbbreviations = "AriTauGemCanLeoVirLibScoSagCapAquPis";

// Ten short texts by body number (0 Sun … 8 Ketu, 9 ascendant): how the engine
// hands the chart to the rest of the program.
using PositionList = std::array<std::string, 10>;

// Long text of x degrees. Like the original routine it takes the caller's
// variable and leaves its absolute value there.
// Values of 1e15 and more, infinities and NaN have no such text and throw
// std::domain_error.
std::string LongitudeText(double& x);

// The same text written into `out`, reusing its storage.
void LongitudeTextInto(double& x, std::string& out);

// The long text into `longText` and, from the same numbers, its short text
// into `shortText`: the same as ChartPositionText(longText), without reading
// the text back.
void LongitudeTextsInto(double& x, std::string& longText, std::string& shortText);

// Short text of a long text: "16° 31' 32\" Sag" gives "16 Sag 31".
// A text without the degree mark, or with the apostrophe before it, has no
// short form and throws std::invalid_argument.
std::string ChartPositionText(std::string_view text);

}  // namespace velmora
