#pragma once
// Work a window does not need in order to appear, run once it has: after the
// window's first paint has been handed on, or after `latest` milliseconds
// should no paint come (a window opened on a workspace not in view).

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace velmora {

class AfterFirstPaint : public QObject {
public:
    static void Run(QWidget* window, std::function<void()> then, int latest = 2000) {
        auto* watch = new AfterFirstPaint(window, std::move(then));
        window->installEventFilter(watch);
        QTimer::singleShot(latest, watch, [watch] { watch->Fire(); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) QTimer::singleShot(0, this, [this] { Fire(); });
        return QObject::eventFilter(watched, event);
    }

private:
    AfterFirstPaint(QWidget* window, std::function<void()> then) : QObject(window), then_(std::move(then)) {}

    void Fire() {
        if (!then_) return;
        parent()->removeEventFilter(this);
        const std::function<void()> then = std::move(then_);
        then_ = nullptr;
        deleteLater();
        then();
    }

    std::function<void()> then_;
};

}  // namespace velmora
