#pragma once
// The chart state one run fills and the arudha calculation and the report read.

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/NameTables.h"

namespace velmora {

inline constexpr int kArudhaCount = 12;  // 0 = A1 ("AL") … 11 = A12 (the Upapada)

// The arudhas' labels, by arudha number: in the chart and in the report.
inline constexpr std::array<std::string_view, kArudhaCount> kArudhaLabels = {
    "AL", "A2", "A3", "A4", "A5", "A6", "A7", "A8", "A9", "A10", "A11", "A12"};

struct ArudhaReportRow {
    std::string_view AlternateNames;   // of the arudha
    std::string_view SignEnglishName;  // of the sign it falls in
    std::string_view SignNature;       // of that sign
};

struct ChartState {
    std::array<std::int16_t, kBodyCount> BodySigns{};     // sign index by body number
    std::array<std::int16_t, kArudhaCount> ArudhaSigns{};  // sign index by arudha number
    std::array<ArudhaReportRow, kArudhaCount> ArudhaReportRows{};
};

}  // namespace velmora
