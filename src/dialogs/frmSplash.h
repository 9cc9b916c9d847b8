#pragma once

#include "settings/SettingsLoadReport.h"

#include <QList>
#include <QPointF>
#include <QSizeF>
#include <QWidget>

#include <functional>

class SettingsStore;
class SplashLogo;
struct Settings;

// The splash window, the program's first window. Building it is the start-up sequence: it places the
// splash a little above the middle of the screen, and its load handler writes the program's version into
// it and loads the settings record from the store, the only load in a run. Then it waits: a
// click anywhere but on its buttons runs GoScore, which opens the board and closes the splash for good;
// Help opens the help viewer and Options the options dialog, both without leaving the splash.
class frmSplash : public QWidget
{
    Q_OBJECT

public:
    // The top of the splash is computed from this height, not from its own, so that it sits 1320 twips
    // above the middle of the screen.
    static constexpr int PlacementHeight = 5880;
    static constexpr int LoadedHeight = 3240;

    // Whether the splash is shown by its constructor, before its controls are built.
    enum class Start { Hidden, Shown };

    // The logo is taken from its reader once the controls are built, so that it is read meanwhile.
    frmSplash(const SettingsStore &store, Settings &settings, SplashLogo &logo, Start start = Start::Hidden,
              QWidget *parent = nullptr);

    // What loading the settings met; the settings are loaded whatever it says.
    const SettingsLoadReport &loadReport() const { return m_loadReport; }
    const QList<QObject *> &elements() const { return m_elements; }

    // Top-left corner in twips for a screen of the given size in twips; not clamped to the screen.
    static QPointF startPosition(QSizeF screenTwips, double splashWidthTwips);
    // "Version " and the build's major, minor and patch numbers.
    static QString versionText();

    // What GoScore opens; the owner of the help viewer and of the options dialog is the splash.
    void setOpenBoard(std::function<void()> openBoard) { m_openBoard = std::move(openBoard); }
    void setShowHelp(std::function<void(QWidget *owner)> showHelp) { m_showHelp = std::move(showHelp); }
    void setShowOptions(std::function<void(QWidget *owner)> showOptions) { m_showOptions = std::move(showOptions); }

    // Opens the board and closes the splash; runs once.
    void GoScore();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load(const SettingsStore &store, Settings &settings);
    // A little above the middle of the primary screen.
    void placeOnScreen();
    void cmdHelp_Click();
    void cmdOptions_Click();
    template<typename Element> Element *element(const QString &name) const;

    QList<QObject *> m_elements;
    SettingsLoadReport m_loadReport;
    std::function<void()> m_openBoard;
    std::function<void(QWidget *)> m_showHelp;
    std::function<void(QWidget *)> m_showOptions;
    bool m_gone = false;
};
