// The number field's value as the board writes and reads it, and the cells it shows.
#include "widgets/NumberPanel.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestNumberPanel : public QObject
{
    Q_OBJECT

private slots:
    void startsAtZero();
    void captionText_data();
    void captionText();
    void captionNumber_data();
    void captionNumber();
    void cells_data();
    void cells();
};

void TestNumberPanel::startsAtZero()
{
    NumberPanel panel;
    QCOMPARE(panel.caption(), u"0"_s);
    QCOMPARE(panel.maxValue(), 9);
    QCOMPARE(panel.cellText(), u"0"_s);
}

void TestNumberPanel::captionText_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("expected");
    QTest::newRow("score") << u"15"_s << u"15"_s;
    QTest::newRow("empty marker") << u"-1"_s << u"-1"_s;
    QTest::newRow("zero") << u"0"_s << u"0"_s;
    QTest::newRow("blanks around") << u" 42 "_s << u"42"_s;
    QTest::newRow("plus sign") << u"+5"_s << u"5"_s;
    QTest::newRow("leading zeros") << u"007"_s << u"7"_s;
    QTest::newRow("negative") << u"-12"_s << u"-12"_s;
    QTest::newRow("largest") << u"32767"_s << u"32767"_s;
    QTest::newRow("smallest") << u"-32768"_s << u"-32768"_s;
    QTest::newRow("too large refused") << u"32768"_s << u"3"_s;
    QTest::newRow("too small refused") << u"-32769"_s << u"3"_s;
    QTest::newRow("letters refused") << u"abc"_s << u"3"_s;
    QTest::newRow("empty text refused") << u""_s << u"3"_s;
    QTest::newRow("decimal refused") << u"7.5"_s << u"3"_s;
    QTest::newRow("exponent refused") << u"1e3"_s << u"3"_s;
    QTest::newRow("hexadecimal refused") << u"0x10"_s << u"3"_s;
    QTest::newRow("two numbers refused") << u"5 5"_s << u"3"_s;
    QTest::newRow("trailing letter refused") << u"5a"_s << u"3"_s;
}

void TestNumberPanel::captionText()
{
    QFETCH(QString, written);
    QFETCH(QString, expected);
    NumberPanel panel;
    panel.setCaption(u"3"_s);
    QVERIFY(panel.setProperty("Caption", written));
    QCOMPARE(panel.property("Caption").toString(), expected);
}

void TestNumberPanel::captionNumber_data()
{
    QTest::addColumn<QVariant>("written");
    QTest::addColumn<QString>("expected");
    QTest::newRow("int") << QVariant(12) << u"12"_s;
    QTest::newRow("empty marker as int") << QVariant(-1) << u"-1"_s;
    QTest::newRow("whole double") << QVariant(12.0) << u"12"_s;
    QTest::newRow("qint64") << QVariant::fromValue<qint64>(99) << u"99"_s;
    QTest::newRow("beyond 16 bits refused") << QVariant(40000) << u"3"_s;
}

void TestNumberPanel::captionNumber()
{
    QFETCH(QVariant, written);
    QFETCH(QString, expected);
    NumberPanel panel;
    panel.setCaption(3);
    QVERIFY(panel.setProperty("Caption", written));
    QCOMPARE(panel.caption(), expected);
}

void TestNumberPanel::cells_data()
{
    QTest::addColumn<double>("maxValue");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("cells");
    QTest::newRow("one cell") << 9.0 << u"7"_s << u"7"_s;
    QTest::newRow("two cells right-aligned") << 99.0 << u"7"_s << u" 7"_s;
    QTest::newRow("two cells full") << 99.0 << u"15"_s << u"15"_s;
    QTest::newRow("empty one cell") << 9.0 << u"-1"_s << u" "_s;
    QTest::newRow("empty two cells") << 99.0 << u"-1"_s << u"  "_s;
    QTest::newRow("minus needs a cell") << 9.0 << u"-5"_s << u"-5"_s;
    QTest::newRow("more digits than the maximum") << 99.0 << u"123"_s << u"123"_s;
    QTest::newRow("five digits and a sign") << 99.0 << u"-12345"_s << u"-12345"_s;
    QTest::newRow("three cells") << 999.0 << u"5"_s << u"  5"_s;
    QTest::newRow("maximum rounded half to even") << 98.5 << u"5"_s << u" 5"_s;
    QTest::newRow("negative maximum") << -10.0 << u"5"_s << u" 5"_s;
}

void TestNumberPanel::cells()
{
    QFETCH(double, maxValue);
    QFETCH(QString, caption);
    QFETCH(QString, cells);
    NumberPanel panel;
    QVERIFY(panel.setProperty("MaxValue", maxValue));
    panel.setCaption(caption);
    QCOMPARE(panel.cellText(), cells);
}

QTEST_MAIN(TestNumberPanel)
#include "testNumberPanel.moc"
