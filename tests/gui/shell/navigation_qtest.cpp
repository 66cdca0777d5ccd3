// The program's way between its windows, driven through the input form as a
// user drives it: typed birth data to the filled result window, Back with
// every field kept, runs after runs, every way out, the About box from either
// window, and the link entries of both windows.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <optional>

#include "entry/frmMain.h"
#include "widgets/LinkLabel.h"
#include "shell/MDI.h"
#include "shell/Shell.h"
#include "shell/frmAbout.h"
#include "tests/gui/result/DisplayCheck.h"
#include "tests/gui/entry/CaptureServices.h"
#include "tests/support/RunTexts.h"
#include "engine/LongitudeText.h"

using namespace velmora;
using velmora::testing::CapturedServices;
using velmora::testing::DisplayMismatch;

namespace {

// A birth as the user types it.
struct TypedBirth {
    QString name, city, state, country;
    int month, day, year, hour, minute;  // list items: month 1-12, day, year, hour, minute as shown
    QString lonDeg, lonMin, latDeg, latMin;
    bool west, south;
    int zone;
    bool dst;
};

const TypedBirth kBangalore = {"ASHA RAO", "Bangalore", "Karnataka", "India", 3, 5, 1980, 9, 5,
                          "77", "35", "12", "58", false, false, 34, false};
const TypedBirth kBuenosAires = {"MATEO DIAZ", "Buenos Aires", "Buenos Aires", "Argentina", 11, 30, 1964, 23, 59,
                            "58", "22", "34", "36", true, true, 14, true};
const TypedBirth kReykjavik = {"GUDRUN", "Reykjavik", "Capital Region", "Iceland", 1, 1, 1901, 0, 0,
                          "21", "56", "64", "8", true, false, 29, false};

// The program with stand-ins for the message boxes, the browser and the end.
struct Program {
    CapturedServices captured;
    std::vector<int> endings;
    Shell shell{captured.services, [this](int status) { endings.push_back(status); }};

    frmMain& input() { return *shell.InputForm(); }

    template <typename T>
    T* Find(const char* name) {
        return input().findChild<T*>(QLatin1String(name));
    }

    void Type(const char* box, const QString& text) {
        auto* edit = Find<QLineEdit>(box);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }

    void Enter(const TypedBirth& b) {
        Type("txtName", b.name);
        Find<QComboBox>("cboMonth")->setCurrentIndex(b.month - 1);
        Find<QComboBox>("cboDate")->setCurrentIndex(b.day - 1);
        auto* years = Find<QComboBox>("cboYear");  // its first year depends on the positions chosen
        years->setCurrentIndex(years->findText(QString::number(b.year)));
        Find<QComboBox>("cboHH")->setCurrentIndex(b.hour);
        Find<QComboBox>("cboMM")->setCurrentIndex(b.minute);
        Type("txtMCity", b.city);
        Type("txtMState", b.state);
        Type("txtMCountry", b.country);
        Type("txtLonD", b.lonDeg);
        Type("txtLonM", b.lonMin);
        Find<QRadioButton>(b.west ? "optLong_1" : "optLong_0")->setChecked(true);
        Type("txtLatD", b.latDeg);
        Type("txtLatM", b.latMin);
        Find<QRadioButton>(b.south ? "optLat_1" : "optLat_0")->setChecked(true);
        Find<QComboBox>("cmbTimeZone")->setCurrentIndex(b.zone);
        Find<QCheckBox>("chkDST")->setChecked(b.dst);
    }

    void Analyze() { QTest::mouseClick(Find<QPushButton>("cmdRashi"), Qt::LeftButton); }

    // Starts the program and, for `results`, runs one chart: the window shown.
    QMainWindow* Open(bool results) {
        shell.Start();
        if (!QTest::qWaitForWindowExposed(&input())) return nullptr;
        if (!results) return &input();
        Enter(kBangalore);
        Analyze();
        MDI* window = shell.MainWindow();
        return window && QTest::qWaitForWindowExposed(window) ? window : nullptr;
    }

