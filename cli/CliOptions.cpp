#include "cli/CliOptions.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>

#include "text/Quoted.h"

namespace velmora::cli {

namespace {

// CLI11 takes the word after an option as its value even when that word is
// another option, and reads "--city=" as "--city" followed by the next word.
// Here "--city=" is an empty city, and an option is never a value unless the
// user joined it with "=".
std::string NormaliseArguments(const CLI::App& app, const std::vector<std::string>& args,
                               std::vector<std::string>& out) {
    auto looksLikeOption = [](std::string_view word) {
        return word.size() >= 2 && word[0] == '-' && (word[1] == '-' || std::isalpha(static_cast<unsigned char>(word[1])));
    };
    out.clear();
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() > 3 && arg.starts_with("--") && arg.back() == '=' && arg.find('=') == arg.size() - 1) {
            out.push_back(arg.substr(0, arg.size() - 1));
            out.emplace_back();
            continue;
        }
        out.push_back(arg);
        if (!arg.starts_with("-") || arg.find('=') != std::string::npos) continue;
        const CLI::Option* option = app.get_option_no_throw(arg);
        if (!option || option->get_items_expected_min() == 0) continue;
        if (i + 1 < args.size() && looksLikeOption(args[i + 1]))
            return VisibleText(arg) + ": a value is needed, and " + Quoted(args[i + 1]) + " is an option (write " +
                   VisibleText(arg) + "= for an empty value, or " + VisibleText(arg + "=" + args[i + 1]) +
                   " to mean it)";
    }
    return {};
}

// The commands, each chosen by its option, the chart's by none.
enum Command : unsigned { kChart = 1, kBatch = 2, kMatch = 4, kMatchBatch = 8, kZones = 16, kPlaces = 32 };

struct OptionUse {
    std::string_view option;
    unsigned commands;  // Command bits: where the option means something
};

// Every option and the commands it means something to; given to any other it
// is refused, rather than taken without a word. An option missing here means
// nothing anywhere, which the tests catch.
constexpr OptionUse kOptionUses[] = {
    {"--help", ~0u},
    {"--name", kChart}, {"--date", kChart}, {"--time", kChart}, {"--lon", kChart}, {"--lat", kChart},
    {"--zone", kChart}, {"--dst", kChart}, {"--city", kChart}, {"--state", kChart}, {"--country", kChart},
    {"--precise", kChart}, {"--classic", kChart}, {"--node", kChart}, {"--place", kChart}, {"--tz", kChart},
    {"--ambiguous", kChart}, {"--ayanamsa", kChart}, {"--positions", kChart}, {"--houses", kChart},
    {"--open", kChart}, {"--save", kChart}, {"--force", kChart}, {"--chart-style", kChart}, {"--varga", kChart},
    {"--json", kChart | kBatch | kMatch},
    {"--today", kChart | kBatch},
    {"--panchanga", kChart | kBatch}, {"--sunrise", kChart | kBatch}, {"--transit", kChart | kBatch},
    {"--dasha-year", kChart | kBatch}, {"--dasha-levels", kChart | kBatch}, {"--dasha-systems", kChart | kBatch},
    {"--ashtakavarga", kChart | kBatch}, {"--ashtakavarga-reading", kChart | kBatch},
    {"--ashtakavarga-reduced", kChart | kBatch}, {"--sensitivity", kChart | kBatch},
    {"--strengths", kChart | kBatch},
    {"--point-details", kChart | kBatch}, {"--jaimini", kChart | kBatch}, {"--karakas", kChart | kBatch},
    {"--yogas", kChart | kBatch}, {"--yogas-varga", kChart | kBatch},
    {"--cell-degrees", kChart}, {"--lang", kChart | kBatch | kMatch}, {"--digits", kChart | kMatch},
    {"--batch", kBatch}, {"--fields", kBatch}, {"--format", kBatch}, {"--jobs", kBatch}, {"--quiet", kBatch},
    {"--match", kMatch}, {"--match-batch", kMatchBatch}, {"--zones", kZones}, {"--places", kPlaces},
};

// The command the options choose, as velmora-cli dispatches them, and the
// option that chose it.
std::pair<Command, std::string_view> ChosenCommand(const CliOptions& o) {
    if (o.zones) return {kZones, "--zones"};
    if (o.places) return {kPlaces, "--places"};
    if (o.batch) return {kBatch, "--batch"};
    if (!o.match.empty()) return {kMatch, "--match"};
    if (o.matchBatch) return {kMatchBatch, "--match-batch"};
    return {kChart, ""};
}

// The first option given that means nothing to the command chosen.
std::string UnusedOption(const CLI::App& app, const CliOptions& o) {
    const auto [command, chosenBy] = ChosenCommand(o);
    for (const CLI::Option* option : app.get_options()) {
        if (option->count() == 0) continue;
        const std::string name = option->get_name();
        const auto* use = std::find_if(std::begin(kOptionUses), std::end(kOptionUses),
                                       [&](const OptionUse& u) { return u.option == name; });
        if (use != std::end(kOptionUses) && (use->commands & command) != 0) continue;
        if (command == kChart) return name + " means nothing without the command it belongs to; leave it out";
        return name + " means nothing with " + std::string(chosenBy) + "; leave it out";
    }
    return {};
}

}  // namespace

