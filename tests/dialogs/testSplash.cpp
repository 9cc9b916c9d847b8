#include "dialogs/HelpLauncher.h"
#include "dialogs/SplashDesign.h"
#include "dialogs/SplashLogo.h"
#include "dialogs/frmSplash.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"
#include "widgets/AutoSizePictureBox.h"
#include "widgets/CommandButton.h"
#include "widgets/ElementKind.h"
#include "widgets/Frame.h"
#include "widgets/Label.h"

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int TwipsPerPixel = 15;

// A splash as the program makes it: a program folder holding the logo, an empty settings store, and
// recorders for what its buttons and GoScore ask for.
struct SplashFixture
{
    explicit SplashFixture(frmSplash::Start start = frmSplash::Start::Hidden)
        : store(folder.filePath(u"Vantaro.ini"_s))
    {
        QFile::copy(QStringLiteral(VANTARO_ASSETS_DIR "/") + SplashDesign::logoFileName(),
                    folder.filePath(SplashDesign::logoFileName()));
        SplashLogo logo(folder.path());
        splash = new frmSplash(store, settings, logo, start);
        splash->setOpenBoard([this] { ++boardsOpened; });
        splash->setShowHelp([this](QWidget *owner) {
            helpOwner = owner;
            help.show(owner);
        });
        splash->setShowOptions([this](QWidget *owner) {
            optionsOwner = owner;
            ++optionsOpened;
        });
    }

    ~SplashFixture() { delete splash; }

    void show()
    {
        splash->show();
        splash->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(splash));
    }

    template<typename Element = QWidget> Element *find(const QString &name) const
    {
        return splash->findChild<Element *>(name);
    }

    QTemporaryDir folder;
    SettingsStore store;
    Settings settings;
    HelpLauncher help {folder.path()};
    QPointer<frmSplash> splash;
    int boardsOpened = 0;
    int optionsOpened = 0;
    QWidget *helpOwner = nullptr;
    QWidget *optionsOwner = nullptr;
};

} // namespace

class TestSplash : public QObject
{
    Q_OBJECT

private slots:
    void hasEveryElementOfItsDesign_data();
    void hasEveryElementOfItsDesign();
    void labelsUseTheirFonts_data();
    void labelsUseTheirFonts();
    void isABorderlessWindowOfItsLoadedSize();
    void showsTheBuildsVersion();
    void showsTheLogo();
    void loadsTheSettings();
    void reportsAStoredValueThatDoesNotConvert();
    void placementUsesTheConstant_data();
    void placementUsesTheConstant();
    void isPlacedOnTheScreen();
    void shownWhileBuiltIsTheSameSplash();
    void focusStartsOnHelpAndTabsThroughTheButtons();
    void enterActivatesHelp();
    void accessKeysWorkFromAnywhere_data();
    void accessKeysWorkFromAnywhere();
    void helpTwiceShowsOneViewer();
    void clickAnywhereButTheButtonsGoesToScore_data();
    void clickAnywhereButTheButtonsGoesToScore();
    void buttonsDoNotGoToScore();
};

