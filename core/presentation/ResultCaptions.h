#pragma once
// The fixed captions of the result: the details' row captions and the
// position table's body names, as the result form shows them.

#include <array>
#include <string_view>

#include "engine/NameTables.h"

namespace velmora {

inline constexpr std::array<std::string_view, kBodyCount> kPositionCaptions = {
    "Surya/Sun", "Chandra/Moon", "Budha/Mercury", "Shukra/Venus", "Mangala/Mars",
    "Guru/Jupiter", "Shani/Saturn", "Rahu/North Node", "Ketu/South node", "Asc/Lagna"};

inline constexpr std::array<std::string_view, 7> kDetailCaptions = {
    "Date of Birth :", "Time of Birth :", "Longitude :", "Latitude   :", "City :", "State :", "Country :"};

}  // namespace velmora
