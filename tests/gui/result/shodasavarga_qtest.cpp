// The page of the sixteen divisional charts: the table of every point's
// sign in each varga with the vargottama points, the chooser that draws any
// varga in the chosen style (the arudhas only in D1), keyboard and screen
// reader; and the PDF's page of the vargas with the D9 and D10 charts.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "analysis/Varga.h"
#include "result/ChartView.h"
#include "result/PrintDocument.h"
#include "result/ShodasavargaPage.h"
#include "shell/MDI.h"
#include "tests/gui/entry/CaptureServices.h"
#include "tests/gui/Screenshots.h"
#include "tests/support/Chennai1996.h"
#include "tests/support/RunTexts.h"

using namespace velmora;

namespace {

Birth Chennai() { return velmora::testing::ChennaiBirth(); }

Chart ChennaiChart() {
    const ChartOutcome outcome = ComputeChart(Chennai(), {true, {DashaSystem::Vimshottari}, {2026, 12, 9}});
    if (!outcome.Computed()) qFatal("%s", std::string(outcome.refusal.message).c_str());
    return outcome.chart ? *outcome.chart : Chart{};
}

// The published D10 (tests/support/Chennai1996.h) as the table writes it.
QStringList PublishedD10() {
    QStringList signs;
    for (const int sign : velmora::testing::kChennaiD10)
        signs << QString::fromUtf8(kSignNames[static_cast<std::size_t>(sign)].data(), 3);
    return signs;
}

QString Simplified(QString text) {
    text.replace(QChar(0x00A0), QLatin1Char(' '));
    return text.simplified();
}

}  // namespace

class ShodasavargaTest : public QObject {
    Q_OBJECT
private slots:
    void openedFromTheChartMenu();
    void tableOfEveryVarga();
    void vargottamaIsMarked();
    void chooserDrawsAnyVargaInTheStyle();
    void keyboardAndScreenReader();
    void pdfHasTheVargasAfterTheReport();
    void screenshots();
};

void ShodasavargaTest::openedFromTheChartMenu() {
    velmora::testing::CapturedServices s;
    s.chartStyle.Choose(ChartStyle::North);
    MDI window(std::make_shared<const Chart>(ChennaiChart()), s.services);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QAction* item = nullptr;
    for (QAction* action : window.mnuChart->actions())
        if (action->objectName() == QStringLiteral("mnuVargas")) item = action;
    QVERIFY(item);
    QCOMPARE(item->text(), QStringLiteral("&Vargas…"));
    QVERIFY(!window.findChild<ShodasavargaPage*>());
    item->trigger();
    auto* page = window.findChild<ShodasavargaPage*>();
    QVERIFY(page && page->isVisible() && page->isWindow());
    QCOMPARE(page->windowTitle(), QStringLiteral("Divisional charts (Shodasavarga) - CHENNAI"));
    // In the style last chosen.
    QCOMPARE(page->chartVarga->Style(), ChartStyle::North);
    page->close();
    item->trigger();
    QCOMPARE(window.findChildren<ShodasavargaPage*>().size(), 1);
    QVERIFY(page->isVisible());
}

void ShodasavargaTest::tableOfEveryVarga() {
    const Chart chart = ChennaiChart();
    ChartStyleChoice style;
    ShodasavargaPage page(chart, style);
    QTableWidget* table = page.tblVargas;
    QCOMPARE(table->rowCount(), kBodyCount);
    QCOMPARE(table->columnCount(), 18);
    QCOMPARE(table->horizontalHeaderItem(7)->text(), QStringLiteral("D10"));
    QCOMPARE(table->horizontalHeaderItem(7)->toolTip(), QStringLiteral("D10 Dasamsa"));
    QCOMPARE(table->horizontalHeaderItem(16)->text(), QStringLiteral("D60"));
    const QStringList published = PublishedD10();
    for (int i = 0; i < kBodyCount; ++i) {
        QCOMPARE(table->item(i, 7)->text(), published[i]);
        // A screen reader says the sign's name.
        QVERIFY(table->item(i, 7)->data(Qt::AccessibleTextRole).toString().startsWith(published[i].left(2)));
    }
    QCOMPARE(table->item(9, 0)->text(), QStringLiteral("Ascendant"));
    QCOMPARE(table->item(9, 7)->data(Qt::AccessibleTextRole).toString(), QStringLiteral("Aries"));
}