void TestSplash::hasEveryElementOfItsDesign_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("text");

    QTest::newRow("frameSplash") << u"frameSplash"_s << u"Frame"_s << u"frmSplash"_s << QRect(120, 0, 6000, 3120)
                                 << QString();
    QTest::newRow("lblName") << u"lblName"_s << u"Label"_s << u"frameSplash"_s << QRect(120, 240, 5775, 735)
                             << u"Vantaro"_s;
    QTest::newRow("lblVersion") << u"lblVersion"_s << u"Label"_s << u"frameSplash"_s << QRect(3600, 1080, 2175, 375)
                                << u"Version 1.0.1"_s;
    QTest::newRow("lblClick") << u"lblClick"_s << u"Label"_s << u"frameSplash"_s << QRect(2520, 1080, 1335, 255)
                              << u"Click to continue."_s;
    QTest::newRow("cmdHelp") << u"cmdHelp"_s << u"CommandButton"_s << u"frameSplash"_s << QRect(3120, 2520, 1215, 375)
                             << u"&Help"_s;
    QTest::newRow("cmdOptions") << u"cmdOptions"_s << u"CommandButton"_s << u"frameSplash"_s
                                << QRect(4560, 2520, 1215, 375) << u"&Options"_s;
    QTest::newRow("Label2") << u"Label2"_s << u"Label"_s << u"frameSplash"_s << QRect(2640, 1920, 3255, 375)
                            << u"Press ' F2 ' to set Options from the scoreboard."_s;
    QTest::newRow("Label1") << u"Label1"_s << u"Label"_s << u"frameSplash"_s << QRect(2640, 1680, 3255, 255)
                            << u"Press ' F1 ' to view Help from the scoreboard."_s;
    QTest::newRow("lblMadeBy") << u"lblMadeBy"_s << u"Label"_s << u"frameSplash"_s << QRect(4200, 840, 1575, 255)
                               << u"by Quillwork"_s;
    QTest::newRow("picLogo") << u"picLogo"_s << u"PictureBox"_s << u"frameSplash"_s << QRect(240, 960, 2100, 1935)
                             << QString();
}

void TestSplash::hasEveryElementOfItsDesign()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, container);
    QFETCH(QRect, twips);
    QFETCH(QString, text);
    SplashFixture fixture;
    QObject *element = fixture.find<QObject>(name);
    QVERIFY(element);
    QCOMPARE(ElementKind::of(element), kind);
    QCOMPARE(element->parent()->objectName(), container);
    QCOMPARE(element->property("Left").toInt(), twips.left());
    QCOMPARE(element->property("Top").toInt(), twips.top());
    QCOMPARE(element->property("Width").toInt(), twips.width());
    QCOMPARE(element->property("Height").toInt(), twips.height());
    const QRect pixels = static_cast<QWidget *>(element)->geometry();
    QCOMPARE(pixels,
             QRect(twips.left() / TwipsPerPixel, twips.top() / TwipsPerPixel, twips.width() / TwipsPerPixel,
                   twips.height() / TwipsPerPixel));
    if (kind == u"Label"_s)
        QCOMPARE(static_cast<Label *>(element)->caption(), text);
    else if (kind == u"CommandButton"_s)
        QCOMPARE(static_cast<CommandButton *>(element)->text(), text);
    else if (kind == u"Frame"_s)
        QCOMPARE(static_cast<Frame *>(element)->title(), text);
}

void TestSplash::labelsUseTheirFonts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("size");
    QTest::addColumn<int>("alignment");

    QTest::newRow("lblName") << u"lblName"_s << u"Times New Roman"_s << 21.75 << int(Label::Center);
    QTest::newRow("lblVersion") << u"lblVersion"_s << u"Times New Roman"_s << 15.75 << int(Label::RightJustify);
    QTest::newRow("lblClick") << u"lblClick"_s << u"Arial"_s << 7.5 << int(Label::LeftJustify);
    QTest::newRow("Label2") << u"Label2"_s << u"Arial"_s << 7.5 << int(Label::LeftJustify);
    QTest::newRow("Label1") << u"Label1"_s << u"Arial"_s << 7.5 << int(Label::LeftJustify);
    QTest::newRow("lblMadeBy") << u"lblMadeBy"_s << u"Arial"_s << 7.5 << int(Label::RightJustify);
}

