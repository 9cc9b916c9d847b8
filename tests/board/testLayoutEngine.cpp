#include "board/LayoutEngine.h"
#include "board/LayoutWindow.h"

#include <QHash>
#include <QTest>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

// A window held in memory: elements with a kind and property values by name, and a log of what the
// engine did to it ("begin", "end", "<index>.<property>" for each write, "bad index" for a stray one).
class FakeLayoutWindow : public LayoutWindow
{
public:
    struct FakeElement
    {
        QString kind;
        QHash<QByteArray, double> values;
    };

    QList<FakeElement> elements;
    double width = 9600;
    double height = 7200;
    bool minimized = false;
    QStringList log;

    int add(const QString &kind, const QHash<QByteArray, double> &values)
    {
        elements.append({kind, values});
        return int(elements.size()) - 1;
    }
    double value(int index, const char *name) const { return elements.at(index).values.value(name); }
    QStringList writes() const
    {
        QStringList found = log;
        found.removeAll(u"begin"_s);
        found.removeAll(u"end"_s);
        return found;
    }

    int elementCount() const override { return int(elements.size()); }
    QString kindOf(int index) const override { return valid(index) ? elements.at(index).kind : QString(); }
    double property(int index, const char *name) const override { return valid(index) ? value(index, name) : 0; }
    void setProperty(int index, const char *name, double newValue) override
    {
        if (!valid(index))
            return;
        elements[index].values[name] = newValue;
        log << u"%1.%2"_s.arg(index).arg(QLatin1String(name));
    }
    bool isMinimized() const override { return minimized; }
    double widthTwips() const override { return width; }
    double heightTwips() const override { return height; }
    void beginUpdate() override { log << u"begin"_s; }
    void endUpdate() override { log << u"end"_s; }

private:
    bool valid(int index) const
    {
        if (index >= 0 && index < elements.size())
            return true;
        const_cast<FakeLayoutWindow *>(this)->log << u"bad index"_s;
        return false;
    }
};

namespace {

using Values = QHash<QByteArray, double>;

// Every property the engine knows, each with its own non-zero value.
Values allProperties()
{
    return {{"Left", 100},    {"Top", 200},       {"Width", 300},         {"Height", 400},
            {"FontSize", 10}, {"BorderWidth", 2}, {"LightDiameter", 120}, {"LightSpacing", 60},
            {"Size", 80},     {"PaddingH", 61},   {"PaddingV", 62},       {"PaddingI", 63},
            {"PaddingD", 64}, {"X1", 1000},       {"X2", 2000},           {"Y1", 3000},
            {"Y2", 4000}};
}

} // namespace

class TestLayoutEngine : public QObject
{
    Q_OBJECT

private slots:
    void atLeastOne_data();
    void atLeastOne();
    void workedExample();
    void edgeCases_data();
    void edgeCases();
    void writeOrderByKind_data();
    void writeOrderByKind();
    void tableHoldsOneEntryMoreThanElements();
    void recordingRoundsHalfToEven();
    void recordingTwiceGivesTheSameTable();
    void recordingReplacesTheTableWhole();
    void minimizedWindowIsLeftAlone();
    void squeezedWindowKeepsThePreviousRecord_data();
    void squeezedWindowKeepsThePreviousRecord();
    void noRatioLeavesLayoutUntouched_data();
    void noRatioLeavesLayoutUntouched();
    void unrecordableValuesAreLeftAlone_data();
    void unrecordableValuesAreLeftAlone();
    void largeScreenRecordsAndScalesBack();
    void updatesAreSuspendedOnceAroundAllWrites();
    void elementsGoneSinceRecordingAreSkipped();
};

void TestLayoutEngine::atLeastOne_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("expected");
    QTest::newRow("above 1") << 2.5 << 2.5;
    QTest::newRow("exactly 1") << 1.0 << 1.0;
    QTest::newRow("below 1") << 0.8 << 1.0;
    QTest::newRow("zero") << 0.0 << 1.0;
    QTest::newRow("negative") << -3.0 << 1.0;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 1.0;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << std::numeric_limits<double>::infinity();
}

