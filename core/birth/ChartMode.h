#pragma once
// How a chart's positions are computed. Classic is the program's own engine
// (mean orbital elements, a short lunar series and the station tables);
// precise is the Swiss Ephemeris at the true birth instant. Both hand on the
// same long and short texts, so everything after the engine is the same.

#include <string_view>

namespace velmora {

enum class ComputationMode { Classic, Precise };

// Rahu in precise mode: the mean node (as the classic engine) or the true,
// osculating node. Ketu is always opposite Rahu.
enum class NodeKind { Mean, True };

inline constexpr std::string_view ModeName(ComputationMode mode) {
    return mode == ComputationMode::Precise ? "precise" : "classic";
}

// What every surface that shows a classic chart says of it.
inline constexpr std::string_view kClassicPositionsNote = "Classic positions (the program's own model)";

inline constexpr std::string_view NodeName(NodeKind node) { return node == NodeKind::True ? "true" : "mean"; }

}  // namespace velmora
