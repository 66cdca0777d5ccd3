// The ashtakavarga page and the marriage match: opened from the main
// window's Chart menu, their tables and charts made from the charts'
// numbers, reachable by keyboard with names a screen reader says; the match
// printed and exported as PDF; a second birth that cannot be used is a
// message naming it, and the window stays as it was. The printed chart ends
// with the ashtakavarga tables.
//
// The page's reading and reductions, kept in the preferences, which the
// printed chart follows: checked on P. V. R. Narasimha Rao's Chart 7 against
// his Exercise 22 ("Vedic Astrology: An Integrated Approach", chapter 12, as
// PyJHora's tests transcribe it: naturalstupid/PyJHora, src/jhora/tests/
// pvr_tests.py, "_ashtaka_varga_tests").
//
// Pages are saved as ashtakavarga-page.png, ashtakavarga-reduced.png and
// match-page.png (1024 x 768)
// in $VELMORA_SCREENSHOT_DIR, or <build>/screenshots, and the match's PDF
// page as match-pdf.png when pdftoppm is there.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "birthfile/BirthFile.h"
#include "presentation/MatchLabels.h"
#include "result/AshtakavargaPage.h"
#include "result/ChartView.h"
#include "result/MatchPage.h"
#include "result/PrintDocument.h"
#include "shell/MDI.h"
#include "shell/MatchWith.h"
#include "tests/gui/Screenshots.h"
#include "tests/gui/entry/CaptureServices.h"
#include "tests/support/BangaloreForm.h"
#include "tests/support/RunTexts.h"

using namespace velmora;
using velmora::testing::CapturedServices;

namespace {

Chart ChartOf(const FormFields& form) {
    const std::shared_ptr<const Chart> chart = velmora::testing::ChartOfForm(form);
    if (!chart) qFatal("the sample birth does not pass the checks");
    return *chart;
}

FormFields GroomForm() {
    FormFields f = velmora::testing::BangaloreForm();
    f.Name = "RAVI KUMAR";
    f.Year = 1976 - kFirstYear;
    f.Month = 7;
    f.Day = 20;
    f.Hour = 18;
    f.Minute = 40;
    return f;
}

QString PdfText(const QString& pdf) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) return {};
    QProcess process;
    process.start(pdftotext, {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(60000)) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

class AshtakavargaMatchTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(dir_.isValid()); }
    void ashtakavargaPageShowsTheTablesAndTheChart();
    void ashtakavargaPageChoosesTheReadingAndTheReductions();
    void printedChartFollowsTheChosenReading();
    void chartMenuHasThePageAndMatchWith();
    void matchWithAFileAsksWhoIsTheBride();
    void aSecondBirthThatCannotBeUsedIsNamed();
    void matchPrintsAndExportsAsPdf();
    void printedChartEndsWithTheAshtakavarga();

private:
    QString SavedGroom() {
        const QString path = dir_.filePath(QStringLiteral("groom.velmora"));
        if (!WriteBirthFile(path.toStdString(), GroomForm()).Ok()) qFatal("cannot write the groom's birth file");
        return path;
    }
    QTemporaryDir dir_;
};

void AshtakavargaMatchTest::ashtakavargaPageShowsTheTablesAndTheChart() {
    CapturedServices s;
    const Chart chart = ChartOf(velmora::testing::BangaloreForm());
    AshtakavargaPage page(chart, s.chartStyle, s.preferences);
    page.resize(1024, 768);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QCOMPARE(page.tblBindus->rowCount(), 8);
    QCOMPARE(page.tblBindus->columnCount(), 13);
    // The totals column: Raman's fixed totals (body order), then 337.
    const QStringList totals = {"48", "49", "54", "52", "39", "56", "39", "337"};
    for (int row = 0; row < 8; ++row) QCOMPARE(page.tblBindus->item(row, 12)->text(), totals[row]);
    QCOMPARE(page.tblBindus->verticalHeaderItem(7)->text(), QStringLiteral("SAV"));
    for (int sign = 0; sign < 12; ++sign)
        QCOMPARE(page.tblBindus->item(7, sign)->text(), QString::number(chart.AshtakavargaIn(AshtakavargaReading::Raman).bindus.sav[static_cast<std::size_t>(sign)]));
    // The chart's houses say their bindus.
    const int aries = chart.AshtakavargaIn(AshtakavargaReading::Raman).bindus.sav[0];
    bool spoken = false;
    for (int house = 1; house <= 12; ++house) {
        const QString name = page.sav->HouseSpot(house)->accessibleName();
        if (name.startsWith(QStringLiteral("Aries"))) spoken = name.endsWith(QString::number(aries));
    }
    QVERIFY(spoken);
    // The style is the program's: chosen here, kept.
    page.cboStyle->setCurrentIndex(1);
    QCOMPARE(s.chartStyle.Style(), ChartStyle::North);
    QCOMPARE(page.sav->Style(), ChartStyle::North);
    // Keyboard: the table and the chart's houses are in the tab chain.
    QVERIFY(page.tblBindus->focusPolicy() & Qt::TabFocus);
    page.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&page));
    page.tblBindus->setFocus(Qt::TabFocusReason);
    QTest::keyClick(page.tblBindus, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), page.sav->HouseSpot(1));
    QVERIFY(!page.accessibleName().isEmpty());
    QVERIFY(!page.tblBindus->accessibleName().isEmpty());
    QVERIFY(!velmora::testing::SaveScreenshot(page.grab(), QStringLiteral("ashtakavarga-page")).isEmpty());
}

