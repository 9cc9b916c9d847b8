#include "board/frmScoreboard.h"

#include "board/BoardLabels.h"
#include "board/ColorScheme.h"
#include "board/NumLockPolicy.h"
#include "board/QtLayoutWindow.h"
#include "board/RulesChoice.h"
#include "board/SelectionHighlight.h"
#include "core/FileAccess.h"
#include "platform/NumLockState.h"
#include "platform/SoundDevice.h"
#include "platform/SoundModule.h"
#include "platform/VirtualKey.h"
#include "settings/Settings.h"
#include "widgets/DesignBuilder.h"
#include "widgets/Label.h"
#include "widgets/NumberPanel.h"
#include "widgets/PictureBox.h"
#include "widgets/Shape.h"
#include "widgets/TimePanel.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTime>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

CommandKeys commandKeysOf(const Settings &settings)
{
    return {settings.StartStopClockKey, settings.ResetClockKey,  settings.ClockSwitchKey,
            settings.ClearKey,          settings.BuzzerKey,      settings.HomeOneKey,
            settings.VisitorOneKey,     settings.TimeoutKeyHome, settings.TimeoutKeyVisitor};
}

constexpr qint16 ZKey = 90;
constexpr qint16 YKey = 89;
constexpr qint16 EnterKey = 13;
constexpr qint16 EscapeKey = 27;

} // namespace

