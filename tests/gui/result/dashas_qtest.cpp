// The dasha page of the Chart menu: the running path opened to five levels
// (Vimshottari) or three (Yogini, Ashtottari), sub-periods filled only when
// a period is opened, the system and year chosen and kept, the names a
// screen reader reads, the keyboard's way through, and a picture at
// 1024 x 768.

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QTreeWidget>
#include <QLocale>
#include <QtTest>
#include <memory>

#include "chart/ComputeChart.h"
#include "presentation/DashaLabels.h"
#include "presentation/Glossary.h"
#include "result/frmDashas.h"
#include "services/LanguageChoice.h"
#include "shell/ChartPages.h"
#include "tests/gui/Screenshots.h"
#include "tests/gui/entry/CaptureServices.h"
#include "tests/support/BangaloreForm.h"

using namespace velmora;
using velmora::testing::CapturedServices;

namespace {

// Dates and times as a British English desktop writes them.
const bool kBritishLocale = [] {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    return true;
}();

// "2026-12-09T02:50" as the locale writes it: "9 Dec 2026 02:50".
QString AsLocale(const std::string& iso) {
    return QDateTime::fromString(QString::fromStdString(iso), Qt::ISODate).toString(QStringLiteral("d MMM yyyy HH:mm"));
}

Chart BangaloreChart(const CalendarDate& today) {
    ChartWants wants;
    wants.report = false;
    wants.today = today;
    const ChartOutcome outcome = ComputeChart(BirthFromForm(velmora::testing::BangaloreForm()), wants);
    if (!outcome.Computed()) qFatal("%s", std::string(outcome.refusal.message).c_str());
    return outcome.chart ? *outcome.chart : Chart{};
}

// The next widget Tab reaches.
QWidget* NextTab(QWidget* from) {
    QWidget* at = from->nextInFocusChain();
    while (at != from && !(at->focusPolicy() & Qt::TabFocus)) at = at->nextInFocusChain();
    return at;
}

int Level(const QTreeWidgetItem* item) {
    int level = 1;
    for (const QTreeWidgetItem* at = item->parent(); at; at = at->parent()) ++level;
    return level;
}

}  // namespace

class DashasTest : public QObject {
    Q_OBJECT
private slots:
    void runningPathIsOpenedToFiveLevels();
    void subPeriodsAreFilledWhenOpened();
    void systemAndYearAreChosenAndKept();
    void screenReaderAndKeyboard();
    void chartMenuOpensThePage();
    void theWindowsLanguage();
    void screenshot();
};

void DashasTest::runningPathIsOpenedToFiveLevels() {
    CapturedServices s;  // today: 2026-12-09
    const Chart chart = BangaloreChart(s.clock.today);
    frmDashas page(chart, s.services);
    QCOMPARE(page.treeDashas->topLevelItemCount(), 9);
    QTreeWidgetItem* current = page.treeDashas->currentItem();
    QVERIFY(current);
    QCOMPARE(Level(current), 5);
    // The path is the chart's own, and every item on it is marked and open.
    const DashaTimeline& path = chart.Dasha(DashaSystem::Vimshottari);
    QCOMPARE(path.runningLevels, 5);
    int level = 5;
    for (QTreeWidgetItem* at = current; at; at = at->parent(), --level) {
        const DashaNode& node = path.running[static_cast<std::size_t>(level - 1)];
        QVERIFY(at->text(0).startsWith(QString::fromStdString(std::string(path.LordName(node)))));
        QVERIFY(at->text(0).endsWith(QStringLiteral("(running)")));
        // The engine's moments, written as the locale writes them ("9 Dec 2026 02:50").
        QCOMPARE(at->text(2), AsLocale(DateTimeText(DashaMoment(node.start))));
        QCOMPARE(at->text(3), AsLocale(DateTimeText(DashaMoment(node.end))));
        if (level < 5) QVERIFY(at->isExpanded());
    }
    QCOMPARE(current->text(1), QStringLiteral("Prana dasha"));
    // The major periods are those of the result form's table.
    for (int m = 0; m < 9; ++m)
        QVERIFY(page.treeDashas->topLevelItem(m)->text(2).startsWith(
            QDate::fromString(
                QString::fromStdString(DateText(VimshottariPeriods(chart).majors[static_cast<std::size_t>(m)].period.start)),
                Qt::ISODate)
                .toString(QStringLiteral("d MMM yyyy "))));
    QVERIFY(page.lblNote->text().contains(QStringLiteral("Running on 9 Dec 2026: ")));
    QVERIFY(page.lblNote->text().contains(QStringLiteral("Years of 365.25 days (Julian)")));
}

