#include "dialogs/QtDialogPrompts.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

bool QtDialogPrompts::askYesNo(QWidget *owner, const QString &message, const QString &title)
{
    return QMessageBox::question(owner, title, message, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes;
}

bool QtDialogPrompts::choose(QWidget *owner, const Choice &choice)
{
    QMessageBox box(QMessageBox::Question, choice.title, choice.message, QMessageBox::NoButton, owner);
    box.setInformativeText(choice.detail);
    QPushButton *accept = box.addButton(choice.accept, QMessageBox::AcceptRole);
    QPushButton *reject = box.addButton(choice.reject, QMessageBox::RejectRole);
    box.setDefaultButton(choice.acceptIsDefault ? accept : reject);
    box.setEscapeButton(reject);
    box.exec();
    return box.clickedButton() == accept;
}

void QtDialogPrompts::warn(QWidget *owner, const QString &message, const QString &title)
{
    QMessageBox::warning(owner, title, message);
}

void QtDialogPrompts::beep()
{
    QApplication::beep();
}