frmScoreboard::frmScoreboard(const WindowDesign &design, const Settings &settings, Match &match, BoardServices services,
                             QWidget *parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_match(match)
    , m_playsBuzzer(services.playsBuzzer)
{
    setObjectName(u"frmScoreboard"_s);
    setWindowTitle(design.caption);
    // The board fills its own background, and leaves the boxes' areas to them. Qt paints a widget it
    // counts as opaque, when it is marked for repainting before the elements in it, as a change of
    // colours marks them, once alone and once more with the see-through elements in it.
    setAttribute(Qt::WA_NoSystemBackground);
    resize(Element::twipsToPixels(design.clientWidth), Element::twipsToPixels(design.clientHeight));
    // The layout's baseline is never taken from a window squeezed below its design size.
    m_layout.setSmallestRecordedSize(width() * Element::TwipsPerPixel, height() * Element::TwipsPerPixel);

    if (!services.numLock)
        m_platformNumLock = NumLockState::forPlatform();
    m_numLock = services.numLock ? services.numLock : m_platformNumLock.get();
    auto soundDevice = services.soundDevice;
    if (!soundDevice)
        soundDevice = &SoundModule::createDevice;
    DesignBuilder builder;
    // The game timer is the match's; the board lists it among its elements like the design does.
    builder.setFactory(u"GameTimer"_s, [&match](QObject *) { return &match.tkGame(); });
    builder.setFactory(u"MMControl"_s, soundDevice);
    m_elements = builder.build(this, design.elements);
    Q_ASSERT_X(builder.errors().isEmpty(), "frmScoreboard", qPrintable(builder.errors().join(u'\n')));

    findElements();
    // Made after the design's elements, so that the notices lie above them.
    m_rulesOverlay = std::make_unique<RulesOverlay>(this, QSize(design.clientWidth, design.clientHeight));
    for (QWidget *focusable : std::as_const(m_highlighted))
        connectKeys(focusable);
    for (const char *name :
         {"picHomeContainer", "picVisitorContainer", "picBoardContainer", "picHomeTeamName", "picVisitorTeamName"})
        connectKeys(element<PictureBox>(name));
    connectPossession();
    watchSelection();
    connect(m_refreshTimer, &QTimer::timeout, this, &frmScoreboard::RefreshTime);
    connect(m_buzzer, &SoundDevice::Done, this, &frmScoreboard::buzzerDone);
    connect(&m_match, &Match::changed, this, &frmScoreboard::showMatch);
    if (m_playsBuzzer)
        connect(&m_match, &Match::buzzerRequested, this, &frmScoreboard::Buzzer);
    connect(&m_match, &Match::assistanceChanged, this, &frmScoreboard::showRules);
    Form_Load();
}

frmScoreboard::~frmScoreboard()
{
    m_buzzer->sendCommand(u"Close"_s);
}

template<typename Element> Element *frmScoreboard::element(const char *name) const
{
    auto *found = findChild<Element *>(QLatin1String(name));
    Q_ASSERT_X(found, "frmScoreboard", name);
    return found;
}

void frmScoreboard::findElements()
{
    for (PictureBox *box : findChildren<PictureBox *>(Qt::FindDirectChildrenOnly))
        m_boxes.append(box);
    m_homeScore = element<NumberPanel>("nledHomeScore");
    m_visitorScore = element<NumberPanel>("nledVisitorScore");
    m_homeGamesWon = element<NumberPanel>("nledHomeGamesWon");
    m_visitorGamesWon = element<NumberPanel>("nledVisitorGamesWon");
    for (int set = 0; set < MatchState::SetCount; ++set) {
        const QByteArray number = QByteArray::number(set + 1);
        m_setHome[set] = element<NumberPanel>(("nledSet" + number + 'H').constData());
        m_setVisitor[set] = element<NumberPanel>(("nledSet" + number + 'V').constData());
    }
    m_clock = element<TimePanel>("tledGame");
    m_possBack = element<PictureBox>("picPossBack");
    m_possHome = element<Label>("lblPossH");
    m_possVisitor = element<Label>("lblPossV");
    m_objectSelected = element<Shape>("shpObjectSelected");
    m_refreshTimer = element<QTimer>("tmrClock1");
    m_buzzer = element<SoundDevice>("mmcBuzzer");
    // The ten fields of the tab order, which the highlight marks.
    m_highlighted = {m_homeScore, m_clock, m_visitorScore, m_possBack, m_homeGamesWon, m_visitorGamesWon};
    for (int set = 0; set < MatchState::SetCount; ++set) {
        auto *box = element<PictureBox>(("picSet" + QByteArray::number(set + 1)).constData());
        // The set fields never keep the focus: the box takes it and the typed entry for the pair.
        m_setHome[set]->setFocusProxy(box);
        m_setVisitor[set]->setFocusProxy(box);
        m_highlighted.append(box);
    }
}

void frmScoreboard::connectKeys(QWidget *focusable)
{
    const auto keyDown = [this, focusable](qint16 &keyCode, int shift) { elementKeyDown(focusable, keyCode, shift); };
    if (auto *panel = qobject_cast<NumberPanel *>(focusable)) {
        connect(panel, &NumberPanel::KeyDown, this, keyDown);
        connect(panel, &NumberPanel::KeyUp, this, &frmScoreboard::AllKeyUp);
    } else if (auto *clock = qobject_cast<TimePanel *>(focusable)) {
        connect(clock, &TimePanel::KeyDown, this, keyDown);
        connect(clock, &TimePanel::KeyUp, this, &frmScoreboard::AllKeyUp);
    } else if (auto *box = qobject_cast<PictureBox *>(focusable)) {
        connect(box, &PictureBox::KeyDown, this, keyDown);
        connect(box, &PictureBox::KeyUp, this, &frmScoreboard::AllKeyUp);
    }
}

void frmScoreboard::connectPossession()
{
    m_possHome->setClickable(true);
    connect(m_possHome, &Label::clicked, this, [this] {
        m_match.clickHomeArrow();
        m_possBack->setFocus(Qt::MouseFocusReason);
    });
    m_possVisitor->setClickable(true);
    connect(m_possVisitor, &Label::clicked, this, [this] {
        m_match.clickVisitorArrow();
        m_possBack->setFocus(Qt::MouseFocusReason);
    });
    auto *createdBy = element<Label>("lblCreatedBy");
    createdBy->setClickable(true);
    connect(createdBy, &Label::clicked, this, [this] { m_possBack->setFocus(Qt::MouseFocusReason); });
}

void frmScoreboard::watchSelection()
{
    for (QWidget *selectable : std::as_const(m_highlighted))
        selectable->installEventFilter(this);
}

bool frmScoreboard::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        auto *field = qobject_cast<QWidget *>(watched);
        ObjectSelected(field);
        emit fieldSelected(field);
    }
    return QWidget::eventFilter(watched, event);
}

void frmScoreboard::selectField(const QString &name)
{
    for (QWidget *field : std::as_const(m_highlighted)) {
        if (field->objectName() != name || field == focusWidget())
            continue;
        // In a window that is not active this moves no focus events: the highlight follows by hand.
        field->setFocus(Qt::OtherFocusReason);
        ObjectSelected(field);
        emit fieldSelected(field);
    }
}

void frmScoreboard::Form_Load()
{
    RecordLayout();
    openBuzzer();
    applyRules();
    showMatch(MatchChange::Scores | MatchChange::GamesWon | MatchChange::Sets);
    RefreshTime();
    UpdateLabels();
    UpdateFormColors();
    m_refreshTimer->start();
}

void frmScoreboard::showBoard(QScreen *screen, bool fullScreen)
{
    // The window system maximizes and activates the board in an order of its own, and every resize
    // hides the highlight; while the opening settles, the field with the focus stays marked.
    constexpr int SettlingMilliseconds = 1500;
    m_openingSettles = true;
    QTimer::singleShot(SettlingMilliseconds, this, [this] { m_openingSettles = false; });
    placeOnScreen(screen, fullScreen);
    m_homeScore->setFocus(Qt::OtherFocusReason);
}

