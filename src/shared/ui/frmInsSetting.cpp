#include "shared/ui/frmInsSetting.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "shared/Public.h"
#include "shared/ui/FormBase.h"

namespace posmod {

frmInsSetting::frmInsSetting(Public& pub, MessageSink& messages, QWidget* parent)
    : QDialog(parent), pub_(pub), msg_(messages)
{
    setObjectName("frmInsSetting");
    setWindowTitle("Configuration of connection attention for Ethernet");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    ModuleFrame = NewFrame(this, "ModuleFrame", "Module(NEX-KOR / TORLI-V)");
    for (int i = 0; i < kIpBoxCount; ++i) IPText[static_cast<size_t>(i)] = NewText(ModuleFrame, ArrayName("IPText", i));
    Label1[0] = NewLabel(ModuleFrame, ArrayName("Label1", 0), "IP address U (&U)");
    Label1[1] = NewLabel(ModuleFrame, ArrayName("Label1", 1), "IP address L (&L)");
    Label2 = NewLabel(ModuleFrame, "Label2", "Port number (&P)");
    Label8 = NewLabel(ModuleFrame, "Label8", "Dec (&A)");
    Label3 = NewLabel(ModuleFrame, "Label3", "Dec (&G)");
    Label10 = NewLabel(ModuleFrame, "Label10", "Dec (&J)");
    for (int i = 0; i < 4; ++i) Label4[static_cast<size_t>(i)] = NewLabel(ModuleFrame, ArrayName("Label4", i), ".");
    Check1 = NewCheck(ModuleFrame, "Check1", "Dec Input (&H)");
    DefCommand = NewButton(ModuleFrame, "DefCommand", "Example(&X)");
    NewNetworkFrame(this, net_, [this](int i) { NetworkOption_Click(i); });
    SerialFrame = NewFrame(this, "SerialFrame", "Serial Number");
    TBNText = NewText(SerialFrame, "TBNText", 2);
    NewStationFrame(this, station_, [this](int i) { StationOption_Click(i); });
    NewRusFrame(this, rus_);
    DataSetCommand = NewButton(this, "DataSetCommand", "OK(&O)");
    DataSetCommand->setDefault(true);
    DataCancelCommand = NewButton(this, "DataCancelCommand", "Cancel(&C)");

    Label1[0]->setBuddy(IPText[0]);
    Label1[1]->setBuddy(IPText[1]);
    Label2->setBuddy(IPText[2]);
    Label8->setBuddy(IPText[3]);
    Label3->setBuddy(IPText[5]);
    Label10->setBuddy(IPText[7]);
    // The second octet of a row goes by the row's label too.
    CaptionBy(IPText[4], Label8);
    CaptionBy(IPText[6], Label3);

    auto* mod = new QGridLayout(ModuleFrame);
    mod->addWidget(Label1[0], 0, 0);
    mod->addWidget(IPText[0], 0, 1);
    mod->addWidget(Label1[1], 1, 0);
    mod->addWidget(IPText[1], 1, 1);
    mod->addWidget(Label2, 2, 0);
    mod->addWidget(IPText[2], 2, 1);
    // The octets, two a row, each followed by its dot.
    for (int row = 0; row < 2; ++row) {
        mod->addWidget(row == 0 ? Label8 : Label3, row, 2);
        for (int k = 0; k < 2; ++k) {
            const int i = 2 * row + k;
            mod->addWidget(IPText[static_cast<size_t>(3 + i)], row, 3 + 2 * k);
            mod->addWidget(Label4[static_cast<size_t>(i)], row, 4 + 2 * k);
        }
    }
    mod->addWidget(Label10, 2, 2);
    mod->addWidget(IPText[7], 2, 3, 1, 3);
    mod->addWidget(Check1, 3, 0, 1, 2);
    mod->addWidget(DefCommand, 3, 2, 1, 4);
    (new QVBoxLayout(SerialFrame))->addWidget(TBNText);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(DataSetCommand);
    buttons->addWidget(DataCancelCommand);
    auto* grid = new QGridLayout(this);
    grid->addWidget(ModuleFrame, 0, 0, 1, 2);
    grid->addWidget(net_.frame, 1, 0);
    grid->addWidget(SerialFrame, 1, 1);
    grid->addWidget(station_.frame, 2, 0);
    grid->addWidget(rus_.frame, 2, 1);
    grid->addLayout(buttons, 3, 0, 1, 2);

    for (QLineEdit* box : IPText) box->installEventFilter(this);
    connect(Check1, &QCheckBox::toggled, this, &frmInsSetting::Check1_Click);
    connect(DefCommand, &QPushButton::clicked, this, &frmInsSetting::DefCommand_Click);
    connect(DataSetCommand, &QPushButton::clicked, this, &frmInsSetting::DataSetCommand_Click);
    connect(DataCancelCommand, &QPushButton::clicked, this, &frmInsSetting::DataCancelCommand_Click);

    // Every opening starts in decimal entry (the toggle sets the colours).
    Check1->setChecked(true);
    FitTitle(this);
}

frmInsSetting::~frmInsSetting()
{
    // No conversion may run while the boxes go.
    for (QLineEdit* box : IPText) box->removeEventFilter(this);
}

void frmInsSetting::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (!activated_) {
        activated_ = true;
        Form_Activate();
    }
}

