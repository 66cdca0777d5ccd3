#pragma once
// "Analyze My Graha Arudha": the form's checks on its fields, then the chart
// of the birth they describe from the one entry, with today's date for the
// running dasha periods and every dasha system; a local time the clocks
// showed twice asks the person which was meant and computes again with the
// answer.

#include <memory>
#include <optional>
#include <string>

#include "birth/FormFields.h"
#include "birth/InputValidation.h"
#include "chart/Chart.h"
#include "services/Services.h"

class QWidget;

namespace velmora {

// What an analysis gave: the chart, or the form's failed check (its message,
// icon and focus), or why the birth gives no chart.
struct AnalyzeOutcome {
    std::shared_ptr<const Chart> chart;
    ValidationResult failure;  // a failed check of the form
    std::string refusal;       // why a checked birth gives no chart, in the windows' language
    // The fields the chart was computed from (with the answer to a repeated hour).
    FormFields fields;
};

// Nothing when the person cancelled the question.
std::optional<AnalyzeOutcome> Analyze(FormFields fields, const Services& services, QWidget* over);

}  // namespace velmora
