#include "cli/AshtakavargaText.h"

#include <algorithm>
#include <numeric>

#include "cli/ChartText.h"
#include "presentation/ChartDiagram.h"
#include "presentation/Glossary.h"
#include "presentation/Phrases.h"
#include "text/TextWidth.h"

namespace velmora::cli {

namespace {

// Padded to `width` terminal columns (the English texts are ASCII: a column a byte).
std::string PadLeft(const std::string& text, std::size_t width) {
    const std::size_t columns = TerminalWidth(text);
    return columns >= width ? text : std::string(width - columns, ' ') + text;
}
std::string PadRight(std::string text, std::size_t width) {
    if (const std::size_t columns = TerminalWidth(text); columns < width) text.append(width - columns, ' ');
    return text;
}

// The table's columns: English keeps its 8 for the names and 4 a sign; a
// language's longer names widen them.
struct Columns {
    std::size_t name = 8, sign = 4;
};

Columns ColumnsOf(const Glossary& glossary) {
    Columns columns;
    if (glossary.language == Language::English) return columns;
    for (std::size_t planet = 0; planet < kAshtakavargaPlanets; ++planet)
        columns.name = std::max(columns.name, TerminalWidth(glossary.points[planet]) + 1);
    for (std::string_view sign : glossary.signShort) columns.sign = std::max(columns.sign, TerminalWidth(sign) + 1);
    return columns;
}

std::string Row(const std::string& name, const std::array<int, kSignCount>& values, const Columns& columns) {
    std::string line = PadRight(name, columns.name);
    for (int v : values) line += PadLeft(std::to_string(v), columns.sign);
    line += PadLeft(std::to_string(std::accumulate(values.begin(), values.end(), 0)), 7);
    return line + "\n";
}

// The signs' header and a row of bindus by sign for each planet.
std::string PlanetRows(const std::array<BinduRow, kAshtakavargaPlanets>& rows, const Glossary& glossary) {
    const Columns columns = ColumnsOf(glossary);
    std::string out = PadRight("", columns.name);
    for (std::string_view sign : glossary.signShort) out += PadLeft(std::string(sign), columns.sign);
    out += PadLeft(std::string(Say(glossary.language, "Total")), 7) + "\n";
    for (std::size_t planet = 0; planet < kAshtakavargaPlanets; ++planet)
        out += Row(std::string(glossary.points[planet]), rows[planet], columns);
    return out;
}

}  // namespace

std::string AshtakavargaText(const Chart& chart, AshtakavargaReading reading, ChartStyle style, bool ansi,
                             bool reduced, Language language) {
    const Glossary& glossary = GlossaryOf(language);
    const AshtakavargaTables& tables = chart.AshtakavargaIn(reading);
    const Ashtakavarga& a = tables.bindus;
    std::string out = Say(language, "Ashtakavarga (Parashara): bindus by sign, %1's reading",
                          {AshtakavargaReadingName(a.reading)}) +
                      "\n";
    out += PlanetRows(a.bav, glossary);
    out += Row("SAV", a.sav, ColumnsOf(glossary));
    out.append("\n").append(Say(language, "Sarvashtakavarga: each sign's bindus under its name or number")).append("\n");
    out += DrawChartText(MakeChartDiagram(SarvashtakavargaPoints(chart, reading)), style, ansi, glossary);
    if (!reduced) return out;
    const ReducedAshtakavarga& r = tables.reduced;
    out.append("\n").append(Say(language, "After trikona and ekadhipatya shodhana: bindus by sign")).append("\n");
    out += PlanetRows(r.bav, glossary);
    const Columns columns = ColumnsOf(glossary);
    const auto say = [language](PhraseKey key) { return std::string(Say(language, key)); };
    out += '\n';
    out += PadRight(say("Pindas"), columns.name - 2) + PadLeft(say("Rasi"), 10) + PadLeft(say("Graha"), 7) +
           PadLeft(say("Shodhya"), 9) + "\n";
    for (std::size_t planet = 0; planet < kAshtakavargaPlanets; ++planet)
        out += PadRight(std::string(glossary.points[planet]), columns.name) + PadLeft(std::to_string(r.rasiPinda[planet]), 8) +
               PadLeft(std::to_string(r.grahaPinda[planet]), 7) + PadLeft(std::to_string(r.shodhyaPinda[planet]), 9) +
               "\n";
    return out;
}

}  // namespace velmora::cli
