// Every window of the program on the screens people have: each opens with
// its frame inside the screen's available area and each of its controls
// either inside the window or inside a scroll area that is; in every menu of
// both windows each entry has its own mnemonic; and a second start of the
// program brings the window shown to the front.
//
// CMake runs this program on offscreen screens of 1024 x 768, 1280 x 720,
// 1280 x 1024 and 1600 x 1200 (tests/shell/screen-*.json); on a screen
// smaller than 1024 x 720 the screen checks are skipped. Pictures of the
// windows go to $VELMORA_SCREENSHOT_DIR (or <build>/screenshots) as
// screen-WxH-<window>.png.

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMdiArea>
#include <QPushButton>
#include <QTextEdit>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QHeaderView>
#include <QTableWidget>
#include <QtTest>
#include <functional>

#include "result/frmDisplay.h"
#include "result/frmVargas.h"
#include "result/ShodasavargaPage.h"
#include "widgets/LinkLabel.h"
#include "entry/frmMain.h"
#include "shell/MDI.h"
#include "shell/Shell.h"
#include "shell/frmAbout.h"
#include "tests/support/BangaloreForm.h"
#include "tests/gui/Screenshots.h"
#include "tests/gui/entry/CaptureServices.h"

using namespace velmora;
using velmora::testing::CapturedServices;

namespace {

enum class Window { Input, Main, Vargas, About, Shodasavarga };

// The program with a chart computed, as far as `which` needs.
struct Program {
    CapturedServices captured;
    Shell shell{captured.services, [](int) {}};
    std::unique_ptr<frmAbout> about;

    QWidget* Open(Window which) {
        shell.Start();
        if (which == Window::Input) return shell.InputForm();
        if (which == Window::About) {
            about = std::make_unique<frmAbout>(captured.services.web, shell.InputForm());
            about->show();
            return about.get();
        }
        shell.InputForm()->SetFields(velmora::testing::BangaloreForm());
        shell.InputForm()->AnalyzeChart();
        if (!shell.MainWindow()) qFatal("the sample birth gives no chart");
        if (which == Window::Main) return shell.MainWindow();
        if (which == Window::Shodasavarga) {
            shell.MainWindow()->findChild<QAction*>(QStringLiteral("mnuVargas"))->trigger();
            return shell.MainWindow()->findChild<ShodasavargaPage*>();
        }
        shell.MainWindow()->Display()->ShowVargas();
        return shell.MainWindow()->Display()->Vargas();
    }
};

// The nearest scroll area whose viewport holds `widget`, below `window`.
QAbstractScrollArea* ScrollAreaOf(QWidget* widget, QWidget* window) {
    for (QWidget* w = widget->parentWidget(); w && w != window; w = w->parentWidget()) {
        auto* area = qobject_cast<QAbstractScrollArea*>(w);
        if (area && area->viewport()->isAncestorOf(widget)) return area;
    }
    return nullptr;
}

// Empty when `widget` can be reached: inside the window, or inside a scroll
// area that can be reached.
QString Unreachable(QWidget* widget, QWidget* window) {
    if (QAbstractScrollArea* area = ScrollAreaOf(widget, window)) return Unreachable(area, window);
    const QRect where(widget->mapTo(window, QPoint(0, 0)), widget->size());
    if (window->rect().contains(where)) return {};
    QString name = widget->objectName();
    if (name.isEmpty()) name = QLatin1String(widget->metaObject()->className());
    return QStringLiteral("%1 at %2,%3 %4x%5 outside the window's %6x%7")
        .arg(name)
        .arg(where.x())
        .arg(where.y())
        .arg(where.width())
        .arg(where.height())
        .arg(window->width())
        .arg(window->height());
}

// The letter after a single '&', lower case; none for a text without one.
QChar Mnemonic(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] != QLatin1Char('&')) return text[i + 1].toLower();
        ++i;  // "&&" is an ampersand shown
    }
    return {};
}

// Each entry of `actions` (one menu, or the menu bar) with a mnemonic of its
// own; then the same for each submenu. Returns the clashes found.
QStringList Clashes(const QString& where, const QList<QAction*>& actions) {
    QStringList clashes;
    QHash<QChar, QString> taken;
    for (QAction* action : actions) {
        if (action->isSeparator() || !action->isVisible()) continue;
        const QChar letter = Mnemonic(action->text());
        if (!letter.isNull()) {
            if (taken.contains(letter))
                clashes << QStringLiteral("%1: \"%2\" and \"%3\" share %4").arg(where, taken[letter], action->text(), letter);
            taken.insert(letter, action->text());
        }
        if (QMenu* menu = action->menu()) {
            emit menu->aboutToShow();
            clashes << Clashes(where + QStringLiteral(" > ") + action->text(), menu->actions());
        }
    }
    return clashes;
}

}  // namespace

class WindowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QSettings(QStringLiteral("Velmora"), QStringLiteral("Velmora")).clear();
    }

    void everyWindowFitsTheScreen_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("name");
        QTest::newRow("input form") << int(Window::Input) << "input-form";
        QTest::newRow("main window with the result form") << int(Window::Main) << "main-window";
        QTest::newRow("nakshatra page") << int(Window::Vargas) << "nakshatra-page";
        QTest::newRow("About box") << int(Window::About) << "about";
        QTest::newRow("Vargas page") << int(Window::Shodasavarga) << "vargas-page";
    }

    void everyWindowFitsTheScreen() {
        QFETCH(int, which);
        QFETCH(QString, name);
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        if (available.width() < 1024 || available.height() < 720) QSKIP("needs a screen of 1024 x 720 or more");
        Program program;
        QWidget* window = program.Open(Window(which));
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCoreApplication::processEvents();

        const QRect frame = window->frameGeometry();
        QVERIFY2(available.contains(frame),
                 qPrintable(QStringLiteral("frame %1,%2 %3x%4 on a screen area of %5x%6")
                                .arg(frame.x())
                                .arg(frame.y())
                                .arg(frame.width())
                                .arg(frame.height())
                                .arg(available.width())
                                .arg(available.height())));
        int controls = 0;
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (widget->focusPolicy() == Qt::NoFocus || !widget->isVisibleTo(window) || widget->isWindow()) continue;
            ++controls;
            const QString problem = Unreachable(widget, window);
            QVERIFY2(problem.isEmpty(), qPrintable(problem));
        }
        QVERIFY(controls > 0);
        velmora::testing::SaveScreenshot(
            window->grab(), QStringLiteral("screen-%1x%2-%3").arg(available.width()).arg(available.height()).arg(name));
        if (Window(which) == Window::Main) {
            // The result form shows whole, the report and the row under it
            // included, without scrolling the frame.
            auto* main = qobject_cast<MDI*>(window);
            const frmDisplay* display = main->Display();
            QWidget* viewport = main->area->viewport();
            for (QWidget* part : {static_cast<QWidget*>(display->RTB), static_cast<QWidget*>(display->cmdVargas),
                                  static_cast<QWidget*>(display->Label5), static_cast<QWidget*>(display->Label6)}) {
                const QRect where(part->mapTo(viewport, QPoint(0, 0)), part->size());
                QVERIFY2(viewport->rect().contains(where), qPrintable(part->objectName()));
            }
        }
                if (Window(which) == Window::Vargas) {
            // All ten rows of the nakshatra table show (scrolling the page if need be).
            auto* page = qobject_cast<frmVargas*>(window);
            QVERIFY(page->tblNakshatras->viewport()->height() >=
                    page->tblNakshatras->verticalHeader()->length());
        }
    }

    void aSecondStartBringsTheShownWindowToTheFront_data() {
        QTest::addColumn<int>("which");
        QTest::newRow("input form") << int(Window::Input);
        QTest::newRow("main window") << int(Window::Main);
    }

    void aSecondStartBringsTheShownWindowToTheFront() {
        QFETCH(int, which);
        Program program;
        QWidget* window = program.Open(Window(which));
        QVERIFY(QTest::qWaitForWindowExposed(window));
        // Another program's window in front.
        QWidget other;
        other.show();
        QApplication::setActiveWindow(&other);
        QVERIFY(QTest::qWaitForWindowActive(&other));
        program.shell.BringToFront();  // what the running copy does when a later one knocks
        QTRY_COMPARE(QApplication::activeWindow(), window);
        QVERIFY(window->isVisible());
    }

    void everyMenuHasDistinctMnemonics_data() {
        QTest::addColumn<int>("which");
        QTest::newRow("input form") << int(Window::Input);
        QTest::newRow("main window") << int(Window::Main);
    }

    void everyMenuHasDistinctMnemonics() {
        QFETCH(int, which);
        Program program;
        QWidget* window = program.Open(Window(which));
        auto* bar = window->findChild<QMenuBar*>();
        QVERIFY(bar);
        const QStringList clashes = Clashes(QStringLiteral("menu bar"), bar->actions());
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QStringLiteral("; "))));
    }
};

QTEST_MAIN(WindowsTest)
#include "windows_qtest.moc"
