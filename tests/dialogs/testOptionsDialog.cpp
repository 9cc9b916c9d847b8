#include "core/FileAccess.h"
#include "dialogs/CommonDialog.h"
#include "dialogs/QtCommonDialog.h"
#include "dialogs/ShowOptionsDialog.h"
#include "support/OptionsFixture.h"
#include "widgets/ComboBox.h"
#include "widgets/Image.h"
#include "widgets/Label.h"
#include "widgets/OptionButton.h"
#include "widgets/PictureBox.h"
#include "widgets/ScrollBar.h"
#include "widgets/SegmentPanel.h"
#include "widgets/TabControl.h"
#include "widgets/TextBox.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QThread>

using namespace Qt::StringLiterals;

namespace {

const QString Colors = u"ColorSettings"_s;
const QString Keys = u"KeySettings"_s;
const QString Texts = u"TextSettings"_s;
const QString Pics = u"PicSettings"_s;
constexpr int White = 0xFFFFFF;
const QString PictureFilter = u"Pictures (*.bmp;*.gif;*.jpg;*.jpeg;*.png)|*.bmp;*.gif;*.jpg;*.jpeg;*.png"_s;

// The board's team-name box, in twips.
bool namesFitAt(OptionsFixture &fixture, double size)
{
    for (const QString &name : {u"lblHomePreview"_s, u"lblVisitorPreview"_s}) {
        auto *label = fixture.find<Label>(name);
        label->setFontSize(size);
        if (label->widthTwips() >= 2520 || label->heightTwips() >= 615)
            return false;
    }
    return true;
}

// The TeamSize that a dialog opened on these stored names saves on OK without further changes.
QString savedTeamSize(const QString &home, const QString &visitor)
{
    OptionsFixture fixture;
    fixture.settings.HomeText = home;
    fixture.settings.VisitorText = visitor;
    fixture.open();
    fixture.click(u"cmdOk"_s);
    return fixture.stored(Texts, u"TeamSize"_s).value_or(QString());
}

QString writeFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
        qWarning("Could not write %s", qPrintable(path));
    return path;
}

QString writePicture(const QString &path, QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    if (!picture.save(path, "JPG"))
        qWarning("Could not write %s", qPrintable(path));
    return path;
}

// A path in folder of exactly length characters, ending in a file name made of 'b's and ".wav".
QString pathOfLength(const QString &folder, int length)
{
    const QString start = folder + u'/';
    return start + QString(length - start.size() - 4, u'b') + u".wav"_s;
}

} // namespace

class TestOptionsDialog : public QObject
{
    Q_OBJECT

private slots:
    void opensWithTheDefaultsOfAnEmptyStore();
    void focusIsOnOkWhenOpened();
    void oneOptionsDialogAtATime();
    void opensCentredOnItsOwner_data();
    void opensCentredOnItsOwner();
    void highlightWidthRoundTrip();
    void spinnerUpArrowRaisesWithinZeroToFive();
    void storedNamesKeepOrRemeasureTeamSize_data();
    void storedNamesKeepOrRemeasureTeamSize();
    void nameTooWideEvenAtTenGivesNine();
    void nameChangeWhileMeasuringEndsWithTheLatestNames();
    void okWhileMeasuringSavesTheFinalSize();
    void buzzerFileReadOut_data();
    void buzzerFileReadOut();
    void changeBuzzerSound();
    void pictureChangeThenCancelledChange();
    void clearPicture();
    void unreadablePictureIsRefused();
    void largePictureIsPreviewedAndStored_data();
    void largePictureIsPreviewedAndStored();
    void pictureThatCannotBeShownIsRefused();
    void previewsAreDrawnSmoothly();
    void okWaitsForAPictureBeingChecked();
    void clearDropsAChoiceBeingChecked();
    void cancelWithdrawsAWaitingOk();
    void colorButtonsReachTheirSettings_data();
    void colorButtonsReachTheirSettings();
    void cancelledColorPickerKeepsTheSwatch();
    void resetColorsThenCancelChangesNothing();
    void resetColorsAnsweredNo();
    void resetColorsThenNewBackColor();
    void resetKeysSelectsNormalMode();
    void numLockPolicyOnOk_data();
    void numLockPolicyOnOk();
    void digitStyleListDrivesThePreview();
    void textLengthLimits_data();
    void textLengthLimits();
    void enterInATextFieldPressesOk_data();
    void enterInATextFieldPressesOk();
    void closingWithoutOkChangesNothing_data();
    void closingWithoutOkChangesNothing();
    void okSavesEveryValue();
    void failedSaveIsReportedAndSettingsStayInEffect();
    void outOfRangeStoredValuesAreShownAndKept_data();
    void outOfRangeStoredValuesAreShownAndKept();
    void operatorChoiceReplacesKeptValues();
    void measuringLabelsAreNeverOnScreen();
    void tabOrder();
    void layout();
    void ctrlTabSwitchesTabsFromAnywhere();
    void framesDrawTheirLineAboveWhatTheyHold();
    void framedLabelsCentreTheirText();
    void everyElementFitsItsContainer();
    void textsFitTheirElements();
    void qtFileFilter_data();
    void qtFileFilter();
};

void TestOptionsDialog::opensWithTheDefaultsOfAnEmptyStore()
{
    OptionsFixture fixture;
    fixture.open();
    const QList<std::pair<QString, int>> swatches {
        {u"picTimeC"_s, 33023},   {u"picLEDB"_s, 0},      {u"picLedSelected"_s, 4210752},
        {u"picScoreC"_s, 255},    {u"picSetC"_s, 65535},  {u"picBackC"_s, 4210752},
        {u"picBorderC"_s, White}, {u"picHomeC"_s, White}, {u"picVisitorC"_s, White},
    };
    for (const auto &[swatch, color] : swatches)
        QCOMPARE(fixture.find<PictureBox>(swatch)->backColor(), color);
    const QList<std::pair<QString, QString>> readouts {
        {u"lblStartStopClock"_s, u"S"_s}, {u"lblResetClock"_s, u"R"_s}, {u"lblClockSwitch"_s, u"C"_s},
        {u"lblClear"_s, u"Delete"_s},     {u"lblBuzzer"_s, u"B"_s},     {u"lblHomeOne"_s, u"F5"_s},
        {u"lblVisitorOne"_s, u"F6"_s},
    };
    for (const auto &[readout, name] : readouts)
        QCOMPARE(fixture.find<Label>(readout)->caption(), name);
    QVERIFY(fixture.find<OptionButton>(u"optNormal"_s)->isChecked());
    QVERIFY(!fixture.find<OptionButton>(u"optKeepOn"_s)->isChecked());
    QVERIFY(!fixture.find<OptionButton>(u"optKeepOff"_s)->isChecked());
    QCOMPARE(fixture.find<ComboBox>(u"cmbLedType"_s)->currentText(), u"Lines"_s);
    QCOMPARE(fixture.find<SegmentPanel>(u"pledPreview"_s)->ledType(), 0);
    QCOMPARE(fixture.find<TextBox>(u"txtTitleText"_s)->text(), u"Home"_s);
    QCOMPARE(fixture.find<TextBox>(u"txtHomeText"_s)->text(), u"Home"_s);
    QCOMPARE(fixture.find<TextBox>(u"txtVisitorText"_s)->text(), u"Visitor"_s);
    QCOMPARE(fixture.find<Label>(u"lblLEDSelectedWidthValue"_s)->caption(), u"0"_s);
    QCOMPARE(fixture.find<TabControl>(u"SSTab1"_s)->currentTab(), 0);
    // The default buzzer file lies beside the program, which the test's folder does not hold.
    const QString buzzer = fixture.settings.BuzzerFile;
    QVERIFY(buzzer.endsWith(u"buzzer.wav"_s));
    const QString shown = buzzer.size() < 51 ? buzzer : buzzer.left(10) + u" ...\\"_s;
    QCOMPARE(fixture.find<Label>(u"lblBFile"_s)->caption(), shown);
}

