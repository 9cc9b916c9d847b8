#include "match/ClockEntry.h"
#include "support/OperatorKeys.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestClockEntry : public QObject
{
    Q_OBJECT

private slots:
    void parseClockText_data();
    void parseClockText();
    void typedClock_data();
    void typedClock();
};

void TestClockEntry::parseClockText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected"); // seconds as decimal text, empty when the text fails

    QTest::newRow("5") << u"5"_s << u"300"_s;
    QTest::newRow("10.30") << u"10.30"_s << u"630"_s;
    QTest::newRow("1.5 counts seconds") << u"1.5"_s << u"65"_s;
    QTest::newRow("0.455 has a tenth") << u"0.455"_s << u"45.5"_s;
    QTest::newRow("0.90") << u"0.90"_s << u"90"_s;
    QTest::newRow("99.59") << u"99.59"_s << u"5999"_s;
    QTest::newRow("99.599") << u"99.599"_s << u"5999.9"_s;
    QTest::newRow("100 minutes") << u"100"_s << QString();
    QTest::newRow("1.2.3") << u"1.2.3"_s << QString();
    QTest::newRow("nothing") << QString() << u"0"_s;
    QTest::newRow("point alone") << u"."_s << u"0"_s;
    QTest::newRow("5. is five minutes") << u"5."_s << u"300"_s;
    QTest::newRow(".5 is five seconds") << u".5"_s << u"5"_s;
    QTest::newRow("99.99 parses above the board's maximum") << u"99.99"_s << u"6039"_s;
    QTest::newRow("characters after the tenth ignored") << u"0.0591"_s << u"5.9"_s;
    QTest::newRow("1.234") << u"1.234"_s << u"83.4"_s;
    QTest::newRow("eight characters") << u"001.3000"_s << u"90"_s;
    QTest::newRow("nine characters") << u"001.30000"_s << QString();
    QTest::newRow("eight digits of minutes") << u"00000099"_s << u"5940"_s;
    QTest::newRow("colon") << u"1:30"_s << QString();
    QTest::newRow("plus sign") << u"+5"_s << QString();
    QTest::newRow("minus sign") << u"-5"_s << QString();
    QTest::newRow("blank") << u" 5"_s << QString();
    QTest::newRow("letter") << u"5a"_s << QString();
    QTest::newRow("non-ASCII digit") << u"\u0665"_s << QString();
}

void TestClockEntry::parseClockText()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    const auto seconds = ParseClockText(text);
    if (expected.isEmpty())
        QVERIFY2(!seconds, qPrintable(seconds ? seconds->toString() : QString()));
    else
        QCOMPARE(seconds.value_or(Currency::fromInteger(-1)).toString(), expected);
}

void TestClockEntry::typedClock_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QString>("expected"); // the last value reported, empty when none was

    QTest::newRow("2 5 Enter is 25:00") << u"25\r"_s << 5999 << u"1500"_s;
    QTest::newRow("1 0 0 Enter refused") << u"100\r"_s << 5999 << QString();
    QTest::newRow("Enter alone gives 0") << u"\r"_s << 5999 << u"0"_s;
    QTest::newRow("99.59 accepted") << u"99.59\r"_s << 5999 << u"5999"_s;
    QTest::newRow("99.599 above the maximum") << u"99.599\r"_s << 5999 << QString();
    QTest::newRow("99.599 under a larger maximum") << u"99.599\r"_s << 6000 << u"5999.9"_s;
    QTest::newRow("nothing before Enter") << u"25"_s << 5999 << QString();
    QTest::newRow("signs and clear type nothing") << u"+5#\r"_s << 5999 << u"300"_s;
    QTest::newRow("letters type nothing") << u"S1R0\r"_s << 5999 << u"600"_s;
    QTest::newRow("space empties the typed text") << u"9 5\r"_s << 5999 << u"300"_s;
    QTest::newRow("refused text is dropped") << u"100\r5\r"_s << 5999 << u"300"_s;
    QTest::newRow("too long is refused") << u"000000005\r"_s << 5999 << QString();
}

void TestClockEntry::typedClock()
{
    QFETCH(QString, keys);
    QFETCH(int, maximum);
    QFETCH(QString, expected);
    ClockEntry entry;
    QString last;
    for (qint16 code : OperatorKeys::entryCodes(keys)) {
        if (const auto seconds = entry.keyDown(u"tledGame"_s, code, Currency::fromInteger(maximum)))
            last = seconds->toString();
    }
    QCOMPARE(last, expected);
}

QTEST_GUILESS_MAIN(TestClockEntry)
#include "testClockEntry.moc"
