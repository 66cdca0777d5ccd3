#include "entry/AnalyzeCommand.h"

#include <QStringList>

#include "birth/Birth.h"
#include "chart/ComputeChart.h"
#include "presentation/ChartNotes.h"
#include "services/LanguageChoice.h"
#include "services/Clock.h"
#include "services/Messenger.h"
#include "widgets/Utf8Text.h"
#include "widgets/Translated.h"

namespace velmora {

std::optional<AnalyzeOutcome> Analyze(FormFields fields, const Services& services, QWidget* over) {
    AnalyzeOutcome outcome;
    outcome.failure = Input_Validation(fields);
    if (!outcome.failure.Passed()) return outcome;
    ChartWants wants;
    wants.today = services.clock.Today();  // the day whose running dasha periods are marked
    wants.dashas = DashaSet::All();        // every system, for the Dashas page and the printed pages
    ChartOutcome computed = ComputeChart(BirthFromForm(fields), wants);
    if (!computed.Computed() && computed.refusal.kind == ChartRefusalKind::RepeatedHour) {
        // The clocks showed this time twice: ask which one was meant.
        const int choice = services.messenger.Choose(
            over, FromUtf8(ChartRefusalIn(computed.refusal, LanguageChoice::Current())),
            {Tr(QT_TRANSLATE_NOOP("Velmora", "The &earlier one")), Tr(QT_TRANSLATE_NOOP("Velmora", "The &later one"))});
        if (choice < 0) return std::nullopt;
        fields.Repeated = choice == 0 ? RepeatedHour::Earlier : RepeatedHour::Later;
        computed = ComputeChart(BirthFromForm(fields), wants);
    }
    outcome.chart = std::move(computed.chart);
    if (!outcome.chart) outcome.refusal = ChartRefusalIn(computed.refusal, LanguageChoice::Current());
    outcome.fields = std::move(fields);
    return outcome;
}

}  // namespace velmora