void TestOptionsDialog::opensCentredOnItsOwner_data()
{
    QTest::addColumn<QRect>("ownerGeometry");
    QTest::addColumn<Qt::WindowFlags>("ownerFlags");
    QTest::newRow("framed board") << QRect(0, 0, 1920, 1080) << Qt::WindowFlags(Qt::Window);
    QTest::newRow("frameless splash") << QRect(752, 344, 415, 216) << Qt::WindowFlags(Qt::FramelessWindowHint);
    QTest::newRow("small owner off centre") << QRect(100, 600, 200, 100) << Qt::WindowFlags(Qt::Window);
}

void TestOptionsDialog::opensCentredOnItsOwner()
{
    QFETCH(QRect, ownerGeometry);
    QFETCH(Qt::WindowFlags, ownerFlags);
    QWidget owner(nullptr, ownerFlags);
    owner.setGeometry(ownerGeometry);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    OptionsFixture fixture;
    frmOptions &dialog = fixture.open(&owner);
    const QPoint offset = dialog.geometry().center() - owner.frameGeometry().center();
    QVERIFY2(offset.manhattanLength() <= 2, qPrintable(u"%1, %2"_s.arg(offset.x()).arg(offset.y())));
}

void TestOptionsDialog::focusIsOnOkWhenOpened()
{
    OptionsFixture fixture;
    fixture.open();
    QCOMPARE(QApplication::focusWidget(), fixture.find(u"cmdOk"_s));
}

void TestOptionsDialog::oneOptionsDialogAtATime()
{
    OptionsFixture fixture;
    SettingsStore store(fixture.storePath);
    // From inside the open dialog: a second call opens nothing and returns at once.
    std::optional<bool> secondOpened;
    QTimer inside;
    inside.setInterval(10);
    connect(&inside, &QTimer::timeout, [&] {
        auto *open = qobject_cast<frmOptions *>(QApplication::activeModalWidget());
        if (!open)
            return;
        if (!secondOpened)
            secondOpened = showOptionsDialog(nullptr, fixture.settings, store, fixture.numLock);
        open->reject();
    });
    inside.start();
    QVERIFY(showOptionsDialog(nullptr, fixture.settings, store, fixture.numLock));
    QCOMPARE(secondOpened, std::optional<bool>(false));
    // Once it has closed, the next one opens.
    QVERIFY(showOptionsDialog(nullptr, fixture.settings, store, fixture.numLock));
}

void TestOptionsDialog::highlightWidthRoundTrip()
{
    OptionsFixture fixture;
    fixture.settings.LEDSelectedWidth = 1;
    fixture.open();
    QCOMPARE(fixture.find<Label>(u"lblLEDSelectedWidthValue"_s)->caption(), u"1"_s);
    QCOMPARE(fixture.find<ScrollBar>(u"scrLEDSelectedWidth"_s)->currentValue(), 1);
    fixture.click(u"cmdOk"_s);
    QCOMPARE(fixture.stored(Colors, u"LEDSelectedWidth"_s), u"1"_s);
}

void TestOptionsDialog::spinnerUpArrowRaisesWithinZeroToFive()
{
    OptionsFixture fixture;
    fixture.open();
    auto *spinner = fixture.find<ScrollBar>(u"scrLEDSelectedWidth"_s);
    auto *readout = fixture.find<Label>(u"lblLEDSelectedWidthValue"_s);
    fixture.showPageOf(spinner);
    // The upper half of the bar is its up arrow.
    QTest::mouseClick(spinner, Qt::LeftButton, {}, QPoint(spinner->width() / 2, 2));
    QCOMPARE(readout->caption(), u"1"_s);
    fixture.focus(u"scrLEDSelectedWidth"_s);
    for (int i = 0; i < 7; ++i)
        OptionsFixture::press(Qt::Key_Up);
    QCOMPARE(readout->caption(), u"5"_s);
    for (int i = 0; i < 2; ++i)
        OptionsFixture::press(Qt::Key_Down);
    QCOMPARE(readout->caption(), u"3"_s);
    for (int i = 0; i < 9; ++i)
        OptionsFixture::press(Qt::Key_Down);
    QCOMPARE(readout->caption(), u"0"_s);
}

void TestOptionsDialog::storedNamesKeepOrRemeasureTeamSize_data()
{
    QTest::addColumn<QString>("home");
    QTest::addColumn<bool>("kept");
    QTest::newRow("design names") << u"Home"_s << true;
    QTest::newRow("other home name") << u"Eagles"_s << false;
}

void TestOptionsDialog::storedNamesKeepOrRemeasureTeamSize()
{
    QFETCH(QString, home);
    QFETCH(bool, kept);
    OptionsFixture fixture;
    fixture.settings.HomeText = home;
    fixture.settings.TeamSize = Currency::fromInteger(30);
    fixture.open();
    fixture.click(u"cmdOk"_s);
    const int saved = fixture.stored(Texts, u"TeamSize"_s).value_or(QString()).toInt();
    if (kept) {
        QCOMPARE(saved, 30);
    } else {
        // The largest size at which both names fit the board's name boxes.
        QVERIFY(namesFitAt(fixture, saved));
        QVERIFY(!namesFitAt(fixture, saved + 1));
        QVERIFY(saved != 30);
    }
}

void TestOptionsDialog::nameTooWideEvenAtTenGivesNine()
{
    OptionsFixture fixture;
    fixture.open();
    fixture.type(u"txtHomeText"_s, QString(20, u'W'));
    QCOMPARE(fixture.find<Label>(u"lblHomePreview"_s)->caption(), QString(20, u'W'));
    QCOMPARE(fixture.find<Label>(u"lblHomePreview"_s)->fontSize(), 10.0);
    QCOMPARE(fixture.find<Label>(u"lblVisitorPreview"_s)->fontSize(), 10.0);
    fixture.click(u"cmdOk"_s);
    QCOMPARE(fixture.stored(Texts, u"TeamSize"_s), u"9"_s);
}

void TestOptionsDialog::nameChangeWhileMeasuringEndsWithTheLatestNames()
{
    OptionsFixture fixture;
    fixture.open();
    auto *visitor = fixture.find<TextBox>(u"txtVisitorText"_s);
    // The visitor name changes while a change of the home name is being measured: typing processes no
    // events of its own, so the timer can only fire inside the measuring.
    bool changedWhileMeasuring = false;
    QTimer::singleShot(0, visitor, [&] {
        visitor->setText(u"Mountain Lions"_s);
        changedWhileMeasuring = true;
    });
    fixture.type(u"txtHomeText"_s, u"Eagles"_s);
    QVERIFY(changedWhileMeasuring);
    QCOMPARE(visitor->text(), u"Mountain Lions"_s);
    fixture.click(u"cmdOk"_s);
    QCOMPARE(fixture.stored(Texts, u"TeamSize"_s), savedTeamSize(u"Eagles"_s, u"Mountain Lions"_s));
}

void TestOptionsDialog::okWhileMeasuringSavesTheFinalSize()
{
    OptionsFixture fixture;
    fixture.open();
    auto *ok = fixture.find<QAbstractButton>(u"cmdOk"_s);
    QTimer::singleShot(0, ok, [ok] { ok->click(); });
    fixture.type(u"txtHomeText"_s, u"E"_s);
    QCOMPARE(fixture.dialog->result(), int(QDialog::Accepted));
    const QString saved = fixture.stored(Texts, u"TeamSize"_s).value_or(QString());
    QCOMPARE(saved, savedTeamSize(u"E"_s, u"Visitor"_s));
    QVERIFY(saved != u"60"_s);
}

