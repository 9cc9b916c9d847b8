#include "match/SetPairEntry.h"
#include "support/OperatorKeys.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestSetPairEntry : public QObject
{
    Q_OBJECT

private slots:
    void typedPair_data();
    void typedPair();
};

void TestSetPairEntry::typedPair_data()
{
    // script: "container:keys" segments separated by "|". The last report of the script is checked
    // (-1/-1 is the cleared pair), and how many keys reported a pair.
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("reports");
    QTest::addColumn<int>("home");
    QTest::addColumn<int>("visitor");

    QTest::newRow("25.23 Enter") << u"picSet2:25.23\r"_s << 1 << 25 << 23;
    QTest::newRow("25. Enter gives 25 and 0") << u"picSet2:25.\r"_s << 1 << 25 << 0;
    QTest::newRow(".7 Enter gives 0 and 7") << u"picSet2:.7\r"_s << 1 << 0 << 7;
    QTest::newRow("point alone gives 0 and 0") << u"picSet2:.\r"_s << 1 << 0 << 0;
    QTest::newRow("25 Enter changes nothing") << u"picSet2:25\r"_s << 0 << 0 << 0;
    QTest::newRow("two points change nothing") << u"picSet2:1.2.3\r"_s << 0 << 0 << 0;
    QTest::newRow("no report before Enter") << u"picSet2:25.23"_s << 0 << 0 << 0;
    QTest::newRow("clear empties both fields") << u"picSet2:#"_s << 1 << -1 << -1;
    QTest::newRow("clear drops the typed text") << u"picSet2:25#.3\r"_s << 2 << 0 << 3;
    QTest::newRow("Enter drops the typed text") << u"picSet2:25.3\r\r"_s << 1 << 25 << 3;
    QTest::newRow("refused Enter drops the typed text") << u"picSet2:25\r.3\r"_s << 1 << 0 << 3;
    QTest::newRow("space empties the typed text") << u"picSet2:9 25.3\r"_s << 1 << 25 << 3;
    QTest::newRow("signs and letters type nothing") << u"picSet2:+2-5S.3\r"_s << 1 << 25 << 3;
    QTest::newRow("leading zeros") << u"picSet2:025.007\r"_s << 1 << 25 << 7;
    QTest::newRow("largest value") << u"picSet2:32767.32767\r"_s << 1 << 32767 << 32767;
    QTest::newRow("40000.1 refused") << u"picSet2:40000.1\r"_s << 0 << 0 << 0;
    QTest::newRow("visitor above 32767 refused") << u"picSet2:1.32768\r"_s << 0 << 0 << 0;
    QTest::newRow("endless digits refused") << u"picSet2:99999999999999999999999.1\r"_s << 0 << 0 << 0;
    QTest::newRow("after a refusal the next pair counts") << u"picSet2:40000.1\r5.5\r"_s << 1 << 5 << 5;
    QTest::newRow("text survives a focus change") << u"picSet1:2|picSet1:5.3\r"_s << 1 << 25 << 3;
    QTest::newRow("a key in another set drops the text") << u"picSet1:2|picSet2:5.3\r"_s << 1 << 5 << 3;
}

void TestSetPairEntry::typedPair()
{
    QFETCH(QString, script);
    QFETCH(int, reports);
    QFETCH(int, home);
    QFETCH(int, visitor);
    SetPairEntry entry;
    int reported = 0;
    SetPairEntry::Pair last {0, 0};
    for (const QString &segment : script.split(u'|')) {
        const qsizetype colon = segment.indexOf(u':');
        for (qint16 code : OperatorKeys::entryCodes(QStringView(segment).mid(colon + 1))) {
            if (const auto pair = entry.keyDown(segment.left(colon), code)) {
                last = *pair;
                ++reported;
            }
        }
    }
    QCOMPARE(reported, reports);
    QCOMPARE(last.home, home);
    QCOMPARE(last.visitor, visitor);
}

QTEST_GUILESS_MAIN(TestSetPairEntry)
#include "testSetPairEntry.moc"
