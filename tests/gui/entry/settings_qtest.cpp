// The window starts whatever is where its settings file should be: a FIFO
// there (which never gives an end of file) is set aside and said so, and
// the recent birth files stay empty.

#include <QAction>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

#include "entry/RecentBirthFiles.h"
#include "entry/frmMain.h"
#include "services/Preferences.h"
#include "tests/core/birthfile/FifoWatch.h"
#include "tests/gui/entry/CaptureServices.h"

using namespace velmora;
using velmora::testing::CapturedServices;

class SettingsFile : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // Before anything reads settings: QSettings keeps the folder it
        // found first for the whole process.
        QVERIFY(config_.isValid());
        qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
        QVERIFY(QDir(config_.path()).mkpath(QStringLiteral("Velmora")));
        fifo_ = config_.filePath(QStringLiteral("Velmora/Velmora.conf"));
        QCOMPARE(::mkfifo(fifo_.toLocal8Bit().constData(), 0600), 0);
    }

    void aFifoAsTheSettingsFileIsSetAside() {
        velmora::testing::FifoWatch watch(fifo_.toStdString());
        CapturedServices s;
        frmMain form(s.services);
        auto* recent = form.findChild<QMenu*>(QStringLiteral("mnuRecent"));
        QVERIFY(recent);
        emit recent->aboutToShow();
        QVERIFY2(!watch.Hung(), "the window waited for a writer to its settings file");
        QCOMPARE(recent->actions().size(), 1);
        QVERIFY2(recent->actions()[0]->text().contains(QLatin1String("is not a regular file")),
                 qPrintable(recent->actions()[0]->text()));
        QVERIFY(!recent->actions()[0]->isEnabled());
        SettingsPreferences kept;
        QVERIFY(RecentBirthFiles(kept).Files().isEmpty());
        RecentBirthFiles(kept).Add(config_.filePath(QStringLiteral("a.velmora")));  // kept nowhere, and no wait
        QVERIFY(!QFileInfo(fifo_).isFile());  // the FIFO is left as it is
    }

    void thePreferencesKeepTheirDefaults() {
        velmora::testing::FifoWatch watch(fifo_.toStdString());
        SettingsPreferences preferences;
        preferences.SetPrecisePositions(false);
        QVERIFY(preferences.PrecisePositions());
        preferences.KeepChartStyle(ChartStyle::North);
        QCOMPARE(preferences.KeptChartStyle(), ChartStyle::South);
        QVERIFY2(!watch.Hung(), "the preferences waited for a writer to the settings file");
        QVERIFY(!QFileInfo(fifo_).isFile());
    }

private:
    QTemporaryDir config_;
    QString fifo_;
};

QTEST_MAIN(SettingsFile)
#include "settings_qtest.moc"
