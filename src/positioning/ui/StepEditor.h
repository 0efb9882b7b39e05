#pragma once
// What the three positioning editors share: their grids of two rows per step, the edit box
// and detail list laid over them by the positioning rules, the display options, and the
// commands that work alike in each (Cancel, Default, Submit, closing).
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "shared/GridLayout.h"
#include "shared/ui/EditorTableSource.h"
#include "shared/ui/FormBase.h"

class QComboBox;
class QLineEdit;
class QRadioButton;
class QTabWidget;

namespace posmod {

class CellEditor;
class EditRules;

class StepEditorBase : public EditorBase, public EditorTableSource {
    Q_OBJECT
public:
    StepEditorBase(Public& pub, WindowShell& shell, TransferRunner& transfers, MessageSink& messages,
                   CsvProcedures& csvFiles);
    ~StepEditorBase() override;

    EditorTable editorTable() override;
    CellEditor& cellEditor() { return *editor_; }

protected:
    // What differs between the editors.
    struct Kind {
        int formNo;
        const GridLayout* layout;
        const EditRules* rules;
        int lastValueCol;   // Default fills 2..lastValueCol
        int lastClearCol;   // Cancel empties 2..lastClearCol
        int writeMode;
        int tabBytes;       // tab captions cut to this many bytes (no tabs: 0)
    };
    // Called once the controls exist: the grids (one per axis), the box, the list, the tabs
    // (nullptr: one grid) and the display options.
    void setupEditing(const Kind& kind, std::vector<FlexGrid*> grids, QLineEdit* box, QComboBox* list,
                      QTabWidget* tabs, QRadioButton* hex, QRadioButton* dec);

    // The common part of a fresh load: hex display, the grids shaped for the step window, the
    // Current rows filled (fillCurrent, module data only), the tab captions, the defaults, the
    // box over row 2, column 2 of the first grid.
    void loadTable();
    virtual void fillCurrent() {}

    // The grid on the tab shown (the only one without tabs).
    FlexGrid* shownGrid() const;
    // The box and the list laid again over the current cell of the grid in use (after a
    // command changed the cells under them).
    void relay();

    void Cancel_Click();
    // Fills the defaults of the columns 2..lastValueCol (a table indexed by column).
    void Default_Click(std::span<const std::string> defaults);
    // False when a pending entry was refused and nothing was sent.
    bool Submit_Click();
    // The preview of the step window; askAxis: the axis is chosen first in the range dialog
    // (its Cancel prints nothing).
    void Print_Click(bool askAxis);

    // CSV load: the pending entry ended, the window locked; read() true when a file was
    // read, then hex display and merge() (how many values it left out, told in one message);
    // after() runs whether or not a file was read; the window unlocked.
    void CsvLoad_Run(const std::function<bool()>& read, const std::function<int()>& merge,
                     const std::function<void()>& after);
    // CSV save of the Current (currentData) or Setting rows, the window locked meanwhile.
    void CsvSave_Run(const std::function<void()>& save);

    void closeEvent(QCloseEvent* e) override;

    Kind kind_{};
    std::vector<FlexGrid*> grids_;
    QTabWidget* tabs_ = nullptr;
    QRadioButton* hex_ = nullptr;
    QRadioButton* dec_ = nullptr;
    std::unique_ptr<CellEditor> editor_;
};

} // namespace posmod
