#pragma once
// A form as a person fills it for a birth at 0° 0′ (the coordinates and the
// zone left for the test to set), computed by the classic engine, whose
// values the tests that take it know.

#include <string>

#include "birth/FormFields.h"

namespace velmora::testing {

inline FormFields BirthForm(int year, int month, int day, int hour, int minute) {
    using namespace std::string_literals;  // "0"s: GCC 12 at -O3 misreads a one-letter C string (-Wrestrict)
    FormFields form;
    form.Name = "ANNA";
    form.Year = year - kFirstYear;
    form.Month = month - 1;
    form.Day = day - 1;
    form.Hour = hour;
    form.Minute = minute;
    form.LonDeg = "0"s;
    form.LonMin = "0"s;
    form.LatDeg = "0"s;
    form.LatMin = "0"s;
    form.Mode = ComputationMode::Classic;
    return form;
}

}  // namespace velmora::testing
