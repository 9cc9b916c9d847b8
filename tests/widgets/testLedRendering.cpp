// What the LED panels actually draw: lit lamps where the digits are, nothing in the paddings, from the
// options dialog's preview size up to a projector-sized field, in both digit styles; the glyph cache
// draws the same pixels as the lamp shapes, and a new value repaints only the cells that changed.
#include "support/ImageDifference.h"
#include "widgets/ColorValue.h"
#include "widgets/NumberPanel.h"
#include "widgets/PaintCache.h"
#include "widgets/SegmentPanel.h"
#include "widgets/TimePanel.h"

#include <QScopeGuard>
#include <QtTest>

#include <cmath>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int Lit = 0x00FFFF; // yellow
constexpr int Back = 0x102030;
constexpr int Frame = 0xFFFFFF;

bool near(QRgb pixel, int colour)
{
    const QColor target = ColorValue::toQColor(colour);
    return std::abs(qRed(pixel) - target.red()) + std::abs(qGreen(pixel) - target.green())
        + std::abs(qBlue(pixel) - target.blue())
        <= 48;
}

int countPixels(const QImage &image, const QRect &area, const std::function<bool(QRgb)> &test)
{
    const QRect inside = area.intersected(image.rect());
    int count = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += test(image.pixel(x, y)) ? 1 : 0;
    }
    return count;
}

QImage render(QWidget &panel, QSize pixels)
{
    auto *element = qobject_cast<Element *>(&panel);
    element->setTwipsGeometry(0, 0, pixels.width() * Element::TwipsPerPixel, pixels.height() * Element::TwipsPerPixel);
    return panel.grab().toImage();
}

// The content area: the panel less its paddings, rounded outwards to whole pixels.
QRect contentArea(QSize pixels, int paddingH, int paddingV)
{
    const int h = int(std::ceil(paddingH / double(Element::TwipsPerPixel)));
    const int v = int(std::ceil(paddingV / double(Element::TwipsPerPixel)));
    return QRect(QPoint(h, v), QPoint(pixels.width() - h - 1, pixels.height() - v - 1));
}

void verifyPaddingsBare(const QImage &image, const QRect &content)
{
    const QRgb back = ColorValue::toQColor(Back).rgb();
    const auto foreign = [back](QRgb pixel) { return (pixel | 0xFF000000) != back; };
    QCOMPARE(countPixels(image, QRect(0, 0, image.width(), content.top()), foreign), 0);
    QCOMPARE(countPixels(image, QRect(0, content.bottom() + 1, image.width(), image.height()), foreign), 0);
    QCOMPARE(countPixels(image, QRect(0, 0, content.left(), image.height()), foreign), 0);
    QCOMPARE(countPixels(image, QRect(content.right() + 1, 0, image.width(), image.height()), foreign), 0);
}

// The regions of the paint events a widget receives.
class PaintRegions : public QObject
{
public:
    explicit PaintRegions(QWidget *widget) { widget->installEventFilter(this); }
    QRegion painted;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
};

// A panel of the given kind showing something in every kind of cell it has.
std::unique_ptr<LedPanel> showingPanel(const QString &kind)
{
    if (kind == u"preview")
        return std::make_unique<SegmentPanel>();
    if (kind == u"number") {
        auto panel = std::make_unique<NumberPanel>();
        panel->setMaxValue(99);
        panel->setCaption(-7);
        return panel;
    }
    auto clock = std::make_unique<TimePanel>();
    clock->setFrameColor(Frame);
    if (kind == u"tenths") {
        clock->setFieldUnits(u"1,.1"_s);
        clock->setCaption(9.3f);
    } else {
        clock->setCaption(754);
    }
    return clock;
}

} // namespace

class TestLedRendering : public QObject
{
    Q_OBJECT

private slots:
    void numberCells_data();
    void numberCells();
    void clockSeparatorInFrameColor_data();
    void clockSeparatorInFrameColor();
    void previewDigit_data();
    void previewDigit();
    void cacheDrawsLikeTheShapes_data();
    void cacheDrawsLikeTheShapes();
    void newValueRepaintsChangedCells_data();
    void newValueRepaintsChangedCells();
    void resizedPanelKeepsImagesOfItsCells();
};

