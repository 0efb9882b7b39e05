// Whole-table writes through the wait window's dispatcher against the controller peer:
// over TCP loopback a two-axis positioning table (256 steps, both axes: 2048 register rows)
// and a four-axis one (256 steps, four axes: 256 step blocks); over a pseudo-terminal at
// 19200 bit/s, procedure 1, the twelve parameters of a one-axis module. Wall time against the
// minimum the same requests mandate (the delays the tasks and the link's opening ask for,
// the frame gaps and, on the serial line, every character at the line rate), and the CPU
// time of the tool's thread as a share of the wall time.
//
//     bench_writes [tcp2|tcp4|pty ...]      (default: all three)
#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "BenchClock.h"
#include "CountingPort.h"

#include "fakecpu/FakeCpu.h"
#include "fakecpu/ModuleModel.h"
#include "main/Link.h"
#include "main/TaskSend.h"
#include "params/ParamLayout.h"
#include "platform/QtRuntime.h"
#include "platform/QtSerialPort.h"
#include "platform/QtTcpClient.h"
#include "positioning/StepLayout.h"
#include "shared/Conversions.h"
#include "shared/FormNumbers.h"
#include "shared/ModelTable.h"
#include "support/PeerSettings.h"
#include "support/QuietUi.h"
#include "transfer/Transfer.h"

using namespace posmod;

