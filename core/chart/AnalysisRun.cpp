#include "chart/AnalysisRun.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "analysis/Bhava.h"
#include "analysis/Navamsa.h"
#include "analysis/SignOf.h"
#include "analysis/Varga.h"
#include "analysis/AshtakavargaReduction.h"
#include "analysis/Nakshatra.h"
#include "chart/DashaSystems.h"
#include "report/ReportWriter.h"
#include "engine/BirthTime.h"
#include "engine/SetText.h"
#include "birth/InputValidation.h"
#include "ephemeris/EphemerisDirectory.h"
#include "birth/ZoneHistory.h"
#include "birth/ZoneTable.h"

namespace velmora {

namespace {

constexpr std::size_t kReportReserve = 512;  // 108 fixed pieces and at most three per rule fire

std::int16_t ToInt16(int value) {
    if (value > std::numeric_limits<std::int16_t>::max()) return std::numeric_limits<std::int16_t>::max();
    if (value < std::numeric_limits<std::int16_t>::min()) return std::numeric_limits<std::int16_t>::min();
    return static_cast<std::int16_t>(value);
}

// The offset east of Greenwich, in minutes, at which the classic engine's
// ascendant and Moon take the clock: the zone's magnitude and the
// daylight-saving hour, directed by the longitude's hemisphere.
int ClassicOffsetMinutes(const BirthData& birth) {
    const BirthTime time = FormBirthTime(birth);
    return static_cast<int>(std::lround((time.BirthHour - time.UniversalHour) * 60));
}

std::string NoListEntryMessage(const ClassicZone& classic, const ZoneMoment& moment, const LocalClock& clock) {
    std::string message = "The zone list has no entry for UTC" + UtcOffsetText(classic.ListedOffsetSeconds);
    if (classic.StandardOffset) {
        message += ", the standard time of " + moment.ZoneId + " on " + LongDateText(clock);
    } else {
        const int saving = moment.OffsetSeconds - moment.StandardOffsetSeconds;
        message += ", the time of " + moment.ZoneId + " on " + LongDateText(clock) + " with its daylight saving of " +
                   UtcOffsetText(saving);
    }
    return message + "; choose precise positions to compute with its exact offset";
}

std::string WrongHemisphereMessage(const BirthData& birth, const ZoneMoment& moment, const LocalClock& clock) {
    const bool east = birth.EastLongitude && (birth.LongitudeDegrees != 0 || birth.LongitudeMinutes != 0);
    return "UTC" + UtcOffsetText(moment.OffsetSeconds) + ", the time of " + moment.ZoneId + " on " +
           LongDateText(clock) + ", is " + (moment.OffsetSeconds > 0 ? "east" : "west") +
           " of Greenwich and the longitude " + (east ? "east" : "west") +
           " of it; the classic positions take the zone's direction from the longitude, so choose precise "
           "positions to compute with its exact offset";
}

}  // namespace

AnalysisRun::AnalysisRun() { FillNameTables(Names); }

std::optional<ChartRefusal> AnalysisRun::Run(const Birth& typed, const ChartWants& wants, Chart& chart) {
    const auto refuse = [](ChartRefusalKind kind, std::string message) {
        return std::optional<ChartRefusal>(ChartRefusal{kind, std::move(message), std::nullopt});
    };
    // A time zone with its history gives the offset at the birth. A classic
    // chart takes a list entry and the daylight-saving box that give that
    // offset; a precise one takes the offset itself.
    if (!YearsFor(typed.mode).Holds(typed.clock.Year))
        return refuse(ChartRefusalKind::OutsideYears, YearsRefusal(typed.mode));
    ZoneMoment moment;
    const bool zoned = !typed.timeZoneId.empty();
    const bool classicFromZone = zoned && typed.mode == ComputationMode::Classic;
    const LocalClock& clock = typed.clock;
    Birth fromZone;
    if (zoned) {
        const ZoneLookup lookup = LookUpZone(typed.timeZoneId, clock, typed.repeated);
        if (!lookup.Found)
            return ChartRefusal{lookup.Repeated ? ChartRefusalKind::RepeatedHour : ChartRefusalKind::NoZoneOffset,
                                lookup.Message, lookup};
        moment = lookup.Moment;
        if (classicFromZone) {
            const ClassicZone classic = ClassicZoneForMoment(moment);
            if (classic.Entry < 0)
                return refuse(ChartRefusalKind::NoZoneOffset, NoListEntryMessage(classic, moment, clock));
            fromZone = typed;
            fromZone.zoneEntry = classic.Entry;
            fromZone.daylightSaving = classic.DaylightSaving;
        }
    }
    const Birth& form = classicFromZone ? fromZone : typed;

    // The birth into the engine's birth data.
    BirthData birth;
    ZoneOffset zone = Zone;
    birth.BirthName = form.name;
    Zone_Calculation(form.zoneEntry, zone);
    birth.BirthMonth = ToInt16(clock.Month);
    birth.BirthDay = ToInt16(clock.Day);
    birth.BirthYear = ToInt16(clock.Year);
    birth.BirthClockHour = ToInt16(clock.Hour);
    birth.BirthClockMinute = ToInt16(clock.Minute);
    birth.ZoneHoursAbs = ToInt16(std::abs(static_cast<int>(zone.ZoneOffsetHours)));
    birth.ZoneMinutesAbs = ToInt16(std::abs(static_cast<int>(zone.ZoneOffsetMinutes)));
    const DegreesMinutes longitude = SplitCoordinate(form.longitude);
    const DegreesMinutes latitude = SplitCoordinate(form.latitude);
    birth.LongitudeDegrees = ToInt16(longitude.degrees);
    birth.LongitudeMinutes = ToInt16(longitude.minutes);
    birth.LatitudeDegrees = ToInt16(latitude.degrees);
    birth.LatitudeMinutes = ToInt16(latitude.minutes);
    birth.EastLongitude = !longitude.negative;
    birth.SouthLatitude = latitude.negative;
    birth.DaylightSaving = form.daylightSaving;
    // The classic engine takes the zone's direction from the longitude's
    // hemisphere; a zone history whose offset points the other way would
    // give a chart at another instant than the one shown.
    if (classicFromZone && ClassicOffsetMinutes(birth) * 60 != moment.OffsetSeconds)
        return refuse(ChartRefusalKind::NoZoneOffset, WrongHemisphereMessage(birth, moment, clock));
    BirthValues = std::move(birth);
    Zone = zone;

    // The positions.
    if (form.mode == ComputationMode::Classic && form.options != ChartOptions{})
        return refuse(ChartRefusalKind::ClassicChoices, std::string(kClassicChoicesRefusal));
    if (form.mode == ComputationMode::Precise) {
        if (!ComputePrecise(form, zoned ? &moment : nullptr, chart))
            return refuse(ChartRefusalKind::Ephemeris, Precise.Error());
    } else {
        ComputeClassic(chart);
    }

    // The birth as computed: the clock, the place and the zone as used.
    ChartBirth& b = chart.birth;
    b.name = BirthValues.BirthName;
    b.clock = {BirthValues.BirthYear, BirthValues.BirthMonth, BirthValues.BirthDay, BirthValues.BirthClockHour,
               BirthValues.BirthClockMinute};
    b.second = clock.Second;
    b.latitudeDegrees = BirthValues.LatitudeDegrees;
    b.latitudeMinutes = BirthValues.LatitudeMinutes;
    b.longitudeDegrees = BirthValues.LongitudeDegrees;
    b.longitudeMinutes = BirthValues.LongitudeMinutes;
    b.south = BirthValues.SouthLatitude;
    b.east = BirthValues.EastLongitude;
    b.city = form.city;
    b.state = form.state;
    b.country = form.country;
    b.place = form.place;
    b.timeZone = form.timeZoneId;
    if (zoned) {
        b.utcOffset = UtcOffsetText(moment.OffsetSeconds);
        b.dst = moment.DaylightSaving;
        b.zoneText = DescribeZoneMoment(moment, clock);
        // Which of a time shown twice: asked only when an answer was given.
        b.zoneAbbreviation = moment.Abbreviation;
        if (typed.repeated != RepeatedHour::Unresolved && LookUpZone(typed.timeZoneId, clock).Repeated)
            b.repeated = typed.repeated;
        if (b.repeated != RepeatedHour::Unresolved)
            b.zoneText += b.repeated == RepeatedHour::Earlier
                              ? ", the earlier of the two (the clocks showed this time twice)"
                              : ", the later of the two (the clocks showed this time twice)";
        b.zoneUsed = b.zoneText;
        chart.utcOffsetSeconds = moment.OffsetSeconds;
    } else {
        chart.utcOffsetSeconds = FormBirthInstant(BirthValues, Zone, clock.Second).OffsetMinutesEast * 60;
        b.utcOffset = UtcOffsetText(chart.utcOffsetSeconds);
        b.dst = form.daylightSaving;
        b.zoneEntry = form.zoneEntry;
        SetText(b.zoneUsed, kZoneTable[static_cast<std::size_t>(form.zoneEntry)].DisplayText);
        b.zoneUsed += ": UTC";
        b.zoneUsed += b.utcOffset;
        if (form.daylightSaving) b.zoneUsed += ", daylight saving";
    }
    if (mode_ == ComputationMode::Classic) {
        chart.julianDayUT = FormBirthInstant(BirthValues, Zone, clock.Second).UniversalJulianDate();
        chart.latitude = JoinCoordinate(BirthValues.LatitudeDegrees, BirthValues.LatitudeMinutes,
                                        BirthValues.SouthLatitude);
        chart.longitude = JoinCoordinate(BirthValues.LongitudeDegrees, BirthValues.LongitudeMinutes,
                                         !BirthValues.EastLongitude);
        chart.node = form.node;
    }

    // The bodies' signs from their longitudes (the rule the position texts
    // are written by), and the arudhas from those.
    BodySignNumbers signs{};
    for (int i = 0; i < kBodyCount; ++i) {
        ChartPoint& point = chart.points[static_cast<std::size_t>(i)];
        point.sign = SignOfLongitude(point.longitude);
        signs[static_cast<std::size_t>(i)] = static_cast<std::int8_t>(point.sign + 1);
        point.retrograde =
            i >= 2 && i - 2 < static_cast<int>(Retrograde.Flags.size()) && Retrograde.Flags[static_cast<std::size_t>(i - 2)];
        State.BodySigns[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(point.sign);
    }

    // The arudhas, house by house from the ascendant's sign.
    ComputeArudhas(Arudha, signs, Names.SignLords, State);
    for (int a = 0; a < kArudhaCount; ++a)
        chart.arudhaSigns[static_cast<std::size_t>(a)] = State.ArudhaSigns[static_cast<std::size_t>(a)];

    ComputeBeyondArudhas(typed, wants, chart);

    // The report.
    if (wants.report) {
        chart.report.reserve(kReportReserve);
        FillReportTables(Tables);
        FillArudhaReportRows(Tables, State);
        WriteReport(State, Tables, chart.report);
    }
    return std::nullopt;
}

void AnalysisRun::ComputeClassic(Chart& chart) {
    PlanetPosition.CalculateAscendant(BirthValues);
    Ephemeris.CalculateMoon(BirthValues);
    PlanetPosition.CalculatePlanets(BirthValues, Zone, Ephemeris.MoonText);
    Retrograde.MarkRetrograde(BirthValues, Names);

    using P = VedicPlanetPosition;
    const auto& planets = PlanetPosition.SiderealLongitudes;
    mode_ = ComputationMode::Classic;
    const std::array<double, kBodyCount> degrees = {
        planets[P::Earth],  Ephemeris.MoonSiderealLongitude, planets[P::Mercury],         planets[P::Venus],
        planets[P::Mars],   planets[P::Jupiter],             planets[P::Saturn],          PlanetPosition.RahuLongitude,
        PlanetPosition.KetuLongitude, std::fabs(PlanetPosition.Ascendant)};
    chart.mode = ComputationMode::Classic;
    for (int i = 0; i < kBodyCount; ++i) chart.points[static_cast<std::size_t>(i)].longitude = degrees[static_cast<std::size_t>(i)];
    chart.ayanamsa = -PlanetPosition.SiderealOffset;
}

void AnalysisRun::ComputeBeyondArudhas(const Birth& birth, const ChartWants& wants, Chart& chart) {
    std::array<double, kBodyCount> degrees{};
    for (int i = 0; i < kBodyCount; ++i) {
        const double longitude = chart.points[static_cast<std::size_t>(i)].longitude;
        degrees[static_cast<std::size_t>(i)] = longitude;
        chart.nakshatras[static_cast<std::size_t>(i)] = NakshatraOf(longitude);
        chart.navamsaSigns[static_cast<std::size_t>(i)] = NavamsaSign(longitude);
    }
    if (wants.vargas) {
        chart.vargas = VargaSignsOf(degrees);
        chart.vargottama = Vargottama(chart.vargas);
    }
    if (wants.ashtakavarga) {
        const std::array<int, kBodyCount> signs = PointSigns(chart);
        for (AshtakavargaReading reading : kAshtakavargaReadings)
            chart.ashtakavargas[static_cast<std::size_t>(reading)] = AshtakavargaTablesOf(signs, reading);
    }
    chart.dashaYear = birth.dashaYear;
    chart.dashaSystem = birth.dashaSystem;
    if (wants.dashas.Empty()) return;
    for (const DashaSystemRow& row : AllDashaSystems())
        if (wants.dashas.Has(row.system))
            chart.dashas[static_cast<std::size_t>(row.system)] =
                ComputeDasha(row.system, degrees, chart.birth.clock, birth.dashaYear, wants.today);
}

bool AnalysisRun::ComputePrecise(const Birth& form, const ZoneMoment* moment, Chart& chart) {
    BirthInstant instant = FormBirthInstant(BirthValues, Zone, form.clock.Second);
    if (moment) {
        // The offset to the second (local mean times such as +5:21:10), as the details show it.
        instant.OffsetMinutesEast = moment->OffsetSeconds / 60;
        instant.Second -= moment->OffsetSeconds % 60;
    }
    // A data folder chosen since (EphemerisDirectory) is taken from now on.
    if (const unsigned choice = EphemerisDirectoryChoice(); choice != ephemerisChoice_) {
        Precise = PreciseEphemeris();
        ephemerisChoice_ = choice;
    }
    // The place as given, to the fraction of a minute an atlas place carries.
    if (!Precise.CalculatePositions(instant, form.latitude, form.longitude, form.node, form.options)) return false;
    Retrograde.MarkRetrogradeFromSpeeds(Precise.Result().speeds, Names);
    mode_ = ComputationMode::Precise;
    chart.mode = ComputationMode::Precise;
    chart.modeText = Precise.Description();
    chart.analyticalEphemeris = Precise.Result().analytical;
    for (int i = 0; i < kBodyCount; ++i) {
        ChartPoint& point = chart.points[static_cast<std::size_t>(i)];
        point.longitude = Precise.Result().longitudes[static_cast<std::size_t>(i)];
        // The ascendant's motion is the sky's turning, not a speed the
        // ephemeris gives: left unknown.
        point.speedKnown = i < kBodyCount - 1;
        point.speed = point.speedKnown ? Precise.Result().speeds[static_cast<std::size_t>(i)] : 0;
        point.latitude = Precise.Result().latitudes[static_cast<std::size_t>(i)];
        point.latitudeKnown = i != kBodyCount - 1;
    }
    chart.ayanamsa = Precise.Result().ayanamsa;
    chart.ayanamsaName = AyanamsaDisplayName(Precise.Result().options.ayanamsa);
    chart.ayanamsaLabel = Precise.AyanamsaLabel();
    chart.positions = Precise.Result().options.positions;
    chart.ayanamsaKind = Precise.Result().options.ayanamsa;
    chart.customAyanamsa = Precise.Result().options.custom;
    chart.houses = Precise.Result().houses;
    chart.cusps = Precise.Result().cusps;
    for (int i = 0; i < kBodyCount; ++i)
        chart.bhavas[static_cast<std::size_t>(i)] = BhavaOf(Precise.Result().longitudes[static_cast<std::size_t>(i)], Precise.Result().cusps);
    chart.housesNote = Precise.Result().housesNote;
    chart.julianDayUT = Precise.Result().julianDateUT;
    chart.latitude = form.latitude;
    chart.longitude = form.longitude;
    chart.node = Precise.Result().node;
    return true;
}

std::array<std::string, kBodyCount> AnalysisRun::LongTexts() const {
    if (mode_ == ComputationMode::Precise) return Precise.Result().longTexts;
    const auto& texts = PlanetPosition.PlanetTexts;
    using P = VedicPlanetPosition;
    return {texts[P::Earth],   Ephemeris.MoonText,     texts[P::Mercury],
            texts[P::Venus],   texts[P::Mars],         texts[P::Jupiter],
            texts[P::Saturn],  PlanetPosition.RahuText, PlanetPosition.KetuText,
            PlanetPosition.AscendantText};
}

ChartOutcome ComputeChartOfForm(const FormFields& form, const ChartWants& wants) {
    const ValidationResult checked = Input_Validation(form);
    if (checked.Passed()) return ComputeChart(BirthFromForm(form), wants);
    ChartOutcome outcome;
    outcome.refusal = {ChartRefusalKind::FormCheck, std::string(checked.message), std::nullopt};
    return outcome;
}

ChartOutcome ComputeChart(const Birth& birth, const ChartWants& wants) {
    // The run is large and its tables are filled once a thread: each call
    // overwrites everything a run writes, so nothing of one chart reaches the
    // next.
    thread_local AnalysisRun run;
    ChartOutcome outcome;
    auto chart = std::make_shared<Chart>();
    if (std::optional<ChartRefusal> refusal = run.Run(birth, wants, *chart)) {
        outcome.refusal = std::move(*refusal);
    } else {
        chart->given = birth;
        outcome.chart = std::move(chart);
    }
    return outcome;
}

}  // namespace velmora
