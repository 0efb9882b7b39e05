// Exchanges against the controller peer, over TCP loopback and over a pseudo-terminal:
// wall time against the minimum the protocol mandates (frame gaps plus the bytes at the
// line rate), and the CPU time the tool spends, as a share of the wall time.
//
//     bench_link [exchanges]      (default 200)
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "BenchClock.h"
#include "CountingPort.h"

#include "fakecpu/FakeCpu.h"
#include "main/Frames.h"
#include "main/Link.h"
#include "platform/QtRuntime.h"
#include "platform/QtSerialPort.h"
#include "platform/QtTcpClient.h"
#include "support/PeerSettings.h"

using namespace posmod;

namespace {

struct Run {
    const char* name;
    int kind;       // 0 RS-232C, 1 TCP
    int procedure;
};

bool run(const Run& r, int n)
{
    const int rate = 19200;
    Public pub;
    Settings& s = pub.set;
    LinkSettings_Set(pub, r.kind, r.procedure, "", 5);

    PlainCpuModel cpu;
    FakeCpu peer(cpu, r.kind == 0 ? FakeCpu::Kind::Serial : FakeCpu::Kind::Tcp, PeerConfig{r.procedure, "", rate});
    std::string error;
    if (!peer.start(&error)) {
        std::fprintf(stderr, "%s: peer: %s\n", r.name, error.c_str());
        return false;
    }
    if (r.kind == 0) ::setenv("POSMOD_COM5", peer.ptyPath().c_str(), 1);
    s.L_PortNo = std::to_string(peer.tcpPort());

    QtRuntime rt;
    QtSerialPort qtCom(rt);
    CountingPort com(qtCom);
    com.clock = [&rt] { return rt.nowUs(); };
    QtTcpClient sock(rt);
    com.setSettings("19200,e,7,1");
    QuietSink sink;
    Link link(pub, rt, com, sock, sink);
    if (link.CpuConnect(1) != 1) {
        std::fprintf(stderr, "%s: the link did not open\n", r.name);
        return false;
    }

    const std::string task = "0123";
    const int64_t late0 = peer.lateUs();
    RunClock clock;
    int failures = 0;
    for (int i = 0; i < n; ++i) {
        std::string t = task;
        failures += !link.TaskCode_Exchange(t).done;
    }
    clock.stop();
    const double peerLate = double(peer.lateUs() - late0) / 1e6;
    const double wall = clock.wall;
    link.TSK1600();
    link.POCLS();

    double minimum = 0;
    if (r.kind == 0) {
        // Request, ACK line, ENQ, reply (STX F addr 000 status sum CR) for procedure 1;
        // request and reply (STX status sum CR) for procedure 2. 10 bits a character.
        const std::size_t request = RequestFrame_Build(task, "", "FFFF", r.procedure).size();
        const std::size_t bytes = r.procedure == 2 ? request + 6 : request + 3 + EnqPollFrame_Build("").size() + 14;
        const double gaps = r.procedure == 2 ? 0.050 : 0.100;
        minimum = n * (gaps + double(bytes) * 10 / rate);
    }
    std::printf("%-28s %4d exchanges, %d failed\n", r.name, n, failures);
    if (minimum > 0)
        clock.printOverMinimum(minimum, peerLate);
    else
        std::printf("    wall %8.3f s   (no mandated delay)   %.3f ms an exchange\n", wall, 1000.0 * wall / n);
    clock.printCpu();
    if (r.kind == 0) {
        // Where the time over the minimum goes: the gap before each frame as the peer saw it
        // (from its last byte out to the frame in), against the 50 ms the tool waits.
        double over = 0;
        int frames = 0;
        for (const PeerRecord& rec : peer.state().transcript())
            if (rec.gapUs >= 0) over += double(rec.gapUs - 50'000), ++frames;
        if (frames > 0)
            std::printf("    frame gap as the peer sees it: 50 ms %+.3f ms on average (%d frames), %.3f ms an exchange\n",
                        over / frames / 1000, frames, over / n / 1000);
        if (com.ownGaps > 0)
            std::printf("    frame gap as the tool sees it (last CR in to frame out): 50 ms %+.3f ms on average\n",
                        (double(com.ownGapUs) / double(com.ownGaps) - 50'000) / 1000);
    }
    std::fflush(stdout);
    return failures == 0 && sink.count == 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int n = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    bool ok = true;
    ok &= run({"TCP loopback", 1, 1}, n);
    ok &= run({"pty 19200, procedure 1", 0, 1}, n);
    ok &= run({"pty 19200, procedure 2", 0, 2}, n);
    return ok ? 0 : 1;
}
