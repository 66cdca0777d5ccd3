#include "presentation/SignCaptions.h"

#include "presentation/ChartLabels.h"

namespace velmora {

namespace {

void AddEntry(std::string& caption, std::string_view entry) {
    caption += "\r\n";
    caption += entry;
}

// The bodies in the signs `signOf` gives them.
template <typename SignOf>
SignCaptions BodiesBySign(const Chart& chart, SignOf signOf) {
    SignCaptions captions;
    for (int i = 0; i < kBodyCount; ++i) {
        const ChartPoint& point = chart.points[static_cast<std::size_t>(i)];
        AddEntry(captions[static_cast<std::size_t>(signOf(i))], BodyLabel(i, point.retrograde));
    }
    return captions;
}

}  // namespace

SignCaptions BodyCaptions(const Chart& chart) {
    return BodiesBySign(chart, [&](int i) { return chart.points[static_cast<std::size_t>(i)].sign; });
}

SignCaptions NavamsaCaptions(const Chart& chart) {
    return BodiesBySign(chart, [&](int i) { return chart.navamsaSigns[static_cast<std::size_t>(i)]; });
}

SignCaptions ArudhaSignCaptions(const Chart& chart) {
    // In their number's order, as they are worked out house by house from
    // the ascendant.
    SignCaptions captions;
    for (int a = 0; a < kArudhaCount; ++a)
        AddEntry(captions[static_cast<std::size_t>(chart.arudhaSigns[static_cast<std::size_t>(a)])], ArudhaLabel(a));
    return captions;
}

std::array<std::string, kBodyCount> BodyLabels(const Chart& chart) {
    std::array<std::string, kBodyCount> labels;
    for (int i = 0; i < kBodyCount; ++i)
        labels[static_cast<std::size_t>(i)] = BodyLabel(i, chart.points[static_cast<std::size_t>(i)].retrograde);
    return labels;
}

}  // namespace velmora
