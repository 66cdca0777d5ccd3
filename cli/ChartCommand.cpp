#include <ostream>

#include "cli/AshtakavargaOptions.h"
#include "cli/AshtakavargaText.h"
#include "cli/ChartRequest.h"
#include "cli/Commands.h"
#include "cli/DashaOptions.h"
#include "cli/JaiminiOptions.h"
#include "cli/JaiminiText.h"
#include "cli/JsonRenderer.h"
#include "cli/LanguageOptions.h"
#include "cli/YogaOptions.h"
#include "cli/YogaText.h"
#include "cli/TextRenderer.h"
#include "cli/VargaText.h"
#include "presentation/ChartNotes.h"
#include "presentation/VargaPoints.h"
#include "birth/ZonePreview.h"
#include "text/Quoted.h"
#include "cli/TimeRequest.h"

namespace velmora::cli {

namespace {

std::string MissingOption(const CliOptions& o) {
    const bool place = !o.request.place.empty();
    const std::pair<const char*, const std::optional<std::string>*> required[] = {
        {"--name", &o.name}, {"--date", &o.date}, {"--time", &o.time}, {"--lon", &o.lon}, {"--lat", &o.lat},
    };
    for (const auto& [option, value] : required) {
        const bool fromPlace = place && (value == &o.lon || value == &o.lat);
        if (!value->has_value() && !fromPlace) return std::string(option) + " is required (velmora-cli --help)";
    }
    return {};
}

// The chart the options describe.
std::string ChartOfOptions(const CliOptions& o, FormFields& form, const ChartWants& wants,
                           std::shared_ptr<const Chart>& chart) {
    if (const std::string missing = MissingOption(o); !missing.empty()) return missing;
    ChartRequest request = o.request;
    request.name = *o.name;
    request.date = *o.date;
    request.time = *o.time;
    request.lon = o.lon.value_or("");
    request.lat = o.lat.value_or("");
    request.precise = !o.classic;
    request.dashaYear = o.dashaYear.value_or("");
    return ChartOfRequest(request, form, wants, chart);
}

}  // namespace

int RunChartCommand(const CliOptions& o, CalendarDate today, ChartStyle style, const CliStreams& io) {
    const int varga = o.varga ? VargaFromName(*o.varga) : -1;
    if (o.varga && varga < 0)
        return Refuse(io.err, "--varga: " + Quoted(*o.varga) + " is not one of the sixteen divisional charts; give one of " +
                                  VargaNames());
    DashaOutput dashas;
    if (const std::string refusal = ReadDashaOptions(o, dashas); !refusal.empty()) return Refuse(io.err, refusal);
    TimeRequest time;
    if (const std::string refusal = TimeRequestFrom(o, io.nowUT, time); !refusal.empty()) return Refuse(io.err, refusal);
    AshtakavargaOutput ashtakavarga;
    if (const std::string refusal = ReadAshtakavargaOptions(o, o.ashtakavarga, ashtakavarga); !refusal.empty())
        return Refuse(io.err, refusal);
    Language language = Language::English;
    Digits digits = Digits::Western;
    if (const std::string refusal = ReadTextLanguageOptions(o, language, digits); !refusal.empty())
        return Refuse(io.err, refusal);
    KarakaScheme karakas = kDefaultKarakaScheme;
    if (const std::string refusal = ReadKarakaScheme(o, karakas); !refusal.empty()) return Refuse(io.err, refusal);
    YogaVargas yogaVargas = kYogaVargasD1;
    if (const std::string refusal = ReadYogaVargas(o, yogaVargas); !refusal.empty()) return Refuse(io.err, refusal);
    ChartWants wants;
    wants.today = today;
    wants.dashas.Add(dashas.systems);
    FormFields form;
    std::shared_ptr<const Chart> computed;
    if (o.open) {
        if (const std::string refusal = ReadBirthOption(*o.open, form); !refusal.empty())
            return Refuse(io.err, refusal);
        if (dashas.year) form.DashaYearChoice = *dashas.year;
        if (const std::string refusal = ChartOfForm(form, wants, computed); !refusal.empty())
            return Refuse(io.err, refusal);
    } else {
        if (const std::string refusal = ChartOfOptions(o, form, wants, computed); !refusal.empty())
            return Refuse(io.err, refusal);
    }
    if (o.save) {
        // Beside a time zone, the zone list as the window fills it from the
        // zone, so that the file opens there as it was computed here; a file
        // opened is saved as it was read.
        if (!o.open) FillZoneListFromTimeZone(form);
        if (const std::optional<int> status = SaveBirthOption(*o.save, form, o.force, io.err)) return *status;
    }
    const Chart& chart = *computed;
    const TimeParts parts = ComputeTimeParts(chart, time);
    if (const std::string refusal = TimeRefusal(parts); !refusal.empty())
        return Refuse(io.err, RefusalIn(refusal, language));
    ChartSource source{chart, dashas.levels, dashas.systems};
    AttachTimeParts(parts, source);
    source.vargas = o.varga.has_value();
    source.ashtakavarga = o.ashtakavarga;
    source.ashtakavargaReading = ashtakavarga.reading;
    source.ashtakavargaReduced = ashtakavarga.reduced;
    source.pointDetails = o.pointDetails;
    source.jaimini = o.jaimini;
    source.karakaScheme = karakas;
    source.cellDegrees = o.cellDegrees;
    source.yogas = o.yogas;
    source.yogaVargas = yogaVargas;
    source.language = language;
    source.labels = o.lang.has_value();
    if (o.json) {
        io.out << ChartJsonIndented(source) + "\n";
    } else {
        const bool ansi = io.stdoutIsTerminal;
        std::string text = Asked(FieldWhen::VargasAsked, source) ? VargaChartText(chart, varga, style, ansi, language)
                                                                 : RenderText(source, ansi, style);
        if (Asked(FieldWhen::AshtakavargaAsked, source))
            text += '\n' + AshtakavargaText(chart, ashtakavarga.reading, style, ansi, ashtakavarga.reduced, language);
        if (Asked(FieldWhen::PointDetailsAsked, source)) AppendPointDetails(text, chart, ansi, language);
        if (Asked(FieldWhen::JaiminiAsked, source)) AppendJaimini(text, source, ansi);
        if (Asked(FieldWhen::YogasAsked, source)) AppendYogas(text, source, ansi);
        io.out << WithDigits(text, language, digits);
    }
    // The text keeps the layout scripts and the reviewed charts compare with;
    // the note goes beside it, to the person at the terminal.
    if (!o.json && chart.mode == ComputationMode::Classic)
        io.err << WithDigits(PositionsNoteIn(chart, language), language, digits) << '\n';
    return 0;
}

}  // namespace velmora::cli
