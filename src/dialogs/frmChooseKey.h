#pragma once

#include "dialogs/DesignedDialog.h"

class DialogPrompts;
class Label;

// The key-capture dialog: asks for the key of one command and waits for a key press. The command's own
// key is taken back at once; a key without a name, a key another command already has, F1 and F2 are
// refused with the red notice and a beep, and the dialog waits for another. ChooseKeyResult() is the
// accepted key code as decimal text, or "0" when the dialog was closed without one. Nothing in it takes
// the focus, so every key reaches the dialog itself; Esc is a key like any other. A request too long for
// its box at the design size is set in a smaller font.
class frmChooseKey : public DesignedDialog
{
    Q_OBJECT

public:
    // ChooseKeyAction is the command's phrase ("sound the buzzer"), ChooseKeyCurrent its present key and
    // workingKeys the keys of all seven commands as the options dialog holds them.
    frmChooseKey(const WindowDesign &design, const QString &ChooseKeyAction, qint16 ChooseKeyCurrent,
                 const QList<qint16> &workingKeys, DialogPrompts &prompts, QWidget *parent = nullptr);

    QString ChooseKeyResult() const { return m_result; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Form_Load(const QString &ChooseKeyAction);
    void Form_KeyDown(qint16 keyCode);
    bool refuses(qint16 keyCode) const;
    void take(qint16 keyCode);

    qint16 m_current;
    QList<qint16> m_workingKeys;
    DialogPrompts &m_prompts;
    QString m_result;
    Label *m_choose = nullptr;
    Label *m_used = nullptr;
};
