// The writes in real time against the controller peer over TCP loopback and a
// pseudo-terminal, through the Qt adapters: write, read back, compare with the peer's
// module, for each model family. The pseudo-terminal runs are short (a row takes about
// half a second there).
#include <gtest/gtest.h>

#include <cstdlib>

#include "fakecpu/FakeCpu.h"
#include "main/Link.h"
#include "main/TaskSend.h"
#include "platform/QtRuntime.h"
#include "platform/QtSerialPort.h"
#include "platform/QtTcpClient.h"
#include "support/CoreApp.h"
#include "support/PeerSettings.h"
#include "support/QuietUi.h"
#include "transfer/WriteTrips.h"

namespace posmod {
namespace {

using namespace trips;

struct PeerTrip {
    const char* name;
    int type;
    bool tcp;
    std::function<void(TripRig&)> run;
};

void PrintTo(const PeerTrip& t, std::ostream* os) { *os << t.name; }

class WritePeer : public testing::TestWithParam<PeerTrip> {
public:
    static void SetUpTestSuite() { CoreApp_Ensure("write_peer"); }
};

TEST_P(WritePeer, WriteReadBackCompare)
{
    const PeerTrip& c = GetParam();
    ModuleModel model(ModuleFamily_Of(c.type));
    model.unit = "1";
    model.slot = "2";
    model.flagLate = 1;

    Public pub;
    Public_Reset(pub);
    pub.SendCancel = -1;
    LinkSettings_Set(pub, c.tcp ? 1 : 0, 1, "", 6);
    ModuleAddress_Of(pub.set, model);
    ModuleType_Set(pub, c.type);

    FakeCpu peer(model, c.tcp ? FakeCpu::Kind::Tcp : FakeCpu::Kind::Serial, PeerConfig{1, "", 0});
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
    transfer.messages = &sink;
    TripRig trip{pub, transfer, sink, [&](const std::function<void(ModuleModel&)>& f) {
                     peer.withModel([&](CpuModel&) {
                         f(model);
                         return 0;
                     });
                 }};

    c.run(trip);

    EXPECT_TRUE(sink.texts.empty()) << sink.texts.front();
    peer.withModel([&](CpuModel&) {
        EXPECT_TRUE(model.rejected.empty()) << model.rejected.front();
        EXPECT_EQ(model.requests.back(), "1600");
        return 0;
    });
    peer.stop();
    ::unsetenv("POSMOD_COM6");
}

INSTANTIATE_TEST_SUITE_P(
    Families, WritePeer,
    testing::Values(
        PeerTrip{"OneAxisTcp", 1, true,
                 [](TripRig& r) {
                     RegisterParamTrip(r, 1, {1, 5, 9, 10, 12}, false);
                     RegisterStepTrip(r, 1, 3, 4, {3}, 4, true);
                 }},
        PeerTrip{"TwoAxisTcp", 3, true,
                 [](TripRig& r) {
                     RegisterParamTrip(r, 2, {1, 2, 11, 12}, true, false);
                     RegisterStepTrip(r, 2, 100, 101, {101}, 100, false);
                 }},
        PeerTrip{"FourAxisTcp", 5, true,
                 [](TripRig& r) {
                     Zr4ParamTrip(r, {0, 3}, true);
                     Zr4StepTrip(r, 7, 10, {7, 9, 10}, false);
                 }},
        PeerTrip{"OneAxisPtyParameters", 1, false,
                 [](TripRig& r) { RegisterParamTrip(r, 1, {2, 11}, false, false); }},
        PeerTrip{"TwoAxisPtyStep", 2, false,
                 [](TripRig& r) { RegisterStepTrip(r, 2, 0, 0, {0}, -1, true, false); }},
        PeerTrip{"FourAxisPtyParameters", 5, false, [](TripRig& r) { Zr4ParamTrip(r, {2}, false); }},
        PeerTrip{"FourAxisPtyStep", 5, false, [](TripRig& r) { Zr4StepTrip(r, 200, 200, {200}, true); }}),
    [](const testing::TestParamInfo<PeerTrip>& i) { return std::string(i.param.name); });

} // namespace
} // namespace posmod
