#include "shared/ui/SettingsControls.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>

#include "shared/Messages.h"
#include "shared/ui/FormBase.h"

namespace posmod {

namespace {

class LabelClick : public QObject {
public:
    LabelClick(QLabel* label, std::function<void()> f) : QObject(label), f_(std::move(f))
    {
        label->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() == QEvent::MouseButtonRelease && f_) f_();
        return QObject::eventFilter(watched, e);
    }

private:
    std::function<void()> f_;
};

} // namespace

void NewNetworkFrame(QWidget* parent, NetworkControls& c, std::function<void(int)> onNetwork)
{
    c.frame = NewFrame(parent, "NetworkFrame", "Network Address");
    c.NetworkOption[0] = NewOption(c.frame, ArrayName("NetworkOption", 0), "Own Station");
    c.NetworkOption[1] = NewOption(c.frame, ArrayName("NetworkOption", 1), "Another Station");
    c.LoopLabel[0] = NewLabel(c.frame, ArrayName("LoopLabel", 0), "Loop No.");
    c.LoopLabel[1] = NewLabel(c.frame, ArrayName("LoopLabel", 1), "LINK's Station No.");
    c.LoopText[0] = NewText(c.frame, ArrayName("LoopText", 0), 1);
    c.LoopText[1] = NewText(c.frame, ArrayName("LoopText", 1), 2);
    auto* grid = new QGridLayout(c.frame);
    grid->addWidget(c.NetworkOption[0], 0, 0);
    grid->addWidget(c.NetworkOption[1], 1, 0);
    for (int i = 0; i < 2; ++i) {
        grid->addWidget(c.LoopLabel[static_cast<size_t>(i)], i, 1);
        grid->addWidget(c.LoopText[static_cast<size_t>(i)], i, 2);
        c.LoopLabel[static_cast<size_t>(i)]->setBuddy(c.LoopText[static_cast<size_t>(i)]);
        QObject::connect(c.NetworkOption[static_cast<size_t>(i)], &QRadioButton::toggled, c.frame,
                         [onNetwork, i](bool on) {
                             if (on) onNetwork(i);
                         });
    }
}

void NewStationFrame(QWidget* parent, StationControls& c, std::function<void(int)> onStation)
{
    c.frame = NewFrame(parent, "StationFrame", "Station No");
    c.StationOption[0] = NewOption(c.frame, ArrayName("StationOption", 0), "None");
    c.StationOption[1] = NewOption(c.frame, ArrayName("StationOption", 1), "Station No.");
    c.StationText = NewText(c.frame, "StationText", 2);
    CaptionBy(c.StationText, c.StationOption[1]);
    auto* grid = new QGridLayout(c.frame);
    grid->addWidget(c.StationOption[0], 0, 0);
    grid->addWidget(c.StationOption[1], 1, 0);
    grid->addWidget(c.StationText, 1, 1);
    for (int i = 0; i < 2; ++i)
        QObject::connect(c.StationOption[static_cast<size_t>(i)], &QRadioButton::toggled, c.frame,
                         [onStation, i](bool on) {
                             if (on) onStation(i);
                         });
}

void NewRusFrame(QWidget* parent, RusControls& c)
{
    c.frame = NewFrame(parent, "RusFrame", "RUS Setting");
    c.ReLabel = NewLabel(c.frame, "ReLabel", "Remote No");
    c.UnLabel = NewLabel(c.frame, "UnLabel", "Unit No");
    c.SlLabel = NewLabel(c.frame, "SlLabel", "Slot No");
    auto* grid = new QGridLayout(c.frame);
    QLabel* labels[3] = {c.ReLabel, c.UnLabel, c.SlLabel};
    for (int i = 0; i < 3; ++i) {
        QComboBox*& list = c.Rus_Combo[static_cast<size_t>(i)];
        list = NewCombo(c.frame, ArrayName("Rus_Combo", i));
        grid->addWidget(labels[i], 0, i);
        grid->addWidget(list, 1, i);
        labels[i]->setBuddy(list);
    }
}

