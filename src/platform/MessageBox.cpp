#include "platform/MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

namespace posmod {

void QtMessageSink::show(const std::string& text, MsgIcon icon)
{
    QMessageBox::Icon qicon = QMessageBox::Information;
    switch (icon) {
    case MsgIcon::Critical: qicon = QMessageBox::Critical; break;
    case MsgIcon::Exclamation: qicon = QMessageBox::Warning; break;
    case MsgIcon::Information: qicon = QMessageBox::Information; break;
    case MsgIcon::None: qicon = QMessageBox::NoIcon; break;
    }
    QWidget* parent = QApplication::activeModalWidget();
    if (!parent) parent = QApplication::activeWindow();
    QMessageBox box(qicon, QString::fromUtf8(kMessageTitle), QString::fromStdString(text), QMessageBox::Ok, parent);
    box.exec();
}

} // namespace posmod
