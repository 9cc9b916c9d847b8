#include "app/ScreenPlan.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestScreenPlan : public QObject
{
    Q_OBJECT

private slots:
    void choose_data();
    void choose();
};

void TestScreenPlan::choose_data()
{
    QTest::addColumn<QStringList>("screens");
    QTest::addColumn<int>("primary");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("board");
    QTest::addColumn<int>("operatorScreen");
    QTest::addColumn<bool>("fullScreen");
    QTest::addColumn<bool>("chosenMissing");
    const QStringList one {u"eDP-1"_s};
    const QStringList two {u"eDP-1"_s, u"HDMI-1"_s};
    const QStringList projectorFirst {u"HDMI-1"_s, u"eDP-1"_s};
    QTest::newRow("one screen: maximized there") << one << 0 << u""_s << 0 << 0 << false << false;
    QTest::newRow("one screen, chosen one missing") << one << 0 << u"HDMI-1"_s << 0 << 0 << false << true;
    QTest::newRow("two: the one that is not primary") << two << 0 << u""_s << 1 << 0 << true << false;
    QTest::newRow("two, primary listed second") << projectorFirst << 1 << u""_s << 0 << 1 << true << false;
    QTest::newRow("two, chosen by name") << two << 0 << u"HDMI-1"_s << 1 << 0 << true << false;
    QTest::newRow("two, the primary chosen") << two << 0 << u"eDP-1"_s << 0 << 1 << true << false;
    QTest::newRow("two, chosen one unplugged") << two << 0 << u"DP-3"_s << 0 << 1 << true << true;
    QTest::newRow("three, chosen the last")
        << QStringList {u"a"_s, u"b"_s, u"c"_s} << 1 << u"c"_s << 2 << 1 << true << false;
}

void TestScreenPlan::choose()
{
    QFETCH(QStringList, screens);
    QFETCH(int, primary);
    QFETCH(QString, chosen);
    QFETCH(int, board);
    QFETCH(int, operatorScreen);
    QFETCH(bool, fullScreen);
    QFETCH(bool, chosenMissing);
    const ScreenPlan plan = ScreenPlan::choose(screens, primary, chosen);
    QCOMPARE(plan.board, board);
    QCOMPARE(plan.operatorScreen, operatorScreen);
    QCOMPARE(plan.fullScreen, fullScreen);
    QCOMPARE(plan.chosenMissing, chosenMissing);
}

QTEST_GUILESS_MAIN(TestScreenPlan)
#include "testScreenPlan.moc"
