// The copies between a CSV file and the module end to end, in real time, against the
// controller peer over a pseudo-terminal and over TCP: the module saved to a file, the file
// loaded into a blank module, the module saved again. The two files agree but for the status
// rows, and the blank module holds what the first one held.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <sstream>

#include "CsvTestFiles.h"
#include "fakecpu/FakeCpu.h"
#include "fakecpu/ModuleModel.h"
#include "main/Link.h"
#include "main/TaskSend.h"
#include "platform/QtFiles.h"
#include "platform/QtRuntime.h"
#include "platform/QtSerialPort.h"
#include "platform/QtTcpClient.h"
#include "support/CaptureSink.h"
#include "support/CoreApp.h"
#include "support/FakeFiles.h"
#include "support/PeerSettings.h"
#include "support/QuietUi.h"
#include "transfer/Transfer.h"

namespace posmod {
namespace {

struct Trip {
    const char* name;
    ModuleFamily family;
    bool tcp;
    int kind, axes, first, last; // the store range
};

void PrintTo(const Trip& t, std::ostream* os) { *os << t.name; }

// The read words of the status rows a save includes and a load never sends.
const std::set<std::string> kStatusKeys = {"1800", "3800", "5800", "7800", "5000", "1000", "3200", "3300"};

// What the module holds: distinct values of every item, or all zero (blank). The four-axis
// option fields hold codes that have texts.
void fill(ModuleModel& m, ModuleFamily family, bool blank)
{
    const int axes = family == ModuleFamily::OneAxis ? 1 : 2;
    if (family != ModuleFamily::FourAxis) {
        for (int a = 0; a < axes; ++a) {
            for (int k = 1; k <= 12; ++k) m.parameter(a, k) = blank ? 0 : (k >= 10 ? 0x80010000u * (a + 1) + k : 0x300u * (a + 1) + k);
            for (int s = 0; s < 256; ++s)
                for (int i = 0; i < 4; ++i)
                    m.stepItem(a, s, i) = blank ? 0 : (i % 2 ? 0xC0000000u | (s << 8) | (a << 4) | i : 0x8000u | (s << 4) | (a << 2) | i);
        }
        for (const std::string& w : kStatusKeys) m.monitor(w) = blank ? 0 : 0x1234u;
        return;
    }
    for (int a = 0; a < 4; ++a) {
        const int coin[] = {0, 1, 4, 5};
        auto& w = m.prm[static_cast<size_t>(a)];
        w[0] = blank ? 0 : static_cast<uint16_t>(((a % 2) << 12) | ((a + 1) << 8) | ((a % 2) << 4) | (a % 4));
        w[1] = blank ? 0 : static_cast<uint16_t>(((a % 4) << 8) | (((a + 1) % 4) << 4) | ((a + 2) % 4));
        w[2] = blank ? 0 : static_cast<uint16_t>(((a % 4) << 12) | ((a % 3) << 8) | (((a + 1) % 3) << 4) | coin[a]);
        for (int k = 3; k < 19; ++k) w[static_cast<size_t>(k)] = blank ? 0 : static_cast<uint16_t>(0xA000 + a * 0x100 + k);
        for (int s = 0; s < 256; ++s)
            for (int k = 0; k < 9; ++k)
                m.steps[static_cast<size_t>(s)][static_cast<size_t>(a)][static_cast<size_t>(k)] =
                    blank ? 0 : static_cast<uint16_t>(0x1000 * (a + 1) + s * 9 + k);
    }
}

// The lines of a file but those of the status rows.
std::vector<std::string> withoutStatus(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (!kStatusKeys.count(line.substr(0, 4))) lines.push_back(line);
    return lines;
}

class CsvEndToEnd : public testing::TestWithParam<Trip> {
public:
    static void SetUpTestSuite() { CoreApp_Ensure("csv_e2e"); }
};

TEST_P(CsvEndToEnd, SaveLoadIntoABlankModuleSaveAgain)
{
    const Trip& c = GetParam();
    const int type = ModuleType_Of(c.family);
    ModuleModel model(c.family);
    model.remote = "0";
    model.unit = "1";
    model.slot = "2";
    fill(model, c.family, false);
    ModuleModel expect(c.family);
    fill(expect, c.family, false);

    Public pub;
    Public_Reset(pub);
    LinkSettings_Set(pub, c.tcp ? 1 : 0, 1, "", 6);
    ModuleAddress_Of(pub.set, model);
    ModuleType_Set(pub, type);
    pub.SendCancel = -1;
    pub.set.AxisName = {"X軸", "Y,axis", "C", ""};

    FakeCpu peer(model, c.tcp ? FakeCpu::Kind::Tcp : FakeCpu::Kind::Serial);
    std::string error;
    ASSERT_TRUE(peer.start(&error)) << error;
    if (c.tcp) pub.set.L_PortNo = std::to_string(peer.tcpPort());
    else ::setenv("POSMOD_COM6", peer.ptyPath().c_str(), 1);

    CaptureSink sink;
    QtRuntime rt;
    QtSerialPort com(rt);
    QtTcpClient sock(rt);
    ASSERT_TRUE(com.setSettings("19200,e,7,1"));
    Link link(pub, rt, com, sock, sink);
    Tasks tasks(pub, link, sink);
    QuietUi ui;
    Transfer transfer(pub, link, tasks, ui);
    ScriptedFileDialog seam;
    RememberingFileDialog dialog(seam);
    QtFileWriter writer;
    transfer.CsvDialog = &dialog;
    transfer.fileWriter = &writer;
    transfer.messages = &sink;
    test::TempDir dir;
    const std::string first = dir.path("first.csv"), second = dir.path("second.csv");

    pub.CsvStoreRange = {c.kind, c.axes, c.first, c.last};
    // What went wrong, when something did: the messages and the peer's last requests.
    auto said = [&] {
        std::string out;
        for (const std::string& t : sink.texts) out += t + "; ";
        peer.withModel([&](CpuModel&) {
            const size_t n = model.requests.size();
            for (size_t i = n > 4 ? n - 4 : 0; i < n; ++i) out += model.requests[i] + " ";
            for (const std::string& r : model.rejected) out += "rejected: " + r + " ";
            return 0;
        });
        return out;
    };
    seam.answers = {first};
    ASSERT_EQ(transfer.SendMain(10), 1) << said();
    peer.withModel([&](CpuModel&) {
        fill(model, c.family, true);
        return 0;
    });
    seam.answers = {first};
    ASSERT_EQ(transfer.SendMain(9), 1) << said();
    seam.answers = {second};
    ASSERT_EQ(transfer.SendMain(10), 1) << said();

    const std::string a = test::readBytes(first), b = test::readBytes(second);
    ASSERT_FALSE(a.empty());
    EXPECT_EQ(withoutStatus(a), withoutStatus(b));
    if (c.family == ModuleFamily::FourAxis) {
        EXPECT_EQ(a, b);
    }
    EXPECT_NE(a.find("X軸"), std::string::npos);

    // The blank module now holds the items of the range as the first one did.
    const bool params = c.kind != 2, steps = c.kind != 1;
    peer.withModel([&](CpuModel&) {
        if (c.family == ModuleFamily::FourAxis) {
            for (int ax = 0; ax < 4; ++ax) {
                if (c.axes != 0 && c.axes != ax + 1) continue;
                if (params) {
                    EXPECT_EQ(model.prm[static_cast<size_t>(ax)], expect.prm[static_cast<size_t>(ax)]) << ax;
                }
                for (int s = c.first; steps && s <= c.last; ++s)
                    EXPECT_EQ(model.steps[static_cast<size_t>(s)][static_cast<size_t>(ax)],
                              expect.steps[static_cast<size_t>(s)][static_cast<size_t>(ax)])
                        << s << "/" << ax;
            }
        } else {
            const int axes = c.family == ModuleFamily::OneAxis ? 1 : 2;
            for (int ax = 0; ax < axes; ++ax) {
                if (c.family == ModuleFamily::TwoAxis && c.axes != 0 && c.axes != ax + 1) continue;
                for (int k = 1; params && k <= 12; ++k) EXPECT_EQ(model.parameter(ax, k), expect.parameter(ax, k)) << k;
                for (int s = c.first; steps && s <= c.last; ++s)
                    for (int i = 0; i < 4; ++i) EXPECT_EQ(model.stepItem(ax, s, i), expect.stepItem(ax, s, i)) << s << "/" << i;
            }
        }
        EXPECT_TRUE(model.rejected.empty()) << model.rejected.front();
        return 0;
    });
    EXPECT_TRUE(sink.texts.empty()) << sink.texts.front();
    link.POCLS();
    peer.stop();
    ::unsetenv("POSMOD_COM6");
}

INSTANTIATE_TEST_SUITE_P(
    Csv, CsvEndToEnd,
    testing::Values(Trip{"OneAxisTcp", ModuleFamily::OneAxis, true, 0, 0, 0, 1},
                    Trip{"TwoAxisTcpX", ModuleFamily::TwoAxis, true, 0, 1, 254, 255},
                    Trip{"TwoAxisTcpBothStepsOnly", ModuleFamily::TwoAxis, true, 2, 0, 3, 3},
                    Trip{"FourAxisTcp", ModuleFamily::FourAxis, true, 0, 0, 0, 2},
                    Trip{"OneAxisPtyOneStep", ModuleFamily::OneAxis, false, 2, 0, 9, 9},
                    Trip{"TwoAxisPtyYOneStep", ModuleFamily::TwoAxis, false, 2, 2, 17, 17},
                    Trip{"FourAxisPtyAxisCOneStep", ModuleFamily::FourAxis, false, 0, 3, 200, 200}),
    [](const testing::TestParamInfo<Trip>& i) { return std::string(i.param.name); });

} // namespace
} // namespace posmod
