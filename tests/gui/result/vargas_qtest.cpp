// The page of nakshatras, dasha and Navamsa: opened from the result form,
// the Moon's nakshatra and today's periods in its summary, the style chosen
// there kept in the program's choice and redrawn in both charts, every house
// reachable and named for a screen reader, and pictures of both styles.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>
#include <QTreeWidget>
#include <QLocale>
#include <QtTest>
#include <memory>

#include "result/ChartView.h"
#include "result/frmDisplay.h"
#include "result/frmVargas.h"
#include "birth/ZoneTable.h"
#include "tests/gui/Screenshots.h"
#include "tests/gui/entry/CaptureServices.h"
#include "tests/support/RunTexts.h"

using namespace velmora;
using velmora::testing::CapturedServices;

namespace {

// Dates and times as a British English desktop writes them.
const bool kBritishLocale = [] {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    return true;
}();

// Bangalore, 5 March 1980, 9:05 IST, as the main window's picture.
std::shared_ptr<const Chart> BangaloreRun(const CalendarDate& today) {
    using namespace std::string_literals;  // "77"s: GCC 12 at -O3 misreads short C strings
    FormFields form;
    form.Name = "ASHA RAO"s;
    form.Year = 1980 - kFirstYear;
    form.Month = 2;
    form.Day = 4;
    form.Hour = 9;
    form.Minute = 5;
    form.LonDeg = "77"s;
    form.LonMin = "35"s;
    form.LatDeg = "12"s;
    form.LatMin = "58"s;
    form.City = "Bangalore"s;
    for (int p = 0; p < kZoneItems; ++p)
        if (ZoneAbbreviation(kZoneTable[p]) == "IST") form.Zone = p;
    const ChartOutcome outcome = ComputeChartOfForm(form, testing::WindowWants(today));
    if (!outcome.Computed()) qFatal("%s", outcome.refusal.message.c_str());
    return outcome.chart;
}

}  // namespace

class VargasTest : public QObject {
    Q_OBJECT
private slots:
    void openedFromTheResultForm();
    void summaryTableAndPeriods();
    void styleIsKeptAndRedrawn();
    void housesAreNamedForScreenReaders();
    void escapeClosesThePage_data();
    void escapeClosesThePage();
    void theFocusedHouseIsFramed_data();
    void theFocusedHouseIsFramed();
    void screenshots();
};

void VargasTest::openedFromTheResultForm() {
    CapturedServices s;
    const auto run = BangaloreRun(s.clock.today);
    frmDisplay form(run, EnglishMonthNames(), s.services);
    QVERIFY(form.cmdVargas);
    QVERIFY(!form.Vargas());
    // Alt+N is its shortcut, and it stands under the report, clear of it.
    QCOMPARE(form.cmdVargas->text(), QStringLiteral("&Nakshatras, dasha, Navamsa..."));
    QVERIFY(!form.cmdVargas->geometry().intersects(form.RTB->geometry()));
    QVERIFY(form.rect().contains(form.cmdVargas->geometry()));
    form.cmdVargas->click();
    QVERIFY(form.Vargas());
    QVERIFY(form.Vargas()->isVisible());
    form.cmdVargas->click();  // the same page again, not a second one
    QCOMPARE(form.findChildren<frmVargas*>().size(), 1);
}

void VargasTest::summaryTableAndPeriods() {
    CapturedServices s;
    const auto run = BangaloreRun(s.clock.today);
    const Chart& r = *run;
    ChartStyleChoice style;
    frmVargas page(r, style);
    // The Moon's nakshatra, and the major and sub-period of the clock's day.
    const QString moon = QString::fromUtf8(r.nakshatras[1].Name().data());
    QVERIFY2(page.lblSummary->text().contains(QStringLiteral("Moon in ") + moon), qPrintable(page.lblSummary->text()));
    QVERIFY(page.lblSummary->text().contains(QStringLiteral("Today (9 Dec 2026)")));
    QCOMPARE(page.tblNakshatras->rowCount(), kBodyCount);
    QCOMPARE(page.tblNakshatras->item(1, 1)->text(), moon);
    QCOMPARE(page.treeDasha->topLevelItemCount(), 9);
    int running = 0;
    for (int m = 0; m < 9; ++m) {
        QTreeWidgetItem* major = page.treeDasha->topLevelItem(m);
        QCOMPARE(major->childCount(), 9);
        if (major->text(0).endsWith(QStringLiteral("(running)"))) {
            ++running;
            QVERIFY(major->isExpanded());
            QVERIFY(major->font(0).bold());
        }
    }
    QCOMPARE(running, 1);
    QVERIFY(page.treeDasha->currentItem()->text(0).endsWith(QStringLiteral("(running)")));
    QVERIFY(page.lblDasha->text().contains(QStringLiteral("365.25 days")));
}

void VargasTest::styleIsKeptAndRedrawn() {
    CapturedServices s;
    const auto run = BangaloreRun(s.clock.today);
    {
        frmVargas page(*run, s.chartStyle);
        QCOMPARE(page.rashi->Style(), ChartStyle::South);
        page.cboStyle->setCurrentIndex(1);
        QCOMPARE(s.chartStyle.Style(), ChartStyle::North);
        QCOMPARE(page.rashi->Style(), ChartStyle::North);
        QCOMPARE(page.navamsa->Style(), ChartStyle::North);
    }
    // The next page, for the next chart, opens in the kept style.
    frmVargas next(*run, s.chartStyle);
    QCOMPARE(next.cboStyle->currentIndex(), 1);
    QCOMPARE(next.navamsa->Style(), ChartStyle::North);
}