void TestLayoutEngine::atLeastOne()
{
    QFETCH(double, x);
    QFETCH(double, expected);
    QCOMPARE(LayoutEngine::AtLeastOne(x), expected);
}

void TestLayoutEngine::workedExample()
{
    FakeLayoutWindow window;
    const int label
        = window.add(u"Label"_s, {{"Left", 1200}, {"Top", 600}, {"Width", 2400}, {"Height", 480}, {"FontSize", 12}});
    const int line = window.add(u"Line"_s, {{"X1", 300}, {"Y1", 450}, {"X2", 9300}, {"Y2", 450}});
    LayoutEngine engine;
    engine.RecordLayout(window);
    window.width = 19200;
    window.height = 10800;
    engine.RescaleLayout(window);

    const Values expectedLabel {{"Left", 2400}, {"Top", 900}, {"Width", 4800}, {"Height", 720}, {"FontSize", 18}};
    const Values expectedLine {{"X1", 600}, {"Y1", 675}, {"X2", 18600}, {"Y2", 675}};
    QCOMPARE(window.elements[label].values, expectedLabel);
    QCOMPARE(window.elements[line].values, expectedLine);
}

void TestLayoutEngine::edgeCases_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<double>("recorded");
    QTest::addColumn<QSizeF>("presentSize"); // recorded at 9600 x 7200 twips
    QTest::addColumn<bool>("written");
    QTest::addColumn<double>("expected");

    const QSizeF wider(19200, 10800); // width ratio 2, height ratio 1.5
    const QSizeF tenth(960, 720);
    QTest::newRow("Left 0 is not written") << u"Label"_s << QByteArray("Left") << 0.0 << wider << false << 0.0;
    QTest::newRow("Top 0 is not written") << u"Shape"_s << QByteArray("Top") << 0.0 << wider << false << 0.0;
    QTest::newRow("Left follows the width") << u"Label"_s << QByteArray("Left") << 1200.0 << wider << true << 2400.0;
    QTest::newRow("Top follows the height") << u"Image"_s << QByteArray("Top") << 600.0 << wider << true << 900.0;
    QTest::newRow("negative Left scales too") << u"Label"_s << QByteArray("Left") << -60.0 << wider << true << -120.0;
    QTest::newRow("Left has no floor") << u"PictureBox"_s << QByteArray("Left") << 5.0 << tenth << true << 0.5;
    QTest::newRow("FontSize 8 at a tenth of the height gets 1")
        << u"Label"_s << QByteArray("FontSize") << 8.0 << tenth << true << 1.0;
    QTest::newRow("FontSize follows the height")
        << u"Label"_s << QByteArray("FontSize") << 12.0 << wider << true << 18.0;
    QTest::newRow("Width 0 stays 0") << u"PictureBox"_s << QByteArray("Width") << 0.0 << wider << false << 0.0;
    QTest::newRow("Width scaling below 1 becomes 1")
        << u"PictureBox"_s << QByteArray("Width") << 5.0 << tenth << true << 1.0;
    QTest::newRow("BorderWidth follows the height")
        << u"Shape"_s << QByteArray("BorderWidth") << 2.0 << wider << true << 3.0;
    QTest::newRow("LightSpacing 0 gets 1 times the height ratio")
        << u"LampPanel"_s << QByteArray("LightSpacing") << 0.0 << wider << true << 1.5;
    QTest::newRow("LightSpacing 4 gets 4 times the height ratio")
        << u"LampPanel"_s << QByteArray("LightSpacing") << 4.0 << wider << true << 6.0;
    QTest::newRow("LightSpacing has no floor after scaling")
        << u"LampPanel"_s << QByteArray("LightSpacing") << 0.0 << tenth << true << 0.1;
    QTest::newRow("LightSpacing of -15 counts as not recorded")
        << u"LampPanel"_s << QByteArray("LightSpacing") << -15.0 << wider << false << -15.0;
    QTest::newRow("LightDiameter follows the height")
        << u"LampPanel"_s << QByteArray("LightDiameter") << 120.0 << wider << true << 180.0;
    QTest::newRow("Size follows the height")
        << u"SegmentPanel"_s << QByteArray("Size") << 80.0 << wider << true << 120.0;
    QTest::newRow("PaddingH follows the width")
        << u"NumberPanel"_s << QByteArray("PaddingH") << 60.0 << wider << true << 120.0;
    QTest::newRow("PaddingV follows the height")
        << u"NumberPanel"_s << QByteArray("PaddingV") << 60.0 << wider << true << 90.0;
    QTest::newRow("PaddingI follows the width")
        << u"TimePanel"_s << QByteArray("PaddingI") << 90.0 << wider << true << 180.0;
    QTest::newRow("PaddingD follows the width")
        << u"TimePanel"_s << QByteArray("PaddingD") << 60.0 << wider << true << 120.0;
    QTest::newRow("PaddingD is recorded for clocks only")
        << u"NumberPanel"_s << QByteArray("PaddingD") << 60.0 << wider << false << 60.0;
    QTest::newRow("a line has no Left") << u"Line"_s << QByteArray("Left") << 300.0 << wider << false << 300.0;
    QTest::newRow("a line has no Top") << u"Line"_s << QByteArray("Top") << 300.0 << wider << false << 300.0;
    QTest::newRow("Y2 of a line follows the height")
        << u"Line"_s << QByteArray("Y2") << 450.0 << wider << true << 675.0;
    QTest::newRow("kinds are compared case-sensitively")
        << u"label"_s << QByteArray("Left") << 1200.0 << wider << false << 1200.0;
    QTest::newRow("other kinds keep their design place")
        << u"CommandButton"_s << QByteArray("Left") << 1200.0 << wider << false << 1200.0;
    // A third of 1000 differs between single and double precision.
    const QSizeF third(3200, 2400);
    QTest::newRow("positions are handed over in single precision")
        << u"Label"_s << QByteArray("Left") << 1000.0 << third << true << double(1000.0f / 3.0f);
    QTest::newRow("sizes are handed over in double precision")
        << u"Label"_s << QByteArray("Width") << 1000.0 << third << true << 1000.0 / 3.0;
}

