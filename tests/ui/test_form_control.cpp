// The lock of a window's controls: every name of the table is one control of its window,
// and the flag switches exactly those.
#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "UiFixture.h"
#include "shared/ui/FormBase.h"
#include "app/DialogTable.h"
#include "app/WindowTable.h"
#include "positioning/ui/frmDefault.h"
#include "shared/DialogNumbers.h"
#include "shared/FormNumbers.h"
#include "shared/ModelTable.h"

using namespace posmod;
using posmod::test::UiTest;

namespace {

// The enabled setting of every named control and action of every window.
std::map<std::string, bool> Snapshot(Forms& f)
{
    std::map<std::string, bool> s;
    for (int n = 0; n < form::kCount; ++n) {
        QWidget* w = f.existingForm(n);
        if (!w) continue;
        for (QObject* o : w->findChildren<QObject*>())
            if (!o->objectName().isEmpty())
                s[std::to_string(n) + "/" + o->objectName().toStdString() + "/" + o->metaObject()->className()] =
                    ControlEnabled(o);
    }
    return s;
}

} // namespace

TEST_F(UiTest, EveryListedControlIsOneControlAndFollowsTheFlag)
{
    start();
    for (int n = 0; n < form::kCount; ++n) {
        if (n == 10) continue;
        SCOPED_TRACE("form " + std::to_string(n));
        const bool existed = forms->existingForm(n) != nullptr;
        forms->FormControl_Enable(static_cast<uint8_t>(n), false);
        QWidget* w = forms->existingForm(n);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->objectName().toStdString(), WindowTable_Row(n)->name);
        // Created on demand, loaded and not shown.
        if (!existed) {
            EXPECT_FALSE(w->isVisible());
        }
        const auto& names = WindowTable_Row(n)->lockControls;
        ASSERT_FALSE(names.empty());
        for (const std::string& name : names) {
            QObject* c = Forms::findControl(w, QString::fromStdString(name));
            ASSERT_NE(c, nullptr) << name;
            EXPECT_FALSE(ControlEnabled(c)) << name;
        }
        // No counting: two locks are undone by one unlock.
        forms->FormControl_Enable(static_cast<uint8_t>(n), false);
        forms->FormControl_Enable(static_cast<uint8_t>(n), true);
        for (const std::string& name : names) {
            QObject* c = Forms::findControl(w, QString::fromStdString(name));
            EXPECT_TRUE(ControlEnabled(c)) << name;
        }
    }
}

TEST_F(UiTest, LockOfTheMainWindowLeavesUnlistedControls)
{
    frmMain& m = start();
    forms->FormControl_Enable(0, false);
    EXPECT_FALSE(ControlEnabled(m.mnuMode));
    EXPECT_FALSE(ControlEnabled(m.ConnectFrame));
    EXPECT_TRUE(ControlEnabled(m.CSVFrame1));
    EXPECT_TRUE(ControlEnabled(m.Connect_Option[0]));
    forms->FormControl_Enable(0, true);
    EXPECT_TRUE(ControlEnabled(m.ParmSetCommand));
    EXPECT_TRUE(ControlEnabled(m.mnuSetting));
    EXPECT_TRUE(ControlEnabled(m.mnuRS232C));
    EXPECT_TRUE(ControlEnabled(m.CpuSendCommand));
    EXPECT_TRUE(ControlEnabled(m.CpuReadCommand));
}

TEST_F(UiTest, FormNumbersWithoutAWindowChangeNothing)
{
    start();
    for (int n = 0; n < form::kCount; ++n) forms->form(n);
    forms->FormControl_Enable(4, false);
    const auto before = Snapshot(*forms);
    for (int n : {10, 12, 13, 100, 255})
        for (bool flag : {true, false}) forms->FormControl_Enable(static_cast<uint8_t>(n), flag);
    EXPECT_EQ(Snapshot(*forms), before);
    EXPECT_EQ(WindowTable_Row(10), nullptr);
    EXPECT_EQ(WindowTable_Row(12), nullptr);
    EXPECT_EQ(forms->form(10), nullptr);
    EXPECT_EQ(forms->form(12), nullptr);
}