void VargasTest::housesAreNamedForScreenReaders() {
    CapturedServices s;
    const auto run = BangaloreRun(s.clock.today);
    const Chart& r = *run;
    s.chartStyle.Choose(ChartStyle::North);
    frmVargas page(r, s.chartStyle);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    const int ascendant = run->points[9].sign;
    const char* signs[] = {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo",
                           "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
    // House 1 holds the ascendant's sign, and the ascendant.
    const QString first = page.rashi->HouseSpot(1)->accessibleName();
    QVERIFY2(first.startsWith(QStringLiteral("House 1, ") + QLatin1String(signs[ascendant])), qPrintable(first));
    QVERIFY2(first.contains(QStringLiteral("Ascendant")), qPrintable(first));
    // Each body is named in exactly one house of each chart.
    for (ChartView* view : {page.rashi, page.navamsa}) {
        for (const char* body : {"Sun", "Moon", "Saturn", "Ketu"}) {
            int found = 0;
            for (int house = 1; house <= 12; ++house) {
                QWidget* spot = view->HouseSpot(house);
                QVERIFY(spot->isVisible());
                QVERIFY(spot->focusPolicy() & Qt::TabFocus);
                QVERIFY(view->rect().contains(spot->geometry()));
                if (spot->accessibleName().contains(QLatin1String(body))) ++found;
            }
            QCOMPARE(found, 1);
        }
    }
    // The Navamsa's house of a body is the one its Navamsa sign makes.
    const int d9Ascendant = r.navamsaSigns[9];
    const int moonHouse = (r.navamsaSigns[1] - d9Ascendant + 12) % 12 + 1;
    QVERIFY(page.navamsa->HouseSpot(moonHouse)->accessibleName().contains(QStringLiteral("Moon")));
    // Tab reaches the houses after the style chooser and the degrees box.
    page.cboStyle->setFocus();
    QTest::keyClick(page.cboStyle, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), page.chkDegrees);
    QTest::keyClick(page.chkDegrees, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), page.rashi->HouseSpot(1));
}

void VargasTest::escapeClosesThePage_data() {
    QTest::addColumn<QString>("focus");  // the object the keyboard is in
    QTest::newRow("style list") << "cboStyle";
    QTest::newRow("a house of the chart") << "house3";
    QTest::newRow("nakshatra table") << "tblNakshatras";
    QTest::newRow("dasha periods") << "treeDasha";
}

void VargasTest::escapeClosesThePage() {
    QFETCH(QString, focus);
    CapturedServices s;
    const auto run = BangaloreRun(s.clock.today);
    frmDisplay form(run, EnglishMonthNames(), s.services);
    form.show();
    form.ShowVargas();
    frmVargas* page = form.Vargas();
    QApplication::setActiveWindow(page);
    QVERIFY(QTest::qWaitForWindowActive(page));
    auto* target = page->findChild<QWidget*>(focus);
    QVERIFY(target);
    target->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), target);
    QTest::keyClick(target, Qt::Key_Escape);
    QTRY_VERIFY(!page->isVisible());
    QVERIFY(form.isVisible());
    // The button brings it back.
    form.cmdVargas->click();
    QVERIFY(page->isVisible());
}

void VargasTest::theFocusedHouseIsFramed_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("house");
    for (const ChartStyle style : {ChartStyle::South, ChartStyle::North}) {
        for (const int house : {1, 2, 3, 4, 7, 12}) {
            QTest::addRow("%s house %d", ChartStyleName(style).data(), house) << int(style) << house;
        }
    }
}

void VargasTest::theFocusedHouseIsFramed() {
    // The focused house shows an outline in a strong colour that no other
    // part of the chart uses: count its pixels with and without the focus.
    QFETCH(int, style);
    QFETCH(int, house);
    CapturedServices s;
    const auto run = BangaloreRun(s.clock.today);
    const Chart& r = *run;
    const auto strongBlue = [](QRgb c) { return qBlue(c) > 150 && qRed(c) < 60 && qGreen(c) < 120; };
    const auto count = [&](int focused) {
        QImage image(400, 400, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        ChartView::Paint(painter, QRectF(10, 10, 380, 380), QStringLiteral("Rashi"),
                         MakeChartDiagram(NavamsaPoints(r)), ChartStyle(style), focused);
        painter.end();
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) n += strongBlue(image.pixel(x, y));
        return n;
    };
    QCOMPARE(count(0), 0);
    // At least a line of 2 pixels round a house a quarter of the chart wide.
    QVERIFY2(count(house) >= 2 * 95, qPrintable(QString::number(count(house))));
}

void VargasTest::screenshots() {
    CapturedServices s;
    const auto run = BangaloreRun(s.clock.today);
    for (const ChartStyle style : {ChartStyle::North, ChartStyle::South}) {
        s.chartStyle.Choose(style);
        frmVargas page(*run, s.chartStyle);
        page.resize(960, 820);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        const QString name = QStringLiteral("vargas-") + QLatin1String(ChartStyleName(style).data());
        QVERIFY(!velmora::testing::SaveScreenshot(page.grab(), name).isEmpty());
    }
}

QTEST_MAIN(VargasTest)
#include "vargas_qtest.moc"