void TestLayoutEngine::edgeCases()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, property);
    QFETCH(double, recorded);
    QFETCH(QSizeF, presentSize);
    QFETCH(bool, written);
    QFETCH(double, expected);

    FakeLayoutWindow window;
    window.add(kind, {{property, recorded}});
    LayoutEngine engine;
    engine.RecordLayout(window);
    window.width = presentSize.width();
    window.height = presentSize.height();
    engine.RescaleLayout(window);

    QCOMPARE(window.writes().contains(u"0."_s + QLatin1String(property)), written);
    QCOMPARE(window.value(0, property.constData()), expected);
}

void TestLayoutEngine::writeOrderByKind_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("writes");
    // The LED panels scale their box as well as their dots and margins.
    QTest::newRow("LampPanel") << u"LampPanel"_s << QStringList {u"Left"_s,   u"Top"_s,           u"Width"_s,
                                                                 u"Height"_s, u"LightDiameter"_s, u"LightSpacing"_s};
    QTest::newRow("SegmentPanel") << u"SegmentPanel"_s
                                  << QStringList {u"Left"_s, u"Top"_s, u"Width"_s, u"Height"_s, u"Size"_s};
    QTest::newRow("NumberPanel") << u"NumberPanel"_s
                                 << QStringList {u"Left"_s, u"Top"_s,      u"Width"_s,    u"Height"_s,
                                                 u"Size"_s, u"PaddingH"_s, u"PaddingV"_s, u"PaddingI"_s};
    QTest::newRow("TimePanel") << u"TimePanel"_s
                               << QStringList {u"Left"_s,     u"Top"_s,      u"Width"_s,    u"Height"_s,  u"Size"_s,
                                               u"PaddingH"_s, u"PaddingV"_s, u"PaddingI"_s, u"PaddingD"_s};
    QTest::newRow("PictureBox") << u"PictureBox"_s << QStringList {u"Left"_s, u"Top"_s, u"Width"_s, u"Height"_s};
    QTest::newRow("Image") << u"Image"_s << QStringList {u"Left"_s, u"Top"_s, u"Width"_s, u"Height"_s};
    QTest::newRow("Label") << u"Label"_s << QStringList {u"Left"_s, u"Top"_s, u"Width"_s, u"Height"_s, u"FontSize"_s};
    QTest::newRow("Shape") << u"Shape"_s
                           << QStringList {u"Left"_s, u"Top"_s, u"Width"_s, u"Height"_s, u"BorderWidth"_s};
    QTest::newRow("Line") << u"Line"_s << QStringList {u"X1"_s, u"X2"_s, u"Y1"_s, u"Y2"_s};
    QTest::newRow("button") << u"CommandButton"_s << QStringList();
    QTest::newRow("element without a kind") << QString() << QStringList();
}