void DashasTest::subPeriodsAreFilledWhenOpened() {
    CapturedServices s;
    const Chart chart = BangaloreChart(s.clock.today);
    frmDashas page(chart, s.services);
    // A period off the running path has no items below it until it is opened.
    QTreeWidgetItem* first = page.treeDashas->topLevelItem(0);
    QVERIFY(!first->text(0).contains(QStringLiteral("running")));
    QCOMPARE(first->childCount(), 0);
    QCOMPARE(first->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
    first->setExpanded(true);
    QCOMPARE(first->childCount(), 9);
    // Opened down to the prana periods, which have nothing below them; the
    // sub-periods tile their parent.
    QTreeWidgetItem* at = first;
    for (int level = 2; level <= 5; ++level) {
        at->setExpanded(true);
        QCOMPARE(at->childCount(), 9);
        QCOMPARE(at->child(0)->text(2), at->text(2));
        QCOMPARE(at->child(8)->text(3), at->text(3));
        for (int i = 1; i < 9; ++i) QCOMPARE(at->child(i)->text(2), at->child(i - 1)->text(3));
        at = at->child(0);
    }
    at->setExpanded(true);
    QCOMPARE(at->childCount(), 0);
}

void DashasTest::systemAndYearAreChosenAndKept() {
    CapturedServices s;
    const Chart chart = BangaloreChart(s.clock.today);
    frmDashas page(chart, s.services);
    const QString julianEnd = page.treeDashas->topLevelItem(1)->text(3);
    page.cboSystem->setCurrentIndex(1);  // Yogini
    QCOMPARE(s.preferences.dashaSystem, DashaSystem::Yogini);
    QCOMPARE(page.treeDashas->topLevelItemCount(), 24);
    // The Moon in Chitra (14): 14 + 3 = 17, remainder 1, Mangala first.
    QVERIFY(page.treeDashas->topLevelItem(0)->text(0).startsWith(QStringLiteral("Mangala (Moon)")));
    QCOMPARE(Level(page.treeDashas->currentItem()), 3);
    page.cboSystem->setCurrentIndex(2);  // Ashtottari
    QCOMPARE(page.treeDashas->topLevelItemCount(), 8);
    QCOMPARE(Level(page.treeDashas->currentItem()), 3);
    page.cboSystem->setCurrentIndex(0);
    page.cboYear->setCurrentIndex(2);  // 360 days
    QCOMPARE(s.preferences.dashaYear, DashaYear::Savana);
    QVERIFY(page.lblNote->text().contains(QStringLiteral("360 days (savana)")));
    QVERIFY(page.treeDashas->topLevelItem(1)->text(3) != julianEnd);
    // A chart computed with the kept choices opens with them.
    Birth birth = BirthFromForm(velmora::testing::BangaloreForm());
    birth.dashaSystem = s.preferences.dashaSystem;
    birth.dashaYear = s.preferences.dashaYear;
    ChartWants wants;
    wants.today = s.clock.today;
    const ChartOutcome again = ComputeChart(birth, wants);
    QVERIFY(again.Computed());
    frmDashas next(*again.chart, s.services);
    QCOMPARE(next.cboYear->currentIndex(), 2);
    QCOMPARE(next.cboSystem->currentIndex(), 0);
}

void DashasTest::screenReaderAndKeyboard() {
    CapturedServices s;
    const Chart chart = BangaloreChart(s.clock.today);
    frmDashas page(chart, s.services);
    QCOMPARE(page.cboSystem->accessibleName(), QStringLiteral("Dasha system"));
    QCOMPARE(page.cboYear->accessibleName(), QStringLiteral("Dasha year"));
    QCOMPARE(page.treeDashas->accessibleName(), QStringLiteral("Dasha periods"));
    QCOMPARE(page.treeDashas->accessibleDescription(), page.lblNote->text());
    QVERIFY(page.windowTitle().startsWith(QStringLiteral("Dashas - ")));
    // The labels' mnemonics reach the lists.
    int buddies = 0;
    for (QLabel* label : page.findChildren<QLabel*>())
        if (label->buddy() == page.cboSystem || label->buddy() == page.cboYear) ++buddies;
    QCOMPARE(buddies, 2);
    // Tab: the system, the year, the note, the periods.
    QCOMPARE(NextTab(page.cboSystem), static_cast<QWidget*>(page.cboYear));
    QCOMPARE(NextTab(page.cboYear), static_cast<QWidget*>(page.lblNote));
    QCOMPARE(NextTab(page.lblNote), static_cast<QWidget*>(page.treeDashas));
    // The keyboard opens a period: Right on a closed period fills it.
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    page.treeDashas->setFocus();
    page.treeDashas->setCurrentItem(page.treeDashas->topLevelItem(0));
    QTest::keyClick(page.treeDashas, Qt::Key_Right);
    QCOMPARE(page.treeDashas->topLevelItem(0)->childCount(), 9);
    QVERIFY(page.treeDashas->topLevelItem(0)->isExpanded());
}

void DashasTest::chartMenuOpensThePage() {
    CapturedServices s;
    auto chart = std::make_shared<const Chart>(BangaloreChart(s.clock.today));
    QWidget owner;
    QMenu menu;
    AddChartPages(&menu, &owner, chart, s.services);
    QAction* item = owner.findChild<QAction*>(QStringLiteral("actDashas"));
    if (!item)
        for (QAction* action : menu.actions())
            if (action->objectName() == QStringLiteral("actDashas")) item = action;
    QVERIFY(item);
    QCOMPARE(item->text(), QStringLiteral("&Dashas…"));
    item->trigger();
    auto* page = owner.findChild<frmDashas*>();
    QVERIFY(page);
    QVERIFY(page->isWindow() && page->isVisible());
}

// In Hindi the system, the year, the lords, the levels and the note are the
// language's (the lords and systems the glossary's: PyJHora's Hindi list,
// docs/glossary.md), with no English word left; back in English as before.
void DashasTest::theWindowsLanguage() {
    CapturedServices s;
    const Chart chart = BangaloreChart(s.clock.today);
    LanguageChoice choice(Language::English);
    frmDashas page(chart, s.services);
    const QRegularExpression latin(QStringLiteral("[A-Za-z]"));
    choice.Choose(Language::Hindi);
    const Glossary& hindi = GlossaryOf(Language::Hindi);
    QCOMPARE(page.cboSystem->currentText(), QString::fromUtf8(hindi.dashaSystems[0].data(), qsizetype(hindi.dashaSystems[0].size())));
    QVERIFY2(!page.cboYear->currentText().contains(latin), qPrintable(page.cboYear->currentText()));
    QVERIFY2(!page.lblNote->text().contains(latin), qPrintable(page.lblNote->text()));
    const QTreeWidgetItem* current = page.treeDashas->currentItem();
    QVERIFY(current);
    for (const QTreeWidgetItem* at = current; at; at = at->parent()) {
        QVERIFY2(!at->text(0).contains(latin), qPrintable(at->text(0)));
        QVERIFY2(!at->text(1).contains(latin), qPrintable(at->text(1)));
    }
    const DashaTimeline& path = chart.Dasha(DashaSystem::Vimshottari);
    const std::string_view lord = hindi.points[static_cast<std::size_t>(path.Lord(path.running[4]))];
    QVERIFY2(current->text(0).startsWith(QString::fromUtf8(lord.data(), qsizetype(lord.size()))), qPrintable(current->text(0)));
    choice.Choose(Language::English);
    QCOMPARE(page.cboSystem->currentText(), QStringLiteral("Vimshottari"));
    QCOMPARE(page.cboYear->currentText(), QStringLiteral("365.25 days (Julian)"));
    QCOMPARE(page.treeDashas->currentItem()->text(1), QStringLiteral("Prana dasha"));
}

void DashasTest::screenshot() {
    CapturedServices s;
    const Chart chart = BangaloreChart(s.clock.today);
    frmDashas page(chart, s.services);
    page.resize(1024, 768);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QVERIFY(!velmora::testing::SaveScreenshot(page.grab(), QStringLiteral("dashas-1024x768")).isEmpty());
    page.cboSystem->setCurrentIndex(1);
    QVERIFY(!velmora::testing::SaveScreenshot(page.grab(), QStringLiteral("dashas-yogini-1024x768")).isEmpty());
}

QTEST_MAIN(DashasTest)
#include "dashas_qtest.moc"
