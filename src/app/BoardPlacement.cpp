#include "app/BoardPlacement.h"

#include "board/frmScoreboard.h"
#include "console/frmConsole.h"
#include "settings/Settings.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

QScreen *screenAt(int index)
{
    return QGuiApplication::screens().value(index, QGuiApplication::primaryScreen());
}

} // namespace

BoardPlacement::BoardPlacement(const Settings &settings, frmScoreboard &board, frmConsole &console, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_board(board)
    , m_console(console)
{
    // Queued: Qt moves the windows off a screen that went away once its own handlers are done.
    connect(qGuiApp, &QGuiApplication::screenAdded, this, &BoardPlacement::place, Qt::QueuedConnection);
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, &BoardPlacement::place, Qt::QueuedConnection);
}

ScreenPlan BoardPlacement::choosePlan() const
{
    QStringList names;
    const QList<QScreen *> screens = QGuiApplication::screens();
    for (const QScreen *screen : screens)
        names.append(screen->name());
    return ScreenPlan::choose(names, int(screens.indexOf(QGuiApplication::primaryScreen())), m_settings.BoardScreen);
}

void BoardPlacement::open()
{
    m_plan = choosePlan();
    m_board.setAsksSetEnd(!m_plan.fullScreen);
    m_board.showBoard(screenAt(m_plan.board), m_plan.fullScreen);
    if (m_plan.fullScreen)
        showConsoleOn(screenAt(m_plan.operatorScreen));
    reportMissingScreen();
    m_screenSaver.inhibit();
}

void BoardPlacement::place()
{
    const ScreenPlan plan = choosePlan();
    const bool moved = !(plan == m_plan) || m_board.screen() != screenAt(plan.board);
    m_plan = plan;
    m_board.setAsksSetEnd(!m_plan.fullScreen);
    reportMissingScreen();
    if (!moved)
        return;
    const bool consoleShown = m_console.isVisible();
    m_board.placeOnScreen(screenAt(m_plan.board), m_plan.fullScreen);
    if (m_plan.fullScreen || consoleShown)
        showConsoleOn(screenAt(m_plan.operatorScreen));
}

void BoardPlacement::toggleConsole()
{
    if (m_console.isVisible() && !m_plan.fullScreen) {
        m_console.hide();
        return;
    }
    showConsoleOn(screenAt(m_plan.operatorScreen));
}

QWidget *BoardPlacement::operatorWindow() const
{
    if (m_plan.fullScreen && m_console.isVisible())
        return &m_console;
    return &m_board;
}

void BoardPlacement::showConsoleOn(QScreen *screen)
{
    const QRect available = screen->availableGeometry();
    QRect place(QPoint(), m_console.size().boundedTo(available.size() * 9 / 10));
    place.moveCenter(available.center());
    m_console.setGeometry(place);
    m_console.show();
    m_console.raise();
    m_console.activateWindow();
    const QWidget *field = m_board.focusWidget();
    m_console.miniature()->selectField(field ? field->objectName() : u"nledHomeScore"_s);
}

void BoardPlacement::reportMissingScreen()
{
    m_console.setWarning(u"screen"_s,
                         m_plan.chosenMissing
                             ? QCoreApplication::translate(
                                   "BoardPlacement", "The board's screen %1 is not connected: the board is on %2.")
                                   .arg(m_settings.BoardScreen, screenAt(m_plan.board)->name())
                             : QString());
}
