#include "cli/TimeText.h"

#include "cli/Ansi.h"
#include "cli/ChartFields.h"
#include "cli/ChartText.h"
#include "cli/StrengthsText.h"
#include "presentation/ChartNotes.h"
#include "presentation/ChartDiagram.h"
#include "presentation/SensitivityLabels.h"
#include "presentation/Glossary.h"
#include "presentation/Phrases.h"
#include "presentation/TimeLabels.h"
#include "text/TextWidth.h"

namespace velmora::cli {

namespace {

// "  Tithi:           …": the texts from the 19th column (the captions'
// columns counted as a terminal counts them).
void AppendRows(std::string& out, const std::vector<LabelRow>& rows) {
    for (const LabelRow& row : rows) {
        out += "  " + row.label + ":";
        const std::size_t columns = TerminalWidth(row.label);
        out.append(columns < 16 ? 16 - columns : 1, ' ');
        out += row.text + '\n';
    }
}

}  // namespace

void AppendTimeSections(std::string& out, const ChartSource& source, bool ansi, ChartStyle style) {
    const Language language = source.language;
    if (Asked(FieldWhen::PanchangaAsked, source) && source.panchanga->panchanga) {
        AppendSectionHeading(out, Say(language, "Panchanga at birth"), ansi);
        AppendRows(out, PanchangaRows(*source.panchanga->panchanga, source.chart.utcOffsetSeconds, {}, language));
    }
    if (Asked(FieldWhen::TransitsAsked, source) && source.transits->transits) {
        const Transits& t = *source.transits->transits;
        AppendSectionHeading(out, Say(language, "Transits (T-) over the birth chart"), ansi);
        AppendRows(out, TransitPositionRows(t, {}, language));
        out += '\n';
        out += DrawChartText(MakeChartDiagram(TransitChartPoints(source.chart, t.points)), style, ansi,
                             GlossaryOf(language));
        AppendSectionHeading(out, Say(language, "Sade sati"), ansi);
        AppendRows(out, SadeSatiRows(t, {}, language));
        AppendSectionHeading(out, Say(language, "Next sign changes and stations within a year"), ansi);
        AppendRows(out, NextChangeRows(t, {}, language));
    }
    if (Asked(FieldWhen::SensitivityAsked, source) && source.sensitivity->sensitivity) {
        const Sensitivity& s = *source.sensitivity->sensitivity;
        AppendSectionHeading(out, Say(language, "Birth time: what changes within ±%1 minutes", {std::to_string(s.windowMinutes)}),
                             ansi);
        out += "  " + SensitivityWindowText(s, language) + ".\n";
        if (const std::string note = SensitivityNoteIn(s, language); !note.empty()) out += "  " + note + ".\n";
        int steady = 0;
        for (const SensitivityItem& item : s.items) {
            if (item.crossings.empty()) {
                ++steady;
                continue;
            }
            out += "  " + SensitivitySummary(s, item, language) + ".\n";
            for (const SensitivityCrossing& c : item.crossings) out += "      " + CrossingText(s, item, c, language) + "\n";
        }
        out += "  " +
               Say(language, "%1 of %2 items keep their value throughout the window.",
                   {std::to_string(steady), std::to_string(s.items.size())}) +
               "\n";
        out += "  " + DashaShiftText(s, language) + ".\n";
    }
    if (Asked(FieldWhen::StrengthsAsked, source)) AppendStrengthsSection(out, *source.strengths, ansi, language);
}

}  // namespace velmora::cli