void TestSplash::labelsUseTheirFonts()
{
    QFETCH(QString, name);
    QFETCH(QString, family);
    QFETCH(double, size);
    QFETCH(int, alignment);
    SplashFixture fixture;
    auto *label = fixture.find<Label>(name);
    QCOMPARE(label->fontName(), family);
    QCOMPARE(label->fontSize(), size);
    QVERIFY(!label->fontBold());
    QCOMPARE(label->alignment(), alignment);
    // The text fits the label's box in the design's fonts (Liberation stands in for Arial and Times).
    const QRect needed = label->fontMetrics().boundingRect(label->rect(), Qt::TextWordWrap, label->caption());
    QVERIFY2(needed.width() <= label->width() && needed.height() <= label->height(),
             qPrintable(u"%1 needs %2 x %3"_s.arg(name).arg(needed.width()).arg(needed.height())));
}

void TestSplash::isABorderlessWindowOfItsLoadedSize()
{
    SplashFixture fixture;
    QVERIFY(fixture.splash->isWindow());
    QCOMPARE(fixture.splash->objectName(), u"frmSplash"_s);
    QVERIFY(fixture.splash->windowFlags() & Qt::FramelessWindowHint);
    // Design width 6240, height 3240 after loading.
    QCOMPARE(fixture.splash->size(), QSize(416, 216));
    QCOMPARE(fixture.find<Frame>(u"frameSplash"_s)->heightTwips(), 3120);
    // The elements in tab-index order, as the design lists them.
    QStringList names;
    for (const QObject *element : fixture.splash->elements())
        names.append(element->objectName());
    QCOMPARE(names,
             QStringList({u"frameSplash"_s, u"lblName"_s, u"lblVersion"_s, u"lblClick"_s, u"cmdHelp"_s, u"cmdOptions"_s,
                          u"Label2"_s, u"Label1"_s, u"lblMadeBy"_s, u"picLogo"_s}));
}

void TestSplash::showsTheBuildsVersion()
{
    SplashFixture fixture;
    const QString expected
        = u"Version %1.%2.%3"_s.arg(VANTARO_VERSION_MAJOR).arg(VANTARO_VERSION_MINOR).arg(VANTARO_VERSION_PATCH);
    QCOMPARE(frmSplash::versionText(), expected);
    QCOMPARE(fixture.find<Label>(u"lblVersion"_s)->caption(), u"Version 1.0.1"_s);
}

void TestSplash::showsTheLogo()
{
    SplashFixture fixture;
    auto *logo = fixture.find<AutoSizePictureBox>(u"picLogo"_s);
    QCOMPARE(logo->picture().size(), QSize(140, 129));
    QCOMPARE(logo->size(), QSize(140, 129));
    QCOMPARE(logo->borderStyle(), 0);
    // The box draws the picture: its middle is the logo's, not the box's background.
    fixture.show();
    const QImage shown = logo->grab().toImage();
    QCOMPARE(shown.pixelColor(70, 60), logo->picture().pixelColor(70, 60));
}

void TestSplash::loadsTheSettings()
{
    SplashFixture fixture;
    QVERIFY(!fixture.splash->loadReport().hasProblems());
    // An empty store gives the defaults.
    QCOMPARE(fixture.settings.TimeColor, 33023);
    QCOMPARE(fixture.settings.StartStopClockKey, qint16(83));
    QCOMPARE(fixture.settings.HomeText, u"Home"_s);
}

