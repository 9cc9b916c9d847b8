#include "board/SelectionHighlight.h"

#include <QTest>

#include <limits>

class TestSelectionHighlight : public QObject
{
    Q_OBJECT

private slots:
    void highlight_data();
    void highlight();
};

void TestSelectionHighlight::highlight_data()
{
    QTest::addColumn<qint64>("left");
    QTest::addColumn<qint64>("top");
    QTest::addColumn<qint64>("width");
    QTest::addColumn<qint64>("height");
    QTest::addColumn<int>("selectedWidth");
    QTest::addColumn<qint64>("expectedLeft");
    QTest::addColumn<qint64>("expectedTop");
    QTest::addColumn<qint64>("expectedWidth");
    QTest::addColumn<qint64>("expectedHeight");

    QTest::newRow("width 0: one pixel more right and bottom")
        << qint64(1500) << qint64(300) << qint64(1215) << qint64(495) << 0 << qint64(1500) << qint64(300)
        << qint64(1230) << qint64(510);
    QTest::newRow("width 1") << qint64(1500) << qint64(300) << qint64(1215) << qint64(495) << 1 << qint64(1485)
                             << qint64(285) << qint64(1260) << qint64(540);
    QTest::newRow("width 5") << qint64(1500) << qint64(300) << qint64(1215) << qint64(495) << 5 << qint64(1425)
                             << qint64(225) << qint64(1380) << qint64(660);
    QTest::newRow("element at the origin reaches left of it")
        << qint64(0) << qint64(0) << qint64(600) << qint64(600) << 2 << qint64(-30) << qint64(-30) << qint64(675)
        << qint64(675);
    const qint64 big = std::numeric_limits<qint32>::max();
    QTest::newRow("largest setting on a huge element does not overflow")
        << big << big << big << big << 32767 << big - 491505 << big - 491505 << big + 983025 << big + 983025;
}

void TestSelectionHighlight::highlight()
{
    QFETCH(qint64, left);
    QFETCH(qint64, top);
    QFETCH(qint64, width);
    QFETCH(qint64, height);
    QFETCH(int, selectedWidth);
    QFETCH(qint64, expectedLeft);
    QFETCH(qint64, expectedTop);
    QFETCH(qint64, expectedWidth);
    QFETCH(qint64, expectedHeight);
    const TwipsRect rect = selectionHighlightRect({left, top, width, height}, qint16(selectedWidth));
    QCOMPARE(rect.left, expectedLeft);
    QCOMPARE(rect.top, expectedTop);
    QCOMPARE(rect.width, expectedWidth);
    QCOMPARE(rect.height, expectedHeight);
}

QTEST_GUILESS_MAIN(TestSelectionHighlight)
#include "testSelectionHighlight.moc"
