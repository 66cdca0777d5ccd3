#include "cli/TimeText.h"

#include "cli/Ansi.h"
#include "cli/ChartFields.h"
#include "cli/ChartText.h"
#include "cli/StrengthsText.h"
#include "presentation/ChartDiagram.h"
#include "presentation/SensitivityLabels.h"
#include "presentation/TimeLabels.h"

namespace velmora::cli {

namespace {

void AppendRows(std::string& out, const std::vector<LabelRow>& rows) {
    for (const LabelRow& row : rows) {
        out += "  " + row.label + ":";
        out.append(row.label.size() < 16 ? 16 - row.label.size() : 1, ' ');
        out += row.text + '\n';
    }
}

}  // namespace

void AppendTimeSections(std::string& out, const ChartSource& source, bool ansi, ChartStyle style) {
    if (Asked(FieldWhen::PanchangaAsked, source) && source.panchanga->panchanga) {
        AppendSectionHeading(out, "Panchanga at birth", ansi);
        AppendRows(out, PanchangaRows(*source.panchanga->panchanga, source.chart.utcOffsetSeconds));
    }
    if (Asked(FieldWhen::TransitsAsked, source) && source.transits->transits) {
        const Transits& t = *source.transits->transits;
        AppendSectionHeading(out, "Transits (T-) over the birth chart", ansi);
        AppendRows(out, TransitPositionRows(t));
        out += '\n';
        out += DrawChartText(MakeChartDiagram(TransitChartPoints(source.chart, t.points)), style, ansi);
        AppendSectionHeading(out, "Sade sati", ansi);
        AppendRows(out, SadeSatiRows(t));
        AppendSectionHeading(out, "Next sign changes and stations within a year", ansi);
        AppendRows(out, NextChangeRows(t));
    }
    if (Asked(FieldWhen::SensitivityAsked, source) && source.sensitivity->sensitivity) {
        const Sensitivity& s = *source.sensitivity->sensitivity;
        AppendSectionHeading(out, "Birth time: what changes within \u00B1" + std::to_string(s.windowMinutes) + " minutes",
                             ansi);
        out += "  " + SensitivityWindowText(s) + ".\n";
        if (!s.note.empty()) out += "  " + s.note + ".\n";
        int steady = 0;
        for (const SensitivityItem& item : s.items) {
            if (item.crossings.empty()) {
                ++steady;
                continue;
            }
            out += "  " + SensitivitySummary(s, item) + ".\n";
            for (const SensitivityCrossing& c : item.crossings) out += "      " + CrossingText(s, item, c) + "\n";
        }
        out += "  " + std::to_string(steady) + " of " + std::to_string(s.items.size()) +
               " items keep their value throughout the window.\n";
        out += "  " + DashaShiftText(s) + ".\n";
    }
    if (Asked(FieldWhen::StrengthsAsked, source)) AppendStrengthsSection(out, *source.strengths, ansi);
}

}  // namespace velmora::cli
