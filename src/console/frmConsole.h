#pragma once

#include "board/frmScoreboard.h"

#include <QMap>
#include <QWidget>

#include <functional>

class FocusMark;
class QGridLayout;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
struct Settings;

// The operator's window, on the laptop screen while the board fills the projector: a live miniature of
// the board (a second view of the same match, built from the same design), the field that takes the
// typed keys marked for the operator only, the clock's state, the latest changes, Undo and Redo, the
// command keys as assigned, the rules assistance with the question that closes a won set, the live
// feed's address and PIN, and warnings. Keys typed here reach the match exactly as on the board.
class frmConsole : public QWidget
{
    Q_OBJECT

public:
    // The match and the settings must outlive the console; the miniature runs on services.
    frmConsole(const Settings &settings, Match &match, BoardServices services, QWidget *parent = nullptr);

    frmScoreboard *miniature() const { return m_miniature; }

    // A warning under its key; an empty text takes it away.
    void setWarning(const QString &key, const QString &text);
    QStringList warnings() const { return m_warnings.values(); }
    // What the live feed is doing (its addresses and the remote's PIN); an empty text hides it.
    void setFeedText(const QString &text);
    // Asked when the operator closes the console; it hides unless this does something else.
    void setCloseHandler(std::function<void()> handler) { m_closeHandler = std::move(handler); }

    // Shows the command keys and names again after the options changed, and redraws the miniature
    // unless it does so itself.
    void settingsChanged(bool redrawMiniature = true);

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QWidget *buildSidePanel();
    QGroupBox *buildRulesGroup(QWidget *panel);
    void showMatch();
    void showKeys();
    void showWarnings();
    void showRules();
    void placeMiniature();

    const Settings &m_settings;
    Match &m_match;
    QWidget *m_miniatureArea = nullptr;
    frmScoreboard *m_miniature = nullptr;
    FocusMark *m_focusMark = nullptr;
    QLabel *m_clockState = nullptr;
    QListWidget *m_changes = nullptr;
    QPushButton *m_undo = nullptr;
    QPushButton *m_redo = nullptr;
    QGridLayout *m_keys = nullptr;
    QGroupBox *m_rulesGroup = nullptr;
    QLabel *m_rulesText = nullptr;
    QWidget *m_setEnd = nullptr;
    QLabel *m_setEndQuestion = nullptr;
    QGroupBox *m_feedGroup = nullptr;
    QLabel *m_feedText = nullptr;
    QLabel *m_warningText = nullptr;
    QMap<QString, QString> m_warnings;
    std::function<void()> m_closeHandler;
};
