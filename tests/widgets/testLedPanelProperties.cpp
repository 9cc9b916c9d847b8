// The LED and lamp panels as the generic passes see them: kind names, the members each kind offers,
// and numeric, colour and style properties written through the property system.
#include "widgets/ElementKind.h"
#include "widgets/LampPanel.h"
#include "widgets/NumberPanel.h"
#include "widgets/SegmentPanel.h"
#include "widgets/TimePanel.h"

#include <QtTest>

#include <cmath>
#include <limits>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

std::unique_ptr<QWidget> createPanel(const QString &kind)
{
    if (kind == u"NumberPanel")
        return std::make_unique<NumberPanel>();
    if (kind == u"TimePanel")
        return std::make_unique<TimePanel>();
    if (kind == u"SegmentPanel")
        return std::make_unique<SegmentPanel>();
    return std::make_unique<LampPanel>();
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

} // namespace

class TestLedPanelProperties : public QObject
{
    Q_OBJECT

private slots:
    void kind_data();
    void kind();
    void members_data();
    void members();
    void roundTrip_data();
    void roundTrip();
    void takesFocus_data();
    void takesFocus();
    void repaintsOnlyOnChange_data();
    void repaintsOnlyOnChange();
};

void TestLedPanelProperties::kind_data()
{
    QTest::addColumn<QString>("kind");
    for (const char *kind : {"NumberPanel", "TimePanel", "SegmentPanel", "LampPanel"})
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

void TestLedPanelProperties::kind()
{
    QFETCH(QString, kind);
    const auto panel = createPanel(kind);
    QCOMPARE(ElementKind::of(panel.get()), kind);
}

void TestLedPanelProperties::members_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("absent");
    QTest::newRow("NumberPanel") << u"NumberPanel"_s << QStringList {u"BackColor"_s, u"LitColor"_s, u"LedType"_s,
                                                                     u"Size"_s,      u"PaddingH"_s, u"PaddingV"_s,
                                                                     u"PaddingI"_s,  u"Caption"_s,  u"MaxValue"_s}
                                 << QStringList {u"PaddingD"_s, u"FrameColor"_s, u"FieldUnits"_s};
    QTest::newRow("TimePanel") << u"TimePanel"_s
                               << QStringList {u"BackColor"_s, u"LitColor"_s, u"FrameColor"_s, u"LedType"_s,
                                               u"Size"_s,      u"PaddingH"_s, u"PaddingV"_s,   u"PaddingI"_s,
                                               u"PaddingD"_s,  u"Caption"_s,  u"FieldUnits"_s}
                               << QStringList {u"MaxValue"_s};
    QTest::newRow("SegmentPanel") << u"SegmentPanel"_s
                                  << QStringList {u"BackColor"_s, u"LitColor"_s, u"LedType"_s, u"Size"_s, u"Caption"_s}
                                  << QStringList {u"PaddingH"_s, u"PaddingV"_s, u"PaddingI"_s, u"FrameColor"_s};
    QTest::newRow("LampPanel") << u"LampPanel"_s << QStringList {u"LightDiameter"_s, u"LightSpacing"_s}
                               << QStringList {u"Size"_s, u"LedType"_s, u"LitColor"_s};
}

void TestLedPanelProperties::members()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, present);
    QFETCH(QStringList, absent);
    const auto panel = createPanel(kind);
    const QMetaObject *meta = panel->metaObject();
    for (const QString &name : present)
        QVERIFY2(meta->indexOfProperty(name.toLatin1().constData()) >= 0, qPrintable(name));
    for (const QString &name : absent)
        QVERIFY2(meta->indexOfProperty(name.toLatin1().constData()) < 0, qPrintable(name));
}

void TestLedPanelProperties::roundTrip_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("written");
    QTest::addColumn<int>("expected");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const auto row
        = [](const char *name, const char *kind, const char *property, const QVariant &written, int expected) {
              QTest::newRow(name) << QString::fromLatin1(kind) << QByteArray(property) << written << expected;
          };
    row("Size 2.5 rounds to even 2", "NumberPanel", "Size", 2.5, 2);
    row("Size 3.5 rounds to even 4", "NumberPanel", "Size", 3.5, 4);
    row("Size 80.5 rounds to 80", "SegmentPanel", "Size", 80.5, 80);
    row("Size 81.4999 rounds to 81", "TimePanel", "Size", 81.4999, 81);
    row("Size negative is 0", "NumberPanel", "Size", -12.0, 0);
    row("Size NaN refused", "NumberPanel", "Size", nan, LedPanel::DefaultSize);
    row("Size beyond int refused", "NumberPanel", "Size", 1e20, LedPanel::DefaultSize);
    row("PaddingH 60.5 rounds to 60", "NumberPanel", "PaddingH", 60.5, 60);
    row("PaddingV 101.5 rounds to 102", "TimePanel", "PaddingV", 101.5, 102);
    row("PaddingI 179.5 rounds to 180", "NumberPanel", "PaddingI", 179.5, 180);
    row("PaddingD 130.5 rounds to 130", "TimePanel", "PaddingD", 130.5, 130);
    row("PaddingD from an int", "TimePanel", "PaddingD", 140, 140);
    row("MaxValue 98.5 rounds to 98", "NumberPanel", "MaxValue", 98.5, 98);
    row("LightDiameter 120.5 rounds to 120", "LampPanel", "LightDiameter", 120.5, 120);
    row("LightSpacing 61.5 rounds to 62", "LampPanel", "LightSpacing", 61.5, 62);
    row("LitColor from an int", "NumberPanel", "LitColor", 65535, 65535);
    row("LitColor from a qint64", "TimePanel", "LitColor", QVariant::fromValue<qint64>(33023), 33023);
    row("LitColor from a double", "SegmentPanel", "LitColor", 255.0, 255);
    row("BackColor white", "NumberPanel", "BackColor", 0xFFFFFF, 0xFFFFFF);
    row("BackColor beyond 24 bits keeps its low 24", "NumberPanel", "BackColor", 0x1123456, 0x123456);
    row("LitColor negative keeps its low 24 bits", "TimePanel", "LitColor", -1, 0xFFFFFF);
    row("FrameColor white", "TimePanel", "FrameColor", 0xFFFFFF, 0xFFFFFF);
    row("FrameColor negative keeps its low 24 bits", "TimePanel", "FrameColor", -5, 0xFFFFFB);
    row("LedType Dots", "NumberPanel", "LedType", 1, 1);
    row("LedType Dots from a double", "TimePanel", "LedType", 1.0, 1);
    row("LedType Lines", "SegmentPanel", "LedType", 0, 0);
    row("LedType unknown refused", "NumberPanel", "LedType", 7, 0);
}

