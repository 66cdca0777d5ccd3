// Every window of the program on the screens people have: each opens with
// its frame inside the screen's available area, each of its controls either
// inside the window or inside a scroll area that is, and no text cut by the
// control that shows it, also with a very long name and place in
// Devanagari and Tamil; in every menu of both windows each entry has its own
// mnemonic; and a second start of the program brings the window shown to the
// front.
//
// CMake runs this program on offscreen screens of 1024 x 768, 1280 x 720,
// 1280 x 1024 and 1600 x 1200 (tests/shell/screen-*.json) with the tests'
// own font, and at 1024 x 768 again under each font of tests/gui/fonts (the
// desktops' common sans-serif fonts) at the default size and at 1.25 times it
// (VELMORA_TEST_FONT_SCALE). On a screen smaller than 1024 x 720 the screen
// checks are skipped. Pictures of the windows go to $VELMORA_SCREENSHOT_DIR
// (or <build>/screenshots) as screen-WxH-<window>.png.

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QComboBox>
#include <QAbstractItemView>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
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
#include "entry/ChartOptionsDialog.h"
#include "result/AshtakavargaPage.h"
#include "tests/gui/Screenshots.h"
#include "tests/gui/shell/OpenWindows.h"

using namespace velmora;
using velmora::testing::Program;
using velmora::testing::Window;

