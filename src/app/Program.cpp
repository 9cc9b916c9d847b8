#include "app/Program.h"

#include "app/AfterFirstPaint.h"
#include "app/BoardPlacement.h"
#include "app/SettingsWarning.h"
#include "app/ShownMatchProbe.h"
#include "board/BoardDesign.h"
#include "console/frmConsole.h"
#include "core/ProgramModule.h"
#include "dialogs/QtDialogPrompts.h"
#include "dialogs/ShowOptionsDialog.h"
#include "dialogs/frmSplash.h"
#include "platform/NumLockState.h"
#include "platform/SoundModule.h"
#include "settings/Settings.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QScreen>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// The live feed from its module, loaded when the first board opens; null without the module.
std::unique_ptr<LiveFeed> loadFeedModule(Match &match, Settings &settings)
{
    static const auto create
        = ProgramModule::function<LiveFeed *(Match &, Settings &)>(u"vantaro-feed"_s, "vantaroCreateLiveFeed");
    return std::unique_ptr<LiveFeed>(create ? create(match, settings) : nullptr);
}

} // namespace

Program::Program(SettingsStore &store, Settings &settings, QString programFolder, BoardServices services,
                 const QString &journalPath)
    : m_store(store)
    , m_settings(settings)
    , m_services(std::move(services))
    , m_programFolder(programFolder)
    , m_logo(programFolder)
    , m_help(std::move(programFolder))
    , m_qtPrompts(std::make_unique<QtDialogPrompts>())
    , m_prompts(m_qtPrompts.get())
    , m_journal(journalPath)
    , m_feedFactory(&loadFeedModule)
{
    m_match.setRecorder([this](const MatchState &state, MatchChanges) { m_journal.append(state); });
    m_showOptions = [this](QWidget *owner) {
        const QScreen *boardScreen = m_board ? m_board->screen() : nullptr;
        showOptionsDialog(owner, m_settings, m_store, numLock(), boardScreen ? boardScreen->name() : QString());
    };
}

NumLockState &Program::numLock()
{
    // Asked of the X server when first needed, not while the splash is being shown.
    if (!m_services.numLock) {
        m_platformNumLock = NumLockState::forPlatform();
        m_services.numLock = m_platformNumLock.get();
    }
    return *m_services.numLock;
}

Program::~Program()
{
    delete m_splash;
}

void Program::describeApplication()
{
    QApplication::setOrganizationName(u"Vantaro"_s);
    QApplication::setApplicationName(u"Vantaro"_s);
    QApplication::setApplicationVersion(
        u"%1.%2.%3"_s.arg(VANTARO_VERSION_MAJOR).arg(VANTARO_VERSION_MINOR).arg(VANTARO_VERSION_PATCH));
}

void Program::setProgramIcon(const QString &programFolder)
{
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
    auto *splash = new frmSplash(m_store, m_settings, m_logo, frmSplash::Start::Shown);
    m_splash = splash;
    splash->setOpenBoard([this] { openBoard(); });
    splash->setShowHelp([this](QWidget *owner) { m_help.show(owner); });
    splash->setShowOptions([this](QWidget *owner) { m_showOptions(owner); });
    // Asking for the focus waits on the window manager, and decoding the icons loads Qt's image plugins:
    // neither before the splash is on the screen.
    AfterFirstPaint::run(splash, [this, splash] {
        splash->activateWindow();
        setProgramIcon(m_programFolder);
    });
    const SettingsLoadReport &report = splash->loadReport();
    SettingsWarning::showAfter(splash, report);
    if (report.hasProblems()) {
        const qsizetype count = report.problems.size() + report.unlistedProblems;
        m_settingsProblem = report.fileProblem.isEmpty()
            ? QCoreApplication::translate(
                  "Program", "Settings: %1 problem(s) in %2; defaults are used there until the options are saved.")
                  .arg(count)
                  .arg(QDir::toNativeSeparators(report.fileName))
            : QCoreApplication::translate("Program", "Settings: %1 cannot be read; the defaults are in use.")
                  .arg(QDir::toNativeSeparators(report.fileName));
    }
}

void Program::openBoard()
{
    offerToResume();
    if (!m_journal.begin(m_match.state())) {
        m_prompts->warn(
            nullptr,
            QCoreApplication::translate("Program",
                                        "The match journal %1 cannot be written (%2). The match will not be "
                                        "recovered if Vantaro ends unexpectedly.")
                .arg(QDir::toNativeSeparators(m_journal.path()), m_journal.errorString()),
            u"Vantaro"_s);
    }
    numLock();
    m_board = std::make_unique<frmScoreboard>(BoardDesign::window(), m_settings, m_match, m_services);
    frmScoreboard *board = m_board.get();
    board->setShowHelp([this] { m_help.show(m_placement->operatorWindow()); });
    board->setShowOptions([this, board] { showOptionsFor(m_placement->operatorWindow(), board); });
    board->setConfirmClose([this] { return confirmClose(); });
    connect(board, &frmScoreboard::unloaded, this, &Program::boardUnloaded);
    ShownMatchProbe::installIfRequested(board, m_match, m_settings);
    openFeed();
    openConsole();
    m_placement = std::make_unique<BoardPlacement>(m_settings, *board, *m_console);
    connect(board, &frmScoreboard::consoleRequested, m_placement.get(), &BoardPlacement::toggleConsole);
    m_placement->open();
    applyFeed();
}

