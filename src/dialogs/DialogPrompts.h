#pragma once

#include <QString>

class QWidget;

// The message boxes and the beep of the options and key-capture dialogs. The program uses Qt's own
// (QtDialogPrompts); tests put a scripted one in its place and count what was asked.
class DialogPrompts
{
public:
    virtual ~DialogPrompts() = default;

    // A question with the buttons Yes and No and a question icon; true for Yes.
    virtual bool askYesNo(QWidget *owner, const QString &message, const QString &title) = 0;
    // A problem the operator must know about, with one button to acknowledge it.
    virtual void warn(QWidget *owner, const QString &message, const QString &title) = 0;
    // The platform's default beep.
    virtual void beep() = 0;
};