void TestSplash::reportsAStoredValueThatDoesNotConvert()
{
    QTemporaryDir folder;
    QFile file(folder.filePath(u"Vantaro.ini"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[KeySettings]\nBuzzerKey=abc\n");
    file.close();
    SettingsStore store(file.fileName());
    Settings settings;
    SplashLogo noLogo;
    frmSplash splash(store, settings, noLogo);
    // The value is reported, and its default is used: the settings never keep the splash away.
    const SettingsLoadReport &report = splash.loadReport();
    QCOMPARE(report.problems.size(), 1);
    QCOMPARE(report.problems[0].section, u"KeySettings"_s);
    QCOMPARE(report.problems[0].key, u"BuzzerKey"_s);
    QCOMPARE(report.problems[0].storedText, u"abc"_s);
    QCOMPARE(settings.BuzzerKey, qint16(66));
    QCOMPARE(settings.TimeColor, 33023);
    QVERIFY(!splash.isVisible());
}

void TestSplash::placementUsesTheConstant_data()
{
    QTest::addColumn<QSizeF>("screen");
    QTest::addColumn<QPointF>("topLeft");
    QTest::newRow("1920 x 1080") << QSizeF(28800, 16200) << QPointF(11280, 5160);
    QTest::newRow("1024 x 768") << QSizeF(15360, 11520) << QPointF(4560, 2820);
    QTest::newRow("exactly 5880 high") << QSizeF(9600, 5880) << QPointF(1680, 0);
    QTest::newRow("shorter than 5880: above the top") << QSizeF(9600, 5400) << QPointF(1680, -240);
    QTest::newRow("very short") << QSizeF(12000, 4500) << QPointF(2880, -690);
    QTest::newRow("narrower than the splash") << QSizeF(4800, 9000) << QPointF(-720, 1560);
    QTest::newRow("odd height") << QSizeF(19200, 16215) << QPointF(6480, 5167.5);
}

void TestSplash::placementUsesTheConstant()
{
    QFETCH(QSizeF, screen);
    QFETCH(QPointF, topLeft);
    QCOMPARE(frmSplash::startPosition(screen, 6240), topLeft);
}

void TestSplash::isPlacedOnTheScreen()
{
    SplashFixture fixture;
    fixture.show();
    // The offscreen screen is 1920 x 1080: left 11280 and top 5160 twips.
    QCOMPARE(QGuiApplication::primaryScreen()->geometry().size(), QSize(1920, 1080));
    QCOMPARE(fixture.splash->pos(), QPoint(752, 344));
}

void TestSplash::shownWhileBuiltIsTheSameSplash()
{
    SplashFixture hidden;
    hidden.show();
    SplashFixture shown(frmSplash::Start::Shown);
    QVERIFY(shown.splash->isVisible());
    shown.show();
    QCOMPARE(shown.splash->geometry(), hidden.splash->geometry());
    for (const QObject *element : hidden.splash->elements()) {
        const auto *made = static_cast<const QWidget *>(element);
        const QWidget *madeShown = shown.find(element->objectName());
        QVERIFY2(madeShown->isVisible() && made->isVisible(), qPrintable(element->objectName()));
        QCOMPARE(madeShown->geometry(), made->geometry());
    }
    QCOMPARE(QApplication::focusWidget(), shown.find(u"cmdHelp"_s));
}

void TestSplash::focusStartsOnHelpAndTabsThroughTheButtons()
{
    SplashFixture fixture;
    fixture.show();
    QCOMPARE(QApplication::focusWidget(), fixture.find(u"cmdHelp"_s));
    const QStringList order {u"cmdOptions"_s, u"picLogo"_s, u"cmdHelp"_s};
    for (const QString &next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), next);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget()->objectName(), u"picLogo"_s);
}

void TestSplash::enterActivatesHelp()
{
    SplashFixture fixture;
    fixture.show();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(fixture.helpOwner, fixture.splash.data());
    QVERIFY(fixture.help.viewer());
    QCOMPARE(fixture.optionsOpened, 0);
    QCOMPARE(fixture.boardsOpened, 0);
}

void TestSplash::accessKeysWorkFromAnywhere_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("help");
    QTest::newRow("Alt+H on the logo") << u"picLogo"_s << int(Qt::Key_H) << true;
    QTest::newRow("Alt+O on the logo") << u"picLogo"_s << int(Qt::Key_O) << false;
    QTest::newRow("Alt+H on Options") << u"cmdOptions"_s << int(Qt::Key_H) << true;
    QTest::newRow("Alt+O on Help") << u"cmdHelp"_s << int(Qt::Key_O) << false;
}

