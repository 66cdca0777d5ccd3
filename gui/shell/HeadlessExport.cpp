#include "shell/HeadlessExport.h"

#include <QString>
#include <algorithm>
#include <optional>
#include <ostream>
#include <string_view>

#include "chart/ComputeChart.h"
#include "presentation/ChartStyle.h"
#include "presentation/ResultTexts.h"
#include "presentation/TimeLabels.h"
#include "result/ChartImage.h"
#include "birthfile/BirthFile.h"
#include "text/Quoted.h"
#include "shell/ChartOutput.h"
#include "services/Clock.h"
#include "services/SystemMonthNames.h"
#include "widgets/LocaleTimes.h"

namespace velmora {

namespace {

int Refuse(std::ostream& err, const std::string& message) {
    err << "velmora --export: " << message << '\n';
    return kExportRefused;
}

}  // namespace

std::string MisplacedExportRequest(const std::vector<std::string>& words) {
    const auto startsWith = [](const std::string& word, std::string_view start) {
        return word.compare(0, start.size(), start) == 0;
    };
    for (const std::string& word : words) {
        if (startsWith(word, "--export="))
            return "give the output file after --export with a space (--export OUT BIRTHFILE), got " + Quoted(word);
        for (const std::string_view option :
             {std::string_view("--paper"), std::string_view("--scale"), std::string_view("--chart-style"),
              std::string_view("--ashtakavarga-reading"), std::string_view("--ashtakavarga-reduced")})
            if (word == option || startsWith(word, std::string(option) + "="))
                return std::string(option) + " goes after --export OUT BIRTHFILE";
    }
    return {};
}

int RunHeadlessExport(const std::vector<std::string>& args, std::ostream& err) {
    if (args.size() < 2)
        return Refuse(err, "give the output file and the birth file: velmora --export OUT.pdf|OUT.svg|OUT.png BIRTHFILE");
    const std::string& out = args[0];
    const std::string& birth = args[1];
    QPageSize::PageSizeId paper = QPageSize::A4;
    int scale = 2;
    ChartStyle style = ChartStyle::South;
    // The ashtakavarga of the PDF: whose reading, and the reduced tables.
    AshtakavargaReading reading = AshtakavargaReading::Raman;
    bool reduced = false;
    for (std::size_t i = 2; i < args.size();) {
        const std::string& option = args[i++];
        if (option == "--ashtakavarga-reduced") {
            reduced = true;
            continue;
        }
        // An option not of --export is named as such, before any value is looked for.
        constexpr std::string_view kWithValues[] = {"--ashtakavarga-reading", "--chart-style", "--paper", "--scale"};
        if (std::find(std::begin(kWithValues), std::end(kWithValues), option) == std::end(kWithValues))
            return Refuse(err, "unknown option " + Quoted(option));
        if (i >= args.size()) return Refuse(err, VisibleText(option) + " needs a value");
        const std::string& value = args[i++];
        if (option == "--ashtakavarga-reading") {
            const std::optional<AshtakavargaReading> chosen = AshtakavargaReadingOfKey(value);
            if (!chosen) return Refuse(err, "--ashtakavarga-reading: give raman or rao, got " + Quoted(value));
            reading = *chosen;
        } else if (option == "--chart-style") {
            const std::optional<ChartStyle> chosen = ParseChartStyle(value);
            if (!chosen) return Refuse(err, "--chart-style: give south or north, got " + Quoted(value));
            style = *chosen;
        } else if (option == "--paper" && (value == "a4" || value == "letter")) {
            paper = value == "a4" ? QPageSize::A4 : QPageSize::Letter;
        } else if (option == "--scale" && value.size() == 1 && value[0] >= '1' && value[0] <= '8') {
            scale = value[0] - '0';
        } else {  // --paper or --scale
            return Refuse(err, option + ": " + (option == "--paper" ? "give a4 or letter" : "give 1 to 8") + ", got " +
                                   Quoted(value));
        }
    }
    const QString outPath = QString::fromStdString(out);
    const QString suffix = outPath.section(QLatin1Char('.'), -1).toLower();
    if (!outPath.contains(QLatin1Char('.')) ||
        (suffix != QLatin1String("pdf") && suffix != QLatin1String("svg") && suffix != QLatin1String("png")))
        return Refuse(err, "the output file's name must end in .pdf, .svg or .png, got " + Quoted(out));

    // Only a regular file or a new name is written; a FIFO or a device named
    // as the output is a bad request, refused before anything is read.
    if (const QString refusal = ExportTargetRefusal(outPath); !refusal.isEmpty())
        return Refuse(err, Quoted(out) + ": " + refusal.toStdString());

    const BirthFileRead read = ReadBirthFile(birth);
    if (!read.Ok()) return Refuse(err, read.error);

    // The month names of the details as the window writes them.
    const MonthNames months = SystemMonthNames();
    ChartWants wants;
    wants.today = SystemClock().Today();  // the dasha periods running today are marked, as in the window
    wants.dashas = DashaSet::All();       // every dasha system of the PDF, as the window prints them
    const ChartOutcome computed = ComputeChartOfForm(read.fields, wants);
    if (!computed.Computed()) {
        std::string message = Quoted(birth) + ": " + computed.refusal.message;
        if (computed.refusal.kind == ChartRefusalKind::RepeatedHour)
            message += " (say which in the birth file: \"repeatedHour\": \"earlier\" or \"later\")";
        return Refuse(err, message);
    }
    PrintChoices choices;
    choices.style = style;
    choices.ashtakavargaReading = reading;
    choices.ashtakavargaReduced = reduced;
    const QString failure = ExportChart(outPath, *computed.chart, months, scale, paper, choices);
    if (!failure.isEmpty()) {
        err << "velmora --export: cannot write \"" << out << "\": " << failure.toStdString() << '\n';
        return kExportWriteFailed;
    }
    return 0;
}

}  // namespace velmora