void TestOptionsDialog::buzzerFileReadOut_data()
{
    QTest::addColumn<int>("length"); // 0: the empty path
    QTest::addColumn<bool>("exists");
    QTest::addColumn<bool>("shortened");
    QTest::newRow("no file") << 0 << false << false;
    QTest::newRow("50 characters") << 50 << true << false;
    QTest::newRow("51 characters") << 51 << true << true;
    QTest::newRow("51 characters, missing") << 51 << false << true;
    QTest::newRow("80 characters") << 80 << true << true;
}

void TestOptionsDialog::buzzerFileReadOut()
{
    QFETCH(int, length);
    QFETCH(bool, exists);
    QFETCH(bool, shortened);
    OptionsFixture fixture;
    QString path;
    if (length > 0) {
        const QString folder = fixture.folder() + u"/s"_s;
        QVERIFY(QDir().mkpath(folder));
        path = pathOfLength(folder, length);
        QCOMPARE(path.size(), length);
        if (exists)
            writeFile(path, "RIFF");
    }
    fixture.settings.BuzzerFile = path;
    fixture.open();
    QString expected = path;
    if (path.isEmpty())
        expected = u"[No File Selected]"_s;
    else if (shortened)
        expected = path.left(10) + u" ...\\"_s + (exists ? path.section(u'/', -1) : QString());
    QCOMPARE(fixture.find<Label>(u"lblBFile"_s)->caption(), expected);
    fixture.click(u"cmdOk"_s);
    QCOMPARE(fixture.stored(Keys, u"BuzzerFile"_s), path);
}

void TestOptionsDialog::changeBuzzerSound()
{
    OptionsFixture fixture;
    const QString sound = writeFile(fixture.folder() + u"/gym & hall.wav"_s, "RIFF");
    fixture.open();
    auto *readout = fixture.find<Label>(u"lblBFile"_s);
    const QString before = readout->caption();
    fixture.pickers->fileAnswers = {QString(), fixture.folder() + u"/missing.wav"_s, sound};
    fixture.click(u"cmdBuzzerSound"_s); // cancelled
    fixture.click(u"cmdBuzzerSound"_s); // no such file
    QCOMPARE(readout->caption(), before);
    fixture.click(u"cmdBuzzerSound"_s);
    QCOMPARE(readout->caption(), sound); // the ampersand shows as itself
    QCOMPARE(fixture.pickers->fileFilters, QStringList(3, u"Sounds *.wav|*.wav"_s));
    fixture.click(u"cmdOk"_s);
    QCOMPARE(fixture.stored(Keys, u"BuzzerFile"_s), sound);
}

void TestOptionsDialog::pictureChangeThenCancelledChange()
{
    OptionsFixture fixture;
    const QString picture = writePicture(fixture.folder() + u"/eagle.jpg"_s, QSize(400, 100));
    fixture.open();
    fixture.pickers->fileAnswers = {picture};
    fixture.click(u"cmdChangeHomePic"_s);
    fixture.click(u"cmdChangeVisitorPic"_s); // the picker is cancelled
    QCOMPARE(fixture.pickers->fileFilters, QStringList(2, PictureFilter));
    QCOMPARE(fixture.pickers->fileFlags, QList<int>(2, CommonDialog::FileMustExist));
    auto *home = fixture.find<Image>(u"imgHomePicPreview"_s);
    QVERIFY(!home->picture().isNull());
    // Fitted to the width of its 1215-twip box and centred.
    QCOMPARE(home->widthTwips(), 1215);
    QVERIFY(home->topTwips() > 0);
    QVERIFY(fixture.find<Image>(u"imgVisitorPicPreview"_s)->picture().isNull());
    fixture.click(u"cmdOk"_s);
    QCOMPARE(fixture.stored(Pics, u"HomePic"_s), picture);
    QCOMPARE(fixture.stored(Pics, u"VisitorPic"_s), QString());
}

void TestOptionsDialog::clearPicture()
{
    OptionsFixture fixture;
    fixture.settings.BoardPic = writePicture(fixture.folder() + u"/board.jpg"_s, QSize(50, 50));
    fixture.open();
    auto *board = fixture.find<Image>(u"imgBoardPicPreview"_s);
    QVERIFY(!board->picture().isNull());
    fixture.click(u"cmdClearBoardPic"_s);
    QVERIFY(board->picture().isNull());
    fixture.click(u"cmdOk"_s);
    QCOMPARE(fixture.stored(Pics, u"BoardPic"_s), QString());
}

void TestOptionsDialog::unreadablePictureIsRefused()
{
    OptionsFixture fixture;
    const QString notAPicture = writeFile(fixture.folder() + u"/notes.jpg"_s, "just some text");
    fixture.open();
    fixture.pickers->fileAnswers = {notAPicture};
    fixture.click(u"cmdChangeHomePic"_s);
    QCOMPARE(fixture.prompts.warnings.size(), 1);
    QVERIFY(fixture.prompts.warnings.first().contains(notAPicture));
    QVERIFY(fixture.find<Image>(u"imgHomePicPreview"_s)->picture().isNull());
    fixture.click(u"cmdOk"_s);
    QCOMPARE(fixture.stored(Pics, u"HomePic"_s), QString());
}

void TestOptionsDialog::largePictureIsPreviewedAndStored_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::newRow("4032 x 3024 JPEG from a phone") << u"phone.jpg"_s << QSize(4032, 3024);
    QTest::newRow("12000 x 9000 PNG") << u"huge.png"_s << QSize(12000, 9000);
}

// A photo of any size Qt can decode is previewed, stored on OK, and needs no warning.
void TestOptionsDialog::largePictureIsPreviewedAndStored()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    OptionsFixture fixture;
    QImage drawn(size, QImage::Format_RGB32);
    drawn.fill(Qt::darkBlue);
    {
        QPainter painter(&drawn);
        painter.setBrush(Qt::yellow);
        painter.drawEllipse(
            QRect(QPoint(), size).adjusted(size.width() / 8, size.height() / 8, -size.width() / 8, -size.height() / 8));
    }
    const QString path = fixture.folder() + u'/' + name;
    QVERIFY(drawn.save(path, name.endsWith(u".png"_s) ? "PNG" : "JPEG", 80));
    fixture.open();
    fixture.pickers->fileAnswers = {path};
    fixture.click(u"cmdChangeHomePic"_s);
    QCOMPARE(fixture.prompts.warnings, QStringList());
    auto *home = fixture.find<Image>(u"imgHomePicPreview"_s);
    QVERIFY(!home->picture().isNull());
    QCOMPARE(home->widthTwips(), 1215);
    const QImage preview = home->grab().toImage();
    const QColor middle = preview.pixelColor(preview.rect().center());
    QVERIFY2(middle.red() > 200 && middle.green() > 200 && middle.blue() < 80, qPrintable(middle.name()));
    QVERIFY(QDir(QStringLiteral(VANTARO_BUILD_DIR)).mkpath(u"screenshots"_s));
    fixture.dialog->grab().save(QStringLiteral(VANTARO_BUILD_DIR "/screenshots/options-pictures-")
                                + name.section(u'.', 0, 0) + u".png"_s);
    fixture.click(u"cmdOk"_s);
    QCOMPARE(fixture.stored(Pics, u"HomePic"_s), path);
}

// A file Qt recognises as a picture but cannot decode (here one that declares 60000 x 60000
// pixels) gets the warning of an unreadable file, and its path is not stored.
void TestOptionsDialog::pictureThatCannotBeShownIsRefused()
{
    OptionsFixture fixture;
    const QString before = writePicture(fixture.folder() + u"/before.jpg"_s, QSize(80, 40));
    fixture.settings.VisitorPic = before;
    QByteArray giant = QByteArray::fromHex("424d000000000000000036000000");
    giant += QByteArray::fromHex("2800000060ea000060ea0000010020000000000000000000000000000000000000000000000000");
    giant += QByteArray(4096, '\x7f');
    const QString path = writeFile(fixture.folder() + u"/giant.bmp"_s, giant);
    QVERIFY(QImageReader(path).canRead());
    fixture.open();
    auto *visitor = fixture.find<Image>(u"imgVisitorPicPreview"_s);
    const qint64 shown = visitor->picture().cacheKey();
    QVERIFY(!visitor->picture().isNull());
    fixture.pickers->fileAnswers = {path};
    fixture.click(u"cmdChangeVisitorPic"_s);
    QCOMPARE(fixture.prompts.warnings.size(), 1);
    QVERIFY(fixture.prompts.warnings.first().endsWith(
        u"\"%1\" cannot be read as a picture. The picture stays as it was."_s.arg(path)));
    QCOMPARE(visitor->picture().cacheKey(), shown);
    fixture.click(u"cmdOk"_s);
    QCOMPARE(fixture.stored(Pics, u"VisitorPic"_s), before);
}

