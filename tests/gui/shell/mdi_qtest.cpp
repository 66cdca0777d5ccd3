// The main window: its strips, buttons and menus, the result form loaded
// inside it and the layout kept on every resize. What its commands and links
// do is tried through the whole program in navigation_qtest.
//
// The window with a computed chart is saved as main-window.png in
// $VELMORA_SCREENSHOT_DIR, or <build>/screenshots.

#include <QAction>
#include <QGroupBox>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

#include "result/frmDisplay.h"
#include "result/frmVargas.h"
#include "widgets/LinkLabel.h"
#include "shell/ChartPages.h"
#include "shell/MDI.h"
#include "tests/gui/entry/CaptureServices.h"
#include "tests/support/BangaloreForm.h"
#include "tests/gui/Screenshots.h"
#include "tests/support/RunTexts.h"

using namespace velmora;
using velmora::testing::CapturedServices;

namespace {

std::shared_ptr<const Chart> ComputedChart() {
    const std::shared_ptr<const Chart> chart = testing::ChartOfForm(velmora::testing::BangaloreForm());
    if (!chart) qFatal("the sample birth does not pass the checks");
    return chart;
}

constexpr int Pixels(double twips) { return static_cast<int>(twips / 15 + 0.5); }

}  // namespace

class MdiTest : public QObject {
    Q_OBJECT

private slots:
    void stripsButtonsAndMenus();
    void loadShowsTheResultFormWithDetailsInFront();
    void layoutFollowsEverySize_data();
    void layoutFollowsEverySize();
    void minimisingAndRestoringKeepsTheLayout();
    void resultFormFillsTheFrame_data();
    void resultFormFillsTheFrame();
    void keyboardBackAndExit_data();
    void keyboardBackAndExit();
    void openingSizeShowsAPageOfTheReport();
    void chartMenuOpensEachPageOnce();
    void screenshot();
    void screenshotMaximised();
};

void MdiTest::stripsButtonsAndMenus() {
    CapturedServices s;
    MDI window(ComputedChart(), s.services);
    QCOMPARE(window.windowTitle(), QStringLiteral("Velmora v" VELMORA_VERSION));
    QCOMPARE(window.lblTitle->text(), QStringLiteral("Velmora Interpretation"));
    QCOMPARE(window.cmdBack->text(), QStringLiteral("&Back"));
    QCOMPARE(window.cmdExit->text(), QStringLiteral("E&xit"));
    for (QPushButton* button : {window.cmdBack, window.cmdExit}) {
        QCOMPARE(button->size(), QSize(Pixels(1335), Pixels(400)));
        QCOMPARE(button->parentWidget(), window.picCommands);
    }
    QCOMPARE(window.Label10->text(),
             QStringLiteral("Home Business Opportunity. Start your own Internet business and make money online. "
                            "Get this software fully branded for your website. Click here for more details."));

    // Menu bar: File, Chart, Help, Donate; entries in order with their separators.
    QStringList top;
    for (QAction* a : window.menuBar()->actions()) top << a->text();
    QCOMPARE(top, QStringList({"&File", "&Chart", "&Help", "&Donate"}));
    QStringList file;
    for (QAction* a : window.menuBar()->actions()[0]->menu()->actions())
        file << (a->isSeparator() ? QStringLiteral("-") : a->objectName() + "=" + a->text());
    QCOMPARE(file, QStringList({"mnuOpen=&Open Birth Data…", "mnuSave=Save Birth Data…",
                                "mnuRecent=&Recent Birth Files", "-", "mnuPrint=&Print…", "mnuExportPdf=&Export as PDF…",
                                "mnuExportImage=Export Chart as &Image…", "-", "mnuBack=&Back", "mnuExit=E&xit"}));
    QStringList help;
    for (QAction* a : window.menuBar()->actions()[2]->menu()->actions()) {
        help << (a->isSeparator() ? QStringLiteral("-") : a->objectName() + "=" + a->text());
    }
    // The offline manual first (F1), then the menu as designed.
    QCOMPARE(help, QStringList({"mnuContents=&Contents", "-", "mnuOnline=&Online Help", "mnuVisit=&Visit Us Online", "-",
                                "mnuUpdate=Check for Software &Update", "-", "mnuAbout=&About Software"}));
}

