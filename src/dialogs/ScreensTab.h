#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

class ComboBox;
class QWidget;
struct Settings;

// The options dialog's "Screens" tab: which screen the board goes to (automatic, the one it is on now,
// or a connected screen by name) and the key that with Ctrl shows the operator console. A stored
// screen that is not connected stays listed, so that OK keeps it.
class ScreensTab
{
public:
    // Fills the tab's lists in dialog from settings; boardScreen names the screen the board is on now
    // (empty when there is no board yet).
    ScreensTab(QWidget *dialog, const Settings &settings, const QString &boardScreen);

    void apply(Settings &settings) const;

private:
    void fillScreens(const QString &stored, const QString &boardScreen);
    void fillConsoleKeys(qint16 stored);

    ComboBox *m_screens;
    ComboBox *m_consoleKeys;
    QStringList m_screenNames;
    QList<qint16> m_keyCodes;
};
