#pragma once

#include "dialogs/DialogPrompts.h"

#include <QList>
#include <QStringList>

// Message boxes that answer Yes or No from a list the test fills (No when it is empty), two-button
// questions likewise (accept when empty), and a beep that is only counted. Every question and warning is recorded as
// "title: message".
class FakeDialogPrompts final : public DialogPrompts
{
public:
    bool askYesNo(QWidget *, const QString &message, const QString &title) override
    {
        questions.append(title + QStringLiteral(": ") + message);
        return !answers.isEmpty() && answers.takeFirst();
    }

    bool choose(QWidget *, const Choice &choice) override
    {
        questions.append(choice.title + QStringLiteral(": ") + choice.message);
        return choices.isEmpty() || choices.takeFirst();
    }

    void warn(QWidget *, const QString &message, const QString &title) override
    {
        warnings.append(title + QStringLiteral(": ") + message);
    }

    void beep() override { ++beeps; }

    QList<bool> answers;
    // Answers to the two-button questions: the accept button when the list is empty.
    QList<bool> choices;
    QStringList questions;
    QStringList warnings;
    int beeps = 0;
};