void TestSplash::accessKeysWorkFromAnywhere()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(bool, help);
    SplashFixture fixture;
    fixture.show();
    fixture.find(focus)->setFocus();
    QTest::keyClick(fixture.splash, Qt::Key(key), Qt::AltModifier);
    // An access key presses its button visibly, so the click comes a moment later.
    QTRY_COMPARE(fixture.helpOwner != nullptr || fixture.optionsOpened > 0, true);
    QCOMPARE(fixture.helpOwner != nullptr, help);
    QCOMPARE(fixture.optionsOpened, help ? 0 : 1);
    if (!help)
        QCOMPARE(fixture.optionsOwner, fixture.splash.data());
    QVERIFY(fixture.splash);
    QCOMPARE(fixture.boardsOpened, 0);
}

void TestSplash::helpTwiceShowsOneViewer()
{
    SplashFixture fixture;
    fixture.show();
    auto *help = fixture.find<CommandButton>(u"cmdHelp"_s);
    QTest::mouseClick(help, Qt::LeftButton);
    frmHelp *first = fixture.help.viewer();
    QVERIFY(first);
    QTest::mouseClick(help, Qt::LeftButton);
    QCOMPARE(fixture.help.viewer(), first);
    int viewers = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        viewers += qobject_cast<frmHelp *>(window) ? 1 : 0;
    QCOMPARE(viewers, 1);
    // The viewer is a window of its own, beside the splash, not inside it.
    QVERIFY(!first->parent());
}

void TestSplash::clickAnywhereButTheButtonsGoesToScore_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QPoint>("where");
    QTest::newRow("the window's margin") << QString() << QPoint(3, 100);
    QTest::newRow("the frame") << u"frameSplash"_s << QPoint(20, 195);
    QTest::newRow("the logo") << u"picLogo"_s << QPoint(70, 60);
    QTest::newRow("lblName") << u"lblName"_s << QPoint(30, 10);
    QTest::newRow("lblVersion") << u"lblVersion"_s << QPoint(100, 10);
    QTest::newRow("lblClick") << u"lblClick"_s << QPoint(10, 5);
    QTest::newRow("lblMadeBy") << u"lblMadeBy"_s << QPoint(90, 5);
    QTest::newRow("Label1") << u"Label1"_s << QPoint(50, 5);
    QTest::newRow("Label2") << u"Label2"_s << QPoint(50, 5);
}

void TestSplash::clickAnywhereButTheButtonsGoesToScore()
{
    QFETCH(QString, target);
    QFETCH(QPoint, where);
    SplashFixture fixture;
    fixture.show();
    QWidget *element = target.isEmpty() ? fixture.splash.data() : fixture.find(target);
    // Clicks land on whatever is under the point, as the window system delivers them.
    const QPoint inWindow = element->mapTo(fixture.splash, where);
    QWidget *receiver = fixture.splash->childAt(inWindow);
    if (!receiver)
        receiver = fixture.splash;
    QTest::mouseClick(receiver, Qt::LeftButton, {}, receiver->mapFrom(fixture.splash, inWindow));
    QCOMPARE(fixture.boardsOpened, 1);
    QTRY_VERIFY(fixture.splash.isNull());
    QCOMPARE(fixture.help.viewer(), nullptr);
}

void TestSplash::buttonsDoNotGoToScore()
{
    SplashFixture fixture;
    fixture.show();
    QTest::mouseClick(fixture.find(u"cmdOptions"_s), Qt::LeftButton);
    QTest::mouseClick(fixture.find(u"cmdHelp"_s), Qt::LeftButton);
    QCOMPARE(fixture.optionsOpened, 1);
    QVERIFY(fixture.help.viewer());
    QCOMPARE(fixture.boardsOpened, 0);
    QVERIFY(fixture.splash && fixture.splash->isVisible());
    // GoScore runs once, however often it is asked.
    fixture.splash->GoScore();
    fixture.splash->GoScore();
    QCOMPARE(fixture.boardsOpened, 1);
}

QTEST_MAIN(TestSplash)
#include "testSplash.moc"