void ShodasavargaTest::vargottamaIsMarked() {
    // No point of the Chennai chart is vargottama (worked by hand: the Sun at
    // 21° 33′ Scorpio is in its 7th navamsa, counted from Cancer: Capricorn;
    // the ascendant at 22° 27′ Capricorn in its 7th, from Capricorn: Cancer).
    const Chart chennai = ChennaiChart();
    QCOMPARE(ShodasavargaPage::VargottamaText(chennai), QStringLiteral("Vargottama (the same sign in D1 and D9): none."));
    // A chart whose Sun and ascendant are: marked in the line, the last
    // column, and the D1 and D9 cells.
    Chart chart = chennai;
    chart.vargottama[0] = true;
    chart.vargottama[9] = true;
    ChartStyleChoice style;
    ShodasavargaPage page(chart, style);
    QCOMPARE(page.lblVargottama->text(), QStringLiteral("Vargottama (the same sign in D1 and D9): Sun, Ascendant."));
    QCOMPARE(page.lblVargottama->accessibleName(), page.lblVargottama->text());
    QCOMPARE(page.tblVargas->horizontalHeaderItem(17)->text(), QStringLiteral("Vargottama"));
    QCOMPARE(page.tblVargas->item(0, 17)->text(), QStringLiteral("yes"));
    QCOMPARE(page.tblVargas->item(1, 17)->text(), QStringLiteral("no"));
    QVERIFY(page.tblVargas->item(0, 1)->font().bold());   // D1
    QVERIFY(page.tblVargas->item(0, 6)->font().bold());   // D9
    QVERIFY(!page.tblVargas->item(0, 7)->font().bold());  // D10
    QVERIFY(!page.tblVargas->item(1, 1)->font().bold());
}

void ShodasavargaTest::chooserDrawsAnyVargaInTheStyle() {
    const Chart chart = ChennaiChart();
    ChartStyleChoice style;
    ShodasavargaPage page(chart, style);
    QCOMPARE(page.cboVarga->count(), kVargaCount);
    QCOMPARE(page.cboVarga->currentText(), QStringLiteral("D9 Navamsa"));
    QCOMPARE(page.chartVarga->accessibleName(), QStringLiteral("D9 Navamsa"));

    page.cboVarga->setCurrentIndex(VargaIndexOfFactor(10));
    QCOMPARE(page.fraChart->title(), QStringLiteral("D10 Dasamsa"));
    QCOMPARE(page.chartVarga->accessibleName(), QStringLiteral("D10 Dasamsa"));
    // The D10's ascendant is Aries, with Mars (published, as above).
    const QString first = page.chartVarga->HouseSpot(1)->accessibleName();
    QVERIFY2(first.startsWith(QStringLiteral("Aries, house 1: Mars")), qPrintable(first));
    QVERIFY2(first.contains(QStringLiteral("Ascendant")), qPrintable(first));

    // Every varga has the arudhas of its own houses. Worked by hand from the
    // published D10: its ascendant Aries has its lord Mars in Aries itself,
    // so AL would fall in the house and goes to the 10th from it, Capricorn.
    auto hasArudha = [&] {
        for (int house = 1; house <= kSignCount; ++house)
            if (page.chartVarga->HouseSpot(house)->accessibleName().contains(QStringLiteral("AL"))) return true;
        return false;
    };
    QVERIFY(hasArudha());
    const QString tenth = page.chartVarga->HouseSpot(10)->accessibleName();
    QVERIFY2(tenth.startsWith(QStringLiteral("Capricorn")) && tenth.contains(QStringLiteral("AL")), qPrintable(tenth));
    page.ShowVarga(0);
    QCOMPARE(page.cboVarga->currentText(), QStringLiteral("D1 Rasi"));
    QVERIFY(hasArudha());

    // The style chosen here is the program's, and redraws the chart.
    page.cboStyle->setCurrentIndex(1);
    QCOMPARE(style.Style(), ChartStyle::North);
    QCOMPARE(page.chartVarga->Style(), ChartStyle::North);
    QVERIFY(page.chartVarga->HouseSpot(1)->accessibleName().startsWith(QStringLiteral("House 1, Capricorn")));
    ShodasavargaPage next(chart, style);
    QCOMPARE(next.cboStyle->currentIndex(), 1);
    QCOMPARE(next.chartVarga->Style(), ChartStyle::North);
}

void ShodasavargaTest::keyboardAndScreenReader() {
    const Chart chart = ChennaiChart();
    ChartStyleChoice style;
    ShodasavargaPage page(chart, style);
    page.show();
    QApplication::setActiveWindow(&page);
    QVERIFY(QTest::qWaitForWindowActive(&page));
    for (QWidget* named : {static_cast<QWidget*>(page.tblVargas), static_cast<QWidget*>(page.cboVarga),
                           static_cast<QWidget*>(page.cboStyle), static_cast<QWidget*>(page.chartVarga)})
        QVERIFY2(!named->accessibleName().isEmpty(), named->metaObject()->className());
    // Tab: the vargottama line, the table, the chooser, the style, the houses.
    page.lblVargottama->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), page.lblVargottama);
    const QList<QWidget*> order{page.tblVargas, page.cboVarga, page.cboStyle, page.chartVarga->HouseSpot(1),
                                page.chartVarga->HouseSpot(2)};
    for (QWidget* next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
    // Alt+D reaches the chooser; Down shows the next varga.
    QTest::keyClick(&page, Qt::Key_D, Qt::AltModifier);
    QTRY_COMPARE(QApplication::focusWidget(), page.cboVarga);
    QTest::keyClick(page.cboVarga, Qt::Key_Down);
    QCOMPARE(page.chartVarga->accessibleName(), QStringLiteral("D10 Dasamsa"));
    // Escape closes the page.
    QTest::keyClick(page.cboVarga, Qt::Key_Escape);
    QTRY_VERIFY(!page.isVisible());
}