void frmInsSetting::Form_Activate()
{
    const EthEntries e = EthEntries_Load(pub_.set);
    setBoxes(e.ip);
    TBNText->setText(QString::fromStdString(e.seriNo));
    NetworkControls_Fill(net_, e.net);
    StationControls_Fill(station_, e.station);
    RusControls_Fill(rus_, e.rus);
}

void frmInsSetting::Check1_Click()
{
    const bool decimal = Check1->isChecked();
    SetBackColour(Check1, decimal ? DecimalColour() : HexColour());
    for (int i = 0; i < kIpBoxCount; ++i) {
        const bool decimalBox = i >= 3;
        const bool editable = decimalBox == decimal;
        QLineEdit* box = IPText[static_cast<size_t>(i)];
        box->setEnabled(editable);
        SetBackColour(box, !editable ? ButtonFaceColour() : decimal ? DecimalColour() : HexColour());
    }
}

bool frmInsSetting::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::FocusOut) {
        // Only a move to another control of the dialog: not another window becoming active
        // nor a popup (a message box, a list's drop-down), nor the box itself being switched
        // off by a change of the entry mode (which converts nothing).
        const Qt::FocusReason why = static_cast<QFocusEvent*>(e)->reason();
        if (why != Qt::ActiveWindowFocusReason && why != Qt::PopupFocusReason)
            for (int i = 0; i < kIpBoxCount; ++i)
                if (watched == IPText[static_cast<size_t>(i)] && IPText[static_cast<size_t>(i)]->isEnabled())
                    IPText_LostFocus(i);
    }
    return QDialog::eventFilter(watched, e);
}

void frmInsSetting::IPText_LostFocus(int)
{
    IpBoxes b = boxes();
    IpBoxes_LineUp(b, Check1->isChecked());
    setBoxes(b);
}

void frmInsSetting::DefCommand_Click()
{
    IpBoxes b = boxes();
    IpBoxes_Example(b);
    setBoxes(b);
}

int frmInsSetting::focusedBox() const
{
    const QWidget* f = focusWidget();
    for (int i = 0; i < kIpBoxCount; ++i)
        if (f == IPText[static_cast<size_t>(i)]) return i;
    return -1;
}

void frmInsSetting::DataSetCommand_Click()
{
    // Reached without the focus leaving a box (Enter): that box is brought in line first,
    // as leaving it would, so the link's decimal address and port hold what was typed.
    if (const int i = focusedBox(); i >= 0) IPText_LostFocus(i);
    EthEntries e;
    e.ip = boxes();
    e.seriNo = TBNText->text().toStdString();
    e.net = NetworkControls_Read(net_);
    e.station = StationControls_Read(station_);
    e.rus = RusControls_Read(rus_);
    const SettingFault f = EthEntries_Store(e, pub_.set);
    setBoxes(e.ip);
    if (f.failed()) {
        SettingFault_Report(f, msg_, StationText, net_);
        return;
    }
    accept();
}

IpBoxes frmInsSetting::boxes() const
{
    IpBoxes b;
    for (size_t i = 0; i < b.size(); ++i) b[i] = IPText[i]->text().toStdString();
    return b;
}

void frmInsSetting::setBoxes(const IpBoxes& b)
{
    for (size_t i = 0; i < b.size(); ++i) {
        const QString t = QString::fromStdString(b[i]);
        if (IPText[i]->text() != t) IPText[i]->setText(t);
    }
}

} // namespace posmod