std::string ParseOptions(const std::vector<std::string>& args, CliOptions& o) {
    CLI::App app{"velmora-cli"};
    app.set_help_flag();
    app.add_flag("-h,--help", o.help);
    CLI::Option* chartOptions[] = {
        app.add_option("--name", o.name),
        app.add_option("--date", o.date),
        app.add_option("--time", o.time),
        app.add_option("--lon", o.lon),
        app.add_option("--lat", o.lat),
        app.add_option("--zone", o.request.zone),
        app.add_flag("--dst", o.request.dst),
        app.add_option("--city", o.request.city),
        app.add_option("--state", o.request.state),
        app.add_option("--country", o.request.country),
        app.add_flag("--precise", o.precise),
        app.add_flag("--classic", o.classic),
        app.add_option("--node", o.request.node),
        app.add_option("--place", o.request.place),
        app.add_option("--tz", o.request.tz),
        app.add_option("--ambiguous", o.request.ambiguous),
        app.add_flag("--json", o.json),
        app.add_option("--ayanamsa", o.request.ayanamsa),
        app.add_option("--positions", o.request.positions),
        app.add_option("--houses", o.request.houses),
    };
    app.get_option("--classic")->excludes(app.get_option("--precise"));
    CLI::Option* open = app.add_option("--open", o.open);
    CLI::Option* save = app.add_option("--save", o.save);
    app.add_flag("--force", o.force)->needs(save);
    CLI::Option* chartStyle = app.add_option("--chart-style", o.chartStyle);
    app.add_option("--lang", o.lang);
    app.add_option("--digits", o.digits);
    app.add_option("--today", o.today);
    app.add_flag("--panchanga", o.panchanga);
    app.add_option("--sunrise", o.sunrise);
    app.add_option("--transit", o.transit)->expected(0, 1);
    app.add_option("--sensitivity", o.sensitivity);
    app.add_flag("--strengths", o.strengths);
    CLI::Option* batch = app.add_option("--batch", o.batch);
    batch->excludes(chartStyle);
    CLI::Option* batchOptions[] = {
        app.add_option("--fields", o.fields),
        app.add_option("--format", o.format),
        app.add_option("--jobs", o.jobs),
        app.add_flag("--quiet", o.quiet),
    };
    for (CLI::Option* option : batchOptions) option->needs(batch);
    CLI::Option* dashaOptions[] = {
        app.add_option("--dasha-year", o.dashaYear),
        app.add_option("--dasha-levels", o.dashaLevels),
        app.add_option("--dasha-systems", o.dashaSystems),
    };
    CLI::Option* ashtakavarga = app.add_flag("--ashtakavarga", o.ashtakavarga);
    // Whether the ashtakavarga is written is known once --fields is read (cli/AshtakavargaOptions).
    app.add_option("--ashtakavarga-reading", o.ashtakavargaReading);
    app.add_flag("--ashtakavarga-reduced", o.ashtakavargaReduced);
    CLI::Option* pointDetails = app.add_flag("--point-details", o.pointDetails);
    CLI::Option* jaimini = app.add_flag("--jaimini", o.jaimini);
    app.add_option("--karakas", o.karakas)->needs(jaimini);
    CLI::Option* yogas = app.add_flag("--yogas", o.yogas);
    app.add_option("--yogas-varga", o.yogasVarga)->needs(yogas);
    CLI::Option* cellDegrees = app.add_flag("--cell-degrees", o.cellDegrees);
    CLI::Option* match = app.add_option("--match", o.match)->expected(2);
    CLI::Option* matchBatch = app.add_option("--match-batch", o.matchBatch);
    CLI::Option* zones = app.add_flag("--zones", o.zones);
    CLI::Option* places = app.add_option("--places", o.places);
    batch->excludes(zones);
    batch->excludes(places);
    zones->excludes(places);
    for (CLI::Option* other : {batch, zones, places}) {
        open->excludes(other);
        save->excludes(other);
    }
    CLI::Option* varga = app.add_option("--varga", o.varga);
    for (CLI::Option* other : {batch, zones, places}) other->excludes(varga);
    for (CLI::Option* option : dashaOptions) {
        zones->excludes(option);
        places->excludes(option);
    }
    for (CLI::Option* option : chartOptions) {
        if (option->get_name() != "--json") {
            batch->excludes(option);
            open->excludes(option);
        }
        zones->excludes(option);
        places->excludes(option);
    }

    for (CLI::Option* other : {batch, open, save, zones, places, chartStyle, ashtakavarga}) {
        match->excludes(other);
        matchBatch->excludes(other);
    }
    matchBatch->excludes(match);
    for (CLI::Option* option : chartOptions) {
        if (option->get_name() != "--json") match->excludes(option);
        matchBatch->excludes(option);
    }
    for (CLI::Option* other : {zones, places}) ashtakavarga->excludes(other);
    for (CLI::Option* asked : {pointDetails, jaimini, yogas, cellDegrees}) {
        for (CLI::Option* other : {zones, places, match, matchBatch}) asked->excludes(other);
    }
    cellDegrees->excludes(batch);

    std::vector<std::string> words;
    if (const std::string refusal = NormaliseArguments(app, args, words); !refusal.empty()) return refusal;
    std::vector<const char*> argv{"velmora-cli"};
    for (const std::string& word : words) argv.push_back(word.c_str());
    try {
        app.parse(static_cast<int>(argv.size()), argv.data());
    } catch (const CLI::ParseError& e) {
        return VisibleText(e.what());  // it may quote any argument
    }

    o.request.zoneGiven = app.count("--zone") > 0;
    o.request.nodeGiven = app.count("--node") > 0;
    if (o.help) return {};
    return UnusedOption(app, o);
}

}  // namespace velmora::cli
