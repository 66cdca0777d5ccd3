#include "cli/CliApp.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <cctype>
#include <ctime>
#include <charconv>
#include <istream>
#include <optional>
#include <ostream>

#include "atlas/Atlas.h"
#include "birthfile/BirthFile.h"
#include "cli/BatchPipeline.h"
#include "cli/BatchRunner.h"
#include "cli/ChartRequest.h"
#include "cli/JsonRenderer.h"
#include "cli/TextRenderer.h"
#include "text/Quoted.h"
#include "birth/ZoneTable.h"

namespace velmora::cli {

namespace {

constexpr std::string_view kHelp = R"help(velmora-cli: a Graha Arudha chart and its report from one birth's data

Usage:
  velmora-cli --name TEXT --date YYYY-MM-DD --time HH:MM[:SS] --lon DEG:MIN{E|W} --lat DEG:MIN{N|S}
              [--zone POS|ABBR] [--dst] [--city TEXT] [--state TEXT] [--country TEXT]
              [--place TEXT] [--tz AREA/CITY] [--ambiguous earlier|later]
              [--classic | --node mean|true] [--chart-style south|north]
              [--today YYYY-MM-DD] [--json] [--save BIRTHFILE [--force]]
  velmora-cli --open BIRTHFILE [--chart-style south|north] [--today YYYY-MM-DD] [--json]
              [--save BIRTHFILE [--force]]
  velmora-cli --places TEXT      the atlas's places a name finds
  velmora-cli --batch FILE|- [--fields LIST] [--format jsonl|csv] [--jobs N] [--quiet]
                                 one JSON object per line in, one line per line out
  velmora-cli --zones            the 71 zone entries with their positions
  velmora-cli --help

Options:
  --name TEXT        the name: letters and spaces, lower case becomes capitals
  --date YYYY-MM-DD  the birth date, 1901-01-01 to 2050-12-31
  --time HH:MM[:SS]  the local clock time, 00:00 to 23:59 (seconds count in
                     precise mode only)
  --lon DEG:MIN{E|W} longitude: degrees 0-179, minutes 0-59, East or West (77:35E)
  --lat DEG:MIN{N|S} latitude: degrees 0-89, minutes 0-59, North or South (12:58N)
  --zone POS|ABBR    time zone: list position 0-70 or an abbreviation (default 29, GMT)
  --dst              daylight saving time was in force
  --city, --state, --country TEXT
                     the place, shown with the details
  --place TEXT       a place of the atlas ("Kolkata", "Springfield, Illinois"):
                     its coordinates, names and time zone, where --lon, --lat
                     and --city/--state/--country give none; --lon and --lat
                     are then optional
  --tz AREA/CITY     a time zone with its history (Asia/Kolkata): the offset
                     and daylight saving at the birth replace --zone and --dst
  --ambiguous earlier|later
                     which of a local time shown twice (the hour repeated
                     when the clocks go back)
  --places TEXT      list the places a name finds, most populous first
  --classic          the program's own classic engine instead of the Swiss
                     Ephemeris (up to 1.5 degrees off; the output says
                     "Classic positions (the program's own model)")
  --precise          the default, kept for old scripts: positions from the
                     Swiss Ephemeris at the true instant (Universal Time =
                     clock - zone - 1 h with --dst), Lahiri ayanamsa, the
                     ascendant at any latitude, retrograde from the planets'
                     speeds; not with --classic
  --node mean|true   Rahu (and Ketu opposite) in precise mode: the mean node
                     (default, as the classic engine) or the true node; not
                     with --classic
  --chart-style south|north
                     the birth chart and the Navamsa drawn South-Indian (the
                     signs in fixed places, default) or North-Indian (the
                     diamond, the ascendant's sign in the top house)
  --today YYYY-MM-DD the day whose running dasha periods are marked (default
                     the system's date)
  --json             one JSON object instead of the text for a person
  --open BIRTHFILE   the chart of a birth file (.velmora) saved by the window
                     or by --save, instead of the options that describe a birth
  --save BIRTHFILE   also write the birth as a birth file the window opens
                     (written whole or not at all; only for a chart that computes;
                     a birth that would not open again is refused)
  --force            with --save: replace the birth file even when it is read-only
  --batch FILE|-     each line {"name","date","time","lon","lat","zone","dst","city",
                     "state","country","precise","node","place","tz","ambiguous"} gives
                     one output line ("precise": false for the classic engine):
                     the --json object (compact) or {"error": message}; a line
                     longer than 1 MiB is refused as one error line
  --fields LIST      with --batch: what each output line holds, a comma-separated
                     list of the object's keys in the order wanted, such as
                     positions,degrees,bodySigns,arudhaSigns (default: the whole
                     object; without report and reportText the report is not
                     written at all, which is much faster); the keys: name,
                     positions, longitudes, bodyNames, bodySigns, arudhaSigns,
                     signBoxes, arudhaBoxes, details, report, reportText, mode,
                     ayanamsa, degrees, nakshatras, navamsaSigns, dashas
  --format jsonl|csv with --batch: JSON lines (default) or comma-separated values
                     (RFC 4180: a header row, one row a birth, lists spread over
                     columns such as position_sun ... position_asc, a last column
                     "error" holding a refused line's message); csv takes every
                     field but report and dashas unless --fields says otherwise
  --jobs N           with --batch: compute on N threads (default: every core),
                     the output still in input order
  --quiet            with --batch: no progress line on standard error (it is
                     shown only when standard error is a terminal)
  --zones            list the time zones
  -h, --help         this text

A classic chart's text output is followed on standard error by the line
"Classic positions (the program's own model)"; its JSON says "mode": "classic".

Exit status: 0 done, 2 refused (the message alone on standard error; with
--batch, when any line was refused), 1 when the output could not be written.
)help";

struct Options {
    ChartRequest request;
    std::optional<std::string> name, date, time, lon, lat, batch, places, open, save;
    std::optional<std::string> chartStyle, today, fields, format, jobs;
    bool quiet = false;
    bool classic = false;
    bool precise = false;  // the default; the option is kept for scripts that give it
    bool force = false;
    bool json = false;
    bool zones = false;
    bool help = false;
};

void ListZones(std::ostream& out) {
    for (int p = 0; p < kZoneItems; ++p) {
        out << (p < 10 ? " " : "") << p << "  " << kZoneTable[p].DisplayText << '\n';
    }
}

std::string MissingOption(const Options& o) {
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

// Whether any place was found.
bool ListPlaces(const std::string& query, std::ostream& out) {
    const auto found = Atlas::Search(query, 25);
    for (const AtlasEntry& p : found) {
        out << p.Name << " | " << p.State << " | " << p.Country << " | " << CoordinateText(p.Latitude, false) << " | "
            << CoordinateText(p.Longitude, true) << " | " << p.TimeZone << " | " << p.Population;
        if (!p.MatchedAlias.empty()) out << " | found as " << p.MatchedAlias;
        out << '\n';
    }
    return !found.empty();
}

int Refuse(std::ostream& err, std::string_view message) {
    err << message << '\n';
    return kExitRefused;
}

struct BatchSettings {
    BatchOutput output;
    int jobs = 1;
    bool progress = false;  // a progress line on `err`
};

// The input's size when it is a regular file, else 0.
std::uint64_t RegularFileSize(int fd) {
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return 0;
    return static_cast<std::uint64_t>(info.st_size);
}

int RunBatch(const std::string& source, const BatchSettings& settings, std::istream& in, int stdinFd,
             std::ostream& out, std::ostream& err) {
    BatchOutcome outcome;
    auto run = [&](LineSource& lines, int fd) {
        std::optional<BatchProgress> progress;
        if (settings.progress) progress.emplace(err, &BatchProgress::SteadyNow, RegularFileSize(fd));
        outcome = RunBatch(lines, out, settings.output, settings.jobs, progress ? &*progress : nullptr);
    };
    if (source == "-") {
        if (stdinFd >= 0) {
            DescriptorLines lines(stdinFd);
            run(lines, stdinFd);
        } else {
            StreamLines lines(in);
            run(lines, -1);
        }
    } else {
        const int fd = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) return Refuse(err, "batch: cannot read " + Quoted(source));
        DescriptorLines lines(fd);
        run(lines, fd);
        ::close(fd);
    }
    if (outcome.writeFailed) return kExitWriteFailed;  // RunCli says so
    if (!outcome.readError.empty()) {
        out.flush();
        const std::string name = source == "-" ? "standard input" : Quoted(source);
        return Refuse(err, "batch: reading " + name + " failed: " + outcome.readError);
    }
    return outcome.refusedLines > 0 ? kExitRefused : 0;
}

// The batch's output and threads from the options; the refusal, empty when they are good.
std::string BatchSettingsFrom(const Options& o, bool stderrIsTerminal, BatchSettings& settings) {
    if (o.fields) {
        if (std::string refusal = ParseFieldList(*o.fields, settings.output.fields); !refusal.empty())
            return refusal;
    }
    if (o.format && *o.format == "csv") {
        settings.output.format = BatchFormat::Csv;
    } else if (o.format && *o.format != "jsonl") {
        return "--format: give jsonl or csv, got " + Quoted(*o.format);
    }
    if (std::string refusal = CheckBatchOutput(settings.output); !refusal.empty()) return refusal;
    constexpr int kMaxJobs = 256;
    settings.jobs = AvailableCores();
    if (o.jobs) {
        const std::string& text = *o.jobs;
        int jobs = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), jobs);
        if (error != std::errc{} || end != text.data() + text.size() || text.empty() || jobs < 1 || jobs > kMaxJobs)
            return "--jobs: give a number of threads from 1 to " + std::to_string(kMaxJobs) + ", got " + Quoted(text);
        settings.jobs = jobs;
    }
    settings.progress = stderrIsTerminal && !o.quiet;
    return {};
}

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

std::string RunRequest(Options& o, const CLI::App& app, FormFields& form, AnalysisRun& run);

int Dispatch(const std::vector<std::string>& args, std::istream& in, int stdinFd, std::ostream& out,
             std::ostream& err, bool stdoutIsTerminal, bool stderrIsTerminal, CalendarDate today) {
    Options o;
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
    };
    app.get_option("--classic")->excludes(app.get_option("--precise"));
    CLI::Option* open = app.add_option("--open", o.open);
    CLI::Option* save = app.add_option("--save", o.save);
    app.add_flag("--force", o.force)->needs(save);
    CLI::Option* chartStyle = app.add_option("--chart-style", o.chartStyle);
    app.add_option("--today", o.today);
    CLI::Option* batch = app.add_option("--batch", o.batch);
    batch->excludes(chartStyle);
    CLI::Option* batchOptions[] = {
        app.add_option("--fields", o.fields),
        app.add_option("--format", o.format),
        app.add_option("--jobs", o.jobs),
        app.add_flag("--quiet", o.quiet),
    };
    for (CLI::Option* option : batchOptions) option->needs(batch);
    CLI::Option* zones = app.add_flag("--zones", o.zones);
    CLI::Option* places = app.add_option("--places", o.places);
    batch->excludes(zones);
    batch->excludes(places);
    zones->excludes(places);
    for (CLI::Option* other : {batch, zones, places}) {
        open->excludes(other);
        save->excludes(other);
    }
    for (CLI::Option* option : chartOptions) {
        if (option->get_name() != "--json") {
            batch->excludes(option);
            open->excludes(option);
        }
        zones->excludes(option);
        places->excludes(option);
    }

