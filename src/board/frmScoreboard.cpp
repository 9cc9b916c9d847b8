#include "board/frmScoreboard.h"

#include "board/BoardLabels.h"
#include "board/ColorScheme.h"
#include "board/NumLockPolicy.h"
#include "board/QtLayoutWindow.h"
#include "board/SelectionHighlight.h"
#include "core/FileAccess.h"
#include "core/MonotonicClock.h"
#include "match/ClockDisplay.h"
#include "match/GameTimer.h"
#include "match/KeyDispatch.h"
#include "match/KeyTranslation.h"
#include "platform/NumLockState.h"
#include "platform/SoundPlayer.h"
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
#include <QScreen>
#include <QTime>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

CommandKeys commandKeysOf(const Settings &settings)
{
    return {settings.StartStopClockKey, settings.ResetClockKey, settings.ClockSwitchKey, settings.ClearKey,
            settings.BuzzerKey,         settings.HomeOneKey,    settings.VisitorOneKey};
}

} // namespace

frmScoreboard::frmScoreboard(const WindowDesign &design, const Settings &settings, BoardServices services,
                             QWidget *parent)
    : QWidget(parent)
    , m_settings(settings)
{
    setObjectName(u"frmScoreboard"_s);
    setWindowTitle(design.caption);
    resize(Element::twipsToPixels(design.clientWidth), Element::twipsToPixels(design.clientHeight));
    // The layout's baseline is never taken from a window squeezed below its design size.
    m_layout.setSmallestRecordedSize(width() * Element::TwipsPerPixel, height() * Element::TwipsPerPixel);

    if (!services.numLock)
        m_platformNumLock = NumLockState::forPlatform();
    m_numLock = services.numLock ? services.numLock : m_platformNumLock.get();
    const MonotonicClock &clock = services.clock ? *services.clock : MonotonicClock::steady();
    auto soundDevice = services.soundDevice;
    if (!soundDevice)
        soundDevice = [](QObject *owner) -> SoundDevice * { return new SoundPlayer(owner); };
    DesignBuilder builder;
    builder.setFactory(u"GameTimer"_s, [&clock](QObject *owner) { return new GameTimer(clock, owner); });
    builder.setFactory(u"MMControl"_s, soundDevice);
    m_elements = builder.build(this, design.elements);
    Q_ASSERT_X(builder.errors().isEmpty(), "frmScoreboard", qPrintable(builder.errors().join(u'\n')));

    findElements();
    connectKeys();
    watchSelection();
    connect(m_refreshTimer, &QTimer::timeout, this, &frmScoreboard::RefreshTime);
    connect(m_buzzer, &SoundDevice::Done, this, &frmScoreboard::buzzerDone);
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
    m_homeScore = element<NumberPanel>("nledHomeScore");
    m_visitorScore = element<NumberPanel>("nledVisitorScore");
    m_homeGamesWon = element<NumberPanel>("nledHomeGamesWon");
    m_visitorGamesWon = element<NumberPanel>("nledVisitorGamesWon");
    m_clock = element<TimePanel>("tledGame");
    m_possBack = element<PictureBox>("picPossBack");
    m_possHome = element<Label>("lblPossH");
    m_possVisitor = element<Label>("lblPossV");
    m_objectSelected = element<Shape>("shpObjectSelected");
    m_refreshTimer = element<QTimer>("tmrClock1");
    m_gameTimer = element<GameTimer>("tkGame");
    m_buzzer = element<SoundDevice>("mmcBuzzer");
}

