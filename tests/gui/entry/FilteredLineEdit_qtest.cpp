// The filtered text boxes: every way text can arrive (typed keys, control
// keys, clipboard by three routes, drag and drop, input methods) passes the
// same rule character by character, a refused character is left out and
// shows the rule's message once, shortcuts are not typing, and the length
// limit holds.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QtTest>

#include "CaptureServices.h"
#include "TypeText.h"
#include "entry/FilteredLineEdit.h"

using namespace velmora;
using velmora::testing::CapturingMessenger;
using velmora::testing::TypeText;

Q_DECLARE_METATYPE(Qt::KeyboardModifiers)

namespace {

enum class Rule { Name, Number };
enum class Way { Slot, ShiftInsert, ContextMenu, Drop, InputMethod };

const QString kLetters = QStringLiteral("Please Enter only Letters");
const QString kNumbers = QStringLiteral("Only Numbers Are Accepted");


}  // namespace

Q_DECLARE_METATYPE(Rule)
Q_DECLARE_METATYPE(Way)

class FilteredLineEditTest : public QObject {
    Q_OBJECT

    struct Box {
        CapturingMessenger messenger;
        FilteredLineEdit edit;
        Box(Rule rule, int maxLength)
            : edit(rule == Rule::Name ? kNameRule : kNumberRule, messenger) {
            if (maxLength > 0) edit.setMaxLength(maxLength);
        }
        QString Message() const {
            return messenger.shown.empty() ? QString() : messenger.shown.back().text;
        }
    };

    static void CheckRefusal(const Box& box, Rule rule, bool refused) {
        if (!refused) {
            QCOMPARE(int(box.messenger.shown.size()), 0);
            return;
        }
        QCOMPARE(int(box.messenger.shown.size()), 1);
        QCOMPARE(box.messenger.shown[0].text, rule == Rule::Name ? kLetters : kNumbers);
        QCOMPARE(box.messenger.shown[0].icon,
                 rule == Rule::Name ? MessageIcon::Information : MessageIcon::Error);
    }

private slots:
    void typing_data() {
        QTest::addColumn<Rule>("rule");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("refused");
        QTest::newRow("name in capitals") << Rule::Name << 0 << "ram Das" << "RAM DAS" << false;
        QTest::newRow("name digit refused") << Rule::Name << 0 << "a1b" << "AB" << true;
        QTest::newRow("name full stop refused") << Rule::Name << 0 << "j.r" << "JR" << true;
        QTest::newRow("name hyphen") << Rule::Name << 0 << "Anne-Marie" << "ANNE-MARIE" << false;
        QTest::newRow("name apostrophe") << Rule::Name << 0 << "O'Brien" << "O'BRIEN" << false;
        QTest::newRow("name typographic apostrophe") << Rule::Name << 0 << QString::fromUtf8("D\u2019Souza")
                                                     << QString::fromUtf8("D\u2019SOUZA") << false;
        QTest::newRow("name accented Latin") << Rule::Name << 0 << QString::fromUtf8("Jos\u00e9")
                                             << QString::fromUtf8("JOS\u00c9") << false;
        QTest::newRow("name Devanagari") << Rule::Name << 0 << QString::fromUtf8("\u0930\u093e\u092e")
                                         << QString::fromUtf8("\u0930\u093e\u092e") << false;
        QTest::newRow("name Tamil") << Rule::Name << 0
                                    << QString::fromUtf8("\u0bae\u0bc1\u0bb0\u0bc1\u0b95\u0ba9\u0bcd")
                                    << QString::fromUtf8("\u0bae\u0bc1\u0bb0\u0bc1\u0b95\u0ba9\u0bcd") << false;
        QTest::newRow("digits") << Rule::Number << 3 << "179" << "179" << false;
        QTest::newRow("minus refused") << Rule::Number << 3 << "-5" << "5" << true;
        QTest::newRow("letter refused") << Rule::Number << 2 << "1a" << "1" << true;
        QTest::newRow("space refused") << Rule::Number << 2 << " 4" << "4" << true;
        QTest::newRow("limit of three") << Rule::Number << 3 << "1234" << "123" << false;
        QTest::newRow("limit of two") << Rule::Number << 2 << "905" << "90" << false;
    }
    void typing() {
        QFETCH(Rule, rule);
        QFETCH(int, maxLength);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QFETCH(bool, refused);
        Box box(rule, maxLength);
        TypeText(&box.edit, typed);
        QCOMPARE(box.edit.text(), expected);
        CheckRefusal(box, rule, refused);
    }

