#pragma once

#include <QString>

class QWidget;

// The message boxes and the beep of the program and its dialogs. The program uses Qt's own
// (QtDialogPrompts); tests put a scripted one in its place and count what was asked.
class DialogPrompts
{
public:
    // A question with two named buttons; Enter presses the default one and Esc the other.
    struct Choice
    {
        QString title;
        QString message;
        QString detail;
        QString accept;
        QString reject;
        bool acceptIsDefault = true;
    };

    virtual ~DialogPrompts() = default;

    // A question with the buttons Yes and No and a question icon; true for Yes.
    virtual bool askYesNo(QWidget *owner, const QString &message, const QString &title) = 0;
    // True when the operator takes the accept button.
    virtual bool choose(QWidget *owner, const Choice &choice) = 0;
    // A problem the operator must know about, with one button to acknowledge it.
    virtual void warn(QWidget *owner, const QString &message, const QString &title) = 0;
    // The platform's default beep.
    virtual void beep() = 0;
};
