// Saving and opening birth files from the input form and the main window:
// what is saved opens as the same form and the same chart; a bad file is a
// message and the form stays exactly as it was.

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>

#include "presentation/DashaLabels.h"
#include "result/frmDisplay.h"
#include "birthfile/BirthFile.h"
#include "entry/frmMain.h"
#include "shell/MDI.h"
#include "shell/Shell.h"
#include "tests/core/birthfile/BirthFileFields.h"
#include "tests/core/birthfile/FifoWatch.h"
#include "tests/gui/entry/CaptureServices.h"
#include "tests/support/BangaloreForm.h"
#include "tests/support/RunTexts.h"

using namespace velmora;
using velmora::testing::CapturedServices;
using velmora::testing::SameFields;

namespace {

FormFields Bangalore() {
    FormFields f = velmora::testing::BangaloreForm();
    f.Name = "ASHA RAO KUMAR";
    f.Second = 30;
    return f;
}

// The program showing the chart of `fields` in its main window.
void ShowChart(Shell& shell, const FormFields& fields) {
    shell.Start();
    shell.InputForm()->SetFields(fields);
    shell.InputForm()->AnalyzeChart();
}

QAction* Action(QWidget* window, const char* name) {
    auto* action = window->findChild<QAction*>(QLatin1String(name));
    if (!action) qFatal("no action %s", name);
    return action;
}

}  // namespace

