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

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>

#include "FileScript.h"
#include "platform/FlexGrid.h"
#include "transfer/CsvFields.h"
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

// A file refused once it was chosen is said once, through the real windows: the editors'
// CSV loads (opened for CSV work from the main window) and "Data load(Csv file >>> Cpu) (&R)".
// Nothing is sent and the editor keeps what it showed, its display too.
struct RefusedFile {
    const char* name;
    int listIndex;      // model list: 0 JV-ZR, 1 JV-ZR4, 2 VELTA-7W, 3 VELTAK7W, 4 ZRH
    bool positioning;   // the editor opened: positioning, else parameters; ignored by mode 9
    const char* button; // the editor's load button; nullptr: the main window's mode 9
    std::string bytes;  // "<missing>", "<folder>", "<oversize>", or the file
    std::string message;
};
void PrintTo(const RefusedFile& c, std::ostream* os) { *os << c.name; }

std::string RegisterRows(int n)
{
    std::string s = "X Axis,a\r\nY Axis,b\r\n";
    for (int i = 0; i < n; ++i) s += "1F01,0001,0000\r\n";
    return s;
}

const RefusedFile kRefusedFiles[] = {
    {"OneAxisParamsMissing", 0, false, "ParmJVCsv_Cmd1", "<missing>", "File Read Error Occurred"},
    {"TwoAxisParamsFolder", 2, false, "Parm7WCsv_Cmd1", "<folder>", "File Read Error Occurred"},
    {"FourAxisParamsOverTheCap", 1, false, "ParmZ4Csv_Cmd1", "<oversize>", "File Read Error Occurred"},
    {"FourAxisParamsRowOutsideTheTable", 1, false, "ParmZ4Csv_Cmd1", "A Axis,a\r\n0,1,x1\r\n0,24,0000\r\n",
     "File Read Error Occurred (line 3)"},
    {"OneAxisStepsTruncated", 0, true, "AutoJVCsv_Cmd1", "5F01,0001,0000\r\n5F02,0001", "File Read Error Occurred (line 2)"},
    {"TwoAxisStepsMoreRowsThanTheTable", 4, true, "Auto7WCsv_Cmd1", RegisterRows(2101),
     "File Read Error Occurred (line 2103)"},
    {"FourAxisStepsPointAbove255", 1, true, "AutoZ4Csv_Cmd1", "A Axis,a\r\n0000,0,8000\r\n0100,0,8000\r\n",
     "File Read Error Occurred (line 3)"},
    {"LoadIntoTheModuleMissing", 3, false, nullptr, "<missing>", "File Read Error Occurred"},
    {"LoadIntoTheModuleTruncated", 0, false, nullptr, "5F01,0001,0000\r\n5F02", "File Read Error Occurred (line 2)"},
    {"LoadIntoTheModuleStepAbove255", 1, false, nullptr, "A Axis,a\r\n0100,0,8000\r\n", "File Read Error Occurred (line 2)"},
};

class RefusedFiles : public MainCsv, public ::testing::WithParamInterface<RefusedFile> {
protected:
    // Every grid cell of the window, and the display chosen.
    static std::vector<std::string> Shown(QWidget* w)
    {
        std::vector<std::string> v;
        for (const FlexGrid* g : w->findChildren<FlexGrid*>())
            for (int r = 0; r < g->Rows(); ++r)
                for (int c = 0; c < g->Cols(); ++c) v.push_back(g->TextMatrix(r, c));
        for (const QRadioButton* o : w->findChildren<QRadioButton*>())
            v.push_back(o->objectName().toStdString() + (o->isChecked() ? " on" : " off"));
        return v;
    }
};

TEST_P(RefusedFiles, AreSaidOnceAndChangeNothing)
{
    const RefusedFile& c = GetParam();
    frmMain& m = startCsv(c.listIndex);
    std::string file = path("in.csv");
    if (c.bytes == "<missing>") file = path("none.csv");
    else if (c.bytes == "<folder>") file = dir.path().toStdString();
    else WriteFile(file, c.bytes == "<oversize>" ? std::string(kCsvMaxBytes + 1, '\n') : c.bytes);
    answers = {file};
    if (!c.button) {
        m.CpuSendCommand->click();
    } else {
        (c.positioning ? m.AutoCsvCommand : m.ParmCsvCommand)->click();
        QPushButton* load = nullptr;
        QWidget* editor = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible())
                if (auto* b = w->findChild<QPushButton*>(c.button)) load = b, editor = w;
        ASSERT_NE(load, nullptr);
        // Something the user typed, in decimal display.
        for (QRadioButton* o : editor->findChildren<QRadioButton*>())
            if (o->text().startsWith("Dec")) o->click();
        FlexGrid* g = editor->findChildren<FlexGrid*>().first();
        g->setTextMatrix(2, 3, "12");
        const std::vector<std::string> before = Shown(editor);
        load->click();
        EXPECT_EQ(Shown(editor), before);
        EXPECT_TRUE(load->isEnabled());
    }
    EXPECT_EQ(messages, (std::vector<std::pair<std::string, MsgIcon>>{{c.message, MsgIcon::Exclamation}}));
    EXPECT_EQ(link->connects, 0);
    EXPECT_EQ(tasks->items, 0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Kinds, RefusedFiles, ::testing::ValuesIn(kRefusedFiles),
                         [](const auto& info) { return std::string(info.param.name); });

// "Data save(Cpu >>> Csv file) (&W)" tries the chosen name before it reads the module: a name
// that cannot be written is said at once and no link is opened; a name that can is left as
// it was found.
TEST_F(MainCsv, ASaveToANameThatCannotBeWrittenOpensNoLink)
{
    for (int listIndex : {0, 1}) {
        SCOPED_TRACE(listIndex);
        frmMain& m = startCsv(listIndex);
        WriteFile(path("file"), "a file");
        for (const std::string& name : {path("no-such-folder/module.csv"), path("file/module.csv"), dir.path().toStdString()}) {
            SCOPED_TRACE(name);
            messages.clear();
            answers = {name};
            m.CpuReadCommand->click();
            EXPECT_EQ(messages, (std::vector<std::pair<std::string, MsgIcon>>{{"File Write Error Occurred", MsgIcon::Exclamation}}));
            EXPECT_EQ(link->connects, 0);
            expectIdle(m);
        }
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                  QStringList{"file"}); // the trial leaves nothing behind
    }
}

} // namespace