    std::vector<std::string> words;
    if (const std::string refusal = NormaliseArguments(app, args, words); !refusal.empty()) return Refuse(err, refusal);
    std::vector<const char*> argv{"velmora-cli"};
    for (const std::string& word : words) argv.push_back(word.c_str());
    try {
        app.parse(static_cast<int>(argv.size()), argv.data());
    } catch (const CLI::ParseError& e) {
        return Refuse(err, VisibleText(e.what()));  // it may quote any argument
    }

    if (o.help) {
        out << kHelp;
        return 0;
    }
    if (o.zones) {
        ListZones(out);
        return 0;
    }
    if (o.places) {
        if (ListPlaces(*o.places, out)) return 0;
        err << "no place in the atlas matches \"" << *o.places << "\"\n";
        return kExitNoMatch;
    }
    if (o.today) {
        today = ParseIsoDate(*o.today);
        if (!today.Valid()) return Refuse(err, "--today must be a date YYYY-MM-DD, got " + Quoted(*o.today));
    }
    ChartStyle style = ChartStyle::South;
    if (o.chartStyle) {
        const std::optional<ChartStyle> parsed = ParseChartStyle(*o.chartStyle);
        if (!parsed) return Refuse(err, "--chart-style must be south or north, got " + Quoted(*o.chartStyle));
        style = *parsed;
    }
    if (o.batch) {
        BatchSettings settings;
        settings.output.today = today;
        if (const std::string refusal = BatchSettingsFrom(o, stderrIsTerminal, settings); !refusal.empty())
            return Refuse(err, refusal);
        return RunBatch(*o.batch, settings, in, stdinFd, out, err);
    }