class BirthFileForm : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // The recent files go to the test's own settings, not the user's.
        QStandardPaths::setTestModeEnabled(true);
        QSettings(QStringLiteral("Velmora"), QStringLiteral("Velmora")).clear();
    }
    void init() { QVERIFY(dir_.isValid()); }

    void menusOfTheInputForm() {
        CapturedServices s;
        frmMain form(s.services);
        QCOMPARE(Action(&form, "mnuOpen")->text(), QStringLiteral("&Open Birth Data…"));
        QCOMPARE(Action(&form, "mnuOpen")->shortcut(), QKeySequence(QKeySequence::Open));
        QCOMPARE(Action(&form, "mnuSave")->text(), QStringLiteral("&Save Birth Data…"));
        QCOMPARE(Action(&form, "mnuSave")->shortcut(), QKeySequence(QKeySequence::Save));
    }

    void everyZoneAndHemisphereSurvivesSaveAndOpen() {
        CapturedServices s;
        frmMain saving(s.services), opening(s.services);
        const QString path = dir_.filePath(QStringLiteral("asha.velmora"));
        for (int zone = 0; zone < kZoneItems; ++zone) {
            FormFields f = Bangalore();
            f.Zone = zone;
            f.East = zone % 2 == 0;
            f.South = zone % 4 >= 2;
            f.DaylightSaving = zone % 3 == 0;
            f.Mode = zone % 5 == 0 ? ComputationMode::Precise : ComputationMode::Classic;
            f.Node = zone % 7 == 0 ? NodeKind::True : NodeKind::Mean;
            saving.SetFields(f);
            QVERIFY(SameFields(saving.Fields(), f));
            QVERIFY(saving.SaveBirthFile(path));
            QVERIFY(opening.OpenBirthFile(path));
            QVERIFY2(SameFields(opening.Fields(), f), qPrintable(QString::number(zone)));
        }
        QVERIFY(s.messenger.shown.empty());
    }

    // The dasha choices the window keeps go into the saved file; opening a
    // file takes its choices, a file without them the defaults; the run
    // reckons with them.
    void theDashaChoicesAreSavedAndOpened() {
        CapturedServices s;
        frmMain form(s.services);
        form.SetFields(Bangalore());
        QCOMPARE(form.Fields().DashaYearChoice, DashaYear::Julian);
        s.preferences.dashaYear = DashaYear::Sidereal;  // as chosen on the dasha page
        s.preferences.dashaSystem = DashaSystem::Ashtottari;
        const QString chosen = dir_.filePath(QStringLiteral("chosen-dashas.velmora"));
        QVERIFY(form.SaveBirthFile(chosen));
        const BirthFileRead read = ReadBirthFile(chosen.toStdString());
        QVERIFY(read.Ok());
        QCOMPARE(read.fields.DashaYearChoice, DashaYear::Sidereal);
        QCOMPARE(read.fields.DashaSystemChoice, DashaSystem::Ashtottari);

        const QString plain = dir_.filePath(QStringLiteral("plain.velmora"));
        QVERIFY(WriteBirthFile(plain.toStdString(), Bangalore()).Ok());
        QVERIFY(form.OpenBirthFile(plain));
        QCOMPARE(s.preferences.dashaYear, DashaYear::Julian);
        QCOMPARE(s.preferences.dashaSystem, DashaSystem::Vimshottari);
        QVERIFY(form.OpenBirthFile(chosen));
        QCOMPARE(s.preferences.dashaYear, DashaYear::Sidereal);
        QCOMPARE(form.Fields().DashaSystemChoice, DashaSystem::Ashtottari);

        const std::shared_ptr<const Chart> chart = velmora::testing::ChartOfForm(form.Fields());
        QVERIFY(chart);
        QCOMPARE(chart->dashaYear, DashaYear::Sidereal);
        QCOMPARE(chart->dashaSystem, DashaSystem::Ashtottari);
        QCOMPARE(VimshottariPeriods(*chart).yearDays, 365.256364);
    }

    void theMenusAskForTheFileAndGiveTheSameChart() {
                CapturedServices s;
        frmMain saving(s.services), opening(s.services);
        FormFields f = Bangalore();
        f.TimeZoneId = "Asia/Kolkata";
        f.Place = "Bengaluru, Karnataka, India";
        saving.SetFields(f);
        const QString path = dir_.filePath(QStringLiteral("chosen"));  // the suffix is added
        s.files.answers = {path};
        Action(&saving, "mnuSave")->trigger();
        QCOMPARE(s.files.asked.back().suggested, QStringLiteral("Asha Rao Kumar.velmora"));
        QVERIFY(QFile::exists(path + QStringLiteral(".velmora")));

        s.files.answers = {path + QStringLiteral(".velmora")};
        Action(&opening, "mnuOpen")->trigger();
        QVERIFY(SameFields(opening.Fields(), saving.Fields()));
        QCOMPARE(opening.ZoneInfo(), saving.ZoneInfo());
        QVERIFY(!opening.ZoneInfo().isEmpty());

        const std::shared_ptr<const Chart> first = velmora::testing::ChartOfForm(saving.Fields()),
                                           second = velmora::testing::ChartOfForm(opening.Fields());
        QVERIFY(first && second);
        const ResultLabels secondTexts = velmora::testing::TextsOf(*second), firstTexts = velmora::testing::TextsOf(*first);
        QCOMPARE(secondTexts.planet, firstTexts.planet);
        QCOMPARE(secondTexts.signBoxes, firstTexts.signBoxes);
        QCOMPARE(secondTexts.arudhaBoxes, firstTexts.arudhaBoxes);
        QVERIFY(second->report == first->report);

        // Cancel changes nothing and says nothing.
        s.files.answers.clear();
        Action(&opening, "mnuOpen")->trigger();
        QVERIFY(s.messenger.shown.empty());
    }

    void aBadFileIsAMessageAndTheFormStaysAsItWas() {
        CapturedServices s;
        frmMain form(s.services);
        FormFields f = Bangalore();
        f.South = true;
        f.DaylightSaving = true;
        form.SetFields(f);
        const std::string good = BirthFileText(Bangalore());
        const struct {
            const char* file;
            QByteArray bytes;
            const char* reason;
        } cases[] = {
            {"damaged.velmora", QByteArray::fromStdString(good.substr(0, good.size() / 2)), "not valid JSON"},
            {"photo.velmora", QByteArray("\x89PNG\r\n\x1a\n\0\0\0", 11), "not UTF-8"},
            {"newer.velmora", QByteArray::fromStdString(good).replace("\"version\": 1", "\"version\": 7"), "newer Velmora"},
            {"letters.velmora", QByteArray::fromStdString(good).replace("\"77\"", "\"7x\""), "Only Numbers Are Accepted"},
            {"huge.velmora", QByteArray(static_cast<int>(kBirthFileMaxBytes) + 10, ' '), "larger than 64 KB"},
            {"overflow.velmora", QByteArray::fromStdString(good).replace("\"second\": 30", "\"second\": 1e400"),
             "\"time.second\" is a number too large to read"},
            {"twice.velmora", QByteArray::fromStdString(good).replace("\"city\"", "\"city\": \"X\", \"city\""),
             "it holds \"city\" twice"},
            // What velmora-cli --open and velmora --export refuse, for the
            // reason they give: once opened as a classic chart and saved
            // back with the Lahiri ayanamsa.
            {"classic-raman.velmora",
             QByteArray::fromStdString(good).replace("\"ayanamsa\": \"lahiri\"", "\"ayanamsa\": \"raman\""),
             "its \"ayanamsa\" is \"raman\" but its \"mode\" is \"classic\": the classic positions have their own "
             "sidereal correction"},
            {"classic-true.velmora",
             QByteArray::fromStdString(good).replace("\"positions\": \"apparent\"", "\"positions\": \"true\""),
             "its \"positions\" is \"true\" but its \"mode\" is \"classic\""},
        };
        for (const auto& c : cases) {
            QFile file(dir_.filePath(QLatin1String(c.file)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(c.bytes);
            file.close();
            s.messenger.shown.clear();
            QVERIFY(!form.OpenBirthFile(file.fileName()));
            QCOMPARE(s.messenger.shown.size(), std::size_t{1});
            QVERIFY2(s.messenger.shown[0].text.contains(QLatin1String(c.reason)), qPrintable(s.messenger.shown[0].text));
            QVERIFY2(s.messenger.shown[0].text.contains(file.fileName()), "the message names the file");
            QCOMPARE(s.messenger.shown[0].icon, MessageIcon::Error);
            QVERIFY2(SameFields(form.Fields(), f), c.file);
        }
        s.messenger.shown.clear();
        QVERIFY(!form.OpenBirthFile(dir_.filePath(QStringLiteral("nobody.velmora"))));
        QVERIFY(s.messenger.shown[0].text.contains(QLatin1String("No such file")));
        QVERIFY(SameFields(form.Fields(), f));
    }

    // Whatever a file holds, the window saves back as it read it: opened
    // and saved again, the file is the same, byte for byte.
    void aFileOpenedAndSavedIsTheSameFile() {
        FormFields precise = Bangalore();
        precise.Mode = ComputationMode::Precise;
        precise.Node = NodeKind::True;
        QVERIFY(ParseAyanamsa("raman", precise.Options));
        precise.Options.positions = PositionKind::True;
        precise.Options.houses = HouseSystem::Equal;
        precise.TimeZoneId = "Asia/Kolkata";
        precise.Place = "Bengaluru, Karnataka, India";
        FormFields custom = Bangalore();
        custom.Mode = ComputationMode::Precise;
        QVERIFY(ParseAyanamsa("custom:2000-01-01:0.00001", custom.Options));
        custom.DashaYearChoice = DashaYear::Sidereal;
        custom.DashaSystemChoice = DashaSystem::Yogini;
        // As velmora-cli --tz --save writes it: the zone list's entry and
        // box stay at their defaults, the time zone's history decides.
        FormFields zoned = Bangalore();
        zoned.Zone = 29;
        zoned.TimeZoneId = "America/New_York";
        zoned.Month = 9;  // 26 October 1980, 1:30: New York's clocks showed it twice (the tz database)
        zoned.Day = 25;
        zoned.Hour = 1;
        zoned.Minute = 30;
        zoned.Repeated = RepeatedHour::Later;
        FormFields named = Bangalore();
        named.Name = "PRIY\u0100 LAK\u1E62M\u012A";
        named.City = "Bengaluru";
        named.South = true;
        const std::pair<const char*, FormFields> cases[] = {
            {"precise", precise}, {"custom", custom}, {"zoned", zoned}, {"named", named}, {"classic", Bangalore()}};
        for (const auto& [name, fields] : cases) {
            CapturedServices s;
            frmMain form(s.services);
            const QString written = dir_.filePath(QLatin1String(name) + QStringLiteral(".velmora"));
            const QString saved = dir_.filePath(QLatin1String(name) + QStringLiteral("-saved.velmora"));
            QVERIFY2(WriteBirthFile(written.toStdString(), fields).Ok(), name);
            QVERIFY2(form.OpenBirthFile(written), name);
            QVERIFY2(form.SaveBirthFile(saved), name);
            QFile a(written), b(saved);
            QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
            QCOMPARE(QString::fromUtf8(b.readAll()).split(QLatin1Char('\n')),
                     QString::fromUtf8(a.readAll()).split(QLatin1Char('\n')));
            QVERIFY2(s.messenger.shown.empty(), name);
        }
        // The file's answer for the repeated hour is the form's until the
        // time changes.
        CapturedServices s;
        frmMain form(s.services);
        QVERIFY(form.OpenBirthFile(dir_.filePath(QStringLiteral("zoned.velmora"))));
        QCOMPARE(form.Fields().Repeated, RepeatedHour::Later);
        auto* hour = form.findChild<QComboBox*>(QStringLiteral("cboHH"));
        QVERIFY(hour);
        hour->setCurrentIndex(2);
        QCOMPARE(form.Fields().Repeated, RepeatedHour::Unresolved);
    }

    void aFailedSaveIsAMessageAndKeepsTheOldFile() {
        CapturedServices s;
        frmMain form(s.services);
        form.SetFields(Bangalore());
        QVERIFY(!form.SaveBirthFile(dir_.filePath(QStringLiteral("no/such/folder/a.velmora"))));
        QCOMPARE(s.messenger.shown.size(), std::size_t{1});
        QVERIFY(s.messenger.shown[0].text.contains(QLatin1String("The file is as it was")));
    }

    void aRecentFileThatIsAFifoOrBadIsAMessageAndTheFormStays() {
        QSettings(QStringLiteral("Velmora"), QStringLiteral("Velmora")).clear();
        CapturedServices s;
        frmMain form(s.services);
        const QString path = dir_.filePath(QStringLiteral("recent.velmora"));
        form.SetFields(Bangalore());
        QVERIFY(form.SaveBirthFile(path));
        FormFields typed = Bangalore();
        typed.Name = "RAMA";
        typed.City = "Typed Here";
        form.SetFields(typed);
        auto* recent = form.findChild<QMenu*>(QStringLiteral("mnuRecent"));
        QVERIFY(recent);

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray overflow = file.readAll().replace("\"second\": 30", "\"second\": 1e400");
        file.close();
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(overflow);
        file.close();
        emit recent->aboutToShow();
        recent->actions()[0]->trigger();
        QCOMPARE(s.messenger.shown.size(), std::size_t{1});
        QVERIFY2(s.messenger.shown[0].text.contains(QLatin1String("number too large")), qPrintable(s.messenger.shown[0].text));
        QVERIFY(SameFields(form.Fields(), typed));

        QVERIFY(QFile::remove(path));
        QCOMPARE(::mkfifo(path.toLocal8Bit().constData(), 0600), 0);
        velmora::testing::FifoWatch watch(path.toStdString());
        emit recent->aboutToShow();
        recent->actions()[0]->trigger();
        QVERIFY2(!watch.Hung(), "the window waited for a writer to the FIFO");
        QCOMPARE(s.messenger.shown.size(), std::size_t{2});
        QVERIFY2(s.messenger.shown[1].text.contains(QLatin1String("it is not a regular file")),
                 qPrintable(s.messenger.shown[1].text));
        QVERIFY(SameFields(form.Fields(), typed));
    }

    void aReadOnlyFileIsReplacedOnlyAfterTheQuestion() {
        CapturedServices s;
        frmMain form(s.services);
        const QString path = dir_.filePath(QStringLiteral("kept.velmora"));
        form.SetFields(Bangalore());
        QVERIFY(form.SaveBirthFile(path));
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
        FormFields other = Bangalore();
        other.Name = "RAMA";
        form.SetFields(other);

        s.messenger.answer = -1;  // Cancel
        QVERIFY(!form.SaveBirthFile(path));
        QCOMPARE(s.messenger.asked.size(), std::size_t{1});
        QVERIFY2(s.messenger.asked[0].text.contains(QLatin1String("is read-only")), qPrintable(s.messenger.asked[0].text));
        QVERIFY(s.messenger.shown.empty());
        QCOMPARE(ReadBirthFile(path.toStdString()).fields.Name, std::string("ASHA RAO KUMAR"));

        s.messenger.answer = 0;  // replace it
        QVERIFY(form.SaveBirthFile(path));
        QCOMPARE(ReadBirthFile(path.toStdString()).fields.Name, std::string("RAMA"));
        QCOMPARE(QFile::permissions(path) & QFileDevice::WriteOwner, QFileDevice::Permissions{});
        QVERIFY(s.messenger.shown.empty());
    }

    void aSplitHardLinkIsSaid() {
        CapturedServices s;
        frmMain form(s.services);
        const QString path = dir_.filePath(QStringLiteral("linked.velmora"));
        const QString other = dir_.filePath(QStringLiteral("other-name.velmora"));
        form.SetFields(Bangalore());
        QVERIFY(form.SaveBirthFile(path));
        QCOMPARE(::link(path.toLocal8Bit().constData(), other.toLocal8Bit().constData()), 0);
        QVERIFY(form.SaveBirthFile(path));
        QCOMPARE(s.messenger.shown.size(), std::size_t{1});
        QCOMPARE(s.messenger.shown[0].icon, MessageIcon::Information);
        QVERIFY2(s.messenger.shown[0].text.contains(QLatin1String("1 other name (a hard link)")),
                 qPrintable(s.messenger.shown[0].text));
    }

    void theMainWindowSavesTheBirthOfItsChart() {
        CapturedServices s;
        Shell shell(s.services, [](int) {});
        ShowChart(shell, Bangalore());
        QVERIFY(shell.MainWindow());
        QCOMPARE(shell.MainWindow()->mnuSave->text(), QStringLiteral("Save Birth Data…"));
        const QString path = dir_.filePath(QStringLiteral("from-chart.velmora"));
        s.files.answers = {path};
        shell.MainWindow()->mnuSave->trigger();
        const BirthFileRead read = ReadBirthFile(path.toStdString());
        QVERIFY2(read.Ok(), read.error.c_str());
        QVERIFY(SameFields(read.fields, Bangalore()));
        shell.Shutdown();
    }

    void recentFilesOpenAndAGoneOneIsDropped() {
        QSettings(QStringLiteral("Velmora"), QStringLiteral("Velmora")).clear();
        CapturedServices s;
        frmMain form(s.services);
        const QString first = dir_.filePath(QStringLiteral("first.velmora"));
        const QString second = dir_.filePath(QStringLiteral("second.velmora"));
        FormFields f = Bangalore();
        form.SetFields(f);
        QVERIFY(form.SaveBirthFile(first));
        f.Name = "RAMA";
        form.SetFields(f);
        QVERIFY(form.SaveBirthFile(second));
        auto* recent = form.findChild<QMenu*>(QStringLiteral("mnuRecent"));
        QVERIFY(recent);
        emit recent->aboutToShow();
        QCOMPARE(recent->actions().size(), 2);
        QCOMPARE(recent->actions()[0]->text(), QStringLiteral("&1 second.velmora"));  // newest first
        QCOMPARE(recent->actions()[1]->text(), QStringLiteral("&2 first.velmora"));

        recent->actions()[1]->trigger();
        QCOMPARE(form.Fields().Name, std::string("ASHA RAO KUMAR"));
        emit recent->aboutToShow();
        QCOMPARE(recent->actions()[0]->text(), QStringLiteral("&1 first.velmora"));

        QVERIFY(QFile::remove(second));
        const FormFields before = form.Fields();
        recent->actions()[1]->trigger();
        QCOMPARE(s.messenger.shown.size(), std::size_t{1});
        QVERIFY(s.messenger.shown[0].text.contains(QLatin1String("no longer there")));
        QVERIFY(SameFields(form.Fields(), before));
        emit recent->aboutToShow();
        QCOMPARE(recent->actions().size(), 1);
    }

    void aSaveFromTheMainWindowIsOnEveryRecentListAtOnce() {
        QSettings(QStringLiteral("Velmora"), QStringLiteral("Velmora")).clear();
        CapturedServices s;
        Shell shell(s.services, [](int) {});
        ShowChart(shell, Bangalore());
        MDI* window = shell.MainWindow();
        QVERIFY(window);
        auto* formRecent = shell.InputForm()->findChild<QMenu*>(QStringLiteral("mnuRecent"));
        auto* windowRecent = window->findChild<QMenu*>(QStringLiteral("mnuRecent"));
        QVERIFY(formRecent);
        QVERIFY2(windowRecent, "the main window has Recent Birth Files");
        QVERIFY(!formRecent->isEnabled());
        QVERIFY(!windowRecent->isEnabled());

        s.files.answers = {dir_.filePath(QStringLiteral("saved-from-chart.velmora"))};
        window->mnuSave->trigger();
        // The input form's list, grey until now, offers it without a restart;
        // the main window's as soon as its File menu opens.
        QVERIFY(formRecent->isEnabled());
        QCOMPARE(formRecent->actions().size(), 1);
        emit window->findChild<QMenu*>(QStringLiteral("mnuFile"))->aboutToShow();
        QVERIFY(windowRecent->isEnabled());
        QCOMPARE(windowRecent->actions().size(), 1);
        QCOMPARE(windowRecent->actions()[0]->text(), QStringLiteral("&1 saved-from-chart.velmora"));
        shell.Shutdown();
    }

    void theMainWindowOpensABirthFileAndShowsItsChart_data() {
        QTest::addColumn<bool>("fromRecent");
        QTest::newRow("File > Open Birth Data") << false;
        QTest::newRow("File > Recent Birth Files") << true;
    }
    void theMainWindowOpensABirthFileAndShowsItsChart() {
        QFETCH(bool, fromRecent);
        QSettings(QStringLiteral("Velmora"), QStringLiteral("Velmora")).clear();
        CapturedServices s;
        FormFields rama = Bangalore();
        rama.Name = "RAMA";
        rama.Day = 20;
        const QString path = dir_.filePath(QStringLiteral("rama.velmora"));
        {
            frmMain saving(s.services);
            saving.SetFields(rama);
            QVERIFY(saving.SaveBirthFile(path));
        }
        Shell shell(s.services, [](int) {});
        ShowChart(shell, Bangalore());
        MDI* first = shell.MainWindow();
        QVERIFY(first);
        if (fromRecent) {
            auto* recent = first->findChild<QMenu*>(QStringLiteral("mnuRecent"));
            QVERIFY(recent);
            emit recent->aboutToShow();
            QCOMPARE(recent->actions().size(), 1);
            recent->actions()[0]->trigger();
        } else {
            auto* open = first->findChild<QAction*>(QStringLiteral("mnuOpen"));
            QVERIFY2(open, "the main window has Open Birth Data");
            QCOMPARE(open->text(), QStringLiteral("&Open Birth Data…"));
            s.files.answers = {path};
            open->trigger();
        }
        QVERIFY(s.messenger.shown.empty());
        // The file's chart in a new main window; Back shows its fields.
        QVERIFY(shell.MainWindow());
        QVERIFY(shell.MainWindow() != first);
        QCOMPARE(shell.MainWindow()->Display()->lblName->text(), QStringLiteral("RAMA"));
        QVERIFY(!shell.InputForm()->isVisible());
        shell.Back();
        QVERIFY(shell.InputForm()->isVisible());
        QVERIFY(SameFields(shell.InputForm()->Fields(), rama));
        shell.Shutdown();
    }

private:
    QTemporaryDir dir_;
};

QTEST_MAIN(BirthFileForm)
#include "birthfile_qtest.moc"