void frmScoreboard::connectKeys()
{
    connectNumberField(m_homeScore, ScoreLimits);
    connectNumberField(m_visitorScore, ScoreLimits);
    connectNumberField(m_homeGamesWon, GamesWonLimits);
    connectNumberField(m_visitorGamesWon, GamesWonLimits);
    for (int set = 1; set <= 4; ++set) {
        const QByteArray box = "picSet" + QByteArray::number(set);
        connectSetBox(element<PictureBox>(box.constData()),
                      element<NumberPanel>(("nledSet" + QByteArray::number(set) + 'H').constData()),
                      element<NumberPanel>(("nledSet" + QByteArray::number(set) + 'V').constData()));
    }
    for (const char *name :
         {"picHomeContainer", "picVisitorContainer", "picBoardContainer", "picHomeTeamName", "picVisitorTeamName"})
        connectCommandKeys(element<PictureBox>(name));
    connectPossession();
    connectClock();
}

void frmScoreboard::connectCommandKeys(PictureBox *box)
{
    connect(box, &PictureBox::KeyDown, this, [this](qint16 &keyCode, int) { AllKeyCode(keyCode); });
    connect(box, &PictureBox::KeyUp, this, &frmScoreboard::AllKeyUp);
}

void frmScoreboard::connectNumberField(NumberPanel *field, NumberLimits limits)
{
    connect(field, &NumberPanel::KeyDown, this, [this, field, limits](qint16 &keyCode, int) {
        AllKeyCode(keyCode);
        const auto caption = m_numberEntry.keyDown(field->objectName(), field->caption(), entryCode(keyCode), limits);
        if (caption)
            field->setCaption(*caption);
    });
    connect(field, &NumberPanel::KeyUp, this, &frmScoreboard::AllKeyUp);
}

void frmScoreboard::connectSetBox(PictureBox *box, NumberPanel *home, NumberPanel *visitor)
{
    // The set fields never keep the focus: the box takes it and the typed entry for the pair.
    home->setFocusProxy(box);
    visitor->setFocusProxy(box);
    connect(box, &PictureBox::KeyDown, this, [this, box, home, visitor](qint16 &keyCode, int) {
        AllKeyCode(keyCode);
        const auto pair = m_setPairEntry.keyDown(box->objectName(), entryCode(keyCode));
        if (!pair)
            return;
        home->setCaption(QString::number(pair->home));
        visitor->setCaption(QString::number(pair->visitor));
    });
    connect(box, &PictureBox::KeyUp, this, &frmScoreboard::AllKeyUp);
}

void frmScoreboard::connectPossession()
{
    connect(m_possBack, &PictureBox::KeyDown, this, [this](qint16 &keyCode, int) {
        AllKeyCode(keyCode);
        m_possession.pressKey(keyCode);
        UpdatePoss();
    });
    connect(m_possBack, &PictureBox::KeyUp, this, &frmScoreboard::AllKeyUp);
    m_possHome->setClickable(true);
    connect(m_possHome, &Label::clicked, this, [this] {
        m_possession.clickHomeArrow();
        UpdatePoss();
        m_possBack->setFocus(Qt::MouseFocusReason);
    });
    m_possVisitor->setClickable(true);
    connect(m_possVisitor, &Label::clicked, this, [this] {
        m_possession.clickVisitorArrow();
        UpdatePoss();
        m_possBack->setFocus(Qt::MouseFocusReason);
    });
    auto *createdBy = element<Label>("lblCreatedBy");
    createdBy->setClickable(true);
    connect(createdBy, &Label::clicked, this, [this] { m_possBack->setFocus(Qt::MouseFocusReason); });
}

void frmScoreboard::connectClock()
{
    connect(m_clock, &TimePanel::KeyDown, this, [this](qint16 &keyCode, int) {
        AllKeyCode(keyCode);
        const auto seconds = m_clockEntry.keyDown(m_clock->objectName(), entryCode(keyCode), ClockEntryMaximum);
        if (!seconds)
            return;
        // A running clock goes on from the new value.
        m_gameTimer->setSeconds(*seconds);
        m_clockPreset = *seconds;
        RefreshTime();
    });
    connect(m_clock, &TimePanel::KeyUp, this, &frmScoreboard::AllKeyUp);
}

