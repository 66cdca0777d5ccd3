// The panchanga and transit pages: opened from the main window's Chart menu,
// the panchanga of a published almanac day with either sunrise, the
// transits at the clock's moment and at a chosen one, the transiting bodies
// drawn over the birth chart, a classic chart's refusal, every control
// reachable by Tab and named for a screen reader, and their pictures.

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTableWidget>
#include <QLocale>
#include <QtTest>
#include <memory>

#include "chart/LocalMoment.h"
#include "presentation/ResultTexts.h"
#include "presentation/TimeLabels.h"
#include "result/ChartView.h"
#include "result/PrintDocument.h"
#include "result/frmPanchanga.h"
#include "result/frmTransits.h"
#include "shell/MDI.h"
#include "tests/gui/Screenshots.h"
#include "tests/gui/entry/CaptureServices.h"
#include "birth/Birth.h"
#include "chart/ComputeChart.h"
#include "presentation/ResultTexts.h"

using namespace velmora;
using velmora::testing::CapturedServices;

namespace {

// Dates and times as a British English desktop writes them.
const bool kBritishLocale = [] {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    return true;
}();

// A precise (or classic) chart of a birth on a zone's clock.
// North and east of Greenwich, in degrees and minutes.
struct NorthEast {
    int latDeg, latMin, lonDeg, lonMin;
};
Chart ChartAt(const char* name, LocalClock clock, NorthEast place, const char* zone,
              ComputationMode mode = ComputationMode::Precise) {
    Birth b;
    b.name = name;
    b.clock = clock;
    b.latitude = JoinCoordinate(place.latDeg, place.latMin, false);
    b.longitude = JoinCoordinate(place.lonDeg, place.lonMin, false);
    b.timeZoneId = zone;
    b.mode = mode;
    const ChartOutcome outcome = ComputeChart(b, {.report = true, .dashas = {DashaSystem::Vimshottari}, .today = {}});
    if (!outcome.Computed()) qFatal("%s", std::string(outcome.refusal.message).c_str());
    return outcome.chart ? *outcome.chart : Chart{};
}

// Bangalore, 18 January 2013 at noon IST.
Chart BangaloreChart(ComputationMode mode = ComputationMode::Precise) {
    return ChartAt("BALA", {2013, 1, 18, 12, 0, 0}, {12, 58, 77, 35}, "Asia/Kolkata", mode);
}

// Tromsø (69° 39′ N 18° 57′ E), 21 June 1990 at noon, in the midnight sun
// (20 May to 22 July there); 21 June 1990 was a Thursday.
Chart TromsoChart() { return ChartAt("TORA", {1990, 6, 21, 12, 0, 0}, {69, 39, 18, 57}, "Europe/Oslo"); }

// A clock stopped at 1 January 2024, 0 h UT (05:30 in India).
class StoppedClock : public Clock {
public:
    CalendarDate Today() const override { return {2024, 1, 1}; }
    double NowJulianDayUT() const override { return 2460310.5; }
};

QString Cell(const QTableWidget* table, int row, int column) { return table->item(row, column)->text(); }

// Every control that takes focus by Tab has a name a screen reader says.
void CheckNamed(QWidget* page) {
    for (QWidget* w : page->findChildren<QWidget*>()) {
        if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(page)) continue;
        if (qobject_cast<QAbstractSpinBox*>(w->parentWidget())) continue;  // the editor inside a spin box
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        QVERIFY2(a && !a->text(QAccessible::Name).isEmpty(), qPrintable(w->metaObject()->className() + (" " + w->objectName())));
    }
}

}  // namespace

class TimePagesTest : public QObject {
    Q_OBJECT
private slots:
    void chartMenuOpensBothPages();
    void panchangaOfAPublishedDay();
    void classicChartsSayWhy();
    void theMidnightSunGivesThePanchangaWithANote();
    void transitsNowAndAtAChosenMoment();
    void tabReachesEveryControl();
    void thePdfEndsWithThePanchanga();
    void screenshots();
};

void TimePagesTest::chartMenuOpensBothPages() {
    CapturedServices s;
    const auto chart = std::make_shared<const Chart>(BangaloreChart());
    MDI window(chart, s.services);
    for (const char* name : {"mnuPanchanga", "mnuTransits"}) {
        auto* item = window.mnuChart->findChild<QAction*>(QLatin1String(name));
        if (!item)
            for (QAction* a : window.mnuChart->actions())
                if (a->objectName() == QLatin1String(name)) item = a;
        QVERIFY2(item, name);
        item->trigger();
    }
    auto* panchanga = window.findChild<frmPanchanga*>();
    auto* transits = window.findChild<frmTransits*>();
    QVERIFY(panchanga && panchanga->isVisible() && panchanga->isWindow());
    QVERIFY(transits && transits->isVisible() && transits->isWindow());
    QCOMPARE(panchanga->windowTitle(), QStringLiteral("Panchanga at birth - BALA"));
}

