// The read transfers end to end: dispatcher, tasks and link against the controller peer,
// over the in-process ports on the virtual clock.
#include <gtest/gtest.h>

#include <string>

#include "fakecpu/ModuleModel.h"
#include "main/Link.h"
#include "main/TaskSend.h"
#include "support/CaptureSink.h"
#include "support/Hex.h"
#include "support/PeerSettings.h"
#include "support/QuietUi.h"
#include "support/VirtualPorts.h"
#include "support/VirtualRuntime.h"
#include "transfer/Transfer.h"

using namespace posmod;

namespace {

// Distinct values of every item, 16-bit items below 0x10000.
uint32_t paramValue(int axis, int k) { return k >= 10 ? 0x80000000u + (axis << 20) + k * 0x1111 : 0x100u * (axis + 1) + k; }
uint32_t stepValue(int axis, int step, int item)
{
    const uint32_t base = (step << 4) | (axis << 2) | item;
    return item % 2 ? 0xC0000000u | (base << 8) | 0x5A : base | 0x8000u;
}
uint16_t z4Word(int step, int axis, int w) { return static_cast<uint16_t>(0x1000 * (axis + 1) + step * 9 + w); }

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

    Rig(int type, bool eth) : model(ModuleFamily_Of(type))
    {
        Public_Reset(pub);
        ModuleType_Set(pub, type);
        pub.SendCancel = -1;
        LinkSettings_Set(pub, eth ? 1 : 0, 1, "", 1);
        pub.set.L_PortNo = "5000";
        ModuleAddress_Of(pub.set, model);
        const int axes = type == 1 ? 1 : 2;
        for (int a = 0; a < axes; ++a) {
            for (int k = 1; k <= 12; ++k) model.parameter(a, k) = paramValue(a, k);
            for (int st = 0; st < 256; ++st)
                for (int i = 0; i < 4; ++i) model.stepItem(a, st, i) = stepValue(a, st, i);
        }
        for (int a = 0; a < 4; ++a) {
            for (int w = 0; w < 19; ++w) model.prm[a][w] = static_cast<uint16_t>(0xE000 + a * 0x100 + w);
            for (int st = 0; st < 256; ++st)
                for (int w = 0; w < 9; ++w) model.steps[st][a][w] = z4Word(st, a, w);
        }
    }
    // The row holds the module's value: low word, and the high word of a two-word row.
    void expectRow(int row, uint32_t v, bool wide)
    {
        EXPECT_EQ(pub.reg.ReadData[row], hex4(v)) << "row " << row;
        EXPECT_EQ(pub.reg.ReadDataH[row], wide ? hex4(v >> 16) : "") << "row " << row;
    }
    bool endedWithClosing() const
    {
        const auto t = model.requests;
        return !t.empty() && t.back() == "1600";
    }
};

class ReadE2E : public ::testing::TestWithParam<bool> {};

TEST_P(ReadE2E, OneAxisParametersAndAStepWindow)
{
    Rig rig(1, GetParam());
    EXPECT_EQ(rig.transfer.SendMain(1), 1);
    for (int k = 1; k <= 12; ++k) rig.expectRow(2 + k, paramValue(0, k), k >= 10);
    EXPECT_TRUE(rig.endedWithClosing());

    rig.pub.StepRange = {3, 5, 6};
    EXPECT_EQ(rig.transfer.SendMain(5), 1);
    for (int st = 5; st <= 6; ++st)
        for (int i = 0; i < 4; ++i) rig.expectRow(17 + 4 * st + i, stepValue(0, st, i), i % 2 == 1);
    EXPECT_EQ(rig.pub.reg.ReadData[36], "0"); // step 4 was not read
    EXPECT_EQ(rig.pub.reg.ReadData[45], "0"); // nor step 7
    EXPECT_TRUE(rig.sink.texts.empty());
}

