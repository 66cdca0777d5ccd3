#pragma once
// The full position table and the Jaimini analyses as texts, the same in the
// window, the PDF and the text output: one row a point, and the karakas,
// aspects of signs, argalas and arudhas in words.

#include <array>
#include <string>
#include <vector>

#include "chart/JaiminiReading.h"
#include "chart/PointDetails.h"
#include "presentation/ChartDiagram.h"
#include "text/Language.h"

namespace velmora {

// Degrees, minutes and seconds in the sign, truncated: "21° 33′ 36″".
std::string DegreesInSignText(double longitude);
// Degrees and minutes in the sign, truncated, for a chart's cell: "21°33′"
// (`ascii`: "21:33", for the text output's fixed-width cells).
std::string CellDegreesText(double longitude, bool ascii);

struct PointDetailRow {
    std::string point;      // "Sun" … "Ascendant"
    std::string longitude;  // "21° 33′ 36″"
    std::string sign;       // "Scorpio"
    std::string nakshatra;  // "Jyeshtha"
    std::string pada;       // "2"
    std::string lord;       // "Mercury"
    std::string speed;      // "+1.0123°/day"; "" where not known
    std::string motion;     // "direct", "retrograde" (the chart's flag; the nodes by their speed); "" for the ascendant
    std::string dignity;    // "exalted" … "great enemy"; "" for none
    std::string combust;    // "combust (3° 12′ from the Sun)"; ""
    std::string war;        // "at war with Venus, won (0° 42′ apart)"; ""
};

std::array<PointDetailRow, kBodyCount> PointDetailRows(const PointDetails& details);
// The same in `language`: the point, sign, nakshatra and lord the glossary's,
// the motion, dignity, combustion and war notes the phrase table's.
std::array<PointDetailRow, kBodyCount> PointDetailRows(const PointDetails& details, Language language);

// The column headings, in the rows' order.
inline constexpr std::array<std::string_view, 11> kPointDetailHeadings = {
    "Point", "Longitude", "Sign", "Nakshatra", "Pada", "Lord", "Speed", "Motion", "Dignity", "Combust", "War"};

// A planet's name; "Ascendant" for the ascendant.
std::string_view PointName(int body);

// "AK Jupiter (Atmakaraka)", one a karaka, in rank order.
// In another language the planets, and below the signs, are the glossary's,
// the karakas' names the phrase table's (the labels AK … stay).
std::vector<std::string> KarakaLines(const CharaKarakas& karakas, Language language = Language::English);
// "Karakamsa: Virgo (the Navamsa sign of the atmakaraka, Jupiter)".
std::string KarakamsaLine(const JaiminiReading& reading, Language language = Language::English);
// "Aries aspects Leo, Scorpio, Aquarius", a sign a line.
std::vector<std::string> RashiDrishtiLines(const JaiminiReading& reading, Language language = Language::English);
// "House 1: Sun and Mercury in the 2nd, obstructed by Moon in the 12th:
// argala prevails; …", a house a line; "House 1: none".
// In another language the planets are the glossary's and the words the
// phrase table's.
std::vector<std::string> ArgalaLines(const JaiminiReading& reading, Language language = Language::English);
// The birth chart's bodies with each sign's karakas as its cell's note ("AK DK").
PlacedPoints KarakaChartPoints(const Chart& chart, const CharaKarakas& karakas);

// "AL Aries, A2 Taurus, …" for one varga.
std::string ArudhaLine(const std::array<int, 12>& arudhas, Language language = Language::English);

}  // namespace velmora