void AshtakavargaMatchTest::ashtakavargaPageChoosesTheReadingAndTheReductions() {
    // Chart 7: Moon, Saturn, Rahu Aries; Jupiter, Ketu Libra; ascendant
    // Scorpio; Mars, Mercury Sagittarius; Sun Capricorn; Venus Aquarius.
    Chart chart;
    chart.birth.name = "CHART SEVEN";
    const int signs[kBodyCount] = {9, 0, 8, 10, 8, 6, 0, 0, 6, 7};
    for (int i = 0; i < kBodyCount; ++i) chart.points[static_cast<std::size_t>(i)].sign = signs[i];
    for (const AshtakavargaReading reading : kAshtakavargaReadings)
        chart.ashtakavargas[static_cast<std::size_t>(reading)] = AshtakavargaTablesOf(PointSigns(chart), reading);
    CapturedServices s;
    AshtakavargaPage page(chart, s.chartStyle, s.preferences);
    page.resize(1024, 768);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QCOMPARE(page.cboReading->currentText(), QStringLiteral("B. V. Raman"));
    QVERIFY(!page.chkReduced->isChecked() && !page.tblReduced->isVisible());

    page.cboReading->setCurrentIndex(1);
    QCOMPARE(page.cboReading->currentText(), QStringLiteral("P. V. R. Narasimha Rao"));
    QCOMPARE(s.preferences.ashtakavargaReading, AshtakavargaReading::Rao);
    // The book's sarvashtakavarga, Aries to Pisces, and the Moon's row.
    const int sav[kSignCount] = {27, 24, 25, 26, 34, 35, 31, 28, 26, 26, 34, 21};
    const int moon[kSignCount] = {6, 3, 5, 3, 5, 5, 6, 3, 3, 4, 4, 2};
    for (int sign = 0; sign < kSignCount; ++sign) {
        QCOMPARE(page.tblBindus->item(7, sign)->text(), QString::number(sav[sign]));
        QCOMPARE(page.tblBindus->item(1, sign)->text(), QString::number(moon[sign]));
    }
    QCOMPARE(page.tblBindus->item(7, kSignCount)->text(), QStringLiteral("337"));
    bool spoken = false;  // the chart follows
    for (int house = 1; house <= kSignCount; ++house) {
        const QString name = page.sav->HouseSpot(house)->accessibleName();
        if (name.startsWith(QStringLiteral("Aries"))) spoken = name.endsWith(QStringLiteral("27"));
    }
    QVERIFY(spoken);

    page.chkReduced->setChecked(true);
    QVERIFY(page.tblReduced->isVisible());
    QVERIFY(s.preferences.ashtakavargaReduced);
    // The book's rasi, graha and shodhya pindas, in body order (Sun, Moon,
    // Mercury, Venus, Mars, Jupiter, Saturn).
    const int pindas[kAshtakavargaPlanets][3] = {{152, 81, 233}, {85, 55, 140}, {95, 33, 128}, {154, 54, 208},
                                                 {52, 43, 95},   {68, 56, 124}, {162, 63, 225}};
    for (int p = 0; p < kAshtakavargaPlanets; ++p)
        for (int k = 0; k < 3; ++k) QCOMPARE(page.tblReduced->item(p, kSignCount + 1 + k)->text(), QString::number(pindas[p][k]));
    QVERIFY(!page.tblReduced->accessibleName().isEmpty());
    QVERIFY(!velmora::testing::SaveScreenshot(page.grab(), QStringLiteral("ashtakavarga-reduced")).isEmpty());

    // Keyboard: the style, the reading, the reductions, the tables in turn.
    page.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&page));
    page.cboStyle->setFocus(Qt::TabFocusReason);
    for (QWidget* next : std::initializer_list<QWidget*>{page.cboReading, page.chkReduced, page.tblBindus, page.tblReduced}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
    // The next page opens as chosen.
    AshtakavargaPage again(chart, s.chartStyle, s.preferences);
    QCOMPARE(again.cboReading->currentIndex(), 1);
    QVERIFY(again.chkReduced->isChecked());
    QCOMPARE(again.tblBindus->item(7, 0)->text(), QStringLiteral("27"));
}