void frmScoreboard::placeOnScreen(QScreen *screen, bool fullScreen)
{
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    // The restored size and place: the design size, centred on the screen.
    QRect restored(QPoint(), normalGeometry().isValid() ? normalGeometry().size() : size());
    if (windowFlags().testFlag(Qt::FramelessWindowHint) != fullScreen)
        setWindowFlag(Qt::FramelessWindowHint, fullScreen);
    if (isMaximized() || isFullScreen())
        showNormal();
    if (screen) {
        restored.moveCenter(screen->availableGeometry().center());
        setGeometry(restored);
    }
    if (fullScreen) {
        setGeometry(screen->geometry());
        showFullScreen();
    } else {
        showMaximized();
    }
}

void frmScoreboard::elementKeyDown(const QWidget *element, qint16 keyCode, int shift)
{
    if (setEndKey(keyCode) || operatorShortcut(keyCode, shift))
        return;
    AllKeyCode(keyCode);
    m_match.typedEntry(element->objectName(), keyCode, m_settings.ClearKey);
}

// Ctrl+Z undoes, Ctrl+Y and Ctrl+Shift+Z redo, Ctrl and the console key show the console; taken before
// the command keys, which Ctrl does not change otherwise.
bool frmScoreboard::operatorShortcut(qint16 keyCode, int shift)
{
    if (!(shift & VirtualKey::CtrlMask) || (shift & VirtualKey::AltMask))
        return false;
    if (keyCode == ZKey && !(shift & VirtualKey::ShiftMask))
        m_match.undo();
    else if (keyCode == YKey || keyCode == ZKey)
        m_match.redo();
    else if (keyCode == m_settings.ConsoleKey)
        emit consoleRequested();
    else
        return false;
    return true;
}

// While a won set waits for the operator, Enter confirms it and Esc answers "not yet"; taken before the
// command keys and the typed entry, so that Enter does not also commit what was typed into a field.
bool frmScoreboard::setEndKey(qint16 keyCode)
{
    if ((keyCode != EnterKey && keyCode != EscapeKey) || !m_match.pendingSetEnd())
        return false;
    if (keyCode == EnterKey)
        m_match.confirmSetEnd();
    else
        m_match.declineSetEnd();
    return true;
}

void frmScoreboard::AllKeyCode(qint16 keyCode)
{
    switch (m_match.AllKeyCode(keyCode, commandKeysOf(m_settings))) {
    case KeyCommand::ShowHelp:
        if (m_showHelp)
            m_showHelp();
        break;
    case KeyCommand::ShowOptions:
        if (m_showOptions)
            m_showOptions();
        afterOptionsDialog();
        break;
    default:
        break;
    }
}

void frmScoreboard::showMatch(MatchChanges what)
{
    const MatchState state = m_match.state();
    if (what & MatchChange::Scores) {
        m_homeScore->setCaption(state.homeScore);
        m_visitorScore->setCaption(state.visitorScore);
    }
    if (what & MatchChange::GamesWon) {
        m_homeGamesWon->setCaption(state.homeGamesWon);
        m_visitorGamesWon->setCaption(state.visitorGamesWon);
    }
    if (what & MatchChange::Sets) {
        for (int set = 0; set < MatchState::SetCount; ++set) {
            m_setHome[set]->setCaption(state.sets[set].home);
            m_setVisitor[set]->setCaption(state.sets[set].visitor);
        }
    }
    if (what & MatchChange::Possession)
        UpdatePoss();
    // Starting, stopping and switching the clock show at the next tick; a value set and a timeout's
    // countdown show at once.
    if (what & (MatchChange::ClockValue | MatchChange::Timeouts))
        RefreshTime();
    showRules();
}

void frmScoreboard::applyRules()
{
    m_match.setRules(RulesChoice::ruleSet(m_settings));
}

void frmScoreboard::showRules()
{
    m_rulesOverlay->show(m_match, m_settings, m_asksSetEnd);
}

void frmScoreboard::setAsksSetEnd(bool asks)
{
    m_asksSetEnd = asks;
    showRules();
}

void frmScoreboard::AllKeyUp(qint16 keyCode, int)
{
    if (isNumLockRelease(keyCode))
        UpdateNumLock();
}

void frmScoreboard::UpdateNumLock()
{
    NumLockPolicy::UpdateNumLock(*m_numLock, m_settings.NumLockForce);
}

void frmScoreboard::afterOptionsDialog()
{
    applyRules();
    showRules();
    UpdateLabels();
    UpdateFormColors();
    RefreshTime();
    RecordLayout();
    reopenBuzzer();
}

void frmScoreboard::RecordLayout()
{
    m_layout.RecordLayout(QtLayoutWindow(this, m_elements));
}

