#include "support/OptionsFixture.h"
#include "widgets/CheckBox.h"
#include "widgets/ComboBox.h"
#include "widgets/Frame.h"
#include "widgets/Label.h"
#include "widgets/SpinBox.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString Rules = u"Rules"_s;

// The three numbers and the lead of two as the tab shows them, e.g. "3 25 15 yes".
QString shownNumbers(const OptionsFixture &fixture)
{
    const auto number = [&](const QString &name) { return QString::number(fixture.find<SpinBox>(name)->value()); };
    return QStringList {number(u"spnSetsToWin"_s), number(u"spnSetPoints"_s), number(u"spnDecidingSetPoints"_s),
                        fixture.find<CheckBox>(u"chkWinByTwo"_s)->isChecked() ? u"yes"_s : u"no"_s}
        .join(u' ');
}

void chooseMode(OptionsFixture &fixture, const QString &mode)
{
    auto *modes = fixture.find<ComboBox>(u"cmbRulesMode"_s);
    fixture.showPageOf(modes);
    modes->setCurrentIndex(int(modes->items().indexOf(mode)));
}

} // namespace

// The "Rules" tab of the options dialog: the mode with its numbers, the custom numbers kept apart, the
// assistance options, and the two timeout keys, which are command keys like the seven others.
class TestRulesPage : public QObject
{
    Q_OBJECT

private slots:
    void opensWithTheStoredRules_data();
    void opensWithTheStoredRules();
    void presetNumbersGiveWayToTheOperatorsOwn();
    void timeoutKeysAreTakenLikeTheOtherKeys();
    void resetKeysResetsTheTimeoutKeys();
};

void TestRulesPage::opensWithTheStoredRules_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<bool>("customEditable");
    QTest::addColumn<bool>("assistanceEditable");
    QTest::newRow("off") << u"Off"_s << u"2 11 7 no"_s << false << false;
    QTest::newRow("indoor") << u"Indoor"_s << u"3 25 15 yes"_s << false << true;
    QTest::newRow("beach") << u"Beach"_s << u"2 21 15 yes"_s << false << true;
    QTest::newRow("custom") << u"Custom"_s << u"2 11 7 no"_s << true << true;
}

void TestRulesPage::opensWithTheStoredRules()
{
    QFETCH(QString, mode);
    QFETCH(QString, numbers);
    QFETCH(bool, customEditable);
    QFETCH(bool, assistanceEditable);
    OptionsFixture fixture;
    fixture.settings.Mode = mode;
    fixture.settings.SetsToWin = 2;
    fixture.settings.SetPoints = 11;
    fixture.settings.DecidingSetPoints = 7;
    fixture.settings.WinByTwo = false;
    fixture.settings.TimeoutOnBoard = true;
    fixture.open();
    QCOMPARE(fixture.find<ComboBox>(u"cmbRulesMode"_s)->currentText(), mode);
    QCOMPARE(shownNumbers(fixture), numbers);
    QCOMPARE(fixture.find<Frame>(u"fraCustomRules"_s)->isEnabled(), customEditable);
    QCOMPARE(fixture.find<Frame>(u"fraAssistance"_s)->isEnabled(), assistanceEditable);
    QVERIFY(fixture.find<CheckBox>(u"chkBoardMarker"_s)->isChecked());
    QVERIFY(fixture.find<CheckBox>(u"chkTimeoutOnBoard"_s)->isChecked());
    QVERIFY(!fixture.find<CheckBox>(u"chkServeFollowsPoint"_s)->isChecked());
    QCOMPARE(fixture.find<Label>(u"lblTimeoutHome"_s)->caption(), u"F7"_s);
    QCOMPARE(fixture.find<Label>(u"lblTimeoutVisitor"_s)->caption(), u"F8"_s);
}