void AshtakavargaMatchTest::printedChartFollowsTheChosenReading() {
    const std::shared_ptr<const Chart> chart = velmora::testing::ChartOfForm(velmora::testing::BangaloreForm());
    QVERIFY(chart);
    auto exported = [&](CapturedServices& s, const QString& name) {
        MDI window(chart, s.services);
        const QString pdf = dir_.filePath(name);
        s.files.answers = {pdf};
        window.findChild<QAction*>(QStringLiteral("mnuExportPdf"))->trigger();
        return PdfText(pdf).simplified();  // a heading may wrap
    };
    CapturedServices plain;
    const QString raman = exported(plain, QStringLiteral("raman.pdf"));
    if (raman.isEmpty()) QSKIP("pdftotext (poppler-utils) is not installed");
    QVERIFY(raman.contains(QStringLiteral("B. V. Raman's reading")));
    QVERIFY(!raman.contains(QStringLiteral("shodhana")));
    CapturedServices chosen;
    chosen.preferences.ashtakavargaReading = AshtakavargaReading::Rao;
    chosen.preferences.ashtakavargaReduced = true;
    const QString rao = exported(chosen, QStringLiteral("rao.pdf"));
    QVERIFY(rao.contains(QStringLiteral("P. V. R. Narasimha Rao's reading")));
    QVERIFY(rao.contains(QStringLiteral("after trikona and ekadhipatya shodhana")));
    QVERIFY(rao.contains(QStringLiteral("Shodhya pinda")));
}

void AshtakavargaMatchTest::chartMenuHasThePageAndMatchWith() {
    CapturedServices s;
    MDI window(std::make_shared<const Chart>(ChartOf(velmora::testing::BangaloreForm())), s.services);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* ashtakavarga = window.findChild<QAction*>(QStringLiteral("mnuAshtakavarga"));
    auto* match = window.findChild<QAction*>(QStringLiteral("mnuMatchWith"));
    QVERIFY(ashtakavarga && match);
    QVERIFY(window.findChild<QMenu*>(QStringLiteral("mnuMatchWithRecent")));
    ashtakavarga->trigger();
    auto* page = window.findChild<AshtakavargaPage*>();
    QVERIFY(page && page->isVisible());

    // Match With…: the file dialog, the question, the page.
    s.files.answers = {SavedGroom()};
    s.messenger.answer = 0;
    match->trigger();
    QCOMPARE(s.files.asked.back().filter, QStringLiteral("Velmora birth files (*.velmora)"));
    QCOMPARE(s.messenger.asked.size(), std::size_t{1});
    auto* matchPage = window.findChild<MatchPage*>();
    QVERIFY(matchPage && matchPage->isVisible());
    // Cancelled: nothing asked, nothing opened.
    s.files.answers = {QString()};
    match->trigger();
    QCOMPARE(s.messenger.asked.size(), std::size_t{1});
}

void AshtakavargaMatchTest::matchWithAFileAsksWhoIsTheBride() {
    CapturedServices s;
    QWidget owner;
    const Chart asha = ChartOf(velmora::testing::BangaloreForm());
    const QString groom = SavedGroom();

    s.messenger.answer = 0;  // this chart's person is the bride
    MatchPage* page = MatchWithFile(&owner, asha, groom, s.services);
    QVERIFY(page);
    QCOMPARE(s.messenger.asked.back().choices.size(), 2);
    QVERIFY(s.messenger.asked.back().choices[0].startsWith(QStringLiteral("ASHA RAO")));
    QCOMPARE(QString::fromStdString(page->Sheet().bride.birth.name), QStringLiteral("ASHA RAO"));
    const MarriageMatch expected = MatchCharts(asha, ChartOf(GroomForm()));
    QCOMPARE(page->tblKootas->rowCount(), 9);
    double sum = 0;
    for (int i = 0; i < 8; ++i) {
        const Koota& k = expected.milan.kootas[static_cast<std::size_t>(i)];
        QCOMPARE(page->tblKootas->item(i, 0)->text(), QString::fromUtf8(k.name.data(), static_cast<qsizetype>(k.name.size())));
        QCOMPARE(page->tblKootas->item(i, 1)->text().toDouble(), k.points);
        QCOMPARE(page->tblKootas->item(i, 3)->text(), QString::fromStdString(KootaReasonText(expected.milan, static_cast<std::size_t>(i))));
        sum += k.points;
    }
    QCOMPARE(page->tblKootas->item(8, 1)->text().toDouble(), sum);
    QVERIFY(page->lblDoshas->text().contains(QStringLiteral("Mars dosha, bride")));
    // Keyboard and names.
    QVERIFY(!page->bride->accessibleName().isEmpty() && !page->groom->accessibleName().isEmpty());
    page->resize(1024, 768);
    QVERIFY(QTest::qWaitForWindowExposed(page));
    page->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(page));
    page->tblKootas->setFocus(Qt::TabFocusReason);
    QTest::keyClick(page->tblKootas, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(page->lblDoshas));
    page->cmdExportPdf->setFocus(Qt::TabFocusReason);
    QTest::keyClick(page->cmdExportPdf, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), page->bride->HouseSpot(1));
    QVERIFY(!velmora::testing::SaveScreenshot(page->grab(), QStringLiteral("match-page")).isEmpty());

    // The other answer: the file's person is the bride.
    s.messenger.answer = 1;
    MatchPage* other = MatchWithFile(&owner, asha, groom, s.services);
    QVERIFY(other);
    QCOMPARE(QString::fromStdString(other->Sheet().bride.birth.name), QStringLiteral("RAVI KUMAR"));
    // Cancel: no page.
    s.messenger.answer = -1;
    QVERIFY(!MatchWithFile(&owner, asha, groom, s.services));
}

