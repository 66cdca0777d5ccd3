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
#include "analysis/AshtottariDasha.h"
#include "analysis/YoginiDasha.h"
#include "chart/MarriageMatch.h"
#include "report/ReportWriter.h"
#include "engine/BirthTime.h"
#include "engine/SetText.h"
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

MonthNames EnglishMonthNames() {
    return {"January", "February", "March",     "April",   "May",      "June",
            "July",    "August",   "September", "October", "November", "December"};
}

AnalysisRun::AnalysisRun() {
    FillNameTables(Names);
    Result.report.reserve(kReportReserve);
}

ValidationResult AnalysisRun::RunAnalysis(const FormFields& typed) {
    const ValidationResult check = Input_Validation(typed);
    if (!check.Passed()) return check;
    return Run(BirthFromForm(typed));
}

ValidationResult AnalysisRun::Run(const velmora::Birth& typed) {
    // A time zone with its history gives the offset at the birth. A classic
    // chart takes a list entry and the daylight-saving box that give that
    // offset; a precise one takes the offset itself.
    if (!YearsFor(typed.mode).Holds(typed.clock.Year)) return Failure(kEngineFailure, YearsRefusal(typed.mode));
    ZoneMoment moment;
    const bool zoned = !typed.timeZoneId.empty();
    const bool classicFromZone = zoned && typed.mode == ComputationMode::Classic;
    const LocalClock& clock = typed.clock;
    velmora::Birth fromZone;
    if (zoned) {
        const ZoneLookup lookup = LookUpZone(typed.timeZoneId, clock, typed.repeated);
        if (!lookup.Found) return Failure(lookup.Repeated ? kRepeatedHour : kZoneFailure, lookup.Message);
        moment = lookup.Moment;
        if (classicFromZone) {
            const ClassicZone classic = ClassicZoneForMoment(moment);
            if (classic.Entry < 0) return Failure(kZoneFailure, NoListEntryMessage(classic, moment, clock));
            fromZone = typed;
            fromZone.zoneEntry = classic.Entry;
            fromZone.daylightSaving = classic.DaylightSaving;
        }
    }
    const velmora::Birth& form = classicFromZone ? fromZone : typed;

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
        return Failure(kZoneFailure, WrongHemisphereMessage(birth, moment, clock));
    Birth = std::move(birth);
    Zone = zone;
    second_ = clock.Second;
    dashaYear_ = typed.dashaYear;
    dashaSystem_ = typed.dashaSystem;
    node_ = form.node;

    // The chart.
    if (form.mode == ComputationMode::Classic && form.options != ChartOptions{})
        return Failure(kEngineFailure, std::string(kClassicChoicesRefusal));
    if (form.mode == ComputationMode::Precise) {
        if (!ComputePrecise(form, zoned ? &moment : nullptr)) return Failure(kEngineFailure, Precise.Error);
    } else {
        ComputeClassic();
    }
    // The details.
    Result.city = form.city;
    Result.state = form.state;
    Result.country = form.country;
    Result.place = form.place;
    Result.timeZone = form.timeZoneId;
    if (zoned) {
        Result.utcOffset = UtcOffsetText(moment.OffsetSeconds);
        Result.dst = moment.DaylightSaving;
        Result.zoneText = DescribeZoneMoment(moment, clock);
        // Which of a time shown twice: asked only when an answer was given.
        if (typed.repeated != RepeatedHour::Unresolved && LookUpZone(typed.timeZoneId, clock).Repeated)
            Result.zoneText += typed.repeated == RepeatedHour::Earlier
                                   ? ", the earlier of the two (the clocks showed this time twice)"
                                   : ", the later of the two (the clocks showed this time twice)";
        Result.zoneUsed = Result.zoneText;
        offsetSeconds_ = moment.OffsetSeconds;
    } else {
        Result.utcOffset = UtcOffsetText(FormBirthInstant(Birth, Zone, form.clock.Second).OffsetMinutesEast * 60);
        Result.dst = form.daylightSaving;
        Result.zoneText.clear();
        SetText(Result.zoneUsed, kZoneTable[static_cast<std::size_t>(form.zoneEntry)].DisplayText);
        Result.zoneUsed += ": UTC";
        Result.zoneUsed += Result.utcOffset;
        if (form.daylightSaving) Result.zoneUsed += ", daylight saving";
        offsetSeconds_ = FormBirthInstant(Birth, Zone, form.clock.Second).OffsetMinutesEast * 60;
    }

    // The bodies' signs from their longitudes (the rule the position texts
    // are written by), and the arudhas from those.
    BodySignNumbers signs{};
    for (int i = 0; i < kBodyCount; ++i) signs[i] = static_cast<std::int8_t>(SignOfLongitude(Degrees[i]) + 1);
    for (int i = 0; i < kBodyCount; ++i) {
        const int j = signs[i] - 1;
        Result.bodySigns[i] = j;
        Result.retrograde[i] = i >= 2 && i - 2 < static_cast<int>(Retrograde.Flags.size()) && Retrograde.Flags[i - 2];
        if (j >= 0) Chart.BodySigns[i] = static_cast<std::int16_t>(j);
    }

    // The arudhas, house by house from the ascendant's sign.
    ComputeArudhas(Arudha, signs, Names.SignLords, Chart);
    for (int a = 0; a < kArudhaCount; ++a) Result.arudhaSigns[a] = Chart.ArudhaSigns[a];

    ComputeBeyondArudhas();

    // The report.
    Result.report.clear();
    if (WithReport) {
        FillReportTables(Tables);
        FillArudhaReportRows(Tables, Chart);
        WriteReport(Chart, Tables, Result.report);
    }
    return {};  // passed
}

