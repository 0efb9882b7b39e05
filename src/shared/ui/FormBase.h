#pragma once
// Small pieces shared by the windows: building named controls, marking a command whose
// function does not exist yet, and the behaviour of the editors when they close.
#include <QWidget>
#include <array>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

#include "shared/GridLayout.h"
#include "shared/ui/WindowShell.h"

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace posmod {

class CsvProcedures;
class FlexGrid;
class LinkOps;
class MessageSink;
class TaskOps;
class TransferRunner;
struct Public;
struct Settings;

// Enabled as the lock sets it (QWidget, QAction or the menu of a QMenu).
void SetControlEnabled(QObject* control, bool enable);
bool ControlEnabled(const QObject* control);

// "Name(index)" for a member of a control array.
QString ArrayName(const char* name, int index);

QPushButton* NewButton(QWidget* parent, const QString& name, const char* caption);
QGroupBox* NewFrame(QWidget* parent, const QString& name, const char* caption);
QRadioButton* NewOption(QWidget* parent, const QString& name, const char* caption, bool checked = false);
QCheckBox* NewCheck(QWidget* parent, const QString& name, const char* caption);
QLabel* NewLabel(QWidget* parent, const QString& name, const char* caption);
QLineEdit* NewText(QWidget* parent, const QString& name, int maxLength = 0);
FlexGrid* NewGrid(QWidget* parent, const QString& name);
QComboBox* NewCombo(QWidget* parent, const QString& name);
// A box that a person reads by the caption of another control than a label of its own (the
// option it belongs to, the label of the row it shares): announced by that caption, as it is
// when this is called. A box with a label of its own takes the label's through QLabel::setBuddy.
void CaptionBy(QWidget* box, const QWidget* caption);

// The option frames of the editors; their controls stand in a column (Qt::Vertical) or a row.
// "Hex / Dec Display": Hex display (checked) or Dec display.
QGroupBox* NewHexDecFrame(QWidget* parent, const char* name, Qt::Orientation o, QRadioButton*& hex,
                          const char* hexName, QRadioButton*& dec, const char* decName);
// "Operation mode display": Current data (checked) or Setting data, and the mode button.
QGroupBox* NewRunModeFrame(QWidget* parent, const char* name, QRadioButton*& current, const char* currentName,
                           QRadioButton*& setting, const char* settingName, QPushButton*& mode,
                           const char* modeName);
// "Csv format load": its Execute button.
QGroupBox* NewCsvLoadFrame(QWidget* parent, const char* name, Qt::Orientation o, QPushButton*& execute,
                           const char* executeName);
// "Csv format file save": Current data or Setting data (checked), and Execute.
QGroupBox* NewCsvSaveFrame(QWidget* parent, const char* name, Qt::Orientation o, QRadioButton*& current,
                           const char* currentName, QRadioButton*& setting, const char* settingName,
                           QPushButton*& execute, const char* executeName);
// One tab page per grid, the grids named gridName(0), gridName(1), ...
QTabWidget* NewGridTabs(QWidget* parent, const char* name, const char* gridName, std::span<FlexGrid*> grids);
// A text of the user's (an axis name) as a caption: its "&" doubled, so it shows as itself and
// marks no mnemonic.
QString CaptionOf(const std::string& text);
// Tab captions from the axis names, cut to maxBytes; the first tab in front.
void SetAxisTabs(QTabWidget* tabs, const Settings& set, int maxBytes);

// The editors' one shape: the table (a grid, a tab of grids, or grids under their labels) at
// the top left, the option frames in their order in a column beside it or a row below it, the
// command buttons along the bottom. Room the window gains goes right and down, so the table
// never drifts from the corner, whichever frames are shown.
enum class FramesAt { Beside, Below };
void LayEditor(QWidget* window, QWidget* table, FramesAt at, std::initializer_list<QWidget*> frames,
               std::initializer_list<QPushButton*> buttons);
void LayEditor(QWidget* window, QLayout* table, FramesAt at, std::initializer_list<QWidget*> frames,
               std::initializer_list<QPushButton*> buttons);

// A grid laid out as the core's layout says: its columns' widths and alignments, its size,
// the fixed header row; the texts are the core's to fill.
void ApplyGridLayout(FlexGrid* g, const GridLayout& layout);

// A top-level window of the tool.
class FormBase : public QWidget {
    Q_OBJECT
public:
    FormBase(Public& pub, WindowShell& shell);
    // Fills the window for a showing, as a fresh load of the window does.
    virtual void Form_Load() {}

protected:
    // The caption head followed by the list text of the chosen model: "head(model)".
    void setModelTitle(const std::string& head);

    Public& pub_;
    WindowShell& shell_;
};

// An editor: hides the main window while open, refuses to close while a transfer or
// link operation runs, and gives the main window back (shown and unlocked) when closed.
class EditorBase : public FormBase {
    Q_OBJECT
public:
    // csvFiles: the files the editor's CSV buttons load and save.
    EditorBase(Public& pub, WindowShell& shell, TransferRunner& transfers, MessageSink& messages,
               CsvProcedures& csvFiles);

protected:
    void closeEvent(QCloseEvent* e) override;
    // Runs when the close goes ahead, before the main window comes back.
    virtual void Form_Unload() {}

    TransferRunner& transfers_;
    MessageSink& messages_;
    CsvProcedures& csv_;
};

// A control window: leaves the main window as it is while open and shows it when closed;
// it does not close under a running link operation.
class ControlBase : public FormBase {
    Q_OBJECT
public:
    ControlBase(Public& pub, WindowShell& shell, LinkOps& link, TaskOps& tasks, MessageSink& messages);

protected:
    void closeEvent(QCloseEvent* e) override;

    LinkOps& link_;
    TaskOps& tasks_;
    MessageSink& messages_;
};

} // namespace posmod
