#include "cli/CliApp.h"

#include <ctime>
#include <istream>
#include <ostream>

#include "birth/IsoDate.h"
#include "cli/Commands.h"
#include "text/Quoted.h"

namespace velmora::cli {

int Refuse(std::ostream& err, std::string_view message) {
    err << message << '\n';
    return kExitRefused;
}

namespace {

// The one command the options ask for.
int Dispatch(const std::vector<std::string>& args, CalendarDate today, const CliStreams& io) {
    CliOptions o;
    if (const std::string refusal = ParseOptions(args, o); !refusal.empty()) return Refuse(io.err, refusal);
    if (o.help) return RunHelpCommand(io.out);
    if (o.zones) return RunZonesCommand(io.out);
    if (o.places) return RunPlacesCommand(*o.places, io.out, io.err);
    if (o.today) {
        today = ParseIsoDate(*o.today);
        if (!today.Valid()) return Refuse(io.err, "--today must be a date YYYY-MM-DD, got " + Quoted(*o.today));
    }
    ChartStyle style = ChartStyle::South;
    if (o.chartStyle) {
        const std::optional<ChartStyle> parsed = ParseChartStyle(*o.chartStyle);
        if (!parsed) return Refuse(io.err, "--chart-style must be south or north, got " + Quoted(*o.chartStyle));
        style = *parsed;
    }
    if (o.batch) return RunBatchCommand(o, today, io);
    if (!o.match.empty()) return RunMatchCommand(o, io);
    if (o.matchBatch) return RunMatchBatchCommand(o, io);
    return RunChartCommand(o, today, style, io);
}

}  // namespace

CalendarDate SystemToday() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (!localtime_r(&now, &local)) return {};
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

double SystemNowJulianDay() {
    constexpr double kUnixEpoch = 2440587.5;  // 1 January 1970, 0 h UT
    return kUnixEpoch + static_cast<double>(std::time(nullptr)) / 86400.0;
}

CalendarDate ParseIsoDate(std::string_view text) {
    const std::optional<IsoDate> date = velmora::ParseIsoDate(text);
    return date ? CalendarDate{date->year, date->month, date->day} : CalendarDate{};
}

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err, bool stdoutIsTerminal, int stdinFd, bool stderrIsTerminal, CalendarDate today,
           double nowUT) {
    const CliStreams io{in, out, err, stdinFd, stdoutIsTerminal, stderrIsTerminal, nowUT};
    const int status = Dispatch(args, today, io);
    out.flush();
    if (!out) {
        err << "cannot write the output\n";
        return kExitWriteFailed;
    }
    return status;
}

}  // namespace velmora::cli
