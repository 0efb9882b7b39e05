// The control windows, the status windows and the data dialog, offscreen, on the whole
// program with a stub link and stub tasks: what "Submit" and "St_Reg" send, show, lock and
// leave behind, and that nothing else starts or closes while they run.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QTabWidget>
#include <QTest>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "UiFixture.h"
#include "control/ui/frmSeigyo7WCmd.h"
#include "control/ui/frmSeigyoJVCmd.h"
#include "control/ui/frmSeigyoZ4Cmd.h"
#include "control/ui/frmSeigyoZ4Data.h"
#include "control/ui/frmStatus7W_Reg.h"
#include "control/ui/frmStatusJV_Reg.h"
#include "control/ui/frmStatusZr4_Reg.h"
#include "params/ui/frmParmJV.h"
#include "positioning/ui/frmAutoRunZr4Mode.h"
#include "positioning/ui/frmTeach_Command.h"
#include "platform/FlexGrid.h"
#include "shared/ModelTable.h"
#include "shared/ui/FormBase.h"

using namespace posmod;
using posmod::test::UiTest;

namespace {

using Journal = std::vector<std::string>;
using Messages = std::vector<std::pair<std::string, MsgIcon>>;

// An option or check box takes a click on its indicator, not anywhere on its widget.
void clickOption(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2)); }

int ListIndexOfType(int type) { return type == 1 ? 0 : type == 5 ? 1 : type; }

QColor Back(const QLineEdit* t) { return t->palette().color(QPalette::Base); }
QColor ButtonFace() { return QApplication::palette(static_cast<QWidget*>(nullptr)).color(QPalette::Button); }
QColor WindowBack() { return QApplication::palette(static_cast<QWidget*>(nullptr)).color(QPalette::Base); }

class ControlWindows : public UiTest {
protected:
    frmMain* main_ = nullptr;

    // The tool started with the model of a module type chosen and its control window open.
    SeigyoCmdBase& open(int type)
    {
        journal.clear();
        messages.clear();
        sink.during = nullptr;
        main_ = &start();
        chooseModel(*main_, ListIndexOfType(type));
        main_->move(40, 30);
        QTest::mouseClick(main_->CpuRunStopCommand, Qt::LeftButton);
        auto* w = dynamic_cast<SeigyoCmdBase*>(forms->existingForm(Model_ForType(type).controlForm));
        EXPECT_NE(w, nullptr);
        EXPECT_TRUE(w && w->isVisible());
        return *w;
    }
    frmMain& m() { return *main_; }
    bool mainUnlocked() { return ControlEnabled(m().ParmSetCommand) && ControlEnabled(m().ExitCommand); }
    bool hourglass() { return forms->pointer.hourglass(); }
};

// ---- loading and the option click ----------------------------------------------------------

