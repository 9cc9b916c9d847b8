#include "board/BoardDesign.h"
#include "board/LayoutEngine.h"
#include "board/QtLayoutWindow.h"
#include "widgets/DesignBuilder.h"
#include "widgets/Element.h"

#include <QPointer>
#include <QTest>
#include <QWidget>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr QSize DesignSize(632, 453); // the board's client area: 9480 x 6795 twips

QList<DesignProperty> box(int left, int top, int width, int height)
{
    return {{"Left", left}, {"Top", top}, {"Width", width}, {"Height", height}};
}

// A small window with one element of each kind the board uses, a label inside a picture box, and a
// timer the layout leaves alone.
QList<ElementDesign> sampleDesign()
{
    using Focus = ElementDesign::Focus;
    return {
        {u"lblText"_s, u"Label"_s, {}, box(1200, 600, 2400, 480) + QList<DesignProperty> {{"FontSize", 12}}},
        {u"shpFrame"_s, u"Shape"_s, {}, box(300, 300, 3000, 1500) + QList<DesignProperty> {{"BorderWidth", 2}}},
        {u"Line1"_s, u"Line"_s, {}, {{"X1", 300}, {"Y1", 450}, {"X2", 9000}, {"Y2", 450}}},
        {u"tmrTick"_s, u"Timer"_s, {}, {}},
        {u"picBox"_s, u"PictureBox"_s, {}, box(3000, 3000, 2400, 1200)},
        {u"lblInside"_s, u"Label"_s, u"picBox"_s, box(150, 60, 1500, 300) + QList<DesignProperty> {{"FontSize", 9}}},
        {u"nledScore"_s,
         u"NumberPanel"_s,
         {},
         box(4800, 600, 1650, 1380)
             + QList<DesignProperty> {{"Size", 80}, {"PaddingH", 60}, {"PaddingV", 60}, {"PaddingI", 90}},
         0,
         Focus::TabStop},
        {u"tledClock"_s,
         u"TimePanel"_s,
         {},
         box(6600, 600, 2400, 1350) + QList<DesignProperty> {{"Size", 80}, {"PaddingD", 60}},
         1,
         Focus::TabStop},
    };
}

// A window built from a design table at the board's design size, with the layout recorded.
struct BuiltWindow
{
    explicit BuiltWindow(const QList<ElementDesign> &design)
    {
        DesignBuilder builder;
        const auto plainObject = [](QObject *parent) { return new QObject(parent); };
        builder.setFactory(u"GameTimer"_s, plainObject);
        builder.setFactory(u"MMControl"_s, plainObject);
        window->resize(DesignSize);
        elements = builder.build(window.get(), design);
        errors = builder.errors();
    }

    QtLayoutWindow layoutWindow() { return QtLayoutWindow(window.get(), elements); }
    void record() { engine.RecordLayout(layoutWindow()); }
    void rescale()
    {
        QtLayoutWindow adapter = layoutWindow();
        engine.RescaleLayout(adapter);
    }
    QObject *element(const QString &name) const { return window->findChild<QObject *>(name); }

    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    QList<QObject *> elements;
    QStringList errors;
    LayoutEngine engine;
};

const QList<QByteArray> &scaledNames()
{
    static const QList<QByteArray> names {
        "Left",          "Top",          "Width", "Height",   "FontSize", "BorderWidth",
        "LightDiameter", "LightSpacing", "Size",  "PaddingH", "PaddingV", "PaddingI",
        "PaddingD",      "X1",           "X2",    "Y1",       "Y2"};
    return names;
}

// One pixel in each property's own unit: 15 twips, 0.75 points, one pixel of outline.
double onePixel(const QByteArray &name)
{
    if (name == "FontSize")
        return 0.75;
    if (name == "BorderWidth")
        return 1;
    return Element::TwipsPerPixel;
}

struct Snapshot
{
    QRect geometry;
    QHash<QByteArray, double> values;
};

