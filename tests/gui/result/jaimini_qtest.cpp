// The pages of the professional's second layer: the full position table
// (Chart > Positions…), the Jaimini page with its karaka scheme chosen and
// kept and its chart in both styles, the arudhas of every varga on the
// Vargas page, the degrees in the nakshatra page's cells, and the sign
// dashas on the Dashas page. The chart is PyJHora's example chart (7
// December 1996, Chennai; tests/support/Chennai1996.h), whose eight chara
// karakas PyJHora's tests publish in order (pvr_tests.py,
// karaka_dhasa_test: Jupiter, Mars, Venus, Sun, Rahu, Mercury, Moon, Saturn)
// and whose Chara dasha (K. N. Rao) starts from Capricorn with 10 years
// (chara_dhasa_test).

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTableWidget>
#include <QTreeWidget>
#include <QtTest>

#include "chart/ComputeChart.h"
#include "result/ChartView.h"
#include "result/JaiminiPage.h"
#include "result/PositionsPage.h"
#include "result/ShodasavargaPage.h"
#include "result/frmDashas.h"
#include "result/frmVargas.h"
#include "tests/gui/Screenshots.h"
#include "tests/gui/entry/CaptureServices.h"
#include "tests/support/Chennai1996.h"

using namespace velmora;
using velmora::testing::CapturedServices;

namespace {

Chart ChennaiChart() {
    ChartWants wants;
    wants.report = false;
    wants.dashas = DashaSet::All();
    wants.today = {2026, 12, 9};
    const ChartOutcome outcome = ComputeChart(velmora::testing::ChennaiBirth(), wants);
    if (!outcome.Computed()) qFatal("%s", outcome.refusal.message.c_str());
    return *outcome.chart;
}

int EntriesWithDegrees(const ChartDiagram& diagram) {
    int n = 0;
    for (const DiagramCell& cell : diagram.cells)
        for (const DiagramEntry& e : cell.entries) n += e.degreesShown ? 1 : 0;
    return n;
}

}  // namespace

class JaiminiPagesTest : public QObject {
    Q_OBJECT
private slots:
    void positionsInFull();
    void karakasInBothSchemesAndStyles();
    void arudhasInEveryVarga();
    void degreesInTheCells();
    void signDashasOnTheDashasPage();
    void screenshots();
};

void JaiminiPagesTest::positionsInFull() {
    const Chart chart = ChennaiChart();
    PositionsPage page(chart);
    QCOMPARE(page.tblPositions->rowCount(), 10);
    QCOMPARE(page.tblPositions->item(0, 0)->text(), QStringLiteral("Sun"));
    QCOMPARE(page.tblPositions->item(0, 2)->text(), QStringLiteral("Scorpio"));
    QCOMPARE(page.tblPositions->item(0, 3)->text(), QStringLiteral("Jyeshtha"));
    QCOMPARE(page.tblPositions->item(3, 8)->text(), QStringLiteral("own sign"));  // Venus at 23° Libra
    QVERIFY(page.tblPositions->item(0, 6)->text().endsWith(QStringLiteral("/day")));
    QCOMPARE(page.tblPositions->item(9, 0)->text(), QStringLiteral("Ascendant"));
    QVERIFY(page.tblPositions->item(9, 6)->text().isEmpty());  // the ascendant has no speed shown
}

void JaiminiPagesTest::karakasInBothSchemesAndStyles() {
    CapturedServices s;
    const Chart chart = ChennaiChart();
    JaiminiPage page(chart, s.chartStyle, s.preferences);
    const QStringList published = {QStringLiteral("Jupiter"), QStringLiteral("Mars"),    QStringLiteral("Venus"),
                                   QStringLiteral("Sun"),     QStringLiteral("Rahu"),    QStringLiteral("Mercury"),
                                   QStringLiteral("Moon"),    QStringLiteral("Saturn")};
    QCOMPARE(page.tblKarakas->rowCount(), 8);
    for (int rank = 0; rank < 8; ++rank) QCOMPARE(page.tblKarakas->item(rank, 1)->text(), published[rank]);
    QVERIFY(page.tblKarakas->item(4, 0)->text().startsWith(QStringLiteral("PiK")));
    QVERIFY(page.lblKarakamsa->text().contains(QStringLiteral("Jupiter")));
    // Seven karakas: Rahu leaves the ranks; the choice is kept.
    page.cboScheme->setCurrentIndex(0);
    QCOMPARE(s.preferences.karakaScheme, KarakaScheme::Seven);
    QCOMPARE(page.tblKarakas->rowCount(), 7);
    QCOMPARE(page.tblKarakas->item(4, 1)->text(), QStringLiteral("Mercury"));
    QVERIFY(page.tblKarakas->item(4, 0)->text().startsWith(QStringLiteral("PK")));
    // The chart: each sign's karakas as its cell's note, in either style.
    const ChartDiagram& diagram = page.chartKarakas->Diagram();
    QCOMPARE(QString::fromStdString(diagram.OfSign(8).note), QStringLiteral("AK PK"));  // Jupiter and Mercury in Sagittarius
    page.cboStyle->setCurrentIndex(1);
    QCOMPARE(page.chartKarakas->Style(), ChartStyle::North);
    QCOMPARE(s.chartStyle.Style(), ChartStyle::North);
    QCOMPARE(page.tblArgala->rowCount(), 12);
    QCOMPARE(page.tblDrishti->item(0, 1)->text(), QStringLiteral("Leo, Scorpio, Aquarius"));
    // A page made afterwards opens with the kept scheme.
    JaiminiPage again(chart, s.chartStyle, s.preferences);
    QCOMPARE(again.cboScheme->currentIndex(), 0);
}

