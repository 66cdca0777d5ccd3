// One chart style for the whole program: with the result window and every
// page that draws a chart open at once, a style chosen in any one of them
// redraws every chart of every window at once, every style list shows it,
// and it is the style the next window opens in. And every chart grows with
// its window, keeping its shape.

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QtTest>

#include "result/ChartView.h"
#include "result/frmDisplay.h"
#include "services/ChartStyleChoice.h"
#include "shell/MDI.h"
#include "tests/gui/Screenshots.h"
#include "tests/gui/shell/OpenWindows.h"

using namespace velmora;
using velmora::testing::Program;
using velmora::testing::Window;

namespace {

// The windows that draw a chart, each opened as a person opens it, by the
// object name of the page.
const char* const kPages[] = {"frmVargas", "frmShodasavarga", "frmBhavas", "AshtakavargaPage", "frmTransits",
                              "MatchPage"};

// Opens the main window (a precise chart, which the bhavas and the transits
// need) and every page of kPages.
MDI* OpenEveryChart(Program& program) {
    program.Open(Window::Transits);
    MDI* main = program.shell.MainWindow();
    main->Display()->ShowVargas();
    for (const char* action : {"mnuVargas", "mnuBhavas", "mnuAshtakavarga"})
        main->findChild<QAction*>(QLatin1String(action))->trigger();
    program.captured.files.answers.push_back(QStringLiteral(VELMORA_SOURCE_DIR "/docs/example.velmora"));
    program.captured.messenger.answer = 0;
    main->findChild<QAction*>(QStringLiteral("mnuMatchWith"))->trigger();
    return main;
}

QWidget* Page(MDI* main, const char* name) {
    if (QLatin1String(name) == QLatin1String("frmVargas")) return main->Display()->Vargas();
    return main->findChild<QWidget*>(QLatin1String(name));
}

// Empty when every chart of the main window and its pages, every style
// list and the program's choice show `style`; else the first that does not.
QString NotIn(MDI* main, const Program& program, ChartStyle style) {
    if (program.captured.chartStyle.Style() != style) return QStringLiteral("the program's choice");
    for (const char* name : kPages)
        if (!Page(main, name) || !Page(main, name)->isVisible()) return QStringLiteral("%1 is not open").arg(QLatin1String(name));
    // The pages are the main window's own windows.
    int charts = 0;
    for (const ChartView* chart : main->findChildren<ChartView*>()) {
        ++charts;
        if (chart->Style() != style) return chart->accessibleName() + QStringLiteral(" in ") + chart->window()->objectName();
    }
    for (const QComboBox* list : main->findChildren<QComboBox*>(QStringLiteral("cboStyle")))
        if (list->currentIndex() != (style == ChartStyle::North ? 1 : 0))
            return QStringLiteral("the style list of ") + list->window()->objectName();
    // The result form, the nakshatra page's two, the vargas', the bhavas',
    // the ashtakavarga's, the transits' and the two of the match.
    if (charts != 9) return QStringLiteral("%1 charts, not 9").arg(charts);
    // The result form's South-Indian labels show with the grid only.
    const frmDisplay* form = main->Display();
    if (form->signLabels[0]->isVisibleTo(form) != (style == ChartStyle::South))
        return QStringLiteral("the result form's sign labels");
    return {};
}

}  // namespace

class ChartStyleTest : public QObject {
    Q_OBJECT
private slots:
    void aStyleChosenAnywhereRedrawsEveryChart_data() {
        QTest::addColumn<QString>("chosenOn");  // the page whose style list the person uses
        QTest::addColumn<QString>("backOn");    // the page where the first style is chosen again
        QTest::newRow("nakshatra page, then match") << "frmVargas" << "MatchPage";
        QTest::newRow("vargas page, then ashtakavarga") << "frmShodasavarga" << "AshtakavargaPage";
        QTest::newRow("ashtakavarga page, then nakshatra page") << "AshtakavargaPage" << "frmVargas";
        QTest::newRow("match, then vargas page") << "MatchPage" << "frmShodasavarga";
    }

