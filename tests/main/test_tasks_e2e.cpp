// The tasks over the real link and the Qt adapters against the controller peer with the
// module model behind it, in real time: write, read back, compare, for each module family
// over a pseudo-terminal and over TCP. Kept to one connection per family and link.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "fakecpu/FakeCpu.h"
#include "fakecpu/ModuleModel.h"
#include "main/Link.h"
#include "main/TaskSend.h"
#include "platform/QtRuntime.h"
#include "platform/QtSerialPort.h"
#include "platform/QtTcpClient.h"
#include "shared/RegisterTable.h"
#include "shared/SettingsFile.h"
#include "support/CaptureSink.h"
#include "support/CoreApp.h"
#include "support/Hex.h"
#include "support/PeerSettings.h"

namespace posmod {
namespace {

struct Trip {
    const char* name;
    ModuleFamily family;
    bool tcp;
    int proc;            // RS-232C procedure
    const char* station; // RS-232C station number
    bool newCodes;
    int variant;         // four-axis memory form
    const char* slot;
};

void PrintTo(const Trip& t, std::ostream* os) { *os << t.name; }

class TasksEndToEnd : public testing::TestWithParam<Trip> {
public:
    static void SetUpTestSuite() { CoreApp_Ensure("tasks_e2e"); }
};

// Register rows written and read back: (row, low word, high word or "" for one word),
// with the module item that must hold the value afterwards.
struct RowTrip {
    int row;
    const char* low;
    const char* high;
    std::function<uint32_t(ModuleModel&)> item;
};

TEST_P(TasksEndToEnd, WriteReadBackAndStatus)
{
    const Trip& c = GetParam();
    const int type = ModuleType_Of(c.family);

    ModuleModel model(c.family);
    model.remote = "0";
    model.unit = "1";
    model.slot = c.slot;
    model.newCodes = c.newCodes;
    model.variant = c.variant;
    model.flagLate = 1;
    model.axisStatus = {0x0101, 0x0202, 0x0303, 0x0404};
    model.errorCode = {0x00E1, 0x00E2, 0x00E3, 0x00E4};
    model.current = {0x00001000, 0xFFFFF000, 0x7FFFFFFF, 0x80000000};

    Public pub;
    Public_Reset(pub);
    Settings& s = pub.set;
    LinkSettings_Set(pub, c.tcp ? 1 : 0, c.proc, c.station, 5);
    ModuleAddress_Of(s, model);
    ModuleType_Set(pub, type);
    if (type == 1) CodeTable_SetJV(pub.reg);
    if (type == 2) CodeTable_Set7W(pub.reg);

    FakeCpu peer(model, c.tcp ? FakeCpu::Kind::Tcp : FakeCpu::Kind::Serial, PeerConfig{c.proc, c.station, 0});
    std::string error;
    ASSERT_TRUE(peer.start(&error)) << error;
    if (c.tcp) s.L_PortNo = std::to_string(peer.tcpPort());
    else ::setenv("POSMOD_COM5", peer.ptyPath().c_str(), 1);

    CaptureSink sink;
    QtRuntime rt;
    QtSerialPort com(rt);
    QtTcpClient sock(rt);
    ASSERT_TRUE(com.setSettings("19200,e,7,1"));
    Link link(pub, rt, com, sock, sink);
    Tasks tasks(pub, link, sink);

    ASSERT_EQ(link.CpuConnect(type), 1);
    EXPECT_EQ(pub.TaskCode1, c.newCodes ? "A5" : "45");
    ASSERT_EQ(tasks.TaskSend(1, 1), 1);

    if (type != 5) {
        const std::vector<RowTrip> rows =
            type == 1 ? std::vector<RowTrip>{
                            {12, "5678", "1234", [](ModuleModel& m) { return m.parameter(0, 10); }},
                            {17 + 4 * 7, "0305", "", [](ModuleModel& m) { return m.stepItem(0, 7, 0); }},
                            {20 + 4 * 200, "FFFE", "FFFF", [](ModuleModel& m) { return m.stepItem(0, 200, 3); }},
                        }
                      : std::vector<RowTrip>{
                            {28, "0001", "8000", [](ModuleModel& m) { return m.parameter(1, 12); }},
                            {34 + 8 * 31, "0064", "00C8", [](ModuleModel& m) { return m.stepItem(0, 31, 1); }},
                            {37 + 8 * 255, "0BB8", "", [](ModuleModel& m) { return m.stepItem(1, 255, 2); }},
                        };
        for (const RowTrip& r : rows) {
            SCOPED_TRACE("row " + std::to_string(r.row));
            pub.reg.WriteData[r.row] = r.low;
            if (r.high[0]) pub.reg.WriteDataH[r.row] = r.high;
            ASSERT_EQ(tasks.TaskSend(2, r.row), 1);
            ASSERT_EQ(tasks.TaskSend(3, r.row), 1);
            EXPECT_EQ(pub.reg.ReadData[r.row], r.low);
            EXPECT_EQ(pub.reg.ReadDataH[r.row], r.high);
            const uint32_t expect = (r.high[0] ? std::stoul(r.high, nullptr, 16) << 16 : 0) | std::stoul(r.low, nullptr, 16);
            EXPECT_EQ(peer.withModel([&](CpuModel&) { return r.item(model); }), expect);
        }
    } else {
        // Parameters of axis C, then a step of axes B and D.
        for (int w = 0; w < 19; ++w) pub.Z4PrmAxis[2].Word[w] = hex4(0x3100 + w * 7);
        ASSERT_EQ(tasks.TaskSend(8, 2), 1);
        ASSERT_EQ(tasks.TaskSend(6, 2), 1);
        for (int w = 0; w < 19; ++w) EXPECT_EQ(pub.Z4PrmData[2][w].Word, pub.Z4PrmAxis[2].Word[w]);
        EXPECT_EQ(pub.ModuleField, "2F");

        std::string data;
        for (int w = 0; w < 18; ++w) data += hex4(0xB000 + w);
        pub.Z4StepNo = "0005";
        pub.Z4StepCmd = "880A";
        pub.Z4StepData = data;
        ASSERT_EQ(tasks.TaskSend(9, 1), 1);
        ASSERT_EQ(tasks.TaskSend(7, 5), 1);
        for (int w = 0; w < 9; ++w) {
            EXPECT_EQ(pub.Z4AutoData[5][1][w].Word, hex4(0xB000 + w));
            EXPECT_EQ(pub.Z4AutoData[5][3][w].Word, hex4(0xB009 + w));
            EXPECT_EQ(pub.Z4AutoData[5][0][w].Word, "0000");
        }
    }

    ASSERT_EQ(tasks.TaskSend(5, 0), 1);
    EXPECT_EQ(pub.StatusReg_Data[0], "0101");
    if (type != 1) {
        EXPECT_EQ(pub.StatusReg_Data[1], "0202");
    }
    if (type == 5) {
        EXPECT_EQ(pub.StatusReg_Data[3], "0404");
        EXPECT_EQ(pub.ModuleVariant, c.variant);
        EXPECT_EQ(pub.ErrorCode_Data[2], "00E3");
        EXPECT_EQ(pub.CurrentValue_Data,
                  (std::array<std::string, 4>{"00001000", "FFFFF000", "7FFFFFFF", "80000000"}));
    }
    link.TSK1600();
    link.POCLS();

    EXPECT_TRUE(sink.texts.empty()) << sink.texts.front();
    peer.withModel([&](CpuModel&) {
        EXPECT_TRUE(model.rejected.empty()) << model.rejected.front();
        return 0;
    });
    peer.stop();
    ::unsetenv("POSMOD_COM5");
}

INSTANTIATE_TEST_SUITE_P(
    Tasks, TasksEndToEnd,
    testing::Values(Trip{"OneAxisPty", ModuleFamily::OneAxis, false, 2, "", true, 0, "3"},
                    Trip{"OneAxisTcp", ModuleFamily::OneAxis, true, 1, "", true, 0, "3"},
                    Trip{"TwoAxisPtyOldCpu", ModuleFamily::TwoAxis, false, 2, "17", false, 0, "9"},
                    Trip{"TwoAxisTcp", ModuleFamily::TwoAxis, true, 1, "", true, 0, "2"},
                    Trip{"FourAxisPtyStation", ModuleFamily::FourAxis, false, 1, "17", true, 1, "4"},
                    Trip{"FourAxisTcpLongForm", ModuleFamily::FourAxis, true, 1, "", true, 2, "A"}),
    [](const testing::TestParamInfo<Trip>& i) { return std::string(i.param.name); });

} // namespace
} // namespace posmod