void TestLedRendering::numberCells_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<int>("maxValue");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QList<bool>>("litCells");
    for (int style : {0, 1}) {
        const QByteArray name = style == 0 ? "lines" : "dots";
        const auto row
            = [&](const char *what, QSize pixels, int maxValue, const QString &caption, const QList<bool> &lit) {
                  QTest::newRow(name + ' ' + what) << style << pixels << maxValue << caption << lit;
              };
        row("36x65 one digit", {36, 65}, 9, u"8"_s, {true});
        row("36x65 empty", {36, 65}, 9, u"-1"_s, {false});
        row("1000x500 two digits", {1000, 500}, 99, u"15"_s, {true, true});
        row("1000x500 one digit of two", {1000, 500}, 99, u"7"_s, {false, true});
        row("1000x500 empty", {1000, 500}, 99, u"-1"_s, {false, false});
        row("111x92 score", {111, 92}, 99, u"23"_s, {true, true});
        row("160x80 squeezed", {160, 80}, 99, u"-123"_s, {true, true, true, true});
    }
}

void TestLedRendering::numberCells()
{
    QFETCH(int, style);
    QFETCH(QSize, pixels);
    QFETCH(int, maxValue);
    QFETCH(QString, caption);
    QFETCH(QList<bool>, litCells);
    NumberPanel panel;
    panel.setLedType(style);
    panel.setBackColor(Back);
    panel.setLitColor(Lit);
    panel.setMaxValue(maxValue);
    panel.setPaddingH(80);
    panel.setPaddingV(100);
    panel.setPaddingI(180);
    panel.setCaption(caption);
    const QImage image = render(panel, pixels);
    const QRect content = contentArea(pixels, 80, 100);
    verifyPaddingsBare(image, content);

    // Unlit lamps show in every cell, lit ones only in the cells that hold a character.
    const qsizetype cells = litCells.size();
    const auto lit = [](QRgb pixel) { return near(pixel, Lit); };
    const auto unlit = [](QRgb pixel) { return !near(pixel, Back) && !near(pixel, Lit); };
    for (qsizetype i = 0; i < cells; ++i) {
        const int left = content.left() + int(content.width() * i / cells);
        const int right = content.left() + int(content.width() * (i + 1) / cells) - 1;
        const QRect cell(QPoint(left, content.top()), QPoint(right, content.bottom()));
        QVERIFY2((countPixels(image, cell, lit) > 0) == litCells[i], qPrintable(u"cell %1"_s.arg(i)));
        QVERIFY2(countPixels(image, cell, unlit) > 0, qPrintable(u"cell %1"_s.arg(i)));
    }
}

void TestLedRendering::clockSeparatorInFrameColor_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<QString>("units");
    QTest::newRow("lines design size colon") << 0 << QSize(255, 90) << u"60,1"_s;
    QTest::newRow("dots design size colon") << 1 << QSize(255, 90) << u"60,1"_s;
    QTest::newRow("lines projector point") << 0 << QSize(1800, 600) << u"1,.1"_s;
    QTest::newRow("dots projector point") << 1 << QSize(1800, 600) << u"1,.1"_s;
}

void TestLedRendering::clockSeparatorInFrameColor()
{
    QFETCH(int, style);
    QFETCH(QSize, pixels);
    QFETCH(QString, units);
    TimePanel panel;
    panel.setLedType(style);
    panel.setBackColor(Back);
    panel.setLitColor(Lit);
    panel.setFrameColor(Frame);
    panel.setFieldUnits(units);
    panel.setCaption(33.3f);
    const QImage image = render(panel, pixels);
    const QRect content = contentArea(pixels, LedFieldPanel::DefaultPaddingH, LedFieldPanel::DefaultPaddingV);
    verifyPaddingsBare(image, content);
    QVERIFY(countPixels(image, content, [](QRgb pixel) { return near(pixel, Lit); }) > 0);
    // The separator sits between the leading two digits and the rest: in the middle third.
    const QRect middle(content.left() + content.width() / 3, content.top(), content.width() / 3, content.height());
    const auto frame = [](QRgb pixel) { return near(pixel, Frame); };
    QVERIFY(countPixels(image, middle, frame) > 0);
    QCOMPARE(countPixels(image, content, frame), countPixels(image, middle, frame));
}

void TestLedRendering::previewDigit_data()
{
    QTest::addColumn<int>("style");
    QTest::newRow("lines") << 0;
    QTest::newRow("dots") << 1;
}

void TestLedRendering::previewDigit()
{
    QFETCH(int, style);
    SegmentPanel panel;
    panel.setLedType(style);
    panel.setSizeTwips(65);
    const QImage eight = render(panel, {36, 65});
    const auto lit = [](QRgb pixel) { return near(pixel, ColorValue::Red); };
    const int litEight = countPixels(eight, eight.rect(), lit);
    panel.setCaption(u"1"_s);
    const int litOne = countPixels(panel.grab().toImage(), eight.rect(), lit);
    QVERIFY(litOne > 0);
    QVERIFY(litEight > litOne * 3 / 2);
}

