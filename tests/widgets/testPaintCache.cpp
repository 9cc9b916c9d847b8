// Elements drawn from their paint cache look as drawn directly, at board and projector sizes, and are
// drawn again when what they show changes.
#include "support/ImageDifference.h"
#include "widgets/Label.h"
#include "widgets/PaintCache.h"
#include "widgets/Shape.h"

#include <QPainter>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int BoardGrey = 0x404040;

// A dark container of the given size holding one element that covers it but for a margin.
struct Scene
{
    QWidget container;
    Element *element = nullptr;

    Scene(Element *child, QSize pixels)
    {
        container.setAutoFillBackground(true);
        container.setPalette(QPalette(QColor(BoardGrey)));
        container.resize(pixels);
        child->setParent(&container);
        child->setGeometry(QRect(QPoint(), pixels).adjusted(10, 10, -10, -10));
        element = child;
    }

    QImage drawn(bool cached)
    {
        PaintCache::setEnabled(cached);
        return container.grab().toImage();
    }
};

Element *label(double points, const QString &caption)
{
    auto *text = new Label;
    text->setFontName(u"Arial"_s);
    text->setFontBold(true);
    text->setFontSize(points);
    text->setForeColor(0xFFFFFF);
    text->setCaption(caption);
    return text;
}

Element *shape(int figure, bool filled)
{
    auto *figureElement = new Shape;
    figureElement->setShape(figure);
    figureElement->setBorderColor(0xFFFFFF);
    figureElement->setBorderWidth(14);
    figureElement->setFillStyle(filled ? Shape::SolidFill : Shape::NoFill);
    figureElement->setFillColor(0x00A5FF);
    return figureElement;
}

// An element that counts how often its look is drawn: a frame with a word in it, in a colour of its own.
class CountingElement : public QWidget
{
public:
    int drawings = 0;
    QColor colour = Qt::white;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter painter(this);
        m_cache.paint(painter, *this, event->region(), {colour}, [this](QPainter &target) {
            ++drawings;
            target.setPen(QPen(colour, 6));
            target.drawRoundedRect(QRectF(rect()).adjusted(3, 3, -3, -3), 20, 20);
            target.drawText(rect(), Qt::AlignCenter, u"Vantaro"_s);
        });
    }

private:
    PaintCache m_cache;
};

} // namespace

class TestPaintCache : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { PaintCache::setEnabled(true); }
    void drawsAsDirectly_data();
    void drawsAsDirectly();
    void drawnAgainWhenTheLookChanges();
    void repaintsCopyUntilTheLookChanges();
    void drawnOnReturningToTheKeptLook_data();
    void drawnOnReturningToTheKeptLook();
};

void TestPaintCache::drawsAsDirectly_data()
{
    QTest::addColumn<std::shared_ptr<Scene>>("scene");
    QTest::newRow("title at 4K") << std::make_shared<Scene>(label(72, u"Home"_s), QSize(1200, 300));
    QTest::newRow("small label") << std::make_shared<Scene>(label(8.25, u"Games Won"_s), QSize(120, 40));
    QTest::newRow("rounded frame at 4K") << std::make_shared<Scene>(shape(Shape::RoundedRectangle, false),
                                                                    QSize(3700, 2100));
    QTest::newRow("filled circle") << std::make_shared<Scene>(shape(Shape::Circle, true), QSize(60, 60));
}

// Text and figures are drawn once on a transparent background and laid over what is beneath: a rim
// pixel may round one level apart.
void TestPaintCache::drawsAsDirectly()
{
    QFETCH(std::shared_ptr<Scene>, scene);
    const QImage direct = scene->drawn(false);
    const QImage cached = scene->drawn(true);
    const ImageDifference difference = ImageDifference::between(direct, cached);
    QVERIFY2(difference.largest <= 1, qPrintable(u"largest difference %1"_s.arg(difference.largest)));
    // Something was drawn at all: the element shows against its container.
    QImage empty(cached.size(), cached.format());
    empty.fill(QColor(BoardGrey));
    QVERIFY(ImageDifference::between(cached, empty).largest > 100);
}

void TestPaintCache::drawnAgainWhenTheLookChanges()
{
    auto *text = static_cast<Label *>(label(24, u"12"_s));
    Scene scene(text, QSize(300, 80));
    const QImage before = scene.drawn(true);
    text->setCaption(u"34"_s);
    const QImage after = scene.drawn(true);
    QVERIFY(ImageDifference::between(before, after).largest > 100);
    QCOMPARE(ImageDifference::between(after, scene.drawn(false)).largest <= 1, true);
    text->setForeColor(0x0000FF);
    QVERIFY(ImageDifference::between(after, scene.drawn(true)).largest > 100);
    scene.container.resize(400, 100);
    text->setGeometry(10, 10, 380, 80);
    QCOMPARE(ImageDifference::between(scene.drawn(true), scene.drawn(false)).largest <= 1, true);
}

void TestPaintCache::repaintsCopyUntilTheLookChanges()
{
    CountingElement element;
    element.resize(400, 200);
    // The first repaint at a size draws directly, the second keeps the drawing, later ones copy it.
    const QImage first = element.grab().toImage();
    QCOMPARE(element.grab().toImage(), first);
    QCOMPARE(element.grab().toImage(), first);
    QCOMPARE(element.drawings, 2);
    element.colour = Qt::red;
    element.grab();
    element.grab();
    element.grab();
    QCOMPARE(element.drawings, 4);
    // Sizes that change on every repaint, as while a window is dragged, are drawn directly each time.
    for (const int width : {500, 510, 520}) {
        element.resize(width, 200);
        element.grab();
    }
    QCOMPARE(element.drawings, 7);
    PaintCache::setEnabled(false);
    element.grab();
    element.grab();
    QCOMPARE(element.drawings, 9);
}

void TestPaintCache::drawnOnReturningToTheKeptLook_data()
{
    QTest::addColumn<bool>("resized");
    QTest::newRow("window restored and maximized again") << true;
    QTest::newRow("colour changed and changed back") << false;
}

// A look kept as pixels, left for one repaint and come back to, as a window restored and maximized
// again or an arrow's colour toggled twice: the element is drawn, not left blank.
void TestPaintCache::drawnOnReturningToTheKeptLook()
{
    QFETCH(bool, resized);
    CountingElement element;
    element.resize(400, 200);
    element.grab();
    const QImage kept = element.grab().toImage();
    if (resized)
        element.resize(500, 200);
    else
        element.colour = Qt::red;
    element.grab();
    element.resize(400, 200);
    element.colour = Qt::white;
    QCOMPARE(element.grab().toImage(), kept);
    QCOMPARE(element.grab().toImage(), kept);
}

QTEST_MAIN(TestPaintCache)
#include "testPaintCache.moc"
