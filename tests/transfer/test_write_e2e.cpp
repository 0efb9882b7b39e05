// The writes end to end on the virtual clock: dispatcher, tasks and link against the
// controller peer over the in-process ports, whole tables written and read back.
#include <gtest/gtest.h>

#include "fakecpu/ModuleModel.h"
#include "main/Link.h"
#include "main/TaskSend.h"
#include "support/PeerSettings.h"
#include "support/QuietUi.h"
#include "support/VirtualPorts.h"
#include "support/VirtualRuntime.h"
#include "transfer/WriteTrips.h"

using namespace posmod;
using namespace posmod::trips;

namespace {

struct Rig {
    Public pub;
    VirtualRuntime rt;
    ModuleModel model;
    CaptureSink sink;
    VirtualSerialPort com{rt, model};
    VirtualTcpClient sock{rt, model};
    Link link{pub, rt, com, sock, sink};
    Tasks tasks{pub, link, sink};
    QuietUi ui;
    Transfer transfer{pub, link, tasks, ui};
    TripRig trip{pub, transfer, sink, [this](const std::function<void(ModuleModel&)>& f) { f(model); }};

    Rig(int type, bool eth) : model(ModuleFamily_Of(type))
    {
        Public_Reset(pub);
        ModuleType_Set(pub, type);
        pub.SendCancel = -1;
        LinkSettings_Set(pub, eth ? 1 : 0, 1, "", 1);
        pub.set.L_PortNo = "5000";
        ModuleAddress_Of(pub.set, model);
        transfer.messages = &sink;
    }
    void expectClean()
    {
        EXPECT_TRUE(sink.texts.empty()) << sink.texts.front();
        EXPECT_TRUE(model.rejected.empty()) << model.rejected.front();
        EXPECT_EQ(model.requests.back(), "1600");
    }
};

class WriteE2E : public ::testing::TestWithParam<bool> {};

std::vector<int> allRows() { return {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}; }

TEST_P(WriteE2E, OneAxisWholeParametersAndTable)
{
    for (bool decimal : {false, true}) {
        SCOPED_TRACE(decimal);
        Rig rig(1, GetParam());
        RegisterParamTrip(rig.trip, 1, allRows(), decimal);
        std::vector<int> steps;
        for (int s = 0; s <= 255; s += decimal ? 17 : 1) steps.push_back(s);
        RegisterStepTrip(rig.trip, 1, 0, 255, steps, decimal ? 1 : -1, decimal);
        rig.expectClean();
    }
}

TEST_P(WriteE2E, TwoAxisParametersAndAStepWindow)
{
    for (int type : {2, 3, 4}) {
        SCOPED_TRACE(type);
        Rig rig(type, GetParam());
        RegisterParamTrip(rig.trip, 2, allRows(), type == 3);
        RegisterStepTrip(rig.trip, 2, 250, 255, {250, 252, 255}, 251, type == 4);
        rig.expectClean();
    }
}

TEST_P(WriteE2E, FourAxisParametersAndTable)
{
    for (bool decimal : {false, true}) {
        SCOPED_TRACE(decimal);
        Rig rig(5, GetParam());
        Zr4ParamTrip(rig.trip, decimal ? std::vector<int>{1} : std::vector<int>{0, 1, 2, 3}, decimal);
        std::vector<int> steps;
        for (int s = 0; s <= 255; s += decimal ? 51 : 1) steps.push_back(s);
        Zr4StepTrip(rig.trip, 0, 255, steps, decimal);
        rig.expectClean();
    }
}

INSTANTIATE_TEST_SUITE_P(Links, WriteE2E, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Tcp" : "Serial"; });

} // namespace
