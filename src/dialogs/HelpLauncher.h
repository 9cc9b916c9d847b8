#pragma once

#include "dialogs/frmHelp.h"

#include <QPointer>
#include <QString>

// Keeps the program's one help viewer. The first show() creates it, centred on the window that asked,
// and shows it modeless; while it is open, show() only brings it forward, without reloading the document.
// The operator's closing destroys it, so the next show() loads the document afresh. The viewer is a
// window of its own, not a child of the window that asked: it stays open when the splash goes.
class HelpLauncher
{
public:
    explicit HelpLauncher(QString programFolder);
    ~HelpLauncher();

    HelpLauncher(const HelpLauncher &) = delete;
    HelpLauncher &operator=(const HelpLauncher &) = delete;

    frmHelp *show(QWidget *owner);
    // The open viewer, or null.
    frmHelp *viewer() const { return m_viewer; }
    void close();

private:
    static void centreOn(QWidget *window, const QWidget *owner);

    QString m_programFolder;
    QPointer<frmHelp> m_viewer;
};