void TestLedPanelProperties::roundTrip()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, property);
    QFETCH(QVariant, written);
    QFETCH(int, expected);
    const auto panel = createPanel(kind);
    QVERIFY(panel->setProperty(property.constData(), written));
    const QVariant read = panel->property(property.constData());
    QVERIFY(read.canConvert<int>());
    QCOMPARE(read.toInt(), expected);
}

void TestLedPanelProperties::takesFocus_data()
{
    kind_data();
}

void TestLedPanelProperties::takesFocus()
{
    QFETCH(QString, kind);
    QCOMPARE(createPanel(kind)->focusPolicy(), Qt::StrongFocus);
}

void TestLedPanelProperties::repaintsOnlyOnChange_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("initial");
    QTest::addColumn<QVariant>("written");
    QTest::addColumn<bool>("repaints");
    QTest::newRow("number caption changes")
        << u"NumberPanel"_s << "Caption"_ba << QVariant(u"7"_s) << QVariant(u"8"_s) << true;
    QTest::newRow("number caption same") << u"NumberPanel"_s << "Caption"_ba << QVariant(u"7"_s) << QVariant(u"7"_s)
                                         << false;
    QTest::newRow("number caption refused")
        << u"NumberPanel"_s << "Caption"_ba << QVariant(u"7"_s) << QVariant(u"x"_s) << false;
    QTest::newRow("clock caption changes")
        << u"TimePanel"_s << "Caption"_ba << QVariant(600.0) << QVariant(599.0) << true;
    QTest::newRow("clock caption shows the same")
        << u"TimePanel"_s << "Caption"_ba << QVariant(599.5) << QVariant(599.7) << false;
    QTest::newRow("lit colour changes") << u"NumberPanel"_s << "LitColor"_ba << QVariant(255) << QVariant(65535)
                                        << true;
    QTest::newRow("lit colour same") << u"TimePanel"_s << "LitColor"_ba << QVariant(255) << QVariant(255) << false;
    QTest::newRow("frame colour changes")
        << u"TimePanel"_s << "FrameColor"_ba << QVariant(255) << QVariant(0xFFFFFF) << true;
    QTest::newRow("style changes") << u"SegmentPanel"_s << "LedType"_ba << QVariant(0) << QVariant(1) << true;
    QTest::newRow("style same") << u"SegmentPanel"_s << "LedType"_ba << QVariant(1) << QVariant(1) << false;
    QTest::newRow("size same after rounding")
        << u"NumberPanel"_s << "Size"_ba << QVariant(80) << QVariant(80.4) << false;
    QTest::newRow("padding changes") << u"TimePanel"_s << "PaddingD"_ba << QVariant(60) << QVariant(200) << true;
}

void TestLedPanelProperties::repaintsOnlyOnChange()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, property);
    QFETCH(QVariant, initial);
    QFETCH(QVariant, written);
    QFETCH(bool, repaints);
    QWidget window;
    window.resize(400, 200);
    QWidget *panel = createPanel(kind).release();
    panel->setParent(&window);
    panel->setGeometry(10, 10, 200, 100);
    QVERIFY(panel->setProperty(property.constData(), initial));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    PaintCounter panelPaints(panel);
    PaintCounter windowPaints(&window);
    QTest::qWait(50);
    panelPaints.count = 0;
    windowPaints.count = 0;

    QVERIFY(panel->setProperty(property.constData(), written));
    if (repaints)
        QTRY_VERIFY(panelPaints.count > 0);
    else
        QTest::qWait(100);
    QCOMPARE(panelPaints.count > 0, repaints);
    // The panel paints all of itself: nothing beneath it is repainted.
    QCOMPARE(windowPaints.count, 0);
}

QTEST_MAIN(TestLedPanelProperties)
#include "testLedPanelProperties.moc"
