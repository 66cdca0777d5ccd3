#pragma once
// A run looked into, for the tests of core/chart: the form's fields (or a
// birth) through the form's checks and the run behind the one entry, with the
// engine's program-wide values kept to compare with the chart made.

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "birth/InputValidation.h"
#include "chart/AnalysisRun.h"
#include "tests/support/RunTexts.h"

namespace velmora::testing {

// Why a run gave no chart: the failed check of the form (1 … 7), or the
// refusal of the birth; with its message.
struct RunCheck {
    int check = 0;
    std::optional<ChartRefusalKind> refusal;
    std::string message;
    bool Passed() const { return check == 0 && !refusal; }
};

class FormRun {
public:
    FormRun() : engine_(std::make_unique<AnalysisRun>()) {}
    FormRun& operator=(const FormRun&) = delete;
    FormRun(const FormRun& other)
        : chart(other.chart), wants(other.wants), engine_(std::make_unique<AnalysisRun>(*other.engine_)) {}

    // The form's checks, then the birth it describes. A refused form or
    // birth leaves `chart` as it was.
    RunCheck RunAnalysis(const FormFields& form) {
        const ValidationResult checked = Input_Validation(form);
        if (!checked.Passed()) return {checked.check, std::nullopt, std::string(checked.message)};
        return Run(BirthFromForm(form));
    }
    RunCheck Run(const Birth& birth) {
        Chart made;
        if (std::optional<ChartRefusal> refusal = engine_->Run(birth, wants, made))
            return {0, refusal->kind, refusal->message};
        chart = std::move(made);
        return {};
    }

    // The engine's values and modules as the last run left them.
    const AnalysisRun& Engine() const { return *engine_; }
    AnalysisRun& Engine() { return *engine_; }

    // The last chart's ten longitudes in body order.
    std::array<double, kBodyCount> Degrees() const {
        std::array<double, kBodyCount> degrees{};
        for (std::size_t i = 0; i < degrees.size(); ++i) degrees[i] = chart.points[i].longitude;
        return degrees;
    }

    Chart chart;                       // the last chart made
    ChartWants wants = WindowWants();  // what a run computes

private:
    std::unique_ptr<AnalysisRun> engine_;  // large: kept on the heap
};

}  // namespace velmora::testing