void frmScoreboard::RescaleLayout()
{
    QtLayoutWindow window(this, m_elements);
    m_layout.RescaleLayout(window);
}

void frmScoreboard::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    RescaleLayout();
    m_rulesOverlay->place(size());
    ObjectSelected(nullptr);
    UpdateLabels();
    if (m_openingSettles)
        markFocusedField();
}

void frmScoreboard::paintEvent(QPaintEvent *event)
{
    QRegion background = event->region();
    for (const QWidget *box : std::as_const(m_boxes)) {
        if (box->isVisible())
            background -= box->geometry();
    }
    QPainter painter(this);
    for (const QRect &part : background)
        painter.fillRect(part, palette().window());
}

void frmScoreboard::UpdateLabels()
{
    BoardLabels::UpdateLabels(this, m_elements, m_settings);
}

void frmScoreboard::UpdateFormColors()
{
    ColorScheme::UpdateFormColors(this, m_elements, m_settings);
    UpdatePoss();
}

void frmScoreboard::RefreshTime()
{
    ClockDisplay display = m_match.refreshClock(QTime::currentTime());
    if (const auto timeout = m_match.timeoutCountdown(); timeout && m_settings.TimeoutOnBoard)
        display = ClockDisplay::choose(false, timeout->remaining, {});
    m_clock->setFieldUnits(display.FieldUnits);
    m_clock->setCaption(display.Caption);
}

void frmScoreboard::Buzzer()
{
    if (m_buzzer->fileName().isEmpty() || m_buzzerPlaying)
        return;
    m_buzzerPlaying = true;
    m_buzzer->sendCommand(u"Play"_s);
}

void frmScoreboard::buzzerDone()
{
    m_buzzer->sendCommand(u"Stop"_s);
    m_buzzer->sendCommand(u"Prev"_s);
    m_buzzerPlaying = false;
}

void frmScoreboard::openBuzzer()
{
    if (!m_playsBuzzer)
        return;
    const QString file = m_settings.BuzzerFile;
    if (file.isEmpty())
        return;
    // Looked at off the GUI thread: a named pipe or a drive that does not answer never holds up the board.
    FileAccess::whenChecked(this, file, [this, file](bool isFile) {
        if (!isFile || file != m_settings.BuzzerFile)
            return;
        m_buzzer->setFileName(file);
        m_buzzer->sendCommand(u"Open"_s);
    });
}

void frmScoreboard::reopenBuzzer()
{
    if (!m_playsBuzzer)
        return;
    m_buzzer->sendCommand(u"Close"_s);
    m_buzzer->setFileName(QString());
    openBuzzer();
}

void frmScoreboard::ObjectSelected(QWidget *selectedObject)
{
    m_objectSelected->hide();
    auto *selected = qobject_cast<Element *>(selectedObject);
    // The highlight can only surround an element that shares its container.
    if (!selected || selected->parentWidget() != m_objectSelected->parentWidget())
        return;
    const TwipsRect area = selectionHighlightRect(
        {selected->leftTwips(), selected->topTwips(), selected->widthTwips(), selected->heightTwips()},
        m_settings.LEDSelectedWidth);
    m_objectSelected->setTwipsGeometry(double(area.left), double(area.top), double(area.width), double(area.height));
    m_objectSelected->show();
}

void frmScoreboard::UpdatePoss()
{
    const Possession::ArrowColors colors
        = Possession(m_match.state().WhoPoss).arrowColors(m_settings.TimeColor, m_settings.LEDBack);
    m_possHome->setForeColor(colors.home);
    m_possVisitor->setForeColor(colors.visitor);
}

void frmScoreboard::keyPressEvent(QKeyEvent *event)
{
    const qint16 keyCode = VirtualKey::fromKeyEvent(*event);
    if (!setEndKey(keyCode) && !operatorShortcut(keyCode, VirtualKey::shiftState(event->modifiers())))
        AllKeyCode(keyCode);
    event->accept();
}

void frmScoreboard::keyReleaseEvent(QKeyEvent *event)
{
    if (!event->isAutoRepeat())
        AllKeyUp(VirtualKey::fromKeyEvent(*event), VirtualKey::shiftState(event->modifiers()));
    event->accept();
}

void frmScoreboard::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && m_openingSettles)
        markFocusedField();
}

void frmScoreboard::markFocusedField()
{
    if (isActiveWindow() && m_highlighted.contains(focusWidget()))
        ObjectSelected(focusWidget());
}

void frmScoreboard::closeEvent(QCloseEvent *event)
{
    // A slip of the hand must not end a match: the owner may ask first.
    if (m_confirmClose && !m_confirmClose()) {
        event->ignore();
        return;
    }
    if (!m_buzzer->fileName().isEmpty())
        m_buzzer->sendCommand(u"Close"_s);
    event->accept();
    emit unloaded();
}
