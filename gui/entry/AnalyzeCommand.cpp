#include "entry/AnalyzeCommand.h"

#include <QStringList>

#include "chart/AnalysisRun.h"
#include "services/Clock.h"
#include "services/Messenger.h"
#include "widgets/Utf8Text.h"

namespace velmora {

std::optional<ValidationResult> Analyze(AnalysisRun& run, FormFields fields, const Services& services,
                                        QWidget* over) {
    run.Today = services.clock.Today();  // the day whose running dasha periods are marked
    run.WithMoreDashas = true;           // the Yogini dasha of the printed pages
    ValidationResult result = run.RunAnalysis(fields);
    if (result.check == AnalysisRun::kRepeatedHour) {
        // The clocks showed this time twice: ask which one was meant.
        const int choice = services.messenger.Choose(
            over, FromUtf8(result.message),
            {QStringLiteral("The &earlier one"), QStringLiteral("The &later one")});
        if (choice < 0) return std::nullopt;
        fields.Repeated = choice == 0 ? RepeatedHour::Earlier : RepeatedHour::Later;
        result = run.RunAnalysis(fields);
    }
    return result;
}

}  // namespace velmora
