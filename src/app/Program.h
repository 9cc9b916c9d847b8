#pragma once

#include "board/frmScoreboard.h"
#include "dialogs/HelpLauncher.h"
#include "dialogs/SplashLogo.h"
#include "dialogs/frmSplash.h"
#include "feed/LiveFeed.h"
#include "match/Match.h"
#include "match/MatchJournal.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class BoardPlacement;
class DialogPrompts;
class frmConsole;
class SettingsStore;
struct Settings;

// The program's windows and how they meet. start() creates the splash, whose load handler loads the
// settings; GoScore on the splash opens the board on the match, offering first to resume a match that
// the last run left behind; F1 on the board and Help on the splash show the one help viewer; F2 on the
// board and Options on the splash open the options dialog. The operator console is a second view of
// the match; the board goes to its screen and the console to the operator's. Every change of the match
// goes to the journal. The live feed starts with the board and follows the options; its problems are
// shown as warnings on the console. Closing the board (after a question, when a match is under way) ends the program:
// the journal is marked finished, the help viewer closes with the board and the event loop quits.
class Program : public QObject
{
    Q_OBJECT

public:
    using ShowOptions = std::function<void(QWidget *owner)>;

    // The settings are loaded from store into settings; the help document and the logo are looked for in
    // programFolder; the board runs on services; the match's journal is kept at journalPath.
    Program(SettingsStore &store, Settings &settings, QString programFolder, BoardServices services = {},
            const QString &journalPath = MatchJournal::defaultPath());
    ~Program() override;

    // Names the application.
    static void describeApplication();
    // Gives every window the program icon from the icon files in programFolder.
    static void setProgramIcon(const QString &programFolder);
    // Shows the splash, which loads the settings; what the load could not use is told in one warning
    // once the splash is up, and the windows get their icon then. Settings never keep the program from
    // starting.
    void start();
    // The options dialog by default; tests put their own in.
    void setShowOptions(ShowOptions showOptions) { m_showOptions = std::move(showOptions); }
    // Qt's message boxes by default; prompts must outlive the program.
    void setPrompts(DialogPrompts &prompts) { m_prompts = &prompts; }

    Match &match() { return m_match; }
    frmSplash *splash() const { return m_splash; }
    frmScoreboard *board() const { return m_board.get(); }
    frmConsole *console() const { return m_console.get(); }
    BoardPlacement *placement() const { return m_placement.get(); }
    HelpLauncher &help() { return m_help; }
    // The live feed: made when the board opens, started then and again after the options, when the
    // settings ask; null before the board and when it cannot be made.
    LiveFeed *feed() const { return m_feed.get(); }
    // Makes the live feed; by default it comes from the program's feed module.
    using FeedFactory = std::function<std::unique_ptr<LiveFeed>(Match &, Settings &)>;
    void setFeedFactory(FeedFactory factory) { m_feedFactory = std::move(factory); }

signals:
    // The board was closed: the program is ending.
    void finished();

private:
    void openBoard();
    void openConsole();
    // Runs the options dialog over owner; then every view but the one that redraws itself shows the
    // new settings, and the windows go where the settings now say.
    void showOptionsFor(QWidget *owner, const frmScoreboard *redrawsItself);
    void offerToResume();
    bool confirmClose();
    void boardUnloaded();
    // The caller's NumLock, else the platform's keyboard, shared by the board and the options dialog.
    NumLockState &numLock();
    void openFeed();
    void applyFeed();
    void feedWarning(const QString &message);
    void showFeedOnConsole();

    SettingsStore &m_store;
    Settings &m_settings;
    BoardServices m_services;
    // The keyboard's NumLock when the caller gave none; made on first use.
    std::unique_ptr<NumLockState> m_platformNumLock;
    QString m_programFolder;
    // Read from the moment the program is made, for the splash.
    SplashLogo m_logo;
    HelpLauncher m_help;
    ShowOptions m_showOptions;
    // What the settings load met, for the console's warnings; empty when nothing.
    QString m_settingsProblem;
    std::unique_ptr<DialogPrompts> m_qtPrompts;
    DialogPrompts *m_prompts;
    Match m_match;
    MatchJournal m_journal;
    FeedFactory m_feedFactory;
    std::unique_ptr<LiveFeed> m_feed;
    QPointer<frmSplash> m_splash;
    std::unique_ptr<frmScoreboard> m_board;
    std::unique_ptr<frmConsole> m_console;
    std::unique_ptr<BoardPlacement> m_placement;
};
