#pragma once
// The windows a walk over the whole tool visits for the model in use: every row of the window
// table, the main window first, and every row of the dialog table, each dialog created by its
// row at each window of the model that opens it, as the shell creates it there. The walks of
// the window tests share it.
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

// at runs once for each window of the model that opens row (ofModel: the model's form numbers);
// a dialog that opens it is created at each of its own openers and lives while at runs.
inline void ForEachOpener(Forms& forms, const DialogRow& row, const std::array<int, 4>& ofModel,
                          const std::function<void(QWidget&)>& at)
{
    for (int opener : row.openers)
        if (std::find(ofModel.begin(), ofModel.end(), opener) != ofModel.end()) at(*forms.form(opener));
    if (const DialogRow* over = DialogTable_Row(row.openerDialog))
        ForEachOpener(forms, *over, ofModel, [&](QWidget& w) {
            const DialogPtr d = over->create(forms, w);
            at(*d);
        });
}

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
        ForEachOpener(forms, row, ofModel, [&](QWidget& at) {
            const DialogPtr d = row.create(forms, at);
            visit(*d);
        });
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
