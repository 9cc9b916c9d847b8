#include "console/frmConsole.h"

#include "board/BoardDesign.h"
#include "console/ChangeDescription.h"
#include "console/FocusMark.h"
#include "console/RulesDescription.h"
#include "settings/KeyCodeToStr.h"
#include "settings/Settings.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int SidePanelWidth = 340;
constexpr int Margin = 8;

QGroupBox *group(const QString &title, QLayout *contents)
{
    auto *box = new QGroupBox(title);
    box->setLayout(contents);
    return box;
}

} // namespace

frmConsole::frmConsole(const Settings &settings, Match &match, BoardServices services, QWidget *parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_match(match)
{
    setObjectName(u"frmConsole"_s);
    setWindowTitle(tr("Vantaro Console"));
    services.playsBuzzer = false;
    m_miniatureArea = new QWidget(this);
    m_miniatureArea->setObjectName(u"miniatureArea"_s);
    m_miniature = new frmScoreboard(BoardDesign::window(), settings, match, std::move(services), m_miniatureArea);
    m_focusMark = new FocusMark(m_miniature);
    connect(m_miniature, &frmScoreboard::fieldSelected, m_focusMark, &FocusMark::mark);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(Margin, Margin, Margin, Margin);
    layout->setSpacing(Margin);
    layout->addWidget(m_miniatureArea, 1);
    layout->addWidget(buildSidePanel());

    connect(&m_match, &Match::changed, this, &frmConsole::showMatch);
    connect(&m_match, &Match::assistanceChanged, this, &frmConsole::showRules);
    // The clock's reading changes without an event of the match while it stands still in time-of-day mode.
    auto *refresh = new QTimer(this);
    connect(refresh, &QTimer::timeout, this, &frmConsole::showMatch);
    refresh->start(500);
    showMatch();
    showKeys();
    resize(1280, 720);
}

QWidget *frmConsole::buildSidePanel()
{
    auto *panel = new QWidget(this);
    panel->setFixedWidth(SidePanelWidth);
    auto *column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);

    m_clockState = new QLabel(panel);
    m_clockState->setObjectName(u"lblClockState"_s);
    auto *clock = new QVBoxLayout;
    clock->addWidget(m_clockState);
    column->addWidget(group(tr("Game clock"), clock));

    m_changes = new QListWidget(panel);
    m_changes->setObjectName(u"lstChanges"_s);
    m_changes->setFocusPolicy(Qt::NoFocus);
    // A set closed in one step names several fields: its line wraps instead of scrolling sideways.
    m_changes->setWordWrap(true);
    m_changes->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_undo = new QPushButton(tr("Undo  (Ctrl+Z)"), panel);
    m_undo->setObjectName(u"cmdUndo"_s);
    m_redo = new QPushButton(tr("Redo  (Ctrl+Y)"), panel);
    m_redo->setObjectName(u"cmdRedo"_s);
    for (QPushButton *button : {m_undo, m_redo})
        button->setFocusPolicy(Qt::NoFocus);
    connect(m_undo, &QPushButton::clicked, &m_match, &Match::undo);
    connect(m_redo, &QPushButton::clicked, &m_match, &Match::redo);
    auto *changes = new QVBoxLayout;
    changes->addWidget(m_changes, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_undo);
    buttons->addWidget(m_redo);
    changes->addLayout(buttons);
    column->addWidget(group(tr("Latest changes"), changes), 1);

    column->addWidget(buildRulesGroup(panel));

    m_keys = new QGridLayout;
    column->addWidget(group(tr("Keys"), m_keys));

    m_feedText = new QLabel(panel);
    m_feedText->setObjectName(u"lblFeed"_s);
    m_feedText->setWordWrap(true);
    m_feedText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *feed = new QVBoxLayout;
    feed->addWidget(m_feedText);
    m_feedGroup = group(tr("Live feed"), feed);
    m_feedGroup->hide();
    column->addWidget(m_feedGroup);

    m_warningText = new QLabel(panel);
    m_warningText->setObjectName(u"lblWarnings"_s);
    m_warningText->setWordWrap(true);
    m_warningText->setStyleSheet(u"color: #a00000;"_s);
    m_warningText->hide();
    column->addWidget(m_warningText);
    return panel;
}

QGroupBox *frmConsole::buildRulesGroup(QWidget *panel)
{
    m_rulesText = new QLabel(panel);
    m_rulesText->setObjectName(u"lblRules"_s);
    m_rulesText->setWordWrap(true);
    m_setEnd = new QWidget(panel);
    m_setEndQuestion = new QLabel(m_setEnd);
    m_setEndQuestion->setObjectName(u"lblSetEndQuestion"_s);
    m_setEndQuestion->setWordWrap(true);
    auto *confirm = new QPushButton(tr("Confirm  (Enter)"), m_setEnd);
    confirm->setObjectName(u"cmdConfirmSetEnd"_s);
    auto *notYet = new QPushButton(tr("Not yet  (Esc)"), m_setEnd);
    notYet->setObjectName(u"cmdDeclineSetEnd"_s);
    for (QPushButton *button : {confirm, notYet})
        button->setFocusPolicy(Qt::NoFocus);
    connect(confirm, &QPushButton::clicked, &m_match, &Match::confirmSetEnd);
    connect(notYet, &QPushButton::clicked, &m_match, &Match::declineSetEnd);
    auto *answers = new QHBoxLayout;
    answers->addWidget(confirm);
    answers->addWidget(notYet);
    auto *question = new QVBoxLayout(m_setEnd);
    question->setContentsMargins(0, 0, 0, 0);
    question->addWidget(m_setEndQuestion);
    question->addLayout(answers);
    auto *rules = new QVBoxLayout;
    rules->addWidget(m_rulesText);
    rules->addWidget(m_setEnd);
    m_rulesGroup = group(tr("Rules"), rules);
    return m_rulesGroup;
}

