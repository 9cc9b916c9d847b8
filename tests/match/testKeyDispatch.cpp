#include "match/KeyDispatch.h"
#include "match/KeyTranslation.h"

#include <QTest>

class TestKeyDispatch : public QObject
{
    Q_OBJECT

private slots:
    void keyCodeToAsci_data();
    void keyCodeToAsci();
    void everyDigitKey_data();
    void everyDigitKey();
    void commandForKey_data();
    void commandForKey();
    void numLockRelease_data();
    void numLockRelease();
};

void TestKeyDispatch::keyCodeToAsci_data()
{
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<int>("clearKey");
    QTest::addColumn<int>("expected");

    const int del = 46;
    QTest::newRow("space") << 32 << del << 32;
    QTest::newRow("enter") << 13 << del << 13;
    QTest::newRow("delete is the default clear key") << 46 << del << 0;
    QTest::newRow("equals/plus key") << 187 << del << 43;
    QTest::newRow("pad plus") << 107 << del << 43;
    QTest::newRow("minus/underscore key") << 189 << del << 45;
    QTest::newRow("pad minus") << 109 << del << 45;
    QTest::newRow("pad 0") << 96 << del << 48;
    QTest::newRow("pad 9") << 105 << del << 57;
    QTest::newRow("top 0") << 48 << del << 48;
    QTest::newRow("top 9") << 57 << del << 57;
    QTest::newRow("pad point") << 110 << del << 46;
    QTest::newRow("full stop key") << 190 << del << 46;
    QTest::newRow("letter S") << 83 << del << -1;
    QTest::newRow("F5") << 116 << del << -1;
    QTest::newRow("Delete when another key clears") << 46 << 8 << -1;
    QTest::newRow("just below the pad digits") << 95 << del << -1;
    QTest::newRow("just above the pad digits") << 106 << del << -1;
    QTest::newRow("just below the top digits") << 47 << del << -1;
    QTest::newRow("just above the top digits") << 58 << del << -1;
    QTest::newRow("negative code") << -5 << del << -1;
    // Where the clear key sits in the order decides what a doubly assigned key does.
    QTest::newRow("clear key on space keeps space") << 32 << 32 << 32;
    QTest::newRow("clear key on enter keeps enter") << 13 << 13 << 13;
    QTest::newRow("clear key on a top digit clears") << 53 << 53 << 0;
    QTest::newRow("clear key on a pad digit clears") << 101 << 101 << 0;
    QTest::newRow("clear key on pad plus clears") << 107 << 107 << 0;
    QTest::newRow("clear key on minus clears") << 189 << 189 << 0;
    QTest::newRow("clear key on full stop clears") << 190 << 190 << 0;
    QTest::newRow("clear key on a letter clears") << 88 << 88 << 0;
}

void TestKeyDispatch::keyCodeToAsci()
{
    QFETCH(int, keyCode);
    QFETCH(int, clearKey);
    QFETCH(int, expected);
    QCOMPARE(KeyCodeToAsci(qint16(keyCode), qint16(clearKey)), expected);
}

void TestKeyDispatch::everyDigitKey_data()
{
    QTest::addColumn<int>("digit");
    for (int digit = 0; digit <= 9; ++digit)
        QTest::newRow(qPrintable(QString::number(digit))) << digit;
}

void TestKeyDispatch::everyDigitKey()
{
    QFETCH(int, digit);
    const qint16 character = qint16('0' + digit);
    QCOMPARE(KeyCodeToAsci(qint16(96 + digit), 46), character);
    QCOMPARE(KeyCodeToAsci(qint16(48 + digit), 46), character);
}

