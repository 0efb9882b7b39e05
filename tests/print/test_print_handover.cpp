// The editors' print commands: the table handed to the preview, the editor hidden while the
// preview is open at its position and shown again after.
#include <gtest/gtest.h>

#include <QDialog>
#include <QPushButton>
#include <QRadioButton>

#include "params/ui/frmParm7W.h"
#include "params/ui/frmParmJV.h"
#include "params/ui/frmParmZr4.h"
#include "platform/FlexGrid.h"
#include "print/PrintHandOver.h"
#include "print/ui/frmPrintDisp.h"
#include "shared/ModelTable.h"
#include "ui/EditorKeys.h"
#include "ui/UiFixture.h"

using namespace posmod;
using namespace posmod::test;

namespace {

const char* const kModelText[] = {"", "JV-ZR", "VELTA-7W", "VELTAK7W", "ZRH", "JV-ZR4"};

class PrintHandOverTest : public UiTest {
protected:
    // The editor of a model opened on module data, its setting column filled with texts
    // that name axis and row.
    template <class W> W& open(int moduleType, std::vector<FlexGrid*> (*grids)(W&))
    {
        if (!forms) start();
        Public& p = forms->pub;
        Model_Choose(p, kModelText[moduleType]);
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
