#include "presentation/ResultTexts.h"

#include "presentation/BirthLabels.h"
#include "presentation/ChartLabels.h"
#include "presentation/PositionLabels.h"
#include "presentation/SignCaptions.h"

namespace velmora {

ResultFormTexts ResultTextsOf(const Chart& chart, const MonthNames& months) {
    ResultFormTexts texts;
    texts.planet = ShortPositionTexts(chart);
    for (int i = 0; i < kBodyCount; ++i) {
        const ChartPoint& point = chart.points[static_cast<std::size_t>(i)];
        texts.bodySigns[static_cast<std::size_t>(i)] = point.sign;
        texts.retrograde[static_cast<std::size_t>(i)] = point.retrograde;
    }
    texts.signBoxes = BodyCaptions(chart);
    texts.navamsaBoxes = NavamsaCaptions(chart);
    texts.arudhaSigns = chart.arudhaSigns;
    texts.arudhaBoxes = ArudhaSignCaptions(chart);
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