namespace {

constexpr int kRate = 19200;
constexpr double kFrameGap = 0.050; // before every request and every ENQ
constexpr double kOpenWait = 1.000; // the serial port's settling after it is opened

double seconds()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

// The link as the tasks see it, adding up the delays they ask for and where the time goes:
// in the exchanges, and in the waits beyond what they ask for.
class DelayCount : public Exchange {
public:
    // lineSeconds: the mandated time of the serial line so far (frame gaps and characters).
    DelayCount(Link& l, std::function<double()> lineSeconds) : link_(l), line_(std::move(lineSeconds)) {}
    ExchangeResult TaskCode_Exchange(std::string& t) override
    {
        const double t0 = seconds(), l0 = line_();
        ExchangeResult r = link_.TaskCode_Exchange(t);
        exchangeSeconds += seconds() - t0;
        exchangeLineSeconds += line_() - l0;
        ++exchanges;
        return r;
    }
    void TaskErrorCode_Clear() override { link_.TaskErrorCode_Clear(); }
    void Timer2_Wait() override { timed(30, [&] { link_.Timer2_Wait(); }); }
    void Timer4_Wait() override { timed(100, [&] { link_.Timer4_Wait(); }); }
    void Wait_Ms(int ms) override { timed(ms, [&] { link_.Wait_Ms(ms); }); }
    int64_t mandatedMs = 0;
    int exchanges = 0, waits = 0;
    double exchangeSeconds = 0, exchangeLineSeconds = 0, waitOverSeconds = 0;

private:
    template <class F> void timed(int ms, F wait)
    {
        mandatedMs += ms;
        ++waits;
        const double t0 = seconds();
        wait();
        waitOverSeconds += seconds() - t0 - ms / 1000.0;
    }
    Link& link_;
    std::function<double()> line_;
};

// Link and tasks that answer at once: what the sequence itself costs.
struct InstantLink : LinkOps {
    int CpuConnect(int) override { return 1; }
    void TSK1600() override {}
    void POCLS() override {}
};
struct InstantTasks : TaskOps {
    int TaskSend(int, int) override { return 1; }
};

struct Setup {
    const char* name;
    int type;
    bool serial;
    int mode;
};

bool run(const Setup& s)
{
    ModuleModel model(ModuleFamily_Of(s.type));
    FakeCpu peer(model, s.serial ? FakeCpu::Kind::Serial : FakeCpu::Kind::Tcp, PeerConfig{1, "", s.serial ? kRate : 0});
    std::string error;
    if (!peer.start(&error)) {
        std::fprintf(stderr, "%s: peer: %s\n", s.name, error.c_str());
        return false;
    }
    Public pub;
    Public_Reset(pub);
    if (s.serial) {
        LinkSettings_Set(pub, 0, 1, "", 5);
        ModuleAddress_Of(pub.set, model);
        ModuleType_Set(pub, s.type);
        ::setenv("POSMOD_COM5", peer.ptyPath().c_str(), 1);
    } else {
        TcpPeerSettings_Set(pub, peer.tcpPort(), model, s.type);
    }
    pub.SendCancel = -1;
    // The editor opened on empty data and filled whole.
    Model_BuildRegisters(pub);
    pub.DataSourceCaption = "[Csv file]";
    const ModelRow& m = Model_ForType(s.type);
    std::vector<MemGrid> grids(static_cast<size_t>(m.axes));
    EditorTable ed;
    for (int a = 0; a < m.axes; ++a) {
        MemGrid& g = grids[static_cast<size_t>(a)];
        if (s.mode == m.paramWriteMode) {
            ParamGrid_Shape(g, kParamRows);
            for (int k = 1; k <= kParamRows; ++k) g.setTextMatrix(k, 3, hexText(0x100u * k + a, k >= 10 ? 8 : 4));
        } else {
            StepGrid_Shape(g, m.axes == 4 ? StepZr4_Layout() : Step7W_Layout(), 0, 255);
            const int lastCol = m.axes == 4 ? kStepLastValueColZr4 : kStepLastValueColJV;
            for (int st = 0; st < 256; ++st)
                for (int c = kStepFirstValueCol; c <= lastCol; ++c)
                    g.setTextMatrix(StepRow_Setting(st), c, hexText(0x1000u * a + st + c, 4));
        }
        ed.grids.push_back(&g);
    }
    pub.StepRange = {3, 0, 255};
    pub.AutoRowCount = 512;
    const int form = s.mode == m.paramWriteMode ? m.paramForm : m.autoForm;

    QtRuntime rt;
    QtSerialPort com0(rt);
    CountingPort com(com0);
    QtTcpClient sock(rt);
    com.setSettings("19200,e,7,1");
    QuietSink sink;
    Link link(pub, rt, com, sock, sink);
    auto lineSeconds = [&] { return s.serial ? com.lineSeconds(kRate, kFrameGap) : 0.0; };
    DelayCount counted(link, lineSeconds);
    Tasks tasks(pub, counted, sink);
    QuietUi ui;
    Transfer transfer(pub, link, tasks, ui);
    transfer.messages = &sink;
    transfer.editors = [&](int f) { return f == form ? ed : EditorTable{}; };

    // The same grids written once with nothing behind the tasks, on copies.
    double ownCpu = 0;
    {
        std::vector<MemGrid> copies = grids;
        EditorTable edCopy = ed;
        for (std::size_t a = 0; a < copies.size(); ++a) edCopy.grids[a] = &copies[a];
        Public p2 = pub;
        InstantLink il;
        InstantTasks it;
        Transfer dry(p2, il, it, ui);
        dry.editors = [&](int f) { return f == form ? edCopy : EditorTable{}; };
        RunClock c;
        dry.SendMain(s.mode);
        c.stop();
        ownCpu = c.toolCpu;
    }

    RunClock clock;
    const int result = transfer.SendMain(s.mode);
    clock.stop();
    double minimum = double(counted.mandatedMs) / 1000;
    if (s.serial) minimum += kOpenWait + lineSeconds();

    std::printf("%-44s result %d, %d items\n", s.name, result, transfer.progressValue());
    if (s.serial)
        std::printf("    %lld frames, %lld characters at %d bit/s, %.3f s of task delays\n", static_cast<long long>(com.frames),
                    static_cast<long long>(com.charsIn + com.charsOut), kRate,
                    double(counted.mandatedMs) / 1000);
    clock.printOverMinimum(minimum);
    // Where the time beyond the minimum went.
    std::printf("    %d task exchanges: %.3f ms each beyond their line time; %d waits: %.3f ms late each\n",
                counted.exchanges, 1000.0 * (counted.exchangeSeconds - counted.exchangeLineSeconds) / counted.exchanges,
                counted.waits, counted.waits ? 1000.0 * counted.waitOverSeconds / counted.waits : 0.0);
    clock.printCpu();
    std::printf("    CPU per task exchange %.3f ms; the sequence itself (tasks answering at once) %.1f ms = %.3f %% of wall\n",
                1000.0 * clock.toolCpu / std::max(1, counted.exchanges), 1000.0 * ownCpu, 100.0 * ownCpu / clock.wall);
    std::fflush(stdout);
    const std::size_t rejected = peer.withModel([&](CpuModel&) { return model.rejected.size(); });
    peer.stop();
    if (s.serial) ::unsetenv("POSMOD_COM5");
    return result == 1 && sink.count == 0 && rejected == 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const Setup setups[] = {
        {"tcp2", 2, false, 8},
        {"tcp4", 5, false, 7},
        {"pty", 1, true, 2},
    };
    const char* const titles[] = {"two-axis (VELTA-7W) table, 256 steps, TCP", "four-axis (JV-ZR4) table, 256 steps, TCP",
                                  "one-axis (JV-ZR) parameters, pty 19200 proc 1"};
    bool ok = true;
    for (int i = 0; i < 3; ++i) {
        bool wanted = argc < 2;
        for (int a = 1; a < argc; ++a) wanted = wanted || std::strcmp(argv[a], setups[i].name) == 0;
        if (!wanted) continue;
        Setup s = setups[i];
        s.name = titles[i];
        ok &= run(s);
    }
    return ok ? 0 : 1;
}
