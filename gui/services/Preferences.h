#pragma once
// The choices a person makes on the form that the window keeps between
// starts, behind an interface so that tests never read or write the user's
// own settings.

#include <QStringList>
#include <string>
#include <string_view>

#include "analysis/Ashtakavarga.h"
#include "analysis/Jaimini.h"
#include "birth/ChartOptions.h"
#include "birth/DashaChoice.h"
#include "presentation/ChartStyle.h"

namespace velmora {

class Preferences {
public:
    virtual ~Preferences() = default;
    // "Precise positions" on the form: ticked until the person unticks it.
    virtual bool PrecisePositions() const = 0;
    virtual void SetPrecisePositions(bool precise) = 0;
    // The chart style last chosen (South-Indian until one is chosen).
    virtual ChartStyle KeptChartStyle() const = 0;
    virtual void KeepChartStyle(ChartStyle style) = 0;
    // The dasha system and year last chosen (on the dasha page, or by the
    // birth file opened last): Vimshottari and 365.25 days until one is chosen.
    virtual DashaSystem KeptDashaSystem() const = 0;
    virtual void KeepDashaSystem(DashaSystem system) = 0;
    virtual DashaYear KeptDashaYear() const = 0;
    virtual void KeepDashaYear(DashaYear year) = 0;
    // The ayanamsa, positions and houses last chosen for precise charts (the
    // defaults until some are chosen; a store that keeps none keeps these).
    virtual ChartOptions KeptChartOptions() const { return {}; }
    virtual void KeepChartOptions(const ChartOptions&) {}
    // The ashtakavarga page's reading and its reductions box, last chosen
    // (Raman's reading, unreduced, until chosen; a store that keeps none
    // keeps these). The printed pages follow them.
    virtual AshtakavargaReading KeptAshtakavargaReading() const { return AshtakavargaReading::Raman; }
    virtual void KeepAshtakavargaReading(AshtakavargaReading) {}
    virtual bool KeptAshtakavargaReduced() const { return false; }
    virtual void KeepAshtakavargaReduced(bool) {}
    // The chara karakas' scheme last chosen on the Jaimini page (eight until
    // chosen), and whether the degrees are written in the chart cells (no
    // until chosen on the nakshatra page); a store that keeps none keeps these.
    virtual KarakaScheme KeptKarakaScheme() const { return kDefaultKarakaScheme; }
    virtual void KeepKarakaScheme(KarakaScheme) {}
    virtual bool KeptCellDegrees() const { return false; }
    virtual void KeepCellDegrees(bool) {}
    // The language chosen in the Language menu, as its code ("ta"); empty
    // until one is chosen, when the windows speak the system's language.
    virtual std::string KeptLanguage() const { return {}; }
    virtual void KeepLanguage(std::string_view) {}
    // Whether the windows write numbers in the language's own digits (no
    // until chosen in the Language menu).
    virtual bool KeptNativeDigits() const { return false; }
    virtual void KeepNativeDigits(bool) {}
    // The birth files opened or saved last, newest first, as stored (the
    // list's rules are RecentBirthFiles'); none in a store that keeps none.
    virtual QStringList KeptRecentBirthFiles() const { return {}; }
    virtual void KeepRecentBirthFiles(const QStringList&) {}
};

// Kept per user with QSettings ("precisePositions", "chartStyle", "ayanamsa",
// "positions", "houses", "dashaSystem", "dashaYear", "ashtakavargaReading",
// "ashtakavargaReduced", "karakaScheme", "cellDegrees", "language",
// "nativeDigits", "recentBirthFiles"); nothing while the settings are set aside.
class SettingsPreferences : public Preferences {
public:
    bool PrecisePositions() const override;
    void SetPrecisePositions(bool precise) override;
    ChartStyle KeptChartStyle() const override;
    void KeepChartStyle(ChartStyle style) override;
    ChartOptions KeptChartOptions() const override;
    void KeepChartOptions(const ChartOptions& options) override;
    DashaSystem KeptDashaSystem() const override;
    void KeepDashaSystem(DashaSystem system) override;
    DashaYear KeptDashaYear() const override;
    void KeepDashaYear(DashaYear year) override;
    AshtakavargaReading KeptAshtakavargaReading() const override;
    void KeepAshtakavargaReading(AshtakavargaReading reading) override;
    bool KeptAshtakavargaReduced() const override;
    void KeepAshtakavargaReduced(bool reduced) override;
    KarakaScheme KeptKarakaScheme() const override;
    void KeepKarakaScheme(KarakaScheme scheme) override;
    bool KeptCellDegrees() const override;
    void KeepCellDegrees(bool shown) override;
    std::string KeptLanguage() const override;
    void KeepLanguage(std::string_view code) override;
    bool KeptNativeDigits() const override;
    void KeepNativeDigits(bool native) override;
    QStringList KeptRecentBirthFiles() const override;
    void KeepRecentBirthFiles(const QStringList& files) override;
};

}  // namespace velmora
