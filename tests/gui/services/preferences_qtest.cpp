// The choices kept per user between starts: the chart style last chosen
// comes back in the next start, and a value the program does not know
// (a settings file edited by hand) gives the South-Indian chart; the chart
// choices likewise; and the folder the file dialogs open in.

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "services/FileDialogs.h"
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

    void theNativeDigitsChoiceIsKeptBetweenStarts() {
        QVERIFY(!SettingsPreferences().KeptNativeDigits());  // never chosen: Western digits
        for (const bool native : {true, false}) {
            SettingsPreferences().KeepNativeDigits(native);
            QCOMPARE(SettingsPreferences().KeptNativeDigits(), native);
        }
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

    // The folder the file dialogs open in: the one a file was last opened
    // from or saved to, kept between starts; the home folder's Documents (or
    // the home folder) until then and when that folder is gone. A cancelled
    // dialog (no file) changes nothing.
    void fileDialogsOpenInTheLastFolder_data() {
        QTest::addColumn<QStringList>("chosen");  // files chosen one after the other, in folders under a new one
        QTest::addColumn<QStringList>("gone");    // folders removed afterwards
        QTest::addColumn<QString>("startsIn");    // relative to that folder; "~" the fallback
        QTest::newRow("never a file") << QStringList{} << QStringList{} << "~";
        QTest::newRow("one file") << QStringList{"charts/asha.velmora"} << QStringList{} << "charts";
        QTest::newRow("the last of two") << QStringList{"charts/asha.velmora", "pdf/asha.pdf"} << QStringList{} << "pdf";
        QTest::newRow("a cancelled dialog") << QStringList{"charts/asha.velmora", ""} << QStringList{} << "charts";
        QTest::newRow("the folder removed") << QStringList{"charts/asha.velmora"} << QStringList{"charts"} << "~";
    }

    void fileDialogsOpenInTheLastFolder() {
        QFETCH(QStringList, chosen);
        QFETCH(QStringList, gone);
        QFETCH(QString, startsIn);
        QSettings(QStringLiteral("Velmora"), QStringLiteral("Velmora")).remove(QStringLiteral("lastFolder"));
        QTemporaryDir home;
        const QDir root(home.path());
        for (const QString& file : chosen) {
            if (!file.isEmpty()) QVERIFY(root.mkpath(QFileInfo(file).path()));
            RememberFolderOf(file.isEmpty() ? QString() : root.filePath(file));
        }
        for (const QString& folder : gone) QVERIFY(QDir(root.filePath(folder)).removeRecursively());
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        const QString fallback = QFileInfo(documents).isDir() ? documents : QDir::homePath();
        const QString expected = startsIn == QLatin1String("~") ? fallback : root.filePath(startsIn);
        QCOMPARE(StartingFolder(), expected);
        // A save dialog offers the suggested name there; a path given whole stays.
        QCOMPARE(StartingPath(QStringLiteral("asha.pdf")), QDir(expected).filePath(QStringLiteral("asha.pdf")));
        QCOMPARE(StartingPath(root.filePath(QStringLiteral("x/asha.pdf"))), root.filePath(QStringLiteral("x/asha.pdf")));
    }

private:
    QTemporaryDir config_;
};

QTEST_MAIN(KeptPreferences)
#include "preferences_qtest.moc"