    void controlKeys_data() {
        QTest::addColumn<Rule>("rule");
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("expected");  // starting from "12" / "AB", cursor at the end
        QTest::addColumn<bool>("refused");
        const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
        const Qt::KeyboardModifiers none = Qt::NoModifier;
        QTest::newRow("name Ctrl+V pastes") << Rule::Name << int(Qt::Key_V) << ctrl << "ABC" << false;
        QTest::newRow("name Ctrl+C") << Rule::Name << int(Qt::Key_C) << ctrl << "AB" << false;
        QTest::newRow("name Ctrl+X") << Rule::Name << int(Qt::Key_X) << ctrl << "AB" << false;
        QTest::newRow("name Enter accepted") << Rule::Name << int(Qt::Key_Return) << none << "AB" << false;
        QTest::newRow("name Backspace") << Rule::Name << int(Qt::Key_Backspace) << none << "A" << false;
        QTest::newRow("name Ctrl+H is Backspace") << Rule::Name << int(Qt::Key_H) << ctrl << "A" << false;
        QTest::newRow("number Ctrl+V pastes") << Rule::Number << int(Qt::Key_V) << ctrl << "123" << false;
        QTest::newRow("number Enter refused") << Rule::Number << int(Qt::Key_Return) << none << "12" << true;
        QTest::newRow("number Backspace") << Rule::Number << int(Qt::Key_Backspace) << none << "1" << false;
        QTest::newRow("number Escape refused") << Rule::Number << int(Qt::Key_Escape) << none << "12" << true;
        QTest::newRow("number Left passes") << Rule::Number << int(Qt::Key_Left) << none << "12" << false;
        QTest::newRow("number Home then Delete") << Rule::Number << int(Qt::Key_Delete) << none << "2" << false;
    }
    void controlKeys() {
        QFETCH(Rule, rule);
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, expected);
        QFETCH(bool, refused);
        QApplication::clipboard()->setText(rule == Rule::Name ? QStringLiteral("CD") : QStringLiteral("3"));
        Box box(rule, 3);
        box.edit.setText(rule == Rule::Name ? QStringLiteral("AB") : QStringLiteral("12"));
        if (key == Qt::Key_Delete) box.edit.home(false);
        QTest::keyClick(&box.edit, Qt::Key(key), modifiers);
        QCOMPARE(box.edit.text(), expected);
        CheckRefusal(box, rule, refused);
    }

    // Shortcuts and keys that type nothing, in both kinds of box: no message,
    // and what the box holds stays.
    void shortcutsAreNotTyping_data() {
        QTest::addColumn<Rule>("rule");
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
        const Qt::KeyboardModifiers none = Qt::NoModifier;
        const struct {
            const char* name;
            int key;
            Qt::KeyboardModifiers modifiers;
        } keys[] = {
            {"Ctrl+A", Qt::Key_A, ctrl},        {"Ctrl+C", Qt::Key_C, ctrl},
            {"Ctrl+X", Qt::Key_X, ctrl},        {"Ctrl+Z", Qt::Key_Z, ctrl},
            {"Ctrl+Shift+Z", Qt::Key_Z, ctrl | Qt::ShiftModifier},
            {"Ctrl+Y", Qt::Key_Y, ctrl},        {"Ctrl+B", Qt::Key_B, ctrl},
            {"Alt+F", Qt::Key_F, Qt::AltModifier},
            {"Left", Qt::Key_Left, none},       {"Right", Qt::Key_Right, none},
            {"Up", Qt::Key_Up, none},           {"Down", Qt::Key_Down, none},
            {"Home", Qt::Key_Home, none},       {"End", Qt::Key_End, none},
            {"Shift+Home", Qt::Key_Home, Qt::ShiftModifier},
            {"Delete at the end", Qt::Key_Delete, none},
            {"Tab", Qt::Key_Tab, none},         {"Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier},
        };
        for (Rule rule : {Rule::Name, Rule::Number})
            for (const auto& k : keys)
                QTest::addRow("%s %s", rule == Rule::Name ? "name" : "number", k.name)
                    << rule << k.key << k.modifiers;
    }
    void shortcutsAreNotTyping() {
        QFETCH(Rule, rule);
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        Box box(rule, 3);
        const QString before = rule == Rule::Name ? QStringLiteral("AB") : QStringLiteral("12");
        box.edit.setText(before);
        QTest::keyClick(&box.edit, Qt::Key(key), modifiers);
        QCOMPARE(box.edit.text(), before);
        CheckRefusal(box, rule, false);
    }

    // Ctrl+A selects all, Ctrl+X cuts it, Ctrl+V puts it back.
    void shortcutsEdit() {
        Box box(Rule::Number, 3);
        box.edit.setText(QStringLiteral("12"));
        QTest::keyClick(&box.edit, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(box.edit.selectedText(), QStringLiteral("12"));
        QTest::keyClick(&box.edit, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(box.edit.text(), QString());
        QTest::keyClicks(&box.edit, QStringLiteral("7"));
        QTest::keyClick(&box.edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box.edit.text(), QStringLiteral("712"));
        CheckRefusal(box, Rule::Number, false);
    }

    void pasting_data() {
        QTest::addColumn<Way>("way");
        QTest::addColumn<Rule>("rule");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("incoming");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("refused");
        struct W {
            Way way;
            const char* name;
        };
        const W ways[] = {{Way::Slot, "paste"},
                          {Way::ShiftInsert, "Shift+Insert"},
                          {Way::ContextMenu, "context menu"},
                          {Way::Drop, "drop"},
                          {Way::InputMethod, "input method"}};
        for (const W& w : ways) {
            auto row = [&](const char* what) -> QTestData& { return QTest::addRow("%s: %s", w.name, what); };
            row("name upper-cased") << w.way << Rule::Name << 0 << "" << "john smith" << "JOHN SMITH" << false;
            row("name apostrophe") << w.way << Rule::Name << 0 << "AB " << "o'brien" << "AB O'BRIEN" << false;
            row("name Devanagari") << w.way << Rule::Name << 0 << "" << QString::fromUtf8("\u0930\u093e\u092e")
                                   << QString::fromUtf8("\u0930\u093e\u092e") << false;
            // A refused character is left out; the rest goes in, with the message once.
            row("name line break refused") << w.way << Rule::Name << 0 << "AB" << "ann\n" << "ABANN" << true;
            row("name digits refused") << w.way << Rule::Name << 0 << "" << "r2d2 x" << "RD X" << true;
            row("name only refused") << w.way << Rule::Name << 0 << "AB" << "42" << "AB" << true;
            row("digits") << w.way << Rule::Number << 2 << "" << "45" << "45" << false;
            row("decimal point refused") << w.way << Rule::Number << 3 << "1" << "4.5" << "145" << true;
            row("negative refused") << w.way << Rule::Number << 3 << "" << "-12" << "12" << true;
            row("beyond limit cut") << w.way << Rule::Number << 3 << "" << "12345" << "123" << false;
            row("limit counts existing text") << w.way << Rule::Number << 2 << "1" << "99" << "19" << false;
        }
    }
    void pasting() {
        QFETCH(Way, way);
        QFETCH(Rule, rule);
        QFETCH(int, maxLength);
        QFETCH(QString, before);
        QFETCH(QString, incoming);
        QFETCH(QString, expected);
        QFETCH(bool, refused);
        Box box(rule, maxLength);
        box.edit.setText(before);
        box.edit.end(false);
        QApplication::clipboard()->setText(incoming);
        switch (way) {
        case Way::Slot:
            box.edit.FilteredPaste();
            break;
        case Way::ShiftInsert:
            QTest::keyClick(&box.edit, Qt::Key_Insert, Qt::ShiftModifier);
            break;
        case Way::ContextMenu: {
            QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(2, 2), box.edit.mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(&box.edit, &event);
            auto* menu = box.edit.findChild<QMenu*>();
            QVERIFY(menu);
            const QList<QAction*> actions = menu->actions();
            const auto paste = std::find_if(actions.begin(), actions.end(), [](QAction* a) {
                return a->text().section(QLatin1Char('\t'), 0, 0) == QLineEdit::tr("&Paste");
            });
            QVERIFY(paste != actions.end());
            (*paste)->trigger();
            menu->close();
            break;
        }
        case Way::Drop: {
            QMimeData data;
            data.setText(incoming);
            const QPointF end(box.edit.width() - 2, box.edit.height() / 2.0);
            // Drops reach the widget that accepted the drag's entry.
            QDragEnterEvent enter(end.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&box.edit, &enter);
            QVERIFY(enter.isAccepted());
            QDropEvent event(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&box.edit, &event);
            QCoreApplication::processEvents();  // a refusal is reported once the drop is over
            break;
        }
        case Way::InputMethod: {
            QInputMethodEvent event;
            event.setCommitString(incoming);
            QApplication::sendEvent(&box.edit, &event);
            break;
        }
        }
        QCOMPARE(box.edit.text(), expected);
        CheckRefusal(box, rule, refused);
    }

    // Only systems with a selection clipboard (X11) paste with the middle button.
    void middleButtonPaste_data() {
        QTest::addColumn<QString>("selection");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("refused");
        QTest::newRow("digits") << "7" << "17" << false;
        QTest::newRow("letters refused") << "x7" << "17" << true;
    }
    void middleButtonPaste() {
        QFETCH(QString, selection);
        QFETCH(QString, expected);
        QFETCH(bool, refused);
        if (!QApplication::clipboard()->supportsSelection()) QSKIP("no selection clipboard on this platform");
        Box box(Rule::Number, 2);
        box.edit.setText(QStringLiteral("1"));
        QApplication::clipboard()->setText(selection, QClipboard::Selection);
        QTest::mouseClick(&box.edit, Qt::MiddleButton, Qt::NoModifier, QPoint(box.edit.width() - 2, 4));
        QCOMPARE(box.edit.text(), expected);
        CheckRefusal(box, Rule::Number, refused);
    }
};

QTEST_MAIN(FilteredLineEditTest)
#include "FilteredLineEdit_qtest.moc"