QHash<QString, Snapshot> snapshot(const QList<QObject *> &elements)
{
    QHash<QString, Snapshot> taken;
    for (const QObject *element : elements) {
        Snapshot &shot = taken[element->objectName()];
        if (const auto *widget = qobject_cast<const QWidget *>(element))
            shot.geometry = widget->geometry();
        for (const QByteArray &name : scaledNames()) {
            const QVariant value = element->property(name.constData());
            if (value.isValid())
                shot.values.insert(name, value.toDouble());
        }
    }
    return taken;
}

} // namespace

class TestQtLayoutWindow : public QObject
{
    Q_OBJECT

private slots:
    void readsKindsPropertiesAndSize();
    void writesOnlyDeclaredProperties();
    void deletedElementsAreHarmless();
    void rescalesRealElements_data();
    void rescalesRealElements();
    void minimizedWindowKeepsItsLayout();
    void boardRoundTripThroughA4kScreen();
    void repaintsOnceWithUpdatesSuspended();
    void leavesUpdatesSuspendedBySomeoneElse();
};

void TestQtLayoutWindow::readsKindsPropertiesAndSize()
{
    BuiltWindow built(sampleDesign());
    QCOMPARE(built.errors, QStringList());
    const QtLayoutWindow window = built.layoutWindow();
    QCOMPARE(window.elementCount(), 8);
    QCOMPARE(window.kindOf(0), u"Label"_s);
    QCOMPARE(window.kindOf(2), u"Line"_s);
    QCOMPARE(window.kindOf(3), QString()); // a timer
    QCOMPARE(window.kindOf(7), u"TimePanel"_s);
    QCOMPARE(window.kindOf(8), QString());
    QCOMPARE(window.kindOf(-1), QString());
    QCOMPARE(window.property(0, "Left"), 1200.0);
    QCOMPARE(window.property(0, "FontSize"), 12.0);
    QCOMPARE(window.property(1, "BorderWidth"), 2.0);
    QCOMPARE(window.property(2, "X2"), 9000.0);
    QCOMPARE(window.property(2, "Left"), 0.0); // a line has none
    QCOMPARE(window.property(0, "Caption"), 0.0); // not numeric
    QCOMPARE(window.property(8, "Left"), 0.0);
    // The client area, known before the window is ever shown.
    QVERIFY(!built.window->isVisible());
    QCOMPARE(window.widthTwips(), 9480.0);
    QCOMPARE(window.heightTwips(), 6795.0);
    QVERIFY(!window.isMinimized());
    built.window->setWindowState(Qt::WindowMinimized);
    QVERIFY(window.isMinimized());
}

void TestQtLayoutWindow::writesOnlyDeclaredProperties()
{
    BuiltWindow built(sampleDesign());
    QtLayoutWindow window = built.layoutWindow();
    window.setProperty(0, "FontSize", 13.5);
    QCOMPARE(built.element(u"lblText"_s)->property("FontSize").toDouble(), 13.5);
    window.setProperty(1, "FontSize", 20);
    QCOMPARE(built.element(u"shpFrame"_s)->dynamicPropertyNames(), QList<QByteArray>());
    window.setProperty(99, "Left", 20);
}

void TestQtLayoutWindow::deletedElementsAreHarmless()
{
    BuiltWindow built(sampleDesign());
    LayoutEngine engine;
    QtLayoutWindow window = built.layoutWindow();
    engine.RecordLayout(window);
    delete built.element(u"lblText"_s);
    QCOMPARE(window.kindOf(0), QString());
    QCOMPARE(window.property(0, "Left"), 0.0);
    built.window->resize(DesignSize * 2);
    engine.RescaleLayout(window);
    QCOMPARE(built.element(u"shpFrame"_s)->property("Left").toDouble(), 600.0);
}