void AnalysisRun::ComputeClassic() {
    PlanetPosition.CalculateAscendant(Birth);
    Ephemeris.CalculateMoon(Birth);
    PlanetPosition.CalculatePlanets(Birth, Zone, Ephemeris.MoonText);
    Retrograde.MarkRetrograde(Birth, Names);

    using P = VedicPlanetPosition;
    const auto& planets = PlanetPosition.SiderealLongitudes;
    Mode = ComputationMode::Classic;
    Degrees = {planets[P::Earth],   Ephemeris.MoonSiderealLongitude, planets[P::Mercury],
               planets[P::Venus],   planets[P::Mars],                 planets[P::Jupiter],
               planets[P::Saturn],  PlanetPosition.RahuLongitude,     PlanetPosition.KetuLongitude,
               std::fabs(PlanetPosition.Ascendant)};
    Ayanamsa = -PlanetPosition.SiderealOffset;
    Result.modeText.clear();
}

void AnalysisRun::ComputeBeyondArudhas() {
    for (int i = 0; i < kBodyCount; ++i) {
        Result.nakshatras[i] = NakshatraOf(Degrees[i]);
        Result.navamsaSigns[i] = NavamsaSign(Degrees[i]);
    }
    Result.vargas = WithVargas ? VargaSignsOf(Degrees) : VargaSigns{};
    Result.vargottama = WithVargas ? Vargottama(Result.vargas) : std::array<bool, kBodyCount>{};
    const CivilMoment birth{Birth.BirthYear, Birth.BirthMonth, Birth.BirthDay, Birth.BirthClockHour,
                            Birth.BirthClockMinute};
    if (!WithDasha) {
        Result.dasha = {};
        Result.vimshottari = Result.yogini = Result.ashtottari = {};
        return;
    }
    const DashaYearInfo& year = DashaYearOf(dashaYear_);
    Result.dashaYear = dashaYear_;
    Result.dashaSystem = dashaSystem_;
    Result.vimshottari = ComputeDashaTimeline(VimshottariTable(), Degrees[1], birth, year.microseconds);
    MarkRunningPath(Result.vimshottari, Today, kMaxDashaLevels);
    Result.dasha = VimshottariFromTimeline(Result.vimshottari, year.days);
    MarkRunning(Result.dasha, Today);
    Result.yogini = Result.ashtottari = {};
    if (!WithMoreDashas) return;
    Result.yogini = ComputeDashaTimeline(YoginiTable(), Degrees[1], birth, year.microseconds);
    MarkRunningPath(Result.yogini, Today, kMaxDashaLevels);
    Result.ashtottari = ComputeDashaTimeline(AshtottariTable(), Degrees[1], birth, year.microseconds);
    MarkRunningPath(Result.ashtottari, Today, kMaxDashaLevels);
}

ValidationResult AnalysisRun::Failure(int check, std::string message) {
    engineError_ = std::move(message);
    ValidationResult failure;
    failure.check = check;
    failure.message = engineError_;
    return failure;
}

bool AnalysisRun::ComputePrecise(const velmora::Birth& form, const ZoneMoment* moment) {
    BirthInstant instant = FormBirthInstant(Birth, Zone, form.clock.Second);
    if (moment) {
        // The offset to the second (local mean times such as +5:21:10), as the details show it.
        instant.OffsetMinutesEast = moment->OffsetSeconds / 60;
        instant.Second -= moment->OffsetSeconds % 60;
    }
    double latitude = Birth.LatitudeDegrees + Birth.LatitudeMinutes / 60.0;
    if (Birth.SouthLatitude) latitude = -latitude;
    double longitude = Birth.LongitudeDegrees + Birth.LongitudeMinutes / 60.0;
    if (!Birth.EastLongitude) longitude = -longitude;
    if (!Precise.CalculatePositions(instant, latitude, longitude, form.node, form.options)) return false;
    Retrograde.MarkRetrogradeFromSpeeds(Precise.Speeds, Names);
    Mode = ComputationMode::Precise;
    Degrees = Precise.Longitudes;
    Ayanamsa = Precise.Ayanamsa;
    Result.modeText = Precise.Description();
    return true;
}