void frmScoreboard::watchSelection()
{
    m_highlighted = {m_homeScore, m_clock, m_visitorScore, m_possBack, m_homeGamesWon, m_visitorGamesWon};
    for (int set = 1; set <= 4; ++set)
        m_highlighted.append(element<PictureBox>(("picSet" + QByteArray::number(set)).constData()));
    for (QWidget *selectable : std::as_const(m_highlighted))
        selectable->installEventFilter(this);
}

bool frmScoreboard::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn)
        ObjectSelected(qobject_cast<QWidget *>(watched));
    return QWidget::eventFilter(watched, event);
}

void frmScoreboard::Form_Load()
{
    RecordLayout();
    openBuzzer();
    m_clockPreset = Currency::fromInteger(600);
    m_gameTimer->setSeconds(m_clockPreset);
    RefreshTime();
    UpdateLabels();
    UpdateFormColors();
    m_refreshTimer->start();
}

void frmScoreboard::showBoard()
{
    // The restored size and place: the design size, centred on the screen.
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect restored(QPoint(), size());
        restored.moveCenter(screen->availableGeometry().center());
        move(restored.topLeft());
    }
    // The window system maximizes and activates the board in an order of its own, and every resize
    // hides the highlight; while the opening settles, the field with the focus stays marked.
    constexpr int SettlingMilliseconds = 1500;
    m_openingSettles = true;
    QTimer::singleShot(SettlingMilliseconds, this, [this] { m_openingSettles = false; });
    showMaximized();
    m_homeScore->setFocus(Qt::OtherFocusReason);
}

qint16 frmScoreboard::entryCode(qint16 keyCode) const
{
    return KeyCodeToAsci(keyCode, m_settings.ClearKey);
}

void frmScoreboard::AllKeyCode(qint16 keyCode)
{
    switch (commandForKey(keyCode, commandKeysOf(m_settings))) {
    case KeyCommand::StartStopClock:
        m_gameTimer->setRunning(!m_gameTimer->running());
        break;
    case KeyCommand::ResetClock:
        m_gameTimer->setRunning(false);
        m_gameTimer->setSeconds(m_clockPreset);
        RefreshTime();
        break;
    case KeyCommand::ClockSwitch:
        m_clockTime = !m_clockTime;
        break;
    case KeyCommand::HomeOne:
        addToScore(m_homeScore);
        break;
    case KeyCommand::VisitorOne:
        addToScore(m_visitorScore);
        break;
    case KeyCommand::Buzzer:
        Buzzer();
        break;
    case KeyCommand::ShowHelp:
        if (m_showHelp)
            m_showHelp();
        break;
    case KeyCommand::ShowOptions:
        if (m_showOptions)
            m_showOptions();
        afterOptionsDialog();
        break;
    case KeyCommand::None:
        break;
    }
}

void frmScoreboard::addToScore(NumberPanel *field)
{
    if (const auto caption = ApplyNumberEdit(field->caption(), u"+1"_s, ScoreLimits))
        field->setCaption(*caption);
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
    ObjectSelected(nullptr);
    UpdateLabels();
    if (m_openingSettles)
        markFocusedField();
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
    const Currency reading = m_gameTimer->seconds();
    const ClockDisplay display = ClockDisplay::choose(m_clockTime, reading, QTime::currentTime());
    m_clock->setFieldUnits(display.FieldUnits);
    m_clock->setCaption(display.Caption);
    const ZeroWatch::Action action = m_zeroWatch.check(reading);
    if (action.stopTimer)
        m_gameTimer->setRunning(false);
    if (action.buzz)
        Buzzer();
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
    const Possession::ArrowColors colors = m_possession.arrowColors(m_settings.TimeColor, m_settings.LEDBack);
    m_possHome->setForeColor(colors.home);
    m_possVisitor->setForeColor(colors.visitor);
}

void frmScoreboard::keyPressEvent(QKeyEvent *event)
{
    AllKeyCode(VirtualKey::fromKeyEvent(*event));
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
    if (!m_buzzer->fileName().isEmpty())
        m_buzzer->sendCommand(u"Close"_s);
    event->accept();
    emit unloaded();
}
