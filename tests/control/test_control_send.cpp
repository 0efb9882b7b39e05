// "Submit" and "St_Reg" against stubs of the link, the tasks, the messages and the window.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

#include "control/ControlSend.h"

using namespace posmod;

namespace {

// Everything below the control window, recording one line of events.
struct Rig : LinkOps, TaskOps, MessageSink, ControlUi {
    Public pub;
    std::string log;
    int connectResult = 1;
    std::map<int, int> taskResult; // task -> result; 1 when missing
    bool open = false;
    bool otherOperation = false;
    int dataAnswer = 0;           // what the data dialog leaves in Z4DataCancel
    std::function<void()> during; // runs inside every task, message and status window
    ControlSend send{pub, *this, *this, *this, *this};

    void add(const std::string& e) { log += (log.empty() ? "" : " ") + e; }
    int CpuConnect(int moduleType) override
    {
        add("C" + std::to_string(moduleType));
        open = connectResult == 1;
        return connectResult;
    }
    void TSK1600() override { add("T16"); }
    void POCLS() override
    {
        add("P");
        open = false;
    }
    int TaskSend(int taskNo, int index) override
    {
        add("T" + std::to_string(taskNo) + "," + std::to_string(index));
        if (during) during();
        const auto it = taskResult.find(taskNo);
        return it == taskResult.end() ? 1 : it->second;
    }
    void show(const std::string& text, MsgIcon icon) override
    {
        add((icon == MsgIcon::None ? "M:" : icon == MsgIcon::Exclamation ? "M!:" : "M?:") + text);
        if (during) during();
    }
    void lockForm(int formNo, bool enable) override { add("L" + std::to_string(formNo) + (enable ? "+" : "-")); }
    void setHourglass(bool on) override { add(on ? "H+" : "H-"); }
    void showStatusWindow(ModelFamily f) override
    {
        const char* window = f == ModelFamily::OneAxis   ? "frmStatusJV_Reg"
                             : f == ModelFamily::TwoAxis ? "frmStatus7W_Reg"
                                                         : "frmStatusZr4_Reg";
        add(std::string("S:") + window + (open ? "(open)" : "(closed)"));
        if (during) during();
    }
    void showDataDialog() override
    {
        add("D");
        pub.Z4DataCancel = static_cast<uint8_t>(dataAnswer);
        if (dataAnswer == 0) pub.Z4DataBlock = "0000";
    }
    bool linkInUse() const override { return otherOperation; }
};

enum class Outcome { Connect0, Connect2, Task1Fails, CommandFails, AllOk };

void arrange(Rig& r, Outcome o, int commandTask)
{
    if (o == Outcome::Connect0) r.connectResult = 0;
    if (o == Outcome::Connect2) r.connectResult = 2;
    if (o == Outcome::Task1Fails) r.taskResult[1] = 2;
    if (o == Outcome::CommandFails) r.taskResult[commandTask] = 2;
}

enum class Window { JV, TwoAxis, FourAxis };

struct SubmitCase {
    const char* name;
    Window window;
    bool initial; // "Set initial command to CR"
    Outcome outcome;
    const char* log;
    ControlOutcome result;
};

const SubmitCase kSubmitCases[] = {
    {"JV_Connect0", Window::JV, false, Outcome::Connect0, "L7- H+ C1 L7+ H-", ControlOutcome::NotConnected},
    {"JV_Connect2", Window::JV, false, Outcome::Connect2, "L7- H+ C1 L7+ H-", ControlOutcome::NotConnected},
    {"JV_Task1Fails", Window::JV, false, Outcome::Task1Fails, "L7- H+ C1 T1,1 H- T16 P L7+ H-",
     ControlOutcome::Failed},
    {"JV_Task4Fails", Window::JV, false, Outcome::CommandFails, "L7- H+ C1 T1,1 T4,1 H- T16 P L7+ H-",
     ControlOutcome::Failed},
    {"JV_AllOk", Window::JV, false, Outcome::AllOk,
     "L7- H+ C1 T1,1 T4,1 H- M:Complete transmission T16 P L7+ H-", ControlOutcome::Done},
    {"JV_Initial_Connect0", Window::JV, true, Outcome::Connect0, "L7- H+ C1 L7+ H-", ControlOutcome::NotConnected},
    {"JV_Initial_Task1Fails", Window::JV, true, Outcome::Task1Fails, "L7- H+ C1 T1,1 H- T16 P L7+ H-",
     ControlOutcome::Failed},
    {"JV_Initial_AllOk", Window::JV, true, Outcome::AllOk, "L7- H+ C1 T1,1 H- M:Complete transmission T16 P L7+ H-",
     ControlOutcome::Done},
    {"7W_Connect2", Window::TwoAxis, false, Outcome::Connect2, "L8- H+ C3 L8+ H-", ControlOutcome::NotConnected},
    {"7W_Task1Fails", Window::TwoAxis, false, Outcome::Task1Fails, "L8- H+ C3 T1,1 H- T16 P L8+ H-",
     ControlOutcome::Failed},
    {"7W_Task4Fails", Window::TwoAxis, false, Outcome::CommandFails, "L8- H+ C3 T1,1 T4,1 H- T16 P L8+ H-",
     ControlOutcome::Failed},
    {"7W_AllOk", Window::TwoAxis, false, Outcome::AllOk,
     "L8- H+ C3 T1,1 T4,1 H- M:Complete transmission T16 P L8+ H-", ControlOutcome::Done},
    {"7W_Initial_AllOk", Window::TwoAxis, true, Outcome::AllOk,
     "L8- H+ C3 T1,1 H- M:Complete transmission T16 P L8+ H-", ControlOutcome::Done},
    {"Z4_Connect0", Window::FourAxis, false, Outcome::Connect0, "L9- H+ C5 L9+ H-", ControlOutcome::NotConnected},
    {"Z4_Task1Fails", Window::FourAxis, false, Outcome::Task1Fails, "L9- H+ C5 T1,1 H- T16 P L9+ H-",
     ControlOutcome::Failed},
    {"Z4_Task10Fails", Window::FourAxis, false, Outcome::CommandFails, "L9- H+ C5 T1,1 T10,1 H- T16 P L9+ H-",
     ControlOutcome::Failed},
    {"Z4_AllOk", Window::FourAxis, false, Outcome::AllOk,
     "L9- H+ C5 T1,1 T10,1 H- M:Complete transmission T16 P L9+ H-", ControlOutcome::Done},
    {"Z4_Initial_Task1Fails", Window::FourAxis, true, Outcome::Task1Fails, "L9- H+ C5 T1,1 H- T16 P L9+ H-",
     ControlOutcome::Failed},
    {"Z4_Initial_AllOk", Window::FourAxis, true, Outcome::AllOk,
     "L9- H+ C5 T1,1 H- M:Complete transmission T16 P L9+ H-", ControlOutcome::Done},
};

ControlOutcome submit(Rig& r, Window w, bool initial)
{
    switch (w) {
    case Window::JV:
        r.pub.ModuleType = 1;
        return r.send.SubmitJV(initial ? kSeigyoJVInitial : 6, {"10", "x", "x", "x"});
    case Window::TwoAxis:
        r.pub.ModuleType = 3;
        return r.send.Submit7W(initial ? kSeigyo7WInitial : 4, true, {"x", "5", "x", "x", "x"});
    case Window::FourAxis:
        r.pub.ModuleType = 5;
        r.pub.Z4CommandIndex = initial ? kZ4Initial : 3;
        return r.send.SubmitZ4({initial ? false : true, false, false, false}, {"1000", "", ""});
    }
    return ControlOutcome::Refused;
}

} // namespace

