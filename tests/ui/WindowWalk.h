#pragma once
// The windows a walk over the whole tool visits for the model in use: every row of the window
// table and of the dialog table, each created as its opener creates it.
#include <QCoreApplication>
#include <QRadioButton>
#include <QWidget>

#include <functional>
#include <string>

#include "app/Forms.h"
#include "app/WindowTable.h"
#include "main/ui/frmMain.h"
#include "shared/ui/FormBase.h"

namespace posmod::test {

// visit runs once for each window of the window table (the main window, loaded already, first),
// then for each dialog of the dialog table that the model has, opened from the main window; a
// dialog lives only while it is visited.
inline void ForEveryWindow(Forms& forms, const std::function<void(QWidget&)>& visit)
{
    frmMain& main = forms.Main();
    for (const WindowRow& row : WindowTable())
        if (QWidget* w = forms.form(row.formNo)) visit(*w);
    // Every field of the data dialog in use: a linear move of all four axes.
    forms.pub.Z4CommandIndex = 8;
    forms.pub.Z4AxisMask = 15;
    for (const DialogRow& row : DialogTable())
        if (const std::shared_ptr<QWidget> d = row.create(forms, main)) visit(*d);
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
