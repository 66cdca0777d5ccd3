#pragma once
// How a birth's dashas are reckoned: the system the window opens with and the
// length of the dasha year. Programs differ mostly by the year they take, so
// the year is a stated choice: 365.25 days (the Julian year, the default),
// 365.2425 (the Gregorian year), 360 (the savana year of twelve 30-day
// months) or 365.256364 (the sidereal year).

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>

namespace velmora {

enum class DashaYear { Julian, Gregorian, Savana, Sidereal };

// The dasha systems, in the order the window, the options and the outputs
// list them. Each is one row of kDashaSystemKeys below (its key in files,
// options and JSON) and one table in core/analysis (DashaSystems.cpp names
// the function that computes it).
enum class DashaSystem { Vimshottari, Yogini, Ashtottari, Chara, Narayana };
inline constexpr int kDashaSystemCount = 5;

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

struct DashaSystemKeyRow {
    DashaSystem system;
    std::string_view key;  // birth files' "dashaSystem", --dasha-systems, the JSON field
};

inline constexpr std::array<DashaSystemKeyRow, kDashaSystemCount> kDashaSystemKeys = {{
    {DashaSystem::Vimshottari, "vimshottari"},
    {DashaSystem::Yogini, "yogini"},
    {DashaSystem::Ashtottari, "ashtottari"},
    {DashaSystem::Chara, "chara"},
    {DashaSystem::Narayana, "narayana"},
}};

inline constexpr bool DashaKeysInOrder() {
    for (std::size_t i = 0; i < kDashaSystemKeys.size(); ++i)
        if (static_cast<std::size_t>(kDashaSystemKeys[i].system) != i || kDashaSystemKeys[i].key.empty()) return false;
    return true;
}
static_assert(DashaKeysInOrder(), "one key row for every dasha system, in the enum's order");

inline constexpr DashaSystem DashaSystemAt(int index) { return static_cast<DashaSystem>(index); }
inline constexpr int DashaIndex(DashaSystem system) { return static_cast<int>(system); }

inline constexpr std::string_view DashaSystemKey(DashaSystem system) {
    return kDashaSystemKeys[static_cast<std::size_t>(system)].key;
}

inline constexpr std::optional<DashaSystem> ParseDashaSystem(std::string_view key) {
    for (const DashaSystemKeyRow& row : kDashaSystemKeys)
        if (row.key == key) return row.system;
    return std::nullopt;
}

// A set of dasha systems (which a chart computes, which an output writes).
class DashaSet {
public:
    constexpr DashaSet() = default;
    constexpr DashaSet(std::initializer_list<DashaSystem> systems) {
        for (DashaSystem s : systems) Add(s);
    }
    static constexpr DashaSet All() {
        DashaSet all;
        for (const DashaSystemKeyRow& row : kDashaSystemKeys) all.Add(row.system);
        return all;
    }
    constexpr void Add(DashaSystem s) { bits_ |= Bit(s); }
    constexpr void Add(DashaSet other) { bits_ |= other.bits_; }
    constexpr bool Has(DashaSystem s) const { return (bits_ & Bit(s)) != 0; }
    constexpr bool Empty() const { return bits_ == 0; }
    friend constexpr bool operator==(DashaSet, DashaSet) = default;

private:
    static constexpr unsigned Bit(DashaSystem s) { return 1u << static_cast<unsigned>(s); }
    unsigned bits_ = 0;
};

}  // namespace velmora
