// Waiting in a real event loop: the program runs at full speed meanwhile (polling with sleeps in
// between would slow every transfer to one read per pause).
#pragma once

#include <QEventLoop>
#include <QTimer>

#include <functional>

/// Runs the event loop until \a condition holds, checking it every few milliseconds; false when
/// \a timeoutMs pass first.
inline bool waitUntil(const std::function<bool()> &condition, int timeoutMs = 20000)
{
    if (condition())
        return true;
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (condition())
            loop.quit();
    });
    check.start(5);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return condition();
}