void TestQtLayoutWindow::rescalesRealElements_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<double>("expected");
    // The window grows from 632 x 453 to 948 x 906 pixels: width ratio 1.5, height ratio 2.
    QTest::newRow("label Left") << u"lblText"_s << QByteArray("Left") << 1800.0;
    QTest::newRow("label Top") << u"lblText"_s << QByteArray("Top") << 1200.0;
    QTest::newRow("label Width") << u"lblText"_s << QByteArray("Width") << 3600.0;
    QTest::newRow("label Height") << u"lblText"_s << QByteArray("Height") << 960.0;
    QTest::newRow("label FontSize") << u"lblText"_s << QByteArray("FontSize") << 24.0;
    QTest::newRow("shape BorderWidth") << u"shpFrame"_s << QByteArray("BorderWidth") << 4.0;
    QTest::newRow("line X1") << u"Line1"_s << QByteArray("X1") << 450.0;
    QTest::newRow("line X2") << u"Line1"_s << QByteArray("X2") << 13500.0;
    QTest::newRow("line Y1") << u"Line1"_s << QByteArray("Y1") << 900.0;
    QTest::newRow("line Y2") << u"Line1"_s << QByteArray("Y2") << 900.0;
    QTest::newRow("picture box Left") << u"picBox"_s << QByteArray("Left") << 4500.0;
    QTest::newRow("picture box Height") << u"picBox"_s << QByteArray("Height") << 2400.0;
    QTest::newRow("label in a box Left") << u"lblInside"_s << QByteArray("Left") << 225.0;
    QTest::newRow("label in a box Top") << u"lblInside"_s << QByteArray("Top") << 120.0;
    QTest::newRow("label in a box Width") << u"lblInside"_s << QByteArray("Width") << 2250.0;
    QTest::newRow("label in a box FontSize") << u"lblInside"_s << QByteArray("FontSize") << 18.0;
    QTest::newRow("number Size") << u"nledScore"_s << QByteArray("Size") << 160.0;
    QTest::newRow("number PaddingH") << u"nledScore"_s << QByteArray("PaddingH") << 90.0;
    QTest::newRow("number PaddingV") << u"nledScore"_s << QByteArray("PaddingV") << 120.0;
    QTest::newRow("number PaddingI") << u"nledScore"_s << QByteArray("PaddingI") << 135.0;
    QTest::newRow("clock PaddingD") << u"tledClock"_s << QByteArray("PaddingD") << 90.0;
    QTest::newRow("clock Left") << u"tledClock"_s << QByteArray("Left") << 9900.0;
    // LED panels draw their digits to their box, so the box scales with the window too.
    QTest::newRow("clock Width") << u"tledClock"_s << QByteArray("Width") << 3600.0;
}

void TestQtLayoutWindow::rescalesRealElements()
{
    QFETCH(QString, element);
    QFETCH(QByteArray, property);
    QFETCH(double, expected);
    BuiltWindow built(sampleDesign());
    built.record();
    built.window->resize(948, 906);
    built.rescale();
    QCOMPARE(built.element(element)->property(property.constData()).toDouble(), expected);
}

void TestQtLayoutWindow::minimizedWindowKeepsItsLayout()
{
    BuiltWindow built(sampleDesign());
    built.record();
    const QHash<QString, Snapshot> before = snapshot(built.elements);
    built.window->setWindowState(Qt::WindowMinimized);
    built.window->resize(160, 40);
    built.rescale();
    const QHash<QString, Snapshot> after = snapshot(built.elements);
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        QCOMPARE(after[it.key()].geometry, it->geometry);
        QCOMPARE(after[it.key()].values, it->values);
    }
}