void TestLayoutEngine::writeOrderByKind()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, writes);

    FakeLayoutWindow window;
    window.add(kind, allProperties());
    LayoutEngine engine;
    engine.RecordLayout(window);
    window.width *= 2;
    window.height *= 2;
    engine.RescaleLayout(window);

    QStringList expected;
    for (const QString &name : std::as_const(writes))
        expected << u"0."_s + name;
    QCOMPARE(window.writes(), expected);
    // Whatever was not written keeps its value; what was written doubled.
    const Values before = allProperties();
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        const bool scaled = writes.contains(QString::fromLatin1(it.key()));
        QCOMPARE(window.value(0, it.key().constData()), scaled ? it.value() * 2 : it.value());
    }
}

void TestLayoutEngine::tableHoldsOneEntryMoreThanElements()
{
    FakeLayoutWindow window;
    window.add(u"CommandButton"_s, allProperties());
    window.add(u"Label"_s, allProperties());
    window.add(u"Timer"_s, {});
    window.add(u"Line"_s, allProperties());
    LayoutEngine engine;
    engine.RecordLayout(window);

    const LayoutTable &table = engine.table();
    QCOMPARE(table.entries.size(), 5);
    QCOMPARE(table.recordedWidth, 9600);
    QCOMPARE(table.recordedHeight, 7200);

    LayoutEntry label;
    label.element = 1;
    label.Left = 100;
    label.Top = 200;
    label.Width = 300;
    label.Height = 400;
    label.FontSize = 10;
    QCOMPARE(table.entries[0], label);

    LayoutEntry line;
    line.element = 3;
    line.X1 = 1000;
    line.X2 = 2000;
    line.Y1 = 3000;
    line.Y2 = 4000;
    QCOMPARE(table.entries[1], line);

    // Skipped kinds use up no index: the rest of the entries stay empty.
    for (qsizetype i = 2; i < table.entries.size(); ++i)
        QCOMPARE(table.entries[i], LayoutEntry());
}

void TestLayoutEngine::recordingRoundsHalfToEven()
{
    FakeLayoutWindow window;
    window.width = 9600.5;
    window.height = 7201.5;
    window.add(u"Label"_s, {{"Left", 1200.5}, {"Top", 1201.5}, {"FontSize", 8.25}});
    window.add(u"LampPanel"_s, {{"LightSpacing", 0.5}});
    LayoutEngine engine;
    engine.RecordLayout(window);

    const LayoutTable &table = engine.table();
    QCOMPARE(table.recordedWidth, 9600);
    QCOMPARE(table.recordedHeight, 7202);
    QCOMPARE(table.entries[0].Left, 1200);
    QCOMPARE(table.entries[0].Top, 1202);
    QCOMPARE(table.entries[0].FontSize, 8);
    QCOMPARE(table.entries[1].LightSpacing, 16);
}

void TestLayoutEngine::recordingTwiceGivesTheSameTable()
{
    FakeLayoutWindow window;
    window.add(u"TimePanel"_s, allProperties());
    window.add(u"Shape"_s, allProperties());
    LayoutEngine engine;
    engine.RecordLayout(window);
    const LayoutTable first = engine.table();
    engine.RecordLayout(window);
    QCOMPARE(engine.table(), first);
    QVERIFY(window.log.isEmpty());
}