void frmConsole::setFeedText(const QString &text)
{
    m_feedText->setText(text);
    m_feedGroup->setVisible(!text.isEmpty());
}

void frmConsole::setWarning(const QString &key, const QString &text)
{
    if (text.isEmpty())
        m_warnings.remove(key);
    else
        m_warnings.insert(key, text);
    showWarnings();
}

void frmConsole::showWarnings()
{
    QStringList items;
    for (const QString &warning : std::as_const(m_warnings))
        items.append(u"<li>%1</li>"_s.arg(warning.toHtmlEscaped()));
    m_warningText->setText(
        u"<b>%1</b><ul style=\"margin-left: -20px\">%2</ul>"_s.arg(tr("Warnings"), items.join(QString())));
    m_warningText->setVisible(!items.isEmpty());
}

void frmConsole::settingsChanged(bool redrawMiniature)
{
    if (redrawMiniature)
        m_miniature->settingsChanged();
    showKeys();
    showMatch();
}

void frmConsole::showMatch()
{
    const MatchState state = m_match.state();
    QString clock
        = tr("%1, %2").arg(MatchState::clockText(state.Seconds), state.Running ? tr("running") : tr("stopped"));
    if (state.ClockTime)
        clock += u'\n' + tr("The board shows the time of day.");
    m_clockState->setText(clock);
    m_changes->clear();
    for (const MatchEvent &event : m_match.recentEvents()) {
        m_changes->addItem(u"%1  %2"_s.arg(event.when.toString(u"HH:mm:ss"_s),
                                           describeChange(event, m_settings.HomeText, m_settings.VisitorText)));
    }
    m_undo->setEnabled(m_match.canUndo());
    m_redo->setEnabled(m_match.canRedo());
    showRules();
}

void frmConsole::showRules()
{
    const QStringList lines = describeRules(m_match, m_settings.HomeText, m_settings.VisitorText);
    m_rulesGroup->setVisible(!lines.isEmpty());
    m_rulesText->setText(lines.join(u'\n'));
    const std::optional<SetEnd> setEnd = m_match.pendingSetEnd();
    if (setEnd)
        m_setEndQuestion->setText(
            u"<b>%1</b>"_s.arg(setEnd->question(m_settings.HomeText, m_settings.VisitorText).toHtmlEscaped()));
    m_setEnd->setVisible(setEnd.has_value());
}

void frmConsole::showKeys()
{
    while (QLayoutItem *item = m_keys->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    const QList<std::pair<QString, QString>> keys {
        {tr("Start / stop clock"), KeyCodeToStr(m_settings.StartStopClockKey)},
        {tr("Reset clock"), KeyCodeToStr(m_settings.ResetClockKey)},
        {tr("Game clock / time of day"), KeyCodeToStr(m_settings.ClockSwitchKey)},
        {tr("Home score +1"), KeyCodeToStr(m_settings.HomeOneKey)},
        {tr("Visitor score +1"), KeyCodeToStr(m_settings.VisitorOneKey)},
        {tr("Buzzer"), KeyCodeToStr(m_settings.BuzzerKey)},
        {tr("Clear a field"), KeyCodeToStr(m_settings.ClearKey)},
        {tr("Undo / redo"), u"Ctrl+Z / Ctrl+Y"_s},
        {tr("Help / options"), u"F1 / F2"_s},
        {tr("Console"), u"Ctrl+"_s + KeyCodeToStr(m_settings.ConsoleKey)},
    };
    for (const auto &[action, key] : keys) {
        const int row = m_keys->rowCount();
        m_keys->addWidget(new QLabel(action), row, 0);
        auto *name = new QLabel(u"<b>%1</b>"_s.arg(key.toHtmlEscaped()));
        name->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_keys->addWidget(name, row, 1);
    }
}

void frmConsole::placeMiniature()
{
    // The miniature keeps the board's proportions within its area, centred.
    const WindowDesign design = BoardDesign::window();
    const QSize area = m_miniatureArea->size();
    const QSize fitted = QSize(design.clientWidth, design.clientHeight).scaled(area, Qt::KeepAspectRatio);
    m_miniature->setGeometry(
        QRect(QPoint((area.width() - fitted.width()) / 2, (area.height() - fitted.height()) / 2), fitted));
    m_focusMark->follow();
}

void frmConsole::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // The area gets its size from the layout once this event is done.
    QTimer::singleShot(0, this, &frmConsole::placeMiniature);
}

void frmConsole::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    QTimer::singleShot(0, this, &frmConsole::placeMiniature);
}

void frmConsole::closeEvent(QCloseEvent *event)
{
    if (!m_closeHandler)
        return QWidget::closeEvent(event);
    event->ignore();
    m_closeHandler();
}

// Keys that reach the console outside the miniature's fields go to the miniature, as the board's own
// window passes them on when no field has the focus.
void frmConsole::keyPressEvent(QKeyEvent *event)
{
    QApplication::sendEvent(m_miniature, event);
}

void frmConsole::keyReleaseEvent(QKeyEvent *event)
{
    QApplication::sendEvent(m_miniature, event);
}
