#pragma once
// The sample birth many tests type: Asha Rao, Bangalore, 5 March 1980 at
// 9:05 India Standard Time, 77° 35′ E, 12° 58′ N, computed by the classic
// engine (whose charts the tests know). Tests change what they need.

#include "birth/FormFields.h"

namespace velmora::testing {

inline FormFields BangaloreForm() {
    FormFields f;
    f.Name = "ASHA RAO";
    f.Year = 1980 - kFirstYear;
    f.Month = 2;
    f.Day = 4;
    f.Hour = 9;
    f.Minute = 5;
    f.City = "Bangalore";
    f.State = "Karnataka";
    f.Country = "India";
    f.LonDeg = "77";
    f.LonMin = "35";
    f.LatDeg = "12";
    f.LatMin = "58";
    f.Zone = 34;
    f.Mode = ComputationMode::Classic;
    return f;
}

}  // namespace velmora::testing
