#include "dialogs/frmOptions.h"

#include "core/FileAccess.h"
#include "core/Numbers.h"
#include "dialogs/CommonDialog.h"
#include "dialogs/FeedOptions.h"
#include "dialogs/QtCommonDialog.h"
#include "dialogs/QtDialogPrompts.h"
#include "dialogs/RulesPage.h"
#include "dialogs/ScreensTab.h"
#include "dialogs/frmChooseKey.h"
#include "settings/KeyCodeToStr.h"
#include "settings/Settings.h"
#include "settings/SettingsIo.h"
#include "settings/SettingsSchema.h"
#include "settings/SettingsStore.h"
#include "widgets/ComboBox.h"
#include "widgets/CommandButton.h"
#include "widgets/DesignBuilder.h"
#include "widgets/Image.h"
#include "widgets/Label.h"
#include "widgets/OptionButton.h"
#include "widgets/PictureBox.h"
#include "widgets/PictureLoader.h"
#include "widgets/ScrollBar.h"
#include "widgets/SegmentPanel.h"
#include "widgets/TabControl.h"
#include "widgets/TextBox.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTimer>

#include <algorithm>
#include <limits>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// The board's team-name boxes at the board's design size, in twips.
constexpr int NameBoxWidth = 2520;
constexpr int NameBoxHeight = 615;
constexpr qint16 LargestTeamSize = 60;
constexpr qint16 SmallestTeamSize = 10;

// A buzzer path this long or longer is shown shortened.
constexpr qsizetype LongPath = 51;

const QString BuzzerFilter = u"Sounds *.wav|*.wav"_s;
// The stored wording, with the formats phones and cameras give (PNG, JPEG under its long suffix) added.
const QString PictureFilter = u"Pictures (*.bmp;*.gif;*.jpg;*.jpeg;*.png)|*.bmp;*.gif;*.jpg;*.jpeg;*.png"_s;

// OK waits at most this long for a chosen file that is still being checked.
constexpr int CheckTimeLimitMilliseconds = 5000;

// One colour of the board: its "Change" button, its swatch and its setting. "Reset Colors" gives it the
// setting's default, the highlight the default back colour.
struct ColorSwatch
{
    const char *button;
    const char *swatch;
    qint32 Settings::*color;
};

const QList<ColorSwatch> &colorSwatches()
{
    static const QList<ColorSwatch> swatches {
        {"cmdTimeC", "picTimeC", &Settings::TimeColor},
        {"cmdLEDB", "picLEDB", &Settings::LEDBack},
        {"cmdLedSelected", "picLedSelected", &Settings::LEDSelected},
        {"cmdScoreC", "picScoreC", &Settings::ScoreColor},
        {"cmdSetC", "picSetC", &Settings::SetColor},
        {"cmdBackC", "picBackC", &Settings::FormBack},
        {"cmdBorderC", "picBorderC", &Settings::BorderColor},
        {"cmdHomeC", "picHomeC", &Settings::HomeColor},
        {"cmdVisitorC", "picVisitorC", &Settings::VisitorColor},
    };
    return swatches;
}

// The read-out of the buzzer file: a long path keeps its first ten characters and, once it is known to
// name a file, the file's name.
QString buzzerFileText(const QString &path, bool isFile)
{
    if (path.isEmpty())
        return QCoreApplication::translate("frmOptions", "[No File Selected]");
    if (path.size() < LongPath)
        return path;
    return path.left(10) + u" ...\\"_s + (isFile ? QFileInfo(path).fileName() : QString());
}

qint16 toTeamSize(const Currency &size)
{
    return qint16(std::clamp<qint64>(size.roundToInteger(), std::numeric_limits<qint16>::min(),
                                     std::numeric_limits<qint16>::max()));
}

} // namespace

// One command key: its button, read-out and phrase, its setting and the dialog's working copy. "Reset
// Keys" gives it the setting's default.
struct frmOptions::KeyCommand
{
    const char *button;
    const char *readout;
    const char *phrase;
    qint16 Settings::*key;
    qint16 frmOptions::*temp;
};

// One picture: its buttons, its preview image in its box, its setting and the dialog's working copy.
struct frmOptions::PictureSlot
{
    const char *change;
    const char *clear;
    const char *image;
    const char *container;
    QString Settings::*path;
    QString frmOptions::*temp;
};

