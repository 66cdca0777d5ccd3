// The input window: its controls and lists as loaded, the key filters and the
// checks seen through the window (message, icon, focus, nothing else changed),
// the zone list against the core table, the place look-up's messages and the
// address it opens, and the signals the shell listens to.

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QUrlQuery>
#include <QtTest>

#include "CaptureServices.h"
#include "TypeText.h"
#include "ephemeris/EphemerisDirectory.h"
#include "presentation/SignCaptions.h"
#include "tests/gui/Screenshots.h"
#include "birth/ZoneTable.h"
#include "entry/frmMain.h"
#include "widgets/LinkLabel.h"
#include "tests/support/RunTexts.h"
#include "services/SystemMonthNames.h"

using namespace velmora;
using velmora::testing::CapturedServices;
using velmora::testing::TypeText;

namespace {


bool SameFields(const FormFields& a, const FormFields& b) {
    return a.Name == b.Name && a.Month == b.Month && a.Day == b.Day && a.Year == b.Year &&
           a.Hour == b.Hour && a.Minute == b.Minute && a.Second == b.Second && a.City == b.City &&
           a.State == b.State && a.Country == b.Country && a.LonDeg == b.LonDeg &&
           a.LonMin == b.LonMin && a.East == b.East && a.LatDeg == b.LatDeg &&
           a.LatMin == b.LatMin && a.South == b.South && a.Zone == b.Zone &&
           a.DaylightSaving == b.DaylightSaving;
}

// One filled-in form, described by texts and list positions.
struct Entry {
    QString name = QStringLiteral("ASHA RAO");
    int month = 2, day = 14, year = 1980 - kFirstYear, hour = 9, minute = 5, second = 30;
    QString lonDeg = QStringLiteral("77"), lonMin = QStringLiteral("35");
    QString latDeg = QStringLiteral("12"), latMin = QStringLiteral("58");
    bool west = false, south = false;
    int zone = 34;
    bool dst = false;
};

}  // namespace

Q_DECLARE_METATYPE(Entry)

class frmMainTest : public QObject {
    Q_OBJECT

    struct Window {
        CapturedServices captured;
        frmMain form{captured.services};
        // The chart the last analysis handed on, as the shell takes it.
        std::shared_ptr<const Chart> chart;
        QMetaObject::Connection taken = QObject::connect(
            &form, &frmMain::analysisCompleted, &form, [this](std::shared_ptr<const Chart> made) { chart = made; });

        template <typename T = QWidget>
        T* Find(const char* name) const {
            return form.findChild<T*>(QLatin1String(name));
        }
        QLineEdit* Edit(const char* name) const { return Find<QLineEdit>(name); }
        QComboBox* List(const char* name) const { return Find<QComboBox>(name); }
        // Chooses the year by its text: the list's first year depends on the positions.
        void ChooseYear(int year) const {
            QComboBox* years = List("cboYear");
            const int item = years->findText(QString::number(year));
            QVERIFY2(item >= 0, qPrintable(QString::number(year)));
            years->setCurrentIndex(item);
        }

        void Fill(const Entry& e) const {
            Edit("txtName")->setText(e.name);
            List("cboMonth")->setCurrentIndex(e.month);
            List("cboDate")->setCurrentIndex(e.day);
            ChooseYear(kFirstYear + e.year);
            List("cboHH")->setCurrentIndex(e.hour);
            List("cboMM")->setCurrentIndex(e.minute);
            List("cboSS")->setCurrentIndex(e.second);
            Edit("txtLonD")->setText(e.lonDeg);
            Edit("txtLonM")->setText(e.lonMin);
            Find<QRadioButton>(e.west ? "optLong_1" : "optLong_0")->setChecked(true);
            Edit("txtLatD")->setText(e.latDeg);
            Edit("txtLatM")->setText(e.latMin);
            Find<QRadioButton>(e.south ? "optLat_1" : "optLat_0")->setChecked(true);
            List("cmbTimeZone")->setCurrentIndex(e.zone);
            Find<QCheckBox>("chkDST")->setChecked(e.dst);
        }

        // Types the first letters into City and takes the first place offered,
        // with the keyboard.
        void PickPlace(const QString& letters, const QString& expectedFirst) {
            QLineEdit* city = Edit("txtMCity");
            city->setFocus();
            QTest::keyClicks(city, letters);
            QAbstractItemView* popup = form.PlaceCompleter()->popup();
            QTRY_VERIFY(popup->isVisible());
            QVERIFY(popup->model()->index(0, 0).data().toString().startsWith(expectedFirst));
            QTest::keyClick(popup, Qt::Key_Down);
            QTest::keyClick(popup, Qt::Key_Return);
            QTRY_VERIFY(!popup->isVisible());
            QTRY_VERIFY(!form.Fields().TimeZoneId.empty());
        }

