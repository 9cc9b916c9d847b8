#pragma once

#include "dialogs/DialogPrompts.h"

#include <QList>
#include <QStringList>

// Message boxes that answer Yes or No from a list the test fills (No when it is empty), and a beep that
// is only counted. Every question and warning is recorded as "title: message".
class FakeDialogPrompts final : public DialogPrompts
{
public:
    bool askYesNo(QWidget *, const QString &message, const QString &title) override
    {
        questions.append(title + QStringLiteral(": ") + message);
        return !answers.isEmpty() && answers.takeFirst();
    }

    void warn(QWidget *, const QString &message, const QString &title) override
    {
        warnings.append(title + QStringLiteral(": ") + message);
    }

    void beep() override { ++beeps; }

    QList<bool> answers;
    QStringList questions;
    QStringList warnings;
    int beeps = 0;
};
