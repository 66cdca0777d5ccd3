// The Birth time page: opened from the Chart menu, a band per changing item
// whose stretches name their value and span, the given time inside the
// stretch of each item's value at birth, the shift by the minute and the
// second recomputing the chart (a stretch's middle shows that stretch's
// value), the window chosen, every item on request, a classic chart's
// refusal, Tab through the stretches, and the page's picture. Drik
// Panchang (New Delhi, 22 November 2025): the Moon in Jyeshtha "upto
// 04:47 PM", then in Mula.

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "birth/Birth.h"
#include "chart/ComputeChart.h"
#include "presentation/SensitivityLabels.h"
#include "result/BirthTimePage.h"
#include "result/ChartView.h"
#include "result/PrintDocument.h"
#include "services/LanguageChoice.h"
#include "shell/MDI.h"
#include "tests/gui/Screenshots.h"
#include "tests/gui/entry/CaptureServices.h"

using namespace velmora;
using velmora::testing::CapturedServices;

namespace {

// New Delhi, 22 November 2025 at 16:40 IST, seven minutes before the Moon
// left Jyeshtha.
Chart DelhiChart(ComputationMode mode = ComputationMode::Precise) {
    Birth b;
    b.name = "JYESHTHA";
    b.clock = {2025, 11, 22, 16, 40, 0};
    b.latitude = 28.6139;
    b.longitude = 77.2090;
    b.timeZoneId = "Asia/Kolkata";
    b.mode = mode;
    if (mode == ComputationMode::Classic) {
        b.timeZoneId.clear();
        b.zoneEntry = 34;  // "Indian Time, IST, +5.3"
    }
    const ChartOutcome outcome = ComputeChart(b, {.report = false, .dashas = {DashaSystem::Vimshottari}, .today = {}});
    if (!outcome.Computed()) qFatal("%s", outcome.refusal.message.c_str());
    return *outcome.chart;
}

QString Said(QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); }

}  // namespace

class BirthTimeTest : public QObject {
    Q_OBJECT
private slots:
    void chartMenuOpensThePage();
    void bandsSayTheirStretches();
    void bandsInTheLanguageChosen();
    void theShiftRecomputesTheChart();
    void windowAndEveryItem();
    void classicChartsSayWhy();
    void tabGoesThroughTheStretches();
    void thePdfSaysWhatChanges();
    void screenshot();
};

void BirthTimeTest::chartMenuOpensThePage() {
    CapturedServices s;
    MDI window(std::make_shared<const Chart>(DelhiChart()), s.services);
    QAction* item = nullptr;
    for (QAction* a : window.mnuChart->actions())
        if (a->objectName() == QLatin1String("mnuBirthTime")) item = a;
    QVERIFY(item);
    QCOMPARE(item->text(), QStringLiteral("Birth t&ime\u2026"));
    item->trigger();
    auto* page = window.findChild<BirthTimePage*>();
    QVERIFY(page && page->isVisible() && page->isWindow());
    QCOMPARE(page->windowTitle(), QStringLiteral("Birth time - JYESHTHA"));
}

void BirthTimeTest::bandsSayTheirStretches() {
    ChartStyleChoice style;
    BirthTimePage page(DelhiChart(), style);
    QVERIFY(page.Shown());
    QVERIFY(page.lblSummary->text().startsWith(
        QStringLiteral("\u00B130 minutes: 16:10:00 to 17:10:00 on the zone's clock (UTC+05:30 at the given time).")));
    QVERIFY(page.lblSummary->text().contains(QStringLiteral("Every Vimshottari major and sub-period start moves")));
    // One stretch more than crossings, for every item that changes.
    int expected = 0;
    for (const SensitivityItem& item : page.Shown()->items)
        expected += item.crossings.empty() ? 0 : static_cast<int>(item.crossings.size()) + 1;
    QCOMPARE(page.Stretches().size(), expected);
    // The Moon's nakshatra: Jyeshtha 4 until 16:47, then Mula 1.
    QStringList moon;
    for (QWidget* w : page.Stretches())
        if (Said(w).startsWith(QStringLiteral("Moon nakshatra: "))) moon << Said(w);
    QCOMPARE(moon.size(), 2);
    QVERIFY2(moon[0].startsWith(QStringLiteral("Moon nakshatra: Jyeshtha 4 from before 16:10:00 to 16:47:")), qPrintable(moon[0]));
    QVERIFY2(moon[1].startsWith(QStringLiteral("Moon nakshatra: Mula 1 from 16:47:")), qPrintable(moon[1]));
    QVERIFY(moon[1].endsWith(QStringLiteral(" to after 17:10:00")));
    for (QWidget* w : page.Stretches()) QCOMPARE(w->toolTip(), Said(w));
}

