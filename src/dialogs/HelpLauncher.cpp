#include "dialogs/HelpLauncher.h"

#include "dialogs/frmHelp.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <utility>

HelpLauncher::HelpLauncher(QString programFolder)
    : m_programFolder(std::move(programFolder))
{
}

HelpLauncher::~HelpLauncher()
{
    delete m_viewer;
}

frmHelp *HelpLauncher::show(QWidget *owner)
{
    if (!m_viewer) {
        m_viewer = new frmHelp(m_programFolder);
        m_viewer->setAttribute(Qt::WA_DeleteOnClose);
        centreOn(m_viewer, owner);
    }
    m_viewer->setWindowState(m_viewer->windowState() & ~Qt::WindowMinimized);
    m_viewer->show();
    m_viewer->raise();
    m_viewer->activateWindow();
    return m_viewer;
}

void HelpLauncher::close()
{
    if (m_viewer)
        m_viewer->close();
}

void HelpLauncher::centreOn(QWidget *window, const QWidget *owner)
{
    const QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    const QRect area = owner ? owner->frameGeometry() : screen->geometry();
    QRect placed(QPoint(), window->frameGeometry().size());
    placed.moveCenter(area.center());
    // Never so far up or left that the title bar is out of reach.
    const QRect visible = screen->availableGeometry();
    placed.moveTo(std::clamp(placed.left(), visible.left(), std::max(visible.left(), visible.right() - placed.width())),
                  std::clamp(placed.top(), visible.top(), std::max(visible.top(), visible.bottom() - placed.height())));
    window->move(placed.topLeft());
}