TEST(ControlSend, SubmitOverOutcomes)
{
    const char* const words[3][2] = {{"040A", "5100"}, {"2405", "1100"}, {"0221", "0000"}};
    for (const auto& c : kSubmitCases) {
        SCOPED_TRACE(c.name);
        Rig r;
        arrange(r, c.outcome, c.window == Window::FourAxis ? 10 : 4);
        EXPECT_EQ(submit(r, c.window, c.initial), c.result);
        EXPECT_EQ(r.log, c.log);
        EXPECT_EQ(r.pub.ControlWord, words[static_cast<int>(c.window)][c.initial ? 1 : 0]);
        EXPECT_FALSE(r.send.busy());
    }
}

TEST(ControlSend, SubmitStoppedBeforeTheLink)
{
    struct Case { const char* name; std::function<ControlOutcome(Rig&)> run; const char* log; };
    const Case cases[] = {
        {"JV step limit", [](Rig& r) { return r.send.SubmitJV(6, {"256", "", "", ""}); },
         "L7- M!:Data Limit Error L7+"},
        {"JV step minus", [](Rig& r) { return r.send.SubmitJV(12, {"", "", "", "-5"}); },
         "L7- M!:Data Limit Error L7+"},
        {"7W step letters", [](Rig& r) { return r.send.Submit7W(3, false, {"12a", "", "", "", ""}); },
         "L8- M!:Data Numeric Error L8+"},
        {"7W step empty", [](Rig& r) { return r.send.Submit7W(7, true, {"", "", "", "", ""}); },
         "L8- M!:Data Numeric Error L8+"},
        // The four-axis checks run before the lock: no lock, no pointer.
        {"Z4 no axis", [](Rig& r) { r.pub.Z4CommandIndex = 0; return r.send.SubmitZ4({}, {}); },
         "M!:Selected axes Setting"},
        {"Z4 not two axes",
         [](Rig& r) { r.pub.Z4CommandIndex = 10; return r.send.SubmitZ4({true, true, true, false}, {}); },
         "M!:Two axes Setting"},
        {"Z4 dialog cancelled",
         [](Rig& r) { r.pub.Z4CommandIndex = 9; r.dataAnswer = 99; return r.send.SubmitZ4({true, false, true, false}, {}); },
         "D"},
        {"Z4 sub-word limit",
         [](Rig& r) { r.pub.Z4CommandIndex = 6; return r.send.SubmitZ4({true, false, false, false}, {"65536"}); },
         "M!:Data Limit Error"},
        {"Z4 sub-word lone minus",
         [](Rig& r) { r.pub.Z4CommandIndex = 7; return r.send.SubmitZ4({true, false, false, false}, {"-"}); },
         "M!:Data Numeric Error"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Rig r;
        r.pub.ControlWord = "PREV";
        EXPECT_EQ(c.run(r), ControlOutcome::Stopped);
        EXPECT_EQ(r.log, c.log);
        EXPECT_EQ(r.pub.ControlWord, "PREV");
    }
}

TEST(ControlSend, FourAxisDataCommandOpensTheDialogBeforeTheLock)
{
    Rig r;
    r.pub.ModuleType = 5;
    r.pub.Z4CommandIndex = 10;
    EXPECT_EQ(r.send.SubmitZ4({false, true, false, true}, {}), ControlOutcome::Done);
    EXPECT_EQ(r.log, "D L9- H+ C5 T1,1 T10,1 H- M:Complete transmission T16 P L9+ H-");
    EXPECT_EQ(r.pub.ControlWord, "051A");
    EXPECT_EQ(r.pub.Z4AxisMask, 10);
}

TEST(ControlSend, StatusSnapshotOverOutcomes)
{
    struct Case { const char* name; int form, type; Outcome outcome; const char* log; ControlOutcome result; };
    const Case cases[] = {
        {"JV_Connect0", 7, 1, Outcome::Connect0, "L7- C1 L7+", ControlOutcome::NotConnected},
        {"JV_Connect2", 7, 1, Outcome::Connect2, "L7- C1 L7+", ControlOutcome::NotConnected},
        {"JV_Task5Fails", 7, 1, Outcome::CommandFails, "L7- C1 T5,0 L7+", ControlOutcome::Failed},
        {"JV_Ok", 7, 1, Outcome::AllOk, "L7- C1 T5,0 S:frmStatusJV_Reg(open) P L7+", ControlOutcome::Done},
        {"ZRH_Ok", 8, 4, Outcome::AllOk, "L8- C4 T5,0 S:frmStatus7W_Reg(open) P L8+", ControlOutcome::Done},
        {"7W_Task5Fails", 8, 2, Outcome::CommandFails, "L8- C2 T5,0 L8+", ControlOutcome::Failed},
        {"Z4_Ok", 9, 5, Outcome::AllOk, "L9- C5 T5,0 S:frmStatusZr4_Reg(open) P L9+", ControlOutcome::Done},
        {"Z4_Connect2", 9, 5, Outcome::Connect2, "L9- C5 L9+", ControlOutcome::NotConnected},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Rig r;
        r.pub.ModuleType = c.type;
        r.pub.ControlWord = "PREV";
        arrange(r, c.outcome, 5);
        EXPECT_EQ(r.send.St_Reg(c.form), c.result);
        EXPECT_EQ(r.log, c.log);
        EXPECT_EQ(r.pub.ControlWord, "PREV");
        EXPECT_FALSE(r.send.busy());
    }
}

TEST(ControlSend, OneOperationAtATime)
{
    // From inside a running command, its message and the status window: every other
    // command and snapshot is refused without a trace.
    for (int which = 0; which < 2; ++which) {
        SCOPED_TRACE(which == 0 ? "Submit" : "St_Reg");
        Rig r;
        r.pub.ModuleType = 1;
        int checks = 0;
        r.during = [&] {
            ++checks;
            EXPECT_TRUE(r.send.busy());
            const std::string before = r.log;
            r.pub.Z4CommandIndex = 14;
            EXPECT_EQ(r.send.SubmitJV(0, {}), ControlOutcome::Refused);
            EXPECT_EQ(r.send.Submit7W(0, false, {}), ControlOutcome::Refused);
            EXPECT_EQ(r.send.SubmitZ4({}, {}), ControlOutcome::Refused);
            EXPECT_EQ(r.send.St_Reg(7), ControlOutcome::Refused);
            EXPECT_EQ(r.log, before);
        };
        if (which == 0) {
            EXPECT_EQ(r.send.SubmitJV(6, {"10", "", "", ""}), ControlOutcome::Done);
            EXPECT_EQ(checks, 3); // tasks 1 and 4, "Complete transmission"
        } else {
            EXPECT_EQ(r.send.St_Reg(7), ControlOutcome::Done);
            EXPECT_EQ(checks, 2); // task 5, the status window
        }
        EXPECT_FALSE(r.send.busy());
        EXPECT_EQ(r.pub.ControlWord, which == 0 ? "040A" : "");
    }

    // A transfer or another link operation elsewhere.
    for (int which = 0; which < 2; ++which) {
        Rig r;
        (which == 0 ? r.pub.TransferBusy : r.otherOperation) = true;
        r.pub.ControlWord = "PREV";
        r.pub.Z4AxisMask = 77;
        r.pub.Z4CommandIndex = 0;
        EXPECT_EQ(r.send.SubmitJV(6, {"10", "", "", ""}), ControlOutcome::Refused);
        EXPECT_EQ(r.send.SubmitZ4({true, false, false, false}, {}), ControlOutcome::Refused);
        EXPECT_EQ(r.send.St_Reg(9), ControlOutcome::Refused);
        EXPECT_EQ(r.log, "");
        EXPECT_EQ(r.pub.ControlWord, "PREV");
        EXPECT_EQ(r.pub.Z4AxisMask, 77);
        EXPECT_EQ(r.pub.TransferBusy, which == 0);
    }
}
