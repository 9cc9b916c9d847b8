#include "core/Currency.h"
#include "core/Numbers.h"

#include <QTest>

using namespace Qt::StringLiterals;

#include <cmath>
#include <limits>

class TestNumbers : public QObject
{
    Q_OBJECT

private slots:
    void numericValue_data();
    void numericValue();
    void roundHalfEven_data();
    void roundHalfEven();
    void narrowing_data();
    void narrowing();
    void parseDecimal_data();
    void parseDecimal();
    void currencyParse_data();
    void currencyParse();
    void currencyRoundToInteger_data();
    void currencyRoundToInteger();
};

void TestNumbers::numericValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("plain digits") << u"12"_s << 12.0;
    QTest::newRow("leading blanks") << u"  7"_s << 7.0;
    QTest::newRow("stops at other character") << u"15abc"_s << 15.0;
    QTest::newRow("fraction") << u"2.75"_s << 2.75;
    QTest::newRow("second point ends the number") << u"1.2.3"_s << 1.2;
    QTest::newRow("minus sign") << u"-3"_s << -3.0;
    QTest::newRow("plus sign") << u"+4"_s << 4.0;
    QTest::newRow("empty text") << QString() << 0.0;
    QTest::newRow("no number at the start") << u"x12"_s << 0.0;
    QTest::newRow("sign alone") << u"-"_s << 0.0;
    QTest::newRow("point alone") << u"."_s << 0.0;
    QTest::newRow("leading point") << u".5"_s << 0.5;
    QTest::newRow("trailing point") << u"5."_s << 5.0;
    QTest::newRow("blank after sign ends it") << u"- 3"_s << 0.0;
}

void TestNumbers::numericValue()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(Numbers::numericValue(text), expected);
}

void TestNumbers::roundHalfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");
    QTest::newRow("2.5 gives 2") << 2.5 << 2.0;
    QTest::newRow("3.5 gives 4") << 3.5 << 4.0;
    QTest::newRow("-2.5 gives -2") << -2.5 << -2.0;
    QTest::newRow("0.5 gives 0") << 0.5 << 0.0;
    QTest::newRow("2.51 gives 3") << 2.51 << 3.0;
    QTest::newRow("-1.6 gives -2") << -1.6 << -2.0;
}

void TestNumbers::roundHalfEven()
{
    QFETCH(double, value);
    QFETCH(double, expected);
    QCOMPARE(Numbers::roundHalfEven(value), expected);
}

void TestNumbers::narrowing_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("fits16");
    QTest::addColumn<int>("as16");
    QTest::addColumn<bool>("fits32");
    QTest::newRow("upper 16-bit bound") << 32767.0 << true << 32767 << true;
    QTest::newRow("lower 16-bit bound") << -32768.0 << true << -32768 << true;
    QTest::newRow("just above after rounding") << 32767.5 << false << 0 << true;
    QTest::newRow("rounds down into range") << 32767.4 << true << 32767 << true;
    QTest::newRow("key code 40000") << 40000.0 << false << 0 << true;
    QTest::newRow("key code 70000") << 70000.0 << false << 0 << true;
    QTest::newRow("beyond 32 bits") << 3e9 << false << 0 << false;
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << false << 0 << false;
    QTest::newRow("not a number") << std::nan("") << false << 0 << false;
}

void TestNumbers::narrowing()
{
    QFETCH(double, value);
    QFETCH(bool, fits16);
    QFETCH(int, as16);
    QFETCH(bool, fits32);
    const auto narrow = Numbers::toInt16(value);
    QCOMPARE(narrow.has_value(), fits16);
    if (fits16)
        QCOMPARE(int(*narrow), as16);
    QCOMPARE(Numbers::toInt32(value).has_value(), fits32);
}

