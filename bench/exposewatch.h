// Used by the start-up benchmark's child programs: when `window` is first
// exposed, prints the monotonic clock in nanoseconds and ends the process
// at once (no teardown is measured).
#pragma once

#include <QEvent>
#include <QObject>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <ctime>
#include <unistd.h>

class ExposeWatch : public QObject
{
public:
    static void install(QWidget& window)
    {
        window.winId(); // creates the native window, so it can be watched
        window.windowHandle()->installEventFilter(new ExposeWatch(&window));
    }

protected:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = qobject_cast<QWindow*>(watched);
        if (event->type() == QEvent::Expose && window && window->isExposed()) {
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
            std::fflush(stdout);
            _exit(0);
        }
        return false;
    }
};
