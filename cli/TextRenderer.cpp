#include "cli/TextRenderer.h"

#include <string_view>

#include "cli/Ansi.h"
#include "cli/BeyondArudhasText.h"
#include "cli/ChartText.h"
#include "cli/TimeText.h"
#include "text/TextWidth.h"
#include "presentation/ChartNotes.h"
#include "presentation/BirthLabels.h"
#include "presentation/ChartLabels.h"
#include "presentation/Glossary.h"
#include "presentation/LocalFormat.h"
#include "presentation/Phrases.h"
#include "presentation/PositionLabels.h"

namespace velmora::cli {

namespace {

void AppendPadded(std::string& out, std::string_view text, std::size_t width) {
    out += text;
    if (const std::size_t columns = TerminalWidth(text); columns < width) out.append(width - columns, ' ');
}

std::string_view TrimEnd(std::string_view text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

void AppendHeading(std::string& out, std::string_view heading, bool ansi) {
    AppendStyled(out, heading, kBold, ansi);
    out += '\n';
}

void AppendDetails(std::string& out, const Chart& chart, bool ansi, Language language) {
    AppendHeading(out, Say(language, "Your details"), ansi);
    const ChartBirth& b = chart.birth;
    const std::pair<std::string_view, std::string> rows[] = {
        {Say(language, "Name"), b.name},
        {Say(language, "Date of Birth"), BirthDateLabel(b.clock, MonthNamesOf(language))},
        {Say(language, "Time of Birth"), BirthTimeLabel(b.clock)},
        {Say(language, "Longitude"), AngleLabel(b.longitudeDegrees, b.longitudeMinutes)},
        {Say(language, "Latitude"), AngleLabel(b.latitudeDegrees, b.latitudeMinutes)},
        {Say(language, "City"), b.city},
        {Say(language, "State"), b.state},
        {Say(language, "Country"), b.country},
    };
    auto row = [&out](std::string_view caption, std::string_view value) {
        out += "  ";
        AppendPadded(out, caption, 15);
        out += ": ";
        out += value;
        out += '\n';
    };
    for (const auto& [caption, value] : rows) row(caption, value);
    if (!b.place.empty()) row(Say(language, "Place"), b.place);
    if (const std::string zone = ZoneTextIn(b, language); !zone.empty()) row(Say(language, "Time zone"), zone);
    if (chart.mode == ComputationMode::Precise) row(Say(language, "Positions"), ModeTextIn(chart, language));
}

void AppendPositions(std::string& out, const Chart& chart, bool ansi, const Glossary& glossary) {
    AppendHeading(out, Say(glossary.language, "Vedic Planetary Position"), ansi);
    for (int i = 0; i < kBodyCount; ++i) {
        const ChartPoint& point = chart.points[static_cast<std::size_t>(i)];
        out += "  ";
        AppendPadded(out, PositionRowCaption(glossary, i), 17);
        AppendPadded(out, TrimEnd(BodyLabel(glossary, i, point.retrograde)), 13);
        AppendPadded(out, WithSignShort(glossary, ShortPositionText(point)), 11);
        out += WithSignShort(glossary, LongPositionText(point));
        out += '\n';
    }
}

void AppendReport(std::string& out, const Report& report, bool ansi) {
    for (const ReportPiece& piece : report) {
        const bool red = piece.color == ReportColor::DarkRed;
        const std::string_view style = piece.bold ? (red ? kBoldDarkRed : kBold) : (red ? kDarkRed : "");
        AppendStyled(out, piece.text, style, ansi);
        out.append(static_cast<std::size_t>(piece.breaks > 0 ? piece.breaks : 0), '\n');
    }
    if (!out.empty() && out.back() != '\n') out += '\n';
}

}  // namespace

std::string RenderText(const ChartSource& source, bool ansi, ChartStyle style) {
    const Chart& chart = source.chart;
    std::string out;
    AppendDetails(out, chart, ansi, source.language);
    out += '\n';
    const Glossary& glossary = GlossaryOf(source.language);
    AppendPositions(out, chart, ansi, glossary);
    out += '\n';
    AppendHeading(out, Say(source.language, "Hora"), ansi);
    const PlacedPoints birthChart = BirthChartPoints(chart);
    out += DrawChartText(MakeChartDiagram(source.cellDegrees ? WithCellDegrees(birthChart, chart) : birthChart), style, ansi,
                         glossary);
    if (source.cellDegrees)
        out.append("  ")
            .append(Say(source.language, "Beside each point its degrees and minutes in its sign (21:33 is 21° 33′)."))
            .append("\n");
    out += '\n';
    AppendReport(out, source.chart.report, ansi);
    AppendBeyondArudhas(out, source, ansi, style);
    AppendTimeSections(out, source, ansi, style);
    return out;
}

}  // namespace velmora::cli
