// The Strengths page: opened from the main window's Chart menu, B. V.
// Raman's example horoscope ("Graha and Bhava Balas": 16 October 1918,
// 14:22:16 +5:30, 13° N 77° 35′ E, Raman's ayanamsa) with the book's
// saptavargaja bala in its tables, the tab kept when the sunrise is chosen
// again, a classic chart's vimsopaka bala and the reason for the rest, every
// control named for a screen reader, the PDF's section, and its picture.

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "birth/Birth.h"
#include "chart/ComputeChart.h"
#include "presentation/ResultTexts.h"
#include "result/PrintDocument.h"
#include "result/StrengthsPage.h"
#include "shell/MDI.h"
#include "tests/gui/Screenshots.h"
#include "tests/gui/entry/CaptureServices.h"

using namespace velmora;
using velmora::testing::CapturedServices;

namespace {

Chart RamanChart(ComputationMode mode = ComputationMode::Precise) {
    Birth b;
    b.name = "RAMAN";
    b.clock = {1918, 10, 16, 14, 22, 16};
    b.latitude = 13;
    b.longitude = JoinCoordinate(77, 35, false);
    b.timeZoneId = "Asia/Kolkata";
    b.mode = mode;
    if (mode == ComputationMode::Precise) b.options.ayanamsa = AyanamsaKind::Raman;
    const ChartOutcome outcome = ComputeChart(b, {.report = true, .dashas = {DashaSystem::Vimshottari}, .today = {}});
    if (!outcome.Computed()) qFatal("%s", std::string(outcome.refusal.message).c_str());
    return *outcome.chart;
}

QTableWidget* Table(const StrengthsPage& page, int tab) {
    return qobject_cast<QTableWidget*>(page.tabTables->widget(tab));
}

// The row whose first cell is `label`, as texts.
QStringList Row(QTableWidget* table, const QString& label) {
    for (int r = 0; r < table->rowCount(); ++r) {
        if (table->item(r, 0)->text() != label) continue;
        QStringList cells;
        for (int c = 1; c < table->columnCount(); ++c) cells << table->item(r, c)->text();
        return cells;
    }
    return {};
}

}  // namespace

class StrengthsPageTest : public QObject {
    Q_OBJECT
private slots:
    void chartMenuOpensThePage();
    void theBooksFiguresInTheTables();
    void classicChartsHaveTheVimsopakaAndSayWhy();
    void everyControlIsNamed();
    void thePdfHasTheStrengths();
    void screenshot();
};

void StrengthsPageTest::chartMenuOpensThePage() {
    CapturedServices s;
    MDI window(std::make_shared<const Chart>(RamanChart()), s.services);
    QAction* item = nullptr;
    for (QAction* a : window.mnuChart->actions())
        if (a->objectName() == QLatin1String("mnuStrengths")) item = a;
    QVERIFY(item);
    QCOMPARE(item->text(), QStringLiteral("&Strengths…"));
    item->trigger();
    auto* page = window.findChild<StrengthsPage*>();
    QVERIFY(page && page->isVisible() && page->isWindow());
    QCOMPARE(page->windowTitle(), QStringLiteral("Strengths - RAMAN"));
}

void StrengthsPageTest::theBooksFiguresInTheTables() {
    StrengthsPage page(RamanChart());
    QCOMPARE(page.tabTables->count(), 4);
    const QStringList tabs = {QStringLiteral("Shadbala"), QStringLiteral("Sthana and kala bala in parts"),
                              QStringLiteral("Bhava bala"), QStringLiteral("Vimsopaka bala")};
    for (int t = 0; t < 4; ++t) QCOMPARE(page.tabTables->tabText(t), tabs[t]);
    // Raman's saptavargaja bala (Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn).
    QCOMPARE(Row(Table(page, 1), QStringLiteral("Saptavargaja")),
             QStringList({"90.00", "48.75", "135.00", "116.25", "90.00", "71.25", "97.50"}));
    // Naisargika bala: 60 × 7/7 … 60 × 1/7.
    QCOMPARE(Row(Table(page, 0), QStringLiteral("Naisargika")),
             QStringList({"60.00", "51.43", "25.71", "42.86", "17.14", "34.29", "8.57"}));
    QCOMPARE(Table(page, 2)->rowCount(), 12);
    // Choosing the sunrise again keeps the tab in view.
    page.tabTables->setCurrentIndex(2);
    page.cboSunrise->setCurrentIndex(1);
    QCOMPARE(page.tabTables->currentIndex(), 2);
    QVERIFY(page.lblNote->text().contains(QStringLiteral("disc centre without refraction")));
}

void StrengthsPageTest::classicChartsHaveTheVimsopakaAndSayWhy() {
    StrengthsPage page(RamanChart(ComputationMode::Classic));
    QCOMPARE(page.tabTables->count(), 1);
    QCOMPARE(page.tabTables->tabText(0), QStringLiteral("Vimsopaka bala"));
    QVERIFY(!page.cboSunrise->isEnabled());
    QVERIFY(page.lblNote->text().startsWith(QStringLiteral("Shadbala and bhava bala need precise positions")));
}

void StrengthsPageTest::everyControlIsNamed() {
    StrengthsPage page(RamanChart());
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    for (QWidget* w : page.findChildren<QWidget*>()) {
        if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(&page)) continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        QVERIFY2(a && !a->text(QAccessible::Name).isEmpty(), qPrintable(w->metaObject()->className() + (" " + w->objectName())));
    }
}

void StrengthsPageTest::thePdfHasTheStrengths() {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) QSKIP("pdftotext (poppler-utils) is not installed");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("raman.pdf"));
    QVERIFY(WriteChartPdf(pdf, RamanChart(), EnglishMonthNames()).isEmpty());
    QProcess process;
    process.start(pdftotext, {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    process.waitForFinished(60000);
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    for (const char* heading : {"Shadbala (virupas", "Sthana and kala bala in parts", "Bhava bala (virupas)",
                                "Vimsopaka bala (out of 20)"})
        QVERIFY2(text.contains(QLatin1String(heading)), heading);
    QVERIFY(text.indexOf(QStringLiteral("Shadbala (virupas")) > text.indexOf(QStringLiteral("Panchanga at birth")));
}

void StrengthsPageTest::screenshot() {
    StrengthsPage page(RamanChart());
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    velmora::testing::SaveScreenshot(page.grab(), QStringLiteral("strengths"));
}

QTEST_MAIN(StrengthsPageTest)
#include "strengths_qtest.moc"