// The previews are drawn smoothly. Fine vertical stripes, one pixel black and one white,
// averaged down to the preview's size are an even grey; sampled without smoothing they come out in
// bands of black and white.
void TestOptionsDialog::previewsAreDrawnSmoothly()
{
    OptionsFixture fixture;
    QImage stripes(400, 400, QImage::Format_RGB32);
    for (int y = 0; y < stripes.height(); ++y) {
        for (int x = 0; x < stripes.width(); ++x)
            stripes.setPixel(x, y, x % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    }
    const QString path = fixture.folder() + u"/stripes.png"_s;
    QVERIFY(stripes.save(path, "PNG"));
    fixture.settings.BoardPic = path;
    fixture.open();
    fixture.showPageOf(fixture.find(u"imgBoardPicPreview"_s));
    const QImage preview = fixture.find(u"imgBoardPicPreview"_s)->grab().toImage();
    QVERIFY(preview.width() > 20 && preview.width() < 200);
    int outside = 0;
    for (int y = 2; y < preview.height() - 2; ++y) {
        for (int x = 2; x < preview.width() - 2; ++x) {
            const int grey = qGray(preview.pixel(x, y));
            outside += (grey < 90 || grey > 165) ? 1 : 0;
        }
    }
    QVERIFY2(outside == 0, qPrintable(u"%1 pixels far from grey"_s.arg(outside)));
}

// A chosen picture is decoded off the GUI thread; OK pressed meanwhile takes effect once it is done.
void TestOptionsDialog::okWaitsForAPictureBeingChecked()
{
    OptionsFixture fixture;
    const QString slow = writePicture(fixture.folder() + u"/slow-drive.jpg"_s, QSize(80, 40));
    fixture.open();
    FileAccess::setFileSystemDelayForTesting([](const QString &path) {
        if (path.contains(u"slow-drive"_s))
            QThread::msleep(400);
    });
    const auto restore = qScopeGuard([] { FileAccess::setFileSystemDelayForTesting(nullptr); });
    fixture.pickers->fileAnswers = {slow};
    fixture.showPageOf(fixture.find(u"cmdChangeHomePic"_s));
    QTest::mouseClick(fixture.find<QAbstractButton>(u"cmdChangeHomePic"_s), Qt::LeftButton);
    QTest::mouseClick(fixture.find<QAbstractButton>(u"cmdOk"_s), Qt::LeftButton);
    QVERIFY(fixture.dialog->isVisible());
    QTRY_COMPARE(fixture.dialog->result(), int(QDialog::Accepted));
    QCOMPARE(fixture.stored(Pics, u"HomePic"_s), slow);
    QCOMPARE(fixture.settings.HomePic, slow);
}

void TestOptionsDialog::cancelWithdrawsAWaitingOk()
{
    OptionsFixture fixture;
    const QString slow = writePicture(fixture.folder() + u"/slow-drive.jpg"_s, QSize(80, 40));
    fixture.open();
    FileAccess::setFileSystemDelayForTesting([](const QString &path) {
        if (path.contains(u"slow-drive"_s))
            QThread::msleep(300);
    });
    const auto restore = qScopeGuard([] { FileAccess::setFileSystemDelayForTesting(nullptr); });
    fixture.type(u"txtTitleText"_s, u"City Cup"_s);
    fixture.pickers->fileAnswers = {slow};
    fixture.showPageOf(fixture.find(u"cmdChangeHomePic"_s));
    QTest::mouseClick(fixture.find<QAbstractButton>(u"cmdChangeHomePic"_s), Qt::LeftButton);
    QTest::mouseClick(fixture.find<QAbstractButton>(u"cmdOk"_s), Qt::LeftButton);
    QTest::mouseClick(fixture.find<QAbstractButton>(u"cmdCancel"_s), Qt::LeftButton);
    QCOMPARE(fixture.dialog->result(), int(QDialog::Rejected));
    QVERIFY(settleBackgroundWork());
    QCOMPARE(fixture.dialog->result(), int(QDialog::Rejected));
    QCOMPARE(fixture.stored(Pics, u"HomePic"_s), std::nullopt);
    QVERIFY(fixture.settings.TitleText != u"City Cup"_s);
}

void TestOptionsDialog::clearDropsAChoiceBeingChecked()
{
    OptionsFixture fixture;
    const QString slow = writePicture(fixture.folder() + u"/slow-drive.jpg"_s, QSize(80, 40));
    fixture.open();
    FileAccess::setFileSystemDelayForTesting([](const QString &path) {
        if (path.contains(u"slow-drive"_s))
            QThread::msleep(300);
    });
    const auto restore = qScopeGuard([] { FileAccess::setFileSystemDelayForTesting(nullptr); });
    fixture.pickers->fileAnswers = {slow};
    fixture.showPageOf(fixture.find(u"cmdChangeBoardPic"_s));
    QTest::mouseClick(fixture.find<QAbstractButton>(u"cmdChangeBoardPic"_s), Qt::LeftButton);
    fixture.click(u"cmdClearBoardPic"_s);
    QVERIFY(settleBackgroundWork());
    QVERIFY(fixture.find<Image>(u"imgBoardPicPreview"_s)->picture().isNull());
    fixture.click(u"cmdOk"_s);
    QCOMPARE(fixture.stored(Pics, u"BoardPic"_s), QString());
}

void TestOptionsDialog::colorButtonsReachTheirSettings_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("swatch");
    QTest::addColumn<QString>("setting");
    QTest::newRow("time") << u"cmdTimeC"_s << u"picTimeC"_s << u"TimeColor"_s;
    QTest::newRow("home") << u"cmdHomeC"_s << u"picHomeC"_s << u"HomeColor"_s;
    QTest::newRow("visitor") << u"cmdVisitorC"_s << u"picVisitorC"_s << u"VisitorColor"_s;
    QTest::newRow("score") << u"cmdScoreC"_s << u"picScoreC"_s << u"ScoreColor"_s;
    QTest::newRow("sets") << u"cmdSetC"_s << u"picSetC"_s << u"SetColor"_s;
    QTest::newRow("LED background") << u"cmdLEDB"_s << u"picLEDB"_s << u"LEDBack"_s;
    QTest::newRow("back") << u"cmdBackC"_s << u"picBackC"_s << u"FormBack"_s;
    QTest::newRow("LED selected") << u"cmdLedSelected"_s << u"picLedSelected"_s << u"LEDSelected"_s;
    QTest::newRow("border") << u"cmdBorderC"_s << u"picBorderC"_s << u"BorderColor"_s;
}

void TestOptionsDialog::colorButtonsReachTheirSettings()
{
    QFETCH(QString, button);
    QFETCH(QString, swatch);
    QFETCH(QString, setting);
    constexpr int Chosen = 0x123456;
    OptionsFixture fixture;
    fixture.open();
    const int before = fixture.find<PictureBox>(swatch)->backColor();
    fixture.pickers->colorAnswers = {Chosen};
    fixture.click(button);
    QCOMPARE(fixture.pickers->colorStarts, QList<int> {before});
    QCOMPARE(fixture.find<PictureBox>(swatch)->backColor(), Chosen);
    fixture.click(u"cmdOk"_s);
    QCOMPARE(fixture.stored(Colors, setting), QString::number(Chosen));
    int changed = 0;
    for (const QString &key : {u"TimeColor"_s, u"HomeColor"_s, u"VisitorColor"_s, u"ScoreColor"_s, u"SetColor"_s,
                               u"LEDBack"_s, u"FormBack"_s, u"LEDSelected"_s, u"BorderColor"_s})
        changed += fixture.stored(Colors, key) == QString::number(Chosen) ? 1 : 0;
    QCOMPARE(changed, 1);
}