void NetworkOption_Apply(NetworkControls& c, int index)
{
    for (QLineEdit* box : c.LoopText) {
        if (index == 0) box->setText("0");
        SetBoxEditable(box, index != 0);
    }
}

void StationOption_Apply(StationControls& c, int index)
{
    if (index == 0) c.StationText->clear();
    SetBoxEditable(c.StationText, index != 0);
}

void NetworkControls_Fill(NetworkControls& c, const NetworkEntry& e)
{
    const int index = e.anotherStation ? 1 : 0;
    c.NetworkOption[static_cast<size_t>(index)]->setChecked(true);
    NetworkOption_Apply(c, index);
    if (e.anotherStation) {
        c.LoopText[0]->setText(QString::fromStdString(e.loopNo));
        c.LoopText[1]->setText(QString::fromStdString(e.linkStNo));
    }
}

void StationControls_Fill(StationControls& c, const StationEntry& e)
{
    const int index = e.stationNo ? 1 : 0;
    c.StationOption[static_cast<size_t>(index)]->setChecked(true);
    StationOption_Apply(c, index);
    if (e.stationNo) c.StationText->setText(QString::fromStdString(e.statNo));
}

void RusControls_Fill(RusControls& c, const RusChoice& choice)
{
    for (int i = 0; i < 3; ++i)
        List_Fill(c.Rus_Combo[static_cast<size_t>(i)], RusEntries(i), choice[static_cast<size_t>(i)]);
}

NetworkEntry NetworkControls_Read(const NetworkControls& c)
{
    return {c.NetworkOption[1]->isChecked(), c.LoopText[0]->text().toStdString(),
            c.LoopText[1]->text().toStdString()};
}

StationEntry StationControls_Read(const StationControls& c)
{
    return {c.StationOption[1]->isChecked(), c.StationText->text().toStdString()};
}

RusChoice RusControls_Read(const RusControls& c)
{
    return {List_Choice(c.Rus_Combo[0]), List_Choice(c.Rus_Combo[1]), List_Choice(c.Rus_Combo[2])};
}

void List_Fill(QComboBox* list, const std::vector<std::string>& entries, const std::string& choice)
{
    list->clear();
    for (const std::string& e : entries) list->addItem(QString::fromStdString(e));
    list->setCurrentIndex(ListEntry_Find(entries, choice));
}

std::string List_Choice(const QComboBox* list)
{
    return list->currentIndex() < 0 ? std::string() : list->currentText().toStdString();
}

void SetBackColour(QWidget* w, const QColor& colour)
{
    QPalette p = w->palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(g, QPalette::Base, colour);
        p.setColor(g, QPalette::Window, colour);
        // A check box fills its background with the button colour.
        p.setColor(g, w->backgroundRole(), colour);
    }
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

QColor WindowBackColour() { return QApplication::palette().color(QPalette::Active, QPalette::Base); }

QColor ButtonFaceColour() { return QApplication::palette().color(QPalette::Active, QPalette::Button); }

void SetBoxEditable(QLineEdit* box, bool editable)
{
    box->setEnabled(editable);
    SetBackColour(box, editable ? WindowBackColour() : ButtonFaceColour());
}

int TitleWidth(const QWidget* window)
{
    QFont bold = QApplication::font();
    bold.setBold(true);
    const QFontMetrics m(bold);
    return m.horizontalAdvance(window->windowTitle()) + 8 * m.height();
}

void FitTitle(QWidget* window)
{
    window->setMinimumWidth(std::max(window->minimumSizeHint().width(), TitleWidth(window)));
}

void OnLabelClick(QLabel* label, std::function<void()> onClick) { new LabelClick(label, std::move(onClick)); }

void SettingFault_Report(const SettingFault& f, MessageSink& messages, QLineEdit* station, const NetworkControls& net)
{
    messages.show(SettingError_Message(f.error), MsgIcon::Exclamation);
    QLineEdit* box = f.box == SettingBox::Station ? station
                     : f.box == SettingBox::Loop  ? net.LoopText[0]
                                                : net.LoopText[1];
    box->setFocus(Qt::OtherFocusReason);
}

} // namespace posmod
