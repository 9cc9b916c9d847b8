#include "dialogs/ChooseKeyDesign.h"
#include "dialogs/frmChooseKey.h"
#include "support/FakeDialogPrompts.h"
#include "support/OptionsFixture.h"
#include "widgets/Label.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The command keys as an empty store gives them: S, R, C, Delete, B, F5, F6.
const QList<qint16> DefaultKeys {83, 82, 67, 46, 66, 116, 117};
constexpr qint16 BuzzerDefault = 66;

} // namespace

class TestChooseKey : public QObject
{
    Q_OBJECT

private slots:
    void opensWithTheRequestAndWithoutNotice();
    void keyWhileBindingTheBuzzer_data();
    void keyWhileBindingTheBuzzer();
    void refusedThenAcceptedKey();
    void closeBoxLeavesResultZero();
    void eachButtonBindsItsOwnCommand_data();
    void eachButtonBindsItsOwnCommand();
    void buzzerToXThenOkOrCancel_data();
    void buzzerToXThenOkOrCancel();
    void ownKeyChangesNothing();
    void refusedKeyThenCloseBoxChangesNothing();
    void swappingTwoBindingsNeedsAFreeKey();
    void storedKeyWithoutNameShowsEmptyReadOut();
    void focusReturnsToOk();
};

void TestChooseKey::opensWithTheRequestAndWithoutNotice()
{
    FakeDialogPrompts prompts;
    frmChooseKey chooser(ChooseKeyDesign::window(), u"sound the buzzer"_s, BuzzerDefault, DefaultKeys, prompts);
    chooser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chooser));
    QCOMPARE(chooser.windowTitle(), u"Choose Key"_s);
    QCOMPARE(chooser.size(), QSize(312, 161));
    QCOMPARE(chooser.findChild<Label *>(u"lblChoose"_s)->caption(),
             u"Press the key you would like to sound the buzzer."_s);
    auto *used = chooser.findChild<Label *>(u"lblUsed"_s);
    QVERIFY(!used->isVisible());
    QCOMPARE(used->foreColor(), 255);
    QCOMPARE(chooser.ChooseKeyResult(), u"0"_s);
    QVERIFY(!(chooser.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
}

void TestChooseKey::keyWhileBindingTheBuzzer_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<QString>("result"); // "0" for a refused key
    QTest::newRow("X is free") << int(Qt::Key_X) << false << u"88"_s;
    QTest::newRow("B is its own key") << int(Qt::Key_B) << false << u"66"_s;
    QTest::newRow("R belongs to reset clock") << int(Qt::Key_R) << false << u"0"_s;
    QTest::newRow("Delete belongs to clear") << int(Qt::Key_Delete) << false << u"0"_s;
    QTest::newRow("F5 belongs to home +1") << int(Qt::Key_F5) << false << u"0"_s;
    QTest::newRow("F1 opens help") << int(Qt::Key_F1) << false << u"0"_s;
    QTest::newRow("F2 opens options") << int(Qt::Key_F2) << false << u"0"_s;
    QTest::newRow("digit 5") << int(Qt::Key_5) << false << u"0"_s;
    QTest::newRow("keypad 5") << int(Qt::Key_5) << true << u"0"_s;
    QTest::newRow("keypad +") << int(Qt::Key_Plus) << true << u"0"_s;
    QTest::newRow("Space") << int(Qt::Key_Space) << false << u"0"_s;
    QTest::newRow("Left") << int(Qt::Key_Left) << false << u"0"_s;
    QTest::newRow("Up") << int(Qt::Key_Up) << false << u"0"_s;
    QTest::newRow("Right") << int(Qt::Key_Right) << false << u"0"_s;
    QTest::newRow("Down") << int(Qt::Key_Down) << false << u"0"_s;
    QTest::newRow("Tab") << int(Qt::Key_Tab) << false << u"0"_s;
    QTest::newRow("Esc") << int(Qt::Key_Escape) << false << u"0"_s;
    QTest::newRow("Shift alone") << int(Qt::Key_Shift) << false << u"0"_s;
    QTest::newRow("Alt alone") << int(Qt::Key_Alt) << false << u"0"_s;
    QTest::newRow("Ctrl alone") << int(Qt::Key_Control) << false << u"17"_s;
    QTest::newRow("Enter") << int(Qt::Key_Return) << false << u"13"_s;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << true << u"13"_s;
    QTest::newRow("F12") << int(Qt::Key_F12) << false << u"123"_s;
    QTest::newRow("quote") << int(Qt::Key_Apostrophe) << false << u"222"_s;
    QTest::newRow("keypad *") << int(Qt::Key_Asterisk) << true << u"106"_s;
}

