// Positioning reads of 16 steps through the wait window's dispatcher, against the
// controller peer over TCP loopback and over a pseudo-terminal at 19200 bit/s: wall time
// against the minimum the task sequences mandate (the sum of their delays; on TCP the
// exchanges themselves take no mandated time, on the serial line every frame has its gap
// and every character its line time), and the CPU time of the tool's thread as a share of
// the wall time.
//
//     bench_transfer [first step]      (default 0; steps first..first+15)
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "BenchClock.h"
#include "CountingPort.h"

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
    void Timer2_Wait() override { timed(30, [this] { link_.Timer2_Wait(); }); }
    void Timer4_Wait() override { timed(100, [this] { link_.Timer4_Wait(); }); }
    void Wait_Ms(int ms) override { timed(ms, [&] { link_.Wait_Ms(ms); }); }
    int64_t mandatedMs = 0;
    int exchanges = 0, delays = 0;
    int64_t delayOverUs = 0; // how much longer than asked the delays took, in all

private:
    template <class F> void timed(int ms, F wait)
    {
        Runtime& rt = link_.timers().runtime();
        const int64_t t0 = rt.nowUs();
        wait();
        delayOverUs += rt.nowUs() - t0 - int64_t(ms) * 1000;
        mandatedMs += ms;
        ++delays;
    }
    Link& link_;
};

struct Row {
    const char* name;
    int type;
    int kind;      // 0 RS-232C over a pty at 19200, 1 TCP
    int procedure;
};

bool run(const Row& r, int first)
{
    const int rate = 19200;
    ModuleModel model(ModuleFamily_Of(r.type));
    FakeCpu peer(model, r.kind == 0 ? FakeCpu::Kind::Serial : FakeCpu::Kind::Tcp, PeerConfig{r.procedure, "", rate});
    std::string error;
    if (!peer.start(&error)) {
        std::fprintf(stderr, "%s: peer: %s\n", r.name, error.c_str());
        return false;
    }
    Public pub;
    TcpPeerSettings_Set(pub, peer.tcpPort(), model, r.type);
    if (r.kind == 0) {
        LinkSettings_Set(pub, 0, r.procedure, "", 5);
        ::setenv("POSMOD_COM5", peer.ptyPath().c_str(), 1);
    }
    pub.SendCancel = -1;
    pub.StepRange = {3, first, first + 15};

    QtRuntime rt;
    QtSerialPort qtCom(rt);
    CountingPort com(qtCom);
    com.setSettings("19200,e,7,1");
    QtTcpClient sock(rt);
    QuietSink sink;
    Link link(pub, rt, com, sock, sink);
    DelayCount counted(link);
    Tasks tasks(pub, counted, sink);
    QuietUi ui;
    Transfer transfer(pub, link, tasks, ui);

    const int64_t late0 = peer.lateUs();
    RunClock clock;
    const int result = transfer.SendMain(5);
    clock.stop();
    const double peerLate = double(peer.lateUs() - late0) / 1e6;
    // The delays the sequences ask for; on the serial line also the 1 s wait of the
    // opening, a 50 ms gap before every frame and every character at the line rate.
    double minimum = double(counted.mandatedMs) / 1000;
    if (r.kind == 0) minimum += 1.0 + com.lineSeconds(rate, 0.050);

    std::printf("%-44s result %d, %d items, %d task exchanges (+ opening and closing)\n", r.name, result,
                transfer.progressValue(), counted.exchanges);
    clock.printOverMinimum(minimum, peerLate);
    if (counted.delays > 0)
        std::printf("    the %d delays of the sequences: %+.3f ms each on average\n", counted.delays,
                    double(counted.delayOverUs) / counted.delays / 1000);
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
    ok &= run({"two-axis (VELTA-7W), 16 steps, TCP", 2, 1, 1}, first);
    ok &= run({"four-axis (JV-ZR4), 16 steps, TCP", 5, 1, 1}, first);
    ok &= run({"four-axis (JV-ZR4), 16 steps, pty, procedure 1", 5, 0, 1}, first);
    ok &= run({"four-axis (JV-ZR4), 16 steps, pty, procedure 2", 5, 0, 2}, first);
    return ok ? 0 : 1;
}