    void aStyleChosenAnywhereRedrawsEveryChart() {
        QFETCH(QString, chosenOn);
        QFETCH(QString, backOn);
        Program program;
        MDI* main = OpenEveryChart(program);
        QCOMPARE(NotIn(main, program, ChartStyle::South), QString());

        const auto choose = [main](const QString& page, int index) {
            QWidget* shown = Page(main, qPrintable(page));
            QVERIFY(shown);
            auto* list = shown->findChild<QComboBox*>(QStringLiteral("cboStyle"));
            QVERIFY(list);
            list->setCurrentIndex(index);
        };
        choose(chosenOn, 1);
        QCOMPARE(NotIn(main, program, ChartStyle::North), QString());
        choose(backOn, 0);
        QCOMPARE(NotIn(main, program, ChartStyle::South), QString());
    }

    void theChoiceItselfRedrawsAndNextWindowsOpenInIt() {
        // The program's choice changed from outside any window (as the
        // kept preference is read at the start): every open chart follows,
        // and a page opened afterwards opens in it.
        Program program;
        MDI* main = OpenEveryChart(program);
        program.captured.chartStyle.Choose(ChartStyle::North);
        QCOMPARE(NotIn(main, program, ChartStyle::North), QString());
        program.shell.Back();
        program.shell.InputForm()->AnalyzeChart();
        MDI* next = program.shell.MainWindow();
        QVERIFY(next && next != main);
        QCOMPARE(next->Display()->birthChart->Style(), ChartStyle::North);
        next->Display()->ShowVargas();
        QCOMPARE(next->Display()->Vargas()->rashi->Style(), ChartStyle::North);
    }

    void everyChartGrowsWithItsWindow_data() {
        QTest::addColumn<QString>("window");  // a page of kPages, or "MDI" for the main window
        QTest::newRow("result window") << "MDI";
        for (const char* page : kPages) QTest::newRow(page) << page;
    }

    void everyChartGrowsWithItsWindow() {
        QFETCH(QString, window);
        Program program;
        MDI* main = OpenEveryChart(program);
        QWidget* shown = window == QLatin1String("MDI") ? main : Page(main, qPrintable(window));
        QVERIFY(shown);
        shown->resize(980, 720);
        QCoreApplication::processEvents();
        const QList<ChartView*> charts = shown->findChildren<ChartView*>();
        QList<QSizeF> before;
        for (const ChartView* chart : charts)
            if (chart->window() == shown) before << chart->ChartArea().size();
        QVERIFY(!before.isEmpty());
        // Maximised on a larger screen. The result form gives a page of its
        // report the first room it gets, so its chart grows on a screen
        // larger still.
        shown->resize(window == QLatin1String("MDI") ? QSize(2400, 1500) : QSize(1900, 1040));
        QCoreApplication::processEvents();
        velmora::testing::SaveScreenshot(shown->grab(), QStringLiteral("grown-") + window);
        qsizetype i = 0;
        for (const ChartView* chart : charts) {
            if (chart->window() != shown) continue;
            const QSizeF was = before[i++];
            const QSizeF now = chart->ChartArea().size();
            QVERIFY2(now.height() >= 1.2 * was.height(),
                     qPrintable(QStringLiteral("%1: %2 to %3 high").arg(chart->accessibleName()).arg(was.height()).arg(now.height())));
            // The same shape: a square stays square, the result form's grid
            // keeps its designed proportions.
            QVERIFY2(qAbs(now.width() / now.height() - was.width() / was.height()) < 0.02,
                     qPrintable(chart->accessibleName()));
        }
    }

    void choosingTheSameStyleAgainTellsNoOne() {
        ChartStyleChoice choice(ChartStyle::North);
        QSignalSpy told(&choice, &ChartStyleChoice::Chosen);
        choice.Choose(ChartStyle::North);
        QCOMPARE(told.count(), 0);
        choice.Choose(ChartStyle::South);
        QCOMPARE(told.count(), 1);
        QCOMPARE(choice.Style(), ChartStyle::South);
    }
};

QTEST_MAIN(ChartStyleTest)
#include "chart_style_qtest.moc"
