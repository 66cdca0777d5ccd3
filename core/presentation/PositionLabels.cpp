#include "presentation/PositionLabels.h"

#include "engine/LongitudeText.h"

namespace velmora {

std::string LongPositionText(const ChartPoint& point) {
    double x = point.longitude;
    return LongitudeText(x);
}

std::string ShortPositionText(const ChartPoint& point) {
    double x = point.longitude;
    std::string longText, shortText;
    LongitudeTextsInto(x, longText, shortText);
    return shortText;
}

std::array<std::string, kBodyCount> LongPositionTexts(const Chart& chart) {
    std::array<std::string, kBodyCount> texts;
    for (int i = 0; i < kBodyCount; ++i) texts[i] = LongPositionText(chart.points[i]);
    return texts;
}

std::array<std::string, kBodyCount> ShortPositionTexts(const Chart& chart) {
    std::array<std::string, kBodyCount> texts;
    std::string longText;  // the engine writes both; one buffer serves the ten
    for (int i = 0; i < kBodyCount; ++i) {
        double x = chart.points[i].longitude;
        LongitudeTextsInto(x, longText, texts[i]);
    }
    return texts;
}

}  // namespace velmora
