// Positioning reads of 16 steps through the wait window's dispatcher, against the
// controller peer over TCP loopback: wall time against the minimum the task sequences
// mandate (the sum of their delays; the exchanges themselves take no mandated time on
// TCP), and the CPU time of the tool's thread as a share of the wall time.
//
//     bench_transfer [first step]      (default 0; steps first..first+15)
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "BenchClock.h"

#include "fakecpu/FakeCpu.h"
#include "fakecpu/ModuleModel.h"
#include "main/Link.h"
#include "main/TaskSend.h"
#include "platform/QtRuntime.h"
#include "platform/QtSerialPort.h"
#include "platform/QtTcpClient.h"
#include "support/PeerSettings.h"
#include "support/QuietUi.h"
#include "transfer/Transfer.h"

using namespace posmod;

namespace {

// The link as the tasks see it, adding up the delays they ask for.
class DelayCount : public Exchange {
public:
    explicit DelayCount(Link& l) : link_(l) {}
    ExchangeResult TaskCode_Exchange(std::string& t) override
    {
        ++exchanges;
        return link_.TaskCode_Exchange(t);
    }
    void Timer2_Wait() override { mandatedMs += 30; link_.Timer2_Wait(); }
    void Timer4_Wait() override { mandatedMs += 100; link_.Timer4_Wait(); }
    void Wait_Ms(int ms) override { mandatedMs += ms; link_.Wait_Ms(ms); }
    int64_t mandatedMs = 0;
    int exchanges = 0;

private:
    Link& link_;
};

bool run(const char* name, int type, int first)
{
    ModuleModel model(ModuleFamily_Of(type));
    FakeCpu peer(model, FakeCpu::Kind::Tcp);
    std::string error;
    if (!peer.start(&error)) {
        std::fprintf(stderr, "%s: peer: %s\n", name, error.c_str());
        return false;
    }
    Public pub;
    TcpPeerSettings_Set(pub, peer.tcpPort(), model, type);
    pub.SendCancel = -1;
    pub.StepRange = {3, first, first + 15};

    QtRuntime rt;
    QtSerialPort com(rt);
    QtTcpClient sock(rt);
    QuietSink sink;
    Link link(pub, rt, com, sock, sink);
    DelayCount counted(link);
    Tasks tasks(pub, counted, sink);
    QuietUi ui;
    Transfer transfer(pub, link, tasks, ui);

    RunClock clock;
    const int result = transfer.SendMain(5);
    clock.stop();
    const double minimum = double(counted.mandatedMs) / 1000;

    std::printf("%-34s result %d, %d items, %d task exchanges (+ opening and closing)\n", name, result,
                transfer.progressValue(), counted.exchanges);
    clock.printOverMinimum(minimum);
    clock.printCpu();
    std::fflush(stdout);
    return result == 1 && sink.count == 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int first = argc > 1 ? std::atoi(argv[1]) : 0;
    if (first < 0 || first > 240) {
        std::fprintf(stderr, "first step 0..240\n");
        return 2;
    }
    bool ok = true;
    ok &= run("two-axis (VELTA-7W), 16 steps", 2, first);
    ok &= run("four-axis (JV-ZR4), 16 steps", 5, first);
    return ok ? 0 : 1;
}