void TimePagesTest::panchangaOfAPublishedDay() {
    // Bangalore, 18 January 2013: a Friday, tithi 7 (Shukla Saptami), the
    // Moon in Revati, yoga 21 (Siddha), the disc centre's sunrise at 06:49:47
    // (drik-panchanga's tests, github.com/bdsatish/drik-panchanga).
    frmPanchanga page(BangaloreChart());
    QCOMPARE(page.tblPanchanga->rowCount(), 7);
    QCOMPARE(Cell(page.tblPanchanga, 0, 0), QStringLiteral("Weekday (vara)"));
    QVERIFY(Cell(page.tblPanchanga, 0, 1).startsWith(QStringLiteral("6 Shukravara (Friday)")));
    QVERIFY(Cell(page.tblPanchanga, 1, 1).startsWith(QStringLiteral("7 Shukla Saptami")));
    QVERIFY(Cell(page.tblPanchanga, 2, 1).startsWith(QStringLiteral("27 Revati")));
    QVERIFY(Cell(page.tblPanchanga, 3, 1).startsWith(QStringLiteral("21 Siddha")));
    QVERIFY(Cell(page.tblPanchanga, 5, 1).contains(QStringLiteral("upper limb with refraction")));
    page.cboSunrise->setCurrentIndex(1);
    // Written in the person's locale (British English here), to the second.
    QVERIFY(Cell(page.tblPanchanga, 5, 1).startsWith(QStringLiteral("18 Jan 2013 06:49:")) ||
            Cell(page.tblPanchanga, 5, 1).startsWith(QStringLiteral("18 Jan 2013 06:50:0")));
    QVERIFY(Cell(page.tblPanchanga, 5, 1).contains(QStringLiteral("disc centre without refraction")));
}

void TimePagesTest::classicChartsSayWhy() {
    frmPanchanga panchanga(BangaloreChart(ComputationMode::Classic));
    QVERIFY(!panchanga.tblPanchanga->isEnabled());
    QVERIFY(panchanga.lblNote->text().contains(QStringLiteral("choose precise positions")));
    StoppedClock clock;
    ChartStyleChoice style;
    frmTransits transits(BangaloreChart(ComputationMode::Classic), clock, style);
    QVERIFY(!transits.Shown());
    QVERIFY(transits.lblState->text().startsWith(QStringLiteral("Transits need precise positions")));
    QCOMPARE(transits.lblState->accessibleName(), transits.lblState->text());
}

void TimePagesTest::theMidnightSunGivesThePanchangaWithANote() {
    const Chart chart = TromsoChart();
    frmPanchanga page(chart);
    QVERIFY(page.tblPanchanga->isEnabled());
    QCOMPARE(page.tblPanchanga->rowCount(), 8);
    QCOMPARE(Cell(page.tblPanchanga, 0, 1),
             QStringLiteral("5 Guruvara (Thursday), local midnight 21 Jun 1990 00:00:00 to local midnight "
                            "22 Jun 1990 00:00:00"));
    QCOMPARE(Cell(page.tblPanchanga, 5, 1), QStringLiteral("none in this day"));
    QCOMPARE(Cell(page.tblPanchanga, 6, 1), QStringLiteral("none in this day"));
    QCOMPARE(Cell(page.tblPanchanga, 7, 0), QStringLiteral("Note"));
    QVERIFY(Cell(page.tblPanchanga, 7, 1).startsWith(QStringLiteral("The Sun neither rises nor sets")));
    QVERIFY(page.lblNote->text().contains(QStringLiteral("the day begins at local midnight")));
    // The printed pages take the same rows.
    const auto rows = PanchangaLabelRows(chart);
    QCOMPARE(rows.size(), 8u);
    QCOMPARE(QString::fromStdString(rows.back().first), QStringLiteral("Note"));
}

