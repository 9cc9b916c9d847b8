#pragma once

#include "board/frmScoreboard.h"
#include "dialogs/HelpLauncher.h"
#include "dialogs/frmSplash.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class SettingsStore;
struct Settings;

// The program's windows and how they meet. start() creates the splash, whose load handler loads the
// settings; GoScore on the splash opens the board; F1 on the board and Help on the splash show the one
// help viewer; F2 on the board and Options on the splash open the options dialog. Closing the board ends
// the program: the help viewer closes with it and the application's event loop quits.
class Program : public QObject
{
    Q_OBJECT

public:
    using ShowOptions = std::function<void(QWidget *owner)>;

    // The settings are loaded from store into settings; the help document and the logo are looked for in
    // programFolder; the board runs on services.
    Program(SettingsStore &store, Settings &settings, QString programFolder, BoardServices services = {});
    ~Program() override;

    // Names the application and gives every window the program icon.
    static void describeApplication(const QString &programFolder);
    // Shows the splash, which loads the settings; what the load could not use is told in one warning
    // once the splash is up. Settings never keep the program from starting.
    void start();
    // The options dialog by default; tests put their own in.
    void setShowOptions(ShowOptions showOptions) { m_showOptions = std::move(showOptions); }

    frmSplash *splash() const { return m_splash; }
    frmScoreboard *board() const { return m_board.get(); }
    HelpLauncher &help() { return m_help; }

signals:
    // The board was closed: the program is ending.
    void finished();

private:
    void openBoard();
    void boardUnloaded();

    SettingsStore &m_store;
    Settings &m_settings;
    BoardServices m_services;
    // The keyboard's NumLock, shared by the board and the options dialog, when the caller gave none.
    std::unique_ptr<NumLockState> m_platformNumLock;
    QString m_programFolder;
    HelpLauncher m_help;
    ShowOptions m_showOptions;
    QPointer<frmSplash> m_splash;
    std::unique_ptr<frmScoreboard> m_board;
};
