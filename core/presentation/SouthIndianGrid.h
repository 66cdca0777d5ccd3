#pragma once
// Where each sign stands in a South-Indian chart: a 4 × 4 grid whose centre
// 2 × 2 block is empty, Pisces top left, the signs running clockwise.

#include "engine/NameTables.h"

namespace velmora {

struct GridPlace {
    int row, column;
};

// Grid place by sign index, Aries … Pisces.
inline constexpr GridPlace kSouthIndianGrid[kSignCount] = {
    {0, 1}, {0, 2}, {0, 3}, {1, 3}, {2, 3}, {3, 3},
    {3, 2}, {3, 1}, {3, 0}, {2, 0}, {1, 0}, {0, 0},
};

}  // namespace velmora
