#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <functional>
#include <optional>
#include <ostream>

#include "cli/AshtakavargaOptions.h"
#include "cli/BatchPipeline.h"
#include "cli/BatchRunner.h"
#include "cli/Commands.h"
#include "cli/DashaOptions.h"
#include "cli/JaiminiOptions.h"
#include "cli/LanguageOptions.h"
#include "cli/YogaOptions.h"
#include "text/Quoted.h"

namespace velmora::cli {

namespace {

struct BatchSettings {
    BatchOutput output;
    int jobs = 1;
};

// The input's size when it is a regular file, else 0.
std::uint64_t RegularFileSize(int fd) {
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return 0;
    return static_cast<std::uint64_t>(info.st_size);
}

// --ashtakavarga (--point-details, --jaimini): the chosen fields, or the
// whole object (every field with CSV columns for CSV), and the field after
// them. Without chosen fields it is asked for, as --panchanga asks for its
// part: naming every field instead would ask for every other dasha system too.
void AddRequested(BatchOutput& output, const ChartField& field, bool& asked) {
    if (output.fields.empty()) {
        asked = true;
        return;
    }
    for (const ChartField* chosen : output.fields)
        if (chosen == &field) return;
    output.fields.push_back(&field);
}

// The batch's output and threads from the options; the refusal, empty when they are good.
std::string BatchSettingsFrom(const CliOptions& o, BatchSettings& settings) {
    if (o.fields) {
        if (std::string refusal = ParseFieldList(*o.fields, settings.output.fields); !refusal.empty())
            return refusal;
    }
    if (o.format && *o.format == "csv") {
        settings.output.format = BatchFormat::Csv;
    } else if (o.format && *o.format != "jsonl") {
        return "--format: give jsonl or csv, got " + Quoted(*o.format);
    }
    if (o.ashtakavarga) AddRequested(settings.output, AshtakavargaField(), settings.output.ashtakavarga);
    if (o.pointDetails) AddRequested(settings.output, PointDetailsField(), settings.output.pointDetails);
    if (o.jaimini) AddRequested(settings.output, JaiminiField(), settings.output.jaimini);
    if (std::string refusal = ReadKarakaScheme(o, settings.output.karakaScheme); !refusal.empty()) return refusal;
    if (o.yogas) {
        AddRequested(settings.output, YogasField(), settings.output.yogas);
        AddRequested(settings.output, DoshasField(), settings.output.yogas);
    }
    if (std::string refusal = ReadYogaVargas(o, settings.output.yogaVargas); !refusal.empty()) return refusal;
    if (o.lang) {
        Language language = Language::English;
        Digits digits = Digits::Western;
        if (std::string refusal = ReadLanguageOptions(o, language, digits); !refusal.empty()) return refusal;
        if (settings.output.format == BatchFormat::Csv)
            return "--lang adds a \"labels\" object to each JSON line, which has no CSV columns; choose --format jsonl";
        settings.output.labels = language;
    }
    if (settings.output.format == BatchFormat::Csv && (o.pointDetails || o.jaimini))
        return std::string(o.jaimini ? "--jaimini" : "--point-details") +
               " writes nested lists, which have no CSV columns; choose --format jsonl";
    const auto& fields = settings.output.fields;
    const bool ashtakavarga = settings.output.ashtakavarga ||
                              std::find(fields.begin(), fields.end(), &AshtakavargaField()) != fields.end();
    if (std::string refusal = ReadAshtakavargaOptions(o, ashtakavarga, settings.output.ashtakavargaChoice);
        !refusal.empty())
        return refusal;
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
    DashaOutput dashas;
    if (const std::string refusal = ReadDashaOptions(o, dashas); !refusal.empty()) return refusal;
    settings.output.dashaYear = o.dashaYear.value_or("");
    settings.output.dashaLevels = dashas.levels;
    settings.output.dashas = dashas.systems;
    return {};
}

}  // namespace

int RunOverLines(std::string_view command, const std::string& source, const CliStreams& io, bool progress,
                 const std::function<BatchOutcome(LineSource&, BatchProgress*)>& run) {
    BatchOutcome outcome;
    auto over = [&](LineSource& lines, int fd) {
        std::optional<BatchProgress> shown;
        if (progress) shown.emplace(io.err, &BatchProgress::SteadyNow, RegularFileSize(fd));
        outcome = run(lines, shown ? &*shown : nullptr);
    };
    if (source == "-") {
        if (io.stdinFd >= 0) {
            DescriptorLines lines(io.stdinFd);
            over(lines, io.stdinFd);
        } else {
            StreamLines lines(io.in);
            over(lines, -1);
        }
    } else {
        // A directory opens and then fails at its first read, which is said below.
        const int fd = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) return Refuse(io.err, std::string(command) + ": cannot read " + Quoted(source));
        DescriptorLines lines(fd);
        over(lines, fd);
        ::close(fd);
    }
    if (outcome.writeFailed) return kExitWriteFailed;  // RunCli says so
    if (!outcome.readError.empty()) {
        io.out.flush();
        const std::string name = source == "-" ? "standard input" : Quoted(source);
        return Refuse(io.err, std::string(command) + ": reading " + name + " failed: " + outcome.readError);
    }
    return outcome.refusedLines > 0 ? kExitRefused : 0;
}

std::string ReadBatchOptions(const CliOptions& options, CalendarDate today, double nowUT, BatchOutput& output,
                             int& jobs) {
    BatchSettings settings;
    settings.output.today = today;
    if (std::string refusal = TimeRequestFrom(options, nowUT, settings.output.time); !refusal.empty())
        return refusal;
    if (std::string refusal = BatchSettingsFrom(options, settings); !refusal.empty()) return refusal;
    output = std::move(settings.output);
    jobs = settings.jobs;
    return {};
}

int RunBatchCommand(const CliOptions& options, CalendarDate today, const CliStreams& io) {
    BatchOutput output;
    int jobs = 1;
    if (const std::string refusal = ReadBatchOptions(options, today, io.nowUT, output, jobs); !refusal.empty())
        return Refuse(io.err, refusal);
    const bool progress = io.stderrIsTerminal && !options.quiet;
    return RunOverLines("batch", *options.batch, io, progress, [&](LineSource& lines, BatchProgress* progress) {
        return RunBatch(lines, io.out, output, jobs, progress);
    });
}

}  // namespace velmora::cli
