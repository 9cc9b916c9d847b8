#pragma once

#include "board/LayoutEngine.h"
#include "core/Currency.h"
#include "match/ClockEntry.h"
#include "match/NumberEdit.h"
#include "match/NumberEntry.h"
#include "match/Possession.h"
#include "match/SetPairEntry.h"
#include "match/ZeroWatch.h"
#include "widgets/WindowDesign.h"

#include <QList>
#include <QWidget>

#include <functional>
#include <memory>

class GameTimer;
class Label;
class MonotonicClock;
class NumLockState;
class NumberPanel;
class PictureBox;
class QTimer;
struct Settings;
class Shape;
class SoundDevice;
class TimePanel;

struct CommandKeys;

// What the board runs on; tests replace the clock, the sound device and the keyboard's NumLock.
struct BoardServices
{
    const MonotonicClock *clock = nullptr; // the steady clock when null
    std::function<SoundDevice *(QObject *parent)> soundDevice; // the real player when empty
    NumLockState *numLock = nullptr; // the platform's keyboard when null; must outlive the board
};

// The board: the window the spectators see and the operator drives from the keyboard. It is built
// from its design table and holds the match: the values live in its LED fields and in the game timer,
// the rest in a few fields of its own (possession, clock display mode, buzzer state, clock preset).
// Every key press goes through AllKeyCode first, then to the typed entry of the focused field.
class frmScoreboard : public QWidget
{
    Q_OBJECT

public:
    // Builds the elements and runs the load sequence; the window is shown by showBoard().
    frmScoreboard(const WindowDesign &design, const Settings &settings, BoardServices services = {},
                  QWidget *parent = nullptr);
    // Closes the sound device even when the window goes away without being closed.
    ~frmScoreboard() override;

    // Opens maximized (restoring gives a window centred on the screen) with the focus on the home score.
    void showBoard();

    // The elements in design order, for the passes that walk a window's elements.
    const QList<QObject *> &elements() const { return m_elements; }

    // F1 shows the help viewer; F2 runs the options dialog modally, after which the board redraws
    // from the settings and reopens the buzzer sound.
    void setShowHelp(std::function<void()> showHelp) { m_showHelp = std::move(showHelp); }
    void setShowOptions(std::function<void()> showOptions) { m_showOptions = std::move(showOptions); }

    void AllKeyCode(qint16 keyCode);
    void AllKeyUp(qint16 keyCode, int shift);
    void RefreshTime();
    void Buzzer();
    void ObjectSelected(QWidget *selectedObject);
    void UpdatePoss();
    void UpdateNumLock();
    void UpdateLabels();
    void UpdateFormColors();
    void RecordLayout();
    void RescaleLayout();

    Currency ClockPreset() const { return m_clockPreset; }
    bool ClockTime() const { return m_clockTime; }
    bool BuzzerPlaying() const { return m_buzzerPlaying; }
    qint16 WhoPoss() const { return m_possession.WhoPoss(); }

signals:
    // The operator closed the board: the program is to end.
    void unloaded();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    template<typename Element> Element *element(const char *name) const;
    void findElements();
    void connectKeys();
    void connectCommandKeys(PictureBox *box);
    void connectNumberField(NumberPanel *field, NumberLimits limits);
    void connectSetBox(PictureBox *box, NumberPanel *home, NumberPanel *visitor);
    void connectPossession();
    void connectClock();
    void watchSelection();
    void Form_Load();
    void openBuzzer();
    void reopenBuzzer();
    void buzzerDone();
    void afterOptionsDialog();
    void markFocusedField();
    void addToScore(NumberPanel *field);
    qint16 entryCode(qint16 keyCode) const;

    const Settings &m_settings;
    QList<QObject *> m_elements;
    QList<QWidget *> m_highlighted;

    NumberPanel *m_homeScore = nullptr;
    NumberPanel *m_visitorScore = nullptr;
    NumberPanel *m_homeGamesWon = nullptr;
    NumberPanel *m_visitorGamesWon = nullptr;
    TimePanel *m_clock = nullptr;
    PictureBox *m_possBack = nullptr;
    Label *m_possHome = nullptr;
    Label *m_possVisitor = nullptr;
    Shape *m_objectSelected = nullptr;
    QTimer *m_refreshTimer = nullptr;
    GameTimer *m_gameTimer = nullptr;
    SoundDevice *m_buzzer = nullptr;

    LayoutEngine m_layout;
    Possession m_possession;
    NumberEntry m_numberEntry;
    SetPairEntry m_setPairEntry;
    ClockEntry m_clockEntry;
    ZeroWatch m_zeroWatch;
    Currency m_clockPreset;
    bool m_clockTime = false;
    bool m_buzzerPlaying = false;
    bool m_openingSettles = false;

    std::unique_ptr<NumLockState> m_platformNumLock;
    NumLockState *m_numLock = nullptr;
    std::function<void()> m_showHelp;
    std::function<void()> m_showOptions;
};
