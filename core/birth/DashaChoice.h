#pragma once
// How a birth's dashas are reckoned: the system the window opens with and the
// length of the dasha year. Programs differ mostly by the year they take, so
// the year is a stated choice: 365.25 days (the Julian year, the default),
// 365.2425 (the Gregorian year), 360 (the savana year of twelve 30-day
// months) or 365.256364 (the sidereal year).

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace velmora {

enum class DashaYear { Julian, Gregorian, Savana, Sidereal };

enum class DashaSystem { Vimshottari, Yogini, Ashtottari };

struct DashaYearInfo {
    DashaYear year;
    std::string_view key;        // as the command line and birth files spell it
    double days;                 // the year's length in days
    std::int64_t microseconds;   // the same, exactly: every choice is a whole number of microseconds
};

inline constexpr std::array<DashaYearInfo, 4> kDashaYearChoices = {{
    {DashaYear::Julian, "365.25", 365.25, 31'557'600'000'000},
    {DashaYear::Gregorian, "365.2425", 365.2425, 31'556'952'000'000},
    {DashaYear::Savana, "360", 360.0, 31'104'000'000'000},
    {DashaYear::Sidereal, "sidereal", 365.256364, 31'558'149'849'600},
}};

inline constexpr const DashaYearInfo& DashaYearOf(DashaYear year) {
    return kDashaYearChoices[static_cast<std::size_t>(year)];
}

inline constexpr std::optional<DashaYear> ParseDashaYear(std::string_view key) {
    for (const DashaYearInfo& info : kDashaYearChoices)
        if (info.key == key) return info.year;
    return std::nullopt;
}

inline constexpr std::array<std::string_view, 3> kDashaSystemKeys = {"vimshottari", "yogini", "ashtottari"};

inline constexpr std::string_view DashaSystemKey(DashaSystem system) {
    return kDashaSystemKeys[static_cast<std::size_t>(system)];
}

inline constexpr std::optional<DashaSystem> ParseDashaSystem(std::string_view key) {
    for (std::size_t i = 0; i < kDashaSystemKeys.size(); ++i)
        if (kDashaSystemKeys[i] == key) return static_cast<DashaSystem>(i);
    return std::nullopt;
}

}  // namespace velmora