void TestLedRendering::cacheDrawsLikeTheShapes_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("style");
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<bool>("fromCache");
    for (int style : {0, 1}) {
        const QByteArray name = style == 0 ? "lines " : "dots ";
        QTest::newRow(name + "preview 36x65") << u"preview"_s << style << QSize(36, 65) << true;
        QTest::newRow(name + "score 111x92") << u"number"_s << style << QSize(111, 92) << true;
        QTest::newRow(name + "clock 255x90") << u"time"_s << style << QSize(255, 90) << true;
        QTest::newRow(name + "tenths 700x300") << u"tenths"_s << style << QSize(700, 300) << true;
        QTest::newRow(name + "clock 4K 1548x428") << u"time"_s << style << QSize(1548, 428) << true;
    }
    // Lines keep whole pixels at any size; dots finer than three pixels do not, and are drawn from their
    // shapes.
    QTest::newRow("lines squeezed 60x20") << u"time"_s << 0 << QSize(60, 20) << true;
    QTest::newRow("dots squeezed 60x20") << u"time"_s << 1 << QSize(60, 20) << false;
}

// Pixel for pixel but for antialiased rims of lamps a few pixels wide, which the rasteriser may round a
// few levels apart at another offset.
void TestLedRendering::cacheDrawsLikeTheShapes()
{
    QFETCH(QString, kind);
    QFETCH(int, style);
    QFETCH(QSize, pixels);
    QFETCH(bool, fromCache);
    const auto enableCache = qScopeGuard([] { PaintCache::setEnabled(true); });
    const std::unique_ptr<LedPanel> panel = showingPanel(kind);
    panel->setLedType(style);
    panel->setBackColor(Back);
    panel->setLitColor(Lit);
    PaintCache::setEnabled(false);
    const QImage shapes = render(*panel, pixels);
    QVERIFY(!panel->paintedFromCache());
    PaintCache::setEnabled(true);
    const QImage cached = panel->grab().toImage();
    QCOMPARE(panel->paintedFromCache(), fromCache);
    const ImageDifference difference = ImageDifference::between(shapes, cached);
    QVERIFY2(difference.largest <= 12 && difference.share < 0.01,
             qPrintable(u"largest %1, share %2"_s.arg(difference.largest).arg(difference.share)));
}

void TestLedRendering::newValueRepaintsChangedCells_data()
{
    QTest::addColumn<bool>("cache");
    QTest::addColumn<float>("seconds");
    QTest::addColumn<double>("from");
    QTest::addColumn<double>("to");
    // The cells of " 9:59" span the panel's width; "to" and "from" are shares of it.
    QTest::newRow("last digit") << true << 598.0f << 0.75 << 1.0;
    QTest::newRow("last two digits") << true << 589.0f << 0.5 << 1.0;
    QTest::newRow("without the cache the whole panel") << false << 598.0f << 0.0 << 1.0;
}

void TestLedRendering::newValueRepaintsChangedCells()
{
    QFETCH(bool, cache);
    QFETCH(float, seconds);
    QFETCH(double, from);
    QFETCH(double, to);
    const auto enableCache = qScopeGuard([] { PaintCache::setEnabled(true); });
    PaintCache::setEnabled(cache);
    TimePanel panel;
    panel.setCaption(599);
    panel.setTwipsGeometry(0, 0, 700 * Element::TwipsPerPixel, 300 * Element::TwipsPerPixel);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    const PaintRegions regions(&panel);
    panel.setCaption(seconds);
    QTRY_VERIFY(!regions.painted.isEmpty());
    const QRect painted = regions.painted.boundingRect();
    QVERIFY2(painted.left() >= int(from * panel.width()) - 1 && painted.right() <= int(to * panel.width()),
             qPrintable(u"painted %1 to %2 of %3"_s.arg(painted.left()).arg(painted.right()).arg(panel.width())));
    QCOMPARE(painted.left() <= 1, from == 0.0);
}

// A window resized again and again, each size repainted twice so that the cells are copied from
// images: the panel keeps the images of the cells it shows, not of every size it had.
void TestLedRendering::resizedPanelKeepsImagesOfItsCells()
{
    const std::unique_ptr<LedPanel> panel = showingPanel(u"time"_s);
    for (int step = 0; step < 10; ++step) {
        render(*panel, QSize(300 + 10 * step, 100 + 5 * step));
        panel->grab();
        QVERIFY(panel->paintedFromCache());
    }
    const QString cells = panel->cellText();
    const qsizetype characters = QSet<QChar>(cells.begin(), cells.end()).size();
    QVERIFY2(panel->cachedCellImages() <= characters,
             qPrintable(u"%1 images for %2"_s.arg(panel->cachedCellImages()).arg(cells)));
}

QTEST_MAIN(TestLedRendering)
#include "testLedRendering.moc"
