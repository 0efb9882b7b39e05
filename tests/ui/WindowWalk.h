#pragma once
// The windows a walk over the whole tool visits for the model in use: the main window, every
// row of the window table that has a window, and the dialogs opened from them, each created as
// its caller creates it. The one list of them: the walks of the window tests share it.
#include <QCoreApplication>
#include <QRadioButton>
#include <QWidget>

#include <functional>
#include <string>

#include "app/Forms.h"
#include "control/ui/frmSeigyoZ4Data.h"
#include "control/ui/frmStatus7W_Reg.h"
#include "control/ui/frmStatusJV_Reg.h"
#include "control/ui/frmStatusZr4_Reg.h"
#include "main/ui/frmMain.h"
#include "positioning/ui/frmStepSet.h"
#include "shared/FormNumbers.h"
#include "shared/ui/FormBase.h"
#include "shared/ui/frmAxisName.h"
#include "shared/ui/frmInsSetting.h"
#include "shared/ui/frmSetting.h"
#include "shared/ui/frmVerRev.h"
#include "transfer/ui/frmCsvRead.h"
#include "transfer/ui/frmWaitDisp.h"

namespace posmod::test {

// visit runs once for each window, the main window (loaded already) first; a dialog lives
// only while it is visited.
inline void ForEveryWindow(Forms& forms, const std::function<void(QWidget&)>& visit)
{
    frmMain& main = forms.Main();
    visit(main);
    for (int n = 1; n < form::kCount; ++n)
        if (QWidget* w = forms.form(n)) visit(*w);
    Public& pub = forms.pub;
    MessageSink& messages = forms.messages();
    {
        frmStepSet steps(pub, messages, &main);
        visit(steps);
    }
    {
        frmCsvRead store(pub, messages, &main);
        visit(store);
    }
    {
        frmStatusJV_Reg statusJV(pub, &main);
        visit(statusJV);
    }
    {
        frmStatus7W_Reg status7W(pub, &main);
        visit(status7W);
    }
    {
        frmStatusZr4_Reg statusZr4(pub, &main);
        visit(statusZr4);
    }
    {
        // Every field of the data dialog in use: a linear move of all four axes.
        pub.Z4CommandIndex = 8;
        pub.Z4AxisMask = 15;
        frmSeigyoZ4Data data(pub, messages, &main);
        visit(data);
    }
    visit(forms.WaitDisp());
    {
        frmSetting rs(pub, messages, forms.MSComm1, &main);
        visit(rs);
    }
    {
        frmInsSetting eth(pub, messages, &main);
        visit(eth);
    }
    {
        frmAxisName names(pub, messages, &main);
        visit(names);
    }
    {
        frmVerRev version(&main);
        visit(version);
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