void TestLayoutEngine::recordingReplacesTheTableWhole()
{
    FakeLayoutWindow large;
    for (int i = 0; i < 4; ++i)
        large.add(u"Label"_s, allProperties());
    FakeLayoutWindow small;
    small.width = 4800;
    small.add(u"Shape"_s, {{"Left", 30}});
    LayoutEngine engine;
    engine.RecordLayout(large);
    engine.RecordLayout(small);

    LayoutTable expected;
    expected.recordedWidth = 4800;
    expected.recordedHeight = 7200;
    expected.entries.resize(2);
    expected.entries[0].element = 0;
    expected.entries[0].Left = 30;
    QCOMPARE(engine.table(), expected);
}

void TestLayoutEngine::minimizedWindowIsLeftAlone()
{
    FakeLayoutWindow window;
    window.add(u"Label"_s, allProperties());
    LayoutEngine engine;
    engine.RecordLayout(window);
    window.minimized = true;
    window.width = 2400;
    window.height = 600;
    engine.RescaleLayout(window);
    QCOMPARE(window.log, QStringList());
    QCOMPARE(window.elements[0].values, allProperties());

    // Restoring rescales to the restored size.
    window.minimized = false;
    window.width = 19200;
    engine.RescaleLayout(window);
    QCOMPARE(window.value(0, "Left"), 200.0);
}

void TestLayoutEngine::squeezedWindowKeepsThePreviousRecord_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<bool>("minimized");
    QTest::addColumn<bool>("recorded");
    QTest::newRow("20 x 10 pixels") << 300.0 << 150.0 << false << false;
    QTest::newRow("narrower than the design") << 9000.0 << 7200.0 << false << false;
    QTest::newRow("lower than the design") << 19200.0 << 7000.0 << false << false;
    QTest::newRow("minimized at a large size") << 19200.0 << 10800.0 << true << false;
    QTest::newRow("the design size") << 9600.0 << 7200.0 << false << true;
    QTest::newRow("larger") << 19200.0 << 10800.0 << false << true;
}

// The baseline is never taken from a minimized window or one smaller than the design size.
void TestLayoutEngine::squeezedWindowKeepsThePreviousRecord()
{
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(bool, minimized);
    QFETCH(bool, recorded);
    FakeLayoutWindow window;
    window.add(u"Label"_s, allProperties());
    LayoutEngine engine;
    engine.setSmallestRecordedSize(9600, 7200);
    engine.RecordLayout(window);
    const LayoutTable before = engine.table();
    QCOMPARE(before.recordedWidth, 9600);

    window.width = width;
    window.height = height;
    window.minimized = minimized;
    engine.RecordLayout(window);
    QCOMPARE(engine.table().recordedWidth, recorded ? qint32(width) : 9600);
    QCOMPARE(engine.table().recordedHeight, recorded ? qint32(height) : 7200);
}

void TestLayoutEngine::noRatioLeavesLayoutUntouched_data()
{
    QTest::addColumn<QSizeF>("recordedSize");
    QTest::addColumn<QSizeF>("presentSize");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("recorded width 0") << QSizeF(0, 7200) << QSizeF(19200, 10800);
    QTest::newRow("recorded height 0") << QSizeF(9600, 0) << QSizeF(19200, 10800);
    QTest::newRow("recorded width negative") << QSizeF(-9600, 7200) << QSizeF(19200, 10800);
    QTest::newRow("recorded width beyond 32 bits") << QSizeF(3e9, 7200) << QSizeF(19200, 10800);
    QTest::newRow("recorded height not a number") << QSizeF(9600, nan) << QSizeF(19200, 10800);
    QTest::newRow("present width negative") << QSizeF(9600, 7200) << QSizeF(-15, 10800);
    QTest::newRow("present height beyond 32 bits") << QSizeF(9600, 7200) << QSizeF(19200, 1e300);
    QTest::newRow("present width not a number") << QSizeF(9600, 7200) << QSizeF(nan, 10800);
}

