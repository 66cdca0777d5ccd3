#pragma once
// A form as a person fills it for a birth at 0° 0′ (the coordinates and the
// zone left for the test to set).

#include "entry/FormFields.h"

namespace velmora::testing {

inline FormFields BirthForm(int year, int month, int day, int hour, int minute) {
    FormFields form;
    form.Name = "ANNA";
    form.Year = year - kFirstYear;
    form.Month = month - 1;
    form.Day = day - 1;
    form.Hour = hour;
    form.Minute = minute;
    form.LonDeg = "0";
    form.LonMin = "0";
    form.LatDeg = "0";
    form.LatMin = "0";
    return form;
}

}  // namespace velmora::testing