void TestNumbers::parseDecimal_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("expected");
    QTest::newRow("colour") << u"33023"_s << true << 33023.0;
    QTest::newRow("minus one") << u"-1"_s << true << -1.0;
    QTest::newRow("surrounding blanks") << u"  42 "_s << true << 42.0;
    QTest::newRow("fraction") << u"2.5"_s << true << 2.5;
    QTest::newRow("letters") << u"abc"_s << false << 0.0;
    QTest::newRow("empty") << QString() << false << 0.0;
    QTest::newRow("blanks only") << u"   "_s << false << 0.0;
    QTest::newRow("trailing junk") << u"12x"_s << false << 0.0;
    QTest::newRow("inner blank") << u"1 2"_s << false << 0.0;
    QTest::newRow("exponent is not decimal text") << u"1e5"_s << false << 0.0;
    QTest::newRow("sign alone") << u"-"_s << false << 0.0;
    QTest::newRow("two points") << u"1.2.3"_s << false << 0.0;
    QTest::newRow("absurdly long digits") << QString(400, u'9') << false << 0.0;
}

void TestNumbers::parseDecimal()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(double, expected);
    const auto parsed = Numbers::parseDecimal(text);
    QCOMPARE(parsed.has_value(), valid);
    if (valid)
        QCOMPARE(*parsed, expected);
}

void TestNumbers::currencyParse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qint64>("ticks");
    QTest::addColumn<QString>("written");
    QTest::newRow("whole number") << u"24"_s << true << qint64(240000) << u"24"_s;
    QTest::newRow("one decimal") << u"24.5"_s << true << qint64(245000) << u"24.5"_s;
    QTest::newRow("trailing zeros dropped") << u"24.5000"_s << true << qint64(245000) << u"24.5"_s;
    QTest::newRow("four places") << u"0.0001"_s << true << qint64(1) << u"0.0001"_s;
    QTest::newRow("fifth place rounds half even down") << u"0.00005"_s << true << qint64(0) << u"0"_s;
    QTest::newRow("fifth place rounds half even up") << u"0.00015"_s << true << qint64(2) << u"0.0002"_s;
    QTest::newRow("beyond half rounds up") << u"0.000051"_s << true << qint64(1) << u"0.0001"_s;
    QTest::newRow("negative") << u"-2.25"_s << true << qint64(-22500) << u"-2.25"_s;
    QTest::newRow("blanks around") << u" 600 "_s << true << qint64(6000000) << u"600"_s;
    QTest::newRow("letters") << u"abc"_s << false << qint64(0) << QString();
    QTest::newRow("empty") << QString() << false << qint64(0) << QString();
    QTest::newRow("too large") << u"922337203685478"_s << false << qint64(0) << QString();
}

void TestNumbers::currencyParse()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(qint64, ticks);
    QFETCH(QString, written);
    const auto parsed = Currency::parse(text);
    QCOMPARE(parsed.has_value(), valid);
    if (!valid)
        return;
    QCOMPARE(parsed->ticks(), ticks);
    QCOMPARE(parsed->toString(), written);
    QCOMPARE(Currency::parse(parsed->toString()), parsed);
}

void TestNumbers::currencyRoundToInteger_data()
{
    QTest::addColumn<qint64>("ticks");
    QTest::addColumn<qint64>("expected");
    QTest::newRow("24.5 gives 24") << qint64(245000) << qint64(24);
    QTest::newRow("25.5 gives 26") << qint64(255000) << qint64(26);
    QTest::newRow("24.5001 gives 25") << qint64(245001) << qint64(25);
    QTest::newRow("-2.5 gives -2") << qint64(-25000) << qint64(-2);
    QTest::newRow("-3.5 gives -4") << qint64(-35000) << qint64(-4);
    QTest::newRow("-0.4 gives 0") << qint64(-4000) << qint64(0);
}

void TestNumbers::currencyRoundToInteger()
{
    QFETCH(qint64, ticks);
    QFETCH(qint64, expected);
    QCOMPARE(Currency::fromTicks(ticks).roundToInteger(), expected);
}

QTEST_GUILESS_MAIN(TestNumbers)
#include "testNumbers.moc"
