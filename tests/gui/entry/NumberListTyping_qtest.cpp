// Digits typed into a list of numbers select the number typed, as a spin box
// would; the time between keys comes from a test timer, never from waiting.

#include <QAbstractItemView>
#include <QComboBox>
#include <QtTest>

#include "entry/NumberListTyping.h"

using namespace velmora;

namespace {

class TestTimer : public KeyTimer {
public:
    qint64 Milliseconds() const override { return now; }
    qint64 now = 100000;
};

}  // namespace

class NumberListTypingTest : public QObject {
    Q_OBJECT

private slots:
    void typing_data() {
        QTest::addColumn<int>("first");     // the list holds first .. first + count - 1
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("selected");  // the number selected before the keys
        QTest::addColumn<QString>("keys");  // digits; a space is a pause of more than a second
        QTest::addColumn<int>("expected");  // the number selected after
        QTest::newRow("hour 2 at 12 (Qt's search gave 20)") << 0 << 24 << 12 << "2" << 2;
        QTest::newRow("hour 2 then 3") << 0 << 24 << 12 << "23" << 23;
        QTest::newRow("hour 0 then 5") << 0 << 24 << 12 << "05" << 5;
        QTest::newRow("hour 2 then 5: no 25, a new number") << 0 << 24 << 12 << "25" << 5;
        QTest::newRow("hour 2, pause, 3") << 0 << 24 << 12 << "2 3" << 3;
        QTest::newRow("day 1 at 5 (Qt's search gave 10)") << 1 << 31 << 5 << "1" << 1;
        QTest::newRow("day 0 then 5") << 1 << 31 << 20 << "05" << 5;
        QTest::newRow("day 0 alone selects nothing") << 1 << 31 << 20 << "0" << 20;
        QTest::newRow("day 31") << 1 << 31 << 5 << "31" << 31;
        QTest::newRow("day 3 then 2: no 32") << 1 << 31 << 5 << "32" << 2;
        QTest::newRow("year 1980") << 1901 << 150 << 1901 << "1980" << 1980;
        QTest::newRow("year 2045") << 1901 << 150 << 1980 << "2045" << 2045;
        QTest::newRow("year digits that begin no year") << 1901 << 150 << 1980 << "7" << 1980;
        QTest::newRow("year 19, pause, 2050") << 1901 << 150 << 1980 << "19 2050" << 2050;
        QTest::newRow("minute 59") << 0 << 60 << 0 << "59" << 59;
        QTest::newRow("minute 5 9 0 restarts at 0") << 0 << 60 << 0 << "590" << 0;
    }
    void typing() {
        QFETCH(int, first);
        QFETCH(int, count);
        QFETCH(int, selected);
        QFETCH(QString, keys);
        QFETCH(int, expected);
        QComboBox list;
        for (int i = 0; i < count; ++i) list.addItem(QString::number(first + i));
        list.setCurrentIndex(selected - first);
        TestTimer timer;
        new NumberListTyping(&list, &timer);
        for (QChar key : keys) {
            if (key == QLatin1Char(' ')) {
                timer.now += NumberListTyping::kPauseMs + 1;
                continue;
            }
            timer.now += 300;
            QTest::keyClick(&list, key.toLatin1());
        }
        QCOMPARE(list.currentText(), QString::number(expected));
    }

    // The second's limit itself still joins; just past it does not.
    void pauseLimit() {
        QComboBox list;
        for (int i = 0; i < 24; ++i) list.addItem(QString::number(i));
        TestTimer timer;
        new NumberListTyping(&list, &timer);
        QTest::keyClick(&list, '2');
        timer.now += NumberListTyping::kPauseMs;
        QTest::keyClick(&list, '1');
        QCOMPARE(list.currentText(), QStringLiteral("21"));
        timer.now += NumberListTyping::kPauseMs + 1;
        QTest::keyClick(&list, '1');
        QCOMPARE(list.currentText(), QStringLiteral("1"));
    }

    // With the popup open the keys go to its view, which the list builds only
    // when it is first needed: after the typing was set up, or before.
    void typingIntoTheOpenPopup_data() {
        QTest::addColumn<bool>("popupBuiltFirst");
        QTest::newRow("popup built when opened") << false;
        QTest::newRow("popup built before") << true;
    }
    void typingIntoTheOpenPopup() {
        QFETCH(bool, popupBuiltFirst);
        QComboBox list;
        for (int i = 0; i < 24; ++i) list.addItem(QString::number(i));
        list.setCurrentIndex(12);
        if (popupBuiltFirst) list.view();
        TestTimer timer;
        new NumberListTyping(&list, &timer);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        list.showPopup();
        QTRY_VERIFY(list.view()->isVisible());
        for (char key : {'2', '3'}) {
            timer.now += 300;
            QTest::keyClick(list.view(), key);
        }
        QCOMPARE(list.currentText(), QStringLiteral("23"));
        QCOMPARE(list.view()->currentIndex().row(), 23);
        list.hidePopup();
    }

    // Other keys work as the list's own.
    void otherKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("expected");
        QTest::newRow("Down") << int(Qt::Key_Down) << 13;
        QTest::newRow("Up") << int(Qt::Key_Up) << 11;
        QTest::newRow("Home") << int(Qt::Key_Home) << 0;
        QTest::newRow("End") << int(Qt::Key_End) << 23;
    }
    void otherKeys() {
        QFETCH(int, key);
        QFETCH(int, expected);
        QComboBox list;
        for (int i = 0; i < 24; ++i) list.addItem(QString::number(i));
        list.setCurrentIndex(12);
        TestTimer timer;
        new NumberListTyping(&list, &timer);
        QTest::keyClick(&list, Qt::Key(key));
        QCOMPARE(list.currentIndex(), expected);
    }
};

QTEST_MAIN(NumberListTypingTest)
#include "NumberListTyping_qtest.moc"
