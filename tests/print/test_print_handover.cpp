// The editors' print commands: the table handed to the preview, the editor hidden while the
// preview is open at its position and shown again after.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <deque>

#include "params/ui/frmParm7W.h"
#include "params/ui/frmParmJV.h"
#include "params/ui/frmParmZr4.h"
#include "platform/FlexGrid.h"
#include "positioning/ui/frmAutoRun7WMode.h"
#include "positioning/ui/frmAutoRunJVMode.h"
#include "positioning/ui/frmAutoRunZr4Mode.h"
#include "positioning/ui/frmDefault.h"
#include "print/PrintHandOver.h"
#include "print/ui/frmPrintDisp.h"
#include "shared/ModelTable.h"
#include "ui/EditorKeys.h"
#include "ui/UiFixture.h"

using namespace posmod;
using namespace posmod::test;

namespace {

class PrintHandOverTest : public UiTest {
protected:
    // The editor of a model opened on module data, its setting column filled with texts
    // that name axis and row.
    template <class W> W& open(int moduleType, std::vector<FlexGrid*> (*grids)(W&))
    {
        if (!forms) start();
        Public& p = forms->pub;
        Model_Choose(p, Model_ForType(moduleType).text);
        Model_BuildRegisters(p);
        p.DataSourceCaption = "";
        W& e = forms->window<W>();
        if (e.isVisible()) e.close();
        forms->openAtMain(Model_ForType(moduleType).paramForm);
        EXPECT_TRUE(Activate(&e));
        int a = 0;
        for (FlexGrid* g : grids(e)) {
            for (int r = 1; r < g->Rows(); ++r) g->setTextMatrix(r, 3, std::to_string(a) + "-" + std::to_string(r));
            ++a;
        }
        messages.clear();
        return e;
    }

    struct Seen {
        bool editorHidden = false;
        QPoint at;
        int kind = -1;
        std::string caption;
        PrintSheet sheet;
    };
    // Presses the print button and looks at the preview it opens.
    Seen print(QWidget& editor, QPushButton* button)
    {
        Seen s;
        int previews = 0;
        forms->runDialog = [&](QDialog& d) {
            auto* preview = dynamic_cast<frmPrintDisp*>(&d);
            ASSERT_NE(preview, nullptr);
            ++previews;
            s.editorHidden = !editor.isVisible();
            s.at = d.pos();
            s.kind = forms->pub.PrintDataKind;
            s.caption = d.windowTitle().toStdString();
            s.sheet = preview->sheet();
        };
        editor.move(70, 90);
        Click(button);
        EXPECT_EQ(previews, 1);
        EXPECT_TRUE(editor.isVisible());
        return s;
    }
};

std::vector<FlexGrid*> jvGrids(frmParmJV& e) { return {e.PrmFlexGrid}; }
std::vector<FlexGrid*> w7Grids(frmParm7W& e) { return {e.PrmHFlexGrid[0], e.PrmHFlexGrid[1]}; }
std::vector<FlexGrid*> z4Grids(frmParmZr4& e) { return {e.PrmZ4FlexGrid.begin(), e.PrmZ4FlexGrid.end()}; }

} // namespace

