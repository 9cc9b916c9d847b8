#pragma once

#include "app/ScreenPlan.h"
#include "platform/ScreenSaver.h"

#include <QObject>
#include <QPointer>

class QScreen;
class QWidget;
class frmConsole;
class frmScoreboard;
struct Settings;

// Puts the board on its screen and the operator's console on another, keeps them there while screens
// come and go (the board returns to its chosen screen when that is plugged in again, and is never left
// on none), and keeps the screen saver away while the board shows. With one screen the board is
// maximized as ever and the console waits for the operator's key.
class BoardPlacement : public QObject
{
    Q_OBJECT

public:
    // The settings, the board and the console must outlive the placement.
    BoardPlacement(const Settings &settings, frmScoreboard &board, frmConsole &console, QObject *parent = nullptr);

    // Shows the board, and with two screens the console, where they belong.
    void open();
    // Places them again, after the screens or the chosen screen changed.
    void place();
    // Shows the console, or hides it when it shares the board's one screen.
    void toggleConsole();
    // The window that owns the operator's dialogs: the console on its own screen, else the board.
    QWidget *operatorWindow() const;

    const ScreenPlan &plan() const { return m_plan; }
    bool screenSaverInhibited() const { return m_screenSaver.isInhibited(); }

private:
    ScreenPlan choosePlan() const;
    void showConsoleOn(QScreen *screen);
    void reportMissingScreen();

    const Settings &m_settings;
    frmScoreboard &m_board;
    frmConsole &m_console;
    ScreenPlan m_plan;
    ScreenSaver m_screenSaver;
};
