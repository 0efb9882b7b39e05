#include "platform/MessageBox.h"

#include <QMessageBox>
#include <QString>

namespace posmod {

namespace {
QtMessageSink::Capture& captureHook()
{
    static QtMessageSink::Capture hook;
    return hook;
}
} // namespace

void QtMessageSink::setCapture(Capture capture) { captureHook() = std::move(capture); }

void QtMessageSink::show(const std::string& text, MsgIcon icon)
{
    if (captureHook()) {
        captureHook()(text, icon);
        return;
    }
    QMessageBox::Icon qicon = QMessageBox::Information;
    switch (icon) {
    case MsgIcon::Critical: qicon = QMessageBox::Critical; break;
    case MsgIcon::Exclamation: qicon = QMessageBox::Warning; break;
    case MsgIcon::Information: qicon = QMessageBox::Information; break;
    }
    QMessageBox box(qicon, QString::fromUtf8(kMessageTitle), QString::fromStdString(text),
                    QMessageBox::Ok, parent_);
    box.exec();
}

} // namespace posmod