void TestOptionsDialog::cancelledColorPickerKeepsTheSwatch()
{
    OptionsFixture fixture;
    fixture.open();
    fixture.click(u"cmdScoreC"_s);
    QCOMPARE(fixture.pickers->colorStarts, QList<int> {255});
    QCOMPARE(fixture.find<PictureBox>(u"picScoreC"_s)->backColor(), 255);
}

void TestOptionsDialog::resetColorsThenCancelChangesNothing()
{
    OptionsFixture fixture;
    fixture.settings.TimeColor = 1;
    fixture.settings.LEDSelected = 7;
    fixture.settings.LEDSelectedWidth = 3;
    fixture.open();
    fixture.prompts.answers = {true};
    fixture.click(u"cmdResetColors"_s);
    QCOMPARE(fixture.prompts.questions, QStringList {u"Reset Colors: Are you sure you want to reset the colors?"_s});
    QCOMPARE(fixture.find<PictureBox>(u"picTimeC"_s)->backColor(), 33023);
    QCOMPARE(fixture.find<PictureBox>(u"picLedSelected"_s)->backColor(), 4210752);
    QCOMPARE(fixture.find<Label>(u"lblLEDSelectedWidthValue"_s)->caption(), u"0"_s);
    QCOMPARE(fixture.find<ScrollBar>(u"scrLEDSelectedWidth"_s)->currentValue(), 0);
    fixture.click(u"cmdCancel"_s);
    QCOMPARE(fixture.dialog->result(), int(QDialog::Rejected));
    QCOMPARE(fixture.settings.TimeColor, 1);
    QCOMPARE(fixture.settings.LEDSelected, 7);
    QCOMPARE(fixture.settings.LEDSelectedWidth, qint16(3));
    QVERIFY(!QFileInfo::exists(fixture.storePath));
}

void TestOptionsDialog::resetColorsAnsweredNo()
{
    OptionsFixture fixture;
    fixture.settings.TimeColor = 1;
    fixture.settings.LEDSelectedWidth = 3;
    fixture.open();
    fixture.click(u"cmdResetColors"_s);
    QCOMPARE(fixture.prompts.questions.size(), 1);
    QCOMPARE(fixture.find<PictureBox>(u"picTimeC"_s)->backColor(), 1);
    QCOMPARE(fixture.find<Label>(u"lblLEDSelectedWidthValue"_s)->caption(), u"3"_s);
}

void TestOptionsDialog::resetColorsThenNewBackColor()
{
    OptionsFixture fixture;
    fixture.settings.FormBack = 255;
    fixture.settings.LEDSelected = 255;
    fixture.open();
    fixture.prompts.answers = {true};
    fixture.click(u"cmdResetColors"_s);
    fixture.pickers->colorAnswers = {0x112233};
    fixture.click(u"cmdBackC"_s);
    fixture.click(u"cmdOk"_s);
    QCOMPARE(fixture.stored(Colors, u"FormBack"_s), u"1122867"_s);
    QCOMPARE(fixture.stored(Colors, u"LEDSelected"_s), u"4210752"_s);
}

void TestOptionsDialog::resetKeysSelectsNormalMode()
{
    OptionsFixture fixture;
    fixture.settings.NumLockForce = 1;
    fixture.settings.BuzzerKey = 88;
    fixture.settings.HomeOneKey = 120;
    fixture.open();
    QVERIFY(fixture.find<OptionButton>(u"optKeepOn"_s)->isChecked());
    fixture.click(u"cmdResetKeys"_s); // answered No
    QCOMPARE(fixture.find<Label>(u"lblBuzzer"_s)->caption(), u"X"_s);
    QVERIFY(fixture.find<OptionButton>(u"optKeepOn"_s)->isChecked());
    fixture.prompts.answers = {true};
    fixture.click(u"cmdResetKeys"_s);
    QCOMPARE(fixture.prompts.questions, QStringList(2, u"Reset Keys: Are you sure you want to reset the keys?"_s));
    QCOMPARE(fixture.find<Label>(u"lblBuzzer"_s)->caption(), u"B"_s);
    QCOMPARE(fixture.find<Label>(u"lblHomeOne"_s)->caption(), u"F5"_s);
    QVERIFY(fixture.find<OptionButton>(u"optNormal"_s)->isChecked());
    fixture.click(u"cmdOk"_s);
    QCOMPARE(fixture.stored(Keys, u"NumLockForce"_s), u"0"_s);
    const QList<std::pair<QString, QString>> keys {
        {u"StartStopClockKey"_s, u"83"_s}, {u"ResetClockKey"_s, u"82"_s}, {u"ClockSwitchKey"_s, u"67"_s},
        {u"BuzzerKey"_s, u"66"_s},         {u"ClearKey"_s, u"46"_s},      {u"HomeOneKey"_s, u"116"_s},
        {u"VisitorOneKey"_s, u"117"_s},
    };
    for (const auto &[key, code] : keys)
        QCOMPARE(fixture.stored(Keys, key), code);
    QCOMPARE(fixture.numLock.presses, 0);
}

void TestOptionsDialog::numLockPolicyOnOk_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("option"); // empty: none chosen
    QTest::addColumn<bool>("numLockOn");
    QTest::addColumn<int>("saved");
    QTest::addColumn<int>("presses");
    QTest::newRow("keep on, NumLock off") << 0 << u"optKeepOn"_s << false << 1 << 1;
    QTest::newRow("keep on, NumLock already on") << 0 << u"optKeepOn"_s << true << 1 << 0;
    QTest::newRow("keep off, NumLock on") << 0 << u"optKeepOff"_s << true << 2 << 1;
    QTest::newRow("normal after keep off") << 2 << u"optNormal"_s << true << 0 << 0;
    QTest::newRow("stored keep on, unchanged") << 1 << QString() << false << 1 << 1;
    QTest::newRow("stored 5 selects none") << 5 << QString() << false << 5 << 0;
}

void TestOptionsDialog::numLockPolicyOnOk()
{
    QFETCH(int, stored);
    QFETCH(QString, option);
    QFETCH(bool, numLockOn);
    QFETCH(int, saved);
    QFETCH(int, presses);
    OptionsFixture fixture;
    fixture.settings.NumLockForce = stored;
    fixture.numLock.on = numLockOn;
    fixture.open();
    if (!option.isEmpty())
        fixture.click(option);
    if (stored == 5) {
        for (const QString &name : {u"optNormal"_s, u"optKeepOn"_s, u"optKeepOff"_s})
            QVERIFY(!fixture.find<OptionButton>(name)->isChecked());
    }
    QCOMPARE(fixture.numLock.presses, 0); // nothing happens before OK
    fixture.click(u"cmdOk"_s);
    QCOMPARE(fixture.numLock.presses, presses);
    QCOMPARE(fixture.stored(Keys, u"NumLockForce"_s), QString::number(saved));
    QCOMPARE(fixture.settings.NumLockForce, saved);
}

void TestOptionsDialog::digitStyleListDrivesThePreview()
{
    OptionsFixture fixture;
    fixture.open();
    fixture.focus(u"cmbLedType"_s);
    OptionsFixture::press(Qt::Key_Down);
    QCOMPARE(fixture.find<ComboBox>(u"cmbLedType"_s)->currentText(), u"Dots"_s);
    QCOMPARE(fixture.find<SegmentPanel>(u"pledPreview"_s)->ledType(), 1);
    fixture.click(u"cmdOk"_s);
    QCOMPARE(fixture.stored(Pics, u"LEDType"_s), u"1"_s);
}