void TestLayoutEngine::noRatioLeavesLayoutUntouched()
{
    QFETCH(QSizeF, recordedSize);
    QFETCH(QSizeF, presentSize);
    FakeLayoutWindow window;
    window.add(u"Label"_s, allProperties());
    window.width = recordedSize.width();
    window.height = recordedSize.height();
    LayoutEngine engine;
    engine.RecordLayout(window);
    window.width = presentSize.width();
    window.height = presentSize.height();
    engine.RescaleLayout(window);
    QCOMPARE(window.log, QStringList());
    QCOMPARE(window.elements[0].values, allProperties());
}

void TestLayoutEngine::unrecordableValuesAreLeftAlone_data()
{
    QTest::addColumn<double>("value");
    QTest::newRow("beyond 32 bits") << 3e9;
    QTest::newRow("below 32 bits") << -3e9;
    QTest::newRow("just beyond 32 bits once rounded") << 2147483647.5;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity();
}

void TestLayoutEngine::unrecordableValuesAreLeftAlone()
{
    QFETCH(double, value);
    FakeLayoutWindow window;
    window.add(u"Label"_s, {{"Left", value}, {"Top", 600}});
    LayoutEngine engine;
    engine.RecordLayout(window);
    QCOMPARE(engine.table().entries[0].Left, 0);
    window.width *= 2;
    window.height *= 2;
    engine.RescaleLayout(window);
    QCOMPARE(window.writes(), QStringList {u"0.Top"_s});
    QCOMPARE(window.value(0, "Top"), 1200.0);
}

void TestLayoutEngine::largeScreenRecordsAndScalesBack()
{
    // A board maximized on a 3840 x 2160 screen: beyond what 16 bits could hold.
    FakeLayoutWindow window;
    window.width = 3840 * 15;
    window.height = 2160 * 15;
    window.add(u"Label"_s, {{"Left", 40000}, {"Top", 32000}, {"Width", 57600}, {"Height", 30000}});
    window.add(u"Line"_s, {{"X1", 57600}, {"X2", 100}, {"Y1", 32400}, {"Y2", 50}});
    const QList<FakeLayoutWindow::FakeElement> large = window.elements;
    LayoutEngine engine;
    engine.RecordLayout(window);
    QCOMPARE(engine.table().recordedWidth, 57600);
    QCOMPARE(engine.table().recordedHeight, 32400);
    QCOMPARE(engine.table().entries[0].Width, 57600);

    window.width = 28800;
    window.height = 16200;
    engine.RescaleLayout(window);
    QCOMPARE(window.value(0, "Left"), 20000.0);
    QCOMPARE(window.value(0, "Width"), 28800.0);
    QCOMPARE(window.value(1, "Y1"), 16200.0);

    window.width = 57600;
    window.height = 32400;
    engine.RescaleLayout(window);
    for (qsizetype i = 0; i < large.size(); ++i)
        QCOMPARE(window.elements[i].values, large[i].values);
}

void TestLayoutEngine::updatesAreSuspendedOnceAroundAllWrites()
{
    FakeLayoutWindow window;
    window.add(u"Label"_s, allProperties());
    window.add(u"Timer"_s, allProperties());
    window.add(u"Shape"_s, allProperties());
    LayoutEngine engine;
    engine.RecordLayout(window);
    window.width = 12000;
    engine.RescaleLayout(window);

    QCOMPARE(window.log.count(u"begin"_s), 1);
    QCOMPARE(window.log.count(u"end"_s), 1);
    QCOMPARE(window.log.first(), u"begin"_s);
    QCOMPARE(window.log.last(), u"end"_s);
    QCOMPARE(window.writes().size(), 10);
}

void TestLayoutEngine::elementsGoneSinceRecordingAreSkipped()
{
    FakeLayoutWindow window;
    window.add(u"Label"_s, {{"Left", 100}});
    window.add(u"Label"_s, {{"Left", 200}});
    window.add(u"Label"_s, {{"Left", 300}});
    LayoutEngine engine;
    engine.RecordLayout(window);
    window.elements.resize(1);
    window.width *= 2;
    engine.RescaleLayout(window);
    QCOMPARE(window.log, (QStringList {u"begin"_s, u"0.Left"_s, u"end"_s}));
    QCOMPARE(window.value(0, "Left"), 200.0);
}

QTEST_GUILESS_MAIN(TestLayoutEngine)
#include "testLayoutEngine.moc"
