#pragma once
// The whole program's windows on a Setting.ini of the test's own, offscreen, with the
// link and the tasks replaced by stubs and message boxes and modal dialogs answered in-process.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "DialogCheck.h"
#include "app/Forms.h"
#include "main/ui/frmMain.h"
#include "shared/Conversions.h"
#include "support/Hex.h"
#include "support/QtApp.h"

namespace posmod::test {

struct StubLink : LinkOps {
    int connectResult = 1;
    int connects = 0, closings = 0, closes = 0;
    std::vector<std::string>* journal = nullptr; // "connect", "1600", "close" in turn
    void note(const char* what)
    {
        if (journal) journal->push_back(what);
    }
    int CpuConnect(int) override { ++connects; note("connect"); return connectResult; }
    void TSK1600() override { ++closings; note("1600"); }
    void POCLS() override { ++closes; note("close"); }
};

// Answers every task with 1 and fills the stores as a module would; an item (any task
// but the opening task 1) can fail or be followed by a press of Cancel.
struct StubTasks : TaskOps {
    Public& pub;
    int items = 0;
    int failOnItem = 0, failCode = 2;
    int cancelOnItem = 0;
    // Runs after a register row was read, to answer other words than the default.
    std::function<void(int row)> onRead;
    std::map<int, int> resultOf;             // the answer of a task number, before any rule above
    std::function<void(int)> during;         // runs inside every task, as its wait would
    std::vector<std::string>* journal = nullptr; // "task <n>" in turn
    explicit StubTasks(Public& p) : pub(p) {}

    int TaskSend(int taskNo, int index) override
    {
        if (journal) journal->push_back("task " + std::to_string(taskNo));
        if (during) during(taskNo);
        if (const auto it = resultOf.find(taskNo); it != resultOf.end()) return it->second;
        if (taskNo == 1) return 1;
        ++items;
        if (items == failOnItem) return failCode;
        if (items == cancelOnItem) pub.SendCancel = -1;
        if (taskNo == 3) {
            const auto r = static_cast<size_t>(index);
            pub.reg.ReadData[r] = hex4(index);
            if (!pub.reg.ReadDataH[r].empty()) pub.reg.ReadDataH[r] = hex4(0x1000 + index);
            if (onRead) onRead(index);
        } else if (taskNo == 6) {
            for (size_t w = 0; w < 19; ++w) pub.Z4PrmData[static_cast<size_t>(index)][w].Word = hex4(index * 0x100 + int(w));
        } else if (taskNo == 7) {
            for (size_t a = 0; a < 4; ++a)
                for (size_t w = 0; w < 9; ++w)
                    pub.Z4AutoData[static_cast<size_t>(index)][a][w].Word = hex4(index * 0x100 + int(a) * 0x10 + int(w));
        }
        return 1;
    }
};

// Records every box instead of showing it.
struct PairSink : MessageSink {
    std::vector<std::pair<std::string, MsgIcon>>& out;
    std::function<void()> during; // runs while the box would be up
    explicit PairSink(std::vector<std::pair<std::string, MsgIcon>>& o) : out(o) {}
    void show(const std::string& text, MsgIcon icon) override
    {
        out.emplace_back(text, icon);
        if (during) during();
    }
};

class UiTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    std::unique_ptr<Forms> forms;
    std::unique_ptr<StubLink> link;
    std::unique_ptr<StubTasks> tasks;
    std::vector<std::pair<std::string, MsgIcon>> messages;
    PairSink sink{messages};
    std::vector<std::string> journal; // what the stub link and tasks were asked, in order
    int endings = 0;

    std::string iniPath() const { return QDir(dir.path()).filePath("Setting.ini").toStdString(); }

    void SetUp() override
    {
        app();
        // The default port probe must not reach for real devices.
        for (int n = 1; n <= 8; ++n)
            qputenv(("POSMOD_COM" + std::to_string(n)).c_str(), QDir(dir.path()).filePath("no-such-tty").toUtf8());
        qputenv("POSMOD_SETTINGS", QByteArray::fromStdString(iniPath()));
    }
    void TearDown() override
    {
        forms.reset();
        qunsetenv("POSMOD_SETTINGS");
    }

    void writeIni(const std::string& text)
    {
        QFile f(QString::fromStdString(iniPath()));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text.data(), static_cast<qint64>(text.size()));
    }
    std::string readIni() const
    {
        QFile f(QString::fromStdString(iniPath()));
        if (!f.open(QIODevice::ReadOnly)) return {};
        return f.readAll().toStdString();
    }

    // Picks entry i of the model list as a user does: the entry shown, then its signal.
    static void chooseModel(frmMain& m, int i)
    {
        m.CpuCombo->setCurrentIndex(i);
        emit m.CpuCombo->activated(i);
    }

    // The windows' owner, each modal dialog it shows checked as it opens.
    void newForms()
    {
        forms = std::make_unique<Forms>(&sink);
        forms->dialogShown = [this](QDialog& d, const QWidget* opener) {
            // The teaching window, a row of the window table, is created once without a parent;
            // the four-axis positioning editor opens it over itself.
            if (!opener && d.objectName() == "frmTeach_Command") opener = forms->existingForm(form::frmAutoRunZr4Mode);
            for (const std::string& fault : DialogFaults(d, opener)) ADD_FAILURE() << fault;
        };
    }

    // Creates the windows' owner with stubs in place of the link and the tasks; Form_Load
    // runs the start-up.
    frmMain& start(bool load = true)
    {
        newForms();
        link = std::make_unique<StubLink>();
        tasks = std::make_unique<StubTasks>(forms->pub);
        forms->linkOps = link.get();
        forms->taskOps = tasks.get();
        link->journal = tasks->journal = &journal;
        forms->endProgram = [this] { ++endings; };
        // Off the screen's corner, where a window or dialog that is never placed would be too.
        forms->Main().move(64, 48);
        if (load) forms->Main().Form_Load();
        return forms->Main();
    }
};

} // namespace posmod::test
