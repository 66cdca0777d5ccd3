#include "widgets/ScreenFit.h"

#include <QEvent>
#include <QGuiApplication>
#include <algorithm>
#include <QScreen>
#include <QBasicTimer>
#include <QTimerEvent>
#include <QWidget>
#include <QWindow>

namespace velmora {

namespace {

// Title bar and borders of the common desktops (GNOME, KDE, Xfce) at 100 %.
constexpr QMargins kAssumedFrame(8, 40, 8, 8);

QRect AvailableArea(const QWidget* window) {
    QScreen* screen = window->screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// Where a window's frame goes when it is shown. Before a window is framed
// some window managers (openbox) take the place asked for as that of the
// window's inside: at a first showing the title bar would stand above the
// screen, and a window shown again would come back lower by its title bar.
// So at every showing the window is looked at until the desktop has framed
// it; then a window shown again is put back where its frame was when it was
// hidden, and one shown the first time is moved (and if need be shrunk) so
// that its whole frame is inside the available area.
//
// The frame is the one the window system reports (QWindow::frameGeometry):
// a widget shown again keeps the frame it computed while hidden (none) in
// its own frameGeometry() until it is next moved, and a window put back by
// that would land a title bar off.
class FramePlacer : public QObject {
public:
    explicit FramePlacer(QWidget* window) : QObject(window), window_(window) {
        setObjectName(QLatin1String(kName));
        window->installEventFilter(this);
    }
    static constexpr const char* kName = "velmoraFramePlacer";

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Move && wasShown_ && !timer_.isActive() && Framed()) {
            // Where the person has the window now (once it is placed: before,
            // Qt knows its inside's place only).
            left_ = Frame().topLeft();
        } else if (event->type() == QEvent::Hide) {
            timer_.stop();
        } else if (event->type() == QEvent::Show && !timer_.isActive()) {
            looks_ = 0;
            last_ = QRect();
            timer_.start(kLookMs, this);
        }
        return false;
    }

    void timerEvent(QTimerEvent* event) override {
        if (event->timerId() != timer_.timerId()) return;
        // Framed, and its place no longer changing between two looks.
        const bool framed = Framed();
        const QRect now = framed ? Frame() : QRect();
        const bool settled = framed && now == last_;
        last_ = now;
        if (!settled && ++looks_ < kLooks) return;
        timer_.stop();
        if (!framed) return;
        if (wasShown_) {
            // Back where the person had it, by the frame's own place.
            if (Frame().topLeft() != left_) PutFrameAt(left_);
        } else {
            left_ = PlaceInside(window_->windowHandle()->frameMargins());
        }
        wasShown_ = true;
    }

private:
    static constexpr int kLookMs = 40;
    static constexpr int kLooks = 75;  // three seconds: long enough for any desktop to frame a window

    bool Framed() const {
        const QWindow* handle = window_->windowHandle();
        return window_->isVisible() && handle && !handle->frameMargins().isNull();
    }

    QRect Frame() const { return window_->windowHandle()->frameGeometry(); }

    // Moves the frame (and if need be shrinks the window) into the available
    // area; returns where its corner goes.
    QPoint PlaceInside(const QMargins& frame) {
        const QRect available = AvailableArea(window_);
        QRect outer = Frame();
        if (available.isEmpty() || available.contains(outer)) return outer.topLeft();
        const QSize inside = window_->size().boundedTo(available.size().shrunkBy(frame));
        if (inside != window_->size()) window_->resize(inside);
        outer.setSize(inside.grownBy(frame));
        outer.moveLeft(std::clamp(outer.left(), available.left(), available.right() + 1 - outer.width()));
        outer.moveTop(std::clamp(outer.top(), available.top(), available.bottom() + 1 - outer.height()));
        PutFrameAt(outer.topLeft());
        return outer.topLeft();
    }

    // Moves the window so that its frame's corner is at `corner`, by the
    // place of its inside: a move asked for by the frame's place is lost when
    // the widget's own idea of its place is stale (it takes the move for no
    // move at all).
    void PutFrameAt(const QPoint& corner) {
        QWindow* handle = window_->windowHandle();
        const QMargins frame = handle->frameMargins();
        handle->setPosition(corner + QPoint(frame.left(), frame.top()));
    }

    QWidget* window_;
    QBasicTimer timer_;
    int looks_ = 0;
    bool wasShown_ = false;
    QPoint left_;  // the frame's corner where the person last had the window
    QRect last_;   // the frame at the last look
};

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
    if (!window->findChild<QObject*>(QLatin1String(FramePlacer::kName), Qt::FindDirectChildrenOnly))
        new FramePlacer(window);
}

}  // namespace velmora
