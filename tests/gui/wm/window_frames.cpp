// The windows' frames under a real window manager (run by under_openbox.sh
// on screens of 1024 x 768 and 1280 x 720): each window opens with its whole
// frame, title bar included, inside the screen's available area; the input
// form comes back after Back where the person left it; a page shown again
// stands where it was; and the print preview's Print button is on its tool
// bar, not behind the bar's "»". Pictures of the whole screen with each
// window go where tests/gui/Screenshots.h says (openbox-WxH-<window>.png).

#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>
#include <QtTest>

#include "services/FileDialogs.h"
#include "tests/gui/Screenshots.h"
#include "tests/gui/shell/OpenWindows.h"

using namespace velmora;
using velmora::testing::Program;
using velmora::testing::Window;

namespace {

QString Text(const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// True once the window manager has framed `window` (its frame known to Qt).
bool Framed(QWidget* window) {
    return window->windowHandle() && !window->windowHandle()->frameMargins().isNull();
}

// The frame as the window system reports it. (A widget hidden and shown
// again keeps the frame it computed while hidden in its own frameGeometry()
// until it is next moved.)
QRect Frame(const QWidget* window) { return window->windowHandle()->frameGeometry(); }

}  // namespace

class WindowFrames : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QSettings(QStringLiteral("Velmora"), QStringLiteral("Velmora")).clear();
    }

    void frameInsideTheScreen_data() {
        QTest::addColumn<int>("which");
        QTest::newRow("input form") << int(Window::Input);
        QTest::newRow("main window") << int(Window::Main);
        QTest::newRow("nakshatra page") << int(Window::Vargas);
        QTest::newRow("Vargas page") << int(Window::Shodasavarga);
        QTest::newRow("Bhavas page") << int(Window::Bhavas);
        QTest::newRow("Dashas page") << int(Window::Dashas);
        QTest::newRow("Ashtakavarga page") << int(Window::Ashtakavarga);
        QTest::newRow("Panchanga page") << int(Window::Panchanga);
        QTest::newRow("Transits page") << int(Window::Transits);
        QTest::newRow("Birth time page") << int(Window::BirthTime);
        QTest::newRow("Positions page") << int(Window::Positions);
        QTest::newRow("Jaimini page") << int(Window::Jaimini);
        QTest::newRow("Strengths page") << int(Window::Strengths);
        QTest::newRow("Yogas page") << int(Window::Yogas);
        QTest::newRow("Match page") << int(Window::Match);
        QTest::newRow("About box") << int(Window::About);
        QTest::newRow("chart options") << int(Window::ChartOptions);
    }

    void frameInsideTheScreen() {
        QFETCH(int, which);
        Program program;
        QWidget* window = program.Open(Window(which));
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTRY_VERIFY_WITH_TIMEOUT(Framed(window), 3000);
        const QRect available = window->screen()->availableGeometry();
        QTRY_VERIFY2_WITH_TIMEOUT(available.contains(Frame(window)),
                                  qPrintable(QStringLiteral("frame %1 on %2")
                                                 .arg(Text(Frame(window)), Text(available))),
                                  2000);
        QVERIFY(Frame(window).top() >= available.top());
        // What a person sees: the whole screen, frames and title bars included.
        const QSize screen = window->screen()->size();
        velmora::testing::SaveScreenshot(window->screen()->grabWindow(0),
                                         QStringLiteral("openbox-%1x%2-%3")
                                             .arg(screen.width())
                                             .arg(screen.height())
                                             .arg(QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('-'))));

        // Closed and shown again, it stands where it was.
        // (The match page is made anew at each opening.)
        if (Window(which) == Window::Input || Window(which) == Window::Main || Window(which) == Window::About ||
            Window(which) == Window::ChartOptions || Window(which) == Window::Match)
            return;
        const QPoint moved = Frame(window).topLeft() + QPoint(-5, 0);
        QTest::qWait(500);  // placed
        window->windowHandle()->setFramePosition(moved);  // as the person drags it
        QTRY_COMPARE_WITH_TIMEOUT(Frame(window).topLeft(), moved, 2000);
        window->close();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTRY_COMPARE_WITH_TIMEOUT(Frame(window).topLeft(), moved, 2000);
    }

    void backReturnsTheFormWhereItWas() {
        Program program;
        QWidget* form = program.Open(Window::Input);
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QTRY_VERIFY_WITH_TIMEOUT(Framed(form), 3000);
        QTRY_VERIFY_WITH_TIMEOUT(form->screen()->availableGeometry().contains(Frame(form)), 3000);
        QTest::qWait(500);  // placed
        const QPoint left = Frame(form).topLeft() + QPoint(-10, 0);
        form->windowHandle()->setFramePosition(left);  // as the person drags it
        QTRY_COMPARE_WITH_TIMEOUT(Frame(form).topLeft(), left, 2000);
        program.shell.InputForm()->AnalyzeChart();
        QVERIFY(program.shell.MainWindow());
        QVERIFY(QTest::qWaitForWindowExposed(program.shell.MainWindow()));
        program.shell.Back();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QTest::qWait(500);  // placed
        QTRY_COMPARE_WITH_TIMEOUT(Frame(form).topLeft(), left, 2000);
    }

    void printIsOnThePreviewsToolBar() {
        QPrinter printer;
        QPrintPreviewDialog preview(&printer);
        PreparePrintPreview(preview, nullptr);
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        QTRY_VERIFY_WITH_TIMEOUT(Framed(&preview), 3000);
        QVERIFY(preview.screen()->availableGeometry().contains(Frame(&preview)));
        auto* bar = preview.findChild<QToolBar*>();
        QVERIFY(bar);
        QAction* print = nullptr;
        for (QAction* action : bar->actions())
            if (action->text().remove(QLatin1Char('&')) == QStringLiteral("Print")) print = action;
        QVERIFY(print);
        QWidget* button = bar->widgetForAction(print);
        QVERIFY(button && button->isVisible());
        QVERIFY(bar->rect().contains(QRect(button->mapTo(bar, QPoint(0, 0)), button->size())));
    }
};

QTEST_MAIN(WindowFrames)
#include "window_frames.moc"