void TestOptionsDialog::textLengthLimits_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("limit");
    QTest::newRow("title") << u"txtTitleText"_s << 25;
    QTest::newRow("home") << u"txtHomeText"_s << 20;
    QTest::newRow("visitor") << u"txtVisitorText"_s << 20;
}

void TestOptionsDialog::textLengthLimits()
{
    QFETCH(QString, field);
    QFETCH(int, limit);
    OptionsFixture fixture;
    fixture.open();
    fixture.type(field, QString(30, u'a'));
    QCOMPARE(fixture.find<TextBox>(field)->text(), QString(limit, u'a'));
}

void TestOptionsDialog::enterInATextFieldPressesOk_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("setting");
    QTest::newRow("title") << u"txtTitleText"_s << u"TitleText"_s;
    QTest::newRow("home") << u"txtHomeText"_s << u"HomeText"_s;
    QTest::newRow("visitor") << u"txtVisitorText"_s << u"VisitorText"_s;
}

void TestOptionsDialog::enterInATextFieldPressesOk()
{
    QFETCH(QString, field);
    QFETCH(QString, setting);
    OptionsFixture fixture;
    fixture.open();
    fixture.type(field, u"Eagles"_s);
    OptionsFixture::press(Qt::Key_Return);
    QCOMPARE(fixture.dialog->result(), int(QDialog::Accepted));
    QVERIFY(!fixture.dialog->isVisible());
    QCOMPARE(fixture.stored(Texts, setting), u"Eagles"_s);
}

void TestOptionsDialog::closingWithoutOkChangesNothing_data()
{
    QTest::addColumn<QString>("focus"); // where Esc is pressed
    QTest::addColumn<QString>("how");
    QTest::newRow("Esc on OK") << u"cmdOk"_s << u"Esc"_s;
    QTest::newRow("Esc in a text field") << u"txtTitleText"_s << u"Esc"_s;
    QTest::newRow("Esc on a swatch") << u"picTimeC"_s << u"Esc"_s;
    QTest::newRow("Esc on the list") << u"cmbLedType"_s << u"Esc"_s;
    QTest::newRow("Cancel") << QString() << u"Cancel"_s;
    QTest::newRow("close box") << QString() << u"close"_s;
}

void TestOptionsDialog::closingWithoutOkChangesNothing()
{
    QFETCH(QString, focus);
    QFETCH(QString, how);
    OptionsFixture fixture;
    fixture.settings.NumLockForce = 0;
    fixture.open();
    fixture.type(u"txtTitleText"_s, u"City Cup"_s);
    fixture.pickers->colorAnswers = {0x123456};
    fixture.click(u"cmdTimeC"_s);
    fixture.click(u"optKeepOn"_s);
    if (!focus.isEmpty())
        fixture.focus(focus);
    if (how == u"Esc"_s)
        OptionsFixture::press(Qt::Key_Escape);
    else if (how == u"Cancel"_s)
        fixture.click(u"cmdCancel"_s);
    else
        QVERIFY(fixture.dialog->close());
    QCOMPARE(fixture.dialog->result(), int(QDialog::Rejected));
    QVERIFY(!fixture.dialog->isVisible());
    QCOMPARE(fixture.settings.TitleText, u"Home"_s);
    QCOMPARE(fixture.settings.TimeColor, 33023);
    QCOMPARE(fixture.settings.NumLockForce, 0);
    QCOMPARE(fixture.numLock.presses, 0);
    QVERIFY(!QFileInfo::exists(fixture.storePath));
}

void TestOptionsDialog::okSavesEveryValue()
{
    OptionsFixture fixture;
    fixture.open();
    fixture.type(u"txtTitleText"_s, u"City Cup; \"final\" = 1"_s);
    fixture.pickers->colorAnswers = {0x00AA00};
    fixture.click(u"cmdSetC"_s);
    fixture.click(u"optKeepOff"_s);
    fixture.click(u"cmdOk"_s);

    QFile file(fixture.storePath);
    QVERIFY(file.open(QIODevice::ReadOnly));
    int values = 0;
    for (const QByteArray &line : file.readAll().split('\n'))
        values += (!line.startsWith(';') && line.contains('=')) ? 1 : 0;
    // The board's 28 values, the two of the screens, the rules' 11 and the feed's 5.
    QCOMPARE(values, 28 + 2 + 11 + 5);
    QCOMPARE(fixture.stored(Keys, u"IsKeyCode"_s), u"Yes"_s);

    Settings reloaded;
    QVERIFY(!LoadSettings(SettingsStore(fixture.storePath), reloaded).hasProblems());
    QCOMPARE(reloaded.TitleText, u"City Cup; \"final\" = 1"_s);
    QCOMPARE(reloaded.SetColor, 0x00AA00);
    QCOMPARE(reloaded.NumLockForce, 2);
    QCOMPARE(reloaded.BuzzerFile, fixture.settings.BuzzerFile);
    QCOMPARE(reloaded.TeamSize, fixture.settings.TeamSize);
    QCOMPARE(reloaded.LEDSelected, fixture.settings.LEDSelected);
}

void TestOptionsDialog::failedSaveIsReportedAndSettingsStayInEffect()
{
    OptionsFixture fixture;
    // A file where the store's folder would have to be.
    const QString blocker = writeFile(fixture.folder() + u"/blocker"_s, "x");
    fixture.storePath = blocker + u"/Vantaro.ini"_s;
    fixture.open();
    fixture.type(u"txtTitleText"_s, u"City Cup"_s);
    fixture.click(u"cmdOk"_s);
    QCOMPARE(fixture.prompts.warnings.size(), 1);
    QVERIFY2(fixture.prompts.warnings.first().contains(u"could not be saved"_s),
             qPrintable(fixture.prompts.warnings.first()));
    QCOMPARE(fixture.dialog->result(), int(QDialog::Accepted));
    QCOMPARE(fixture.settings.TitleText, u"City Cup"_s);
}

void TestOptionsDialog::outOfRangeStoredValuesAreShownAndKept_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("ledType");
    QTest::addColumn<int>("spinner");
    QTest::addColumn<QString>("listed");
    QTest::newRow("width 9, style 7") << 9 << 7 << 5 << u"Dots"_s;
    QTest::newRow("width -3, style -1") << -3 << -1 << 0 << u"Lines"_s;
    QTest::newRow("width 32767, style 2") << 32767 << 2 << 5 << u"Dots"_s;
}

void TestOptionsDialog::outOfRangeStoredValuesAreShownAndKept()
{
    QFETCH(int, width);
    QFETCH(int, ledType);
    QFETCH(int, spinner);
    QFETCH(QString, listed);
    OptionsFixture fixture;
    fixture.settings.LEDSelectedWidth = qint16(width);
    fixture.settings.LEDType = qint16(ledType);
    fixture.open();
    QCOMPARE(fixture.find<ScrollBar>(u"scrLEDSelectedWidth"_s)->currentValue(), spinner);
    QCOMPARE(fixture.find<Label>(u"lblLEDSelectedWidthValue"_s)->caption(), QString::number(width));
    QCOMPARE(fixture.find<ComboBox>(u"cmbLedType"_s)->currentText(), listed);
    QCOMPARE(fixture.find<SegmentPanel>(u"pledPreview"_s)->ledType(), listed == u"Dots"_s ? 1 : 0);
    fixture.click(u"cmdOk"_s);
    QCOMPARE(fixture.stored(Colors, u"LEDSelectedWidth"_s), QString::number(width));
    QCOMPARE(fixture.stored(Pics, u"LEDType"_s), QString::number(ledType));
}

