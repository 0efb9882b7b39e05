#include "app/Forms.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStandardPaths>

#include "app/DialogTable.h"
#include "app/WindowTable.h"
#include "main/ui/frmMain.h"
#include "shared/SettingsFile.h"
#include "shared/ui/EditorTableSource.h"
#include "shared/ui/FormBase.h"
#include "transfer/ui/frmWaitDisp.h"

namespace posmod {

std::string SettingsFilePath()
{
    const QByteArray env = qgetenv("POSMOD_SETTINGS");
    if (!env.isEmpty()) return env.toStdString();
    const QString appDir = QCoreApplication::applicationDirPath();
    if (QFileInfo(appDir).isWritable()) return QDir(appDir).filePath(kSettingsFileName).toStdString();
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(config);
    return QDir(config).filePath(kSettingsFileName).toStdString();
}

Forms::Forms(MessageSink* messages)
    : MSComm1(runtime), Winsock1(runtime), messages_(messages ? *messages : ownMessages_),
      link(pub, runtime, MSComm1, Winsock1, messages_), tasks(pub, link, messages_), settingsPath(SettingsFilePath())
{
    endProgram = [this] {
        for (QWidget* w : forms_)
            if (w) w->hide();
        if (waitDisp_) waitDisp_->hide();
        QCoreApplication::exit(0);
    };
    runDialog = [](QDialog& d) { d.exec(); };
    csvFiles.editors = [this](int formNo) { return editorTable(formNo); };
    enabled_.fill(true);
    // The tool ends through Exit only, never because the last visible window went away
    // (an editor closing while the main window is hidden).
    QGuiApplication::setQuitOnLastWindowClosed(false);
}

Forms::~Forms()
{
    // Nothing may reach a window while the windows go.
    link.onClosed = nullptr;
    delete waitDisp_;
    // The main window last: the others may refer to it while they go.
    for (int n = form::kCount - 1; n >= 0; --n) delete forms_[static_cast<size_t>(n)];
}

MainServices Forms::mainServices()
{
    return MainServices{pub, *this, *this, *linkOps, MSComm1, messages_, settingsPath, fileWriter,
                        [this] { endProgram(); }, [this]() -> QWidget& { return WaitDisp(); }, csvFiles};
}

frmMain& Forms::Main() { return *static_cast<frmMain*>(form(form::frmMain)); }

frmWaitDisp& Forms::WaitDisp()
{
    if (!waitDisp_) waitDisp_ = static_cast<frmWaitDisp*>(WindowTable_Row("frmWaitDisp")->create(*this));
    return *waitDisp_;
}

EditorTable Forms::editorTable(int formNo) const
{
    auto* source = dynamic_cast<EditorTableSource*>(existingForm(formNo));
    return source ? source->editorTable() : EditorTable{};
}

int Forms::formOf(const char* className)
{
    std::string name = className;
    const std::size_t colons = name.rfind("::");
    if (colons != std::string::npos) name = name.substr(colons + 2);
    const WindowRow* row = WindowTable_Row(name);
    return row ? row->formNo : form::kNone;
}

QWidget* Forms::form(int formNo)
{
    const WindowRow* row = WindowTable_Row(formNo);
    if (!row) return nullptr;
    QWidget*& slot = forms_[static_cast<size_t>(formNo)];
    if (!slot) {
        slot = row->create(*this);
        if (formNo == form::frmMain)
            link.onClosed = [m = static_cast<frmMain*>(slot)] { m->SettingMenu_Enable(); };
    }
    return slot;
}

QWidget* Forms::existingForm(int formNo) const
{
    if (formNo < 0 || formNo >= form::kCount) return nullptr;
    return forms_[static_cast<size_t>(formNo)];
}

QWidget* Forms::existingForm(const std::string& formName) const
{
    if (formName == "frmWaitDisp") return static_cast<QWidget*>(waitDisp_);
    const WindowRow* row = WindowTable_Row(formName);
    return row ? existingForm(row->formNo) : nullptr;
}

QWidget* Forms::form(const std::string& formName)
{
    if (formName == "frmWaitDisp") return &WaitDisp();
    const WindowRow* row = WindowTable_Row(formName);
    return row ? form(row->formNo) : nullptr;
}

QObject* Forms::findControl(QWidget* window, const QString& name)
{
    if (!window) return nullptr;
    const QList<QObject*> found = window->findChildren<QObject*>(name);
    return found.size() == 1 ? found.front() : nullptr;
}

void Forms::FormControl_Enable(uint8_t formNo, bool enable)
{
    const WindowRow* row = WindowTable_Row(formNo);
    if (!row) return;
    QWidget* w = form(formNo);
    enabled_[static_cast<size_t>(formNo)] = enable;
    for (const std::string& name : row->lockControls)
        if (QObject* c = findControl(w, QString::fromStdString(name))) SetControlEnabled(c, enable);
}

bool Forms::FormControl_Enabled(uint8_t formNo) const
{
    return formNo < form::kCount ? enabled_[formNo] : true;
}

uint8_t Forms::SendMain(int mode) { return WaitDisp().SendMain(mode); }

bool Forms::operationRunning() const
{
    return pub.SendCancel == 0 || pub.TransferBusy || pub.ControlBusy || link.busy();
}

void Forms::openAtMain(int formNo)
{
    QWidget* w = form(formNo);
    if (!w) return;
    // A window already open keeps what the user chose in it; only a fresh opening loads.
    if (!w->isVisible())
        if (auto* f = dynamic_cast<FormBase*>(w)) f->Form_Load();
    w->move(Main().pos());
    w->show();
    w->raise();
    w->activateWindow();
}

void Forms::execDialog(QDialog& d) { showDialog(d, d.parentWidget() ? d.parentWidget()->window() : nullptr); }

void Forms::showDialog(QDialog& d, const QWidget* opener)
{
    if (dialogShown) dialogShown(d, opener);
    runDialog(d);
}

int Forms::openDialog(dialog::No dialogNo, QWidget& opener)
{
    const DialogRow* row = DialogTable_Row(dialogNo);
    const DialogPtr d = row ? row->create(*this, opener) : nullptr;
    if (!d) return QDialog::Rejected;
    showDialog(*d, &opener);
    return d->result();
}

void Forms::closeForm(int formNo)
{
    QWidget* w = existingForm(formNo);
    if (w && w->isVisible()) w->close();
}

} // namespace posmod
