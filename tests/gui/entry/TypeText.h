#pragma once
// Typing into a widget key by key, for the tests of the form's boxes.

#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <QtTest>

namespace velmora::testing {

// Characters beyond ASCII arrive as a keyboard layout or an input method
// sends them: a key press with the character as its text (QTest::keyClicks
// takes Latin-1 keys only).
inline void TypeText(QWidget* widget, const QString& text) {
    for (const char32_t c : text.toUcs4()) {
        if (c < 0x80) {
            QTest::keyClick(widget, static_cast<char>(c));
            continue;
        }
        const QString character = QString::fromUcs4(&c, 1);
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, character);
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, character);
        QApplication::sendEvent(widget, &release);
    }
}

}  // namespace velmora::testing