void TestOptionsDialog::operatorChoiceReplacesKeptValues()
{
    OptionsFixture fixture;
    fixture.settings.LEDSelectedWidth = 9;
    fixture.settings.LEDType = 7;
    fixture.open();
    fixture.focus(u"scrLEDSelectedWidth"_s);
    OptionsFixture::press(Qt::Key_Down);
    QCOMPARE(fixture.find<Label>(u"lblLEDSelectedWidthValue"_s)->caption(), u"4"_s);
    fixture.focus(u"cmbLedType"_s);
    OptionsFixture::press(Qt::Key_Up);
    QCOMPARE(fixture.find<ComboBox>(u"cmbLedType"_s)->currentText(), u"Lines"_s);
    fixture.click(u"cmdOk"_s);
    QCOMPARE(fixture.stored(Colors, u"LEDSelectedWidth"_s), u"4"_s);
    QCOMPARE(fixture.stored(Pics, u"LEDType"_s), u"0"_s);
}

void TestOptionsDialog::measuringLabelsAreNeverOnScreen()
{
    OptionsFixture fixture;
    frmOptions &dialog = fixture.open();
    auto *home = fixture.find<Label>(u"lblHomePreview"_s);
    auto *visitor = fixture.find<Label>(u"lblVisitorPreview"_s);
    QCOMPARE(home->fontName(), u"Arial"_s);
    QVERIFY(home->fontBold());
    const auto offScreen
        = [&] { return !dialog.rect().intersects(home->geometry()) && !dialog.rect().intersects(visitor->geometry()); };
    QVERIFY(offScreen());
    for (const QString &name : {QString(), u"I"_s, QString(20, u'W')}) {
        fixture.type(u"txtHomeText"_s, name);
        QCOMPARE(home->caption(), name);
        QVERIFY2(offScreen(), qPrintable(name));
    }
    home->setFontSize(60);
    QVERIFY(offScreen());
}

