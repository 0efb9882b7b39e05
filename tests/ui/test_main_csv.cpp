// The main window's CSV commands on the whole program: "Data save(Cpu >>> Csv file) (&W)" and
// "Data load(Csv file >>> Cpu) (&R)" run modes 9 and 10 through the file dialog, Cancel in it
// is quiet, the window is unlocked and no hourglass is left behind; the main window's own CSV
// dialog and the wait window's each offer the name chosen last in them.
#include <gtest/gtest.h>

#include <QCursor>
#include <QDialog>
#include <QFileDialog>
#include <QGuiApplication>

#include <deque>
#include <fstream>
#include <sstream>

#include "FileScript.h"
#include "UiFixture.h"
#include "shared/ui/FormBase.h"

using namespace posmod;
using namespace posmod::test;
using posmod::test::UiTest;

namespace {

class MainCsv : public UiTest {
protected:
    // What each file dialog shown was asked, and the names it answers in turn ("" Cancel).
    struct Shown {
        bool save;
        bool confirms;
        std::string offered;
    };
    std::vector<Shown> shown;
    std::deque<std::string> answers;

    frmMain& startCsv(int listIndex)
    {
        frmMain& m = start();
        chooseModel(m, listIndex);
        forms->fileDialog.exec = [this](QFileDialog& d) {
            const QStringList offered = d.selectedFiles();
            shown.push_back({d.acceptMode() == QFileDialog::AcceptSave,
                             !d.testOption(QFileDialog::DontConfirmOverwrite),
                             offered.isEmpty() ? "" : QFileInfo(offered.first()).fileName().toStdString()});
            return AnswerFrom(answers, d);
        };
        forms->runDialog = [this](QDialog&) { forms->pub.CsvStoreRange = {1, 0, 0, 0}; };
        return m;
    }
    std::string path(const char* name) const { return QDir(dir.path()).filePath(name).toStdString(); }
    static std::string read(const std::string& p) { return ReadFile(p); }
    void expectIdle(frmMain& m)
    {
        EXPECT_TRUE(ControlEnabled(m.CpuSendCommand));
        EXPECT_TRUE(ControlEnabled(m.ParmSetCommand));
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_FALSE(forms->pointer.hourglass());
    }
};

TEST_F(MainCsv, SaveThenLoadTheFileThroughTheDialog)
{
    frmMain& m = startCsv(0); // JV-ZR
    answers = {path("module.csv")};
    m.CpuReadCommand->click();
    const std::string saved = read(path("module.csv"));
    EXPECT_EQ(saved.substr(0, 18), "X Axis,\r\nY Axis,\r\n");
    EXPECT_NE(saved.find("5F0C,000E,100E\r\n"), std::string::npos);
    EXPECT_EQ(link->closings, 1);
    expectIdle(m);

    tasks->items = 0;
    answers = {path("module.csv")};
    m.CpuSendCommand->click();
    EXPECT_EQ(tasks->items, 12); // the twelve parameters; the status rows are not sent
    EXPECT_EQ(link->closings, 2);
    EXPECT_TRUE(messages.empty());
    expectIdle(m);

    ASSERT_EQ(shown.size(), 2u);
    EXPECT_TRUE(shown[0].save);
    EXPECT_TRUE(shown[0].confirms);
    EXPECT_FALSE(shown[1].save);
    EXPECT_EQ(shown[1].offered, "module.csv"); // the wait window's dialog offers its last name
}

TEST_F(MainCsv, CancelInEitherDialogIsQuiet)
{
    frmMain& m = startCsv(1); // JV-ZR4
    answers = {"", ""};
    m.CpuReadCommand->click();
    m.CpuSendCommand->click();
    EXPECT_EQ(shown.size(), 2u);
    EXPECT_EQ(link->connects, 0);
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(path("module.csv"))));
    expectIdle(m);
}

TEST_F(MainCsv, ARefusedFileShowsItsMessageAndOpensNoLink)
{
    frmMain& m = startCsv(1); // JV-ZR4
    {
        std::ofstream out(path("steps.csv"), std::ios::binary);
        out << "A Axis,a\r\n0000,0,8000\r\n0000,1,NOP\r\n";
    }
    answers = {path("steps.csv")};
    m.CpuSendCommand->click();
    EXPECT_EQ(link->connects, 0);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].first, "No data.Please specify it");
    EXPECT_EQ(messages[0].second, MsgIcon::Exclamation);
    expectIdle(m);
}

TEST_F(MainCsv, TheMainWindowsDialogKeepsItsOwnLastName)
{
    frmMain& m = startCsv(3); // VELTAK7W
    answers = {path("module.csv")};
    m.CpuReadCommand->click();
    {
        std::ofstream out(path("editor.csv"), std::ios::binary);
        out << "X Axis,Left\r\nY Axis,Right\r\n1F01,0064,0000\r\n";
    }
    answers = {path("editor.csv"), ""};
    EXPECT_EQ(m.CsvData_ReadSub(), 1);
    EXPECT_EQ(forms->pub.set.AxisName[0], "Left");
    EXPECT_EQ(forms->pub.reg.WriteData[5], "0064");
    EXPECT_EQ(forms->pub.CsvReadCount, 1);
    EXPECT_EQ(m.CsvData_ReadSub(), 0); // cancelled: nothing changes
    EXPECT_EQ(forms->pub.CsvReadCount, 1);
    expectIdle(m);
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_NE(shown[1].offered, "module.csv"); // not the wait window's last name
    EXPECT_EQ(shown[2].offered, "editor.csv"); // its own
}

} // namespace