    // What an independent run of the form's present fields gives.
    static testing::ShownChart Expected(const FormFields& fields) {
        MonthNames months;
        for (int m = 1; m <= 12; ++m) months[m - 1] = QLocale::system().monthName(m).toStdString();
        const std::shared_ptr<const Chart> fresh = testing::ChartOfForm(fields);
        if (!fresh) qFatal("the sample birth fails the checks");
        return {std::make_shared<Chart>(*fresh), testing::TextsOf(*fresh, months)};
    }
};

bool SameFields(const FormFields& a, const FormFields& b) {
    return a.Name == b.Name && a.Month == b.Month && a.Day == b.Day && a.Year == b.Year && a.Hour == b.Hour &&
           a.Minute == b.Minute && a.Second == b.Second && a.City == b.City && a.State == b.State &&
           a.Country == b.Country && a.LonDeg == b.LonDeg && a.LonMin == b.LonMin && a.East == b.East &&
           a.LatDeg == b.LatDeg && a.LatMin == b.LatMin && a.South == b.South && a.Zone == b.Zone &&
           a.DaylightSaving == b.DaylightSaving;
}

}  // namespace

Q_DECLARE_METATYPE(TypedBirth)

class NavigationTest : public QObject {
    Q_OBJECT

private slots:
    void runFromTypedInputFillsTheResultWindow_data();
    void runFromTypedInputFillsTheResultWindow();
    void failedCheckOpensNothing();
    void backKeepsEveryFieldAndEachRunShowsOnlyItsChart_data();
    void backKeepsEveryFieldAndEachRunShowsOnlyItsChart();
    void everyWayOutEndsTheProgramOnce_data();
    void everyWayOutEndsTheProgramOnce();
    void aboutIsModalOverTheWindowItCameFrom_data();
    void aboutIsModalOverTheWindowItCameFrom();
    void linkEntriesOfBothWindows_data();
    void linkEntriesOfBothWindows();
};

void NavigationTest::runFromTypedInputFillsTheResultWindow_data() {
    QTest::addColumn<TypedBirth>("birth");
    QTest::addColumn<QString>("dob");
    QTest::addColumn<QString>("tob");
    QTest::addColumn<QString>("longitude");
    QTest::addColumn<QString>("latitude");
    QTest::newRow("Bangalore") << kBangalore << "/5/1980" << "9:5" << "77° 35'" << "12° 58'";
    QTest::newRow("Buenos Aires, daylight saving") << kBuenosAires << "/30/1964" << "23:59" << "58° 22'"
                                                   << "34° 36'";
    QTest::newRow("Reykjavik, first day of the lists") << kReykjavik << "/1/1901" << "0:0" << "21° 56'" << "64° 8'";
}

void NavigationTest::runFromTypedInputFillsTheResultWindow() {
    QFETCH(TypedBirth, birth);
    QFETCH(QString, dob);
    QFETCH(QString, tob);
    QFETCH(QString, longitude);
    QFETCH(QString, latitude);
    Program p;
    p.shell.Start();
    QVERIFY(QTest::qWaitForWindowExposed(&p.input()));
    p.Enter(birth);
    p.Analyze();

    QVERIFY(p.captured.messenger.shown.empty());
    MDI* window = p.shell.MainWindow();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QVERIFY(!p.input().isVisible());
    frmDisplay* display = window->Display();
    QVERIFY(display);
    QCOMPARE(DisplayMismatch(*display, *Program::Expected(p.input().Fields()).chart, Program::Expected(p.input().Fields()).texts), QString());

    // The details as typed, in the form the result window writes them.
    QCOMPARE(display->lblName->text(), birth.name);
    QCOMPARE(display->lblDOB->text(), QLocale::system().monthName(birth.month) + dob);
    QCOMPARE(display->lblTOB->text(), tob);
    QCOMPARE(display->lblLongitude->text(), longitude);
    QCOMPARE(display->lblLatitude->text(), latitude);
    QCOMPARE(display->lblCity->text(), birth.city);
    QCOMPARE(display->lblCountry->text(), birth.country);
    // Every body stands in the box of the sign its position names, once.
    const QString signs = QString::fromLatin1(SignAbbreviations.data(), static_cast<qsizetype>(SignAbbreviations.size()));
    for (int i = 0; i < kBodyCount; ++i) {
        const QString position = display->planet[i]->text();
        const auto at = signs.indexOf(position.mid(3, 3));
        QVERIFY2(at >= 0 && at % 3 == 0, qPrintable(position));
        const int sign = static_cast<int>(at / 3);
        const QRegularExpression entry(QStringLiteral("^%1( \\(R\\) )?$").arg(QLatin1String(kPlainBodyNames[i])));
        const QStringList lines = display->signLabels[sign]->text().split(QLatin1Char('\n'));
        QVERIFY2(lines.filter(entry).size() == 1, qPrintable(position));
    }
    QVERIFY(display->RTB->toPlainText().startsWith(QStringLiteral("About Your AL")));
}