void AshtakavargaMatchTest::aSecondBirthThatCannotBeUsedIsNamed() {
    CapturedServices s;
    QWidget owner;
    const Chart asha = ChartOf(velmora::testing::BangaloreForm());
    const QString missing = dir_.filePath(QStringLiteral("missing.velmora"));
    QVERIFY(!MatchWithFile(&owner, asha, missing, s.services));
    QCOMPARE(s.messenger.shown.size(), std::size_t{1});
    QVERIFY(s.messenger.shown[0].text.startsWith(QStringLiteral("The second birth (\"%1\") cannot be matched: ").arg(missing)));
    QCOMPARE(s.messenger.shown[0].icon, MessageIcon::Error);
    QVERIFY(s.messenger.asked.empty());
    QVERIFY(!owner.findChild<MatchPage*>());
}

void AshtakavargaMatchTest::matchPrintsAndExportsAsPdf() {
    CapturedServices s;
    MatchPage page(MakeMatchSheet(ChartOf(velmora::testing::BangaloreForm()), ChartOf(GroomForm())), s.services);
    const QString pdf = dir_.filePath(QStringLiteral("match.pdf"));
    s.files.answers = {pdf};
    page.cmdExportPdf->click();
    QCOMPARE(s.files.asked.back().suggested, QStringLiteral("Asha Rao And Ravi Kumar.pdf"));
    QVERIFY(QFile::exists(pdf));
    QVERIFY(s.messenger.shown.empty());
    const QString printed = dir_.filePath(QStringLiteral("printed.pdf"));
    s.files.printedPdf = printed;
    page.cmdPrint->click();
    QCOMPARE(s.files.previews, 1);
    QVERIFY(QFile::exists(printed));
    // The page for people to look at, when pdftoppm is there.
    if (const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm")); !pdftoppm.isEmpty()) {
        QString shots = qEnvironmentVariable("VELMORA_SCREENSHOT_DIR");
        if (shots.isEmpty()) shots = QStringLiteral(VELMORA_BINARY_DIR "/screenshots");
        QVERIFY(QDir().mkpath(shots));
        QProcess::execute(pdftoppm, {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"),
                                     QStringLiteral("-singlefile"), pdf, QDir(shots).filePath(QStringLiteral("match-pdf"))});
    }
    const QString text = PdfText(pdf);
    if (text.isEmpty()) QSKIP("pdftotext (poppler-utils) is not installed");
    for (const char* word : {"Marriage match", "Varna", "Graha Maitri", "Nadi", "Total:", "North-Indian"})
        QVERIFY2(text.contains(QLatin1String(word)), word);
}

void AshtakavargaMatchTest::printedChartEndsWithTheAshtakavarga() {
    const std::shared_ptr<const Chart> chart = velmora::testing::ChartOfForm(velmora::testing::BangaloreForm());
    QVERIFY(chart);
    const QString pdf = dir_.filePath(QStringLiteral("chart.pdf"));
    QCOMPARE(WriteChartPdf(pdf, *chart, EnglishMonthNames()), QString());
    const QString text = PdfText(pdf);
    if (text.isEmpty()) QSKIP("pdftotext (poppler-utils) is not installed");
    const qsizetype at = text.lastIndexOf(QStringLiteral("Ashtakavarga (Parashara)"));
    QVERIFY(at > text.lastIndexOf(QStringLiteral("Report")));
    QVERIFY(text.indexOf(QStringLiteral("337"), at) > at);
}

QTEST_MAIN(AshtakavargaMatchTest)
#include "ashtakavarga_match_qtest.moc"