// Indoor and Beach show their own numbers; the operator's custom numbers come back with Custom and are
// saved whichever mode is chosen at OK.
void TestRulesPage::presetNumbersGiveWayToTheOperatorsOwn()
{
    OptionsFixture fixture;
    fixture.settings.Mode = u"Beach"_s;
    fixture.open();
    chooseMode(fixture, u"Custom"_s);
    QCOMPARE(shownNumbers(fixture), u"3 25 15 yes"_s);
    fixture.find<SpinBox>(u"spnSetPoints"_s)->setValue(21);
    fixture.click(u"chkWinByTwo"_s);
    chooseMode(fixture, u"Indoor"_s);
    QCOMPARE(shownNumbers(fixture), u"3 25 15 yes"_s);
    chooseMode(fixture, u"Custom"_s);
    QCOMPARE(shownNumbers(fixture), u"3 21 15 no"_s);
    chooseMode(fixture, u"Indoor"_s);
    fixture.click(u"chkServeFollowsPoint"_s);
    fixture.click(u"chkBoardMarker"_s);
    fixture.click(u"cmdOk"_s);

    const QList<std::pair<QString, QString>> stored {
        {u"Mode"_s, u"Indoor"_s},          {u"SetsToWin"_s, u"3"_s},      {u"SetPoints"_s, u"21"_s},
        {u"DecidingSetPoints"_s, u"15"_s}, {u"WinByTwo"_s, u"No"_s},      {u"ServeFollowsPoint"_s, u"Yes"_s},
        {u"BoardMarker"_s, u"No"_s},       {u"TimeoutBuzzer"_s, u"No"_s}, {u"TimeoutOnBoard"_s, u"No"_s},
    };
    for (const auto &[key, text] : stored)
        QCOMPARE(fixture.stored(Rules, key).value_or(u"<absent>"_s), text);
    QCOMPARE(fixture.settings.Mode, u"Indoor"_s);
    QCOMPARE(fixture.settings.SetPoints, 21);
}

void TestRulesPage::timeoutKeysAreTakenLikeTheOtherKeys()
{
    OptionsFixture fixture;
    fixture.open();
    const auto press = [](Qt::Key key) { return [key](frmChooseKey &chooser) { QTest::keyClick(&chooser, key); }; };
    // F5 is the home +1 key, F8 the visitor's timeout.
    fixture.captureKey(u"cmdTimeoutHome"_s, press(Qt::Key_F5));
    QVERIFY(fixture.seenOpenAfterKeys);
    fixture.captureKey(u"cmdBuzzer"_s, press(Qt::Key_F8));
    QVERIFY(fixture.seenOpenAfterKeys);
    fixture.captureKey(u"cmdTimeoutHome"_s, press(Qt::Key_Q));
    QVERIFY(!fixture.seenOpenAfterKeys);
    QCOMPARE(fixture.find<Label>(u"lblTimeoutHome"_s)->caption(), u"Q"_s);
    // F7 is free now.
    fixture.captureKey(u"cmdBuzzer"_s, press(Qt::Key_F7));
    QCOMPARE(fixture.find<Label>(u"lblBuzzer"_s)->caption(), u"F7"_s);
    QCOMPARE(fixture.prompts.beeps, 2);
    fixture.click(u"cmdOk"_s);
    QCOMPARE(fixture.stored(Rules, u"TimeoutKeyHome"_s), u"81"_s);
    QCOMPARE(fixture.stored(Rules, u"TimeoutKeyVisitor"_s), u"119"_s);
    QCOMPARE(fixture.stored(u"KeySettings"_s, u"BuzzerKey"_s), u"118"_s);
}

// A timeout key left on another key would otherwise clash with the command that gets it back.
void TestRulesPage::resetKeysResetsTheTimeoutKeys()
{
    OptionsFixture fixture;
    fixture.settings.ResetClockKey = 88;
    fixture.settings.TimeoutKeyHome = 82;
    fixture.open();
    QCOMPARE(fixture.find<Label>(u"lblTimeoutHome"_s)->caption(), u"R"_s);
    fixture.prompts.answers = {true};
    fixture.click(u"cmdResetKeys"_s);
    QCOMPARE(fixture.find<Label>(u"lblResetClock"_s)->caption(), u"R"_s);
    QCOMPARE(fixture.find<Label>(u"lblTimeoutHome"_s)->caption(), u"F7"_s);
}

QTEST_MAIN(TestRulesPage)
#include "testRulesPage.moc"