const QList<frmOptions::KeyCommand> &frmOptions::keyCommands()
{
    static const QList<KeyCommand> commands {
        {"cmdStartStopClock", "lblStartStopClock", QT_TR_NOOP("start / stop the clock"), &Settings::StartStopClockKey,
         &frmOptions::StartStopClockKeyTemp},
        {"cmdResetClock", "lblResetClock", QT_TR_NOOP("reset the clock"), &Settings::ResetClockKey,
         &frmOptions::ResetClockKeyTemp},
        {"cmdClockSwitch", "lblClockSwitch", QT_TR_NOOP("switch between clock and game time"),
         &Settings::ClockSwitchKey, &frmOptions::ClockSwitchKeyTemp},
        {"cmdClearKey", "lblClear", QT_TR_NOOP("clear a number"), &Settings::ClearKey, &frmOptions::ClearKeyTemp},
        {"cmdBuzzer", "lblBuzzer", QT_TR_NOOP("sound the buzzer"), &Settings::BuzzerKey, &frmOptions::BuzzerKeyTemp},
        {"cmdHomeOne", "lblHomeOne", QT_TR_NOOP("increase home score by 1"), &Settings::HomeOneKey,
         &frmOptions::HomeOneKeyTemp},
        {"cmdVisitorOne", "lblVisitorOne", QT_TR_NOOP("increase visitor score by 1"), &Settings::VisitorOneKey,
         &frmOptions::VisitorOneKeyTemp},
        // On the "Rules" tab; taken like the others, so that no key serves two commands.
        {"cmdTimeoutHome", "lblTimeoutHome", QT_TR_NOOP("take a timeout for home"), &Settings::TimeoutKeyHome,
         &frmOptions::TimeoutKeyHomeTemp},
        {"cmdTimeoutVisitor", "lblTimeoutVisitor", QT_TR_NOOP("take a timeout for the visitor"),
         &Settings::TimeoutKeyVisitor, &frmOptions::TimeoutKeyVisitorTemp},
    };
    return commands;
}

const QList<frmOptions::PictureSlot> &frmOptions::pictureSlots()
{
    static const QList<PictureSlot> pictures {
        {"cmdChangeHomePic", "cmdClearHomePic", "imgHomePicPreview", "picHomePicPreviewCon", &Settings::HomePic,
         &frmOptions::HomePicTemp},
        {"cmdChangeVisitorPic", "cmdClearVisitorPic", "imgVisitorPicPreview", "picVisitorPicPreviewCon",
         &Settings::VisitorPic, &frmOptions::VisitorPicTemp},
        {"cmdChangeBoardPic", "cmdClearBoardPic", "imgBoardPicPreview", "picBoardPicPreviewCon", &Settings::BoardPic,
         &frmOptions::BoardPicTemp},
    };
    return pictures;
}

frmOptions::frmOptions(const WindowDesign &design, const WindowDesign &chooseKeyDesign, Settings &settings,
                       SettingsStore &store, OptionsServices services, QWidget *parent)
    : DesignedDialog(design, parent)
    , m_settings(settings)
    , m_store(store)
    , m_chooseKeyDesign(chooseKeyDesign)
    , m_services(std::move(services))
{
    setObjectName(u"frmOptions"_s);
    if (!m_services.prompts)
        m_ownPrompts = std::make_unique<QtDialogPrompts>();
    m_prompts = m_services.prompts ? m_services.prompts : m_ownPrompts.get();
    auto pickers = m_services.commonDialog;
    if (!pickers)
        pickers = [](QObject *owner) -> CommonDialog * { return new QtCommonDialog(owner); };

    DesignBuilder builder;
    builder.setFactory(u"CommonDialog"_s, pickers);
    buildElements(design, builder);
    findElements();
    for (const PictureSlot &slot : pictureSlots()) {
        auto *loader = new PictureLoader(m_services.pictureBound, this);
        connect(loader, &PictureLoader::loaded, this,
                [this, &slot](const LoadedPicture &picture) { pictureLoaded(slot, picture); });
        m_pictureLoaders[size_t(indexOf(slot))] = loader;
    }
    // An OK still waiting for a check is withdrawn by Cancel, Esc or the close box.
    connect(this, &QDialog::rejected, this, [this] { m_okWaiting = false; });
    connectElements();
    m_feed = new FeedOptions(this, *m_pickers, *m_prompts);
    Form_Load();
    makeRoomForTabRows();
}

