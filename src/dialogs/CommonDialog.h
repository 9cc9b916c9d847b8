#pragma once

#include <QObject>

// The colour, file and folder pickers of the options dialog (its element cdColors), as the platform offers
// them. Both run modally over the dialog that owns this element. The program uses Qt's own pickers
// (QtCommonDialog); tests put a scripted one in its place.
class CommonDialog : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("Kind", "CommonDialog")

public:
    // ShowOpen flag: only an existing file can be chosen.
    static constexpr int FileMustExist = 4096;

    // The colour the operator picks, starting from startColor (0x00BBGGRR); startColor itself when the
    // operator cancels.
    virtual int ShowColor(int startColor) = 0;
    // The path of a file to open, or the empty text when the operator cancels. The filter is a
    // description, a vertical bar, then the file pattern ("Sounds *.wav|*.wav"); more such pairs may
    // follow, each after another vertical bar.
    virtual QString ShowOpen(const QString &filter, int flags) = 0;
    // An existing folder, starting at startFolder, or the empty text when the operator cancels.
    virtual QString ShowFolder(const QString &startFolder) = 0;

protected:
    explicit CommonDialog(QObject *parent);
};
