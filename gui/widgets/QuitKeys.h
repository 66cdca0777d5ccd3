#pragma once
// The keys that end the program: the desktop's standard quit key, and Ctrl+Q
// where the desktop names none (or another).

#include <QKeySequence>
#include <QList>

namespace velmora {

inline QList<QKeySequence> QuitKeys() {
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Quit);
    const QKeySequence ctrlQ(Qt::CTRL | Qt::Key_Q);
    if (!keys.contains(ctrlQ)) keys << ctrlQ;
    return keys;
}

}  // namespace velmora
