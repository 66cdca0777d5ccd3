#include "services/Preferences.h"

#include <QSettings>
#include <string>
#include <string_view>

#include "services/SettingsFile.h"

namespace velmora {

namespace {

const QString kPreciseKey = QStringLiteral("precisePositions");
const QString kChartStyleKey = QStringLiteral("chartStyle");
const QString kAyanamsaKey = QStringLiteral("ayanamsa");
const QString kPositionsKey = QStringLiteral("positions");
const QString kHousesKey = QStringLiteral("houses");

QString Latin1(std::string_view text) { return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())); }
const QString kDashaSystemKey = QStringLiteral("dashaSystem");
const QString kDashaYearKey = QStringLiteral("dashaYear");
const QString kAshtakavargaReadingKey = QStringLiteral("ashtakavargaReading");
const QString kAshtakavargaReducedKey = QStringLiteral("ashtakavargaReduced");
const QString kKarakaSchemeKey = QStringLiteral("karakaScheme");
const QString kCellDegreesKey = QStringLiteral("cellDegrees");
const QString kLanguageKey = QStringLiteral("language");
const QString kNativeDigitsKey = QStringLiteral("nativeDigits");


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
    Settings().setValue(kChartStyleKey, Latin1(ChartStyleName(style)));
}

// A kept word that names no choice (another version's, edited by hand) gives
// that choice's default.
ChartOptions SettingsPreferences::KeptChartOptions() const {
    ChartOptions options;
    if (!SettingsSetAside().isEmpty()) return options;
    const QSettings settings = Settings();
    ParseAyanamsa(settings.value(kAyanamsaKey).toString().toStdString(), options);
    ParsePositionKind(settings.value(kPositionsKey).toString().toStdString(), options.positions);
    ParseHouseSystem(settings.value(kHousesKey).toString().toStdString(), options.houses);
    return options;
}

void SettingsPreferences::KeepChartOptions(const ChartOptions& options) {
    if (!SettingsSetAside().isEmpty()) return;
    QSettings settings = Settings();
    settings.setValue(kAyanamsaKey, Latin1(AyanamsaText(options)));
    settings.setValue(kPositionsKey, Latin1(PositionKindName(options.positions)));
    settings.setValue(kHousesKey, Latin1(HouseSystemName(options.houses)));
}

DashaSystem SettingsPreferences::KeptDashaSystem() const {
    if (!SettingsSetAside().isEmpty()) return DashaSystem::Vimshottari;
    return ParseDashaSystem(Settings().value(kDashaSystemKey).toString().toStdString()).value_or(DashaSystem::Vimshottari);
}

void SettingsPreferences::KeepDashaSystem(DashaSystem system) {
    if (!SettingsSetAside().isEmpty()) return;
    Settings().setValue(kDashaSystemKey, Latin1(DashaSystemKey(system)));
}

DashaYear SettingsPreferences::KeptDashaYear() const {
    if (!SettingsSetAside().isEmpty()) return DashaYear::Julian;
    return ParseDashaYear(Settings().value(kDashaYearKey).toString().toStdString()).value_or(DashaYear::Julian);
}

void SettingsPreferences::KeepDashaYear(DashaYear year) {
    if (!SettingsSetAside().isEmpty()) return;
    Settings().setValue(kDashaYearKey, Latin1(DashaYearOf(year).key));
}

AshtakavargaReading SettingsPreferences::KeptAshtakavargaReading() const {
    if (!SettingsSetAside().isEmpty()) return AshtakavargaReading::Raman;
    const QString kept = Settings().value(kAshtakavargaReadingKey).toString();
    for (AshtakavargaReading reading : kAshtakavargaReadings)
        if (kept == QLatin1String(AshtakavargaReadingKey(reading))) return reading;
    return AshtakavargaReading::Raman;
}

void SettingsPreferences::KeepAshtakavargaReading(AshtakavargaReading reading) {
    if (!SettingsSetAside().isEmpty()) return;
    Settings().setValue(kAshtakavargaReadingKey, QLatin1String(AshtakavargaReadingKey(reading)));
}

bool SettingsPreferences::KeptAshtakavargaReduced() const {
    if (!SettingsSetAside().isEmpty()) return false;
    return Settings().value(kAshtakavargaReducedKey, false).toBool();
}

void SettingsPreferences::KeepAshtakavargaReduced(bool reduced) {
    if (!SettingsSetAside().isEmpty()) return;
    Settings().setValue(kAshtakavargaReducedKey, reduced);
}

KarakaScheme SettingsPreferences::KeptKarakaScheme() const {
    KarakaScheme scheme = kDefaultKarakaScheme;
    if (SettingsSetAside().isEmpty()) ParseKarakaScheme(Settings().value(kKarakaSchemeKey).toString().toStdString(), scheme);
    return scheme;
}

void SettingsPreferences::KeepKarakaScheme(KarakaScheme scheme) {
    if (!SettingsSetAside().isEmpty()) return;
    Settings().setValue(kKarakaSchemeKey, Latin1(KarakaSchemeKey(scheme)));
}

bool SettingsPreferences::KeptCellDegrees() const {
    if (!SettingsSetAside().isEmpty()) return false;
    return Settings().value(kCellDegreesKey, false).toBool();
}

void SettingsPreferences::KeepCellDegrees(bool shown) {
    if (!SettingsSetAside().isEmpty()) return;
    Settings().setValue(kCellDegreesKey, shown);
}

std::string SettingsPreferences::KeptLanguage() const {
    if (!SettingsSetAside().isEmpty()) return {};
    return Settings().value(kLanguageKey).toString().toStdString();
}

void SettingsPreferences::KeepLanguage(std::string_view code) {
    if (!SettingsSetAside().isEmpty()) return;
    Settings().setValue(kLanguageKey, QString::fromUtf8(code.data(), static_cast<qsizetype>(code.size())));
}

bool SettingsPreferences::KeptNativeDigits() const {
    if (!SettingsSetAside().isEmpty()) return false;
    return Settings().value(kNativeDigitsKey, false).toBool();
}

void SettingsPreferences::KeepNativeDigits(bool native) {
    if (!SettingsSetAside().isEmpty()) return;
    Settings().setValue(kNativeDigitsKey, native);
}

QStringList SettingsPreferences::KeptRecentBirthFiles() const {
    if (!SettingsSetAside().isEmpty()) return {};
    return Settings().value(QStringLiteral("recentBirthFiles")).toStringList();
}

void SettingsPreferences::KeepRecentBirthFiles(const QStringList& files) {
    if (!SettingsSetAside().isEmpty()) return;
    Settings().setValue(QStringLiteral("recentBirthFiles"), files);
}

}  // namespace velmora