void TimePagesTest::transitsNowAndAtAChosenMoment() {
    StoppedClock clock;
    ChartStyleChoice style;
    frmTransits page(BangaloreChart(), clock, style);
    // Opened on the clock's moment, written on India's clock.
    QVERIFY(page.Shown());
    QCOMPARE(page.dteMoment->dateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")), QStringLiteral("2024-01-01 05:30"));
    // In the person's locale, to the minute, the clock named once.
    QVERIFY(page.lblState->text().contains(QStringLiteral("1 Jan 2024 05:30 on the birth place's clock (UTC+05:30)")));
    // Nine transiting grahas stand in the chart beside the natal bodies.
    int transiting = 0;
    for (const DiagramCell& cell : page.chartView->Diagram().cells)
        for (const DiagramEntry& e : cell.entries) transiting += e.transit ? 1 : 0;
    QCOMPARE(transiting, 9);
    QCOMPARE(page.tblPositions->rowCount(), 11);  // the moment and ten points
    // Jupiter entered sidereal Taurus on 1 May 2024 (Drik Panchang, "Guru Gochar 2024").
    QVERIFY(Cell(page.tblChanges, 5, 1).startsWith(QStringLiteral("enters Tau 1 May 2024")));

    // A chosen moment: 1 June 2025 at 12:00 in India.
    page.dteMoment->setDateTime(QDateTime(QDate(2025, 6, 1), QTime(12, 0), Qt::UTC));
    page.cmdShow->click();
    QVERIFY(page.Shown());
    QCOMPARE(page.Shown()->moment, JulianDayOf({2025, 6, 1, 12, 0, 0}, 19800));
    // Now goes back to the clock's moment.
    page.cmdNow->click();
    QCOMPARE(page.Shown()->moment, 2460310.5);
}

void TimePagesTest::tabReachesEveryControl() {
    StoppedClock clock;
    ChartStyleChoice style;
    frmTransits transits(BangaloreChart(), clock, style);
    frmPanchanga panchanga(BangaloreChart());
    for (QWidget* page : std::initializer_list<QWidget*>{&panchanga, &transits}) {
        page->show();
        QVERIFY(QTest::qWaitForWindowExposed(page));
        CheckNamed(page);
    }
    panchanga.close();
    transits.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&transits));
    transits.dteMoment->setFocus();
    // Tab steps through the chooser's fields (year, month, day, hour,
    // minute) before it leaves it.
    for (int field = 0; field < 5 && QApplication::focusWidget() == transits.dteMoment; ++field)
        QTest::keyClick(transits.dteMoment, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(transits.cmdShow));
    const QList<QWidget*> order{transits.cmdNow, transits.lblState, transits.chartView->HouseSpot(1)};
    for (QWidget* next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
    // Escape closes a page.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!transits.isVisible());
}

void TimePagesTest::thePdfEndsWithThePanchanga() {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) QSKIP("pdftotext (poppler-utils) is not installed");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const Chart chart = BangaloreChart();
    const Chart classic = BangaloreChart(ComputationMode::Classic);
    QCOMPARE(PanchangaLabelRows(chart).size(), 7u);
    QCOMPARE(PanchangaLabelRows(classic).size(), 1u);
    auto text = [&](const Chart& printed, const QString& name) {
        const QString pdf = dir.filePath(name);
        if (!WriteChartPdf(pdf, printed, EnglishMonthNames()).isEmpty()) return QString();
        QProcess process;
        process.start(pdftotext, {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
        process.waitForFinished(60000);
        return QString::fromUtf8(process.readAllStandardOutput());
    };
    const QString with = text(chart, QStringLiteral("with.pdf"));
    const QString without = text(classic, QStringLiteral("without.pdf"));
    QVERIFY(with.contains(QStringLiteral("Panchanga at birth")));
    QVERIFY(with.contains(QStringLiteral("7 Shukla Saptami")));
    QVERIFY(with.indexOf(QStringLiteral("Panchanga at birth")) > with.indexOf(QStringLiteral("About Your AL")));
    // A classic chart has no panchanga: its section says why, nothing more.
    QVERIFY(!without.isEmpty() && !without.contains(QStringLiteral("Shukla Saptami")));
}

void TimePagesTest::screenshots() {
    StoppedClock clock;
    for (ChartStyle chartStyle : {ChartStyle::South, ChartStyle::North}) {
        ChartStyleChoice style;
        style.Choose(chartStyle);
        frmTransits page(BangaloreChart(), clock, style);
        page.resize(1024, 768);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        velmora::testing::SaveScreenshot(
            page.grab(), chartStyle == ChartStyle::North ? QStringLiteral("transits-north") : QStringLiteral("transits-south"));
    }
    frmPanchanga panchanga(BangaloreChart());
    panchanga.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panchanga));
    velmora::testing::SaveScreenshot(panchanga.grab(), QStringLiteral("panchanga"));
}

QTEST_MAIN(TimePagesTest)
#include "time_pages_qtest.moc"
