#pragma once
// The controls of the settings dialogs: the network-address, station-number and RUS frames
// the two connection dialogs share, with their option behaviour; the choose-only lists, the
// colours of the boxes, labels that move the focus when clicked, and a width that shows a
// dialog's caption whole.
#include <QColor>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "shared/SettingsEntry.h"

class QComboBox;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace posmod {

class MessageSink;

// "Network Address": "Own Station" / "Another Station", the loop and LINK station boxes.
struct NetworkControls {
    QGroupBox* frame = nullptr;
    std::array<QRadioButton*, 2> NetworkOption{};
    std::array<QLabel*, 2> LoopLabel{};
    std::array<QLineEdit*, 2> LoopText{};
};
// "Station No": "None" / "Station No." and the station box.
struct StationControls {
    QGroupBox* frame = nullptr;
    std::array<QRadioButton*, 2> StationOption{};
    QLineEdit* StationText = nullptr;
};
// "RUS Setting": remote, unit and slot lists.
struct RusControls {
    QGroupBox* frame = nullptr;
    QLabel* ReLabel = nullptr;
    QLabel* UnLabel = nullptr;
    QLabel* SlLabel = nullptr;
    std::array<QComboBox*, 3> Rus_Combo{};
};

// The frames; the options call onNetwork / onStation with their index when chosen.
void NewNetworkFrame(QWidget* parent, NetworkControls& c, std::function<void(int)> onNetwork);
void NewStationFrame(QWidget* parent, StationControls& c, std::function<void(int)> onStation);
void NewRusFrame(QWidget* parent, RusControls& c);

// Index 1: both loop boxes may be edited. Index 0: both disabled, holding "0".
void NetworkOption_Apply(NetworkControls& c, int index);
// Index 1: the station box may be edited. Index 0: emptied and disabled.
void StationOption_Apply(StationControls& c, int index);

// Filling on open; reading what the controls hold.
void NetworkControls_Fill(NetworkControls& c, const NetworkEntry& e);
void StationControls_Fill(StationControls& c, const StationEntry& e);
void RusControls_Fill(RusControls& c, const RusChoice& choice);
NetworkEntry NetworkControls_Read(const NetworkControls& c);
StationEntry StationControls_Read(const StationControls& c);
RusChoice RusControls_Read(const RusControls& c);

// A list filled with entries, choice selected ("" or no entry: nothing selected).
void List_Fill(QComboBox* list, const std::vector<std::string>& entries, const std::string& choice);
// The selected entry, "" when nothing is selected.
std::string List_Choice(const QComboBox* list);

// The background of a box or check box.
void SetBackColour(QWidget* w, const QColor& colour);
// The system colours: window background (a box that may be edited) and button face.
QColor WindowBackColour();
QColor ButtonFaceColour();
// Enabled with the window-background colour, or disabled with the button-face colour.
void SetBoxEditable(QLineEdit* box, bool editable);

// The width a title bar needs to show the window's caption whole: the caption in bold and
// room for the window's icon and buttons. The window manager draws it, so this is an estimate.
int TitleWidth(const QWidget* window);
// At least that wide, and never narrower than its layout needs.
void FitTitle(QWidget* window);

// A click on the label runs onClick.
void OnLabelClick(QLabel* label, std::function<void()> onClick);

// A failed check: its message (exclamation), then the focus in the box at fault.
void SettingFault_Report(const SettingFault& f, MessageSink& messages, QLineEdit* station,
                       const NetworkControls& net);

} // namespace posmod