TEST_F(ControlWindows, StepWindowsLoadWithTheFirstCommandAndEnableOnlyTheChosenStepField)
{
    struct Case {
        int type;
        const char* caption;
        int stepOption, stepField, plainOption;
    };
    const Case cases[] = {
        {1, "Control command transmit (JV-ZR)", 12, 3, 9},
        {3, "Control command transmit(VELTAK7W)", 5, 2, 8},
        {4, "Control command transmit(ZRH)", 7, 4, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        auto& w = static_cast<StepCmdBase&>(open(c.type));
        EXPECT_EQ(w.windowTitle().toStdString(), c.caption);
        EXPECT_EQ(w.pos(), m().pos());
        EXPECT_TRUE(m().isVisible());
        EXPECT_TRUE(mainUnlocked());
        const auto texts = w.findChildren<QLineEdit*>();
        ASSERT_FALSE(texts.isEmpty());
        auto field = [&](int f) { return w.findChild<QLineEdit*>(QString("SeigyoText%1").arg(f + 1)); };
        auto option = [&](int i) { return w.findChild<QRadioButton*>(ArrayName("SeigyoOption", i)); };
        EXPECT_TRUE(option(0)->isChecked());
        for (QLineEdit* t : texts) {
            EXPECT_EQ(t->text(), "0");
            EXPECT_FALSE(t->isEnabled());
            EXPECT_EQ(t->maxLength(), 3);
            EXPECT_EQ(Back(t), ButtonFace());
        }
        clickOption(option(c.stepOption));
        QLineEdit* chosen = field(c.stepField);
        ASSERT_NE(chosen, nullptr);
        EXPECT_TRUE(chosen->isEnabled());
        EXPECT_EQ(Back(chosen), WindowBack());
        chosen->setText("77");
        // Another option resets the field to "0", disabled, in the button face.
        clickOption(option(c.plainOption));
        for (QLineEdit* t : texts) {
            EXPECT_EQ(t->text(), "0");
            EXPECT_FALSE(t->isEnabled());
            EXPECT_EQ(Back(t), ButtonFace());
        }
        w.close();
    }
}

TEST_F(ControlWindows, AxisNamesAreCutToTheirBytesOnTheAxisControls)
{
    // A double-byte character counts two: the cut falls before one that would not fit.
    const std::string wide = "\xE8\xBB\xB8"; // one double-byte character
    const std::string name = std::string(39, 'a') + wide + "tail";
    {
        frmMain& main = start();
        chooseModel(main, ListIndexOfType(2));
        forms->pub.set.AxisName = {name, "Y axis", "", ""};
        main.CpuRunStopCommand->click();
        auto& w = forms->window<frmSeigyo7WCmd>();
        EXPECT_EQ(w.JikOption[0]->text().toStdString(), std::string(39, 'a'));
        EXPECT_EQ(w.JikOption[1]->text(), "Y axis");
        EXPECT_TRUE(w.JikOption[0]->isChecked());
        EXPECT_EQ(w.windowTitle(), "Control command transmit(VELTA-7W)");
    }
    {
        frmMain& main = start();
        chooseModel(main, ListIndexOfType(5));
        forms->pub.set.AxisName = {"abcdefghijklm" + wide, "B axis", "0123456789abcdefgh", ""};
        main.CpuRunStopCommand->click();
        auto& w = forms->window<frmSeigyoZ4Cmd>();
        EXPECT_EQ(w.windowTitle(), "Control command transmit(JV-ZR4)");
        EXPECT_EQ(w.JikCheck[0]->text().toStdString(), "abcdefghijklm");
        EXPECT_EQ(w.JikCheck[2]->text().toStdString(), "0123456789abcd");
        EXPECT_EQ(w.JikCheck[3]->text(), "");
        for (QCheckBox* c : w.JikCheck) EXPECT_FALSE(c->isChecked());
    }
}

TEST_F(ControlWindows, FourAxisFieldsFollowTheCommandAndTheIndexFollowsTheOption)
{
    auto& w = static_cast<frmSeigyoZ4Cmd&>(open(5));
    EXPECT_EQ(forms->pub.Z4CommandIndex, 0);
    EXPECT_TRUE(w.SeigyoOption[0]->isChecked());
    struct Case {
        int option;
        std::vector<std::pair<const char*, const char*>> labels; // FLabel / BLabel of the enabled fields
        int length0;                                              // maximum length of field 0
    };
    const Case cases[] = {
        {3, {{"Pulses", ""}}, 5},
        {11, {{"Starting step", "Step"}, {"Ending step", "Step"}, {"Repeat No", ""}}, 3},
        {6, {{"Pulses", ""}}, 5},
        {7, {{"Step No", "Step"}}, 3},
        {13, {}, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.option);
        w.SeigyoText[1]->setText("9"); // every choice starts the fields from "0"
        clickOption(w.SeigyoOption[static_cast<size_t>(c.option)]);
        EXPECT_EQ(forms->pub.Z4CommandIndex, c.option);
        for (size_t k = 0; k < 3; ++k) {
            const bool on = k < c.labels.size();
            EXPECT_EQ(w.SeigyoText[k]->isEnabled(), on) << k;
            EXPECT_EQ(w.SeigyoText[k]->text(), "0");
            EXPECT_EQ(Back(w.SeigyoText[k]), on ? WindowBack() : ButtonFace());
            EXPECT_EQ(w.FLabel[k]->text().toStdString(), on ? c.labels[k].first : "");
            EXPECT_EQ(w.BLabel[k]->text().toStdString(), on ? c.labels[k].second : "");
            if (k > 0) {
                EXPECT_EQ(w.SeigyoText[k]->maxLength(), 3);
            }
        }
        if (!c.labels.empty()) {
            EXPECT_EQ(w.SeigyoText[0]->maxLength(), c.length0);
            EXPECT_EQ(w.focusWidget(), w.SeigyoText[0]);
        }
    }
}

// ---- "Submit" ------------------------------------------------------------------------------

enum class Outcome { Connect0, Connect2, Task1Fails, CommandFails, AllOk };

struct SubmitCase {
    int type;
    bool initial; // "Set initial command to CR"
    Outcome outcome;
};

std::string Name(const SubmitCase& c)
{
    static const char* const outcomes[] = {"Connect0", "Connect2", "Task1Fails", "CommandFails", "AllOk"};
    return "Type" + std::to_string(c.type) + (c.initial ? "Initial" : "Command") + outcomes[static_cast<int>(c.outcome)];
}

void PrintTo(const SubmitCase& c, std::ostream* os) { *os << Name(c); }

std::vector<SubmitCase> SubmitCases()
{
    std::vector<SubmitCase> v;
    for (int type : {1, 3, 5})
        for (bool initial : {false, true})
            for (Outcome o : {Outcome::Connect0, Outcome::Connect2, Outcome::Task1Fails, Outcome::CommandFails,
                              Outcome::AllOk})
                if (!(initial && o == Outcome::CommandFails)) v.push_back({type, initial, o});
    return v;
}

class SubmitContract : public ControlWindows, public ::testing::WithParamInterface<SubmitCase> {};

TEST_P(SubmitContract, SendsLocksAndRestores)
{
    const SubmitCase& c = GetParam();
    SeigyoCmdBase& w = open(c.type);
    const int commandTask = c.type == 5 ? 10 : 4;
    // A command with a step or sub-word, or the initial word only.
    const char* word = "";
    if (auto* jv = dynamic_cast<frmSeigyoJVCmd*>(&w)) {
        jv->SeigyoOption[c.initial ? 13 : 6]->click();
        jv->SeigyoText[0]->setText("10");
        word = c.initial ? "5100" : "040A";
    } else if (auto* tw = dynamic_cast<frmSeigyo7WCmd*>(&w)) {
        tw->JikOption[1]->click();
        tw->SeigyoOption[c.initial ? 9 : 4]->click();
        tw->SeigyoText[1]->setText("5");
        word = c.initial ? "1100" : "2405";
    } else if (auto* z4 = dynamic_cast<frmSeigyoZ4Cmd*>(&w)) {
        if (!c.initial) z4->JikCheck[0]->click();
        z4->SeigyoOption[c.initial ? 14 : 3]->click();
        z4->SeigyoText[0]->setText("1000");
        word = c.initial ? "0000" : "0221";
    }

    switch (c.outcome) {
    case Outcome::Connect0: link->connectResult = 0; break;
    case Outcome::Connect2: link->connectResult = 2; break;
    case Outcome::Task1Fails: tasks->resultOf[1] = 2; break;
    case Outcome::CommandFails: tasks->resultOf[commandTask] = 2; break;
    case Outcome::AllOk: break;
    }
    int inside = 0;
    tasks->during = [&](int) {
        ++inside;
        EXPECT_TRUE(hourglass());
        EXPECT_FALSE(ControlEnabled(w.SendCommand));
        EXPECT_FALSE(ControlEnabled(w.SeigyoFrame));
        EXPECT_FALSE(mainUnlocked());
    };
    sink.during = [&] {
        EXPECT_FALSE(hourglass()) << "the pointer is normal under the box";
        EXPECT_FALSE(ControlEnabled(w.SendCommand));
        EXPECT_FALSE(mainUnlocked());
    };

    QTest::mouseClick(w.SendCommand, Qt::LeftButton);

    Journal expected = {"connect"};
    if (c.outcome != Outcome::Connect0 && c.outcome != Outcome::Connect2) {
        expected.push_back("task 1");
        if (c.outcome != Outcome::Task1Fails && !c.initial) expected.push_back("task " + std::to_string(commandTask));
        expected.push_back("1600");
        expected.push_back("close");
    }
    EXPECT_EQ(journal, expected);
    EXPECT_EQ(inside, std::count_if(expected.begin(), expected.end(),
                                    [](const std::string& e) { return e.starts_with("task"); }));
    const Messages complete = {{"Complete transmission", MsgIcon::None}};
    EXPECT_EQ(messages, c.outcome == Outcome::AllOk ? complete : Messages{});
    EXPECT_EQ(forms->pub.ControlWord, word);
    if (c.type == 5 && !c.initial) {
        EXPECT_EQ(forms->pub.Z4SubData1, "03E8");
    }
    EXPECT_FALSE(hourglass());
    for (QObject* o : {static_cast<QObject*>(w.SendCommand), static_cast<QObject*>(w.StRegCommand),
                       static_cast<QObject*>(w.EndCommand), static_cast<QObject*>(w.SeigyoFrame)})
        EXPECT_TRUE(ControlEnabled(o)) << o->objectName().toStdString();
    EXPECT_TRUE(mainUnlocked());
    EXPECT_TRUE(forms->FormControl_Enabled(form::frmMain));
    EXPECT_FALSE(forms->pub.ControlBusy);
    EXPECT_TRUE(w.isVisible());
}

INSTANTIATE_TEST_SUITE_P(AllOutcomes, SubmitContract, ::testing::ValuesIn(SubmitCases()),
                         [](const auto& info) { return Name(info.param); });

TEST_F(ControlWindows, EntryErrorsStopBeforeTheLinkAndTheFourAxisChecksBeforeTheLock)
{
    struct Case {
        const char* name;
        int type;
        std::function<void(SeigyoCmdBase&)> choose;
        const char* message;  // nullptr: none (the data dialog cancelled)
        bool lockedUnderBox;  // the one- and two-axis windows compose under their lock
    };
    auto jv = [](int option, const char* step) {
        return [=](SeigyoCmdBase& b) {
            auto& w = static_cast<frmSeigyoJVCmd&>(b);
            w.SeigyoOption[static_cast<size_t>(option)]->click();
            for (QLineEdit* t : w.SeigyoText) t->setText(step);
        };
    };
    auto tw = [](int option, const char* step) {
        return [=](SeigyoCmdBase& b) {
            auto& w = static_cast<frmSeigyo7WCmd&>(b);
            w.SeigyoOption[static_cast<size_t>(option)]->click();
            for (QLineEdit* t : w.SeigyoText) t->setText(step);
        };
    };
    auto z4 = [](std::vector<int> axes, int option, std::vector<const char*> fields) {
        return [=](SeigyoCmdBase& b) {
            auto& w = static_cast<frmSeigyoZ4Cmd&>(b);
            for (int a : axes) w.JikCheck[static_cast<size_t>(a)]->click();
            w.SeigyoOption[static_cast<size_t>(option)]->click();
            for (size_t k = 0; k < fields.size(); ++k) w.SeigyoText[k]->setText(fields[k]);
        };
    };
    const Case cases[] = {
        {"JV step 256", 1, jv(6, "256"), "Data Limit Error", true},
        {"JV step -5", 1, jv(12, "-5"), "Data Limit Error", true},
        {"7W step 12a", 2, tw(3, "12a"), "Data Numeric Error", true},
        {"7W step empty", 4, tw(7, ""), "Data Numeric Error", true},
        {"Z4 no axis", 5, z4({}, 0, {}), "Selected axes Setting", false},
        {"Z4 three axes circular", 5, z4({0, 1, 3}, 10, {}), "Two axes Setting", false},
        {"Z4 pulses 65536", 5, z4({1}, 6, {"65536"}), "Data Limit Error", false},
        {"Z4 ending step minus", 5, z4({1}, 11, {"1", "-", "3"}), "Data Numeric Error", false},
        // Each field's digit check, then its range, before the next field.
        {"Z4 start -5 before end x", 5, z4({2}, 11, {"-5", "x", "3"}), "Data Limit Error", false},
        {"Z4 data dialog cancelled", 5, z4({0, 2}, 9, {}), nullptr, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SeigyoCmdBase& w = open(c.type);
        c.choose(w);
        forms->pub.ControlWord = "PREV";
        forms->pub.Z4SubData1 = "SUB1";
        forms->runDialog = [&](QDialog& d) {
            auto* data = dynamic_cast<frmSeigyoZ4Data*>(&d);
            ASSERT_NE(data, nullptr);
            d.show();
            QTest::mouseClick(data->DataCancelCommand, Qt::LeftButton);
        };
        sink.during = [&] {
            EXPECT_EQ(ControlEnabled(w.SendCommand), !c.lockedUnderBox);
            EXPECT_EQ(mainUnlocked(), !c.lockedUnderBox);
            EXPECT_FALSE(hourglass());
        };
        QTest::mouseClick(w.SendCommand, Qt::LeftButton);
        EXPECT_TRUE(journal.empty());
        const Messages box = {{c.message ? c.message : "", MsgIcon::Exclamation}};
        EXPECT_EQ(messages, c.message ? box : Messages{});
        EXPECT_EQ(forms->pub.ControlWord, "PREV");
        EXPECT_EQ(forms->pub.Z4SubData1, "SUB1");
        EXPECT_TRUE(ControlEnabled(w.SendCommand));
        EXPECT_TRUE(mainUnlocked());
        EXPECT_FALSE(hourglass());
    }
}

// ---- the data dialog through "Submit" -------------------------------------------------------

TEST_F(ControlWindows, EveryDataCommandOpensAFreshDialogBeforeTheLock)
{
    auto& w = static_cast<frmSeigyoZ4Cmd&>(open(5));
    w.move(120, 90);
    w.JikCheck[0]->click();
    w.SeigyoOption[8]->click();
    int openings = 0;
    forms->runDialog = [&](QDialog& d) {
        auto& data = dynamic_cast<frmSeigyoZ4Data&>(d);
        ++openings;
        EXPECT_EQ(d.pos(), w.pos());
        EXPECT_EQ(d.windowModality(), Qt::ApplicationModal);
        EXPECT_TRUE(ControlEnabled(w.SendCommand)) << "the window is locked only to send";
        EXPECT_TRUE(mainUnlocked());
        EXPECT_FALSE(hourglass());
        EXPECT_EQ(forms->pub.Z4AxisMask, 1);
        d.show();
        EXPECT_EQ(data.SeText[0][0]->text(), "0000") << "defaults at every opening";
        EXPECT_TRUE(data.HexZ4Option->isChecked());
        data.SeText[0][0]->setText("1234");
        if (openings == 1) data.close(); // the close box: cancelled
        else QTest::mouseClick(data.DataSetCommand, Qt::LeftButton);
    };
    QTest::mouseClick(w.SendCommand, Qt::LeftButton);
    EXPECT_TRUE(journal.empty());
    EXPECT_EQ(forms->pub.Z4DataCancel, 99);
    QTest::mouseClick(w.SendCommand, Qt::LeftButton);
    EXPECT_EQ(openings, 2);
    EXPECT_EQ(journal, (Journal{"connect", "task 1", "task 10", "1600", "close"}));
    EXPECT_EQ(forms->pub.Z4DataCancel, 0);
    EXPECT_EQ(forms->pub.Z4DataBlock, "1234" + std::string(24, '0'));
    EXPECT_EQ(forms->pub.ControlWord, "0401");
    EXPECT_EQ(messages, (Messages{{"Complete transmission", MsgIcon::None}}));
}

// ---- "St_Reg" ------------------------------------------------------------------------------

struct SnapshotCase {
    int type;
    Outcome outcome; // Connect0, Connect2, CommandFails (task 5), AllOk
};

class SnapshotContract : public ControlWindows, public ::testing::WithParamInterface<SnapshotCase> {};

TEST_P(SnapshotContract, ShowsTheFamilysWindowWhileTheLinkIsOpen)
{
    const SnapshotCase& c = GetParam();
    SeigyoCmdBase& w = open(c.type);
    w.move(200, 150);
    if (c.outcome == Outcome::Connect0) link->connectResult = 0;
    if (c.outcome == Outcome::Connect2) link->connectResult = 2;
    if (c.outcome == Outcome::CommandFails) tasks->resultOf[5] = 2;
    forms->pub.ControlWord = "PREV";
    forms->pub.StatusReg_Data = {"C305", "0A00", "0000", "FFFF"};
    tasks->during = [&](int) {
        EXPECT_FALSE(hourglass());
        EXPECT_FALSE(ControlEnabled(w.StRegCommand));
        EXPECT_FALSE(mainUnlocked());
    };
    std::vector<std::string> shown;
    forms->runDialog = [&](QDialog& d) {
        shown.push_back(d.objectName().toStdString());
        EXPECT_EQ(d.pos(), w.pos());
        EXPECT_EQ(d.windowModality(), Qt::ApplicationModal);
        EXPECT_EQ(journal, (Journal{"connect", "task 5"})) << "the link stays open under the window";
        EXPECT_FALSE(hourglass());
        EXPECT_FALSE(ControlEnabled(w.SendCommand));
        EXPECT_FALSE(mainUnlocked());
        EXPECT_FALSE(w.close()) << "the control window stays while its window is up";
        auto* status = dynamic_cast<StatusRegBase*>(&d);
        ASSERT_NE(status, nullptr);
        EXPECT_EQ(status->StLabel2->text(), "HC305");
        d.show();
        QTest::mouseClick(status->Status_RegCommand, Qt::LeftButton);
        EXPECT_FALSE(d.isVisible());
    };

    QTest::mouseClick(w.StRegCommand, Qt::LeftButton);

    const bool ok = c.outcome == Outcome::AllOk;
    const bool connected = c.outcome == Outcome::CommandFails || ok;
    Journal expected = {"connect"};
    if (connected) expected.push_back("task 5");
    if (ok) expected.push_back("close");
    EXPECT_EQ(journal, expected);
    static const char* const windows[] = {"", "frmStatusJV_Reg", "frmStatus7W_Reg", "frmStatus7W_Reg",
                                          "frmStatus7W_Reg", "frmStatusZr4_Reg"};
    EXPECT_EQ(shown, ok ? std::vector<std::string>(1, windows[c.type]) : std::vector<std::string>());
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(forms->pub.ControlWord, "PREV");
    EXPECT_FALSE(hourglass());
    EXPECT_TRUE(ControlEnabled(w.StRegCommand));
    EXPECT_TRUE(ControlEnabled(w.SendCommand));
    EXPECT_TRUE(mainUnlocked());
    EXPECT_FALSE(forms->pub.ControlBusy);
    EXPECT_TRUE(w.isVisible());
}

std::vector<SnapshotCase> SnapshotCases()
{
    std::vector<SnapshotCase> v;
    for (int type : {1, 2, 4, 5})
        for (Outcome o : {Outcome::Connect0, Outcome::Connect2, Outcome::CommandFails, Outcome::AllOk})
            v.push_back({type, o});
    return v;
}

std::string Name(const SnapshotCase& c)
{
    static const char* const outcomes[] = {"Connect0", "Connect2", "", "Task5Fails", "Ok"};
    return "Type" + std::to_string(c.type) + outcomes[static_cast<int>(c.outcome)];
}
void PrintTo(const SnapshotCase& c, std::ostream* os) { *os << Name(c); }
std::string SnapshotName(const ::testing::TestParamInfo<SnapshotCase>& info) { return Name(info.param); }

INSTANTIATE_TEST_SUITE_P(AllOutcomes, SnapshotContract, ::testing::ValuesIn(SnapshotCases()), SnapshotName);

// ---- one operation at a time, and the main window's lock ------------------------------------

TEST_F(ControlWindows, NothingStartsOrClosesWhileACommandOrSnapshotRuns)
{
    for (bool snapshot : {false, true}) {
        for (bool editorOpen : {false, true}) {
            SCOPED_TRACE(std::string(snapshot ? "St_Reg" : "Submit") + (editorOpen ? " beside an editor" : ""));
            journal.clear();
            messages.clear();
            auto& w = static_cast<frmSeigyoJVCmd&>(open(1));
            w.SeigyoOption[6]->click();
            w.SeigyoText[0]->setText("10");
            QWidget* editor = nullptr;
            if (editorOpen) {
                QTest::mouseClick(m().ParmCsvCommand, Qt::LeftButton);
                editor = forms->existingForm(form::frmParmJV);
                ASSERT_TRUE(editor && editor->isVisible());
                ASSERT_FALSE(m().isVisible());
            }
            std::vector<std::string> dialogs;
            int pokes = 0;
            bool poking = false;
            // Everything a person could reach while the handler waits.
            auto poke = [&] {
                if (poking) return;
                poking = true;
                ++pokes;
                const Journal before = journal;
                const size_t messagesBefore = messages.size();
                EXPECT_FALSE(mainUnlocked());
                for (QPushButton* b : {m().ParmSetCommand, m().AutoSetCommand, m().CpuRunStopCommand,
                                       m().ParmCsvCommand, m().AutoCsvCommand, m().ExitCommand})
                    QTest::mouseClick(b, Qt::LeftButton);
                m().mnuExit->trigger();
                EXPECT_FALSE(m().close()) << "the main window's close box";
                EXPECT_FALSE(w.close()) << "the control window's close box";
                QTest::mouseClick(w.EndCommand, Qt::LeftButton);
                QTest::mouseClick(w.SendCommand, Qt::LeftButton);
                QTest::mouseClick(w.StRegCommand, Qt::LeftButton);
                // The handlers themselves, as an event queued before the lock would reach them.
                w.SendCommand_Click();
                w.StRegCommand_Click();
                EXPECT_EQ(forms->SendMain(1), 0) << "a transfer";
                if (editor) {
                    EXPECT_FALSE(editor->close());
                }
                EXPECT_EQ(journal, before);
                EXPECT_EQ(messages.size(), messagesBefore);
                EXPECT_EQ(endings, 0);
                EXPECT_TRUE(w.isVisible());
                EXPECT_EQ(m().isVisible(), !editorOpen);
                for (int n = 1; n < form::kCount; ++n) {
                    QWidget* other = forms->existingForm(n);
                    if (other && other != &w && other != editor) {
                        EXPECT_FALSE(other->isVisible()) << other->objectName().toStdString();
                    }
                }
                poking = false;
            };
            tasks->during = [&](int) { poke(); };
            sink.during = poke;
            forms->runDialog = [&](QDialog& d) {
                dialogs.push_back(d.objectName().toStdString());
                if (!poking) poke();
            };
            QTest::mouseClick(snapshot ? w.StRegCommand : w.SendCommand, Qt::LeftButton);

            EXPECT_EQ(dialogs, snapshot ? std::vector<std::string>(1, "frmStatusJV_Reg") : std::vector<std::string>());
            EXPECT_EQ(pokes, snapshot ? 2 : 3); // tasks and the box, or task 5 and the status window
            const Journal snapshotJournal = {"connect", "task 5", "close"};
            const Journal submitJournal = {"connect", "task 1", "task 4", "1600", "close"};
            EXPECT_EQ(journal, snapshot ? snapshotJournal : submitJournal);
            // The main window is back as it was: unlocked, or still locked under the editor.
            EXPECT_EQ(mainUnlocked(), !editorOpen);
            EXPECT_EQ(forms->FormControl_Enabled(form::frmMain), !editorOpen);
            EXPECT_EQ(m().isVisible(), !editorOpen);
            EXPECT_TRUE(ControlEnabled(w.SendCommand));
            EXPECT_TRUE(w.isVisible());
            if (editor) {
                EXPECT_TRUE(editor->close());
                EXPECT_TRUE(mainUnlocked());
                EXPECT_TRUE(m().isVisible());
            }
            // Idle again, the window closes.
            EXPECT_TRUE(w.close());
            EXPECT_TRUE(m().isVisible());
        }
    }
}

TEST_F(ControlWindows, TeachingDoesNotStartUnderACommandOrSnapshot)
{
    for (bool snapshot : {false, true}) {
        SCOPED_TRACE(snapshot ? "St_Reg" : "Submit");
        auto& w = static_cast<frmSeigyoZ4Cmd&>(open(5));
        w.JikCheck[0]->click();
        w.SeigyoOption[0]->click();
        // The four-axis editor beside the control window, in CSV work (nothing read).
        Public& p = forms->pub;
        p.StepRange = {3, 0, 2};
        p.DataSourceCaption = "[Csv file]";
        forms->openAtMain(form::frmAutoRunZr4Mode);
        auto& editor = forms->window<frmAutoRunZr4Mode>();
        ASSERT_TRUE(editor.isVisible());
        ASSERT_TRUE(editor.Teach_Command->isEnabled());
        journal.clear();
        std::vector<std::string> dialogs;
        forms->runDialog = [&](QDialog& d) {
            dialogs.push_back(d.objectName().toStdString());
            // A teaching dialog that did open is answered and sent, so a missing guard shows.
            if (auto* t = qobject_cast<frmTeach_Command*>(&d)) {
                d.show();
                t->JikCheck[0]->setChecked(true);
                t->StepText->setText("1");
                QTest::mouseClick(t->DataSetCommand, Qt::LeftButton);
            }
        };
        int pokes = 0;
        tasks->during = [&](int) {
            if (pokes++) return;
            const Journal before = journal;
            QTest::mouseClick(editor.Teach_Command, Qt::LeftButton);
            EXPECT_EQ(journal, before);
        };
        QTest::mouseClick(snapshot ? w.StRegCommand : w.SendCommand, Qt::LeftButton);
        const Journal snapshotJournal = {"connect", "task 5", "close"};
        const Journal submitJournal = {"connect", "task 1", "task 10", "1600", "close"};
        EXPECT_EQ(journal, snapshot ? snapshotJournal : submitJournal);
        EXPECT_EQ(dialogs, snapshot ? std::vector<std::string>{"frmStatusZr4_Reg"} : std::vector<std::string>{});
        EXPECT_TRUE(editor.Teach_Command->isEnabled());
        tasks->during = nullptr;
        editor.close();
        w.close();
    }
}

TEST_F(ControlWindows, ACommandRefusedUnderATransferTouchesNothing)
{
    auto& w = static_cast<frmSeigyoJVCmd&>(open(1));
    forms->pub.TransferBusy = true;
    forms->pub.ControlWord = "PREV";
    w.SendCommand_Click();
    w.StRegCommand_Click();
    EXPECT_TRUE(journal.empty());
    EXPECT_EQ(forms->pub.ControlWord, "PREV");
    EXPECT_TRUE(mainUnlocked());
    EXPECT_TRUE(ControlEnabled(w.SendCommand));
    forms->pub.TransferBusy = false;
}

TEST_F(ControlWindows, ChoosingAnotherModelClosesTheControlWindow)
{
    SeigyoCmdBase& w = open(2);
    chooseModel(m(), ListIndexOfType(2)); // the same model again
    EXPECT_TRUE(w.isVisible());
    chooseModel(m(), ListIndexOfType(4)); // same window, another model
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(m().isVisible());
    QTest::mouseClick(m().CpuRunStopCommand, Qt::LeftButton);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.windowTitle(), "Control command transmit(ZRH)");
    chooseModel(m(), ListIndexOfType(5));
    EXPECT_FALSE(w.isVisible());
}

// ---- the status windows --------------------------------------------------------------------

void ExpectColumn2(const FlexGrid* g, const std::vector<std::string>& texts)
{
    for (int r = 1; r <= 9; ++r) EXPECT_EQ(g->TextMatrix(r, 2), texts[static_cast<size_t>(r - 1)]) << "row " << r;
}

const std::vector<std::string> kC305 = {"During communication error", "During handshake", "During normal",
                                        "During normal", "During HALT", "During normal", "During Stand-by",
                                        "During RUN", "H05"};

TEST(StatusWindows, GridsAreLaidOutAsTheirTable)
{
    test::app();
    Public pub;
    Public_Reset(pub);
    frmStatusJV_Reg jv(pub);
    frmStatus7W_Reg two(pub);
    frmStatusZr4_Reg four(pub);
    struct Case { std::vector<FlexGrid*> grids; int width; std::vector<int> widths, aligns; };
    const Case cases[] = {
        {{jv.Status_RegGrid}, 5800, {600, 2400, 2700}, {5, 2, 5}},
        {{two.Status7W_RegGrid.begin(), two.Status7W_RegGrid.end()}, 5900, {600, 2390, 2800}, {4, 4, 4}},
        {{four.StatusZr4_RegGrid.begin(), four.StatusZr4_RegGrid.end()}, 5900, {600, 2390, 2800}, {4, 4, 4}},
    };
    for (const Case& c : cases) {
        for (const FlexGrid* g : c.grids) {
            SCOPED_TRACE(g->objectName().toStdString());
            EXPECT_EQ(g->Rows(), 10);
            EXPECT_EQ(g->Cols(), 3);
            EXPECT_EQ(g->GridWidth(), c.width);
            EXPECT_EQ(g->GridHeight(), 3100);
            for (int col = 0; col < 3; ++col) {
                EXPECT_EQ(g->ColWidth(col), c.widths[static_cast<size_t>(col)]);
                EXPECT_EQ(g->ColAlignment(col), c.aligns[static_cast<size_t>(col)]);
            }
            for (int r = 0; r < 10; ++r) EXPECT_EQ(g->RowHeight(r), 300);
            EXPECT_EQ(g->TextMatrix(0, 0), "No.");
            EXPECT_EQ(g->TextMatrix(0, 1), "Bit Name");
            EXPECT_EQ(g->TextMatrix(0, 2), "Setting content");
            EXPECT_EQ(g->TextMatrix(1, 1), "Communication error bit");
            EXPECT_EQ(g->TextMatrix(6, 1), "+-O.RUN");
            EXPECT_EQ(g->TextMatrix(9, 0), "9");
            EXPECT_EQ(g->TextMatrix(9, 1), "Step No.");
        }
    }
    for (QDialog* d : {static_cast<QDialog*>(&jv), static_cast<QDialog*>(&two), static_cast<QDialog*>(&four)})
        EXPECT_EQ(d->windowTitle(), "Status resister");
    EXPECT_EQ(jv.objectName(), "frmStatusJV_Reg");
    EXPECT_EQ(two.P7WRegSSTab->objectName(), "P7WRegSSTab");
    EXPECT_EQ(four.StatusZr4_RegGrid[3]->objectName(), "StatusZr4_RegGrid(3)");
}

TEST(StatusWindows, OneAxisShowsItsWordAndOkCloses)
{
    test::app();
    Public pub;
    Public_Reset(pub);
    pub.StatusReg_Data[0] = "C305";
    frmStatusJV_Reg d(pub);
    EXPECT_EQ(d.StLabel1->text(), "Status resister :");
    EXPECT_EQ(d.StLabel2->text(), "HC305");
    ExpectColumn2(d.Status_RegGrid, kC305);
    for (int viaCloseBox : {0, 1}) {
        d.show();
        if (viaCloseBox) d.close();
        else QTest::mouseClick(d.Status_RegCommand, Qt::LeftButton);
        EXPECT_FALSE(d.isVisible());
        EXPECT_EQ(d.result(), viaCloseBox ? QDialog::Rejected : QDialog::Accepted);
    }
}

TEST(StatusWindows, TwoAxisTabsShowTheirAxisWord)
{
    test::app();
    Public pub;
    Public_Reset(pub);
    pub.StatusReg_Data = {"C305", "0000", "", ""};
    const std::string wide = "\xE8\xBB\xB8";
    pub.set.AxisName = {std::string(23, 'x') + wide, "Y axis", "", ""};
    frmStatus7W_Reg d(pub);
    EXPECT_EQ(d.P7WRegSSTab->count(), 2);
    EXPECT_EQ(d.P7WRegSSTab->tabText(0).toStdString(), std::string(23, 'x'));
    EXPECT_EQ(d.P7WRegSSTab->tabText(1), "Y axis");
    EXPECT_EQ(d.P7WRegSSTab->currentIndex(), 0);
    EXPECT_EQ(d.StLabel1->text(), "X axis, Status resister :");
    EXPECT_EQ(d.StLabel2->text(), "HC305");
    ExpectColumn2(d.Status7W_RegGrid[0], kC305);
    d.P7WRegSSTab->setCurrentIndex(1);
    EXPECT_EQ(d.StLabel1->text(), "Y axis, Status resister :");
    EXPECT_EQ(d.StLabel2->text(), "H0000");
    ExpectColumn2(d.Status7W_RegGrid[1], {"During normal", "During communication initial", "During normal",
                                          "During normal", "During HALT", "During normal", "During not Stand-by",
                                          "During HALT", "H00"});
    d.P7WRegSSTab->setCurrentIndex(0);
    EXPECT_EQ(d.StLabel1->text(), "X axis, Status resister :");
    EXPECT_EQ(d.StLabel2->text(), "HC305");
}

TEST(StatusWindows, FourAxisTabsShowWordErrorCodeAndCurrentValue)
{
    test::app();
    Public pub;
    Public_Reset(pub);
    pub.StatusReg_Data = {"0000", "0101", "C305", "8000"};
    pub.ErrorCode_Data = {"0000", "00E2", "00E3", "00E4"};
    pub.CurrentValue_Data = {"00000000", "00001000", "FFFFF000", "80000000"};
    pub.set.AxisName = {"A axis", "Spindle B long", "C", ""};
    frmStatusZr4_Reg d(pub);
    EXPECT_EQ(d.Zr4RegSSTab->count(), 4);
    EXPECT_EQ(d.Zr4RegSSTab->tabText(1), "Spindle B l");
    EXPECT_EQ(d.Zr4RegSSTab->tabText(3), "");
    EXPECT_EQ(d.StLabel1->text(), "A axis, Status resister :");
    EXPECT_EQ(d.ErLabel1->text(), "A axis, Error Code :");
    EXPECT_EQ(d.IchiLabel1->text(), "A axis, Current value :");
    EXPECT_EQ(d.IchiLabel2->text(), "H00000000");
    d.Zr4RegSSTab->setCurrentIndex(2);
    EXPECT_EQ(d.StLabel1->text(), "C axis, Status resister :");
    EXPECT_EQ(d.StLabel2->text(), "HC305");
    EXPECT_EQ(d.ErLabel1->text(), "C axis, Error Code :");
    EXPECT_EQ(d.ErLabel2->text(), "H00E3");
    EXPECT_EQ(d.IchiLabel1->text(), "C axis, Current value :");
    EXPECT_EQ(d.IchiLabel2->text(), "HFFFFF000");
    ExpectColumn2(d.StatusZr4_RegGrid[2], kC305);
    d.Zr4RegSSTab->setCurrentIndex(3);
    EXPECT_EQ(d.StLabel1->text(), "D axis, Status resister :");
    EXPECT_EQ(d.IchiLabel2->text(), "H80000000");
    EXPECT_EQ(d.StatusZr4_RegGrid[3]->TextMatrix(1, 2), "During communication error");
    EXPECT_EQ(d.StatusZr4_RegGrid[3]->TextMatrix(2, 2), "During communication initial");
}

// ---- the data dialog -----------------------------------------------------------------------

class DataDialog : public ::testing::Test {
protected:
    Public pub;
    std::vector<std::string> shown;
    struct Sink : MessageSink {
        std::vector<std::string>& out;
        explicit Sink(std::vector<std::string>& o) : out(o) {}
        void show(const std::string& t, MsgIcon icon) override
        {
            EXPECT_EQ(icon, MsgIcon::Exclamation);
            out.push_back(t);
        }
    } sink{shown};

    void SetUp() override
    {
        test::app();
        Public_Reset(pub);
        pub.set.AxisName = {"A axis", "Conveyor belt number two", "C axis", "D axis"};
    }
    static void type(QLineEdit* t, const char* text)
    {
        t->clear();
        QTest::keyClicks(t, text);
    }
};

TEST_F(DataDialog, LoadsTheFieldsTheCommandAndAxesNeed)
{
    pub.Z4CommandIndex = 9;
    pub.Z4AxisMask = 5; // A and C
    frmSeigyoZ4Data d(pub, sink);
    EXPECT_EQ(d.windowTitle(), "Setting data assignment");
    EXPECT_EQ(d.windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(d.JikLabel[0]->text(), "A axis");
    EXPECT_EQ(d.JikLabel[1]->text(), "Conveyor belt number t");
    EXPECT_EQ(d.SeLabel[0][0]->text(), "Control data 1");
    EXPECT_EQ(d.SeLabel[1][0]->text(), "Control data2");
    EXPECT_EQ(d.SeLabel[3][0]->text(), "Control data4");
    EXPECT_EQ(d.SeLabel[2][5]->text(), "Target position data 3");
    EXPECT_EQ(d.SeLabel[1][6]->text(), "Circular interpolation 2");
    EXPECT_EQ(d.findChild<QLineEdit*>("SeText3(5)"), d.SeText[2][5]);
    EXPECT_TRUE(d.HexZ4Option->isChecked());
    for (size_t a = 0; a < 4; ++a)
        for (size_t r = 0; r < 7; ++r) {
            SCOPED_TRACE(std::to_string(a) + "," + std::to_string(r));
            const bool on = (a == 0 && r <= 5) || (a == 2 && r == 5);
            QLineEdit* t = d.SeText[a][r];
            EXPECT_EQ(t->isEnabled(), on);
            EXPECT_EQ(t->maxLength(), r >= 5 ? 11 : 5);
            EXPECT_EQ(t->text().toStdString(), on ? (r >= 5 ? "00000000" : "0000") : "");
            EXPECT_EQ(Back(t), on ? WindowBack() : ButtonFace());
        }
    d.show();
    QTest::mouseClick(d.DataSetCommand, Qt::LeftButton);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(pub.Z4DataCancel, 0);
    EXPECT_EQ(pub.Z4DataBlock, std::string(36, '0')); // seven words of A, two of C
}

TEST_F(DataDialog, TheDisplaySwitchConvertsOrIsRefusedAndOkPacksTheBlock)
{
    pub.Z4CommandIndex = 8;
    pub.Z4AxisMask = 1;
    frmSeigyoZ4Data d(pub, sink);
    d.show();
    clickOption(d.DecZ4Option);
    EXPECT_TRUE(d.DecZ4Option->isChecked());
    EXPECT_EQ(d.SeText[0][5]->text(), "0");
    type(d.SeText[0][5], "-1");
    type(d.SeText[0][1], "65535");
    clickOption(d.HexZ4Option);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(d.SeText[0][5]->text(), "FFFFFFFF");
    EXPECT_EQ(d.SeText[0][1]->text(), "FFFF");
    EXPECT_EQ(d.SeText[0][0]->text(), "0000");
    clickOption(d.DecZ4Option);
    EXPECT_EQ(d.SeText[0][5]->text(), "-1");
    EXPECT_EQ(d.SeText[0][1]->text(), "65535");

    // Out of its row's range: the switch and OK refuse it, the display and texts stay.
    struct Bad { size_t row; const char* text; const char* message; };
    const Bad bad[] = {
        {1, "65536", "Data Limit Error"},
        {2, "-1", "Data Limit Error"},
        {5, "2147483648", "Data Limit Error"},
        {5, "-2147483649", "Data Limit Error"},
        {5, "99999999999", "Data Limit Error"},
        {4, "1-2", "Data Numeric Error"},
        {3, "", "Data Numeric Error"},
    };
    for (const Bad& b : bad) {
        SCOPED_TRACE(b.text);
        const QString keep = d.SeText[0][b.row]->text();
        type(d.SeText[0][b.row], b.text);
        shown.clear();
        clickOption(d.HexZ4Option);
        EXPECT_EQ(shown, std::vector<std::string>{b.message});
        EXPECT_TRUE(d.DecZ4Option->isChecked());
        EXPECT_FALSE(d.HexZ4Option->isChecked());
        EXPECT_EQ(d.SeText[0][b.row]->text().toStdString(), b.text);
        shown.clear();
        QTest::mouseClick(d.DataSetCommand, Qt::LeftButton);
        EXPECT_EQ(shown, std::vector<std::string>{b.message});
        EXPECT_TRUE(d.isVisible());
        d.SeText[0][b.row]->setText(keep);
    }
    type(d.SeText[0][5], "-2147483648");
    shown.clear();
    pub.Z4DataBlock = "KEEP";
    QTest::mouseClick(d.DataSetCommand, Qt::LeftButton);
    EXPECT_TRUE(shown.empty());
    EXPECT_FALSE(d.isVisible());
    // Five words, then the 32-bit value low word first.
    EXPECT_EQ(pub.Z4DataBlock, "0000FFFF000000000000" "0000" "8000");
    EXPECT_EQ(pub.Z4DataCancel, 0);
}

TEST_F(DataDialog, HexadecimalEntriesKeepTheirCaseAndTheirLengthLimit)
{
    pub.Z4CommandIndex = 10;
    pub.Z4AxisMask = 10; // B and D
    frmSeigyoZ4Data d(pub, sink);
    d.show();
    EXPECT_FALSE(d.SeText[3][0]->isEnabled());
    EXPECT_TRUE(d.SeText[3][6]->isEnabled());
    type(d.SeText[1][0], "00001");
    QTest::mouseClick(d.DataSetCommand, Qt::LeftButton);
    EXPECT_EQ(shown, std::vector<std::string>{"Data Limit Error"});
    type(d.SeText[1][0], "ff");
    type(d.SeText[3][5], "10000");
    QTest::mouseClick(d.DataSetCommand, Qt::LeftButton);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(pub.Z4DataBlock, "00ff" + std::string(32, '0') + "0000" "0001" + std::string(8, '0'));
}

TEST_F(DataDialog, CancelTheCloseBoxAndEscCancel)
{
    pub.Z4CommandIndex = 8;
    pub.Z4AxisMask = 15;
    for (int way = 0; way < 3; ++way) {
        SCOPED_TRACE(way);
        frmSeigyoZ4Data d(pub, sink);
        d.show();
        pub.Z4DataCancel = 0;
        pub.Z4DataBlock = "KEEP";
        if (way == 0) QTest::mouseClick(d.DataCancelCommand, Qt::LeftButton);
        if (way == 1) d.close();
        if (way == 2) QTest::keyClick(&d, Qt::Key_Escape);
        EXPECT_FALSE(d.isVisible());
        EXPECT_EQ(pub.Z4DataCancel, 99);
        EXPECT_EQ(pub.Z4DataBlock, "KEEP");
    }
}

} // namespace