// In Tamil the summary, the items' names and their stretches are Tamil: the
// Moon's nakshatra Jyeshtha (கேட்டை) then Mula (மூலம்), as the glossary names
// them (Maitreya's ta.po, docs/glossary.md); the sentence the phrase
// table's (unreviewed). Back in English, the English again.
void BirthTimeTest::bandsInTheLanguageChosen() {
    LanguageChoice choice(Language::English);
    ChartStyleChoice style;
    BirthTimePage page(DelhiChart(), style);
    choice.Choose(Language::Tamil);
    QVERIFY2(page.lblSummary->text().startsWith(QStringLiteral(
                 "\u00B130 நிமிடங்கள்: மண்டலக் கடிகாரத்தில் 16:10:00 முதல் 17:10:00 வரை (கொடுக்கப்பட்ட நேரத்தில் "
                 "UTC+05:30).")),
             qPrintable(page.lblSummary->text()));
    QVERIFY(page.lblSummary->text().contains(QStringLiteral("விம்சோத்தரி")));
    QStringList moon;
    for (QWidget* w : page.Stretches())
        if (Said(w).startsWith(QStringLiteral("சந்திரன் நட்சத்திரம்: "))) moon << Said(w);
    QCOMPARE(moon.size(), 2);
    QVERIFY2(moon[0].startsWith(QStringLiteral("சந்திரன் நட்சத்திரம்: கேட்டை 4, 16:10:00 க்கு முன்பிருந்து 16:47:")),
             qPrintable(moon[0]));
    QVERIFY2(moon[1].startsWith(QStringLiteral("சந்திரன் நட்சத்திரம்: மூலம் 1, 16:47:")), qPrintable(moon[1]));
    choice.Choose(Language::English);
    QVERIFY(page.lblSummary->text().startsWith(QStringLiteral("\u00B130 minutes: 16:10:00 to 17:10:00")));
}

void BirthTimeTest::theShiftRecomputesTheChart() {
    ChartStyleChoice style;
    const Chart given = DelhiChart();
    BirthTimePage page(given, style);
    QVERIFY(page.Shifted());
    QCOMPARE(page.Shifted()->julianDayUT, given.julianDayUT);
    QVERIFY(page.lblDifferences->text().startsWith(QStringLiteral("Every item is as in the given chart")));
    page.cmdMinuteOn->click();
    page.cmdSecondOn->click();
    page.cmdSecondOn->click();
    page.cmdSecondBack->click();
    QCOMPARE(page.sldShift->value(), 61);
    QCOMPARE(page.Shifted()->julianDayUT, JulianDayOf({2025, 11, 22, 16, 41, 1}, 19800));
    QVERIFY(page.lblShift->text().startsWith(QStringLiteral("1 min 1 s after the given time: the chart of 16:41:01")));
    // Ten minutes on the Moon is in Mula, and the page says what differs.
    for (int i = 0; i < 9; ++i) page.cmdMinuteOn->click();
    QCOMPARE(page.sldShift->value(), 601);
    QVERIFY(page.lblDifferences->text().contains(QStringLiteral("Moon nakshatra: Mula 1 (given: Jyeshtha 4)")));
    QCOMPARE(page.chartView->accessibleName(), QStringLiteral("The chart of 16:50:01"));
    // A stretch activated shows the chart of its middle, which has the
    // stretch's value.
    const Sensitivity& s = *page.Shown();
    int checked = 0;
    for (QWidget* w : page.Stretches()) {
        static_cast<QAbstractButton*>(w)->click();
        const QString said = Said(w);
        for (const SensitivityItem& item : s.items)
            if (said.startsWith(QString::fromStdString(item.name + ": "))) {
                const QString value = QString::fromStdString(SensitivityValueText(item, SensitivityValueOf(item, *page.Shifted())));
                QVERIFY2(said.startsWith(QString::fromStdString(item.name) + QStringLiteral(": ") + value + QLatin1Char(' ')),
                         qPrintable(said + QStringLiteral(" shows ") + value));
                ++checked;
            }
        if (checked > 40) break;
    }
    QVERIFY(checked > 10);
    page.cmdGiven->click();
    QCOMPARE(page.sldShift->value(), 0);
    QCOMPARE(page.Shifted()->julianDayUT, given.julianDayUT);
}

