#include "control/ui/frmSeigyoZ4Data.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "control/ui/SeigyoCmdBase.h"
#include "shared/ui/FormBase.h"

namespace posmod {

frmSeigyoZ4Data::frmSeigyoZ4Data(Public& pub, MessageSink& messages, QWidget* parent)
    : QDialog(parent), pub_(pub), form_(messages)
{
    setObjectName("frmSeigyoZ4Data");
    setWindowTitle(kZ4DataCaption);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowModality(Qt::ApplicationModal);

    auto* table = new QGridLayout;
    table->setHorizontalSpacing(10);
    for (int a = 0; a < kZ4DataAxes; ++a) {
        const auto k = static_cast<size_t>(a);
        const QString suffix = QString::number(a + 1);
        JikLabel[k] = NewLabel(this, ArrayName("JikLabel", a), "");
        table->addWidget(JikLabel[k], 0, 2 * a, 1, 2, Qt::AlignHCenter);
        for (int r = 0; r < kZ4DataRows; ++r) {
            const auto i = static_cast<size_t>(r);
            SeLabel[k][i] = NewLabel(this, ArrayName(("SeLabel" + suffix).toUtf8().constData(), r),
                                     Z4DataRow_Label(a, r).c_str());
            SeText[k][i] = NewText(this, ArrayName(("SeText" + suffix).toUtf8().constData(), r), Z4DataRow_MaxLength(r));
            FitTextWidth(SeText[k][i], Z4DataRow_MaxLength(r));
            SeLabel[k][i]->setBuddy(SeText[k][i]);
            table->addWidget(SeLabel[k][i], r + 1, 2 * a);
            table->addWidget(SeText[k][i], r + 1, 2 * a + 1);
        }
    }
    HexDecZ4Frame = NewHexDecFrame(this, "HexDecZ4Frame", Qt::Horizontal, HexZ4Option, "HexZ4Option", DecZ4Option,
                                   "DecZ4Option");
    DataSetCommand = NewButton(this, "DataSetCommand", "OK");
    DataCancelCommand = NewButton(this, "DataCancelCommand", "Cancel");
    connect(DataSetCommand, &QPushButton::clicked, this, &frmSeigyoZ4Data::DataSetCommand_Click);
    connect(DataCancelCommand, &QPushButton::clicked, this, &frmSeigyoZ4Data::DataCancelCommand_Click);
    connect(HexZ4Option, &QRadioButton::clicked, this, &frmSeigyoZ4Data::HexZ4Option_Click);
    connect(DecZ4Option, &QRadioButton::clicked, this, &frmSeigyoZ4Data::DecZ4Option_Click);

    // Below the table: the display frame in the middle, OK and Cancel to its right.
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(HexDecZ4Frame);
    bottom->addStretch();
    bottom->addWidget(DataSetCommand, 0, Qt::AlignBottom);
    bottom->addWidget(DataCancelCommand, 0, Qt::AlignBottom);
    auto* box = new QGridLayout(this);
    box->addLayout(table, 0, 0);
    box->addLayout(bottom, 1, 0);
    Form_Load();
}

void frmSeigyoZ4Data::Form_Load()
{
    form_.Form_Load(pub_);
    for (int a = 0; a < kZ4DataAxes; ++a) {
        const auto k = static_cast<size_t>(a);
        JikLabel[k]->setText(QString::fromStdString(form_.JikLabel[k]));
        for (int r = 0; r < kZ4DataRows; ++r) {
            QLineEdit* t = SeText[k][static_cast<size_t>(r)];
            const bool on = form_.enabled[k][static_cast<size_t>(r)];
            t->setEnabled(on);
            // A disabled field in the button face; an enabled one keeps the design colours.
            if (!on) SetBackColor(t, false);
        }
    }
    push();
}

void frmSeigyoZ4Data::pull()
{
    for (size_t a = 0; a < SeText.size(); ++a)
        for (size_t r = 0; r < SeText[a].size(); ++r) form_.SeText[a][r] = SeText[a][r]->text().toStdString();
}

void frmSeigyoZ4Data::push()
{
    for (size_t a = 0; a < SeText.size(); ++a)
        for (size_t r = 0; r < SeText[a].size(); ++r) SeText[a][r]->setText(QString::fromStdString(form_.SeText[a][r]));
    HexZ4Option->setChecked(form_.hexDisplay);
    DecZ4Option->setChecked(!form_.hexDisplay);
}

void frmSeigyoZ4Data::HexZ4Option_Click()
{
    pull();
    form_.HexZ4Option_Click();
    push();
}

void frmSeigyoZ4Data::DecZ4Option_Click()
{
    pull();
    form_.DecZ4Option_Click();
    push();
}

void frmSeigyoZ4Data::DataSetCommand_Click()
{
    pull();
    // A refused entry keeps the dialog open with every field as typed.
    if (form_.DataSetCommand_Click(pub_)) accept();
}

void frmSeigyoZ4Data::DataCancelCommand_Click() { reject(); }

void frmSeigyoZ4Data::reject()
{
    Z4DataForm::DataCancelCommand_Click(pub_);
    QDialog::reject();
}

} // namespace posmod
