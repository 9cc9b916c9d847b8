#pragma once

#include "dialogs/DialogPrompts.h"

// The dialogs' message boxes as QMessageBox and their beep as QApplication::beep.
class QtDialogPrompts final : public DialogPrompts
{
public:
    bool askYesNo(QWidget *owner, const QString &message, const QString &title) override;
    bool choose(QWidget *owner, const Choice &choice) override;
    void warn(QWidget *owner, const QString &message, const QString &title) override;
    void beep() override;
};
