#include "cli/ChartFields.h"

#include <algorithm>
#include <array>
#include <limits>
#include <utility>
#include <vector>

#include "analysis/Varga.h"
#include "analysis/Vimshottari.h"
#include "cli/CsvRow.h"
#include "cli/JsonDocument.h"
#include "cli/JaiminiFields.h"
#include "cli/YogaFields.h"
#include "cli/JsonWriter.h"
#include "cli/PanchangaFields.h"
#include "cli/SensitivityFields.h"
#include "cli/StrengthFields.h"
#include "cli/TransitFields.h"
#include "cli/ValueTape.h"
#include "engine/NameTables.h"
#include "presentation/BirthLabels.h"
#include "presentation/PositionLabels.h"
#include "presentation/SignCaptions.h"
#include "presentation/VargaPoints.h"
#include "chart/LocalMoment.h"
#include "birth/ZoneTable.h"
#include "report/ReportText.h"
#include "text/Quoted.h"

namespace velmora::cli {

namespace {

constexpr std::array<std::string_view, kBodyCount> kBodyColumns = {
    "sun", "moon", "mercury", "venus", "mars", "jupiter", "saturn", "rahu", "ketu", "asc"};
constexpr std::array<std::string_view, kSignCount> kSignColumns = {
    "ari", "tau", "gem", "can", "leo", "vir", "lib", "sco", "sag", "cap", "aqu", "pis"};
constexpr std::array<std::string_view, kArudhaCount> kArudhaColumns = {
    "al", "a2", "a3", "a4", "a5", "a6", "a7", "a8", "a9", "a10", "a11", "a12"};
constexpr std::array<std::string_view, 12> kDetailKeys = {
    "name",    "dob",   "tob",      "latitude", "longitude", "city",
    "state",   "country", "place", "timeZone", "utcOffset", "dst"};

// Each point's nakshatra as name, lord and pada: three cells a point in CSV.
constexpr std::array<std::string_view, 3 * kBodyCount> kNakshatraColumns = {
    "sun_name",     "sun_lord",     "sun_pada",     "moon_name",    "moon_lord",    "moon_pada",
    "mercury_name", "mercury_lord", "mercury_pada", "venus_name",   "venus_lord",   "venus_pada",
    "mars_name",    "mars_lord",    "mars_pada",    "jupiter_name", "jupiter_lord", "jupiter_pada",
    "saturn_name",  "saturn_lord",  "saturn_pada",  "rahu_name",    "rahu_lord",    "rahu_pada",
    "ketu_name",    "ketu_lord",    "ketu_pada",    "asc_name",     "asc_lord",     "asc_pada"};

// Each varga's ten cells in CSV: "d1_sun" … "d1_asc", "d2_sun" … "d60_asc".
const std::array<std::string, kVargaCount * kBodyCount> kVargaColumnTexts = [] {
    std::array<std::string, kVargaCount * kBodyCount> texts;
    for (int v = 0; v < kVargaCount; ++v)
        for (int i = 0; i < kBodyCount; ++i)
            texts[static_cast<std::size_t>(v * kBodyCount + i)] =
                std::string("d")
                    .append(std::to_string(AllVargas()[static_cast<std::size_t>(v)].factor))
                    .append("_")
                    .append(kBodyColumns[static_cast<std::size_t>(i)]);
    return texts;
}();
const std::array<std::string_view, kVargaCount * kBodyCount> kVargaColumns = [] {
    std::array<std::string_view, kVargaCount * kBodyCount> views;
    for (std::size_t c = 0; c < views.size(); ++c) views[c] = kVargaColumnTexts[c];
    return views;
}();

template <typename W>
void WriteName(const ChartSource& s, W& w) {
    w.TypedText(s.chart.birth.name);
}
template <typename W>
void WritePositions(const ChartSource& s, W& w) {
    w.StringArray(ShortPositionTexts(s.chart), kBodyCount);
}
template <typename W>
void WriteLongitudes(const ChartSource& s, W& w) {
    w.StringArray(LongPositionTexts(s.chart), kBodyCount);
}
template <typename W>
void WriteBodyNames(const ChartSource& s, W& w) {
    w.StringArray(BodyLabels(s.chart), kBodyCount);
}
template <typename W>
void WriteBodySigns(const ChartSource& s, W& w) {
    w.BeginArray();
    for (const ChartPoint& point : s.chart.points) w.Int(point.sign);
    w.EndArray();
}
template <typename W>
void WriteArudhaSigns(const ChartSource& s, W& w) {
    w.IntArray(s.chart.arudhaSigns, kArudhaCount);
}
template <typename W>
void WriteSignBoxes(const ChartSource& s, W& w) {
    w.StringArray(BodyCaptions(s.chart), kSignCount);
}
template <typename W>
void WriteArudhaBoxes(const ChartSource& s, W& w) {
    w.StringArray(ArudhaSignCaptions(s.chart), kSignCount);
}
template <typename W>
void WriteDetails(const ChartSource& s, W& w) {
    const ChartBirth& b = s.chart.birth;
    const std::string date = BirthDateLabel(b.clock, EnglishMonthNames());
    const std::string time = BirthTimeLabel(b.clock);
    const std::string latitude = AngleLabel(b.latitudeDegrees, b.latitudeMinutes);
    const std::string longitude = AngleLabel(b.longitudeDegrees, b.longitudeMinutes);
    // What a person typed or chose: the name, the place's names and the
    // zone. Dates, coordinates and the offset are the program's own texts.
    const std::pair<std::string_view, bool> texts[] = {
        {b.name, true},
        {date, false},
        {time, false},
        {latitude, false},
        {longitude, false},
        {b.city, true},
        {b.state, true},
        {b.country, true},
        {b.place, true},
        {b.timeZone, true},
        {b.utcOffset, false},
    };
    static_assert(std::size(texts) + 1 == kDetailKeys.size());
    w.BeginObject();
    for (std::size_t i = 0; i < std::size(texts); ++i) {
        w.Key(kDetailKeys[i]);
        if (texts[i].second) {
            w.TypedText(texts[i].first);
        } else {
            w.String(texts[i].first);
        }
    }
    w.Key(kDetailKeys.back());
    w.Bool(b.dst);
    w.EndObject();
}
template <typename W>
void WriteReportPieces(const ChartSource& s, W& w) {
    w.BeginArray();
    for (const ReportPiece& piece : s.chart.report) {
        w.BeginObject();
        w.KeyString("text", piece.text);
        w.KeyBool("bold", piece.bold);
        w.KeyString("color", piece.color == ReportColor::DarkRed ? "#800000" : "#000000");
        w.KeyInt("size", piece.size);
        w.KeyInt("breaks", piece.breaks);
        w.EndObject();
    }
    w.EndArray();
}
template <typename W>
void WriteReportText(const ChartSource& s, W& w) {
    w.String(ReportPlainText(s.chart.report));
}
template <typename W>
void WriteMode(const ChartSource& s, W& w) {
    w.String(ModeName(s.chart.mode));
}
template <typename W>
void WriteAyanamsa(const ChartSource& s, W& w) {
    w.Double(s.chart.ayanamsa);
}
template <typename W>
void WriteDegrees(const ChartSource& s, W& w) {
    w.BeginArray();
    for (const ChartPoint& point : s.chart.points) w.Double(point.longitude);
    w.EndArray();
}

template <typename W>
void WriteNakshatras(const ChartSource& s, W& w) {
    w.BeginArray();
    for (const NakshatraPlace& n : s.chart.nakshatras) {
        w.BeginObject();
        w.KeyString("name", n.Name());
        w.KeyString("lord", kPlainBodyNames[static_cast<std::size_t>(n.lord)]);
        w.KeyInt("pada", n.pada);
        w.EndObject();
    }
    w.EndArray();
}
template <typename W>
void WriteNavamsaSigns(const ChartSource& s, W& w) {
    w.IntArray(s.chart.navamsaSigns, kBodyCount);
}
// A period with its sub-periods to `levels` (1 = the major periods alone),
// as local date-times, worked out from the period as they are written.
// `start` is the period's start as text (its parent's start or the end of
// the one before: each boundary is written out once); returns its end.
template <typename W>
std::string WritePeriod(W& w, const DashaTimeline& t, const DashaNode& node, std::string start, int level,
                        int levels) {
    std::string end = DateTimeText(DashaMoment(node.end));
    w.BeginObject();
    w.KeyString("lord", t.LordName(node));
    w.KeyString("start", start);
    w.KeyString("end", end);
    w.KeyBool("running", t.Running(node, level));
    if (level < levels) {
        w.Key("subPeriods");
        w.BeginArray();
        for (const DashaNode& child : SubPeriods(t, node))
            start = WritePeriod(w, t, child, std::move(start), level + 1, levels);
        w.EndArray();
    }
    w.EndObject();
    return end;
}
// A dasha: the year length, the first period's balance at birth, the day the
// running periods are marked for ("" for none), and the major periods with
// their sub-periods to the levels asked (at most the system's own).
template <typename W>
void WriteTimeline(const ChartSource& s, const DashaTimeline& t, W& w) {
    w.BeginObject();
    w.KeyDouble("yearDays", DashaYearOf(s.chart.dashaYear).days);
    w.KeyDouble("balanceYears", t.balanceYears);
    w.KeyString("balance", YearsMonthsDaysText(t.balanceYears));
    w.KeyString("today", t.today.Valid() ? DateText(t.today.At(0)) : std::string());
    w.Key("periods");
    w.BeginArray();
    if (t.Computed()) {
        const int levels = std::min(s.dashaLevels, t.table->levels);
        std::string start = DateTimeText(DashaMoment(t.majors[0].start));
        for (const DashaNode& major : t.Majors()) start = WritePeriod(w, t, major, std::move(start), 1, levels);
    }
    w.EndArray();
    w.EndObject();
}
// A dasha system's timeline ("dashas" is Vimshottari's); every system in
// the same shape, its own lords' names as the periods' lords.
template <int System, typename W>
void WriteDasha(const ChartSource& s, W& w) {
    WriteTimeline(s, s.chart.Dasha(DashaSystemAt(System)), w);
}

template <typename W>
void WriteAyanamsaName(const ChartSource& s, W& w) {
    w.String(s.chart.ayanamsaName);
}
template <typename W>
void WritePositionKind(const ChartSource& s, W& w) {
    w.String(PositionKindName(s.chart.positions));
}
template <typename W>
void WriteHouses(const ChartSource& s, W& w) {
    w.String(HouseSystemName(s.chart.houses));
}
template <typename W>
void WriteCusps(const ChartSource& s, W& w) {
    w.BeginArray();
    for (double cusp : s.chart.cusps) w.Double(cusp);
    w.EndArray();
}
template <typename W>
void WriteBhavas(const ChartSource& s, W& w) {
    w.IntArray(s.chart.bhavas, kBodyCount);
}
template <typename W>
void WriteHousesNote(const ChartSource& s, W& w) {
    w.String(s.chart.housesNote);
}

constexpr std::array<std::string_view, 12> kHouseColumns = {"1", "2", "3", "4",  "5",  "6",
                                                            "7", "8", "9", "10", "11", "12"};

// The sixteen vargas: {"D1": [ten sign indices in body order], … "D60": […]}.
template <typename W>
void WriteVargas(const ChartSource& s, W& w) {
    w.BeginObject();
    for (int v = 0; v < kVargaCount; ++v) {
        w.Key(VargaShortLabel(v));
        w.IntArray(s.chart.vargas[static_cast<std::size_t>(v)], kBodyCount);
    }
    w.EndObject();
}

// Parashara's ashtakavarga: "bav", the seven planets' bindus by sign index
// in body order (Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn), "sav",
// their sum by sign, and "reading", whose tables ("raman", "rao"); when
// asked, "reduced": the seven rows after trikona and ekadhipatya shodhana
// ("bav") and the planets' "rasiPinda", "grahaPinda" and "shodhyaPinda" in
// body order. A CSV row takes the sum alone, sav_ari … sav_pis.
template <typename W>
void WriteBinduRows(const std::array<BinduRow, kAshtakavargaPlanets>& rows, W& w) {
    w.Key("bav");
    w.BeginArray();
    for (const auto& row : rows) w.IntArray(row, kSignCount);
    w.EndArray();
}
template <typename W>
void WriteAshtakavarga(const ChartSource& s, W& w) {
    const AshtakavargaTables& tables = s.chart.AshtakavargaIn(s.ashtakavargaReading);
    const Ashtakavarga& a = tables.bindus;
    w.BeginObject();
    WriteBinduRows(a.bav, w);
    w.Key("sav");
    w.IntArray(a.sav, kSignCount);
    w.Key("reading");
    w.String(AshtakavargaReadingKey(a.reading));
    if (s.ashtakavargaReduced) {
        const ReducedAshtakavarga& r = tables.reduced;
        w.Key("reduced");
        w.BeginObject();
        WriteBinduRows(r.bav, w);
        w.Key("rasiPinda");
        w.IntArray(r.rasiPinda, kAshtakavargaPlanets);
        w.Key("grahaPinda");
        w.IntArray(r.grahaPinda, kAshtakavargaPlanets);
        w.Key("shodhyaPinda");
        w.IntArray(r.shodhyaPinda, kAshtakavargaPlanets);
        w.EndObject();
    }
    w.EndObject();
}
template <>
void WriteAshtakavarga<CsvRow>(const ChartSource& s, CsvRow& w) {
    w.IntArray(s.chart.AshtakavargaIn(s.ashtakavargaReading).bindus.sav, kSignCount);
}

// The birth as numbers: the place in signed decimal degrees (north and east
// positive), the local date and clock time in ISO 8601, the clock's offset
// east of Greenwich in seconds, the zone (a time zone's id, or the zone
// list's abbreviation) and whether daylight saving was in force.
constexpr std::array<std::string_view, 7> kBirthColumns = {"latitude", "longitude", "date", "time",
                                                           "utcOffsetSeconds", "zone", "dst"};
template <typename W>
void WriteBirth(const ChartSource& s, W& w) {
    const ChartBirth& b = s.chart.birth;
    const std::string zone =
        b.zoneEntry >= 0 ? std::string(ZoneAbbreviation(kZoneTable[static_cast<std::size_t>(b.zoneEntry)])) : b.timeZone;
    w.BeginObject();
    w.Key(kBirthColumns[0]);
    w.Double(s.chart.latitude);
    w.Key(kBirthColumns[1]);
    w.Double(s.chart.longitude);
    const std::string moment = LocalDateTimeText(
        LocalClock{b.clock.year, b.clock.month, b.clock.day, b.clock.hour, b.clock.minute, b.second});  // "…T…"
    w.Key(kBirthColumns[2]);
    w.String(std::string_view(moment).substr(0, 10));
    w.Key(kBirthColumns[3]);
    w.String(std::string_view(moment).substr(11));
    w.Key(kBirthColumns[4]);
    w.Int(s.chart.utcOffsetSeconds);
    w.Key(kBirthColumns[5]);
    w.TypedText(zone);
    w.Key(kBirthColumns[6]);
    w.Bool(b.dst);
    w.EndObject();
}
// Each point's retrograde flag, and its speed in degrees a day (null where
// the classic engine computes none), in body order.
template <typename W>
void WriteRetrograde(const ChartSource& s, W& w) {
    w.BeginArray();
    for (const ChartPoint& point : s.chart.points) w.Bool(point.retrograde);
    w.EndArray();
}
template <typename W>
void WriteSpeeds(const ChartSource& s, W& w) {
    w.BeginArray();
    for (const ChartPoint& point : s.chart.points)
        w.Double(point.speedKnown ? point.speed : std::numeric_limits<double>::quiet_NaN());
    w.EndArray();
}

#define VELMORA_FIELD_WRITERS(f) &f<JsonWriter>, &f<CsvRow>, &f<JsonDocument>, &f<ValueTape>

constexpr std::span<const std::string_view> kOneColumn{};

// The Chart value alone, nothing the run works out only when asked.
constexpr unsigned kChart = 0;

const ChartField kFieldsBeforeDashas[] = {
    {"name", "name", kOneColumn, kChart, VELMORA_FIELD_WRITERS(WriteName)},
    {"positions", "position", kBodyColumns, kChart, VELMORA_FIELD_WRITERS(WritePositions)},
    {"longitudes", "longitude", kBodyColumns, kChart, VELMORA_FIELD_WRITERS(WriteLongitudes)},
    {"bodyNames", "bodyName", kBodyColumns, kChart, VELMORA_FIELD_WRITERS(WriteBodyNames)},
    {"bodySigns", "bodySign", kBodyColumns, kChart, VELMORA_FIELD_WRITERS(WriteBodySigns)},
    {"arudhaSigns", "arudhaSign", kArudhaColumns, kChart, VELMORA_FIELD_WRITERS(WriteArudhaSigns)},
    {"signBoxes", "signBox", kSignColumns, kChart, VELMORA_FIELD_WRITERS(WriteSignBoxes)},
    {"arudhaBoxes", "arudhaBox", kSignColumns, kChart, VELMORA_FIELD_WRITERS(WriteArudhaBoxes)},
    {"details", "detail", kDetailKeys, kChart, VELMORA_FIELD_WRITERS(WriteDetails)},
    {"report", "", kOneColumn, kChart | kReadsReport, VELMORA_FIELD_WRITERS(WriteReportPieces)},
    {"reportText", "reportText", kOneColumn, kChart | kReadsReport, VELMORA_FIELD_WRITERS(WriteReportText)},
    {"mode", "mode", kOneColumn, kChart, VELMORA_FIELD_WRITERS(WriteMode)},
    {"ayanamsa", "ayanamsa", kOneColumn, kChart, VELMORA_FIELD_WRITERS(WriteAyanamsa)},
    {"degrees", "degree", kBodyColumns, kChart, VELMORA_FIELD_WRITERS(WriteDegrees)},
    {"nakshatras", "nakshatra", kNakshatraColumns, kChart, VELMORA_FIELD_WRITERS(WriteNakshatras)},
    {"navamsaSigns", "navamsaSign", kBodyColumns, kChart, VELMORA_FIELD_WRITERS(WriteNavamsaSigns)},
};

// The dashas, one field a system in the table's order: Vimshottari as
// "dashas", always written; the others under their keys, only when asked.
// The periods nest two deep: JSON only.
template <std::size_t... I>
std::array<ChartField, sizeof...(I)> DashaFields(std::index_sequence<I...>) {
    return {{ChartField{I == 0 ? std::string_view("dashas") : kDashaSystemKeys[I].key, "", kOneColumn,
                        kChart | kReadsDasha, &WriteDasha<static_cast<int>(I), JsonWriter>,
                        &WriteDasha<static_cast<int>(I), CsvRow>, &WriteDasha<static_cast<int>(I), JsonDocument>,
                        &WriteDasha<static_cast<int>(I), ValueTape>,
                        I == 0 ? FieldWhen::Always : FieldWhen::DashaAsked, DashaSystemAt(static_cast<int>(I))}...}};
}
static_assert(kDashaSystemKeys[0].system == DashaSystem::Vimshottari, "\"dashas\" is the first system's field");

const ChartField kFieldsAfterDashas[] = {
    // The precise chart's choices and houses.
    {"ayanamsaName", "ayanamsaName", kOneColumn, kChart, VELMORA_FIELD_WRITERS(WriteAyanamsaName),
     FieldWhen::PreciseChart},
    {"positionKind", "positionKind", kOneColumn, kChart, VELMORA_FIELD_WRITERS(WritePositionKind),
     FieldWhen::PreciseChart},
    {"houses", "houses", kOneColumn, kChart, VELMORA_FIELD_WRITERS(WriteHouses), FieldWhen::PreciseChart},
    {"cusps", "cusp", kHouseColumns, kChart, VELMORA_FIELD_WRITERS(WriteCusps), FieldWhen::PreciseChart},
    {"bhavas", "bhava", kBodyColumns, kChart, VELMORA_FIELD_WRITERS(WriteBhavas), FieldWhen::PreciseChart},
    {"housesNote", "housesNote", kOneColumn, kChart, VELMORA_FIELD_WRITERS(WriteHousesNote),
     FieldWhen::PreciseChart},
};

// Computed and written only when asked for (--panchanga, --transit, --sensitivity, --strengths, --fields).
const ChartField kOnRequestFields[] = {
    {"panchanga", "panchanga", kPanchangaColumns, kChart, VELMORA_FIELD_WRITERS(WritePanchanga),
     FieldWhen::PanchangaAsked},
    {"transits", "transit", kTransitColumns, kChart, VELMORA_FIELD_WRITERS(WriteTransits),
     FieldWhen::TransitsAsked},
    {"sensitivity", "sensitivity", SensitivityColumns(), kChart, VELMORA_FIELD_WRITERS(WriteSensitivity),
     FieldWhen::SensitivityAsked},
    {"strengths", "strength", kStrengthColumns, kChart, VELMORA_FIELD_WRITERS(WriteStrengths),
     FieldWhen::StrengthsAsked},
};

// Written only when asked for (--varga, --ashtakavarga, --fields).
const ChartField kRequestedFields[] = {
    {"vargas", "varga", kVargaColumns, kChart | kReadsVargas, VELMORA_FIELD_WRITERS(WriteVargas),
     FieldWhen::VargasAsked},
    {"ashtakavarga", "sav", kSignColumns, kReadsAshtakavarga, VELMORA_FIELD_WRITERS(WriteAshtakavarga),
     FieldWhen::AshtakavargaAsked},
    {"pointDetails", "", kOneColumn, kChart, VELMORA_FIELD_WRITERS(WritePointDetails), FieldWhen::PointDetailsAsked},
    {"jaimini", "", kOneColumn, kChart | kReadsVargas, VELMORA_FIELD_WRITERS(WriteJaimini), FieldWhen::JaiminiAsked},
    {"yogas", "yogas", kOneColumn, kChart, VELMORA_FIELD_WRITERS(WriteYogas), FieldWhen::YogasAsked},
    {"doshas", "dosha", kDoshaColumns, kChart, VELMORA_FIELD_WRITERS(WriteDoshas), FieldWhen::YogasAsked},
};

// Written only when named in --fields.
const ChartField kNamedFields[] = {
    {"birth", "birth", kBirthColumns, kChart, VELMORA_FIELD_WRITERS(WriteBirth), FieldWhen::BirthNumbersAsked},
    {"retrograde", "retrograde", kBodyColumns, kChart, VELMORA_FIELD_WRITERS(WriteRetrograde),
     FieldWhen::BirthNumbersAsked},
    {"speeds", "speed", kBodyColumns, kChart, VELMORA_FIELD_WRITERS(WriteSpeeds), FieldWhen::BirthNumbersAsked},
};

#undef VELMORA_FIELD_WRITERS

// The chart object's fields in their order.
const std::vector<ChartField>& ChartObjectFields() {
    static const std::vector<ChartField> fields = [] {
        std::vector<ChartField> all(std::begin(kFieldsBeforeDashas), std::end(kFieldsBeforeDashas));
        for (const ChartField& field : DashaFields(std::make_index_sequence<kDashaSystemCount>{}))
            all.push_back(field);
        all.insert(all.end(), std::begin(kFieldsAfterDashas), std::end(kFieldsAfterDashas));
        return all;
    }();
    return fields;
}

}  // namespace

std::span<const ChartField> AllChartFields() { return ChartObjectFields(); }
std::span<const ChartField> OnRequestChartFields() { return kOnRequestFields; }
std::span<const ChartField> RequestedChartFields() { return kRequestedFields; }
std::span<const ChartField> NamedChartFields() { return kNamedFields; }

const ChartField& VargasField() { return kRequestedFields[0]; }
const ChartField& AshtakavargaField() { return kRequestedFields[1]; }
const ChartField& PointDetailsField() { return kRequestedFields[2]; }
const ChartField& JaiminiField() { return kRequestedFields[3]; }
const ChartField& YogasField() { return kRequestedFields[4]; }
const ChartField& DoshasField() { return kRequestedFields[5]; }

const FieldList& EveryChartField() {
    static const FieldList every = [] {
        FieldList fields;
        for (const auto table : {AllChartFields(), OnRequestChartFields(), RequestedChartFields(), NamedChartFields()})
            for (const ChartField& field : table) fields.push_back(&field);
        return fields;
    }();
    return every;
}

bool Asked(FieldWhen when, const ChartSource& source) {
    switch (when) {
        case FieldWhen::Always:
        case FieldWhen::PreciseChart: return true;
        case FieldWhen::DashaAsked: return !source.dashas.Empty();
        case FieldWhen::PanchangaAsked: return source.panchanga != nullptr;
        case FieldWhen::TransitsAsked: return source.transits != nullptr;
        case FieldWhen::SensitivityAsked: return source.sensitivity != nullptr;
        case FieldWhen::VargasAsked: return source.vargas;
        case FieldWhen::AshtakavargaAsked: return source.ashtakavarga;
        case FieldWhen::BirthNumbersAsked: return source.birthNumbers;
        case FieldWhen::PointDetailsAsked: return source.pointDetails;
        case FieldWhen::JaiminiAsked: return source.jaimini;
        case FieldWhen::StrengthsAsked: return source.strengths != nullptr;
        case FieldWhen::YogasAsked: return source.yogas;
    }
    return false;
}

bool AskedField(const ChartField& field, const ChartSource& source) {
    if (field.when == FieldWhen::DashaAsked) return source.dashas.Has(field.dashaSystem);
    return Asked(field.when, source);
}

bool FieldWritten(const ChartField& field, const ChartSource& source) {
    if (field.when == FieldWhen::PreciseChart) return source.chart.mode == ComputationMode::Precise;
    return AskedField(field, source);
}

std::string FieldNames() {
    std::string names;
    for (const ChartField* field : EveryChartField()) {
        if (!names.empty()) names += ',';
        names += field->name;
    }
    return names;
}

std::string ParseFieldList(std::string_view list, FieldList& fields) {
    fields.clear();
    for (std::size_t start = 0;;) {
        const std::size_t comma = list.find(',', start);
        const std::string_view name = list.substr(start, comma == std::string_view::npos ? comma : comma - start);
        const ChartField* found = nullptr;
        for (const ChartField* field : EveryChartField())
            if (field->name == name) found = field;
        if (!found)
            return "--fields: " + (name.empty() ? std::string("an empty name") : Quoted(name)) +
                   " is not a field; the fields are " + FieldNames();
        for (const ChartField* chosen : fields)
            if (chosen == found) return "--fields: " + Quoted(name) + " is named twice";
        fields.push_back(found);
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    return {};
}

std::vector<std::string> CsvColumns(const FieldList& fields) {
    std::vector<std::string> columns;
    for (const ChartField* field : fields) {
        if (field->suffixes.empty()) {
            columns.emplace_back(field->column);
            continue;
        }
        for (std::string_view suffix : field->suffixes)
            columns.push_back(std::string(field->column) + "_" + std::string(suffix));
    }
    return columns;
}

}  // namespace velmora::cli
