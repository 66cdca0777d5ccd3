// The list of recent birth files holds the last eight whatever the settings
// file holds: a list of 100,000 entries (a settings file grown by another
// program or edited by hand) gives a menu of eight and is cut to eight in the
// settings, so later reads take only those.

#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "entry/RecentBirthFiles.h"
#include "entry/frmMain.h"
#include "services/Preferences.h"
#include "tests/gui/entry/CaptureServices.h"

using namespace velmora;
using velmora::testing::CapturedServices;

class RecentFiles : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // Settings of this test's own, apart from the other tests that run beside it.
        QVERIFY(dir_.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
    }

    void aHugeListIsReadAsItsNewestEight() {
        constexpr int kStored = 100000;
        QStringList stored;
        stored.reserve(kStored);
        for (int i = 0; i < kStored; ++i) stored << QStringLiteral("/births/%1.velmora").arg(i);
        {
            QSettings settings(QStringLiteral("Velmora"), QStringLiteral("Velmora"));
            settings.clear();
            settings.setValue(QStringLiteral("recentBirthFiles"), stored);
        }

        CapturedServices s;
        SettingsPreferences settings;  // the list as the program keeps it, in the settings
        const Services services{s.messenger, s.web, s.files, s.clock, s.chartStyle, settings};
        frmMain form(services);
        auto* recent = form.findChild<QMenu*>(QStringLiteral("mnuRecent"));
        QVERIFY(recent);
        emit recent->aboutToShow();
        QCOMPARE(recent->actions().size(), RecentBirthFiles::kMost);
        QCOMPARE(recent->actions()[0]->data().toString(), stored[0]);
        QCOMPARE(recent->actions()[7]->data().toString(), stored[7]);

        const QStringList kept = QSettings(QStringLiteral("Velmora"), QStringLiteral("Velmora"))
                                     .value(QStringLiteral("recentBirthFiles"))
                                     .toStringList();
        QCOMPARE(kept, stored.mid(0, RecentBirthFiles::kMost));

        // Adding keeps eight too.
        RecentBirthFiles(settings).Add(QStringLiteral("/births/new.velmora"));
        const QStringList files = RecentBirthFiles(settings).Files();
        QCOMPARE(files.size(), RecentBirthFiles::kMost);
        QCOMPARE(files[0], QStringLiteral("/births/new.velmora"));
        QCOMPARE(files[1], stored[0]);
    }

private:
    QTemporaryDir dir_;
};

QTEST_MAIN(RecentFiles)
#include "recent_qtest.moc"
