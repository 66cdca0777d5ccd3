#include "presentation/SignCaptions.h"

#include "presentation/ChartDiagram.h"
#include "presentation/ChartLabels.h"

namespace velmora {

namespace {

// The cells of a chart diagram as the result form's captions: the bodies, or
// the arudhas, standing in each sign, in the diagram's order, each after
// "\r\n". The captions are the diagram written as text, never a second
// placing of the points.
SignCaptions CaptionsOf(const ChartDiagram& diagram, bool arudhas) {
    SignCaptions captions;
    for (int sign = 0; sign < kSignCount; ++sign) {
        std::string& caption = captions[static_cast<std::size_t>(sign)];
        for (const DiagramEntry& entry : diagram.OfSign(sign).entries) {
            if (entry.arudha != arudhas) continue;
            caption += "\r\n";
            caption += EntryLabel(entry);
        }
    }
    return captions;
}

}  // namespace

SignCaptions BodyCaptions(const Chart& chart) { return CaptionsOf(MakeChartDiagram(BirthChartPoints(chart)), false); }

SignCaptions NavamsaCaptions(const Chart& chart) { return CaptionsOf(MakeChartDiagram(NavamsaPoints(chart)), false); }

SignCaptions ArudhaSignCaptions(const Chart& chart) {
    return CaptionsOf(MakeChartDiagram(BirthChartPoints(chart)), true);
}

std::array<std::string, kBodyCount> BodyLabels(const Chart& chart) {
    std::array<std::string, kBodyCount> labels;
    for (int i = 0; i < kBodyCount; ++i)
        labels[static_cast<std::size_t>(i)] = BodyLabel(i, chart.points[static_cast<std::size_t>(i)].retrograde);
    return labels;
}

}  // namespace velmora