void TestChooseKey::keyWhileBindingTheBuzzer()
{
    QFETCH(int, key);
    QFETCH(bool, keypad);
    QFETCH(QString, result);
    FakeDialogPrompts prompts;
    frmChooseKey chooser(ChooseKeyDesign::window(), u"sound the buzzer"_s, BuzzerDefault, DefaultKeys, prompts);
    chooser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chooser));
    QTest::keyClick(&chooser, Qt::Key(key), keypad ? Qt::KeypadModifier : Qt::NoModifier);

    const bool refused = result == u"0"_s;
    QCOMPARE(chooser.ChooseKeyResult(), result);
    QCOMPARE(chooser.isVisible(), refused);
    QCOMPARE(chooser.findChild<Label *>(u"lblUsed"_s)->isVisible(), refused);
    QCOMPARE(prompts.beeps, refused ? 1 : 0);
}

void TestChooseKey::refusedThenAcceptedKey()
{
    FakeDialogPrompts prompts;
    frmChooseKey chooser(ChooseKeyDesign::window(), u"sound the buzzer"_s, BuzzerDefault, DefaultKeys, prompts);
    chooser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chooser));
    QTest::keyClick(&chooser, Qt::Key_R);
    QTest::keyClick(&chooser, Qt::Key_5);
    QCOMPARE(prompts.beeps, 2);
    QVERIFY(chooser.isVisible());
    QTest::keyClick(&chooser, Qt::Key_X);
    QCOMPARE(chooser.ChooseKeyResult(), u"88"_s);
    QVERIFY(chooser.findChild<Label *>(u"lblUsed"_s)->isHidden());
    QVERIFY(!chooser.isVisible());
}

void TestChooseKey::closeBoxLeavesResultZero()
{
    FakeDialogPrompts prompts;
    frmChooseKey chooser(ChooseKeyDesign::window(), u"sound the buzzer"_s, BuzzerDefault, DefaultKeys, prompts);
    chooser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chooser));
    QTest::keyClick(&chooser, Qt::Key_R);
    QVERIFY(chooser.close());
    QCOMPARE(chooser.result(), int(QDialog::Rejected));
    QCOMPARE(chooser.ChooseKeyResult(), u"0"_s);
}

void TestChooseKey::eachButtonBindsItsOwnCommand_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("readout");
    QTest::addColumn<QString>("phrase");
    QTest::addColumn<QString>("setting");
    QTest::newRow("start / stop") << u"cmdStartStopClock"_s << u"lblStartStopClock"_s << u"start / stop the clock"_s
                                  << u"StartStopClockKey"_s;
    QTest::newRow("reset clock") << u"cmdResetClock"_s << u"lblResetClock"_s << u"reset the clock"_s
                                 << u"ResetClockKey"_s;
    QTest::newRow("clock switch") << u"cmdClockSwitch"_s << u"lblClockSwitch"_s
                                  << u"switch between clock and game time"_s << u"ClockSwitchKey"_s;
    QTest::newRow("clear") << u"cmdClearKey"_s << u"lblClear"_s << u"clear a number"_s << u"ClearKey"_s;
    QTest::newRow("buzzer") << u"cmdBuzzer"_s << u"lblBuzzer"_s << u"sound the buzzer"_s << u"BuzzerKey"_s;
    QTest::newRow("home +1") << u"cmdHomeOne"_s << u"lblHomeOne"_s << u"increase home score by 1"_s << u"HomeOneKey"_s;
    QTest::newRow("visitor +1") << u"cmdVisitorOne"_s << u"lblVisitorOne"_s << u"increase visitor score by 1"_s
                                << u"VisitorOneKey"_s;
}

void TestChooseKey::eachButtonBindsItsOwnCommand()
{
    QFETCH(QString, button);
    QFETCH(QString, readout);
    QFETCH(QString, phrase);
    QFETCH(QString, setting);
    OptionsFixture fixture;
    fixture.open();
    QString request;
    fixture.captureKey(button, [&](frmChooseKey &chooser) {
        request = chooser.findChild<Label *>(u"lblChoose"_s)->caption();
        QTest::keyClick(&chooser, Qt::Key_Q);
    });
    QVERIFY(!fixture.seenOpenAfterKeys);
    QCOMPARE(request, u"Press the key you would like to "_s + phrase + u'.');
    QCOMPARE(fixture.find<Label>(readout)->caption(), u"Q"_s);
    fixture.click(u"cmdOk"_s);
    QCOMPARE(fixture.stored(u"KeySettings"_s, setting), u"81"_s);
}

void TestChooseKey::buzzerToXThenOkOrCancel_data()
{
    QTest::addColumn<QString>("closeWith");
    QTest::addColumn<int>("savedKey");
    QTest::newRow("OK") << u"cmdOk"_s << 88;
    QTest::newRow("Cancel") << u"cmdCancel"_s << 66;
}