void TestKeyDispatch::commandForKey_data()
{
    QTest::addColumn<CommandKeys>("keys");
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<KeyCommand>("expected");

    const CommandKeys defaults;
    QTest::newRow("S starts or stops") << defaults << 83 << KeyCommand::StartStopClock;
    QTest::newRow("R resets") << defaults << 82 << KeyCommand::ResetClock;
    QTest::newRow("C switches the clock") << defaults << 67 << KeyCommand::ClockSwitch;
    QTest::newRow("F5 home one") << defaults << 116 << KeyCommand::HomeOne;
    QTest::newRow("F6 visitor one") << defaults << 117 << KeyCommand::VisitorOne;
    QTest::newRow("B buzzer") << defaults << 66 << KeyCommand::Buzzer;
    QTest::newRow("F7 home timeout") << defaults << 118 << KeyCommand::TimeoutHome;
    QTest::newRow("F8 visitor timeout") << defaults << 119 << KeyCommand::TimeoutVisitor;
    QTest::newRow("F1 help") << defaults << 112 << KeyCommand::ShowHelp;
    QTest::newRow("F2 options") << defaults << 113 << KeyCommand::ShowOptions;
    QTest::newRow("Delete (clear key) is no command") << defaults << 46 << KeyCommand::None;
    QTest::newRow("a digit is no command") << defaults << 53 << KeyCommand::None;
    QTest::newRow("F3 is no command") << defaults << 114 << KeyCommand::None;

    const CommandKeys moved {.StartStopClockKey = 53, .BuzzerKey = 120};
    QTest::newRow("reassigned start/stop") << moved << 53 << KeyCommand::StartStopClock;
    QTest::newRow("old start/stop key is free") << moved << 83 << KeyCommand::None;
    QTest::newRow("reassigned buzzer") << moved << 120 << KeyCommand::Buzzer;

    // Duplicates cannot come from the key dialog, but a hand-edited store can hold them.
    const CommandKeys resetOnStart {.ResetClockKey = 83};
    QTest::newRow("start/stop row wins over reset") << resetOnStart << 83 << KeyCommand::StartStopClock;
    const CommandKeys buzzerOnHome {.BuzzerKey = 116};
    QTest::newRow("home one row wins over buzzer") << buzzerOnHome << 116 << KeyCommand::HomeOne;
    const CommandKeys visitorOnSwitch {.VisitorOneKey = 67};
    QTest::newRow("clock switch row wins over visitor one") << visitorOnSwitch << 67 << KeyCommand::ClockSwitch;
    const CommandKeys buzzerOnF1 {.BuzzerKey = 112};
    QTest::newRow("buzzer on F1 hides help") << buzzerOnF1 << 112 << KeyCommand::Buzzer;
    const CommandKeys visitorOnF2 {.VisitorOneKey = 113};
    QTest::newRow("visitor one on F2 hides options") << visitorOnF2 << 113 << KeyCommand::VisitorOne;
    // A key stored before the timeout keys existed keeps its command.
    const CommandKeys buzzerOnF7 {.BuzzerKey = 118};
    QTest::newRow("buzzer row wins over a timeout") << buzzerOnF7 << 118 << KeyCommand::Buzzer;
    const CommandKeys clearOnStart {.ClearKey = 83};
    QTest::newRow("clear key on S still starts") << clearOnStart << 83 << KeyCommand::StartStopClock;
}

void TestKeyDispatch::commandForKey()
{
    QFETCH(CommandKeys, keys);
    QFETCH(int, keyCode);
    QFETCH(KeyCommand, expected);
    QCOMPARE(::commandForKey(qint16(keyCode), keys), expected);
}

void TestKeyDispatch::numLockRelease_data()
{
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<bool>("expected");
    QTest::newRow("NumLock") << 144 << true;
    QTest::newRow("Scroll Lock") << 145 << false;
    QTest::newRow("a digit") << 53 << false;
}

void TestKeyDispatch::numLockRelease()
{
    QFETCH(int, keyCode);
    QFETCH(bool, expected);
    QCOMPARE(isNumLockRelease(qint16(keyCode)), expected);
}

QTEST_GUILESS_MAIN(TestKeyDispatch)
#include "testKeyDispatch.moc"
