#include "match/NumberEdit.h"
#include "match/Possession.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestFieldRules : public QObject
{
    Q_OBJECT

private slots:
    void applyNumberEdit_data();
    void applyNumberEdit();
    void arrowClicks_data();
    void arrowClicks();
    void possessionKeys_data();
    void possessionKeys();
};

void TestFieldRules::applyNumberEdit_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QString>("expected"); // empty: refused, field unchanged

    const QString clear(ClearCharacter);
    QTest::newRow("+1 on an empty score gives 1") << u"-1"_s << u"+1"_s << 99 << u"1"_s;
    QTest::newRow("+1 at 99 is refused") << u"99"_s << u"+1"_s << 99 << QString();
    QTest::newRow("+1 adds one") << u"7"_s << u"+1"_s << 99 << u"8"_s;
    QTest::newRow("-1 on 0 empties the field") << u"0"_s << u"-1"_s << 99 << u"-1"_s;
    QTest::newRow("-2 on 0 is refused") << u"0"_s << u"-2"_s << 99 << QString();
    QTest::newRow("-2 on 1 empties the field") << u"1"_s << u"-2"_s << 99 << u"-1"_s;
    QTest::newRow("-2 on an empty field is refused") << u"-1"_s << u"-2"_s << 99 << QString();
    QTest::newRow("a digit text replaces the value") << u"42"_s << u"7"_s << 99 << u"7"_s;
    QTest::newRow("two digits replace the value") << u"3"_s << u"15"_s << 99 << u"15"_s;
    QTest::newRow("above the maximum is refused") << u"15"_s << u"123"_s << 99 << QString();
    QTest::newRow("clear empties a full field") << u"42"_s << clear << 99 << u"-1"_s;
    QTest::newRow("clear on an empty field") << u"-1"_s << clear << 99 << u"-1"_s;
    QTest::newRow("games won +5 on 7 is refused") << u"7"_s << u"+5"_s << 9 << QString();
    QTest::newRow("games won digit") << u"3"_s << u"7"_s << 9 << u"7"_s;
    QTest::newRow("games won two digits refused") << u"3"_s << u"12"_s << 9 << QString();
    QTest::newRow("leading zero digit text") << u"5"_s << u"07"_s << 99 << u"7"_s;
    QTest::newRow("a letter is no edit") << u"5"_s << u"a"_s << 99 << QString();
    QTest::newRow("an empty text is no edit") << u"5"_s << QString() << 99 << QString();
    QTest::newRow("a lone plus adds nothing") << u"5"_s << u"+"_s << 99 << u"5"_s;
    QTest::newRow("a fraction is cut to its integer part") << u"5"_s << u"+2.9"_s << 99 << u"7"_s;
    QTest::newRow("long digit string is refused") << u"5"_s << QString(60, u'9') << 99 << QString();
    QTest::newRow("huge addition is refused") << u"5"_s << u"+"_s + QString(400, u'9') << 99 << QString();
    QTest::newRow("huge subtraction is refused") << u"5"_s << u"-"_s + QString(400, u'9') << 99 << QString();
}

void TestFieldRules::applyNumberEdit()
{
    QFETCH(QString, caption);
    QFETCH(QString, text);
    QFETCH(int, maximum);
    QFETCH(QString, expected);
    const auto result = ApplyNumberEdit(caption, text, NumberLimits {-1, qint16(maximum)});
    if (expected.isEmpty())
        QVERIFY2(!result.has_value(), qPrintable(result.value_or(QString())));
    else
        QCOMPARE(result.value_or(u"(refused)"_s), expected);
}

void TestFieldRules::arrowClicks_data()
{
    QTest::addColumn<QString>("clicks"); // H for "<", V for ">"
    QTest::addColumn<int>("whoPoss");
    QTest::newRow("one click on < gives home") << u"H"_s << 1;
    QTest::newRow("two clicks on < give nobody") << u"HH"_s << 0;
    QTest::newRow("> while home has it gives visitor") << u"HV"_s << 2;
    QTest::newRow("> twice gives nobody") << u"VV"_s << 0;
    QTest::newRow("< while visitor has it gives home") << u"VH"_s << 1;
}

void TestFieldRules::arrowClicks()
{
    QFETCH(QString, clicks);
    QFETCH(int, whoPoss);
    Possession possession;
    for (QChar click : clicks) {
        if (click == u'H')
            possession.clickHomeArrow();
        else
            possession.clickVisitorArrow();
    }
    QCOMPARE(possession.WhoPoss(), whoPoss);
}

void TestFieldRules::possessionKeys_data()
{
    QTest::addColumn<int>("start"); // reached by clicks: 0, 1 or 2
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("whoPoss");
    QTest::addColumn<int>("homeColor");
    QTest::addColumn<int>("visitorColor");
    const int lit = 33023;
    const int unlit = 0;
    QTest::newRow("left gives home") << 0 << 37 << 1 << lit << unlit;
    QTest::newRow("right gives visitor") << 1 << 39 << 2 << unlit << lit;
    QTest::newRow("up clears") << 1 << 38 << 0 << unlit << unlit;
    QTest::newRow("down clears") << 2 << 40 << 0 << unlit << unlit;
    QTest::newRow("a letter keeps home") << 1 << 65 << 1 << lit << unlit;
    QTest::newRow("a letter keeps visitor") << 2 << 65 << 2 << unlit << lit;
    QTest::newRow("a letter keeps nobody") << 0 << 65 << 0 << unlit << unlit;
}

void TestFieldRules::possessionKeys()
{
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, whoPoss);
    QFETCH(int, homeColor);
    QFETCH(int, visitorColor);
    Possession possession;
    if (start == 1)
        possession.clickHomeArrow();
    if (start == 2)
        possession.clickVisitorArrow();
    possession.pressKey(qint16(key));
    QCOMPARE(possession.WhoPoss(), whoPoss);
    const auto colors = possession.arrowColors(33023, 0);
    QCOMPARE(colors.home, homeColor);
    QCOMPARE(colors.visitor, visitorColor);
}

QTEST_GUILESS_MAIN(TestFieldRules)
#include "testFieldRules.moc"
