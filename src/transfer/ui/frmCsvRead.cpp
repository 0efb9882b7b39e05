#include "transfer/ui/frmCsvRead.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include "shared/ui/FormBase.h"
#include "transfer/ui/RangeDialog.h"
#include "transfer/RangeEntry.h"

namespace posmod {

frmCsvRead::frmCsvRead(Public& pub, MessageSink& messages, QWidget* parent)
    : QDialog(parent), pub_(pub), msg_(messages)
{
    RangeDialog_Setup(this, "frmCsvRead", "Csv format file store range");
    setFont(QFont("Arial"));

    DataCombo = NewCombo(this, "DataCombo");
    JikCombo = NewCombo(this, "JikCombo");
    Label2 = NewLabel(this, "Label2", "Automatic operation step");
    NewStepPair(this, StepText, Label3, 3);
    Label2->setBuddy(StepText[0]);
    CaptionBy(StepText[1], Label2); // the end of the range: "~" only marks it
    QHBoxLayout* buttons = NewOkCancel(this, DefaultCommand, "DefaultCommand", CancelCommand);
    connect(DefaultCommand, &QPushButton::clicked, this, &frmCsvRead::DefaultCommand_Click);
    connect(CancelCommand, &QPushButton::clicked, this, &frmCsvRead::CancelCommand_Click);

    auto* grid = new QGridLayout(this);
    grid->addWidget(DataCombo, 0, 0, 1, 4);
    grid->addWidget(JikCombo, 1, 0, 1, 4);
    grid->addWidget(Label2, 2, 0, 1, 4);
    grid->addWidget(StepText[0], 3, 0);
    grid->addWidget(Label3, 3, 1);
    grid->addWidget(StepText[1], 3, 2);
    grid->addLayout(buttons, 4, 0, 1, 4);
    Form_Load();
}

// Filled afresh for every showing: nothing of an earlier use is kept.
void frmCsvRead::Form_Load()
{
    JikCombo->clear();
    const std::vector<std::string>& axes = CsvStoreAxis_Texts(pub_.ModuleType);
    if (axes.empty()) {
        JikCombo->hide();
    } else {
        for (const std::string& a : axes) JikCombo->addItem(QString::fromStdString(a));
        JikCombo->setCurrentIndex(0);
        JikCombo->show();
    }
    DataCombo->clear();
    DataCombo->addItems({"Common parameter/Operation Data", "Common parameter only", "Operation Data only"});
    DataCombo->setCurrentIndex(0);
    for (auto* t : StepText) t->setText("0");
}

void frmCsvRead::showEvent(QShowEvent* e)
{
    if (!e->spontaneous()) {
        Form_Load();
    }
    QDialog::showEvent(e);
}

void frmCsvRead::DefaultCommand_Click()
{
    int32_t first = 0, last = 0;
    if (!StepPair_Read(StepText, msg_, first, last)) return;
    pub_.CsvStoreRange[0] = CsvStoreKind_FromText(DataCombo->currentText().toStdString());
    if (!CsvStoreAxis_Texts(pub_.ModuleType).empty())
        pub_.CsvStoreRange[1] = CsvStoreAxis_FromText(pub_.ModuleType, JikCombo->currentText().toStdString());
    pub_.CsvStoreRange[2] = first;
    pub_.CsvStoreRange[3] = last;
    accept();
}

void frmCsvRead::CancelCommand_Click() { reject(); }

void frmCsvRead::reject()
{
    pub_.CsvStoreRange[0] = 3;
    QDialog::reject();
}

} // namespace posmod
