// A wrapped label keeps its last height-for-width only while nothing it
// depends on has changed: after each change it answers as Qt's own label does.

#include <QLabel>
#include <QtTest>
#include <functional>

#include "widgets/WrappedLabel.h"

using namespace velmora;

namespace {

const QString kText = QStringLiteral("Co-brand this software for your site. Click here for more details on co-branding.");

}  // namespace

class WrappedLabelTest : public QObject {
    Q_OBJECT

private slots:
    void followsEachChange_data() {
        QTest::addColumn<std::function<void(QLabel&)>>("change");
        QTest::newRow("longer text") << std::function<void(QLabel&)>(
            [](QLabel& label) { label.setText(kText + QLatin1Char(' ') + kText); });
        QTest::newRow("larger font") << std::function<void(QLabel&)>([](QLabel& label) {
            QFont font = label.font();
            font.setPointSizeF(font.pointSizeF() * 2);
            label.setFont(font);
        });
        QTest::newRow("margin") << std::function<void(QLabel&)>([](QLabel& label) { label.setMargin(30); });
        QTest::newRow("indent") << std::function<void(QLabel&)>([](QLabel& label) { label.setIndent(120); });
        QTest::newRow("contents margins") << std::function<void(QLabel&)>(
            [](QLabel& label) { label.setContentsMargins(0, 20, 0, 20); });
        QTest::newRow("no wrapping") << std::function<void(QLabel&)>([](QLabel& label) { label.setWordWrap(false); });
    }
    void followsEachChange() {
        QFETCH(std::function<void(QLabel&)>, change);
        constexpr int kWidth = 160;
        WrappedLabel wrapped(kText);
        QLabel plain(kText);
        plain.setWordWrap(true);
        const int before = wrapped.heightForWidth(kWidth);
        QCOMPARE(before, plain.heightForWidth(kWidth));
        QCOMPARE(wrapped.heightForWidth(kWidth), before);  // asked again: the same

        change(wrapped);
        change(plain);
        const int after = plain.heightForWidth(kWidth);
        QVERIFY2(after != before, "the change should change the height");
        QCOMPARE(wrapped.heightForWidth(kWidth), after);
        QCOMPARE(wrapped.heightForWidth(kWidth + 200), plain.heightForWidth(kWidth + 200));
    }
};

QTEST_MAIN(WrappedLabelTest)
#include "wrapped_label_qtest.moc"