void NavigationTest::failedCheckOpensNothing() {
    Program p;
    p.shell.Start();
    QVERIFY(QTest::qWaitForWindowExposed(&p.input()));
    TypedBirth nameless = kBangalore;
    nameless.name.clear();
    p.Enter(nameless);
    p.Analyze();
    QCOMPARE(p.captured.messenger.shown.size(), std::size_t{1});
    QVERIFY(!p.shell.MainWindow());
    QVERIFY(p.input().isVisible());
    QVERIFY(p.endings.empty());
}

void NavigationTest::backKeepsEveryFieldAndEachRunShowsOnlyItsChart_data() {
    QTest::addColumn<QString>("back");
    QTest::newRow("cmdBack") << "cmdBack";
    QTest::newRow("mnuBack") << "mnuBack";
}

void NavigationTest::backKeepsEveryFieldAndEachRunShowsOnlyItsChart() {
    QFETCH(QString, back);
    Program p;
    p.shell.Start();
    QVERIFY(QTest::qWaitForWindowExposed(&p.input()));
    // There and back again, as often as the user likes.
    const std::vector<TypedBirth> births = {kBangalore, kBuenosAires, kReykjavik, kBangalore};
    for (const TypedBirth& birth : births) {
        p.Enter(birth);
        const FormFields typed = p.input().Fields();
        p.Analyze();
        QPointer<MDI> window = p.shell.MainWindow();
        QVERIFY(window);
        QPointer<frmDisplay> display = window->Display();
        // Only this run's chart: the boxes, arudhas and report of the run before are gone.
        QCOMPARE(DisplayMismatch(*display, *Program::Expected(typed).chart, Program::Expected(typed).texts), QString());

        if (auto* button = window->findChild<QPushButton*>(back)) {
            QTest::mouseClick(button, Qt::LeftButton);
        } else {
            window->menuBar()->findChild<QAction*>(back)->trigger();
        }
        QVERIFY(p.input().isVisible());
        QVERIFY(!p.shell.MainWindow());
        QTRY_VERIFY(window.isNull());  // the main window and its form are unloaded
        QVERIFY(display.isNull());
        QVERIFY(SameFields(p.input().Fields(), typed));
        QVERIFY(p.endings.empty());
    }
}

void NavigationTest::everyWayOutEndsTheProgramOnce_data() {
    QTest::addColumn<bool>("fromResults");
    QTest::addColumn<QString>("way");
    QTest::newRow("results: cmdExit") << true << "cmdExit";
    QTest::newRow("results: mnuExit") << true << "mnuExit";
    QTest::newRow("results: close box") << true << "close";
    QTest::newRow("input: mnuExit") << false << "mnuExit";
    QTest::newRow("input: close box") << false << "close";
}