namespace {

QString NameOf(const QWidget* widget) {
    QString name = widget->objectName();
    if (name.isEmpty()) name = QLatin1String(widget->metaObject()->className());
    return name;
}

// Empty when the text `widget` shows is whole in it; else what is cut. A
// label or button must be as large as its text asks, a wrapped label as tall
// as its lines at its width, a frame as wide as its title, a short number
// box as wide as its digits.
QString CutText(const QWidget* widget) {
    auto cut = [widget](const QString& what, QSize need) {
        return QStringLiteral("%1 (%2) needs %3x%4, has %5x%6")
            .arg(NameOf(widget), what)
            .arg(need.width())
            .arg(need.height())
            .arg(widget->width())
            .arg(widget->height());
    };
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        if (label->text().isEmpty()) return {};
        if (label->wordWrap()) {
            const int need = label->heightForWidth(label->width());
            return need > label->height() ? cut(label->text().left(40), QSize(label->width(), need)) : QString();
        }
        QSize need = label->sizeHint();
        // Digits reach no lower than the base line: the descenders' room may go.
        bool digits = true;
        for (QChar c : label->text()) digits = digits && c.isDigit();
        if (digits) need.setHeight(label->fontMetrics().ascent() + 2 * label->margin());
        return need.width() > label->width() || need.height() > label->height() ? cut(label->text().left(40), need)
                                                                               : QString();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        const bool textButton = qobject_cast<const QPushButton*>(widget) || qobject_cast<const QCheckBox*>(widget) ||
                                widget->inherits("QRadioButton");
        if (button->text().isEmpty() || !textButton) return {};
        const QSize need = button->sizeHint();
        return need.width() > button->width() || need.height() > button->height() ? cut(button->text(), need)
                                                                                 : QString();
    }
    if (const auto* box = qobject_cast<const QGroupBox*>(widget)) {
        if (box->title().isEmpty()) return {};
        QFont font = box->font();
        const int need = QFontMetrics(font).horizontalAdvance(QString(box->title()).remove(QLatin1Char('&'))) + 8;
        return need > box->width() ? cut(box->title(), QSize(need, box->height())) : QString();
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        if (edit->maxLength() > 4) return {};
        const QFontMetrics metrics = edit->fontMetrics();
        const int chrome = edit->sizeHint().width() - 17 * metrics.horizontalAdvance(QLatin1Char('x'));
        const int need = chrome + edit->maxLength() * metrics.horizontalAdvance(QLatin1Char('0'));
        return need > edit->width() ? cut(QStringLiteral("%1 digits").arg(edit->maxLength()), QSize(need, edit->height()))
                                    : QString();
    }
    if (const auto* list = qobject_cast<const QComboBox*>(widget)) {
        const int need = list->minimumSizeHint().height();
        return need > list->height() ? cut(list->currentText(), QSize(list->width(), need)) : QString();
    }
    return {};
}

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
        // The desktop's font at a larger size, as a person who reads better
        // with it sets it.
        const double scale = qEnvironmentVariable("VELMORA_TEST_FONT_SCALE", QStringLiteral("1")).toDouble();
        if (scale > 0 && scale != 1) {
            QFont font = QApplication::font();
            font.setPointSizeF(font.pointSizeF() * scale);
            QApplication::setFont(font);
        }
        qInfo("font: %s %.2f pt", qPrintable(QFontInfo(QApplication::font()).family()), QApplication::font().pointSizeF());
    }

    void everyWindowFitsTheScreen_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<bool>("longTexts");
        QTest::addColumn<QString>("name");
        QTest::newRow("input form") << int(Window::Input) << false << "input-form";
        QTest::newRow("input form, long Devanagari and Tamil") << int(Window::Input) << true << "input-form-long";
        QTest::newRow("main window with the result form") << int(Window::Main) << false << "main-window";
        QTest::newRow("main window, long Devanagari and Tamil") << int(Window::Main) << true << "main-window-long";
        QTest::newRow("nakshatra page") << int(Window::Vargas) << false << "nakshatra-page";
        QTest::newRow("About box") << int(Window::About) << false << "about";
        QTest::newRow("chart options") << int(Window::ChartOptions) << false << "chart-options";
        QTest::newRow("Vargas page") << int(Window::Shodasavarga) << false << "vargas-page";
        QTest::newRow("Bhavas page") << int(Window::Bhavas) << false << "bhavas-page";
        QTest::newRow("Dashas page") << int(Window::Dashas) << false << "dashas-page";
        QTest::newRow("Ashtakavarga page, reduced") << int(Window::Ashtakavarga) << false << "ashtakavarga-page";
        QTest::newRow("Panchanga page") << int(Window::Panchanga) << false << "panchanga-page";
        QTest::newRow("Transits page") << int(Window::Transits) << false << "transits-page";
        QTest::newRow("Birth time page") << int(Window::BirthTime) << false << "birth-time-page";
        QTest::newRow("Positions page") << int(Window::Positions) << false << "positions-page";
        QTest::newRow("Jaimini page") << int(Window::Jaimini) << false << "jaimini-page";
        QTest::newRow("Strengths page") << int(Window::Strengths) << false << "strengths-page";
        QTest::newRow("Yogas page") << int(Window::Yogas) << false << "yogas-page";
        QTest::newRow("Match page") << int(Window::Match) << false << "match-page";
    }

    void everyWindowFitsTheScreen() {
        QFETCH(int, which);
        QFETCH(bool, longTexts);
        QFETCH(QString, name);
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        if (available.width() < 1024 || available.height() < 720) QSKIP("needs a screen of 1024 x 720 or more");
        Program program;
        QWidget* window = program.Open(Window(which), longTexts);
        QVERIFY2(window, program.captured.messenger.shown.empty() ? "no window"
                                                                    : qPrintable(program.captured.messenger.shown.back().text));
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCoreApplication::processEvents();

        // The picture first, to look at when a check below fails.
        velmora::testing::SaveScreenshot(window->grab(), QStringLiteral("screen-%1x%2-%3%4")
                                                             .arg(available.width())
                                                             .arg(available.height())
                                                             .arg(name, qEnvironmentVariable("VELMORA_SCREENSHOT_SUFFIX")));
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
        QStringList cut;
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (!widget->isVisibleTo(window) || widget->isWindow()) continue;
            if (const QString problem = CutText(widget); !problem.isEmpty()) cut << problem;
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
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

    // Escape on an open drop-down list (or calendar) closes the list only,
    // on every page and dialog that has one; a second Escape closes the
    // window.
    void escapeClosesAnOpenListFirst_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<int>("lists");  // drop-down lists and calendars the window has
        QTest::newRow("nakshatra page") << int(Window::Vargas) << 1;
        QTest::newRow("Vargas page") << int(Window::Shodasavarga) << 2;
        QTest::newRow("Dashas page") << int(Window::Dashas) << 2;
        QTest::newRow("Ashtakavarga page") << int(Window::Ashtakavarga) << 2;
        QTest::newRow("Panchanga page") << int(Window::Panchanga) << 1;
        QTest::newRow("Transits page") << int(Window::Transits) << 1;
        QTest::newRow("Match page") << int(Window::Match) << 1;
        QTest::newRow("chart options") << int(Window::ChartOptions) << 3;
    }

    void escapeClosesAnOpenListFirst() {
        QFETCH(int, which);
        QFETCH(int, lists);
        Program program;
        QWidget* window = program.Open(Window(which));
        QVERIFY(window);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QList<QWidget*> opened;
        for (QComboBox* list : window->findChildren<QComboBox*>()) {
            if (!list->isVisibleTo(window)) continue;
            list->setFocus();
            list->showPopup();
            QTRY_VERIFY(list->view()->isVisible());
            // The key goes to the open list, as the desktop sends it there.
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
            QTRY_VERIFY2(!list->view()->isVisible(), qPrintable(NameOf(list)));
            QVERIFY2(window->isVisible(), qPrintable(NameOf(list)));
            opened << list;
        }
        for (QDateTimeEdit* box : window->findChildren<QDateTimeEdit*>()) {
            if (!box->calendarPopup()) continue;
            box->setFocus();
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 6, box->height() / 2));  // its arrow
            QTRY_VERIFY(QApplication::activePopupWidget());
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
            QTRY_VERIFY(!QApplication::activePopupWidget());
            QVERIFY2(window->isVisible(), qPrintable(NameOf(box)));
            opened << box;
        }
        QCOMPARE(opened.size(), lists);
        QTest::keyClick(opened.last(), Qt::Key_Escape);
        QTRY_VERIFY(!window->isVisible());
    }
};

QTEST_MAIN(WindowsTest)
#include "windows_qtest.moc"
