#pragma once
// Comparing two sets of form fields member by member, with a readable failure.

#include <gtest/gtest.h>

#include <tuple>

#include "birth/FormFields.h"

namespace velmora::testing {

inline auto Members(const FormFields& f) {
    return std::tie(f.Name, f.Month, f.Day, f.Year, f.Hour, f.Minute, f.Second, f.City, f.State, f.Country,
                    f.LonDeg, f.LonMin, f.East, f.LatDeg, f.LatMin, f.South, f.Zone, f.DaylightSaving, f.Mode,
                    f.Node, f.TimeZoneId, f.Repeated, f.Place, f.PlaceLatitude, f.PlaceLongitude, f.Options,
                    f.DashaYearChoice, f.DashaSystemChoice);
}

inline bool SameFields(const FormFields& a, const FormFields& b) { return Members(a) == Members(b); }

}  // namespace velmora::testing
