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

// The signs' header and a row of bindus by sign for each planet.
std::string PlanetRows(const std::array<BinduRow, kAshtakavargaPlanets>& rows) {
    std::string out = PadRight("", 8);
    for (std::string_view sign : kSignNames) out += PadLeft(std::string(sign), 4);
    out += PadLeft("Total", 7) + "\n";
    for (std::size_t planet = 0; planet < kAshtakavargaPlanets; ++planet)
        out += Row(std::string(kPlainBodyNames[planet]), rows[planet]);
    return out;
}

}  // namespace

std::string AshtakavargaText(const Chart& chart, AshtakavargaReading reading, ChartStyle style, bool ansi,
                             bool reduced) {
    const AshtakavargaTables& tables = chart.AshtakavargaIn(reading);
    const Ashtakavarga& a = tables.bindus;
    std::string out = "Ashtakavarga (Parashara): bindus by sign, " + std::string(AshtakavargaReadingName(a.reading)) +
                      "'s reading\n";
    out += PlanetRows(a.bav);
    out += Row("SAV", a.sav);
    out += "\nSarvashtakavarga: each sign's bindus under its name or number\n";
    out += DrawChartText(MakeChartDiagram(SarvashtakavargaPoints(chart, reading)), style, ansi);
    if (!reduced) return out;
    const ReducedAshtakavarga& r = tables.reduced;
    out += "\nAfter trikona and ekadhipatya shodhana: bindus by sign\n";
    out += PlanetRows(r.bav);
    out += "\nPindas" + PadLeft("Rasi", 10) + PadLeft("Graha", 7) + PadLeft("Shodhya", 9) + "\n";
    for (std::size_t planet = 0; planet < kAshtakavargaPlanets; ++planet)
        out += PadRight(std::string(kPlainBodyNames[planet]), 8) + PadLeft(std::to_string(r.rasiPinda[planet]), 8) +
               PadLeft(std::to_string(r.grahaPinda[planet]), 7) + PadLeft(std::to_string(r.shodhyaPinda[planet]), 9) +
               "\n";
    return out;
}

}  // namespace velmora::cli
