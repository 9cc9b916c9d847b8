#pragma once

#include "dialogs/DesignedDialog.h"

#include <QList>
#include <QSize>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class CommandButton;
class CommonDialog;
class ComboBox;
class DialogPrompts;
class Element;
class FeedOptions;
class Image;
class Label;
class OptionButton;
class PictureBox;
class PictureLoader;
class ScreensTab;
struct LoadedPicture;
class RulesPage;
class ScrollBar;
class SegmentPanel;
struct Settings;
class SettingsStore;
class TabControl;
class TextBox;

// What the options dialog needs from the rest of the program. The picture and NumLock rules belong to
// the board's rendering, which this subsystem cannot call, so main hands them in.
struct OptionsServices
{
    // Shows a decoded picture scaled into container; a null picture empties it. Without it the previews
    // stay empty, but chosen pictures are still checked.
    std::function<void(Image *image, const Element *container, const QImage &picture)> showPicture;
    // The size pictures are decoded to fit within: the board's, so that the board reuses what the
    // previews decoded. Invalid: their full size.
    QSize pictureBound;
    // Brings NumLock on (true) or off at once.
    std::function<void(bool wanted)> forceNumLock;
    // The colour and file pickers; Qt's own when empty.
    std::function<CommonDialog *(QObject *parent)> commonDialog;
    // The message boxes and the beep, for this dialog and the key-capture dialog; Qt's own when null.
    // Must outlive the dialog.
    DialogPrompts *prompts = nullptr;
    // The name of the screen the board is on now; empty before the board is open.
    QString boardScreen;
};

// The options dialog: edits copies of every setting (colours, highlight width, command keys, NumLock
// policy, buzzer sound, texts, pictures, digit style, the board's screen and the console key, the rules
// assistance and its timeout keys, the live feed) and, on OK only, puts them into the settings
// record and saves it. Cancel, Esc and the close box change nothing. Values the dialog cannot show (a
// highlight width outside 0 to 5, a digit style other than 0 and 1) are shown at the nearest position
// and kept unless the operator changes them. When the save fails the operator is told, and the new
// settings stay in effect for this run.
//
// Files are never opened on the GUI thread: the pictures are read and decoded off it (PictureLoader) and
// the previews appear when they are ready; a chosen picture or buzzer sound is checked off it too, and
// taken only when it can be used (a picture that cannot be shown gets the warning of an unreadable
// file). OK pressed while a chosen file is still being checked takes effect once the check is done, or
// after a few seconds without the files that did not answer.
class frmOptions : public DesignedDialog
{
    Q_OBJECT

public:
    frmOptions(const WindowDesign &design, const WindowDesign &chooseKeyDesign, Settings &settings,
               SettingsStore &store, OptionsServices services = {}, QWidget *parent = nullptr);
    ~frmOptions() override;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct KeyCommand;
    struct PictureSlot;
    static const QList<KeyCommand> &keyCommands();
    static const QList<PictureSlot> &pictureSlots();

    void findElements();
    void connectElements();
    void Form_Load();
    void makeRoomForTabRows();
    void loadKeys();
    void loadNumLock();
    void loadPictures();
    void loadDigitStyle();

    void chooseColor(PictureBox *swatch);
    void cmdResetColors_Click();
    void ChooseKey(const KeyCommand &command);
    void cmdResetKeys_Click();
    void cmdBuzzerSound_Click();
    void changePicture(const PictureSlot &slot);
    void clearPicture(const PictureSlot &slot);
    void pictureLoaded(const PictureSlot &slot, const LoadedPicture &picture);
    void showPreview(const PictureSlot &slot, const QImage &picture);
    void refusePicture(const QString &path);
    void buzzerFileChecked(const QString &path, bool usable);
    void showBuzzerFile(bool nameKnown);
    bool checksPending() const;
    void checkDone();
    void giveUpChecks();
    static qsizetype indexOf(const PictureSlot &slot);
    void nameChanged(Label *measure, const QString &name);
    void PreviewIt();
    void findTeamSize(bool letEventsRun);
    bool namesFit() const;
    void cmbLedType_Click(int index);
    void cmdOk_Click();
    void applyNumLock();
    void save();

    QList<qint16> workingKeys() const;
    void showKey(const KeyCommand &command);
    void showWidth(int width);
    void focusOk();

    Settings &m_settings;
    SettingsStore &m_store;
    WindowDesign m_chooseKeyDesign;
    OptionsServices m_services;
    std::unique_ptr<DialogPrompts> m_ownPrompts;
    DialogPrompts *m_prompts = nullptr;
    std::unique_ptr<ScreensTab> m_screensTab;

    // The dialog's working copies.
    qint16 StartStopClockKeyTemp = 0;
    qint16 ResetClockKeyTemp = 0;
    qint16 ClockSwitchKeyTemp = 0;
    qint16 ClearKeyTemp = 0;
    qint16 BuzzerKeyTemp = 0;
    qint16 HomeOneKeyTemp = 0;
    qint16 VisitorOneKeyTemp = 0;
    qint16 TimeoutKeyHomeTemp = 0;
    qint16 TimeoutKeyVisitorTemp = 0;
    QString BuzzTemp;
    qint16 TempSize = 0;
    QString HomePicTemp;
    QString VisitorPicTemp;
    QString BoardPicTemp;
    // A stored digit style the list cannot show, kept until the operator picks one.
    std::optional<qint16> m_keptLedType;
    // Runs of PreviewIt in progress; more than one when a name changed while measuring.
    int m_previewRuns = 0;

    // One loader per picture, for its preview and the operator's choices.
    std::array<PictureLoader *, 3> m_pictureLoaders {};
    // A picture or buzzer sound the operator chose that is still being checked; empty when none.
    std::array<QString, 3> m_pickedPictures;
    QString m_pickedBuzzer;
    // OK was pressed while a check was pending.
    bool m_okWaiting = false;

    TabControl *m_tabs = nullptr;
    CommonDialog *m_pickers = nullptr;
    ScrollBar *m_width = nullptr;
    Label *m_widthValue = nullptr;
    OptionButton *m_normal = nullptr;
    OptionButton *m_keepOn = nullptr;
    OptionButton *m_keepOff = nullptr;
    Label *m_buzzerFile = nullptr;
    TextBox *m_title = nullptr;
    TextBox *m_home = nullptr;
    TextBox *m_visitor = nullptr;
    Label *m_homePreview = nullptr;
    Label *m_visitorPreview = nullptr;
    ComboBox *m_ledType = nullptr;
    SegmentPanel *m_digitPreview = nullptr;
    CommandButton *m_ok = nullptr;
    RulesPage *m_rulesPage = nullptr;
    FeedOptions *m_feed = nullptr;
};