// The tabs take a second row when their captions need it; the dialog grows by that row instead of
// hiding the top of the pages.
void frmOptions::makeRoomForTabRows()
{
    const int extra = m_tabs->extraRowsHeight();
    if (extra <= 0)
        return;
    const double extraTwips = extra * TwipsGeometry::TwipsPerPixel;
    const double tabsBottom = m_tabs->topTwips() + m_tabs->heightTwips();
    // Everything below the tabs moves down: the buttons, and the measuring labels below the client area.
    for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        auto *placed = dynamic_cast<TwipsGeometry *>(child);
        if (placed && placed->topTwips() >= tabsBottom)
            placed->setTopTwips(placed->topTwips() + extraTwips);
    }
    m_tabs->setHeightTwips(m_tabs->heightTwips() + extraTwips);
    setFixedSize(width(), height() + extra);
}

frmOptions::~frmOptions() = default;

void frmOptions::findElements()
{
    m_tabs = element<TabControl>("SSTab1");
    m_pickers = element<CommonDialog>("cdColors");
    m_width = element<ScrollBar>("scrLEDSelectedWidth");
    m_widthValue = element<Label>("lblLEDSelectedWidthValue");
    m_normal = element<OptionButton>("optNormal");
    m_keepOn = element<OptionButton>("optKeepOn");
    m_keepOff = element<OptionButton>("optKeepOff");
    m_buzzerFile = element<Label>("lblBFile");
    m_title = element<TextBox>("txtTitleText");
    m_home = element<TextBox>("txtHomeText");
    m_visitor = element<TextBox>("txtVisitorText");
    m_homePreview = element<Label>("lblHomePreview");
    m_visitorPreview = element<Label>("lblVisitorPreview");
    m_ledType = element<ComboBox>("cmbLedType");
    m_digitPreview = element<SegmentPanel>("pledPreview");
    m_ok = element<CommandButton>("cmdOk");
    m_rulesPage = new RulesPage(this);
}

void frmOptions::connectElements()
{
    for (const ColorSwatch &row : colorSwatches()) {
        PictureBox *swatch = element<PictureBox>(row.swatch);
        connect(element<CommandButton>(row.button), &QPushButton::clicked, this,
                [this, swatch] { chooseColor(swatch); });
    }
    connect(m_width, &ScrollBar::Change, this, &frmOptions::showWidth);
    connect(element<CommandButton>("cmdResetColors"), &QPushButton::clicked, this, &frmOptions::cmdResetColors_Click);
    for (const KeyCommand &command : keyCommands())
        connect(element<CommandButton>(command.button), &QPushButton::clicked, this,
                [this, &command] { ChooseKey(command); });
    connect(element<CommandButton>("cmdResetKeys"), &QPushButton::clicked, this, &frmOptions::cmdResetKeys_Click);
    connect(element<CommandButton>("cmdBuzzerSound"), &QPushButton::clicked, this, &frmOptions::cmdBuzzerSound_Click);
    for (const PictureSlot &slot : pictureSlots()) {
        connect(element<CommandButton>(slot.change), &QPushButton::clicked, this,
                [this, &slot] { changePicture(slot); });
        connect(element<CommandButton>(slot.clear), &QPushButton::clicked, this, [this, &slot] { clearPicture(slot); });
    }
    connect(m_home, &QLineEdit::textChanged, this, [this](const QString &name) { nameChanged(m_homePreview, name); });
    connect(m_visitor, &QLineEdit::textChanged, this,
            [this](const QString &name) { nameChanged(m_visitorPreview, name); });
    connect(m_ledType, &QComboBox::currentIndexChanged, this, &frmOptions::cmbLedType_Click);
    // Only the operator's own choice replaces a stored style that the list cannot show.
    connect(m_ledType, &QComboBox::activated, this, [this] { m_keptLedType.reset(); });
    connect(m_ok, &QPushButton::clicked, this, &frmOptions::cmdOk_Click);
    connect(element<CommandButton>("cmdCancel"), &QPushButton::clicked, this, &QDialog::reject);
    // The boxes take every key while they have the focus; Enter and Esc must still reach OK and Cancel.
    for (PictureBox *box : findChildren<PictureBox *>())
        box->installEventFilter(this);
}