void MdiTest::loadShowsTheResultFormWithDetailsInFront() {
    CapturedServices s;
    const std::shared_ptr<const Chart> chart = ComputedChart();
    MDI window(chart, s.services);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    frmDisplay* display = window.Display();
    QVERIFY(display);
    QCOMPARE(window.area->subWindowList().size(), 1);
    QCOMPARE(window.area->subWindowList()[0]->widget(), display);
    QVERIFY(display->isVisible());
    // The whole form shows in its window, the report and the links included.
    QVERIFY(display->rect().contains(display->RTB->geometry()));
    QVERIFY(display->rect().contains(display->Label6->geometry()));
    QCOMPARE(display->size(), display->sizeHint());
    QVERIFY(display->fraBirthchart->isVisible());
    // Brought to the front in turn: the details last, so on top.
    QCOMPARE(display->children().last(), display->fraDetails);
    QCOMPARE(display->Frame1->children().last(), display->fraBirthchart);
    // The form shows this run's chart.
    const ResultLabels texts = testing::TextsOf(*chart);
    for (int i = 0; i < kBodyCount; ++i) QCOMPARE(display->planet[i]->text(), QString::fromStdString(texts.planet[i]));
    QCOMPARE(display->lblName->text(), QStringLiteral("ASHA RAO"));
}

void MdiTest::layoutFollowsEverySize_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("wide") << QSize(1200, 820);
    QTest::newRow("odd widths") << QSize(1001, 700);
    QTest::newRow("narrow") << QSize(640, 480);
    QTest::newRow("width not a multiple of 8") << QSize(853, 600);
    QTest::newRow("little room for the advertisement") << QSize(300, 300);
}

void MdiTest::layoutFollowsEverySize() {
    QFETCH(QSize, size);
    CapturedServices s;
    MDI window(ComputedChart(), s.services);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // Several sizes in a row, ending with the one under test.
    for (const QSize& step : {QSize(900, 700), QSize(1100, 760), size}) {
        window.resize(step);
        QTRY_COMPARE(window.size(), step);
        const int width = window.width();
        // Exit's right edge 300 twips inside the frame, Back 100 twips left of Exit.
        QVERIFY(qAbs(window.cmdExit->geometry().right() + 1 - (width - Pixels(300))) <= 1);
        const int gap = window.cmdExit->x() - (window.cmdBack->geometry().right() + 1);
        QVERIFY2(qAbs(gap * 15 - 100) <= 15, qPrintable(QString::number(gap)));
        QCOMPARE(window.cmdBack->width(), window.cmdExit->width());
        // The result form's left edge at one eighth of the frame's width.
        QVERIFY(qAbs(window.DisplayWindow()->x() - width / 8.0) <= 1);
        // The advertisement never runs under the buttons.
        if (window.Label10->isVisible()) {
            QVERIFY(window.Label10->geometry().right() < window.cmdBack->x());
        }
    }
}

void MdiTest::minimisingAndRestoringKeepsTheLayout() {
    CapturedServices s;
    MDI window(ComputedChart(), s.services);
    window.resize(1000, 760);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.showMinimized();
    QCoreApplication::processEvents();
    window.resize(700, 500);
    window.showNormal();
    QTRY_COMPARE(window.width(), 700);
    QVERIFY(qAbs(window.cmdExit->geometry().right() + 1 - (700 - Pixels(300))) <= 1);
    QVERIFY(qAbs(window.DisplayWindow()->x() - 700 / 8.0) <= 1);
}

void MdiTest::resultFormFillsTheFrame_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("lines");  // report lines shown at least
    QTest::newRow("1280 x 1024 screen") << QSize(1280, 1024) << 20;
    QTest::newRow("1600 x 1200 screen") << QSize(1600, 1200) << 25;
    QTest::newRow("1920 x 1200 screen") << QSize(1920, 1200) << 25;
}

void MdiTest::resultFormFillsTheFrame() {
    QFETCH(QSize, size);
    QFETCH(int, lines);
    CapturedServices s;
    MDI window(ComputedChart(), s.services);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.resize(size);
    QTRY_COMPARE(window.size(), size);
    QCoreApplication::processEvents();
    // The left edge stays at one eighth; the form reaches the frame's right and bottom edges.
    QMdiSubWindow* child = window.DisplayWindow();
    QVERIFY(qAbs(child->x() - size.width() / 8.0) <= 1);
    QCOMPARE(child->geometry().right(), window.area->viewport()->width() - 1);
    QCOMPARE(child->geometry().bottom(), window.area->viewport()->height() - 1);
    frmDisplay* display = window.Display();
    QVERIFY(display->width() > display->sizeHint().width());
    QVERIFY(display->height() > display->sizeHint().height());
    // No scroll bars, and the report shows a page.
    QVERIFY(!window.area->verticalScrollBar()->isVisible());
    QVERIFY(!window.area->horizontalScrollBar()->isVisible());
    const QFontMetrics report(display->RTB->document()->begin().begin().fragment().charFormat().font());
    const int shown = display->RTB->viewport()->height() / report.lineSpacing();
    QVERIFY2(shown >= lines, qPrintable(QString::number(shown)));
    QVERIFY(display->rect().contains(display->Label6->geometry()));
    QVERIFY(display->RTB->geometry().bottom() < display->Label6->y());
    // The commands keep their rule.
    QVERIFY(qAbs(window.cmdExit->geometry().right() + 1 - (size.width() - Pixels(300))) <= 1);
    velmora::testing::SaveScreenshot(window.grab(),
                                     QStringLiteral("main-window-%1x%2").arg(size.width()).arg(size.height()));
}

