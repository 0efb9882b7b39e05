#include "platform/QtRuntime.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>

namespace posmod {

QtRuntime::QtRuntime(QObject* parent) : QObject(parent) { clock_.start(); }

int64_t QtRuntime::nowMs() const { return clock_.elapsed(); }

void QtRuntime::waitUntil(int64_t deadlineMs)
{
    const int64_t left = deadlineMs - nowMs();
    if (left <= 0) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        return;
    }
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    // One millisecond past the deadline: an interval started at a fraction of a
    // millisecond (nowMs truncates) then still lasts its full length.
    // A far deadline is re-armed by the caller's loop.
    deadline.start(int(std::min<int64_t>(left + 1, 3'600'000)));
    loops_.push_back(&loop);
    loop.exec();
    loops_.erase(std::find(loops_.begin(), loops_.end(), &loop));
}

void QtRuntime::wake()
{
    // An outer wait ends too once the inner ones return: each re-tests its flags.
    for (QEventLoop* l : loops_) l->quit();
}

} // namespace posmod
