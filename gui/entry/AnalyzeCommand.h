#pragma once
// "Analyze My Graha Arudha": one run on the form's fields, with the system
// language's month names and today's date for the running dasha periods; a
// local time the clocks showed twice asks the person which was meant and
// runs again with the answer.

#include <optional>

#include "birth/FormFields.h"
#include "birth/InputValidation.h"
#include "services/Services.h"

class QWidget;

namespace velmora {

class AnalysisRun;

// The run's result (passed, or the check that failed); nothing when the
// person cancelled the question.
std::optional<ValidationResult> Analyze(AnalysisRun& run, FormFields fields, const Services& services,
                                        QWidget* over);

}  // namespace velmora