void TestOptionsDialog::tabOrder()
{
    OptionsFixture fixture;
    fixture.open();
    // clang-format off
    const QStringList expected {
        u"cmdStartStopClock"_s, u"cmdResetClock"_s, u"cmdClockSwitch"_s, u"cmdClearKey"_s, u"cmdBuzzer"_s,
        u"optNormal"_s, u"optKeepOn"_s, u"optKeepOff"_s, u"cmdBuzzerSound"_s, u"cmdResetKeys"_s, u"cmdTimeC"_s,
        u"cmdHomeC"_s, u"cmdVisitorC"_s, u"cmdScoreC"_s, u"cmdSetC"_s, u"cmdLEDB"_s, u"cmdBackC"_s,
        u"cmdLedSelected"_s, u"cmdBorderC"_s, u"scrLEDSelectedWidth"_s, u"cmdResetColors"_s, u"txtTitleText"_s,
        u"txtHomeText"_s, u"txtVisitorText"_s, u"cmdChangeHomePic"_s, u"cmdClearHomePic"_s, u"cmdChangeVisitorPic"_s,
        u"cmdClearVisitorPic"_s, u"cmdChangeBoardPic"_s, u"cmdClearBoardPic"_s, u"cmbLedType"_s, u"cmdOk"_s,
        u"cmdCancel"_s, u"SSTab1"_s, u"picTimeC"_s, u"picHomeC"_s, u"picVisitorC"_s, u"picScoreC"_s, u"picSetC"_s,
        u"picLEDB"_s, u"picBackC"_s, u"picLedSelected"_s, u"picBorderC"_s, u"picHomePicPreviewCon"_s,
        u"picVisitorPicPreviewCon"_s, u"picBoardPicPreviewCon"_s, u"cmdHomeOne"_s, u"cmdVisitorOne"_s,
        u"cmbBoardScreen"_s, u"cmbConsoleKey"_s, u"cmbRulesMode"_s, u"spnSetsToWin"_s, u"spnSetPoints"_s, u"spnDecidingSetPoints"_s, u"chkWinByTwo"_s,
        u"chkServeFollowsPoint"_s, u"chkBoardMarker"_s, u"chkTimeoutBuzzer"_s, u"chkTimeoutOnBoard"_s,
        u"cmdTimeoutHome"_s, u"cmdTimeoutVisitor"_s,
        u"optFeedOff"_s, u"optFeedOn"_s, u"optFeedLocal"_s, u"optFeedLAN"_s, u"txtFeedPort"_s, u"txtFeedPin"_s,
        u"cmdNewPin"_s, u"cmdFeedFolder"_s, u"cmdClearFeedFolder"_s};
    // clang-format on
    QWidget *first = fixture.find(expected.first());
    QStringList chain;
    QWidget *w = first;
    do {
        // Qt's own parts of an element (the text field of a spin box) go with their element.
        if ((w->focusPolicy() & Qt::TabFocus) && !w->objectName().isEmpty() && !w->objectName().startsWith(u"qt_"))
            chain.append(w->objectName());
        w = w->nextInFocusChain();
    } while (w != first);
    QCOMPARE(chain.size(), expected.size());
    QCOMPARE(chain, expected);

    // On the first page, Tab goes from OK through Cancel and the tabs to the last two key buttons.
    QCOMPARE(QApplication::focusWidget(), fixture.find(u"cmdOk"_s));
    QStringList visited;
    for (int i = 0; i < 5; ++i) {
        OptionsFixture::press(Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited,
             (QStringList {u"cmdCancel"_s, u"SSTab1"_s, u"cmdHomeOne"_s, u"cmdVisitorOne"_s, u"cmdStartStopClock"_s}));
}

void TestOptionsDialog::layout()
{
    OptionsFixture fixture;
    frmOptions &dialog = fixture.open();
    QCOMPARE(dialog.windowTitle(), u"Options"_s);
    auto *tabs = fixture.find<TabControl>(u"SSTab1"_s);
    // Seven captions need two rows of tabs; the dialog grows by the second row, the pages move below it.
    QCOMPARE(tabs->rowCount(), 2);
    QCOMPARE(dialog.size(), QSize(411, 319 + tabs->extraRowsHeight()));
    const QRect ok = fixture.find(u"cmdOk"_s)->geometry();
    QVERIFY(ok.top() > tabs->geometry().bottom() && dialog.rect().contains(ok));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QVERIFY(!(dialog.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    // Selecting a tab shows its page only.
    const QStringList pages {u"tabKeyControls"_s, u"tabColorControls"_s, u"tabTextControls"_s, u"tabPictures"_s,
                             u"tabScreens"_s,     u"tabRules"_s,         u"tabFeed"_s};
    QCOMPARE(tabs->count(), pages.size());
    for (int tab = 0; tab < pages.size(); ++tab) {
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
        QCOMPARE(tabs->currentTab(), tab);
        // No tab covers another, and the selected one is in the row next to its page.
        for (int other = 0; other < tab; ++other)
            QVERIFY(!tabs->tabRect(tab).intersects(tabs->tabRect(other)));
        QCOMPARE(tabs->tabRect(tab).bottom() + 1, tabs->extraRowsHeight() + tabs->tabRect(0).height());
        for (int page = 0; page < pages.size(); ++page)
            QCOMPARE(fixture.find(pages[page])->isVisible(), page == tab);
    }
    fixture.focus(u"SSTab1"_s);
    OptionsFixture::press(Qt::Key_Left);
    QCOMPARE(tabs->currentTab(), pages.size() - 2);
    // The default button is OK.
    QVERIFY(fixture.find<QPushButton>(u"cmdOk"_s)->isDefault());
    QVERIFY(fixture.find<CommonDialog>(u"cdColors"_s));
}

void TestOptionsDialog::ctrlTabSwitchesTabsFromAnywhere()
{
    OptionsFixture fixture;
    fixture.open();
    auto *tabs = fixture.find<TabControl>(u"SSTab1"_s);
    const auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    };
    // From OK, outside the tabs; round the last tab to the first and back.
    const int last = tabs->count() - 1;
    QCOMPARE(QApplication::focusWidget(), fixture.find(u"cmdOk"_s));
    press(Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(tabs->currentTab(), 1);
    press(Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(tabs->currentTab(), 2);
    press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    press(Qt::Key_PageUp, Qt::ControlModifier);
    QCOMPARE(tabs->currentTab(), 0);
    press(Qt::Key_PageUp, Qt::ControlModifier);
    QCOMPARE(tabs->currentTab(), last);
    press(Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(tabs->currentTab(), 0);
    // From a name field, and from a colour swatch, which takes every key it is given.
    fixture.focus(u"txtHomeText"_s);
    press(Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(tabs->currentTab(), 1);
    fixture.focus(u"picTimeC"_s);
    press(Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(tabs->currentTab(), 2);
    QCOMPARE(fixture.find<TextBox>(u"txtHomeText"_s)->text(), u"Home"_s);
}

void TestOptionsDialog::framesDrawTheirLineAboveWhatTheyHold()
{
    // At the dialog's own fonts and at a larger one, the frame's top line runs through its caption, above
    // every element the frame holds; at the design's fonts the caption stands clear of them too.
    for (const double points : {0.0, 11.25}) {
        OptionsFixture fixture;
        frmOptions &dialog = fixture.open();
        for (QGroupBox *frame : dialog.findChildren<QGroupBox *>()) {
            if (points > 0) {
                QFont font = frame->font();
                font.setPointSizeF(points);
                frame->setFont(font);
            }
            QImage drawn(frame->size(), QImage::Format_RGB32);
            drawn.fill(Qt::magenta);
            frame->render(&drawn, QPoint(), QRegion(), QWidget::RenderFlags());
            // The first row painted near the right edge, where no caption stands, is the top line.
            int line = 0;
            while (line < drawn.height() && drawn.pixel(drawn.width() - 6, line) == QColor(Qt::magenta).rgb())
                ++line;
            const int caption = frame->fontMetrics().height();
            const QString name = frame->objectName() + u" at %1 pt"_s.arg(frame->font().pointSizeF());
            QVERIFY2(line < caption, qPrintable(name + u": line at %1"_s.arg(line)));
            for (const QWidget *held : frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
                QVERIFY2(held->y() > line, qPrintable(name + u" covers its line with "_s + held->objectName()));
                QVERIFY2(points > 0 || held->y() >= caption
                             || held->x() > frame->fontMetrics().horizontalAdvance(frame->title()) + 10,
                         qPrintable(name + u" covers its caption with "_s + held->objectName()));
            }
        }
    }
}

void TestOptionsDialog::framedLabelsCentreTheirText()
{
    OptionsFixture fixture;
    frmOptions &dialog = fixture.open();
    int checked = 0;
    for (Label *label : dialog.findChildren<Label *>()) {
        if (label->borderStyle() != 1 || label->autoSize() || label->caption().isEmpty())
            continue;
        QImage drawn(label->size(), QImage::Format_RGB32);
        drawn.fill(Qt::white);
        label->render(&drawn, QPoint(), QRegion(), QWidget::RenderFlags());
        // The rows that hold ink, inside the two-pixel frame.
        const int inside = drawn.height() - 4;
        int first = -1, last = -1;
        for (int y = 2; y < drawn.height() - 2; ++y) {
            for (int x = 3; x < drawn.width() - 3; ++x) {
                if (qGray(drawn.pixel(x, y)) < 128) {
                    first = first < 0 ? y : first;
                    last = y;
                    break;
                }
            }
        }
        QVERIFY2(first >= 0, qPrintable(label->objectName()));
        const int above = first - 2, below = 2 + inside - 1 - last;
        QVERIFY2(std::abs(above - below) <= 2,
                 qPrintable(label->objectName() + u": %1 pixels above the text, %2 below"_s.arg(above).arg(below)));
        ++checked;
    }
    QVERIFY(checked >= 7);
}

void TestOptionsDialog::everyElementFitsItsContainer()
{
    OptionsFixture fixture;
    frmOptions &dialog = fixture.open();
    int checked = 0;
    for (QWidget *element : dialog.findChildren<QWidget *>()) {
        // The measuring labels lie below the client area by design.
        if (!dynamic_cast<TwipsGeometry *>(element) || element->objectName() == u"lblHomePreview"_s
            || element->objectName() == u"lblVisitorPreview"_s)
            continue;
        const QRect container = element->parentWidget()->rect();
        QVERIFY2(container.contains(element->geometry()), qPrintable(element->objectName()));
        ++checked;
    }
    QVERIFY(checked > 80);
}

void TestOptionsDialog::textsFitTheirElements()
{
    // Captions in the dialog's own font must not be cut off by their element's edges.
    OptionsFixture fixture;
    frmOptions &dialog = fixture.open();
    for (QAbstractButton *button : dialog.findChildren<QAbstractButton *>()) {
        const QString text = button->text().remove(u'&');
        // A push button's frame and a radio button's indicator take room beside the text.
        int needed = button->fontMetrics().horizontalAdvance(text);
        if (qobject_cast<QPushButton *>(button))
            needed += 6;
        else
            needed += button->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth)
                + button->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
        QVERIFY2(needed <= button->width(),
                 qPrintable(button->objectName() + u" %1 > %2"_s.arg(needed).arg(button->width())));
        QVERIFY2(button->fontMetrics().height() <= button->height(), qPrintable(button->objectName()));
    }
    for (QGroupBox *frame : dialog.findChildren<QGroupBox *>())
        QVERIFY2(frame->fontMetrics().horizontalAdvance(frame->title()) + 8 <= frame->width(),
                 qPrintable(frame->objectName()));
    for (Label *label : dialog.findChildren<Label *>()) {
        if (!label->autoSize())
            QVERIFY2(label->captionFits(), qPrintable(label->objectName()));
    }
    auto *tabs = fixture.find<TabControl>(u"SSTab1"_s);
    for (TabPage *page : tabs->findChildren<TabPage *>(Qt::FindDirectChildrenOnly)) {
        const int tab = int(tabs->findChildren<TabPage *>(Qt::FindDirectChildrenOnly).indexOf(page));
        QVERIFY2(tabs->fontMetrics().horizontalAdvance(page->caption()) + 8 <= tabs->tabRect(tab).width(),
                 qPrintable(page->caption()));
    }
}

void TestOptionsDialog::qtFileFilter_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("qt");
    // The patterns once, not the description's list and then Qt's.
    QTest::newRow("sounds") << u"Sounds *.wav|*.wav"_s << u"Sounds (*.wav)"_s;
    QTest::newRow("pictures") << PictureFilter << u"Pictures (*.bmp *.gif *.jpg *.jpeg *.png)"_s;
    QTest::newRow("the Part's picture wording")
        << u"Pictures (*.bmp;*.gif;*.jpg)|*.bmp;*.gif;*.jpg"_s << u"Pictures (*.bmp *.gif *.jpg)"_s;
    QTest::newRow("two pairs") << u"Sounds|*.wav|All|*.*"_s << u"Sounds (*.wav);;All (*.*)"_s;
    QTest::newRow("description only") << u"Sounds"_s << QString();
}

void TestOptionsDialog::qtFileFilter()
{
    QFETCH(QString, filter);
    QFETCH(QString, qt);
    QCOMPARE(QtCommonDialog::qtFilter(filter), qt);
    if (qt.isEmpty())
        return;
    // Qt's own dialog shows that text as it is, each pattern once.
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilter(qt);
    auto *types = dialog.findChild<QComboBox *>(u"fileTypeCombo"_s);
    QVERIFY(types);
    QCOMPARE(types->count(), qt.count(u";;"_s) + 1);
    const QString shown = types->itemText(0);
    QCOMPARE(shown, qt.section(u";;"_s, 0, 0));
    for (const QString &pattern : filter.section(u'|', 1, 1).split(u';'))
        QCOMPARE(shown.count(pattern + u' ') + shown.count(pattern + u')'), 1);
}

QTEST_MAIN(TestOptionsDialog)
#include "testOptionsDialog.moc"
