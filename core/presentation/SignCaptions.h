#pragma once
// The captions of the twelve sign boxes: the chart diagram's cells written
// as text, each entry after "\r\n", as the result form's boxes have always
// read ("\r\nSun\r\nMercury (R) ", "\r\nA2\r\nA4"), by sign index.

#include <array>
#include <string>

#include "chart/Chart.h"

namespace velmora {

using SignCaptions = std::array<std::string, kSignCount>;

// The ten points in their signs, in body order, a retrograde one marked.
SignCaptions BodyCaptions(const Chart& chart);
// The same points in their Navamsa signs.
SignCaptions NavamsaCaptions(const Chart& chart);
// The twelve arudhas in their signs, AL (A1) first.
SignCaptions ArudhaSignCaptions(const Chart& chart);

// "Sun", "Mercury (R) ": the ten points' names with their marks, by body number.
std::array<std::string, kBodyCount> BodyLabels(const Chart& chart);

}  // namespace velmora