void ShodasavargaTest::pdfHasTheVargasAfterTheReport() {
    const ChartOutcome outcome = ComputeChart(Chennai(), {true, {DashaSystem::Vimshottari}, {2026, 12, 9}});
    QVERIFY(outcome.Computed());
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("chennai.pdf"));
    const Chart& r = *outcome.chart;
    QCOMPARE(WriteChartPdf(pdf, r, EnglishMonthNames()), QString());
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) QSKIP("pdftotext (poppler-utils) is not installed");
    QProcess process;
    process.start(pdftotext, {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    QVERIFY(process.waitForFinished(30000));
    const QStringList pages =
        QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QVERIFY(pages.size() >= 3);
    // The vargas begin a page of their own after the report's last one (the
    // ashtakavarga and the panchanga follow them).
    const QString heading = QStringLiteral("Divisional charts (Shodasavarga)");
    qsizetype vargaPage = 0;
    while (vargaPage < pages.size() && !pages[vargaPage].contains(heading)) ++vargaPage;
    QVERIFY2(vargaPage >= 2 && vargaPage < pages.size(), qPrintable(pages.join(QLatin1Char('\f')).left(400)));
    const QString last = Simplified(pages[vargaPage]);
    QVERIFY2(last.contains(heading), qPrintable(last.left(400)));
    // The report's last words end the page before.
    QString lastWords;
    for (const ReportPiece& piece : r.report) {
        const QString text = Simplified(QString::fromUtf8(piece.text.data(), static_cast<qsizetype>(piece.text.size())));
        if (!text.isEmpty()) lastWords = text;
    }
    QVERIFY(Simplified(pages[vargaPage - 1]).contains(lastWords.right(20)));
    // The table: the vargas' names, then each point's signs in order.
    QVERIFY2(last.contains(QStringLiteral("Point D1 D2 D3 D4 D7 D9 D10 D12 D16 D20 D24 D27 D30 D40 D45 D60")),
             qPrintable(last));
    // Its rows, read with the page's layout kept (a line a row).
    QProcess layout;
    const QString lastPage = QString::number(vargaPage + 1);
    layout.start(pdftotext, {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), QStringLiteral("-f"),
                             lastPage, QStringLiteral("-l"), lastPage, pdf, QStringLiteral("-")});
    QVERIFY(layout.waitForFinished(30000));
    QStringList lines;
    for (const QString& line : QString::fromUtf8(layout.readAllStandardOutput()).split(QLatin1Char('\n')))
        lines << Simplified(line);
    qsizetype at = lines.indexOf(heading);
    QVERIFY2(at >= 0, qPrintable(lines.join(QLatin1Char('\n'))));
    for (int i = 0; i < kBodyCount; ++i) {
        QString row = QString::fromUtf8(kPlainBodyNames[static_cast<std::size_t>(i)].data());
        for (int v = 0; v < kVargaCount; ++v)
            row += QLatin1Char(' ') + QString::fromUtf8(kSignNames[static_cast<std::size_t>(r.vargas[v][i])].data(), 3);
        const qsizetype found = lines.indexOf(row, at);
        QVERIFY2(found > at, qPrintable(row + QStringLiteral(" in\n") + lines.join(QLatin1Char('\n'))));
        at = found;
    }
    // Below the table the vargottama line, then the two charts.
    at = last.indexOf(QStringLiteral("Vargottama (the same sign in D1 and D9): none."));
    QVERIFY(at > last.indexOf(heading));
    QVERIFY(last.indexOf(QStringLiteral("D9 Navamsa and D10 Dasamsa"), at) > at);

    // The page as a picture, for people to look at.
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty()) return;
    QString shots = qEnvironmentVariable("VELMORA_SCREENSHOT_DIR");
    if (shots.isEmpty()) shots = QStringLiteral(VELMORA_BINARY_DIR "/screenshots");
    QVERIFY(QDir().mkpath(shots));
    const QString stem = QDir(shots).filePath(QStringLiteral("shodasavarga-pdf"));
    const QString page = QString::number(pages.size());
    QProcess::execute(pdftoppm, {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"), QStringLiteral("-f"),
                                 page, QStringLiteral("-l"), page, QStringLiteral("-singlefile"), pdf, stem});
    QVERIFY(QFile::exists(stem + QStringLiteral(".png")));
}

void ShodasavargaTest::screenshots() {
    const Chart chart = ChennaiChart();
    for (const ChartStyle style : {ChartStyle::South, ChartStyle::North}) {
        ChartStyleChoice choice;
        choice.Choose(style);
        ShodasavargaPage page(chart, choice);
        page.ShowVarga(VargaIndexOfFactor(10));
        page.resize(1024, 768);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        const QString name = QStringLiteral("shodasavarga-") + QLatin1String(ChartStyleName(style).data());
        QVERIFY(!velmora::testing::SaveScreenshot(page.grab(), name).isEmpty());
    }
}

QTEST_MAIN(ShodasavargaTest)
#include "shodasavarga_qtest.moc"
