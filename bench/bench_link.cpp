// Exchanges against the controller peer, over TCP loopback and over a pseudo-terminal:
// wall time against the minimum the protocol mandates (frame gaps plus the bytes at the
// line rate), and the CPU time the tool spends, as a share of the wall time.
//
//     bench_link [exchanges]      (default 200)
#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "fakecpu/FakeCpu.h"
#include "main/Frames.h"
#include "main/Link.h"
#include "platform/QtRuntime.h"
#include "platform/QtSerialPort.h"
#include "platform/QtTcpClient.h"

using namespace posmod;

namespace {

class QuietSink : public MessageSink {
public:
    void show(const std::string& text, MsgIcon) override { std::fprintf(stderr, "message: %s\n", text.c_str()); ++count; }
    int count = 0;
};

double cpuSeconds(clockid_t id)
{
    timespec ts{};
    clock_gettime(id, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

double wallSeconds()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

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
    s.LinkKind = r.kind;
    s.R_ProcNo = r.procedure;
    s.R_LpAddr = "FFFF";
    s.R_PortNo = 5;
    s.L_SeriNo = "00";
    s.L_LpAddr = "FFFF";
    s.L_IpAddr = "127.0.0.1";

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
    QtSerialPort com(rt);
    QtTcpClient sock(rt);
    com.setSettings("19200,e,7,1");
    QuietSink sink;
    Link link(pub, rt, com, sock, sink);
    if (link.CpuConnect(1) != 1) {
        std::fprintf(stderr, "%s: the link did not open\n", r.name);
        return false;
    }

    const std::string task = "0123";
    const double w0 = wallSeconds(), t0 = cpuSeconds(CLOCK_THREAD_CPUTIME_ID), p0 = cpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
    int failures = 0;
    for (int i = 0; i < n; ++i) {
        std::string t = task;
        link.TaskCode_Exchange(t);
        failures += (r.kind == 0 ? pub.SerialError : pub.EthError) != 0;
    }
    const double wall = wallSeconds() - w0;
    const double toolCpu = cpuSeconds(CLOCK_THREAD_CPUTIME_ID) - t0;
    const double procCpu = cpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - p0;
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
        std::printf("    wall %8.3f s   minimum %8.3f s   over the minimum %+6.2f %%\n", wall, minimum,
                    100.0 * (wall - minimum) / minimum);
    else
        std::printf("    wall %8.3f s   (no mandated delay)   %.3f ms an exchange\n", wall, 1000.0 * wall / n);
    std::printf("    CPU tool thread %7.3f s = %5.2f %% of wall;  whole process incl. peer %7.3f s = %5.2f %%\n",
                toolCpu, 100.0 * toolCpu / wall, procCpu, 100.0 * procCpu / wall);
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
