// The lock of a window's controls: every name of the table is one control of its window,
// and the flag switches exactly those.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <map>

#include "UiFixture.h"
#include "shared/ui/FormBase.h"
#include "app/WindowTable.h"
#include "shared/FormNumbers.h"

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
