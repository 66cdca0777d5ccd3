// The choices kept per user between starts: the chart style last chosen
// comes back in the next start, and a value the program does not know
// (a settings file edited by hand) gives the South-Indian chart; the chart
// choices likewise.

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "services/Preferences.h"

using namespace velmora;

class KeptPreferences : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // Before anything reads settings: QSettings keeps the folder it
        // found first for the whole process.
        QVERIFY(config_.isValid());
        qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
    }

    void theChartStyleIsKeptBetweenStarts() {
        QCOMPARE(SettingsPreferences().KeptChartStyle(), ChartStyle::South);  // never chosen
        SettingsPreferences().KeepChartStyle(ChartStyle::North);
        QCOMPARE(SettingsPreferences().KeptChartStyle(), ChartStyle::North);
        SettingsPreferences().KeepChartStyle(ChartStyle::South);
        QCOMPARE(SettingsPreferences().KeptChartStyle(), ChartStyle::South);
    }

    void anUnknownStyleGivesTheSouthIndianChart() {
        QSettings(QStringLiteral("Velmora"), QStringLiteral("Velmora")).setValue(QStringLiteral("chartStyle"),
                                                                              QStringLiteral("east"));
        QCOMPARE(SettingsPreferences().KeptChartStyle(), ChartStyle::South);
    }

    // The ayanamsa, positions and houses come back in the next start; a word
    // the program does not know gives that choice's default.
    void theChartChoicesAreKeptBetweenStarts() {
        QCOMPARE(SettingsPreferences().KeptChartOptions(), ChartOptions{});  // never chosen
        ChartOptions chosen;
        QVERIFY(ParseAyanamsa("custom:1900-01-01:22.46", chosen));
        chosen.positions = PositionKind::True;
        chosen.houses = HouseSystem::Placidus;
        SettingsPreferences().KeepChartOptions(chosen);
        QCOMPARE(SettingsPreferences().KeptChartOptions(), chosen);
        QSettings(QStringLiteral("Velmora"), QStringLiteral("Velmora")).setValue(QStringLiteral("houses"),
                                                                              QStringLiteral("koch"));
        QCOMPARE(SettingsPreferences().KeptChartOptions().houses, HouseSystem::WholeSign);
        QCOMPARE(SettingsPreferences().KeptChartOptions().positions, PositionKind::True);
    }

    // The dasha system and year: the defaults until chosen, every choice
    // kept, and a value edited by hand gives the default again.
    void theDashaChoicesAreKeptBetweenStarts() {
        QCOMPARE(SettingsPreferences().KeptDashaSystem(), DashaSystem::Vimshottari);
        QCOMPARE(SettingsPreferences().KeptDashaYear(), DashaYear::Julian);
        for (const DashaSystem system : {DashaSystem::Yogini, DashaSystem::Ashtottari, DashaSystem::Vimshottari}) {
            SettingsPreferences().KeepDashaSystem(system);
            QCOMPARE(SettingsPreferences().KeptDashaSystem(), system);
        }
        for (const DashaYearInfo& year : kDashaYearChoices) {
            SettingsPreferences().KeepDashaYear(year.year);
            QCOMPARE(SettingsPreferences().KeptDashaYear(), year.year);
        }
        QSettings settings(QStringLiteral("Velmora"), QStringLiteral("Velmora"));
        settings.setValue(QStringLiteral("dashaYear"), QStringLiteral("365"));
        settings.setValue(QStringLiteral("dashaSystem"), QStringLiteral("kalachakra"));
        settings.sync();
        QCOMPARE(SettingsPreferences().KeptDashaYear(), DashaYear::Julian);
        QCOMPARE(SettingsPreferences().KeptDashaSystem(), DashaSystem::Vimshottari);
    }

private:
    QTemporaryDir config_;
};

QTEST_MAIN(KeptPreferences)
#include "preferences_qtest.moc"