TEST(PrintKind, ByEditorAndModel)
{
    struct Case { int form, type, kind; } cases[] = {
        {form::frmParmJV, 1, 0},        {form::frmParmZr4, 5, 1},        {form::frmParm7W, 2, 2},
        {form::frmParm7W, 3, 3},        {form::frmParm7W, 4, 4},         {form::frmParm7W, 1, -1},
        {form::frmAutoRunJVMode, 1, 5}, {form::frmAutoRunZr4Mode, 5, 6}, {form::frmAutoRun7WMode, 2, 7},
        {form::frmAutoRun7WMode, 3, 8}, {form::frmAutoRun7WMode, 4, 9},  {form::frmAutoRun7WMode, 0, -1},
        {form::frmMain, 1, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PrintKind_ForEditor(c.form, c.type), c.kind) << c.form << " " << c.type;
}

TEST_F(PrintHandOverTest, OneAxisEditorPrintsItsGrid)
{
    frmParmJV& e = open<frmParmJV>(1, jvGrids);
    const Seen s = print(e, e.PrnCommand);
    EXPECT_TRUE(s.editorHidden);
    EXPECT_EQ(s.at, QPoint(70, 90));
    EXPECT_EQ(s.kind, 0);
    EXPECT_EQ(s.caption, "Common parameter setting(JV-ZR). Print Setting.");
    EXPECT_EQ(s.sheet.MaxRows(), 12);
    EXPECT_EQ(s.sheet.cell(1, 12).text, "Home position data");
    EXPECT_EQ(s.sheet.cell(2, 1).text, e.PrmFlexGrid->TextMatrix(1, 2));
    EXPECT_EQ(s.sheet.cell(3, 12).text, "0-12");
    EXPECT_EQ(s.sheet.cell(3, 0).text, "Setting data(Hex)");
    // In decimal display the headers say so.
    e.DecOption->setChecked(true);
    const Seen d = print(e, e.PrnCommand);
    EXPECT_EQ(d.sheet.cell(2, 0).text, "Current data(Dec)");
    EXPECT_EQ(d.sheet.cell(3, 0).text, "Setting data(Dec)");
    EXPECT_TRUE(messages.empty());
}

TEST_F(PrintHandOverTest, TwoAxisEditorPrintsBothAxesAsItsModel)
{
    for (int type : {2, 3, 4}) {
        SCOPED_TRACE(type);
        frmParm7W& e = open<frmParm7W>(type, w7Grids);
        const Seen s = print(e, e.PrnCommand);
        EXPECT_TRUE(s.editorHidden);
        EXPECT_EQ(s.kind, type);
        EXPECT_EQ(s.sheet.MaxRows(), 26);
        EXPECT_EQ(s.sheet.cell(1, 1).text, "[X axis]");
        EXPECT_EQ(s.sheet.cell(1, 14).text, "[Y axis]");
        EXPECT_EQ(s.sheet.cell(3, 2).text, "0-1");
        EXPECT_EQ(s.sheet.cell(3, 26).text, "1-12");
    }
}

TEST_F(PrintHandOverTest, FourAxisEditorPrintsFourAxisBlocks)
{
    frmParmZr4& e = open<frmParmZr4>(5, z4Grids);
    const Seen s = print(e, e.PrnZ4Command);
    EXPECT_TRUE(s.editorHidden);
    EXPECT_EQ(s.kind, 1);
    EXPECT_EQ(s.caption, "Common parameter setting(JV-ZR4). Print Setting.");
    EXPECT_EQ(s.sheet.MaxRows(), 96);
    EXPECT_EQ(s.sheet.cell(1, 73).text, "[D axis]");
    EXPECT_EQ(s.sheet.cell(3, 2).text, "0-1");
    EXPECT_EQ(s.sheet.cell(3, 96).text, "3-23");
    // The page setting is back to its defaults at every opening.
    forms->pub.PrintAxesPerPage = "3";
    print(e, e.PrnZ4Command);
    EXPECT_EQ(forms->pub.PrintAxesPerPage, "1");
}

// --- the positioning editors ---

namespace {

class PositioningPrintTest : public UiTest {
protected:
    // The model chosen and steps first..last read (every word names step, axis and word),
    // then the editor opened as the main window opens it.
    template <class W> W& open(int moduleType, int first, int last)
    {
        if (!forms) start();
        W& e = forms->window<W>();
        if (e.isVisible()) e.close();
        Public& p = forms->pub;
        Model_Choose(p, Model_ForType(moduleType).text);
        Model_BuildRegisters(p);
        const ModelRow& m = Model_ForType(moduleType);
        if (m.rowsPerStep > 0) {
            p.reg.AutoRange[0] += m.rowsPerStep * first;
            for (int r = 1; r <= RegisterTable::kRows; ++r) {
                p.reg.ReadData[static_cast<size_t>(r)] = hex4(r);
                if (p.reg.TwoWords[static_cast<size_t>(r)]) p.reg.ReadDataH[static_cast<size_t>(r)] = hex4(0x1000 + r);
            }
        }
        for (size_t s = 0; s < 256; ++s)
            for (size_t a = 0; a < 4; ++a)
                for (size_t w = 0; w < 9; ++w)
                    p.Z4AutoData[s][a][w].Word = hex4(static_cast<uint32_t>(s * 0x100 + a * 0x10 + w));
        p.StepRange = {3, first, last};
        p.DataSourceCaption = "";
        forms->openAtMain(m.autoForm);
        EXPECT_TRUE(Activate(&e));
        messages.clear();
        return e;
    }

    struct Seen {
        int ranges = 0, previews = 0;
        std::string rangeTitle;
        bool stepsHidden = false;
        bool editorHidden = false;
        QPoint at;
        int kind = -1;
        std::string caption;
        PrintSheet sheet;
    };
    // Presses Print; the range dialog (when it comes) is answered with axis and OK, or Cancel.
    Seen print(QWidget& editor, QPushButton* button, int axis = 0, bool cancel = false)
    {
        Seen s;
        forms->runDialog = [&](QDialog& d) {
            if (auto* r = qobject_cast<frmDefault*>(&d)) {
                ++s.ranges;
                d.show();
                s.rangeTitle = d.windowTitle().toStdString();
                s.stepsHidden = !r->DefaultText[0]->isVisible() && !r->DefaultText[1]->isVisible() &&
                                !r->Label2->isVisible() && !r->Label3->isVisible() && r->DefaultCombo->isVisible();
                r->DefaultCombo->setCurrentIndex(axis);
                Click(cancel ? r->CancelCommand : r->DefaultCommand);
                return;
            }
            auto* preview = dynamic_cast<frmPrintDisp*>(&d);
            ASSERT_NE(preview, nullptr);
            ++s.previews;
            s.editorHidden = !editor.isVisible();
            s.at = d.pos();
            s.kind = forms->pub.PrintDataKind;
            s.caption = d.windowTitle().toStdString();
            s.sheet = preview->sheet();
        };
        editor.move(30, 40);
        Click(button);
        EXPECT_TRUE(editor.isVisible());
        return s;
    }
};

} // namespace

TEST_F(PositioningPrintTest, OneAxisEditorPrintsItsStepWindowWithoutAsking)
{
    frmAutoRunJVMode& e = open<frmAutoRunJVMode>(1, 10, 12);
    e.RunModeGrid->setTextMatrix(6, 3, "ABCD");
    const Seen s = print(e, e.PrnCommand);
    EXPECT_EQ(s.ranges, 0);
    ASSERT_EQ(s.previews, 1);
    EXPECT_TRUE(s.editorHidden);
    EXPECT_EQ(s.at, QPoint(30, 40));
    EXPECT_EQ(s.kind, 5);
    EXPECT_EQ(s.caption, "Automatic operation data setting(JV-ZR). Print Setting.");
    EXPECT_EQ(s.sheet.MaxRows(), 6);
    EXPECT_EQ(s.sheet.cell(1, 1).number, 10);
    EXPECT_EQ(s.sheet.cell(1, 5).number, 12);
    EXPECT_EQ(s.sheet.cell(3, 1).text, e.RunModeGrid->TextMatrix(1, 2));
    EXPECT_EQ(s.sheet.cell(4, 6).text, "ABCD");
    EXPECT_EQ(forms->pub.AxisStepRange.FirstStep, 10);
    EXPECT_EQ(forms->pub.AxisStepRange.LastStep, 12);
    EXPECT_TRUE(messages.empty());
}

TEST_F(PositioningPrintTest, TwoAxisEditorAsksTheAxisAndPrintsItsWholeWindow)
{
    for (int type : {2, 3, 4}) {
        SCOPED_TRACE(type);
        frmAutoRun7WMode& e = open<frmAutoRun7WMode>(type, 4, 20);
        e.RunMode7WGrid[1]->setTextMatrix(2, 2, "0101");
        const Seen s = print(e, e.PrnCommand, 1);
        EXPECT_EQ(s.ranges, 1);
        EXPECT_EQ(s.rangeTitle, "Printrange");
        EXPECT_TRUE(s.stepsHidden);
        ASSERT_EQ(s.previews, 1);
        EXPECT_TRUE(s.editorHidden);
        EXPECT_EQ(s.kind, type + 5);
        EXPECT_EQ(s.caption, std::string("[Y axis]Automatic operation data setting(") + Model_ForType(type).text +
                                 "). Print Setting.");
        EXPECT_EQ(s.sheet.MaxRows(), 34);
        EXPECT_EQ(s.sheet.cell(1, 1).number, 4);
        EXPECT_EQ(s.sheet.cell(3, 2).text, "0101"); // the Y grid's setting row of step 4
        EXPECT_EQ(forms->pub.AxisStepRange.AxisNo, 1);
    }
    // Cancel in the range dialog: no preview, the editor stays.
    frmAutoRun7WMode& e = open<frmAutoRun7WMode>(2, 0, 3);
    const Seen s = print(e, e.PrnCommand, 0, true);
    EXPECT_EQ(s.ranges, 1);
    EXPECT_EQ(s.previews, 0);
    EXPECT_EQ(forms->pub.AxisStepRange.AxisNo, 99);
}

TEST_F(PositioningPrintTest, FourAxisEditorPrintsTheChosenAxis)
{
    frmAutoRunZr4Mode& e = open<frmAutoRunZr4Mode>(5, 0, 15);
    e.AutoDecZ4Option->setChecked(true);
    const Seen s = print(e, e.PrnZ4Command, 2);
    EXPECT_EQ(s.ranges, 1);
    ASSERT_EQ(s.previews, 1);
    EXPECT_EQ(s.kind, 6);
    EXPECT_EQ(s.caption, "[C axis]Automatic operation data setting(JV-ZR4). Print Setting.");
    EXPECT_EQ(s.sheet.MaxRows(), 32);
    EXPECT_EQ(s.sheet.MaxCols(), 9);
    // Step 15 of axis C as the grid shows it (decimal display).
    EXPECT_EQ(s.sheet.cell(3, 31).text, e.RunModeZr4Grid[2]->TextMatrix(31, 2));
    EXPECT_EQ(s.sheet.cell(1, 31).number, 15);
}

// The export asks through the CSV procedures' dialog: it proposes the last CSV name cut at
// its first "." (a "." in a folder name does not cut), and the workbook's name is offered to
// the next CSV dialog.
TEST_F(PrintHandOverTest, ExportSharesTheCsvDialogsName)
{
    frmParmJV& e = open<frmParmJV>(1, jvGrids);
    const std::string folder = QDir(dir.path()).filePath("v1.2").toStdString();
    QDir().mkpath(QString::fromStdString(folder));
    std::vector<std::string> offered;
    std::deque<std::string> answers = {folder + "/line3.old.csv", folder + "/book", ""};
    forms->fileDialog.exec = [&](QFileDialog& d) {
        const QStringList files = d.selectedFiles();
        offered.push_back(files.isEmpty() ? "" : files.first().toStdString());
        const std::string name = answers.front();
        answers.pop_front();
        if (name.empty()) return false;
        d.selectFile(QString::fromStdString(name));
        return true;
    };
    ASSERT_TRUE(forms->csvFiles.CsvData_WriteJVSub(false));
    forms->runDialog = [&](QDialog& d) {
        auto* preview = dynamic_cast<frmPrintDisp*>(&d);
        ASSERT_NE(preview, nullptr);
        preview->mnuE_ExcelWrite->trigger();
    };
    Click(e.PrnCommand);
    EXPECT_TRUE(messages.empty());
    ASSERT_EQ(offered.size(), 2u);
    EXPECT_EQ(offered[1], folder + "/line3.xlsx"); // the dialog shows the suffix it will add
    EXPECT_TRUE(QFile::exists(QString::fromStdString(folder + "/book.xlsx")));
    // The next CSV dialog starts from the workbook's name.
    forms->csvFiles.CsvData_WriteJVSub(false);
    ASSERT_EQ(offered.size(), 3u);
    EXPECT_EQ(offered[2], folder + "/book.xlsx");
}
