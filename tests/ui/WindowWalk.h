#pragma once
// The windows a walk over the whole tool visits for the model in use: every row of the window
// table, the main window first, and every row of the dialog table, each dialog created as the
// windows of the model that open it create it. The walks of the window tests share it.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialog>
#include <QRadioButton>
#include <QWidget>

#include <algorithm>
#include <array>
#include <functional>
#include <string>

#include "app/DialogTable.h"
#include "app/Forms.h"
#include "app/WindowTable.h"
#include "main/ui/frmMain.h"
#include "shared/FormNumbers.h"
#include "shared/ModelTable.h"
#include "shared/ui/FormBase.h"

namespace posmod::test {

// visit runs once for each window, the main window (loaded already) first; a dialog lives
// only while it is visited.
inline void ForEveryWindow(Forms& forms, const std::function<void(QWidget&)>& visit)
{
    visit(forms.Main());
    for (const WindowRow& row : WindowTable()) {
        if (row.formNo == form::frmMain) continue;
        QWidget* w = forms.form(row.name);
        EXPECT_NE(w, nullptr) << row.name;
        if (w) visit(*w);
    }
    Public& pub = forms.pub;
    const ModelRow& model = Model_ForType(pub.ModuleType);
    const std::array<int, 4> ofModel = {form::frmMain, model.paramForm, model.autoForm, model.controlForm};
    // Every field of the four-axis data dialog in use: a linear move of all four axes.
    pub.Z4CommandIndex = 8;
    pub.Z4AxisMask = 15;
    for (const DialogRow& row : DialogTable())
        for (int opener : row.openers) {
            if (std::find(ofModel.begin(), ofModel.end(), opener) == ofModel.end()) continue;
            const DialogPtr d = row.create(forms, *forms.form(opener));
            visit(*d);
        }
}

// Shows a window as a fresh load does, then again in decimal display where it has one (other
// header captions); look runs at each showing with "" or " (Dec display)" to tell them apart.
inline void ForEachShowing(QWidget& w, const std::function<void(const std::string& showing)>& look)
{
    if (auto* f = dynamic_cast<FormBase*>(&w)) f->Form_Load();
    w.show();
    QCoreApplication::processEvents();
    look("");
    for (QRadioButton* dec : w.findChildren<QRadioButton*>())
        if (dec->text() == "Dec display" && dec->isEnabled()) {
            dec->click();
            look(" (Dec display)");
        }
    w.hide();
}

} // namespace posmod::test
