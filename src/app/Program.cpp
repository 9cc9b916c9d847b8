#include "app/Program.h"

#include "app/SettingsWarning.h"
#include "board/BoardDesign.h"
#include "dialogs/ShowOptionsDialog.h"
#include "dialogs/frmSplash.h"
#include "platform/NumLockState.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>

using namespace Qt::StringLiterals;

Program::Program(SettingsStore &store, Settings &settings, QString programFolder, BoardServices services)
    : m_store(store)
    , m_settings(settings)
    , m_services(std::move(services))
    , m_programFolder(programFolder)
    , m_help(std::move(programFolder))
{
    if (!m_services.numLock) {
        m_platformNumLock = NumLockState::forPlatform();
        m_services.numLock = m_platformNumLock.get();
    }
    m_showOptions = [this](QWidget *owner) { showOptionsDialog(owner, m_settings, m_store, *m_services.numLock); };
}

Program::~Program()
{
    delete m_splash;
}

void Program::describeApplication(const QString &programFolder)
{
    QApplication::setOrganizationName(u"Vantaro"_s);
    QApplication::setApplicationName(u"Vantaro"_s);
    QApplication::setApplicationVersion(
        u"%1.%2.%3"_s.arg(VANTARO_VERSION_MAJOR).arg(VANTARO_VERSION_MINOR).arg(VANTARO_VERSION_PATCH));
    QIcon icon;
    for (const int size : {16, 32, 48, 256}) {
        const QString file = QDir(programFolder).filePath(u"vantaro-%1.png"_s.arg(size));
        if (QFileInfo::exists(file))
            icon.addFile(file, QSize(size, size));
    }
    QApplication::setWindowIcon(icon);
}

void Program::start()
{
    auto *splash = new frmSplash(m_store, m_settings, m_programFolder);
    m_splash = splash;
    splash->setOpenBoard([this] { openBoard(); });
    splash->setShowHelp([this](QWidget *owner) { m_help.show(owner); });
    splash->setShowOptions([this](QWidget *owner) { m_showOptions(owner); });
    splash->show();
    splash->activateWindow();
    SettingsWarning::showAfter(splash, splash->loadReport());
}

void Program::openBoard()
{
    m_board = std::make_unique<frmScoreboard>(BoardDesign::window(), m_settings, m_services);
    frmScoreboard *board = m_board.get();
    board->setShowHelp([this, board] { m_help.show(board); });
    board->setShowOptions([this, board] { m_showOptions(board); });
    connect(board, &frmScoreboard::unloaded, this, &Program::boardUnloaded);
    board->showBoard();
}

void Program::boardUnloaded()
{
    m_help.close();
    emit finished();
    QCoreApplication::quit();
}
