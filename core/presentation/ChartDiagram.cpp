#include "presentation/ChartDiagram.h"
#include "presentation/Phrases.h"

#include "presentation/ChartLabels.h"
#include "presentation/ChartStyle.h"
#include "presentation/PointDetailLabels.h"

namespace velmora {

namespace {

bool IsSign(int sign) { return sign >= 0 && sign < kSignCount; }

}  // namespace

PlacedPoints BirthChartPoints(const Chart& chart) {
    PlacedPoints points;
    for (int i = 0; i < kBodyCount; ++i) {
        points.signs[static_cast<std::size_t>(i)] = chart.points[static_cast<std::size_t>(i)].sign;
        points.retrograde[static_cast<std::size_t>(i)] = chart.points[static_cast<std::size_t>(i)].retrograde;
    }
    points.arudhaSigns.assign(chart.arudhaSigns.begin(), chart.arudhaSigns.end());
    return points;
}

PlacedPoints WithCellDegrees(PlacedPoints points, const Chart& chart) {
    points.longitudes.clear();
    for (const ChartPoint& p : chart.points) points.longitudes.push_back(p.longitude);
    return points;
}

PlacedPoints TransitChartPoints(const Chart& natal, const std::array<ChartPoint, kBodyCount>& transiting) {
    PlacedPoints points = BirthChartPoints(natal);
    points.arudhaSigns.clear();
    // The transiting ascendant belongs to the moment, not to the birth chart's houses.
    for (int i = 0; i < kBodyCount - 1; ++i) {
        points.transitSigns.push_back(transiting[static_cast<std::size_t>(i)].sign);
        points.transitRetrograde.push_back(transiting[static_cast<std::size_t>(i)].retrograde);
    }
    return points;
}

PlacedPoints NavamsaPoints(const Chart& chart) {
    PlacedPoints points = BirthChartPoints(chart);
    points.signs = chart.navamsaSigns;
    points.arudhaSigns.clear();
    return points;
}

PlacedPoints SarvashtakavargaPoints(const Chart& chart, AshtakavargaReading reading) {
    const Ashtakavarga& bindus = chart.AshtakavargaIn(reading).bindus;
    PlacedPoints points;
    points.signs.fill(-1);
    points.signs[kBodyCount - 1] = chart.points[kBodyCount - 1].sign;
    for (int sign = 0; sign < kSignCount; ++sign)
        points.notes[static_cast<std::size_t>(sign)] = std::to_string(bindus.sav[static_cast<std::size_t>(sign)]);
    return points;
}

const DiagramCell& ChartDiagram::OfHouse(int house) const { return OfSign(SignOfHouse(ascendantSign, house)); }

int SignOfHouse(int ascendantSign, int house) { return NorthHouseSign(ascendantSign, house); }

int HouseOfSign(int ascendantSign, int sign) { return (sign - ascendantSign + kSignCount) % kSignCount + 1; }

ChartDiagram MakeChartDiagram(const PlacedPoints& points) {
    ChartDiagram diagram;
    const int ascendant = points.signs[kBodyCount - 1];
    diagram.ascendantSign = IsSign(ascendant) ? ascendant : 0;
    for (int sign = 0; sign < kSignCount; ++sign) {
        DiagramCell& cell = diagram.cells[static_cast<std::size_t>(sign)];
        cell.sign = sign;
        cell.house = HouseOfSign(diagram.ascendantSign, sign);
        cell.southPlace = kSouthIndianGrid[sign];
        cell.note = points.notes[static_cast<std::size_t>(sign)];
    }
    for (int body = 0; body < kBodyCount; ++body) {
        const int sign = points.signs[static_cast<std::size_t>(body)];
        if (!IsSign(sign)) continue;
        DiagramEntry entry{body, false, points.retrograde[static_cast<std::size_t>(body)]};
        if (static_cast<std::size_t>(body) < points.longitudes.size()) {
            entry.degreesShown = true;
            entry.longitude = points.longitudes[static_cast<std::size_t>(body)];
        }
        diagram.cells[static_cast<std::size_t>(sign)].entries.push_back(entry);
    }
    for (std::size_t a = 0; a < points.arudhaSigns.size() && a < kArudhaLabels.size(); ++a) {
        const int sign = points.arudhaSigns[a];
        if (IsSign(sign)) diagram.cells[static_cast<std::size_t>(sign)].entries.push_back({static_cast<int>(a), true, false});
    }
    for (std::size_t body = 0; body < points.transitSigns.size(); ++body) {
        const int sign = points.transitSigns[body];
        const bool retrograde = body < points.transitRetrograde.size() && points.transitRetrograde[body];
        if (IsSign(sign))
            diagram.cells[static_cast<std::size_t>(sign)].entries.push_back(
                {static_cast<int>(body), false, retrograde, true});
    }
    return diagram;
}

std::string EntryLabel(const DiagramEntry& entry, const Glossary& glossary) {
    if (entry.transit) return "T-" + BodyLabel(glossary, entry.number, entry.retrograde);
    return entry.arudha ? std::string(ArudhaLabel(entry.number)) : BodyLabel(glossary, entry.number, entry.retrograde);
}

std::string EntryShortLabel(const DiagramEntry& entry, const Glossary& glossary) {
    if (entry.transit) return "T-" + BodyShortLabel(glossary, entry.number, entry.retrograde);
    return entry.arudha ? std::string(ArudhaLabel(entry.number))
                        : BodyShortLabel(glossary, entry.number, entry.retrograde);
}

std::string EntrySpokenLabel(const DiagramEntry& entry, SpokenNames names, Language language) {
    if (entry.transit)
        return Say(language, "transiting %1", {BodySpokenLabel(entry.number, entry.retrograde, names, language)});
    if (entry.arudha) return std::string(ArudhaLabel(entry.number));
    std::string spoken = BodySpokenLabel(entry.number, entry.retrograde, names, language);
    if (entry.degreesShown) spoken = Say(language, "%1 at %2", {spoken, CellDegreesText(entry.longitude, false)});
    return spoken;
}

std::string EntryCellLabel(const DiagramEntry& entry, bool shortLabel, bool ascii, const Glossary& glossary) {
    if (!entry.degreesShown) return shortLabel ? EntryShortLabel(entry, glossary) : EntryLabel(entry, glossary);
    // A no-break space in the window's cells keeps the degrees with their body.
    return EntryShortLabel(entry, glossary) + (ascii ? " " : "\u00A0") + CellDegreesText(entry.longitude, ascii);
}

UnitRect SouthCell(int sign) {
    const GridPlace place = kSouthIndianGrid[sign];
    return {place.column / 4.0, place.row / 4.0, 0.25, 0.25};
}

const std::vector<UnitPoint>& NorthHouseOutline(int house) {
    static const std::array<std::vector<UnitPoint>, kSignCount> outlines = {{
        {{0.5, 0}, {0.75, 0.25}, {0.5, 0.5}, {0.25, 0.25}},
        {{0, 0}, {0.5, 0}, {0.25, 0.25}},
        {{0, 0}, {0.25, 0.25}, {0, 0.5}},
        {{0, 0.5}, {0.25, 0.25}, {0.5, 0.5}, {0.25, 0.75}},
        {{0, 0.5}, {0.25, 0.75}, {0, 1}},
        {{0, 1}, {0.25, 0.75}, {0.5, 1}},
        {{0.5, 1}, {0.25, 0.75}, {0.5, 0.5}, {0.75, 0.75}},
        {{0.5, 1}, {0.75, 0.75}, {1, 1}},
        {{1, 1}, {0.75, 0.75}, {1, 0.5}},
        {{1, 0.5}, {0.75, 0.75}, {0.5, 0.5}, {0.75, 0.25}},
        {{1, 0.5}, {0.75, 0.25}, {1, 0}},
        {{1, 0}, {0.75, 0.25}, {0.5, 0}},
    }};
    return outlines[static_cast<std::size_t>(house - 1)];
}

int NorthHouseAt(UnitPoint point) {
    for (int house = 1; house <= kSignCount; ++house) {
        // Inside a convex outline: on the same side of every edge.
        const std::vector<UnitPoint>& outline = NorthHouseOutline(house);
        bool left = false, right = false;
        for (std::size_t i = 0; i < outline.size(); ++i) {
            const UnitPoint a = outline[i], b = outline[(i + 1) % outline.size()];
            const double cross = (b.x - a.x) * (point.y - a.y) - (b.y - a.y) * (point.x - a.x);
            left = left || cross > 0;
            right = right || cross < 0;
        }
        if (!(left && right)) return house;
    }
    return 1;
}

UnitRect NorthTextBox(int house) {
    const std::vector<UnitPoint>& outline = NorthHouseOutline(house);
    UnitPoint centre{0, 0};
    for (const UnitPoint& p : outline) {
        centre.x += p.x;
        centre.y += p.y;
    }
    centre.x /= static_cast<double>(outline.size());
    centre.y /= static_cast<double>(outline.size());
    const bool diamond = outline.size() == 4;
    const bool upright = house == 3 || house == 5 || house == 9 || house == 11;
    const double width = diamond ? 0.30 : upright ? 0.15 : 0.28;
    const double height = diamond ? 0.30 : upright ? 0.26 : 0.15;
    return {centre.x - width / 2, centre.y - height / 2, width, height};
}

}  // namespace velmora