void TestChooseKey::buzzerToXThenOkOrCancel()
{
    QFETCH(QString, closeWith);
    QFETCH(int, savedKey);
    OptionsFixture fixture;
    fixture.open();
    fixture.captureKey(u"cmdBuzzer"_s, [](frmChooseKey &chooser) { QTest::keyClick(&chooser, Qt::Key_X); });
    QCOMPARE(fixture.find<Label>(u"lblBuzzer"_s)->caption(), u"X"_s);
    QCOMPARE(fixture.settings.BuzzerKey, BuzzerDefault);
    fixture.click(closeWith);
    QCOMPARE(fixture.settings.BuzzerKey, qint16(savedKey));
    QCOMPARE(QFileInfo::exists(fixture.storePath), closeWith == u"cmdOk"_s);
}

void TestChooseKey::ownKeyChangesNothing()
{
    OptionsFixture fixture;
    fixture.open();
    fixture.captureKey(u"cmdBuzzer"_s, [](frmChooseKey &chooser) { QTest::keyClick(&chooser, Qt::Key_B); });
    QVERIFY(!fixture.seenOpenAfterKeys);
    QCOMPARE(fixture.prompts.beeps, 0);
    QCOMPARE(fixture.find<Label>(u"lblBuzzer"_s)->caption(), u"B"_s);
}

void TestChooseKey::refusedKeyThenCloseBoxChangesNothing()
{
    OptionsFixture fixture;
    fixture.open();
    bool noticeShown = false;
    fixture.captureKey(u"cmdBuzzer"_s, [&](frmChooseKey &chooser) {
        QTest::keyClick(&chooser, Qt::Key_R);
        noticeShown = chooser.findChild<Label *>(u"lblUsed"_s)->isVisible();
    });
    QVERIFY(fixture.seenOpenAfterKeys); // closed by its close box
    QVERIFY(noticeShown);
    QCOMPARE(fixture.prompts.beeps, 1);
    QCOMPARE(fixture.find<Label>(u"lblBuzzer"_s)->caption(), u"B"_s);
    fixture.click(u"cmdOk"_s);
    QCOMPARE(fixture.stored(u"KeySettings"_s, u"BuzzerKey"_s), u"66"_s);
    QCOMPARE(fixture.stored(u"KeySettings"_s, u"ResetClockKey"_s), u"82"_s);
}

void TestChooseKey::swappingTwoBindingsNeedsAFreeKey()
{
    OptionsFixture fixture;
    fixture.open();
    const auto press = [](Qt::Key key) { return [key](frmChooseKey &chooser) { QTest::keyClick(&chooser, key); }; };
    // Delete still belongs to clear, so the buzzer cannot take it yet.
    fixture.captureKey(u"cmdBuzzer"_s, press(Qt::Key_Delete));
    QVERIFY(fixture.seenOpenAfterKeys);
    fixture.captureKey(u"cmdBuzzer"_s, press(Qt::Key_X));
    fixture.captureKey(u"cmdClearKey"_s, press(Qt::Key_B));
    fixture.captureKey(u"cmdBuzzer"_s, press(Qt::Key_Delete));
    QVERIFY(!fixture.seenOpenAfterKeys);
    QCOMPARE(fixture.find<Label>(u"lblBuzzer"_s)->caption(), u"Delete"_s);
    QCOMPARE(fixture.find<Label>(u"lblClear"_s)->caption(), u"B"_s);
    fixture.click(u"cmdOk"_s);
    QCOMPARE(fixture.stored(u"KeySettings"_s, u"BuzzerKey"_s), u"46"_s);
    QCOMPARE(fixture.stored(u"KeySettings"_s, u"ClearKey"_s), u"66"_s);
}

void TestChooseKey::storedKeyWithoutNameShowsEmptyReadOut()
{
    OptionsFixture fixture;
    fixture.settings.BuzzerKey = 112;
    fixture.open();
    QCOMPARE(fixture.find<Label>(u"lblBuzzer"_s)->caption(), QString());
    QCOMPARE(fixture.find<Label>(u"lblClear"_s)->caption(), u"Delete"_s);
    fixture.click(u"cmdOk"_s);
    QCOMPARE(fixture.stored(u"KeySettings"_s, u"BuzzerKey"_s), u"112"_s);
}

void TestChooseKey::focusReturnsToOk()
{
    OptionsFixture fixture;
    frmOptions &dialog = fixture.open();
    QCOMPARE(QApplication::focusWidget(), fixture.find(u"cmdOk"_s));
    QWidget *focusWhileCapturing = nullptr;
    fixture.captureKey(u"cmdBuzzer"_s, [&](frmChooseKey &chooser) {
        focusWhileCapturing = dialog.focusWidget();
        QTest::keyClick(&chooser, Qt::Key_X);
    });
    QCOMPARE(focusWhileCapturing, fixture.find(u"cmdBuzzer"_s));
    // The window manager hands the activation back; the offscreen platform needs to be asked.
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(QApplication::focusWidget(), fixture.find(u"cmdOk"_s));
}

QTEST_MAIN(TestChooseKey)
#include "testChooseKey.moc"
