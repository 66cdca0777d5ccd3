// Renders the input window to PNG without a display and checks its layout:
// at its opening size and at its smallest, every control shows whole, none
// overlaps another and none sticks out of the window, or, where the window
// is smaller than the form, out of the form that its scroll bars reach.
//
// The picture goes to $VELMORA_SCREENSHOT_DIR, or <build>/screenshots, as
// input-form.png (input-form@2x.png and so on when QT_SCALE_FACTOR is set).

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

#include "CaptureServices.h"
#include "entry/frmMain.h"
#include "tests/gui/Screenshots.h"

using namespace velmora;

class frmMainScreensTest : public QObject {
    Q_OBJECT

    struct Window {
        testing::CapturedServices captured;
        frmMain form{captured.services};
    };

    // The controls a person reads or uses.
    static QList<QWidget*> Controls(const QWidget& form) {
        QList<QWidget*> controls;
        for (QWidget* w : form.findChildren<QWidget*>()) {
            const bool control = qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) ||
                                 qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                                 qobject_cast<QGroupBox*>(w) || qobject_cast<QMenuBar*>(w);
            if (control && w->isVisible() && w->window() == &form) controls << w;
        }
        return controls;
    }

    // The scroll area `w` stands in, if any.
    static const QScrollArea* ScrolledIn(const QWidget* w) {
        for (const QWidget* up = w->parentWidget(); up; up = up->parentWidget())
            if (const auto* area = qobject_cast<const QScrollArea*>(up)) return area;
        return nullptr;
    }

    // Where `w` stands in what shows it: the window, or the form a scroll
    // area scrolls.
    static QRect InWindow(const QWidget* w) {
        const QScrollArea* area = ScrolledIn(w);
        const QWidget* in = area ? area->widget() : w->window();
        return QRect(w->mapTo(in, QPoint(0, 0)), w->size());
    }

    static void CheckLayout(const QWidget& form) {
        const QList<QWidget*> controls = Controls(form);
        QVERIFY(controls.size() > 40);
        // Where the window is smaller than the form, the scroll bars reach all of it.
        const auto* area = form.findChild<QScrollArea*>();
        QVERIFY(area && area->widget());
        QVERIFY(form.rect().contains(QRect(area->mapTo(&form, QPoint(0, 0)), area->size())));
        QCoreApplication::processEvents();  // the scroll bars follow the window in posted events
        QCOMPARE(area->verticalScrollBar()->isVisible(), area->widget()->height() > area->viewport()->height());
        QCOMPARE(area->horizontalScrollBar()->isVisible(), area->widget()->width() > area->viewport()->width());
        QCOMPARE(area->verticalScrollBar()->maximum(), area->widget()->height() - area->viewport()->height());
        for (const QWidget* w : controls) {
            const QString name = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                           : w->objectName();
            const QRect shownIn = ScrolledIn(w) ? ScrolledIn(w)->widget()->rect() : form.rect();
            QVERIFY2(shownIn.contains(InWindow(w)), qPrintable(name + " sticks out of the window"));
            const auto* label = qobject_cast<const QLabel*>(w);
            if (label && label->wordWrap()) {
                QVERIFY2(w->height() >= label->heightForWidth(w->width()), qPrintable(name + " cut at the bottom"));
            } else {
                const QSize needed = w->minimumSizeHint().expandedTo(qobject_cast<const QComboBox*>(w) ||
                                                                             qobject_cast<const QAbstractButton*>(w)
                                                                         ? w->sizeHint()
                                                                         : QSize());
                QVERIFY2(w->width() >= needed.width() && w->height() >= needed.height(),
                         qPrintable(QStringLiteral("%1 clipped: %2x%3 of %4x%5")
                                        .arg(name)
                                        .arg(w->width())
                                        .arg(w->height())
                                        .arg(needed.width())
                                        .arg(needed.height())));
            }
        }
        // Controls in the same container never overlap (a frame holds its own).
        for (const QWidget* a : controls) {
            for (const QWidget* b : controls) {
                if (a == b || a->parentWidget() != b->parentWidget()) continue;
                QVERIFY2(!a->geometry().intersects(b->geometry()),
                         qPrintable(a->objectName() + " overlaps " + b->objectName()));
            }
        }
    }

private slots:
    void layout_data() {
        QTest::addColumn<bool>("smallest");
        QTest::newRow("opening size") << false;
        QTest::newRow("smallest size") << true;
    }
    void layout() {
        QFETCH(bool, smallest);
        Window w;
        w.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.form));
        if (smallest) {
            w.form.resize(w.form.minimumSizeHint());
            QTRY_COMPARE(w.form.size(), w.form.minimumSizeHint().expandedTo(w.form.minimumSize()));
        }
        CheckLayout(w.form);
    }

    void screenshot() {
        Window w;
        w.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.form));
        const QPixmap picture = w.form.grab();
        QVERIFY(!picture.isNull());
        QVERIFY(!velmora::testing::SaveScreenshot(picture, QStringLiteral("input-form")).isEmpty());
    }
};

QTEST_MAIN(frmMainScreensTest)
#include "frmMain_screens_qtest.moc"