// The program opens every dialog through its row and the walks go by the rows too: each opening
// through the shell, from each window that opens it (moved to (120, 90)), shows the dialog
// there with the name and caption a person sees, a child of its opener; the preview stands
// alone, and the dialogs of its menu open over it (moved on to (200, 150)).
TEST_F(UiTest, EveryDialogRowCreatesItsDialogAtEachOfItsOpeners)
{
    enum Stands { OverOpener, Alone, OverPreview };
    struct Case {
        dialog::No dialogNo;
        int opener;        // form number; under the preview for the dialogs of its menu
        const char* model; // one whose windows include the opener
        const char* name;
        const char* caption;
        Stands stands;
        bool stepsHidden; // the range dialog's step entries
    };
    std::vector<Case> cases = {
        {dialog::frmStepSet, form::frmMain, "JV-ZR", "frmStepSet", "Step cnt setting", OverOpener, false},
        {dialog::frmCsvRead, form::frmMain, "JV-ZR", "frmCsvRead", "Csv format file store range", OverOpener, false},
        {dialog::frmSetting, form::frmMain, "JV-ZR", "frmSetting", "Setting Communication", OverOpener, false},
        {dialog::frmInsSetting, form::frmMain, "JV-ZR", "frmInsSetting",
         "Configuration of connection attention for Ethernet", OverOpener, false},
        {dialog::frmAxisName, form::frmMain, "JV-ZR4", "frmAxisName", "Axis Name Setting", OverOpener, false},
        {dialog::frmVerRev, form::frmMain, "JV-ZR", "frmVerRev", "Version Information", OverOpener, false},
        {dialog::frmStatusJV_Reg, form::frmSeigyoJVCmd, "JV-ZR", "frmStatusJV_Reg", "Status resister", OverOpener,
         false},
        {dialog::frmStatus7W_Reg, form::frmSeigyo7WCmd, "VELTA-7W", "frmStatus7W_Reg", "Status resister", OverOpener,
         false},
        {dialog::frmStatusZr4_Reg, form::frmSeigyoZ4Cmd, "JV-ZR4", "frmStatusZr4_Reg", "Status resister", OverOpener,
         false},
        {dialog::frmSeigyoZ4Data, form::frmSeigyoZ4Cmd, "JV-ZR4", "frmSeigyoZ4Data", "Setting data assignment",
         OverOpener, false},
        {dialog::frmRunMode, form::frmParmJV, "JV-ZR", "frmRunMode", "Common parameter operation mode", OverOpener,
         false},
        {dialog::frmRunMode, form::frmParm7W, "VELTA-7W", "frmRunMode", "Common parameter operation mode", OverOpener,
         false},
        {dialog::frmDefault, form::frmAutoRunJVMode, "JV-ZR", "frmDefault", "Default data setting range", OverOpener,
         false},
        {dialog::frmDefault, form::frmAutoRun7WMode, "VELTA-7W", "frmDefault", "Default data setting range",
         OverOpener, false},
        {dialog::frmDefault, form::frmAutoRunZr4Mode, "JV-ZR4", "frmDefault", "Default data setting range",
         OverOpener, false},
        {dialog::frmDefaultPrint, form::frmAutoRun7WMode, "VELTA-7W", "frmDefault", "Printrange", OverOpener, true},
        {dialog::frmDefaultPrint, form::frmAutoRunZr4Mode, "JV-ZR4", "frmDefault", "Printrange", OverOpener, true},
    };
    // Each editor's print: the preview, then the page setting and the print of its menu.
    const struct {
        int editor;
        const char* model;
        const char* preview;
    } prints[] = {
        {form::frmParmJV, "JV-ZR", "Common parameter setting(JV-ZR). Print Setting."},
        {form::frmParmZr4, "JV-ZR4", "Common parameter setting(JV-ZR4). Print Setting."},
        {form::frmParm7W, "VELTA-7W", "Common parameter setting(VELTA-7W). Print Setting."},
        {form::frmAutoRunJVMode, "JV-ZR", "Automatic operation data setting(JV-ZR). Print Setting."},
        {form::frmAutoRun7WMode, "VELTA-7W", "[X axis]Automatic operation data setting(VELTA-7W). Print Setting."},
        {form::frmAutoRunZr4Mode, "JV-ZR4", "[A axis]Automatic operation data setting(JV-ZR4). Print Setting."},
    };
    for (const auto& p : prints) {
        cases.push_back({dialog::frmPrintDisp, p.editor, p.model, "frmPrintDisp", p.preview, Alone, false});
        cases.push_back({dialog::frmPrintPageForm, p.editor, p.model, "frmPrintPageForm", "Page setting", OverPreview,
                         false});
        cases.push_back({dialog::frmPrintPrint, p.editor, p.model, "frmPrintPrint", "Print", OverPreview, false});
    }

    // The cases are the openings the table lists, no more, no less.
    std::set<std::pair<int, int>> listed, cased;
    for (const DialogRow& row : DialogTable()) {
        const DialogRow* over = DialogTable_Row(row.openerDialog);
        for (int opener : over ? over->openers : row.openers) listed.insert({row.dialogNo, opener});
    }
    for (const Case& c : cases) cased.insert({c.dialogNo, c.opener});
    EXPECT_EQ(listed, cased);

    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " " + std::to_string(c.dialogNo) + " from form " + std::to_string(c.opener));
        start();
        Model_Choose(forms->pub, c.model);
        QWidget* at = forms->form(c.opener);
        ASSERT_NE(at, nullptr);
        at->move(120, 90);
        struct Seen {
            int dialogs = 0;
            std::string name, caption;
            QPoint pos;
            const QWidget* parent = nullptr;
            const QWidget* preview = nullptr;
            bool stepsHidden = false;
            int result = -1; // what the shell handed back for it
        } seen;
        forms->runDialog = [&](QDialog& d) {
            if (c.stands == OverPreview && !seen.preview) {
                seen.preview = &d;
                d.move(200, 150);
                seen.result = forms->openDialog(c.dialogNo, d);
                return;
            }
            ++seen.dialogs;
            seen.name = d.objectName().toStdString();
            seen.caption = d.windowTitle().toStdString();
            seen.pos = d.pos();
            seen.parent = d.parentWidget();
            if (auto* r = qobject_cast<frmDefault*>(&d))
                seen.stepsHidden = r->Label2->isHidden() && r->DefaultText[0]->isHidden() &&
                                   r->DefaultText[1]->isHidden() && r->Label3->isHidden();
            d.setResult(QDialog::Accepted);
        };
        const int result = forms->openDialog(c.stands == OverPreview ? dialog::frmPrintDisp : c.dialogNo, *at);
        if (c.stands != OverPreview) seen.result = result;
        ASSERT_EQ(seen.dialogs, 1);
        EXPECT_EQ(seen.result, QDialog::Accepted);
        EXPECT_EQ(seen.name, c.name);
        EXPECT_EQ(seen.caption, c.caption);
        EXPECT_EQ(seen.pos, c.stands == OverPreview ? QPoint(200, 150) : QPoint(120, 90));
        const QWidget* parent = c.stands == OverOpener ? at : c.stands == OverPreview ? seen.preview : nullptr;
        EXPECT_EQ(seen.parent, parent);
        EXPECT_EQ(seen.stepsHidden, c.stepsHidden);
    }
}

// The check every opening dialog of the window tests goes through: it names an opening that no
// row lists (the walks would miss it) and a dialog away from its opener.
TEST_F(UiTest, DialogCheckNamesAnOpeningTheRowsMissAndADialogAwayFromItsOpener)
{
    start();
    struct Case {
        const char* name;
        int opener;
        int x, y; // where the dialog stands; the opener is at (120, 90)
        std::vector<std::string> faults;
    } cases[] = {
        {"frmDefault", form::frmAutoRunJVMode, 120, 90, {}},
        {"frmDefault", form::frmParmJV, 120, 90,
         {"frmDefault opens from frmParmJV, which no row of it lists: the walks miss that opening"}},
        {"frmRunMode", form::frmParm7W, 64, 48, {"frmRunMode opens at (64, 48), not at frmParm7W (120, 90)"}},
        {"frmNoSuch", form::frmMain, 120, 90, {"\"frmNoSuch\" is a row of neither table: the walks miss it"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " from form " + std::to_string(c.opener));
        QWidget* at = forms->form(c.opener);
        at->move(120, 90);
        QDialog d;
        d.setObjectName(c.name);
        d.move(c.x, c.y);
        EXPECT_EQ(test::DialogFaults(d, at), c.faults);
    }
}
