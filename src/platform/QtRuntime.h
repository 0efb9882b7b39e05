#pragma once
// The program's clock and wait: a nested event loop that ends at the deadline or as
// soon as an I/O event has been handled (the adapters call wake()).
#include <QElapsedTimer>
#include <QObject>
#include <vector>

#include "shared/Runtime.h"

class QEventLoop;

namespace posmod {

class QtRuntime : public QObject, public Runtime {
    Q_OBJECT
public:
    explicit QtRuntime(QObject* parent = nullptr);
    int64_t nowMs() const override;
    void waitUntil(int64_t deadlineMs) override;
    // Ends every wait in progress, so each re-tests what it waits for.
    void wake();

private:
    QElapsedTimer clock_;
    std::vector<QEventLoop*> loops_;
};

} // namespace posmod
