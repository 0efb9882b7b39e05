#include "platform/MessageBox.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>
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
    // A short text would make the box narrower than its title, which the title bar then cuts:
    // keep room for the title in a bold face and the title bar's icon and buttons.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        QFont bold = box.font();
        bold.setBold(true);
        const QFontMetrics fm(bold);
        const int width = fm.horizontalAdvance(box.windowTitle()) + 8 * fm.height();
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                      grid->columnCount());
    }
    box.exec();
}

} // namespace posmod