void frmOptions::Form_Load()
{
    m_tabs->setCurrentTab(0);
    for (const ColorSwatch &row : colorSwatches())
        element<PictureBox>(row.swatch)->setBackColor(m_settings.*row.color);
    m_width->setCurrentValue(m_settings.LEDSelectedWidth);
    // A stored width the spinner cannot reach is shown as it is, so that OK keeps it.
    showWidth(m_settings.LEDSelectedWidth);
    loadKeys();
    loadNumLock();
    BuzzTemp = m_settings.BuzzerFile;
    TempSize = toTeamSize(m_settings.TeamSize);
    loadPictures();
    loadDigitStyle();
    m_title->setText(m_settings.TitleText);
    m_home->setText(m_settings.HomeText);
    m_visitor->setText(m_settings.VisitorText);
    showBuzzerFile(false);
    m_screensTab = std::make_unique<ScreensTab>(this, m_settings, m_services.boardScreen);
    m_rulesPage->load(m_settings);
    m_feed->load(m_settings.Feed);
}

void frmOptions::loadKeys()
{
    for (const KeyCommand &command : keyCommands()) {
        this->*command.temp = m_settings.*command.key;
        showKey(command);
    }
}

void frmOptions::loadNumLock()
{
    // Any other stored policy selects no option, and OK then keeps it.
    if (m_settings.NumLockForce == 0)
        m_normal->setChecked(true);
    else if (m_settings.NumLockForce == 1)
        m_keepOn->setChecked(true);
    else if (m_settings.NumLockForce == 2)
        m_keepOff->setChecked(true);
}

qsizetype frmOptions::indexOf(const PictureSlot &slot)
{
    return &slot - pictureSlots().constData();
}

void frmOptions::loadPictures()
{
    // The previews appear as the pictures arrive.
    for (const PictureSlot &slot : pictureSlots()) {
        this->*slot.temp = m_settings.*slot.path;
        if (!(this->*slot.temp).isEmpty())
            m_pictureLoaders[size_t(indexOf(slot))]->load(this->*slot.temp);
    }
}

void frmOptions::loadDigitStyle()
{
    const int last = m_ledType->count() - 1;
    const int shown = std::clamp<int>(m_settings.LEDType, 0, last);
    if (shown != m_settings.LEDType)
        m_keptLedType = m_settings.LEDType;
    m_ledType->setCurrentIndex(shown);
    cmbLedType_Click(shown);
}

void frmOptions::showEvent(QShowEvent *event)
{
    DesignedDialog::showEvent(event);
    focusOk();
}

bool frmOptions::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_ok->click();
            return true;
        }
        if (key == Qt::Key_Escape) {
            reject();
            return true;
        }
    }
    return DesignedDialog::eventFilter(watched, event);
}

void frmOptions::focusOk()
{
    m_ok->setFocus(Qt::ActiveWindowFocusReason);
}

void frmOptions::chooseColor(PictureBox *swatch)
{
    swatch->setBackColor(m_pickers->ShowColor(swatch->backColor()));
}

void frmOptions::showWidth(int width)
{
    m_widthValue->setCaption(QString::number(width));
}

void frmOptions::cmdResetColors_Click()
{
    if (!m_prompts->askYesNo(this, tr("Are you sure you want to reset the colors?"), tr("Reset Colors")))
        return;
    const Settings defaults = SettingsSchema::defaults();
    for (const ColorSwatch &row : colorSwatches())
        element<PictureBox>(row.swatch)->setBackColor(defaults.*row.color);
    m_width->setCurrentValue(defaults.LEDSelectedWidth);
    showWidth(defaults.LEDSelectedWidth);
}

QList<qint16> frmOptions::workingKeys() const
{
    QList<qint16> keys;
    for (const KeyCommand &command : keyCommands())
        keys.append(this->*command.temp);
    return keys;
}

void frmOptions::showKey(const KeyCommand &command)
{
    element<Label>(command.readout)->setCaption(KeyCodeToStr(this->*command.temp));
}

