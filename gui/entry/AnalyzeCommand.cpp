#include "entry/AnalyzeCommand.h"

#include <QLocale>
#include <QStringList>

#include "chart/AnalysisRun.h"
#include "services/Clock.h"
#include "services/Messenger.h"

namespace velmora {

std::optional<ValidationResult> Analyze(AnalysisRun& run, FormFields fields, const Services& services,
                                        QWidget* over) {
    const QLocale system = QLocale::system();
    MonthNames months;
    for (int m = 1; m <= kMonthItems; ++m)
        months[static_cast<std::size_t>(m - 1)] = system.monthName(m, QLocale::LongFormat).toStdString();
    run.Today = services.clock.Today();  // the day whose running dasha periods are marked
    ValidationResult result = run.RunAnalysis(fields, months);
    if (result.check == AnalysisRun::kRepeatedHour) {
        // The clocks showed this time twice: ask which one was meant.
        const int choice = services.messenger.Choose(
            over, QString::fromUtf8(result.message.data(), static_cast<qsizetype>(result.message.size())),
            {QStringLiteral("The &earlier one"), QStringLiteral("The &later one")});
        if (choice < 0) return std::nullopt;
        fields.Repeated = choice == 0 ? RepeatedHour::Earlier : RepeatedHour::Later;
        result = run.RunAnalysis(fields, months);
    }
    return result;
}

}  // namespace velmora
