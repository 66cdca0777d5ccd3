// The Yogas page (Chart > Yogas…) with its varga chosen, and the Mars dosha
// of each chart with its exceptions on the Match page. The chart is Rajiv
// Gandhi's as P. V. R. Narasimha Rao gives it (Vedic Astrology: An
// Integrated Approach, ch. 11, chart 14: 20 August 1944, 7:11, Bombay): the
// book's Raja yoga of the Sun, lord of the lagna, with Jupiter, lord of the
// 5th; and Mars in Virgo, the 2nd from the Leo lagna, from the Moon and from
// Venus, where the exception of the 2nd in Virgo cancels the dosha.

#include <QComboBox>
#include <QLabel>
#include <QTableWidget>
#include <QtTest>

#include "chart/ComputeChart.h"
#include "presentation/YogaLabels.h"
#include "result/MatchPage.h"
#include "result/YogasPage.h"
#include "services/LanguageChoice.h"
#include "tests/gui/entry/CaptureServices.h"
#include "tests/support/Chennai1996.h"

using namespace velmora;
using velmora::testing::CapturedServices;

namespace {

Chart ChartOf(const Birth& birth) {
    const ChartOutcome outcome = ComputeChart(birth);
    if (!outcome.Computed()) qFatal("%s", outcome.refusal.message.c_str());
    return *outcome.chart;
}

Chart RajivChart() {
    Birth birth = velmora::testing::ChennaiBirth();
    birth.name = "RAJIV GANDHI";
    birth.clock = {1944, 8, 20, 7, 11, 0};
    birth.latitude = 18 + 58.0 / 60;
    birth.longitude = 72 + 49.0 / 60;
    return ChartOf(birth);
}

int RowOf(const QTableWidget* table, const QString& name) {
    for (int row = 0; row < table->rowCount(); ++row)
        if (table->item(row, 0)->text() == name) return row;
    return -1;
}

}  // namespace

class YogasPageTest : public QObject {
    Q_OBJECT
private slots:
    void theBooksRajaYogaAndTheDoshas();
    void theYogasAndDoshasInTelugu();
    void eachVargaChosen();
    void marsDoshaOnTheMatchPage();
};

void YogasPageTest::theBooksRajaYogaAndTheDoshas() {
    YogasPage page(RajivChart());
    QCOMPARE(page.cboVarga->currentText(), QStringLiteral("D1 Rasi"));
    const int row = RowOf(page.tblYogas, QStringLiteral("Raja (lords of the 1st and 5th)"));
    QVERIFY(row >= 0);
    QCOMPARE(page.tblYogas->item(row, 1)->text(), QStringLiteral("Sun, Jupiter"));
    QCOMPARE(page.tblYogas->item(row, 2)->text(), QStringLiteral("Raja"));
    QCOMPARE(page.tblYogas->item(row, 3)->text(), QStringLiteral("BPHS ch. 39"));
    const QString doshas = page.lblDoshas->text();
    QVERIFY(doshas.startsWith(QStringLiteral("Mars dosha: No Mars dosha.")));
    QVERIFY(doshas.contains(QStringLiteral("Mars in the 2nd in Virgo gives no dosha: cancelled.")));
    QVERIFY(doshas.contains(QStringLiteral("Kala Sarpa: ")));
    QVERIFY(doshas.contains(QStringLiteral("Kemadruma: ")));
}

// The same page in Telugu: the yoga's name the program's own (unreviewed),
// its family PyJHora's raja_yoga_msgs_te.json, the Sun and Jupiter
// Maitreya's te.po (docs/glossary.md), the book as published; the doshas'
// lines with no English word left. Back in English as before.
void YogasPageTest::theYogasAndDoshasInTelugu() {
    LanguageChoice choice(Language::English);
    YogasPage page(RajivChart());
    choice.Choose(Language::Telugu);
    const int row = RowOf(page.tblYogas, QStringLiteral("రాజ (1వ మరియు 5వ భావాధిపతులు)"));
    QVERIFY(row >= 0);
    QCOMPARE(page.tblYogas->item(row, 1)->text(), QStringLiteral("రవి, గురు"));
    QCOMPARE(page.tblYogas->item(row, 2)->text(), QStringLiteral("రాజ"));
    QCOMPARE(page.tblYogas->item(row, 3)->text(), QStringLiteral("BPHS ch. 39"));
    QCOMPARE(page.tblYogas->horizontalHeaderItem(3)->text(), QStringLiteral("ఆధారం"));
    const QString doshas = page.lblDoshas->text();
    QVERIFY2(doshas.contains(QStringLiteral("కాల సర్పం: ")), qPrintable(doshas));
    QVERIFY(doshas.contains(QStringLiteral("కేమద్రుమం: ")));
    QVERIFY2(!doshas.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))), qPrintable(doshas));
    // The varga chooser too: "D1" and the glossary's name.
    const QString d1 = page.cboVarga->itemText(0);
    QVERIFY2(d1.startsWith(QStringLiteral("D1 ")) && !d1.mid(3).contains(QRegularExpression(QStringLiteral("[A-Za-z]"))),
             qPrintable(d1));
    choice.Choose(Language::English);
    QCOMPARE(page.cboVarga->itemText(0), QStringLiteral("D1 Rasi"));
    QVERIFY(RowOf(page.tblYogas, QStringLiteral("Raja (lords of the 1st and 5th)")) >= 0);
    QVERIFY(page.lblDoshas->text().startsWith(QStringLiteral("Mars dosha: No Mars dosha.")));
}

void YogasPageTest::eachVargaChosen() {
    const Chart chart = RajivChart();
    YogasPage page(chart);
    const int d9 = VargaIndexOfFactor(9);
    page.cboVarga->setCurrentIndex(d9);
    const YogaReading r = YogasOf(chart, YogaVargaBit(d9));
    const std::vector<YogaRow> rows = YogaRows(r.vargas.front());
    QCOMPARE(page.tblYogas->rowCount(), static_cast<int>(rows.size()));
    for (int i = 0; i < page.tblYogas->rowCount(); ++i)
        QCOMPARE(page.tblYogas->item(i, 0)->text(), QString::fromStdString(rows[static_cast<std::size_t>(i)].name));
    QVERIFY(RowOf(page.tblYogas, QStringLiteral("Raja (lords of the 1st and 5th)")) < 0);  // the Sun leaves Jupiter in D9
}

void YogasPageTest::marsDoshaOnTheMatchPage() {
    CapturedServices s;
    MatchPage page(MakeMatchSheet(RajivChart(), ChartOf(velmora::testing::ChennaiBirth())), s.services);
    const QString text = page.lblDoshas->text();
    QVERIFY(text.contains(QStringLiteral("Mars dosha, bride: No Mars dosha.")));
    QVERIFY(text.contains(QStringLiteral("Mars is in the 2nd from the ascendant, but Mars in the 2nd in Virgo gives no dosha: cancelled.")));
    QVERIFY(text.contains(QStringLiteral("Mars is in the 2nd from Venus, but Mars in the 2nd in Virgo gives no dosha: cancelled.")));
    QVERIFY(text.contains(QStringLiteral("Mars dosha, groom: ")));
    QCOMPARE(text.count(QStringLiteral("Mars is in the ")), 6);  // three points for each chart
}

QTEST_MAIN(YogasPageTest)
#include "yogas_qtest.moc"
