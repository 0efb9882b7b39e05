#pragma once
// What the three status windows share: the snapshot of the status words shown modal in one
// grid per axis (on tabs where there is more than one axis), the label pair of the word and
// the OK button. The texts and the layout come from the core's status decoding.
#include <QDialog>
#include <vector>

#include "control/StatusDecode.h"

class QLabel;
class QPushButton;
class QTabWidget;

namespace posmod {

class FlexGrid;

class StatusRegBase : public QDialog {
    Q_OBJECT
public:
    QLabel* StLabel1;
    QLabel* StLabel2;
    QPushButton* Status_RegCommand;

    // "OK": the window goes.
    void Status_RegCommand_Click() { accept(); }

protected:
    // The caption, the labels of the word and the button; the subclass builds its grids.
    StatusRegBase(Public& pub, ModelFamily family, const char* name, QWidget* parent);

    // One grid for each axis, laid out and given its fixed texts; on a tab control when
    // tabsName is not empty, the tabs captioned with the axis names.
    void Grids_Build();
    // The load: the word of the first axis shown, the first tab current.
    void Form_Load();
    // A tab became current: its word decoded into its grid and the labels.
    void Tab_Click(int tab);
    virtual void Labels_Set(const StatusLabels& l);

    Public& pub_;
    ModelFamily family_;
    QTabWidget* tabs_ = nullptr;
    std::vector<FlexGrid*> grids_;
};

} // namespace posmod
