#pragma once
// The start-up measurement's seam (tools/startup-time.sh): with
// VELMORA_STARTUP_PROBE set, the first paint of the watched window writes
// "first paint at NS" (the wall clock, nanoseconds since 1970) to standard
// output and ends the program. Without it, nothing is watched.

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>

namespace velmora {

class StartupProbe : public QObject {
public:
    static void WatchFirstPaint(QWidget* window) {
        if (qEnvironmentVariableIsSet("VELMORA_STARTUP_PROBE")) window->installEventFilter(new StartupProbe(window));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Once this paint has reached the screen.
            QTimer::singleShot(0, this, [] {
                const auto now = std::chrono::system_clock::now().time_since_epoch();
                std::printf("first paint at %lld\n",
                            static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    explicit StartupProbe(QObject* parent) : QObject(parent) {}
    bool seen_ = false;
};

}  // namespace velmora
