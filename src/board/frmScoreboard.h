#pragma once

#include "board/LayoutEngine.h"
#include "board/RulesOverlay.h"
#include "core/Currency.h"
#include "match/Match.h"
#include "widgets/WindowDesign.h"

#include <QList>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class Label;
class NumLockState;
class NumberPanel;
class PictureBox;
class QScreen;
class QTimer;
struct Settings;
class Shape;
class SoundDevice;
class TimePanel;

// What the board runs on; tests replace the sound device and the keyboard's NumLock.
struct BoardServices
{
    std::function<SoundDevice *(QObject *parent)> soundDevice; // the real player when empty
    NumLockState *numLock = nullptr; // the platform's keyboard when null; must outlive the board
    // False for a board drawn as a miniature beside another: the one on the projector plays the buzzer.
    bool playsBuzzer = true;
};

// The board: the window the spectators see and the operator drives from the keyboard. It is built
// from its design table and shows the match it is given: every key press goes to the match, first to
// its command dispatch and then to the typed entry of the focused field, and the LED fields, arrows and
// clock show what the match says has changed. The buzzer and the NumLock policy are the board's own.
// It hands the match the rule set of the settings and shows the rules assistance: the set and match point
// marker, the question that closes a won set (answered with Enter or Esc) and, if the operator wants it,
// a timeout's countdown in place of the game clock.
class frmScoreboard : public QWidget
{
    Q_OBJECT

public:
    // Builds the elements and runs the load sequence; the window is shown by showBoard(). The match
    // must outlive the board.
    frmScoreboard(const WindowDesign &design, const Settings &settings, Match &match, BoardServices services = {},
                  QWidget *parent = nullptr);
    // Closes the sound device even when the window goes away without being closed.
    ~frmScoreboard() override;

    // Opens maximized on screen (the primary one when null; restoring gives a window centred on it), or
    // filling it without a frame, with the focus on the home score.
    void showBoard(QScreen *screen = nullptr, bool fullScreen = false);
    // Moves the open board to screen, maximized or filling it without a frame.
    void placeOnScreen(QScreen *screen, bool fullScreen);

    // The elements in design order, for the passes that walk a window's elements.
    const QList<QObject *> &elements() const { return m_elements; }

    // F1 shows the help viewer; F2 runs the options dialog modally, after which the board redraws
    // from the settings and reopens the buzzer sound.
    void setShowHelp(std::function<void()> showHelp) { m_showHelp = std::move(showHelp); }
    void setShowOptions(std::function<void()> showOptions) { m_showOptions = std::move(showOptions); }
    // Redraws from the settings after they changed elsewhere, as after the options dialog.
    void settingsChanged() { afterOptionsDialog(); }
    // Gives the named field the focus and the highlight, as another view of the same match selected it.
    void selectField(const QString &name);
    // Whether the question that closes a won set shows at the board's bottom edge: not on a projector
    // while the operator's console asks it.
    void setAsksSetEnd(bool asks);

    // Asked when the operator closes the board; the board stays open unless it answers true.
    void setConfirmClose(std::function<bool()> confirmClose) { m_confirmClose = std::move(confirmClose); }

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

    Currency ClockPreset() const { return m_match.state().ClockPreset; }
    bool ClockTime() const { return m_match.state().ClockTime; }
    bool BuzzerPlaying() const { return m_buzzerPlaying; }
    qint16 WhoPoss() const { return m_match.state().WhoPoss; }

signals:
    // The operator closed the board: the program is to end.
    void unloaded();
    // A field of the tab order received the focus.
    void fieldSelected(QWidget *field);
    // Ctrl and the console key: the operator console is to be shown or hidden.
    void consoleRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    template<typename Element> Element *element(const char *name) const;
    void findElements();
    void connectKeys(QWidget *focusable);
    void connectPossession();
    void watchSelection();
    void Form_Load();
    void elementKeyDown(const QWidget *element, qint16 keyCode, int shift);
    bool operatorShortcut(qint16 keyCode, int shift);
    bool setEndKey(qint16 keyCode);
    void showMatch(MatchChanges what);
    void applyRules();
    void showRules();
    void openBuzzer();
    void reopenBuzzer();
    void buzzerDone();
    void afterOptionsDialog();
    void markFocusedField();

    const Settings &m_settings;
    Match &m_match;
    QList<QObject *> m_elements;
    QList<QWidget *> m_highlighted;
    // The boxes on the board: each fills its whole area.
    QList<QWidget *> m_boxes;

    NumberPanel *m_homeScore = nullptr;
    NumberPanel *m_visitorScore = nullptr;
    NumberPanel *m_homeGamesWon = nullptr;
    NumberPanel *m_visitorGamesWon = nullptr;
    std::array<NumberPanel *, MatchState::SetCount> m_setHome {};
    std::array<NumberPanel *, MatchState::SetCount> m_setVisitor {};
    TimePanel *m_clock = nullptr;
    PictureBox *m_possBack = nullptr;
    Label *m_possHome = nullptr;
    Label *m_possVisitor = nullptr;
    Shape *m_objectSelected = nullptr;
    QTimer *m_refreshTimer = nullptr;
    SoundDevice *m_buzzer = nullptr;

    LayoutEngine m_layout;
    bool m_playsBuzzer = true;
    std::unique_ptr<RulesOverlay> m_rulesOverlay;
    bool m_asksSetEnd = true;
    bool m_buzzerPlaying = false;
    bool m_openingSettles = false;

    std::unique_ptr<NumLockState> m_platformNumLock;
    NumLockState *m_numLock = nullptr;
    std::function<void()> m_showHelp;
    std::function<void()> m_showOptions;
    std::function<bool()> m_confirmClose;
};
