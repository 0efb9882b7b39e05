#include "app/Forms.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStandardPaths>

#include "control/ui/frmSeigyo7WCmd.h"
#include "control/ui/frmSeigyoJVCmd.h"
#include "control/ui/frmSeigyoZ4Cmd.h"
#include "shared/ui/FormBase.h"
#include "main/ui/frmMain.h"
#include "params/ui/frmParm7W.h"
#include "params/ui/frmParmJV.h"
#include "params/ui/frmParmZr4.h"
#include "positioning/ui/frmAutoRun7WMode.h"
#include "positioning/ui/frmAutoRunJVMode.h"
#include "positioning/ui/frmAutoRunZr4Mode.h"
#include "positioning/ui/frmTeach_Command.h"
#include "shared/SettingsFile.h"
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

Forms::Forms()
    : MSComm1(runtime), Winsock1(runtime), link(pub, runtime, MSComm1, Winsock1, messages),
      tasks(pub, link, messages), settingsPath(SettingsFilePath())
{
    endProgram = [this] {
        for (QWidget* w : forms_)
            if (w) w->hide();
        if (waitDisp_) waitDisp_->hide();
        QCoreApplication::exit(0);
    };
    execDialog = [](QDialog& d) { d.exec(); };
    // The tool ends through Exit only, never because the last visible window went away
    // (an editor closing while the main window is hidden).
    QGuiApplication::setQuitOnLastWindowClosed(false);
}

Forms::~Forms()
{
    // Nothing may reach a window while the windows go.
    link.SettingMenu_Enable = nullptr;
    messages.setParentWidget(nullptr);
    delete waitDisp_;
    // The main window last: the others may refer to it while they go.
    for (int n = kFormCount - 1; n >= 0; --n) delete forms_[static_cast<size_t>(n)];
}

template <class W> W& Forms::get(int formNo)
{
    QWidget*& slot = forms_[static_cast<size_t>(formNo)];
    if (!slot) slot = new W(*this);
    return *static_cast<W*>(slot);
}

frmMain& Forms::Main() { return get<frmMain>(0); }
frmParmJV& Forms::ParmJV() { return get<frmParmJV>(1); }
frmParmZr4& Forms::ParmZr4() { return get<frmParmZr4>(2); }
frmParm7W& Forms::Parm7W() { return get<frmParm7W>(3); }
frmAutoRunJVMode& Forms::AutoRunJVMode() { return get<frmAutoRunJVMode>(4); }
frmAutoRun7WMode& Forms::AutoRun7WMode() { return get<frmAutoRun7WMode>(5); }
frmAutoRunZr4Mode& Forms::AutoRunZr4Mode() { return get<frmAutoRunZr4Mode>(6); }
frmSeigyoJVCmd& Forms::SeigyoJVCmd() { return get<frmSeigyoJVCmd>(7); }
frmSeigyo7WCmd& Forms::Seigyo7WCmd() { return get<frmSeigyo7WCmd>(8); }
frmSeigyoZ4Cmd& Forms::SeigyoZ4Cmd() { return get<frmSeigyoZ4Cmd>(9); }
frmTeach_Command& Forms::Teach_Command() { return get<frmTeach_Command>(11); }

frmWaitDisp& Forms::WaitDisp()
{
    if (!waitDisp_) {
        waitDisp_ = new frmWaitDisp(pub, *linkOps, *taskOps);
        waitDisp_->windowOf = [this](const std::string& name) { return existingForm(name); };
    }
    return *waitDisp_;
}

QWidget* Forms::form(int formNo)
{
    switch (formNo) {
    case 0: return &Main();
    case 1: return &ParmJV();
    case 2: return &ParmZr4();
    case 3: return &Parm7W();
    case 4: return &AutoRunJVMode();
    case 5: return &AutoRun7WMode();
    case 6: return &AutoRunZr4Mode();
    case 7: return &SeigyoJVCmd();
    case 8: return &Seigyo7WCmd();
    case 9: return &SeigyoZ4Cmd();
    case 11: return &Teach_Command();
    default: return nullptr;
    }
}

QWidget* Forms::existingForm(int formNo) const
{
    if (formNo < 0 || formNo >= kFormCount) return nullptr;
    return forms_[static_cast<size_t>(formNo)];
}

QWidget* Forms::existingForm(const std::string& formName) const
{
    if (formName == "frmWaitDisp") return waitDisp_;
    for (int n = 0; n < kFormCount; ++n)
        if (!FormControl_FormName(n).empty() && FormControl_FormName(n) == formName) return existingForm(n);
    return nullptr;
}

QObject* Forms::findControl(QWidget* window, const QString& name)
{
    if (!window) return nullptr;
    const QList<QObject*> found = window->findChildren<QObject*>(name);
    return found.size() == 1 ? found.front() : nullptr;
}

void Forms::FormControl_Enable(uint8_t formNo, bool enable)
{
    if (formNo == 10 || formNo >= kFormCount) return;
    QWidget* w = form(formNo);
    for (const std::string& name : FormControl_Names(formNo))
        if (QObject* c = findControl(w, QString::fromStdString(name))) SetControlEnabled(c, enable);
}

uint8_t Forms::SendMain(int mode) { return WaitDisp().SendMain(mode); }

bool Forms::operationRunning() const { return pub.SendCancel == 0 || pub.TransferBusy || link.busy(); }

void Forms::openAtMain(QWidget& w)
{
    // A window already open keeps what the user chose in it; only a fresh opening loads.
    if (!w.isVisible())
        if (auto* f = dynamic_cast<FormBase*>(&w)) f->Form_Load();
    w.move(Main().pos());
    w.show();
    w.raise();
    w.activateWindow();
}

} // namespace posmod