TEST_P(ReadE2E, TwoAxisParametersAndAStepWindow)
{
    for (int type : {2, 3, 4}) {
        SCOPED_TRACE(type);
        Rig rig(type, GetParam());
        EXPECT_EQ(rig.transfer.SendMain(1), 1);
        for (int k = 1; k <= 12; ++k) {
            rig.expectRow(3 + 2 * k, paramValue(0, k), k >= 10);
            rig.expectRow(4 + 2 * k, paramValue(1, k), k >= 10);
        }
        rig.pub.StepRange = {3, 254, 255};
        EXPECT_EQ(rig.transfer.SendMain(5), 1);
        for (int st = 254; st <= 255; ++st)
            for (int i = 0; i < 4; ++i)
                for (int a = 0; a < 2; ++a) rig.expectRow(32 + 8 * st + 2 * i + a, stepValue(a, st, i), i % 2 == 1);
        EXPECT_TRUE(rig.endedWithClosing());
        EXPECT_TRUE(rig.sink.texts.empty());
    }
}

TEST_P(ReadE2E, FourAxisParametersStepsAndTeachingReadBack)
{
    Rig rig(5, GetParam());
    EXPECT_EQ(rig.transfer.SendMain(1), 1);
    for (int a = 0; a < 4; ++a)
        for (int w = 0; w < 19; ++w) EXPECT_EQ(rig.pub.Z4PrmData[a][w].Word, hex4(rig.model.prm[a][w]));

    rig.pub.StepRange = {3, 9, 11};
    EXPECT_EQ(rig.transfer.SendMain(5), 1);
    EXPECT_TRUE(rig.pub.Z4PrmData[0][0].Word.empty()); // the stores start empty
    for (int st = 8; st <= 12; ++st)
        for (int a = 0; a < 4; ++a)
            for (int w = 0; w < 9; ++w)
                EXPECT_EQ(rig.pub.Z4AutoData[st][a][w].Word, st >= 9 && st <= 11 ? hex4(z4Word(st, a, w)) : "")
                    << st << "/" << a << "/" << w;

    rig.model.steps[10][2][4] = 0x7777; // taught
    rig.pub.TeachStepNo = 10;
    EXPECT_EQ(rig.transfer.SendMain(11), 1);
    EXPECT_EQ(rig.pub.Z4AutoData[10][2][4].Word, "7777");
    EXPECT_EQ(rig.pub.Z4AutoData[9][0][0].Word, hex4(z4Word(9, 0, 0))); // the rest stays
    EXPECT_TRUE(rig.endedWithClosing());
    EXPECT_TRUE(rig.sink.texts.empty());
}

TEST_P(ReadE2E, CancelWhileAnItemWaitsEndsAfterThatItemAndClosesTheExchange)
{
    Rig rig(1, GetParam());
    int cancelledAtItem = -1;
    // Press Cancel while the link waits in the third register read.
    std::function<void()> watch = [&] {
        int reads = 0;
        for (const auto& t : rig.model.requests) reads += t.find("5F0") != std::string::npos;
        if (reads == 3 && cancelledAtItem < 0) {
            cancelledAtItem = reads;
            rig.transfer.cmdCancel_Click();
            return;
        }
        if (cancelledAtItem < 0) rig.rt.after(1, watch);
    };
    rig.rt.after(1, watch);
    EXPECT_EQ(rig.transfer.SendMain(1), 3);
    EXPECT_EQ(cancelledAtItem, 3);
    for (int k = 1; k <= 3; ++k) rig.expectRow(2 + k, paramValue(0, k), false); // the third completed
    EXPECT_EQ(rig.pub.reg.ReadData[6], "0");
    EXPECT_EQ(rig.transfer.progressValue(), 3);
    EXPECT_TRUE(rig.endedWithClosing());
}

INSTANTIATE_TEST_SUITE_P(Links, ReadE2E, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Tcp" : "Serial"; });

} // namespace
