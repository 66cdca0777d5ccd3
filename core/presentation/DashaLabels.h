#pragma once
// The labels every front end gives the dashas: the levels' names, the
// systems' names, the year's length in words, and a period's lord as the
// window and the text output name it ("Saturn", "Pingala (Sun)").

#include <array>
#include <string>
#include <string_view>

#include "analysis/DashaEngine.h"
#include "analysis/Vimshottari.h"
#include "birth/DashaChoice.h"
#include "chart/Chart.h"
#include "text/Language.h"

namespace velmora {

inline constexpr std::array<std::string_view, kMaxDashaLevels> kDashaLevelNames = {
    "Maha dasha", "Antar dasha", "Pratyantar dasha", "Sookshma dasha", "Prana dasha"};

inline constexpr std::array<std::string_view, 4> kDashaYearNames = {
    "365.25 days (Julian)", "365.2425 days (Gregorian)", "360 days (savana)", "365.256364 days (sidereal)"};

// "365.25": the year's length in days as the text output's headings give it.
inline constexpr std::string_view DashaYearDaysText(DashaYear year) {
    constexpr std::array<std::string_view, 4> kDays = {"365.25", "365.2425", "360", "365.256364"};
    return kDays[static_cast<std::size_t>(year)];
}

// The lord's name, with the planet it stands for where the lords are not
// planets: "Pingala (Sun)".
// In another language the planets and signs are the glossary's.
std::string DashaLordLabel(const DashaTimeline& timeline, const DashaNode& node,
                           Language language = Language::English);
// "12 years 3 months 4 days" (YearsMonthsDaysText), in the language.
std::string YearsMonthsDaysLabel(double years, Language language);

// How the first period stands at birth, in a sentence without its stop: a
// nakshatra dasha's "Saturn period, 12 years 3 months 4 days left at birth";
// a sign dasha's "K. N. Rao's reading (…): from Capricorn, the signs
// backward, the first period from birth in full".
// In another language the line is the phrase table's (a reading's book
// title as published), its lords and signs the glossary's.
std::string DashaStartLine(const DashaTimeline& timeline, Language language = Language::English);
// A dasha system's name ("Vimshottari", as its table names it) in the
// language; a name the glossary lacks as it is.
std::string_view DashaSystemLabel(std::string_view englishName, Language language);

// The chart's Vimshottari major and sub-periods as dates, with those running
// on the day its dashas were marked for.
VimshottariDasha VimshottariPeriods(const Chart& chart);

}  // namespace velmora