std::array<std::string, kBodyCount> AnalysisRun::LongTexts() const {
    if (Mode == ComputationMode::Precise) return Precise.LongTexts;
    const auto& texts = PlanetPosition.PlanetTexts;
    using P = VedicPlanetPosition;
    return {texts[P::Earth],   Ephemeris.MoonText,     texts[P::Mercury],
            texts[P::Venus],   texts[P::Mars],         texts[P::Jupiter],
            texts[P::Saturn],  PlanetPosition.RahuText, PlanetPosition.KetuText,
            PlanetPosition.AscendantText};
}

velmora::Chart AnalysisRun::MakeChart() const {
    velmora::Chart chart;
    chart.mode = Mode;
    chart.modeText = Result.modeText;
    ChartBirth& birth = chart.birth;
    birth.name = Birth.BirthName;
    birth.clock = {Birth.BirthYear, Birth.BirthMonth, Birth.BirthDay, Birth.BirthClockHour, Birth.BirthClockMinute};
    birth.second = second_;
    birth.latitudeDegrees = Birth.LatitudeDegrees;
    birth.latitudeMinutes = Birth.LatitudeMinutes;
    birth.longitudeDegrees = Birth.LongitudeDegrees;
    birth.longitudeMinutes = Birth.LongitudeMinutes;
    birth.south = Birth.SouthLatitude;
    birth.east = Birth.EastLongitude;
    birth.city = Result.city;
    birth.state = Result.state;
    birth.country = Result.country;
    birth.place = Result.place;
    birth.timeZone = Result.timeZone;
    birth.utcOffset = Result.utcOffset;
    birth.zoneText = Result.zoneText;
    birth.zoneUsed = Result.zoneUsed;
    birth.dst = Result.dst;

    const bool precise = Mode == ComputationMode::Precise;
    for (int i = 0; i < kBodyCount; ++i) {
        ChartPoint& point = chart.points[i];
        point.longitude = Degrees[i];
        point.speedKnown = precise;
        point.speed = precise ? Precise.Speeds[i] : 0;
        point.sign = Result.bodySigns[i];
        point.retrograde = Result.retrograde[i];
    }
    chart.ayanamsa = Ayanamsa;
    chart.arudhaSigns = Result.arudhaSigns;
    chart.nakshatras = Result.nakshatras;
    chart.navamsaSigns = Result.navamsaSigns;
    if (WithDasha) chart.dasha = Result.dasha;
    chart.dashaYear = Result.dashaYear;
    chart.dashaSystem = Result.dashaSystem;
    if (WithDasha) {
        chart.vimshottari = Result.vimshottari;
        chart.yogini = Result.yogini;
        chart.ashtottari = Result.ashtottari;
    }
    if (WithReport) chart.report = Result.report;
    if (precise) {
        chart.ayanamsaName = AyanamsaDisplayName(Precise.Options.ayanamsa);
        chart.ayanamsaLabel = Precise.AyanamsaLabel();
        chart.positions = Precise.Options.positions;
        chart.ayanamsaKind = Precise.Options.ayanamsa;
        chart.customAyanamsa = Precise.Options.custom;
        chart.houses = Precise.Houses;
        chart.cusps = Precise.Cusps;
        for (int i = 0; i < kBodyCount; ++i) chart.bhavas[i] = BhavaOf(Degrees[i], Precise.Cusps);
        chart.housesNote = Precise.HousesNote;
    }
    chart.vargas = Result.vargas;
    chart.vargottama = Result.vargottama;
    if (WithAshtakavarga) SetAshtakavargaReading(chart, AshtakavargaReadingChoice);
    chart.julianDayUT = precise ? Precise.JulianDateUT : FormBirthInstant(Birth, Zone, second_).UniversalJulianDate();
    chart.utcOffsetSeconds = offsetSeconds_;
    chart.latitude = JoinCoordinate(Birth.LatitudeDegrees, Birth.LatitudeMinutes, Birth.SouthLatitude);
    chart.longitude = JoinCoordinate(Birth.LongitudeDegrees, Birth.LongitudeMinutes, !Birth.EastLongitude);
    chart.node = precise ? Precise.Node : node_;
    return chart;
}

void SetAshtakavargaReading(Chart& chart, AshtakavargaReading reading) {
    const std::array<int, kBodyCount> signs = PointSigns(chart);
    chart.ashtakavarga = ComputeAshtakavarga(signs, reading);
    chart.ashtakavargaReduced = ReduceAshtakavarga(chart.ashtakavarga, signs);
}

ChartOutcome ComputeChart(const Birth& birth, const ChartWants& wants) {
    AnalysisRun run;
    run.WithReport = wants.report;
    run.WithDasha = wants.dasha;
    run.WithVargas = wants.vargas;
    run.WithAshtakavarga = wants.ashtakavarga;
    run.Today = wants.today;
    run.WithMoreDashas = wants.moreDashas;
    run.AshtakavargaReadingChoice = wants.ashtakavargaReading;
    ChartOutcome outcome;
    outcome.check = run.Run(birth);
    if (outcome.check.Passed()) {
        outcome.chart = run.MakeChart();
    } else {
        outcome.message = outcome.check.message;
        outcome.check.message = {};
    }
    return outcome;
}

}  // namespace velmora
