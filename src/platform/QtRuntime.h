#pragma once
// The program's clock and wait: a nested event loop that ends at the deadline or as
// soon as an I/O event has been handled (the adapters call wake()).
#include <QObject>
#include <memory>
#include <vector>

#include "shared/Runtime.h"

class QEventLoop;
class QSocketNotifier;

namespace posmod {

class QtRuntime : public QObject, public Runtime {
    Q_OBJECT
public:
    explicit QtRuntime(QObject* parent = nullptr);
    ~QtRuntime() override;
    int64_t nowMs() const override { return nowUs() / 1000; }
    void waitUntil(int64_t deadlineMs) override { waitUntilUs(deadlineMs * 1000); }
    // The monotonic clock in microseconds since this runtime was made.
    int64_t nowUs() const override;
    // Ends at the deadline to the microsecond (as the system can wake), or at the first
    // event handled that calls wake().
    void waitUntilUs(int64_t deadlineUs) override;
    // Ends every wait in progress, so each re-tests what it waits for.
    void wake();

private:
    // The deadline of the wait at one depth of nesting, kept from wait to wait.
    struct Deadline {
        int fd = -1;
        std::unique_ptr<QSocketNotifier> expiry;
    };
    Deadline* deadline(std::size_t depth);

    int64_t startNs_ = 0;
    std::vector<QEventLoop*> loops_;
    std::vector<std::unique_ptr<Deadline>> deadlines_;
};

} // namespace posmod