void frmOptions::ChooseKey(const KeyCommand &command)
{
    frmChooseKey chooser(m_chooseKeyDesign, tr(command.phrase), this->*command.temp, workingKeys(), *m_prompts, this);
    chooser.exec();
    const qint16 chosen = Numbers::toInt16(Numbers::numericValue(chooser.ChooseKeyResult())).value_or(0);
    if (chosen != 0) {
        this->*command.temp = chosen;
        showKey(command);
    }
    focusOk();
}

void frmOptions::cmdResetKeys_Click()
{
    if (!m_prompts->askYesNo(this, tr("Are you sure you want to reset the keys?"), tr("Reset Keys")))
        return;
    const Settings defaults = SettingsSchema::defaults();
    for (const KeyCommand &command : keyCommands()) {
        this->*command.temp = defaults.*command.key;
        showKey(command);
    }
    m_normal->setChecked(true);
}

void frmOptions::cmdBuzzerSound_Click()
{
    const QString path = m_pickers->ShowOpen(BuzzerFilter, 0);
    if (path.isEmpty())
        return;
    // Taken once it is known to name a file; a name that does not is ignored, as a cancel is.
    m_pickedBuzzer = path;
    FileAccess::whenChecked(this, path, [this, path](bool usable) { buzzerFileChecked(path, usable); });
}

void frmOptions::buzzerFileChecked(const QString &path, bool usable)
{
    if (path != m_pickedBuzzer)
        return;
    m_pickedBuzzer.clear();
    if (usable) {
        BuzzTemp = path;
        showBuzzerFile(true);
    }
    checkDone();
}

void frmOptions::showBuzzerFile(bool nameKnown)
{
    m_buzzerFile->setCaption(buzzerFileText(BuzzTemp, nameKnown));
    if (nameKnown || BuzzTemp.size() < LongPath)
        return;
    // A long path shows its file's name once the file is found.
    const QString path = BuzzTemp;
    FileAccess::whenChecked(this, path, [this, path](bool isFile) {
        if (isFile && path == BuzzTemp)
            m_buzzerFile->setCaption(buzzerFileText(path, true));
    });
}

void frmOptions::changePicture(const PictureSlot &slot)
{
    const QString path = m_pickers->ShowOpen(PictureFilter, CommonDialog::FileMustExist);
    if (path.isEmpty())
        return;
    // Taken once it has been decoded: a file that is not a picture that can be shown is refused then.
    const size_t index = size_t(indexOf(slot));
    m_pickedPictures[index] = path;
    m_pictureLoaders[index]->load(path);
}

void frmOptions::pictureLoaded(const PictureSlot &slot, const LoadedPicture &picture)
{
    QString &picked = m_pickedPictures[size_t(indexOf(slot))];
    if (!picked.isEmpty() && picture.path == picked) {
        picked.clear();
        if (picture.isShown()) {
            this->*slot.temp = picture.path;
            showPreview(slot, picture.image);
        } else {
            refusePicture(picture.path);
        }
        checkDone();
        return;
    }
    // The preview of the picture already chosen.
    if (picture.path == this->*slot.temp && picture.isShown())
        showPreview(slot, picture.image);
}

void frmOptions::showPreview(const PictureSlot &slot, const QImage &picture)
{
    if (m_services.showPicture)
        m_services.showPicture(element<Image>(slot.image), element<Element>(slot.container), picture);
}

void frmOptions::refusePicture(const QString &path)
{
    m_prompts->warn(this, u"\"%1\" cannot be read as a picture. The picture stays as it was."_s.arg(path),
                    windowTitle());
}

void frmOptions::clearPicture(const PictureSlot &slot)
{
    element<Image>(slot.image)->setPicture(QImage());
    this->*slot.temp = QString();
    // A choice still being checked is dropped with it.
    QString &picked = m_pickedPictures[size_t(indexOf(slot))];
    if (!picked.isEmpty()) {
        picked.clear();
        checkDone();
    }
}

bool frmOptions::checksPending() const
{
    return !m_pickedBuzzer.isEmpty()
        || std::any_of(m_pickedPictures.cbegin(), m_pickedPictures.cend(),
                       [](const QString &p) { return !p.isEmpty(); });
}