void BirthTimeTest::windowAndEveryItem() {
    ChartStyleChoice style;
    BirthTimePage page(DelhiChart(), style);
    const qsizetype thirty = page.Stretches().size();
    page.spnWindow->setValue(5);
    QCOMPARE(page.Shown()->windowMinutes, 5);
    QCOMPARE(page.sldShift->minimum(), -300);
    QCOMPARE(page.sldShift->maximum(), 300);
    QVERIFY(page.Stretches().size() < thirty);
    page.chkEveryItem->setChecked(true);
    // Every item has a band: at least one stretch each.
    QVERIFY(page.Stretches().size() >= static_cast<qsizetype>(page.Shown()->items.size()));
}

void BirthTimeTest::classicChartsSayWhy() {
    ChartStyleChoice style;
    BirthTimePage page(DelhiChart(ComputationMode::Classic), style);
    QVERIFY(!page.Shown());
    QVERIFY(page.lblSummary->text().startsWith(QStringLiteral("The birth-time sensitivity needs precise positions")));
    QVERIFY(page.Stretches().isEmpty());
    QVERIFY(!page.sldShift->isEnabled());
    QVERIFY(!page.cmdMinuteOn->isEnabled());
}

void BirthTimeTest::tabGoesThroughTheStretches() {
    ChartStyleChoice style;
    BirthTimePage page(DelhiChart(), style);
    page.show();
    QVERIFY(QTest::qWaitForWindowActive(&page));
    // Every control reached by Tab is named for a screen reader.
    for (QWidget* w : page.findChildren<QWidget*>()) {
        if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(&page)) continue;
        if (qobject_cast<QAbstractSpinBox*>(w->parentWidget())) continue;
        QVERIFY2(!Said(w).isEmpty(), qPrintable(w->metaObject()->className() + (" " + w->objectName())));
    }
    page.lblSummary->setFocus();
    const QList<QWidget*> stretches = page.Stretches();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), stretches[0]);
    // Space on a stretch shifts to its middle: the first band's first
    // stretch runs from the window's start to its item's first change.
    const Sensitivity& s = *page.Shown();
    const SensitivityItem* first = nullptr;
    for (const SensitivityItem& item : s.items)
        if (!first && !item.crossings.empty()) first = &item;
    QVERIFY(first);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(page.sldShift->value(), s.firstSecond + (first->crossings[0].second - 1 - s.firstSecond) / 2);
    for (int i = 1; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), stretches[i]);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!page.isVisible());
}

void BirthTimeTest::thePdfSaysWhatChanges() {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) QSKIP("pdftotext (poppler-utils) is not installed");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("birth-time.pdf"));
    QVERIFY(WriteChartPdf(pdf, DelhiChart(), EnglishMonthNames()).isEmpty());
    QProcess process;
    process.start(pdftotext, {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    process.waitForFinished(60000);
    const QString text = QString::fromUtf8(process.readAllStandardOutput()).replace(QLatin1Char('\n'), QLatin1Char(' '));
    QVERIFY(text.contains(QStringLiteral("Birth time: what changes within \u00B130 minutes")));
    QVERIFY2(text.contains(QStringLiteral("Moon nakshatra is Jyeshtha 4 from before 16:10:00 to 16:47:")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("; the given 16:40:00 lies 7 min")));
    QVERIFY(text.contains(QStringLiteral("D9 lagna is ")));
    QVERIFY(text.contains(QStringLiteral("Every Vimshottari major and sub-period start moves")));
    // Before the panchanga, the last section.
    QVERIFY(text.indexOf(QStringLiteral("Birth time: what changes")) < text.indexOf(QStringLiteral("Panchanga at birth")));
}

void BirthTimeTest::screenshot() {
    ChartStyleChoice style;
    BirthTimePage page(DelhiChart(), style);
    page.resize(1024, 768);
    page.ShiftTo(450);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    velmora::testing::SaveScreenshot(page.grab(), QStringLiteral("birth-time-page"));
}

QTEST_MAIN(BirthTimeTest)
#include "birth_time_qtest.moc"