void NavigationTest::everyWayOutEndsTheProgramOnce() {
    QFETCH(bool, fromResults);
    QFETCH(QString, way);
    Program p;
    QMainWindow* window = p.Open(fromResults);
    QVERIFY(window);
    if (way == QLatin1String("close")) {
        window->close();
    } else if (auto* button = window->findChild<QPushButton*>(way)) {
        QTest::mouseClick(button, Qt::LeftButton);
    } else {
        window->menuBar()->findChild<QAction*>(way)->trigger();
    }
    QCOMPARE(p.endings, std::vector<int>{0});
    QVERIFY(p.shell.Ended());
    QVERIFY(!p.input().isVisible());
    if (MDI* results = p.shell.MainWindow()) QVERIFY(!results->isVisible());
    // Nothing goes back to the input form afterwards.
    QCoreApplication::processEvents();
    QVERIFY(!p.input().isVisible());
    QCOMPARE(p.endings.size(), std::size_t{1});
}

void NavigationTest::aboutIsModalOverTheWindowItCameFrom_data() {
    QTest::addColumn<bool>("fromResults");
    QTest::newRow("input form") << false;
    QTest::newRow("main window") << true;
}

void NavigationTest::aboutIsModalOverTheWindowItCameFrom() {
    QFETCH(bool, fromResults);
    Program p;
    QMainWindow* window = p.Open(fromResults);
    QVERIFY(window);
    // Looked at while the box is up: the box is gone by the time it returns.
    bool aboutWasModal = false;
    QWidget* over = nullptr;
    QTimer::singleShot(0, this, [&] {
        if (auto* about = qobject_cast<frmAbout*>(QApplication::activeModalWidget())) {
            aboutWasModal = true;
            over = about->parentWidget();
            QTest::mouseClick(about->cmdOK, Qt::LeftButton);
        }
        if (QApplication::activeModalWidget()) QApplication::activeModalWidget()->close();
    });
    window->menuBar()->findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger();  // returns once OK is pressed
    QVERIFY(aboutWasModal);
    QCOMPARE(over, window);
    QVERIFY(window->isVisible());
    QVERIFY(p.endings.empty());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void NavigationTest::linkEntriesOfBothWindows_data() {
    QTest::addColumn<bool>("onResults");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("page");
    struct Entry {
        const char* name;
        WebPage page;
    };
    const Entry shared[] = {{"mnuOnline", WebPage::Help}, {"mnuVisit", WebPage::Home},
                            {"mnuUpdate", WebPage::Download}, {"mnuDonate", WebPage::Donation}};
    for (const Entry& e : shared) {
        QTest::addRow("input %s", e.name) << false << e.name << int(e.page);
        QTest::addRow("results %s", e.name) << true << e.name << int(e.page);
    }
    QTest::newRow("input Label61") << false << "Label61" << int(WebPage::Home);
    QTest::newRow("input lblCobrand") << false << "lblCobrand" << int(WebPage::CoBranding);
    QTest::newRow("input lblFullBrand") << false << "lblFullBrand" << int(WebPage::BrandedEdition);
    QTest::newRow("results Label10") << true << "Label10" << int(WebPage::BrandedEdition);
    QTest::newRow("results Label6") << true << "Label6" << int(WebPage::Home);
    QTest::newRow("results Label7") << true << "Label7" << int(WebPage::Home);
}

void NavigationTest::linkEntriesOfBothWindows() {
    QFETCH(bool, onResults);
    QFETCH(QString, entry);
    QFETCH(int, page);
    Program p;
    QMainWindow* window = p.Open(onResults);
    QVERIFY(window);
    if (QAction* action = window->menuBar()->findChild<QAction*>(entry)) {
        action->trigger();
    } else {
        auto* link = window->findChild<LinkLabel*>(entry);
        QVERIFY(link);
        QTest::mouseClick(link, Qt::LeftButton);
    }
    QCOMPARE(p.captured.web.opened.size(), std::size_t{1});
    QCOMPARE(p.captured.web.opened[0], WebPageAddress(WebPage(page)));
    // A link changes nothing else: same window shown, nothing ended.
    QVERIFY(window->isVisible());
    QCOMPARE(p.shell.MainWindow() != nullptr, onResults);
    QVERIFY(p.endings.empty());
}

QTEST_MAIN(NavigationTest)
#include "navigation_qtest.moc"