void TestQtLayoutWindow::boardRoundTripThroughA4kScreen()
{
    BuiltWindow built(BoardDesign::elements());
    QCOMPARE(built.errors, QStringList());
    const QHash<QString, Snapshot> design = snapshot(built.elements);
    built.record();

    built.window->resize(3840, 2160);
    built.rescale();
    // Spot checks that the board really filled the large screen.
    const double widthRatio = 3840.0 / DesignSize.width();
    const double heightRatio = 2160.0 / DesignSize.height();
    QVERIFY(qAbs(built.element(u"lblTitle"_s)->property("Width").toDouble() - 9315 * widthRatio) <= 0.5);
    QVERIFY(qAbs(built.element(u"Line3"_s)->property("X1").toDouble() - 7025 * widthRatio) <= 0.5);
    QVERIFY(qAbs(built.element(u"nledHomeScore"_s)->property("Size").toDouble() - 80 * heightRatio) <= 0.5);
    // Recorded as a whole number of points.
    QCOMPARE(built.element(u"lblTitle"_s)->property("FontSize").toDouble(), 32 * heightRatio);

    // The enlarged board becomes the baseline, as after the options dialog on a maximized board.
    built.record();
    QCOMPARE(built.engine.table().recordedWidth, 57600);
    QCOMPARE(built.engine.table().recordedHeight, 32400);
    built.window->resize(DesignSize);
    built.rescale();

    const QHash<QString, Snapshot> back = snapshot(built.elements);
    for (auto it = design.cbegin(); it != design.cend(); ++it) {
        const Snapshot &now = back[it.key()];
        const QRect was = it->geometry;
        QVERIFY2(qAbs(now.geometry.left() - was.left()) <= 1 && qAbs(now.geometry.top() - was.top()) <= 1
                     && qAbs(now.geometry.right() - was.right()) <= 1
                     && qAbs(now.geometry.bottom() - was.bottom()) <= 1,
                 qPrintable(it.key()));
        for (auto value = it->values.cbegin(); value != it->values.cend(); ++value) {
            const double moved = qAbs(now.values.value(value.key()) - value.value());
            QVERIFY2(moved <= onePixel(value.key()), qPrintable(it.key() + u'.' + QLatin1String(value.key())));
        }
    }
}

void TestQtLayoutWindow::repaintsOnceWithUpdatesSuspended()
{
    BuiltWindow built(sampleDesign());
    built.record();
    built.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(built.window.get()));
    built.window->resize(948, 906);
    QTest::qWait(50);

    // Counts the window's repaint passes (one pass may paint the window in several regions) and, for
    // every element moved or resized, whether painting was suspended.
    struct Watcher : QObject
    {
        QWidget *window = nullptr;
        int paints = 0;
        int repaintPasses = 0;
        QList<bool> updatesEnabledWhileMoving;
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (watched == window && event->type() == QEvent::Paint)
                ++paints;
            else if (watched == window && event->type() == QEvent::UpdateRequest)
                ++repaintPasses;
            else if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
                updatesEnabledWhileMoving.append(window->updatesEnabled());
            return false;
        }
    } watcher;
    watcher.window = built.window.get();
    built.window->installEventFilter(&watcher);
    for (QObject *element : std::as_const(built.elements))
        element->installEventFilter(&watcher);

    built.rescale();
    QVERIFY(built.window->updatesEnabled());
    QVERIFY(!watcher.updatesEnabledWhileMoving.isEmpty());
    QVERIFY(!watcher.updatesEnabledWhileMoving.contains(true));
    QTRY_VERIFY(watcher.paints > 0);
    QTest::qWait(50);
    QCOMPARE(watcher.repaintPasses, 1);
}

void TestQtLayoutWindow::leavesUpdatesSuspendedBySomeoneElse()
{
    BuiltWindow built(sampleDesign());
    built.record();
    built.window->setUpdatesEnabled(false);
    built.window->resize(948, 906);
    built.rescale();
    QVERIFY(!built.window->updatesEnabled());
    QCOMPARE(built.element(u"lblText"_s)->property("Left").toDouble(), 1800.0);
}

QTEST_MAIN(TestQtLayoutWindow)
#include "testQtLayoutWindow.moc"