    AnalysisRun run;
    run.Today = today;
    FormFields form;
    if (o.open) {
        BirthFileRead read = ReadBirthFile(*o.open);
        if (!read.Ok()) return Refuse(err, read.error);
        form = std::move(read.fields);
        const ValidationResult checked = run.RunAnalysis(form, EnglishMonthNames());
        if (!checked.Passed()) return Refuse(err, checked.message);
    } else {
        if (const std::string refusal = RunRequest(o, app, form, run); !refusal.empty()) return Refuse(err, refusal);
    }
    if (o.save) {
        const BirthFileSave saved = WriteBirthFile(*o.save, form, o.force);
        if (saved.readOnly) return Refuse(err, saved.error + " Give --force to replace it.");
        if (!saved.Ok()) {
            err << saved.error << '\n';
            return saved.refused ? kExitRefused : kExitWriteFailed;
        }
        if (!saved.notice.empty()) err << saved.notice << '\n';
    }
    out << (o.json ? ChartJsonIndented(run) + "\n" : RenderText(run, stdoutIsTerminal, style));
    // The text keeps the layout scripts and the reviewed charts compare with;
    // the note goes beside it, to the person at the terminal.
    if (!o.json && run.Mode == ComputationMode::Classic) err << kClassicPositionsNote << '\n';
    return 0;
}

// The chart the options describe.
std::string RunRequest(Options& o, const CLI::App& app, FormFields& form, AnalysisRun& run) {
    if (const std::string missing = MissingOption(o); !missing.empty()) return missing;
    o.request.name = *o.name;
    o.request.date = *o.date;
    o.request.time = *o.time;
    o.request.lon = o.lon.value_or("");
    o.request.lat = o.lat.value_or("");
    o.request.zoneGiven = app.count("--zone") > 0;
    o.request.nodeGiven = app.count("--node") > 0;
    o.request.precise = !o.classic;
    return RunChart(o.request, form, run, EnglishMonthNames());
}

}  // namespace

CalendarDate SystemToday() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (!localtime_r(&now, &local)) return {};
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

CalendarDate ParseIsoDate(std::string_view text) {
    auto digits = [&text](std::size_t at, std::size_t count, int& value) {
        value = 0;
        for (std::size_t i = at; i < at + count; ++i) {
            if (i >= text.size() || text[i] < '0' || text[i] > '9') return false;
            value = value * 10 + (text[i] - '0');
        }
        return true;
    };
    CalendarDate date;
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return {};
    if (!digits(0, 4, date.year) || !digits(5, 2, date.month) || !digits(8, 2, date.day)) return {};
    if (date.year < 1 || date.month < 1 || date.month > 12 || date.day < 1 ||
        date.day > DaysInMonth(date.year, date.month))
        return {};
    return date;
}

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err, bool stdoutIsTerminal, int stdinFd, bool stderrIsTerminal, CalendarDate today) {
    const int status = Dispatch(args, in, stdinFd, out, err, stdoutIsTerminal, stderrIsTerminal, today);
    out.flush();
    if (!out) {
        err << "cannot write the output\n";
        return kExitWriteFailed;
    }
    return status;
}

}  // namespace velmora::cli
