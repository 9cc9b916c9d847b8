#include "dialogs/QtDialogPrompts.h"

#include <QApplication>
#include <QMessageBox>

bool QtDialogPrompts::askYesNo(QWidget *owner, const QString &message, const QString &title)
{
    return QMessageBox::question(owner, title, message, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes;
}

void QtDialogPrompts::warn(QWidget *owner, const QString &message, const QString &title)
{
    QMessageBox::warning(owner, title, message);
}

void QtDialogPrompts::beep()
{
    QApplication::beep();
}