void frmOptions::checkDone()
{
    if (m_okWaiting && !checksPending())
        cmdOk_Click();
}

// A chosen file that has not answered by the time limit is not taken.
void frmOptions::giveUpChecks()
{
    if (!m_okWaiting)
        return;
    for (QString &picked : m_pickedPictures) {
        if (!picked.isEmpty())
            refusePicture(std::exchange(picked, QString()));
    }
    m_pickedBuzzer.clear();
    cmdOk_Click();
}

void frmOptions::nameChanged(Label *measure, const QString &name)
{
    measure->setCaption(name);
    PreviewIt();
}

void frmOptions::PreviewIt()
{
    ++m_previewRuns;
    findTeamSize(true);
    --m_previewRuns;
}

void frmOptions::findTeamSize(bool letEventsRun)
{
    // A run started by a name change while the events ran goes on from the size that run left, so the
    // size that remains always fits the latest names. The operator's keys and clicks wait until the
    // measuring is done: run now, an F2 would open a second dialog inside this one, still opening.
    TempSize = LargestTeamSize;
    while (TempSize >= SmallestTeamSize) {
        if (letEventsRun)
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (TempSize < SmallestTeamSize)
            break;
        m_homePreview->setFontSize(TempSize);
        m_visitorPreview->setFontSize(TempSize);
        if (namesFit())
            break;
        --TempSize;
    }
}

bool frmOptions::namesFit() const
{
    const auto fits
        = [](const Label *name) { return name->widthTwips() < NameBoxWidth && name->heightTwips() < NameBoxHeight; };
    return fits(m_homePreview) && fits(m_visitorPreview);
}

void frmOptions::cmbLedType_Click(int index)
{
    m_digitPreview->setLedType(index);
}

void frmOptions::cmdOk_Click()
{
    // OK pressed while a chosen file is being checked: OK again once the check is done.
    if (checksPending()) {
        if (!m_okWaiting) {
            m_okWaiting = true;
            QTimer::singleShot(CheckTimeLimitMilliseconds, this, &frmOptions::giveUpChecks);
        }
        return;
    }
    m_okWaiting = false;
    // OK pressed while the names were being measured: finish measuring first.
    if (m_previewRuns > 0)
        findTeamSize(false);
    // Nothing is taken while the Feed tab holds a value that cannot be.
    if (!m_feed->check())
        return;
    for (const ColorSwatch &row : colorSwatches())
        m_settings.*row.color = element<PictureBox>(row.swatch)->backColor();
    m_settings.LEDSelectedWidth
        = Numbers::toInt16(Numbers::numericValue(m_widthValue->caption())).value_or(m_settings.LEDSelectedWidth);
    for (const KeyCommand &command : keyCommands())
        m_settings.*command.key = this->*command.temp;
    m_settings.BuzzerFile = BuzzTemp;
    applyNumLock();
    m_settings.TitleText = m_title->text();
    m_settings.HomeText = m_home->text();
    m_settings.VisitorText = m_visitor->text();
    m_settings.TeamSize = Currency::fromInteger(TempSize);
    for (const PictureSlot &slot : pictureSlots())
        m_settings.*slot.path = this->*slot.temp;
    m_settings.LEDType = m_keptLedType.value_or(qint16(m_ledType->currentIndex()));
    m_screensTab->apply(m_settings);
    m_rulesPage->save(m_settings);
    m_feed->apply(m_settings.Feed);
    save();
    accept();
}

void frmOptions::applyNumLock()
{
    if (m_normal->isChecked()) {
        m_settings.NumLockForce = 0;
    } else if (m_keepOn->isChecked()) {
        m_settings.NumLockForce = 1;
        if (m_services.forceNumLock)
            m_services.forceNumLock(true);
    } else if (m_keepOff->isChecked()) {
        m_settings.NumLockForce = 2;
        if (m_services.forceNumLock)
            m_services.forceNumLock(false);
    }
}

void frmOptions::save()
{
    if (const std::optional<QString> error = SaveSettings(m_store, m_settings)) {
        m_prompts->warn(this,
                        *error
                            + u"\n\nThe new settings are in use until Vantaro is closed; the next start will "
                              "use the settings saved before."_s,
                        windowTitle());
    }
}
