#include "widgets/ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace velmora {

namespace {

// Title bar and borders of the common desktops (GNOME, KDE, Xfce) at 100 %.
constexpr QMargins kAssumedFrame(8, 40, 8, 8);

}  // namespace

QMargins WindowFrame(const QWidget* window) {
    // Some platforms know the frame as soon as the window exists; an X11
    // desktop only once it has put its frame round the shown window.
    if (const QWindow* handle = window->windowHandle()) {
        const QMargins real = handle->frameMargins();
        if (!real.isNull()) return real;
    }
    return kAssumedFrame;
}

void FitOnScreen(QWidget* window, QSize wanted) {
    QScreen* screen = window->screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) {
        window->resize(wanted);
        return;
    }
    const QRect available = screen->availableGeometry();
    window->winId();  // the platform window, which may know its frame
    const QMargins frame = WindowFrame(window);
    const QSize room = available.size().shrunkBy(frame);
    const QSize size = wanted.boundedTo(room).expandedTo(window->minimumSize().boundedTo(room));
    window->resize(size);
    // Centred, the frame inside the area.
    const QSize outer = size.grownBy(frame);
    const QPoint corner = available.topLeft() + QPoint((available.width() - outer.width()) / 2,
                                                       (available.height() - outer.height()) / 2);
    window->move(corner);
}

}  // namespace velmora
