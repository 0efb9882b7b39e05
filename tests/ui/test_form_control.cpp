// The lock of a window's controls: every name of the table is one control of its window,
// and the flag switches exactly those.
#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <algorithm>
#include <map>

#include "UiFixture.h"
#include "shared/ui/FormBase.h"
#include "app/DialogTable.h"
#include "app/WindowTable.h"
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

// The walks and the check of every opening dialog go by the rows: each must create the dialog
// it names, where its opener puts it, for a model whose windows include that opener.
TEST_F(UiTest, EveryDialogRowCreatesItsDialogAtEachOfItsOpeners)
{
    for (const DialogRow& row : DialogTable()) {
        EXPECT_FALSE(row.openers.empty()) << row.name;
        for (int opener : row.openers) {
            SCOPED_TRACE(row.name + " from form " + std::to_string(opener));
            const auto model = std::find_if(kModelTable.begin(), kModelTable.end(), [&](const ModelRow& m) {
                return opener == form::frmMain || opener == m.paramForm || opener == m.autoForm || opener == m.controlForm;
            });
            ASSERT_NE(model, kModelTable.end()) << "no model has the window that opens it: no walk reaches it";
            start();
            Model_Choose(forms->pub, model->text);
            QWidget* at = forms->form(opener);
            at->move(120, 90);
            const DialogPtr d = row.create(*forms, *at);
            ASSERT_NE(d, nullptr);
            EXPECT_EQ(d->objectName().toStdString(), row.name);
            EXPECT_EQ(d->pos(), at->pos());
            EXPECT_FALSE(d->isVisible());
        }
    }
}