void Program::openFeed()
{
    m_feed = m_feedFactory(m_match, m_settings);
    if (!m_feed)
        return;
    LiveFeed::Listener listener;
    listener.statusChanged = [this] { showFeedOnConsole(); };
    listener.warning = [this](const QString &message) { feedWarning(message); };
    m_feed->setListener(std::move(listener));
}

void Program::applyFeed()
{
    if (m_feed)
        m_feed->apply();
    else
        showFeedOnConsole();
}

void Program::openConsole()
{
    m_console = std::make_unique<frmConsole>(m_settings, m_match, m_services);
    if (!m_services.soundDevice && !SoundModule::hasAudioOutput())
        m_console->setWarning(u"sound"_s,
                              QCoreApplication::translate("Program", "No audio device: the buzzer cannot sound."));
    m_console->setWarning(u"settings"_s, m_settingsProblem);
    showFeedOnConsole();
    frmScoreboard *miniature = m_console->miniature();
    frmScoreboard *board = m_board.get();
    miniature->setShowHelp([this] { m_help.show(m_console.get()); });
    miniature->setShowOptions([this, miniature] { showOptionsFor(m_console.get(), miniature); });
    connect(miniature, &frmScoreboard::consoleRequested, this, [this] { m_placement->toggleConsole(); });
    // With the board on a screen of its own, the console is the operator's window: closing it closes the
    // board, with the board's question.
    m_console->setCloseHandler([this] {
        if (m_placement->plan().fullScreen)
            m_board->close();
        else
            m_console->hide();
    });
    // One field takes the typed keys, whichever view the operator types into.
    connect(miniature, &frmScoreboard::fieldSelected, board,
            [board](QWidget *field) { board->selectField(field->objectName()); });
    connect(board, &frmScoreboard::fieldSelected, miniature,
            [miniature](QWidget *field) { miniature->selectField(field->objectName()); });
}

void Program::showOptionsFor(QWidget *owner, const frmScoreboard *redrawsItself)
{
    m_showOptions(owner);
    if (redrawsItself != m_board.get())
        m_board->settingsChanged();
    m_console->settingsChanged(redrawsItself != m_console->miniature());
    m_placement->place();
    applyFeed();
}

void Program::offerToResume()
{
    const MatchJournal::Recovery recovery = MatchJournal::recover(m_journal.path());
    if (recovery.unreadable) {
        m_prompts->warn(nullptr,
                        QCoreApplication::translate(
                            "Program", "The journal of the last match (%1) cannot be read; a new match starts.")
                            .arg(QDir::toNativeSeparators(m_journal.path())),
                        u"Vantaro"_s);
    }
    if (!recovery.interrupted)
        return;
    DialogPrompts::Choice resume;
    resume.title = u"Vantaro"_s;
    resume.message
        = QCoreApplication::translate("Program", "Vantaro did not close normally. Resume the interrupted match?");
    resume.detail = recovery.interrupted->summary(m_settings.HomeText, m_settings.VisitorText);
    resume.accept = QCoreApplication::translate("Program", "Resume");
    resume.reject = QCoreApplication::translate("Program", "New match");
    if (m_prompts->choose(nullptr, resume))
        m_match.restore(*recovery.interrupted);
}

bool Program::confirmClose()
{
    if (m_match.state().isFresh())
        return true;
    DialogPrompts::Choice end;
    end.title = u"Vantaro"_s;
    end.message = QCoreApplication::translate("Program", "End the match and close Vantaro?");
    end.accept = QCoreApplication::translate("Program", "End Match");
    end.reject = QCoreApplication::translate("Program", "Keep Playing");
    end.acceptIsDefault = false;
    return m_prompts->choose(m_placement ? m_placement->operatorWindow() : m_board.get(), end);
}

void Program::feedWarning(const QString &message)
{
    // Shown once the board is up, so that the warning never stands in front of an empty screen.
    QTimer::singleShot(0, this, [this, message] {
        m_prompts->warn(m_placement ? m_placement->operatorWindow() : m_board.get(), message, u"Vantaro"_s);
    });
}

void Program::showFeedOnConsole()
{
    if (!m_console)
        return;
    const bool missing = !m_feed && m_settings.Feed.Enabled;
    const bool failed = missing || (m_feed && m_feed->status() == LiveFeed::Status::Failed);
    const QString problem = missing
        ? QCoreApplication::translate("Program", "The live feed cannot run: its module is missing or damaged.")
        : (failed ? m_feed->problem() : QString());
    m_console->setWarning(u"feed"_s, problem);
    if (!m_feed || m_feed->status() != LiveFeed::Status::Running) {
        m_console->setFeedText(failed ? QCoreApplication::translate("Program", "Not running.") : QString());
        return;
    }
    QStringList links;
    for (const QString &address : m_feed->addresses())
        links.append(address.toHtmlEscaped());
    m_console->setFeedText(
        QCoreApplication::translate("Program", "%1<br>Pages: /board, /overlay, /remote<br>Remote PIN: <b>%2</b>")
            .arg(links.join(u"<br>"_s), m_feed->pin().toHtmlEscaped()));
}

void Program::boardUnloaded()
{
    m_journal.finish();
    m_console->setCloseHandler({});
    m_console->close();
    m_help.close();
    emit finished();
    QCoreApplication::quit();
}
