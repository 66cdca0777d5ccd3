#include "services/Preferences.h"

#include <QSettings>
#include <string>
#include <string_view>

#include "services/SettingsFile.h"

namespace velmora {

namespace {

const QString kPreciseKey = QStringLiteral("precisePositions");
const QString kChartStyleKey = QStringLiteral("chartStyle");

QSettings Settings() { return QSettings(QStringLiteral("Velmora"), QStringLiteral("Velmora")); }

}  // namespace

// A settings file that is not a regular file (a FIFO would hold the window
// before it shows) is never read or written: the default stands.
bool SettingsPreferences::PrecisePositions() const {
    if (!SettingsSetAside().isEmpty()) return true;
    return Settings().value(kPreciseKey, true).toBool();
}

void SettingsPreferences::SetPrecisePositions(bool precise) {
    if (!SettingsSetAside().isEmpty()) return;
    Settings().setValue(kPreciseKey, precise);
}

ChartStyle SettingsPreferences::KeptChartStyle() const {
    if (!SettingsSetAside().isEmpty()) return ChartStyle::South;
    const std::string kept = Settings().value(kChartStyleKey).toString().toStdString();
    return ParseChartStyle(kept).value_or(ChartStyle::South);
}

void SettingsPreferences::KeepChartStyle(ChartStyle style) {
    if (!SettingsSetAside().isEmpty()) return;
    const std::string_view name = ChartStyleName(style);
    Settings().setValue(kChartStyleKey, QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
}

}  // namespace velmora
