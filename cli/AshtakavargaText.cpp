#include "cli/AshtakavargaText.h"

#include <numeric>

#include "cli/ChartText.h"
#include "presentation/ChartDiagram.h"

namespace velmora::cli {

namespace {

std::string PadLeft(const std::string& text, std::size_t width) {
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}
std::string PadRight(std::string text, std::size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

std::string Row(const std::string& name, const std::array<int, kSignCount>& values) {
    std::string line = PadRight(name, 8);
    for (int v : values) line += PadLeft(std::to_string(v), 4);
    line += PadLeft(std::to_string(std::accumulate(values.begin(), values.end(), 0)), 7);
    return line + "\n";
}

}  // namespace

std::string AshtakavargaText(const Chart& chart, ChartStyle style, bool ansi) {
    const Ashtakavarga& a = chart.ashtakavarga;
    std::string out = "Ashtakavarga (Parashara): bindus by sign\n";
    std::string header = PadRight("", 8);
    for (std::string_view sign : kSignNames) header += PadLeft(std::string(sign), 4);
    out += header + PadLeft("Total", 7) + "\n";
    for (int planet = 0; planet < kAshtakavargaPlanets; ++planet)
        out += Row(std::string(kPlainBodyNames[static_cast<std::size_t>(planet)]), a.bav[static_cast<std::size_t>(planet)]);
    out += Row("SAV", a.sav);
    out += "\nSarvashtakavarga: each sign's bindus under its name or number\n";
    out += DrawChartText(MakeChartDiagram(SarvashtakavargaPoints(chart)), style, ansi);
    return out;
}

}  // namespace velmora::cli
