// fakecpu: plays the controller CPU with a positioning module behind it, so the tool can
// be tried without hardware. Prints the pseudo-terminal or TCP port it serves.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <unistd.h>

#include "fakecpu/FakeCpu.h"
#include "fakecpu/ModuleModel.h"

using namespace posmod;

namespace {

volatile std::sig_atomic_t g_stop = 0;
void onSignal(int) { g_stop = 1; }

void usage()
{
    std::puts(
        "usage: fakecpu [options]\n"
        "  --link serial|tcp     RS-232C over a pseudo-terminal (default) or TCP on 127.0.0.1\n"
        "  --procedure 1|2       RS-232C transmission procedure (default 1)\n"
        "  --station NN          station number the peer answers to (default: none)\n"
        "  --port N              TCP port (default: any free port)\n"
        "  --rate N              RS-232C line rate played, bits/s (default 19200, 0 = instant)\n"
        "  --module one|two|four module behind the CPU (default two)\n"
        "  --blank               start with an empty module (default: every item holds a value)\n"
        "  --quiet               do not print the requests\n"
        "Point the tool at the pseudo-terminal with POSMOD_COM<n>=<path>.");
}

std::string printable(const std::string& s)
{
    std::string out;
    for (unsigned char c : s) {
        static const char* names[] = {nullptr, nullptr, "<STX>", nullptr, "<EOT>", "<ENQ>", "<ACK>"};
        if (c < 7 && names[c]) out += names[c];
        else if (c == 0x0D) out += "<CR>";
        else if (c == 0x15) out += "<NAK>";
        else if (c < 0x20 || c > 0x7E) { char b[8]; std::snprintf(b, sizeof b, "<%02X>", c); out += b; }
        else out += char(c);
    }
    return out;
}

// Distinct values in every item, so a person sees at a glance that what the tool shows
// is what the module holds (axis in the high digits, item and step in the low ones).
void seed(ModuleModel& m, ModuleFamily family)
{
    if (family == ModuleFamily::FourAxis) {
        for (int a = 0; a < 4; ++a) {
            for (int i = 0; i < 19; ++i) m.prm[a][i] = uint16_t(0x1000 * (a + 1) + i);
            for (int s = 0; s < 256; ++s)
                for (int i = 0; i < 9; ++i) m.steps[s][a][i] = uint16_t(0x1000 * (a + 1) + 0x10 * i + (s & 0xF));
        }
        return;
    }
    const int axes = family == ModuleFamily::OneAxis ? 1 : 2;
    for (int a = 0; a < axes; ++a) {
        for (int k = 1; k <= 12; ++k)
            m.parameter(a, k) = k <= 9 ? uint32_t(0x1000 * (a + 1) + k) : uint32_t(0x10000 * (a + 1) + 100 * k);
        for (int s = 0; s < 256; ++s) {
            m.stepItem(a, s, 0) = uint32_t(0x1000 * (a + 1) + s);                     // mode/dwell
            m.stepItem(a, s, 1) = uint32_t((s + 1) * 20) << 16 | uint32_t((s + 1) * 10); // dec | acc
            m.stepItem(a, s, 2) = uint32_t(1000 + s);                                 // velocity
            m.stepItem(a, s, 3) = uint32_t(s * 1000 * (a + 1));                       // target
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    FakeCpu::Kind kind = FakeCpu::Kind::Serial;
    PeerConfig cfg;
    cfg.lineRate = 19200;
    int port = 0;
    bool quiet = false;
    bool blank = false;
    ModuleFamily family = ModuleFamily::TwoAxis;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) { usage(); std::exit(2); }
            return argv[++i];
        };
        if (a == "--help" || a == "-h") { usage(); return 0; }
        else if (a == "--link") { const std::string v = value(); kind = v == "tcp" ? FakeCpu::Kind::Tcp : FakeCpu::Kind::Serial; }
        else if (a == "--procedure") cfg.procedure = std::atoi(value().c_str()) == 2 ? 2 : 1;
        else if (a == "--station") cfg.station = value();
        else if (a == "--port") port = std::atoi(value().c_str());
        else if (a == "--rate") cfg.lineRate = std::atoi(value().c_str());
        else if (a == "--module") {
            const std::string v = value();
            family = v == "one" ? ModuleFamily::OneAxis : v == "four" ? ModuleFamily::FourAxis : ModuleFamily::TwoAxis;
        }
        else if (a == "--quiet") quiet = true;
        else if (a == "--blank") blank = true;
        else { usage(); return 2; }
    }

    ModuleModel model(family);
    if (!blank) seed(model, family);
    FakeCpu cpu(model, kind, cfg);
    if (!quiet) {
        cpu.state().onRecord = [](const PeerRecord& r) {
            const char* what = r.kind == PeerRecord::Enq ? "ENQ" : r.kind == PeerRecord::TcpRequest ? "TCP" : "STX";
            std::printf("%s %s%s%s\n", what, r.kind == PeerRecord::Enq ? "" : r.taskText.c_str(),
                        r.addressed ? "" : "  (other station)", r.sumOk ? "" : "  (bad frame)");
            if (r.kind != PeerRecord::TcpRequest) std::printf("    %s\n", printable(r.raw).c_str());
            std::fflush(stdout);
        };
    }
    std::string error;
    if (!cpu.start(&error, port)) {
        std::fprintf(stderr, "fakecpu: %s\n", error.c_str());
        return 1;
    }
    if (kind == FakeCpu::Kind::Serial)
        std::printf("fakecpu: RS-232C procedure %d, station %s, on %s\n", cfg.procedure,
                    cfg.station.empty() ? "none" : cfg.station.c_str(), cpu.ptyPath().c_str());
    else
        std::printf("fakecpu: TCP on 127.0.0.1:%d\n", cpu.tcpPort());
    std::fflush(stdout);

    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    while (!g_stop) ::pause();
    cpu.stop();
    return 0;
}
