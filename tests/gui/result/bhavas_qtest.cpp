// The Bhava page from the main window's Chart menu: the ayanamsa and house
// system named, the cusp table and each point's house from the chart's
// numbers, the bhava chart in the chosen style, every part reachable by Tab
// and named for a screen reader; a classic chart's page says it has no cusps,
// a polar one shows the fallback note; pictures at 1024 × 768.

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTableWidget>
#include <QtTest>
#include <memory>

#include "tests/support/RunTexts.h"
#include "presentation/BhavaPoints.h"
#include "result/ChartView.h"
#include "result/frmBhavas.h"
#include "shell/MDI.h"
#include "tests/gui/Screenshots.h"
#include "tests/gui/entry/CaptureServices.h"
#include "tests/support/BangaloreForm.h"

using namespace velmora;
using velmora::testing::CapturedServices;

namespace {

std::shared_ptr<const Chart> Computed(FormFields form) {
    const ChartOutcome outcome = ComputeChartOfForm(form, velmora::testing::WindowWants());
    if (!outcome.Computed()) qFatal("%s", outcome.refusal.message.c_str());
    return outcome.chart;
}

FormFields Bangalore(HouseSystem houses) {
    FormFields form = velmora::testing::BangaloreForm();
    form.Mode = ComputationMode::Precise;
    form.Options.ayanamsa = AyanamsaKind::Krishnamurti;
    form.Options.houses = houses;
    return form;
}

}  // namespace

class BhavasTest : public QObject {
    Q_OBJECT
private slots:
    void openedFromTheChartMenu();
    void reachableAndNamed();
    void classicAndPolarCharts();
    void screenshots();
};

void BhavasTest::openedFromTheChartMenu() {
    CapturedServices s;
    const auto chart = Computed(Bangalore(HouseSystem::Placidus));
    MDI window(chart, s.services);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* item = window.findChild<QAction*>(QStringLiteral("mnuBhavas"));
    QVERIFY(item);
    QCOMPARE(item->text(), QStringLiteral("&Bhavas (Houses)\u2026"));
    item->trigger();
    auto* page = window.findChild<frmBhavas*>();
    QVERIFY(page && page->isVisible() && page->isWindow());
    QVERIFY(page->lblSummary->text().startsWith(QStringLiteral("Bhavas: Placidus houses (each cusp where its house "
                                                               "begins). Krishnamurti 23\u00B0 ")));
    QVERIFY(!page->lblNote->isVisibleTo(page));
    const std::vector<BhavaRow> rows = BhavaRows(*chart);
    QCOMPARE(page->tblCusps->rowCount(), 12);
    for (int h = 0; h < 12; ++h) {
        QCOMPARE(page->tblCusps->item(h, 1)->text(), QString::fromStdString(rows[static_cast<std::size_t>(h)].cusp));
        QCOMPARE(page->tblCusps->item(h, 2)->text(), QString::fromStdString(rows[static_cast<std::size_t>(h)].points));
    }
    for (int i = 0; i < kBodyCount; ++i)
        QCOMPARE(page->tblBhavas->item(i, 2)->text(), QString::number(chart->bhavas[static_cast<std::size_t>(i)]));
    QVERIFY(page->bhavaChart);
}

void BhavasTest::reachableAndNamed() {
    const auto chart = Computed(Bangalore(HouseSystem::Sripati));
    ChartStyleChoice north(ChartStyle::North);
    frmBhavas page(*chart, north);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QCOMPARE(page.tblCusps->accessibleName(), QStringLiteral("House cusps"));
    QCOMPARE(page.tblBhavas->accessibleName(), QStringLiteral("Each point's house"));
    QCOMPARE(page.lblSummary->accessibleName(), page.lblSummary->text());
    page.lblSummary->setFocus();
    QList<QWidget*> reached;
    for (int i = 0; i < 16; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached << QApplication::focusWidget();
    }
    QVERIFY(reached.contains(page.tblCusps));
    QVERIFY(reached.contains(page.tblBhavas));
    for (int house = 1; house <= 12; ++house) {
        QVERIFY(reached.contains(page.bhavaChart->HouseSpot(house)));
        QVERIFY(page.bhavaChart->HouseSpot(house)->accessibleName().startsWith(QStringLiteral("House %1").arg(house)));
    }
    QTest::keyClick(&page, Qt::Key_Escape);
    QVERIFY(!page.isVisible());
}

void BhavasTest::classicAndPolarCharts() {
    FormFields classic = velmora::testing::BangaloreForm();
    classic.Mode = ComputationMode::Classic;
    const auto plain = Computed(classic);
    ChartStyleChoice south;
    frmBhavas none(*plain, south);
    QVERIFY(none.lblSummary->text().startsWith(QStringLiteral("A classic chart has no house cusps")));
    QVERIFY(!none.tblCusps && !none.tblBhavas && !none.bhavaChart);

    FormFields tromso = Bangalore(HouseSystem::Placidus);
    tromso.LatDeg = "69";
    tromso.LatMin = "39";
    const auto polar = Computed(tromso);
    frmBhavas page(*polar, south);
    QVERIFY(page.lblNote->isVisibleTo(&page));
    QVERIFY(page.lblNote->text().startsWith(QStringLiteral("Placidus houses cannot be drawn at 69\u00B0 39\u2032 N")));
    QVERIFY(page.lblSummary->text().startsWith(QStringLiteral("Bhavas: Equal houses")));
}

void BhavasTest::screenshots() {
    const auto chart = Computed(Bangalore(HouseSystem::Placidus));
    for (ChartStyle style : {ChartStyle::South, ChartStyle::North}) {
        ChartStyleChoice choice(style);
        frmBhavas page(*chart, choice);
        page.resize(1024, 768);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QVERIFY(page.bhavaChart->width() >= 240);
        QVERIFY(!velmora::testing::SaveScreenshot(page.grab(), style == ChartStyle::North ? QStringLiteral("bhavas-north")
                                                                                          : QStringLiteral("bhavas-south"))
                     .isEmpty());
    }
}

QTEST_MAIN(BhavasTest)
#include "bhavas_qtest.moc"
