#include "platform/message_presenter.h"

#include <QMessageBox>

namespace platform {

void QtMessagePresenter::show(MessageIcon icon, const QString& title, const QString& text)
{
    QMessageBox::Icon boxIcon = QMessageBox::Information;
    switch (icon) {
    case MessageIcon::Stop:
        boxIcon = QMessageBox::Critical;
        break;
    case MessageIcon::Warning:
        boxIcon = QMessageBox::Warning;
        break;
    case MessageIcon::Information:
        boxIcon = QMessageBox::Information;
        break;
    }
    QMessageBox box(boxIcon, title, text, QMessageBox::Ok);
    box.exec();
}

}  // namespace platform