        void Show() {
            form.show();
            QApplication::setActiveWindow(&form);
            QVERIFY(QTest::qWaitForWindowActive(&form));
        }
    };

private slots:
    void controls_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("caption");  // text, title or "" where there is none
        QTest::addColumn<QString>("accessible");
        auto row = [](const char* name, const char* type, const QString& caption, const QString& accessible) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(type) << caption << accessible;
        };
        row("txtName", "QLineEdit", "", "Name");
        row("cboMonth", "QComboBox", "", "Month of birth");
        row("cboDate", "QComboBox", "", "Day of birth");
        row("cboYear", "QComboBox", "", "Year of birth");
        row("cboHH", "QComboBox", "", "Hour of birth");
        row("cboMM", "QComboBox", "", "Minute of birth");
        row("cboSS", "QComboBox", "", "Second of birth");
        row("txtMCity", "QLineEdit", "", "City");
        row("txtMState", "QLineEdit", "", "State");
        row("txtMCountry", "QLineEdit", "", "Country");
        row("txtLonD", "QLineEdit", "", "Longitude degrees");
        row("txtLonM", "QLineEdit", "", "Longitude minutes");
        row("optLong_0", "QRadioButton", "East", "East");
        row("optLong_1", "QRadioButton", "West", "West");
        row("txtLatD", "QLineEdit", "", "Latitude degrees");
        row("txtLatM", "QLineEdit", "", "Latitude minutes");
        row("optLat_0", "QRadioButton", "North", "North");
        row("optLat_1", "QRadioButton", "South", "South");
        row("cmbTimeZone", "QComboBox", "", "Time zone");
        row("chkDST", "QCheckBox", "Daylight Saving Time", "Daylight Saving Time");
        row("chkPrecise", "QCheckBox", "&Precise positions (Swiss Ephemeris)", "Precise positions (Swiss Ephemeris)");
        row("chkTrueNode", "QCheckBox", "T&rue node for Rahu and Ketu", "True node for Rahu and Ketu");
        row("cmdChartOptions", "QPushButton", "A&yanamsa and Houses\u2026", "Ayanamsa and Houses");
        row("cmdRashi", "QPushButton", "Analyze My Graha Arudha", "Analyze My Graha Arudha");
        row("cmdBrowser", "QPushButton", "Click for Latitude && Longitude", "Click for Latitude & Longitude");
        row("fraLongitude", "QGroupBox", "&Longitude", "");
        row("fraLatitude", "QGroupBox", "L&atitude", "");
        row("fraZone", "QGroupBox", "&Zone", "");
        row("lblTimeFormat", "QLabel", "HH:MM:SS", "");
    }
    void controls() {
        QFETCH(QString, name);
        QFETCH(QString, type);
        QFETCH(QString, caption);
        QFETCH(QString, accessible);
        Window w;
        QWidget* widget = w.form.findChild<QWidget*>(name);
        QVERIFY2(widget, qPrintable(name));
        QVERIFY(widget->inherits(qPrintable(type)));
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) QCOMPARE(button->text(), caption);
        if (auto* box = qobject_cast<QGroupBox*>(widget)) QCOMPARE(box->title(), caption);
        if (auto* label = qobject_cast<QLabel*>(widget)) QCOMPARE(label->text(), caption);
        if (auto* list = qobject_cast<QComboBox*>(widget)) QVERIFY(!list->isEditable());
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) QVERIFY(edit->text().isEmpty());
        if (!accessible.isEmpty()) QCOMPARE(widget->accessibleName(), accessible);
    }

    void initialState() {
        Window w;
        QCOMPARE(w.form.windowTitle(), QStringLiteral("Velmora v" VELMORA_VERSION));
        QVERIFY(w.Find<QRadioButton>("optLong_0")->isChecked());
        QVERIFY(!w.Find<QRadioButton>("optLong_1")->isChecked());
        QVERIFY(w.Find<QRadioButton>("optLat_0")->isChecked());
        QVERIFY(!w.Find<QRadioButton>("optLat_1")->isChecked());
        QVERIFY(!w.Find<QCheckBox>("chkDST")->isChecked());
        QCOMPARE(w.Edit("txtLonD")->maxLength(), 3);
        QCOMPARE(w.Edit("txtLonM")->maxLength(), 2);
        QCOMPARE(w.Edit("txtLatD")->maxLength(), 2);
        QCOMPARE(w.Edit("txtLatM")->maxLength(), 2);
        // The name tables every run fills: the ascendant is "Asc", Pisces Jupiter's.
        NameTables names;
        FillNameTables(names);
        QCOMPARE(names.BodyNames[9], std::string("Asc"));
        QCOMPARE(names.SignLords[11], std::string("Jupiter"));
        const FormFields fields = w.form.Fields();
        QVERIFY(SameFields(fields, FormFields{}));
    }

    void labels_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("whole");  // exact text, or only its beginning
        QTest::addColumn<int>("page");    // -1: not a link
        QTest::newRow("description") << "lblDescription"
                                     << "Velmora calculates the arudhas for the different houses in your natal chart."
                                     << false << -1;
        QTest::newRow("forum") << "Label61" << "" << false << int(WebPage::Home);
        QTest::newRow("co-brand") << "lblCobrand" << "Co-brand this software for your site." << false
                                  << int(WebPage::CoBranding);
        QTest::newRow("full brand")
            << "lblFullBrand"
            << "Home Business Opportunity. Start your own Internet business and make money online. Get this "
               "software fully branded for your website. Click here for more details."
            << true << int(WebPage::BrandedEdition);
    }
    void labels() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(bool, whole);
        QFETCH(int, page);
        Window w;
        auto* label = w.form.findChild<QLabel*>(name);
        QVERIFY(label);
        QVERIFY(whole ? label->text() == text : label->text().startsWith(text));
        auto* link = qobject_cast<LinkLabel*>(label);
        QCOMPARE(link != nullptr, page >= 0);
        if (!link) return;
        QCOMPARE(int(link->page()), page);
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(int(w.captured.web.opened.size()), 1);
        QCOMPARE(w.captured.web.opened[0], WebPageAddress(WebPage(page)));
    }

    void buddies_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("field");
        QTest::newRow("Name") << "&Name" << "txtName";
        QTest::newRow("Date") << "Date of &Birth" << "cboMonth";
        QTest::newRow("Time") << "&Time of Birth" << "cboHH";
        QTest::newRow("City") << "&City" << "txtMCity";
        QTest::newRow("State") << "&State" << "txtMState";
        QTest::newRow("Country") << "C&ountry" << "txtMCountry";
    }
    void buddies() {
        QFETCH(QString, label);
        QFETCH(QString, field);
        Window w;
        const auto all = w.form.findChildren<QLabel*>();
        const auto it = std::find_if(all.begin(), all.end(), [&](QLabel* l) { return l->text() == label; });
        QVERIFY(it != all.end());
        QVERIFY((*it)->buddy());
        QCOMPARE((*it)->buddy()->objectName(), field);
        // The degree and minute labels of both frames are tied to their boxes too.
        for (const char* frame : {"fraLongitude", "fraLatitude"}) {
            for (QLabel* l : w.Find<QGroupBox>(frame)->findChildren<QLabel*>()) QVERIFY(l->buddy());
        }
    }

    void menus() {
        Window w;
        const QList<QAction*> top = w.form.menuBar()->actions();
        QStringList captions;
        for (QAction* a : top) captions << a->text();
        QCOMPARE(captions, (QStringList{"&File", "&Help", "&Donate"}));
        QMenu* file = top[0]->menu();
        QVERIFY(file);
        QStringList entries;
        for (QAction* a : file->actions()) {
            const QString name = a->menu() ? a->menu()->objectName() : a->objectName();
            entries << (a->isSeparator() ? QStringLiteral("-") : name + "=" + a->text());
        }
        QCOMPARE(entries, QStringList({"mnuOpen=&Open Birth Data…", "mnuSave=&Save Birth Data…",
                                       "mnuRecent=&Recent Birth Files", "-", "mnuNext=Analyze My Graha Arudha",
                                       "mnuExit=E&xit"}));

        QSignalSpy about(&w.form, &frmMain::aboutRequested);
        w.form.findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger();
        QCOMPARE(about.count(), 1);
    }

    void exitSignals_data() {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("close box") << false;
        QTest::newRow("mnuExit") << true;
    }
    void exitSignals() {
        QFETCH(bool, byMenu);
        Window w;
        w.form.show();
        QSignalSpy exit(&w.form, &frmMain::exitRequested);
        if (byMenu)
            w.Find<QAction>("mnuExit")->trigger();
        else
            QVERIFY(w.form.close());
        QCOMPARE(exit.count(), 1);
        // The shell's shutdown closes the window afterwards: no second request.
        w.form.close();
        QCOMPARE(exit.count(), 1);
    }

    void lists_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<int>("selected");
        QTest::newRow("month") << "cboMonth" << 12 << "January" << "December" << 0;
        QTest::newRow("day") << "cboDate" << 31 << "1" << "31" << 0;
        // Precise positions (the first start's choice): the Swiss Ephemeris
        // files' years, 1901 chosen; the classic engine's list is checked below.
        QTest::newRow("year") << "cboYear" << 600 << "1800" << "2399" << 1901 - 1800;
        QTest::newRow("hour") << "cboHH" << 24 << "0" << "23" << 0;
        QTest::newRow("minute") << "cboMM" << 60 << "0" << "59" << 0;
        QTest::newRow("second") << "cboSS" << 60 << "0" << "59" << 0;
        QTest::newRow("zone") << "cmbTimeZone" << 71 << "Alaska/Hawaii Daylight Time,AHDT,-9.0"
                              << "Yukon War Time,YWT,-8.0" << 29;
    }
    void lists() {
        QFETCH(QString, name);
        QFETCH(int, count);
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(int, selected);
        Window w;
        QComboBox* list = w.form.findChild<QComboBox*>(name);
        QVERIFY(list);
        QCOMPARE(list->count(), count);
        QCOMPARE(list->itemText(0), first);
        QCOMPARE(list->itemText(count - 1), last);
        QCOMPARE(list->currentIndex(), selected);
        if (name != QLatin1String("cboMonth") && name != QLatin1String("cmbTimeZone")) {
            // Plain decimal numbers, one apart, without leading zeros.
            for (int i = 0; i < count; ++i)
                QCOMPARE(list->itemText(i), QString::number(first.toInt() + i));
        }
    }

    void zoneTexts() {
        Window w;
        QComboBox* zones = w.List("cmbTimeZone");
        QCOMPARE(zones->count(), int(kZoneTable.size()));
        for (int i = 0; i < zones->count(); ++i)
            QCOMPARE(zones->itemText(i), QString::fromUtf8(kZoneTable[std::size_t(i)].DisplayText.data(),
                                                           qsizetype(kZoneTable[std::size_t(i)].DisplayText.size())));
        QCOMPARE(zones->currentText(), QStringLiteral("Greenwich Mean Time,GMT,0.0"));
    }

    void zoneOffsets_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("dst");
        QTest::addColumn<int>("hours");
        QTest::addColumn<int>("minutes");
        QTest::newRow("GMT") << 29 << false << 0 << 0;
        QTest::newRow("UT") << 61 << false << 0 << 0;
        QTest::newRow("IST") << 34 << false << -5 << -30;
        QTest::newRow("IST with daylight saving") << 34 << true << -5 << -30;
        QTest::newRow("Newfoundland NST") << 50 << false << 3 << 30;
        QTest::newRow("North Sumatra NST") << 52 << false << -6 << -30;
        QTest::newRow("HST") << 32 << false << 10 << 30;
        QTest::newRow("NZST") << 46 << false << -13 << 0;
        QTest::newRow("IDLW") << 36 << true << 12 << 0;
        QTest::newRow("SAD") << 56 << false << -10 << -30;
        QTest::newRow("SDT") << 57 << false << -10 << -30;
        QTest::newRow("EDT") << 24 << false << 4 << 0;
    }
    void zoneOffsets() {
        QFETCH(int, position);
        QFETCH(bool, dst);
        QFETCH(int, hours);
        QFETCH(int, minutes);
        Window w;
        Entry entry;
        entry.zone = position;
        entry.dst = dst;
        w.Fill(entry);
        const FormFields fields = w.form.Fields();
        QCOMPARE(fields.Zone, position);
        QCOMPARE(fields.DaylightSaving, dst);
        ZoneOffset offset;
        Zone_Calculation(fields.Zone, offset);
        QCOMPARE(int(offset.ZoneOffsetHours), hours);
        QCOMPARE(int(offset.ZoneOffsetMinutes), minutes);
        // The same offset reaches the run, and its magnitudes the birth data.
        QSignalSpy done(&w.form, &frmMain::analysisCompleted);
        w.form.AnalyzeChart();
        QCOMPARE(done.count(), 1);
        QVERIFY(w.chart);
        // The offset east of Greenwich the chart took: the zone's (added to
        // the clock to give UT, so of the other sign) and the saving's hour.
        QCOMPARE(w.chart->utcOffsetSeconds, -(hours * 3600 + minutes * 60) + (dst ? 3600 : 0));
        QCOMPARE(w.chart->birth.dst, dst);
    }

    void typingThroughTheForm_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("afterPaste");  // after Ctrl+V of "7"
        const int info = int(MessageIcon::Information), error = int(MessageIcon::Error);
        QTest::newRow("name") << "txtName" << "asha rao" << "ASHA RAO" << "" << 0 << "ASHA RAO";
        QTest::newRow("name with digit") << "txtName" << "asha1" << "ASHA" << "Please Enter only Letters" << info
                                         << "ASHA";
        QTest::newRow("name typed on after a refused key")
            << "txtName" << "j.r rao" << "JR RAO" << "Please Enter only Letters" << info << "JR RAO";
        QTest::newRow("name with hyphen") << "txtName" << "Anne-Marie" << "ANNE-MARIE" << "" << 0 << "ANNE-MARIE";
        QTest::newRow("name with apostrophe") << "txtName" << "O'Brien" << "O'BRIEN" << "" << 0 << "O'BRIEN";
        QTest::newRow("name with accent") << "txtName" << QString::fromUtf8("Jos\u00e9")
                                          << QString::fromUtf8("JOS\u00c9") << "" << 0
                                          << QString::fromUtf8("JOS\u00c9");
        QTest::newRow("name in Devanagari") << "txtName" << QString::fromUtf8("\u0930\u093e\u092e")
                                            << QString::fromUtf8("\u0930\u093e\u092e") << "" << 0
                                            << QString::fromUtf8("\u0930\u093e\u092e");
        QTest::newRow("longitude degrees") << "txtLonD" << "1790" << "179" << "" << 0 << "179";
        QTest::newRow("longitude minutes") << "txtLonM" << "5x" << "5" << "Only Numbers Are Accepted" << error
                                           << "57";
        QTest::newRow("latitude degrees") << "txtLatD" << "890" << "89" << "" << 0 << "89";
        QTest::newRow("latitude minutes") << "txtLatM" << "-1" << "1" << "Only Numbers Are Accepted" << error
                                          << "17";
        QTest::newRow("city is free text") << "txtMCity" << "St. John's 2" << "St. John's 2" << "" << 0 << "";
    }
    void typingThroughTheForm() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QFETCH(QString, message);
        QFETCH(int, icon);
        QFETCH(QString, afterPaste);
        Window w;
        QLineEdit* edit = w.form.findChild<QLineEdit*>(box);
        TypeText(edit, typed);
        QCOMPARE(edit->text(), expected);
        const auto& shown = w.captured.messenger.shown;
        QCOMPARE(int(shown.size()), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty()) {
            QCOMPARE(shown[0].text, message);
            QCOMPARE(int(shown[0].icon), icon);
        }
        // Ctrl+V pastes through the box's filter: a digit goes into the number
        // boxes (up to their length) and is refused, once, by the name box.
        if (box == QLatin1String("txtMCity")) return;
        QApplication::clipboard()->setText(QStringLiteral("7"));
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->text(), afterPaste);
        const bool refused = box == QLatin1String("txtName");
        QCOMPARE(int(shown.size()), (message.isEmpty() ? 0 : 1) + (refused ? 1 : 0));
        // Shortcuts are not typing: no message.
        for (const int key : {Qt::Key_A, Qt::Key_C, Qt::Key_X, Qt::Key_Z})
            QTest::keyClick(edit, Qt::Key(key), Qt::ControlModifier);
        for (const int key : {Qt::Key_Home, Qt::Key_End, Qt::Key_Left, Qt::Key_Right, Qt::Key_Delete})
            QTest::keyClick(edit, Qt::Key(key));
        QCOMPARE(int(shown.size()), (message.isEmpty() ? 0 : 1) + (refused ? 1 : 0));
    }

    // Digits typed into the number lists select the number typed.
    void numberListsTakeNumbers_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("selected");  // index before
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        QTest::newRow("hour 2 at 12") << "cboHH" << 12 << "2" << "2";
        QTest::newRow("hour 23") << "cboHH" << 12 << "23" << "23";
        QTest::newRow("day 1 at 5") << "cboDate" << 4 << "1" << "1";
        QTest::newRow("day 0 5") << "cboDate" << 20 << "05" << "5";
        QTest::newRow("year 1980") << "cboYear" << 0 << "1980" << "1980";
        QTest::newRow("minute 0 5") << "cboMM" << 30 << "05" << "5";
        QTest::newRow("second 42") << "cboSS" << 0 << "42" << "42";
    }
    void numberListsTakeNumbers() {
        QFETCH(QString, name);
        QFETCH(int, selected);
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        Window w;
        QComboBox* list = w.List(qPrintable(name));
        list->setCurrentIndex(selected);
        QTest::keyClicks(list, keys);  // far quicker than a second apart
        QCOMPARE(list->currentText(), expected);
        // Arrows still step, and the list still says what it is.
        const int typed = list->currentIndex();
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentIndex(), std::min(typed + 1, list->count() - 1));
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(list);
        QVERIFY(iface->text(QAccessible::Name).endsWith(QStringLiteral(", ") + list->currentText()));
    }

    void checks_data() {
        QTest::addColumn<Entry>("entry");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("focus");  // "" when the focus stays where it was
        const int info = int(MessageIcon::Information), error = int(MessageIcon::Error);
        const QString lonMin = "Please Enter Value Between 0 And 59 in the  Minute of Longitude";
        const QString latMin = "Please Enter Value Between 0 And 59 in the  Minute of Latitude";
        Entry e;
        e.name.clear();
        QTest::newRow("1 empty name") << e << "Please Enter Name" << error << "txtName";
        e.lonDeg = "200";
        e.latMin.clear();
        e.month = 1;
        e.day = 30;
        QTest::newRow("1 reported first of many") << e << "Please Enter Name" << error << "txtName";
        e = Entry{};
        e.name = "   ";
        QTest::newRow("1 name of spaces") << e << "Please Enter Name" << error << "txtName";
        e = Entry{};
        e.lonDeg.clear();
        QTest::newRow("2 empty") << e << "Please Enter Value Between 0 And 179 in the Degree of Longitude" << error << "txtLonD";
        e.lonDeg = "180";
        QTest::newRow("2 180") << e << "Please Enter Value Between 0 And 179 in the Degree of Longitude" << error << "txtLonD";
        e = Entry{};
        e.lonMin.clear();
        QTest::newRow("3 empty") << e << lonMin << error << "txtLonM";
        e.lonMin = "60";
        QTest::newRow("3 60") << e << lonMin << error << "txtLonM";
        e = Entry{};
        e.latDeg = "90";
        QTest::newRow("4 90") << e << "Please Enter Value Between 0 And 89 in the Degree of Latitude" << error << "txtLatD";
        e = Entry{};
        e.latMin.clear();
        QTest::newRow("5 empty") << e << latMin << error << "txtLatM";
        e = Entry{};
        e.month = 1;
        e.day = 29;
        e.year = 2000 - kFirstYear;
        QTest::newRow("6 30 February 2000") << e << "Please Enter Correct Date Or Month!" << info << "";
        e.day = 28;
        e.year = 1901 - kFirstYear;
        QTest::newRow("6 29 February 1901") << e << "Please Enter Correct Date Or Month!" << info << "";
        e = Entry{};
        e.month = 3;
        e.day = 30;
        e.year = 1990 - kFirstYear;
        QTest::newRow("7 31 April 1990") << e << "Please Enter Correct Date Or Month !" << info << "";
        e.month = 10;
        e.latMin.clear();
        QTest::newRow("5 before 7") << e << latMin << error << "txtLatM";
    }
    void checks() {
        QFETCH(Entry, entry);
        QFETCH(QString, message);
        QFETCH(int, icon);
        QFETCH(QString, focus);
        Window w;
        w.Show();
        w.Fill(entry);
        QWidget* start = w.List("cmbTimeZone");
        start->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), start);
        const FormFields before = w.form.Fields();
        QSignalSpy done(&w.form, &frmMain::analysisCompleted);

        w.Find<QPushButton>("cmdRashi")->click();

        const auto& shown = w.captured.messenger.shown;
        QCOMPARE(int(shown.size()), 1);
        QCOMPARE(shown[0].text, message);
        QCOMPARE(int(shown[0].icon), icon);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus.isEmpty() ? QStringLiteral("cmbTimeZone") : focus);
        QCOMPARE(done.count(), 0);
        QVERIFY(SameFields(w.form.Fields(), before));
        QVERIFY(!w.chart);  // no chart was handed on
        QVERIFY(w.captured.web.opened.empty());
    }

    void successfulRun_data() {
        QTest::addColumn<Entry>("entry");
        QTest::addColumn<bool>("byMenu");
        Entry e;
        QTest::newRow("cmdRashi") << e << false;
        QTest::newRow("mnuNext") << e << true;
        e.month = 1;
        e.day = 28;
        e.year = 1904 - kFirstYear;
        e.west = true;
        e.south = true;
        e.lonDeg = "179";
        e.latDeg = "0";
        e.latMin = "0";
        QTest::newRow("29 February 1904, west and south") << e << false;
    }
    void successfulRun() {
        QFETCH(Entry, entry);
        QFETCH(bool, byMenu);
        Window w;
        w.Fill(entry);
        QSignalSpy done(&w.form, &frmMain::analysisCompleted);
        if (byMenu)
            w.Find<QAction>("mnuNext")->trigger();
        else
            w.Find<QPushButton>("cmdRashi")->click();
        QCOMPARE(done.count(), 1);
        QVERIFY(w.captured.messenger.shown.empty());
        QVERIFY(w.chart);
        const ChartBirth& b = w.chart->birth;
        QCOMPARE(QString::fromStdString(b.name), entry.name);
        QCOMPARE(b.clock.month, entry.month + 1);
        QCOMPARE(b.clock.day, entry.day + 1);
        QCOMPARE(b.clock.year, entry.year + kFirstYear);
        QCOMPARE(b.clock.hour, entry.hour);
        QCOMPARE(b.clock.minute, entry.minute);
        QCOMPARE(b.longitudeDegrees, entry.lonDeg.toInt());
        QCOMPARE(b.latitudeMinutes, entry.latMin.toInt());
        QCOMPARE(b.east, !entry.west);
        QCOMPARE(b.south, entry.south);
        // The date label uses the system language's month name.
        const QString month = QLocale::system().monthName(entry.month + 1, QLocale::LongFormat);
        QVERIFY(QString::fromStdString(testing::TextsOf(*w.chart, SystemMonthNames()).dateOfBirth)
                    .startsWith(month + QLatin1Char('/')));
    }

    void preciseRun() {
        Window w;
        w.Fill(Entry{});
        auto* precise = w.Find<QCheckBox>("chkPrecise");
        auto* trueNode = w.Find<QCheckBox>("chkTrueNode");
        // A first start computes precise positions.
        QVERIFY(precise->isChecked());
        QVERIFY(trueNode->isEnabled());
        QCOMPARE(w.form.Fields().Mode, ComputationMode::Precise);
        // Unticked by the person: classic, and so at the next start.
        precise->click();
        QVERIFY(!trueNode->isEnabled());  // the node is a choice of precise mode only
        QCOMPARE(w.form.Fields().Mode, ComputationMode::Classic);
        QVERIFY(!w.captured.preferences.precise);
        {
            frmMain next(w.captured.services);
            QVERIFY(!next.findChild<QCheckBox*>(QStringLiteral("chkPrecise"))->isChecked());
            QCOMPARE(next.Fields().Mode, ComputationMode::Classic);
        }
        // Filling the form (a birth file) is not the person's choice.
        FormFields classic = w.form.Fields();
        classic.Mode = ComputationMode::Classic;
        precise->click();
        QVERIFY(w.captured.preferences.precise);
        w.form.SetFields(classic);
        QVERIFY(!precise->isChecked());
        QVERIFY(w.captured.preferences.precise);
        precise->click();
        QVERIFY(trueNode->isEnabled());
        trueNode->setChecked(true);
        QCOMPARE(w.form.Fields().Mode, ComputationMode::Precise);
        QCOMPARE(w.form.Fields().Node, NodeKind::True);
        QVERIFY(!precise->accessibleDescription().isEmpty());

        QSignalSpy done(&w.form, &frmMain::analysisCompleted);
        w.Find<QPushButton>("cmdRashi")->click();
        QCOMPARE(done.count(), 1);
        QVERIFY(w.captured.messenger.shown.empty());
        QVERIFY(w.chart);
        QCOMPARE(w.chart->mode, ComputationMode::Precise);
        QVERIFY(QString::fromStdString(w.chart->modeText).startsWith(QStringLiteral("Precise: Swiss Ephemeris")));
        QVERIFY(QString::fromStdString(w.chart->modeText).endsWith(QStringLiteral("true node")));

        // An ephemeris that cannot compute: a message box, no chart.
        const QString dir = QDir::temp().filePath(QStringLiteral("velmora-form-damaged-ephemeris"));
        QDir().mkpath(dir);
        for (const char* name : {"sepl_18.se1", "semo_18.se1"}) {
            QFile file(QDir(dir).filePath(QLatin1String(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(4096, 'x'));
        }
        ChooseEphemerisDirectory(dir.toStdString());
        w.Find<QPushButton>("cmdRashi")->click();
        ChooseEphemerisDirectory({});
        QDir(dir).removeRecursively();
        QCOMPARE(done.count(), 1);
        QCOMPARE(int(w.captured.messenger.shown.size()), 1);
        QVERIFY(w.captured.messenger.shown[0].text.startsWith(QStringLiteral("The Swiss Ephemeris could not compute")));
        QCOMPARE(w.captured.messenger.shown[0].icon, MessageIcon::Error);
    }

    void placeFromTheAtlas() {
        Window w;
        w.Show();
        // The classic engine, which takes a list entry: 1901's offset has none.
        w.Find<QCheckBox>("chkPrecise")->setChecked(false);
        w.PickPlace(QStringLiteral("calcu"), QStringLiteral("Kolkata"));
        QLineEdit* city = w.Edit("txtMCity");
        QAbstractItemView* popup = w.form.PlaceCompleter()->popup();
        QTRY_COMPARE(city->text(), QStringLiteral("Kolkata"));
        // The names, the coordinates (GeoNames: 22.56263 N, 88.36304 E) and the zone.
        QCOMPARE(city->text(), QStringLiteral("Kolkata"));
        QCOMPARE(w.Edit("txtMState")->text(), QStringLiteral("West Bengal"));
        QCOMPARE(w.Edit("txtMCountry")->text(), QStringLiteral("India"));
        QCOMPARE(w.Edit("txtLonD")->text(), QStringLiteral("88"));
        QCOMPARE(w.Edit("txtLonM")->text(), QStringLiteral("22"));
        QVERIFY(w.Find<QRadioButton>("optLong_0")->isChecked());
        QCOMPARE(w.Edit("txtLatD")->text(), QStringLiteral("22"));
        QCOMPARE(w.Edit("txtLatM")->text(), QStringLiteral("34"));
        QVERIFY(w.Find<QRadioButton>("optLat_0")->isChecked());
        QCOMPARE(QString::fromStdString(w.form.Fields().TimeZoneId), QStringLiteral("Asia/Kolkata"));
        // 1 January 1901: Madras time, +5:21:10 (tzdata), which no list entry has.
        QVERIFY2(w.form.ZoneInfo().startsWith(QStringLiteral("Asia/Kolkata: UTC+05:21:10 on 1 January 1901")),
                 qPrintable(w.form.ZoneInfo()));
        QVERIFY(w.form.ZoneInfo().contains(QStringLiteral("no entry")));

        // War time, 1 September 1942, 12:00: the IST entry with daylight saving.
        w.ChooseYear(1942);
        w.List("cboMonth")->setCurrentIndex(8);
        w.List("cboHH")->setCurrentIndex(12);
        QCOMPARE(w.form.ZoneInfo(),
                 QStringLiteral("Asia/Kolkata: UTC+06:30, daylight saving on 1 September 1942 at 12:00"));
        QVERIFY(w.List("cmbTimeZone")->currentText().contains(QStringLiteral("IST")));
        QVERIFY(w.Find<QCheckBox>("chkDST")->isChecked());
        QVERIFY(w.Find<QLabel>("lblZoneInfo")->heightForWidth(w.Find<QLabel>("lblZoneInfo")->width()) <=
                w.Find<QLabel>("lblZoneInfo")->height());
        velmora::testing::SaveScreenshot(w.form.grab(), QStringLiteral("input-form-place"));

        // Coordinates typed afterwards are kept and said to be.
        QTest::keyClick(w.Edit("txtLonM"), Qt::Key_Backspace);
        QVERIFY(w.form.ZoneInfo().endsWith(QStringLiteral("(coordinates edited)")));
        QCOMPARE(QString::fromStdString(w.form.Fields().TimeZoneId), QStringLiteral("Asia/Kolkata"));

        // The run takes the place's zone.
        QSignalSpy done(&w.form, &frmMain::analysisCompleted);
        w.Edit("txtName")->setText(QStringLiteral("ASHA"));
        w.Find<QPushButton>("cmdRashi")->click();
        QCOMPARE(done.count(), 1);
        QCOMPARE(QString::fromStdString(w.chart->birth.utcOffset), QStringLiteral("+06:30"));

        // Typing another name sets the place aside; choosing the zone by hand too.
        city->setFocus();
        QTest::keyClick(city, Qt::Key_Backspace);
        QVERIFY(w.form.Fields().TimeZoneId.empty());
        QCOMPARE(w.form.ZoneInfo(), QStringLiteral("Place set aside: the coordinates and zone are as typed"));
        QTest::keyClick(popup, Qt::Key_Escape);
    }

    // The year list follows the positions: the Swiss Ephemeris files' years
    // 1800-2399 for precise positions, the classic engine's 1901-2050. A year
    // the classic list lacks stands in as its nearest, says so, and comes
    // back with precise positions unless another year was chosen meanwhile.
    void yearListFollowsThePositions() {
        Window w;
        QComboBox* years = w.List("cboYear");
        auto* precise = w.Find<QCheckBox>("chkPrecise");
        const auto shows = [years](int count, const char* first, const char* last, const char* chosen) {
            QCOMPARE(years->count(), count);
            QCOMPARE(years->itemText(0), QString::fromLatin1(first));
            QCOMPARE(years->itemText(count - 1), QString::fromLatin1(last));
            QCOMPARE(years->currentText(), QString::fromLatin1(chosen));
        };
        QVERIFY(precise->isChecked());
        shows(600, "1800", "2399", "1901");
        w.ChooseYear(1980);
        precise->click();
        shows(150, "1901", "2050", "1980");
        precise->click();
        shows(600, "1800", "2399", "1980");
        QVERIFY(w.captured.messenger.shown.empty());

        w.ChooseYear(1869);
        QCOMPARE(FormYear(w.form.Fields()), 1869);
        precise->click();
        shows(150, "1901", "2050", "1901");
        QCOMPARE(int(w.captured.messenger.shown.size()), 1);
        QCOMPARE(w.captured.messenger.shown[0].text,
                 QStringLiteral("The classic positions are computed for the years 1901 to 2050: the year 1869 is "
                                "shown as 1901 until precise positions are chosen again."));
        QCOMPARE(int(w.captured.messenger.shown[0].icon), int(MessageIcon::Information));
        QCOMPARE(FormYear(w.form.Fields()), 1901);
        precise->click();
        shows(600, "1800", "2399", "1869");
        // Another year chosen meanwhile is the one kept.
        w.ChooseYear(2399);
        precise->click();
        shows(150, "1901", "2050", "2050");
        w.ChooseYear(1950);
        precise->click();
        shows(600, "1800", "2399", "1950");

        // A birth set on the form brings its positions' years and its year.
        FormFields early = w.form.Fields();
        early.Mode = ComputationMode::Precise;
        early.Year = YearField(1800);
        w.form.SetFields(early);
        shows(600, "1800", "2399", "1800");
        FormFields classic = early;
        classic.Mode = ComputationMode::Classic;
        classic.Year = YearField(2050);
        w.form.SetFields(classic);
        shows(150, "1901", "2050", "2050");
        QCOMPARE(int(w.captured.messenger.shown.size()), 2);  // the 2399 that stood in as 2050 above
    }

    // Gandhi: 2 October 1869, 07:11:45 local mean time at Porbandar, 21° 38′ N
    // 69° 36′ E (Astro-Databank), 02:33:21 UT; his ascendant is Libra
    // (B. V. Raman, Notable Horoscopes).
    void gandhisChartIsCastFromTheForm() {
        Window w;
        w.Edit("txtName")->setText(QStringLiteral("GANDHI"));
        w.List("cboMonth")->setCurrentIndex(9);
        w.List("cboDate")->setCurrentIndex(1);
        w.ChooseYear(1869);
        w.List("cboHH")->setCurrentIndex(2);
        w.List("cboMM")->setCurrentIndex(33);
        w.List("cboSS")->setCurrentIndex(21);
        w.Edit("txtLonD")->setText(QStringLiteral("69"));
        w.Edit("txtLonM")->setText(QStringLiteral("36"));
        w.Edit("txtLatD")->setText(QStringLiteral("21"));
        w.Edit("txtLatM")->setText(QStringLiteral("38"));
        QSignalSpy done(&w.form, &frmMain::analysisCompleted);
        w.Find<QPushButton>("cmdRashi")->click();
        QCOMPARE(done.count(), 1);
        QVERIFY(w.chart);
        const std::string ascendant = testing::TextsOf(*w.chart).planet[kBodyCount - 1];
        QVERIFY2(QString::fromStdString(ascendant).contains(QStringLiteral(" Lib ")), ascendant.c_str());
    }

    void placeWithAWinterTime() {
        // Windhoek, 15 July 1995, 12:00: Namibian winter time, UTC+01:00
        // against the standard +02:00 (tzdata 2025b, Africa/Windhoek; the
        // same from Python's zoneinfo, whose dst() is -1 h). The clocks were
        // behind, so the line says no daylight saving; the classic engine
        // adds an hour for the box, so the form takes a +1 entry with the box
        // clear, and the chart is the one at +01:00: ascendant 08 Lib, as the
        // Swiss Ephemeris puts it at that instant (not 29 Leo, the chart at +03:00).
        Window w;
        w.Show();
        w.PickPlace(QStringLiteral("windhoek"), QStringLiteral("Windhoek"));
        w.ChooseYear(1995);
        w.List("cboMonth")->setCurrentIndex(6);
        w.List("cboDate")->setCurrentIndex(14);
        w.List("cboHH")->setCurrentIndex(12);
        QCOMPARE(w.form.ZoneInfo(),
                 QStringLiteral("Africa/Windhoek: UTC+01:00 on 15 July 1995 at 12:00"));
        QVERIFY2(w.List("cmbTimeZone")->currentText().endsWith(QStringLiteral("+1.0")),
                 qPrintable(w.List("cmbTimeZone")->currentText()));
        QVERIFY(!w.Find<QCheckBox>("chkDST")->isChecked());
        QSignalSpy done(&w.form, &frmMain::analysisCompleted);
        w.Edit("txtName")->setText(QStringLiteral("ASHA"));
        w.Find<QPushButton>("cmdRashi")->click();
        QCOMPARE(done.count(), 1);
        QCOMPARE(QString::fromStdString(w.chart->birth.utcOffset), QStringLiteral("+01:00"));
        QVERIFY(!w.chart->birth.dst);
        const std::string ascendant = testing::TextsOf(*w.chart).planet[kBodyCount - 1];
        QVERIFY2(QString::fromStdString(ascendant).startsWith(QStringLiteral("08 Lib")), ascendant.c_str());
    }

    // Bengaluru chosen, then another city typed over it. Mumbai is GeoNames
    // 1275339, 19.07283 N 72.88261 E; Bengaluru 1277333, 12.97194 N 77.59369 E
    // (the boxes hold them to the minute). Both keep India Standard Time.
    void cityTypedOverAChosenPlace_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("answer");  // -1 cancel, 0 take the named place, 1 keep the typed values
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("runs");
        QTest::addColumn<QString>("place");  // the chart's place
        QTest::addColumn<QString>("city");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("longitude");
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("offset");
        const QString mumbai = QStringLiteral("Mumbai, Maharashtra, India");
        const QString lon = QStringLiteral("77\u00B0 36'"), lat = QStringLiteral("12\u00B0 58'");
        QTest::newRow("Mumbai, taken") << "Mumbai" << 0 << true << true << mumbai << "Mumbai" << "Maharashtra"
                                       << QStringLiteral("72\u00B0 53'") << QStringLiteral("19\u00B0 4'")
                                       << "Asia/Kolkata" << "+05:30";
        QTest::newRow("Mumbai, typed values kept") << "Mumbai" << 1 << true << true << QString() << "Mumbai"
                                                   << QString() << lon << lat << QString() << "+05:30";
        QTest::newRow("Mumbai, cancelled") << "Mumbai" << -1 << true << false << QString() << QString() << QString()
                                           << QString() << QString() << QString() << QString();
        QTest::newRow("a city the atlas does not know") << "Xyzzyville" << 0 << false << true << QString()
                                                        << "Xyzzyville" << QString() << lon << lat << QString()
                                                        << "+05:30";
    }
    void cityTypedOverAChosenPlace() {
        QFETCH(QString, typed);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QFETCH(bool, runs);
        Window w;
        w.Show();
        w.Edit("txtName")->setText(QStringLiteral("ASHA"));
        w.ChooseYear(1980);
        w.PickPlace(QStringLiteral("bengaluru"), QStringLiteral("Bengaluru"));
        QLineEdit* city = w.Edit("txtMCity");
        QTRY_COMPARE(city->text(), QStringLiteral("Bengaluru"));
        QCOMPARE(w.Edit("txtMState")->text(), QStringLiteral("Karnataka"));

        city->setFocus();
        city->selectAll();
        QTest::keyClicks(city, typed);
        QAbstractItemView* popup = w.form.PlaceCompleter()->popup();
        if (popup->isVisible()) QTest::keyClick(popup, Qt::Key_Escape);
        QTest::keyClick(city, Qt::Key_Tab);
        // Set aside at once: the place's state and country go, its coordinates
        // and zone stay in their boxes as typed values, and the form says so.
        QCOMPARE(city->text(), typed);
        QVERIFY(w.form.Fields().TimeZoneId.empty());
        QVERIFY(w.form.Fields().Place.empty());
        QCOMPARE(w.Edit("txtMState")->text(), QString());
        QCOMPARE(w.Edit("txtMCountry")->text(), QString());
        QCOMPARE(w.Edit("txtLonD")->text(), QStringLiteral("77"));
        QCOMPARE(w.Edit("txtLatD")->text(), QStringLiteral("12"));
        QVERIFY(w.List("cmbTimeZone")->currentText().contains(QStringLiteral("IST")));
        QCOMPARE(w.form.ZoneInfo(), QStringLiteral("Place set aside: the coordinates and zone are as typed"));

        QSignalSpy done(&w.form, &frmMain::analysisCompleted);
        w.captured.messenger.answer = answer;
        w.Find<QPushButton>("cmdRashi")->click();
        QCOMPARE(int(w.captured.messenger.asked.size()), asked ? 1 : 0);
        if (asked) {
            const auto& question = w.captured.messenger.asked[0];
            QVERIFY2(question.text.contains(QStringLiteral("Mumbai, Maharashtra, India")), qPrintable(question.text));
            QVERIFY2(question.text.contains(QStringLiteral("Bengaluru, Karnataka, India")), qPrintable(question.text));
            QCOMPARE(question.choices.size(), 2);
        }
        QCOMPARE(done.count(), runs ? 1 : 0);
        QVERIFY(w.captured.messenger.shown.empty());
        if (!runs) {
            QCOMPARE(w.Edit("txtLonD")->text(), QStringLiteral("77"));  // nothing changed
            return;
        }
        QVERIFY(w.chart);
        const ResultLabels r = testing::TextsOf(*w.chart);
        const ChartBirth& b = w.chart->birth;
        QTEST(QString::fromStdString(b.place), "place");
        QTEST(QString::fromStdString(b.city), "city");
        QTEST(QString::fromStdString(b.state), "state");
        QTEST(QString::fromStdString(r.longitude), "longitude");
        QTEST(QString::fromStdString(r.latitude), "latitude");
        QTEST(QString::fromStdString(b.timeZone), "zone");
        QTEST(QString::fromStdString(b.utcOffset), "offset");
    }

    // Coordinates typed by hand with a city's name: asked only when the atlas
    // knows the city and it lies more than about 50 km away.
    void cityAgainstTypedCoordinates_data() {
        QTest::addColumn<QString>("city");
        QTest::addColumn<QString>("lonDeg");
        QTest::addColumn<QString>("lonMin");
        QTest::addColumn<bool>("asked");
        // Mumbai (GeoNames 1275339) 19.07283 N 72.88261 E.
        QTest::newRow("Mumbai at its coordinates") << "Mumbai" << "72" << "53" << false;
        QTest::newRow("Mumbai 30 km off") << "Mumbai" << "73" << "10" << false;
        QTest::newRow("Mumbai 65 km off") << "Mumbai" << "73" << "30" << true;
        QTest::newRow("an unknown city") << "Xyzzyville" << "10" << "0" << false;
    }
    void cityAgainstTypedCoordinates() {
        QFETCH(QString, city);
        QFETCH(QString, lonDeg);
        QFETCH(QString, lonMin);
        QFETCH(bool, asked);
        Window w;
        Entry e;
        e.lonDeg = lonDeg;
        e.lonMin = lonMin;
        e.latDeg = QStringLiteral("19");
        e.latMin = QStringLiteral("4");
        w.Fill(e);
        w.Edit("txtMCity")->setText(city);
        w.captured.messenger.answer = 1;
        QSignalSpy done(&w.form, &frmMain::analysisCompleted);
        w.Find<QPushButton>("cmdRashi")->click();
        QCOMPARE(int(w.captured.messenger.asked.size()), asked ? 1 : 0);
        QCOMPARE(done.count(), 1);
        QCOMPARE(QString::fromStdString(w.chart->birth.city), city);
    }

    void repeatedHourIsAsked() {
        Window w;
        w.Show();
        w.PickPlace(QStringLiteral("new york"), QStringLiteral("New York"));
        QCOMPARE(QString::fromStdString(w.form.Fields().TimeZoneId), QStringLiteral("America/New_York"));
        // 2021-11-07 01:30 was shown twice in New York (tzdata: DST ended at 02:00 EDT).
        w.Edit("txtName")->setText(QStringLiteral("ASHA"));
        w.ChooseYear(2021);
        w.List("cboMonth")->setCurrentIndex(10);
        w.List("cboDate")->setCurrentIndex(6);
        w.List("cboHH")->setCurrentIndex(1);
        w.List("cboMM")->setCurrentIndex(30);
        w.Find<QCheckBox>("chkPrecise")->setChecked(true);
        QSignalSpy done(&w.form, &frmMain::analysisCompleted);

        w.captured.messenger.answer = -1;  // Cancel: nothing happens
        w.Find<QPushButton>("cmdRashi")->click();
        QCOMPARE(int(w.captured.messenger.asked.size()), 1);
        QVERIFY(w.captured.messenger.asked[0].text.contains(QStringLiteral("happened twice")));
        QCOMPARE(w.captured.messenger.asked[0].choices.size(), 2);
        QCOMPARE(done.count(), 0);
        QVERIFY(w.captured.messenger.shown.empty());

        // The answer is what the chart used, and the form's box follows it.
        auto* dst = w.Find<QCheckBox>("chkDST");
        w.captured.messenger.answer = 1;  // the later one: standard time again (EST)
        w.Find<QPushButton>("cmdRashi")->click();
        QCOMPARE(done.count(), 1);
        QCOMPARE(QString::fromStdString(w.chart->birth.utcOffset), QStringLiteral("-05:00"));
        QVERIFY(!dst->isChecked());
        QVERIFY2(QString::fromStdString(w.chart->birth.zoneUsed).endsWith(QStringLiteral("the later of the two (the clocks showed this time twice)")),
                 w.chart->birth.zoneUsed.c_str());
        QCOMPARE(QString::fromStdString(w.chart->birth.timeZone), QStringLiteral("America/New_York"));

        w.captured.messenger.answer = 0;  // the earlier one: daylight saving (EDT)
        w.Find<QPushButton>("cmdRashi")->click();
        QCOMPARE(done.count(), 2);
        QCOMPARE(QString::fromStdString(w.chart->birth.utcOffset), QStringLiteral("-04:00"));
        QVERIFY(dst->isChecked());
        QVERIFY(QString::fromStdString(w.chart->birth.zoneUsed).contains(QStringLiteral("daylight saving")));
        QVERIFY(QString::fromStdString(w.chart->birth.zoneUsed).contains(QStringLiteral("the earlier of the two")));
        // The place stays chosen.
        QCOMPARE(QString::fromStdString(w.form.Fields().TimeZoneId), QStringLiteral("America/New_York"));
    }

    void placeLookUp_data() {
        QTest::addColumn<QString>("city");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("country");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("search");
        QTest::addColumn<QString>("address");
        const QString site = QStringLiteral("https://www.openstreetmap.org/search?query=");
        QTest::newRow("all empty") << "" << "" << "" << "Please Enter City" << "txtMCity" << "" << "";
        QTest::newRow("state empty") << "Pune" << "" << "" << "Please Enter State" << "txtMState" << "" << "";
        QTest::newRow("country empty") << "Pune" << "MH" << "" << "Please Enter Country" << "txtMCountry" << "" << "";
        QTest::newRow("one word each") << "Pune" << "Maharashtra" << "India" << "" << ""
                                       << "Pune Maharashtra India Latitude Longitude"
                                       << site + "Pune%20Maharashtra%20India%20Latitude%20Longitude";
        QTest::newRow("state of one space") << "Nice" << " " << "France" << "" << ""
                                            << "Nice   France Latitude Longitude"
                                            << site + "Nice%20%20%20France%20Latitude%20Longitude";
        QTest::newRow("characters that shape addresses")
            << "A&B=C" << "#1?" << "x/y+z%20" << "" << "" << "A&B=C #1? x/y+z%20 Latitude Longitude"
            << site + "A%26B%3DC%20%231%3F%20x%2Fy%2Bz%2520%20Latitude%20Longitude";
        QTest::newRow("non-ASCII") << QString::fromUtf8("Z\xc3\xbcrich") << "ZH" << "CH" << "" << ""
                                   << QString::fromUtf8("Z\xc3\xbcrich ZH CH Latitude Longitude")
                                   << site + "Z%C3%BCrich%20ZH%20CH%20Latitude%20Longitude";
    }
    void placeLookUp() {
        QFETCH(QString, city);
        QFETCH(QString, state);
        QFETCH(QString, country);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        QFETCH(QString, search);
        QFETCH(QString, address);
        Window w;
        w.Show();
        w.Edit("txtMCity")->setText(city);
        w.Edit("txtMState")->setText(state);
        w.Edit("txtMCountry")->setText(country);
        QWidget* start = w.Edit("txtName");
        start->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), start);
        const FormFields before = w.form.Fields();

        w.Find<QPushButton>("cmdBrowser")->click();

        const auto& shown = w.captured.messenger.shown;
        const auto& opened = w.captured.web.opened;
        QVERIFY(SameFields(w.form.Fields(), before));
        if (!message.isEmpty()) {
            QCOMPARE(int(shown.size()), 1);
            QCOMPARE(shown[0].text, message);
            QCOMPARE(shown[0].icon, MessageIcon::Information);
            QCOMPARE(QApplication::focusWidget()->objectName(), focus);
            QVERIFY(opened.empty());
            return;
        }
        QVERIFY(shown.empty());
        QCOMPARE(QApplication::focusWidget(), start);
        QCOMPARE(int(opened.size()), 1);
        QCOMPARE(opened[0].toString(QUrl::FullyEncoded), address);
        QCOMPARE(QUrlQuery(opened[0]).queryItemValue(QStringLiteral("query"), QUrl::FullyDecoded), search);
    }

    void tabOrder() {
        Window w;
        w.Show();
        const QStringList expected = {"txtName",   "cboMonth",  "cboDate",   "cboYear",     "cboHH",
                                      "cboMM",     "cboSS",     "txtMCity",  "txtMState",   "txtMCountry",
                                      "txtLonD",   "txtLonM",   "optLong_0", "txtLatD",     "txtLatM",
                                      "optLat_0",  "cmbTimeZone", "chkDST",  "chkPrecise",
                                      "chkTrueNode",  // a choice of precise positions, ticked at a first start
                                      "cmdChartOptions",  // the same
                                      "cmdRashi",    "cmdBrowser",
                                      "Label61",   "lblCobrand", "lblFullBrand"};
        w.Edit("txtName")->setFocus();
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), expected[0]);
        QStringList visited = {expected[0]};
        for (int i = 1; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, expected);
    }

    // What the accessibility tree hands a screen reader for each control: a
    // name that says what it is, with the list's current item.
    void spokenNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("item");  // list item to choose first, -1 for none
        QTest::addColumn<QString>("spoken");
        QTest::newRow("name") << "txtName" << -1 << "Name";
        QTest::newRow("month") << "cboMonth" << 2 << "Month of birth, March";
        QTest::newRow("day") << "cboDate" << 29 << "Day of birth, 30";
        QTest::newRow("year") << "cboYear" << 1980 - 1800 << "Year of birth, 1980";
        QTest::newRow("hour") << "cboHH" << 0 << "Hour of birth, 0";
        QTest::newRow("minute") << "cboMM" << 5 << "Minute of birth, 5";
        QTest::newRow("second") << "cboSS" << 59 << "Second of birth, 59";
        QTest::newRow("city") << "txtMCity" << -1 << "City";
        QTest::newRow("state") << "txtMState" << -1 << "State";
        QTest::newRow("country") << "txtMCountry" << -1 << "Country";
        QTest::newRow("longitude degrees") << "txtLonD" << -1 << "Longitude degrees";
        QTest::newRow("longitude minutes") << "txtLonM" << -1 << "Longitude minutes";
        QTest::newRow("east") << "optLong_0" << -1 << "East";
        QTest::newRow("latitude degrees") << "txtLatD" << -1 << "Latitude degrees";
        QTest::newRow("south") << "optLat_1" << -1 << "South";
        QTest::newRow("zone") << "cmbTimeZone" << 34 << "Time zone, Indian Time, IST, +5.3";
        QTest::newRow("daylight saving") << "chkDST" << -1 << "Daylight Saving Time";
        QTest::newRow("precise") << "chkPrecise" << -1 << "Precise positions (Swiss Ephemeris)";
        QTest::newRow("analyze") << "cmdRashi" << -1 << "Analyze My Graha Arudha";
        QTest::newRow("look-up") << "cmdBrowser" << -1 << "Click for Latitude & Longitude";
    }
    void spokenNames() {
        QFETCH(QString, name);
        QFETCH(int, item);
        QFETCH(QString, spoken);
        Window w;
        QWidget* widget = w.form.findChild<QWidget*>(name);
        QVERIFY2(widget, qPrintable(name));
        auto* list = qobject_cast<QComboBox*>(widget);
        if (list) list->setCurrentIndex(item);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(iface);
        QCOMPARE(iface->text(QAccessible::Name), spoken);
        if (!list) return;
        // A list is still a list: its role, its value, its popup.
        QCOMPARE(iface->role(), QAccessible::ComboBox);
        QCOMPARE(iface->text(QAccessible::Value), list->currentText());
        QCOMPARE(iface->childCount(), 1);
        QCOMPARE(iface->child(0)->object(), list->view());
        QVERIFY(iface->actionInterface()->actionNames().contains(QAccessibleActionInterface::showMenuAction()));
        // The name says it all: no label or frame beside it is read as well.
        QVERIFY(iface->relations(QAccessible::Label).isEmpty());
        // Choosing another item changes what is said.
        list->setCurrentIndex(item == 0 ? 1 : 0);
        QVERIFY(iface->text(QAccessible::Name) != spoken);
        QVERIFY(iface->text(QAccessible::Name).endsWith(list->currentText()));
    }

    void shortcuts() {
        Window w;
        w.Show();
        QSignalSpy exit(&w.form, &frmMain::exitRequested);
        QTest::keyClick(&w.form, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(exit.count(), 1);
        // Ctrl+Return runs the analysis from any field: here the empty name stops it.
        w.Edit("txtMCity")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(int(w.captured.messenger.shown.size()), 1);
        QCOMPARE(w.captured.messenger.shown[0].text, QStringLiteral("Please Enter Name"));
    }

    void mnemonics_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("focus");
        QTest::newRow("Alt+N") << int(Qt::Key_N) << "txtName";
        QTest::newRow("Alt+B") << int(Qt::Key_B) << "cboMonth";
        QTest::newRow("Alt+T") << int(Qt::Key_T) << "cboHH";
        QTest::newRow("Alt+C") << int(Qt::Key_C) << "txtMCity";
        QTest::newRow("Alt+S") << int(Qt::Key_S) << "txtMState";
        QTest::newRow("Alt+O") << int(Qt::Key_O) << "txtMCountry";
        QTest::newRow("Alt+L") << int(Qt::Key_L) << "txtLonD";
        QTest::newRow("Alt+A") << int(Qt::Key_A) << "txtLatD";
        QTest::newRow("Alt+Z") << int(Qt::Key_Z) << "cmbTimeZone";
        QTest::newRow("Alt+P") << int(Qt::Key_P) << "chkPrecise";
    }
    void mnemonics() {
        QFETCH(int, key);
        QFETCH(QString, focus);
        Window w;
        w.Show();
        w.Find<QPushButton>("cmdRashi")->setFocus();
        QTest::keyClick(&w.form, Qt::Key(key), Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QVERIFY(w.captured.messenger.shown.empty());
    }
};

QTEST_MAIN(frmMainTest)
#include "frmMain_qtest.moc"