void MdiTest::keyboardBackAndExit_data() {
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<bool>("back");
    QTest::newRow("Alt+Left") << QKeySequence(Qt::ALT | Qt::Key_Left) << true;
    QTest::newRow("Backspace") << QKeySequence(Qt::Key_Backspace) << true;
    QTest::newRow("Ctrl+Q") << QKeySequence(Qt::CTRL | Qt::Key_Q) << false;
}

void MdiTest::keyboardBackAndExit() {
    QFETCH(QKeySequence, keys);
    QFETCH(bool, back);
    CapturedServices s;
    MDI window(ComputedChart(), s.services);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // The window opens with the chart's first sign in focus, for a screen reader to start there.
    QTRY_COMPARE(QApplication::focusWidget(), window.Display()->signLabels[0]);
    QSignalSpy backs(&window, &MDI::backRequested);
    QSignalSpy exits(&window, &MDI::exitRequested);
    // From the report, where a reader spends the time.
    window.Display()->RTB->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), window.Display()->RTB);
    QTest::keySequence(QApplication::focusWidget(), keys);
    QCOMPARE(backs.count(), back ? 1 : 0);
    QCOMPARE(exits.count(), back ? 0 : 1);
}

void MdiTest::openingSizeShowsAPageOfTheReport() {
    // Run on a screen of 1280 x 1024 or more (tests/shell/screen-*.json).
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    if (screen.height() < 1024) QSKIP("needs a screen of 1280 x 1024 or more");
    CapturedServices s;
    MDI window(ComputedChart(), s.services);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
    QVERIFY(screen.boundedTo(window.size()) == window.size());
    frmDisplay* display = window.Display();
    const QFontMetrics report(display->RTB->document()->begin().begin().fragment().charFormat().font());
    const int shown = display->RTB->viewport()->height() / report.lineSpacing();
    qInfo("%dx%d screen: the main window opens at %dx%d with %d report lines, the chart at %.3f", screen.width(),
          screen.height(), window.width(), window.height(), shown, display->Layout().Scale);
    QVERIFY2(shown >= 25, qPrintable(QString::number(shown)));
    // Where the screen has the height, the chart keeps its designed size.
    if (screen.height() >= 1200) QCOMPARE(display->Layout().Scale, 1.0);
    QVERIFY(!window.area->verticalScrollBar()->isVisible());
    velmora::testing::SaveScreenshot(window.grab(),
                                     QStringLiteral("main-window-opening-%1x%2").arg(screen.width()).arg(screen.height()));
}

void MdiTest::chartMenuOpensEachPageOnce() {
    CapturedServices s;
    const auto chart = ComputedChart();
    MDI window(chart, s.services);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // The nakshatra page of the result form, from the menu too.
    QVERIFY(!window.Display()->Vargas());
    window.mnuNakshatras->trigger();
    QVERIFY(window.Display()->Vargas() && window.Display()->Vargas()->isVisible());

    // A page is made at its first opening, from the window's chart, and
    // raised again afterwards; a page closed is shown again, not made anew.
    int made = 0;
    const Chart* seen = nullptr;
    QWidget* page = nullptr;
    QAction* item = AddChartPage(window.mnuChart, &window, QStringLiteral("&Sample…"), QStringLiteral("mnuSample"),
                                 chart, s.services, [&](const Chart& c, Services, QWidget* parent) {
                                     ++made;
                                     seen = &c;
                                     page = new QWidget(parent);
                                     return page;
                                 });
    QCOMPARE(item->objectName(), QStringLiteral("mnuSample"));
    QCOMPARE(window.mnuChart->actions().last(), item);
    item->trigger();
    QCOMPARE(made, 1);
    QCOMPARE(seen, chart.get());
    QVERIFY(page->isWindow() && page->isVisible());
    QCOMPARE(page->objectName(), QStringLiteral("mnuSamplePage"));
    page->close();
    item->trigger();
    QCOMPARE(made, 1);
    QVERIFY(page->isVisible());
}

void MdiTest::screenshot() {
    CapturedServices s;
    MDI window(ComputedChart(), s.services);
    window.resize(1000, 820);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
    const QPixmap picture = window.grab();
    QCOMPARE(picture.size(), window.size() * picture.devicePixelRatio());
    QVERIFY(!velmora::testing::SaveScreenshot(picture, QStringLiteral("main-window")).isEmpty());
}

void MdiTest::screenshotMaximised() {
    CapturedServices s;
    MDI window(ComputedChart(), s.services);
    window.showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
    QVERIFY(!velmora::testing::SaveScreenshot(window.grab(), QStringLiteral("main-window-maximised")).isEmpty());
}

QTEST_MAIN(MdiTest)
#include "mdi_qtest.moc"

