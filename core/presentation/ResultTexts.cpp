#include "presentation/ResultTexts.h"

#include "presentation/BirthLabels.h"
#include "presentation/ChartLabels.h"
#include "presentation/PositionLabels.h"

namespace velmora {

namespace {

// "\r\n" before each entry, as the result form's captions have always read.
void AddEntry(std::string& caption, std::string_view entry) {
    caption += "\r\n";
    caption += entry;
}

}  // namespace

ResultFormTexts ResultTextsOf(const Chart& chart, const MonthNames& months) {
    ResultFormTexts texts;
    for (int i = 0; i < kBodyCount; ++i) {
        const ChartPoint& point = chart.points[static_cast<std::size_t>(i)];
        texts.planet[static_cast<std::size_t>(i)] = ShortPositionText(point);
        texts.bodySigns[static_cast<std::size_t>(i)] = point.sign;
        texts.retrograde[static_cast<std::size_t>(i)] = point.retrograde;
        AddEntry(texts.signBoxes[static_cast<std::size_t>(point.sign)], BodyLabel(i, point.retrograde));
        const int navamsa = chart.navamsaSigns[static_cast<std::size_t>(i)];
        AddEntry(texts.navamsaBoxes[static_cast<std::size_t>(navamsa)], BodyLabel(i, point.retrograde));
    }
    // Arudhas in their number's order, A1 (AL) first, as they are worked out
    // house by house from the ascendant.
    for (int a = 0; a < kArudhaCount; ++a) {
        const int sign = chart.arudhaSigns[static_cast<std::size_t>(a)];
        texts.arudhaSigns[static_cast<std::size_t>(a)] = sign;
        AddEntry(texts.arudhaBoxes[static_cast<std::size_t>(sign)], ArudhaLabel(a));
    }
    const ChartBirth& birth = chart.birth;
    texts.name = birth.name;
    texts.dateOfBirth = BirthDateLabel(birth.clock, months);
    texts.timeOfBirth = BirthTimeLabel(birth.clock);
    texts.clock = birth.clock;
    texts.monthName = MonthName(birth.clock.month, months);
    texts.latitude = AngleLabel(birth.latitudeDegrees, birth.latitudeMinutes);
    texts.longitude = AngleLabel(birth.longitudeDegrees, birth.longitudeMinutes);
    texts.city = birth.city;
    texts.state = birth.state;
    texts.country = birth.country;
    texts.modeText = chart.modeText;
    texts.place = birth.place;
    texts.timeZone = birth.timeZone;
    texts.utcOffset = birth.utcOffset;
    texts.zoneText = birth.zoneText;
    texts.dst = birth.dst;
    texts.zoneUsed = birth.zoneUsed;
    texts.report = chart.report;
    texts.nakshatras = chart.nakshatras;
    texts.navamsaSigns = chart.navamsaSigns;
    texts.dasha = chart.dasha;
    texts.vargas = chart.vargas;
    texts.vargottama = chart.vargottama;
    texts.dashaYear = chart.dashaYear;
    texts.dashaSystem = chart.dashaSystem;
    texts.vimshottari = chart.vimshottari;
    texts.yogini = chart.yogini;
    texts.ashtottari = chart.ashtottari;
    return texts;
}

}  // namespace velmora