void JaiminiPagesTest::arudhasInEveryVarga() {
    CapturedServices s;
    const Chart chart = ChennaiChart();
    ShodasavargaPage page(chart, s.chartStyle);
    for (int varga : {0, 5, 15}) {
        page.ShowVarga(varga);
        int arudhas = 0;
        for (const DiagramCell& cell : page.chartVarga->Diagram().cells)
            for (const DiagramEntry& e : cell.entries) arudhas += e.arudha ? 1 : 0;
        QCOMPARE(arudhas, 12);
    }
    // D1's are the chart's own.
    page.ShowVarga(0);
    for (int a = 0; a < 12; ++a) {
        bool found = false;
        for (const DiagramEntry& e : page.chartVarga->Diagram().OfSign(chart.arudhaSigns[static_cast<std::size_t>(a)]).entries)
            found = found || (e.arudha && e.number == a);
        QVERIFY(found);
    }
}

void JaiminiPagesTest::degreesInTheCells() {
    CapturedServices s;
    const Chart chart = ChennaiChart();
    frmVargas page(chart, s.chartStyle);
    QVERIFY(!page.chkDegrees->isChecked());
    QCOMPARE(EntriesWithDegrees(page.rashi->Diagram()), 0);
    page.chkDegrees->setChecked(true);
    QVERIFY(s.chartStyle.CellDegrees());
    QCOMPARE(EntriesWithDegrees(page.rashi->Diagram()), 10);
    QCOMPARE(EntriesWithDegrees(page.navamsa->Diagram()), 0);  // the birth chart's only
    frmVargas next(chart, s.chartStyle);
    QVERIFY(next.chkDegrees->isChecked());
}

void JaiminiPagesTest::signDashasOnTheDashasPage() {
    CapturedServices s;
    const Chart chart = ChennaiChart();
    frmDashas page(chart, s.services);
    page.cboSystem->setCurrentIndex(static_cast<int>(DashaSystem::Chara));
    QCOMPARE(page.treeDashas->topLevelItemCount(), 22);
    QVERIFY(page.treeDashas->topLevelItem(0)->text(0).startsWith(QStringLiteral("Capricorn")));
    QVERIFY(page.lblNote->text().contains(QStringLiteral("K. N. Rao")));
    QTreeWidgetItem* first = page.treeDashas->topLevelItem(0);
    first->setExpanded(true);
    QCOMPARE(first->childCount(), 12);
    QCOMPARE(first->child(0)->childCount(), 0);  // two levels
    page.cboSystem->setCurrentIndex(static_cast<int>(DashaSystem::Narayana));
    QVERIFY(page.treeDashas->topLevelItem(0)->text(0).startsWith(QStringLiteral("Cancer")));
    QVERIFY(page.lblNote->text().contains(QStringLiteral("Sanjay Rath")));
}

void JaiminiPagesTest::screenshots() {
    CapturedServices s;
    const Chart chart = ChennaiChart();
    PositionsPage positions(chart);
    positions.resize(1024, 520);
    positions.show();
    QVERIFY(QTest::qWaitForWindowExposed(&positions));
    QVERIFY(!velmora::testing::SaveScreenshot(positions.grab(), QStringLiteral("positions-1024")).isEmpty());
    JaiminiPage jaimini(chart, s.chartStyle, s.preferences);
    jaimini.resize(1024, 768);
    jaimini.show();
    QVERIFY(QTest::qWaitForWindowExposed(&jaimini));
    QVERIFY(!velmora::testing::SaveScreenshot(jaimini.grab(), QStringLiteral("jaimini-south-1024x768")).isEmpty());
    jaimini.cboStyle->setCurrentIndex(1);
    QVERIFY(!velmora::testing::SaveScreenshot(jaimini.grab(), QStringLiteral("jaimini-north-1024x768")).isEmpty());
}

QTEST_MAIN(JaiminiPagesTest)
#include "jaimini_qtest.moc"
