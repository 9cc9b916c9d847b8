// The clock field's two formats and its value handling.
#include "widgets/TimePanel.h"

#include <QtTest>

#include <limits>

using namespace Qt::StringLiterals;

class TestTimePanel : public QObject
{
    Q_OBJECT

private slots:
    void formats_data();
    void formats();
    void captionReadsBack();
    void nonFiniteRefused_data();
    void nonFiniteRefused();
    void displayTextOfNonFinite();
};

void TestTimePanel::formats_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<QString>("units");
    QTest::addColumn<QString>("cells");
    QTest::newRow("10:00") << 600.0 << u"60,1"_s << u"10:00"_s;
    QTest::newRow("12:34") << 754.0 << u"60,1"_s << u"12:34"_s;
    QTest::newRow("60:00") << 3600.0 << u"60,1"_s << u"60:00"_s;
    QTest::newRow("0:59 one leading digit") << 59.0 << u"60,1"_s << u" 0:59"_s;
    QTest::newRow("9:05") << 545.0 << u"60,1"_s << u" 9:05"_s;
    QTest::newRow("zero minutes") << 0.0 << u"60,1"_s << u" 0:00"_s;
    QTest::newRow("negative minutes") << -0.03 << u"60,1"_s << u" 0:00"_s;
    QTest::newRow("time of day") << 1439.0 << u"60,1"_s << u"23:59"_s;
    QTest::newRow("three minute digits") << 6000.0 << u"60,1"_s << u"100:00"_s;
    QTest::newRow("part second counts up") << 599.5 << u"60,1"_s << u"10:00"_s;
    QTest::newRow("59.9") << 59.9 << u"1,.1"_s << u"59.9"_s;
    QTest::newRow("5.0") << 5.0 << u"1,.1"_s << u" 5.0"_s;
    QTest::newRow("zero tenths") << 0.0 << u"1,.1"_s << u" 0.0"_s;
    QTest::newRow("negative tenths") << -0.03 << u"1,.1"_s << u" 0.0"_s;
    QTest::newRow("part tenth counts up") << 0.05 << u"1,.1"_s << u" 0.1"_s;
    QTest::newRow("59.85 to 59.9") << 59.85 << u"1,.1"_s << u"59.9"_s;
    QTest::newRow("30.1") << 30.1 << u"1,.1"_s << u"30.1"_s;
    QTest::newRow("tenths with blanks") << 12.5 << u" 1, .1"_s << u"12.5"_s;
    QTest::newRow("other units as minutes") << 754.0 << u"3600,60,1"_s << u"12:34"_s;
    QTest::newRow("empty units as minutes") << 59.0 << u""_s << u" 0:59"_s;
}

void TestTimePanel::formats()
{
    QFETCH(double, seconds);
    QFETCH(QString, units);
    QFETCH(QString, cells);
    TimePanel panel;
    QVERIFY(panel.setProperty("FieldUnits", units));
    QVERIFY(panel.setProperty("Caption", seconds));
    QCOMPARE(panel.cellText(), cells);
}

void TestTimePanel::captionReadsBack()
{
    TimePanel panel;
    panel.setProperty("Caption", 59.9);
    QCOMPARE(panel.property("Caption").toFloat(), 59.9f);
    panel.setProperty("Caption", -0.03);
    QCOMPARE(panel.property("Caption").toFloat(), -0.03f);
}

void TestTimePanel::nonFiniteRefused_data()
{
    QTest::addColumn<double>("written");
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity();
    QTest::newRow("beyond float") << 1e300;
}

void TestTimePanel::nonFiniteRefused()
{
    QFETCH(double, written);
    TimePanel panel;
    panel.setCaption(600);
    panel.setProperty("Caption", written);
    QCOMPARE(panel.caption(), 600.0f);
    QCOMPARE(panel.cellText(), u"10:00"_s);
}

void TestTimePanel::displayTextOfNonFinite()
{
    QCOMPARE(TimePanel::displayText(std::numeric_limits<double>::quiet_NaN(), u"60,1"), u"0:00"_s);
    QCOMPARE(TimePanel::displayText(-std::numeric_limits<double>::infinity(), u"1,.1"), u"0.0"_s);
}

QTEST_MAIN(TestTimePanel)
#include "testTimePanel.moc"
