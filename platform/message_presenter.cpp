#include "platform/message_presenter.h"

#include <QApplication>
#include <QInputDialog>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>

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
    // Over the window the user is working in, rather than wherever the desktop puts it.
    QMessageBox box(boxIcon, title, QString(), QMessageBox::Ok, QApplication::activeWindow());
    // The text may come from a file (a language file's message, the path in Language.ini); as
    // rich text its markup could load images from anywhere. Plain before the text arrives.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.exec();
}

bool QtMessagePresenter::ask(const QString& title, const QString& text, const QString& yes, const QString& no)
{
    QMessageBox box(QMessageBox::Question, title, QString(), QMessageBox::NoButton, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    QPushButton* yesButton = box.addButton(yes, QMessageBox::AcceptRole);
    box.addButton(no, QMessageBox::RejectRole);
    box.setDefaultButton(yesButton);
    box.exec();
    return box.clickedButton() == yesButton;
}

std::optional<QString> QtMessagePresenter::askText(
    const QString& title, const QString& label, const QString& initial, const QString& ok, const QString& cancel)
{
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    dialog.setTextValue(initial);
    dialog.setOkButtonText(ok);
    dialog.setCancelButtonText(cancel);
    // As large as its contents and no larger: window managers then offer no maximise button.
    dialog.layout()->setSizeConstraint(QLayout::SetFixedSize);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

}  // namespace platform
