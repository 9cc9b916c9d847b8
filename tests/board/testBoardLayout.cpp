#include "support/BoardFixture.h"
#include "widgets/ColorValue.h"
#include "widgets/DesignBuilder.h"
#include "widgets/ElementKind.h"
#include "widgets/Label.h"
#include "widgets/Line.h"
#include "widgets/PictureBox.h"
#include "widgets/Shape.h"

#include <QScreen>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// The board's elements as the design places them, before any load step or layout moves them.
std::unique_ptr<QWidget> designWindow()
{
    DesignBuilder builder;
    builder.setFactory(u"GameTimer"_s, [](QObject *parent) { return new QObject(parent); });
    builder.setFactory(u"MMControl"_s, [](QObject *parent) { return new QObject(parent); });
    auto window = std::make_unique<QWidget>();
    window->setObjectName(u"frmScoreboard"_s);
    builder.build(window.get(), BoardDesign::elements());
    return window;
}

} // namespace

class TestBoardLayout : public QObject
{
    Q_OBJECT

private slots:
    void buildsWithoutErrors();
    void elementPlaces_data();
    void elementPlaces();
    void setBoxes_data();
    void setBoxes();
    void linesBetweenSets();
    void labelsAreBoldArialAndCentred();
    void labelsHaveNoBoxBehindTheirText();
    void windowlessElementsLieBeneathTheFields();
    void nonVisualElements();
    void tabVisitsTheTenFieldsInOrder();
    void shiftTabGoesBackwards();
    void clickOnlyBoxes_data();
    void clickOnlyBoxes();
    void clickOnAnOrdinaryLabelChangesNothing_data();
    void clickOnAnOrdinaryLabelChangesNothing();
    void setFieldsHandTheirFocusToTheirBox_data();
    void setFieldsHandTheirFocusToTheirBox();
    void opensMaximizedAndRestoresCentred();
    void creditLineIsAnExampleAddress();
    void optionsOnASqueezedBoardKeepTheBaseline_data();
    void optionsOnASqueezedBoardKeepTheBaseline();
};

void TestBoardLayout::buildsWithoutErrors()
{
    DesignBuilder builder;
    builder.setFactory(u"GameTimer"_s, [](QObject *parent) { return new QObject(parent); });
    builder.setFactory(u"MMControl"_s, [](QObject *parent) { return new QObject(parent); });
    QWidget window;
    const QList<QObject *> elements = builder.build(&window, BoardDesign::elements());
    QCOMPARE(builder.errors(), QStringList());
    QCOMPARE(elements.size(), BoardDesign::elements().size());
    for (qsizetype i = 0; i < elements.size(); ++i)
        QCOMPARE(elements[i]->objectName(), BoardDesign::elements()[i].name);
}

void TestBoardLayout::elementPlaces_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QList<int>>("box"); // left, top, width, height in twips
    QTest::newRow("lblTitle") << u"Label"_s << QString() << QList<int> {83, 120, 9315, 855};
    QTest::newRow("nledHomeScore") << u"NumberPanel"_s << QString() << QList<int> {582, 1320, 1665, 1380};
    QTest::newRow("tledGame") << u"TimePanel"_s << QString() << QList<int> {2835, 1220, 3825, 1350};
    QTest::newRow("nledVisitorScore") << u"NumberPanel"_s << QString() << QList<int> {7234, 1320, 1665, 1380};
    QTest::newRow("Shape1") << u"Shape"_s << QString() << QList<int> {2618, 1080, 4245, 1635};
    QTest::newRow("Shape3") << u"Shape"_s << QString() << QList<int> {113, 1080, 9255, 5625};
    QTest::newRow("picHomeTeamName") << u"PictureBox"_s << QString() << QList<int> {261, 2825, 2520, 615};
    QTest::newRow("lblHomeTeam") << u"Label"_s << u"picHomeTeamName"_s << QList<int> {120, 0, 2295, 495};
    QTest::newRow("picPossBack") << u"PictureBox"_s << QString() << QList<int> {2873, 2880, 3735, 495};
    QTest::newRow("lblPossH") << u"Label"_s << u"picPossBack"_s << QList<int> {0, -60, 495, 495};
    QTest::newRow("lblCreatedBy") << u"Label"_s << u"picPossBack"_s << QList<int> {360, 90, 3015, 375};
    QTest::newRow("lblPossV") << u"Label"_s << u"picPossBack"_s << QList<int> {3240, -60, 495, 495};
    QTest::newRow("picVisitorTeamName") << u"PictureBox"_s << QString() << QList<int> {6690, 2825, 2520, 615};
    QTest::newRow("lblVisitorTeam") << u"Label"_s << u"picVisitorTeamName"_s << QList<int> {120, 0, 2295, 495};
    QTest::newRow("picHomeContainer") << u"PictureBox"_s << QString() << QList<int> {240, 3540, 1935, 1365};
    QTest::newRow("imgHomePic") << u"Image"_s << u"picHomeContainer"_s << QList<int> {0, 0, 735, 1095};
    QTest::newRow("nledHomeGamesWon") << u"NumberPanel"_s << QString() << QList<int> {2385, 3675, 750, 1260};
    QTest::newRow("picBoardContainer") << u"PictureBox"_s << QString() << QList<int> {3413, 3480, 2655, 930};
    QTest::newRow("imgBoardPic") << u"Image"_s << u"picBoardContainer"_s << QList<int> {0, 0, 735, 855};
    QTest::newRow("lblGamesWon") << u"Label"_s << QString() << QList<int> {3143, 4440, 3195, 495};
    QTest::newRow("nledVisitorGamesWon") << u"NumberPanel"_s << QString() << QList<int> {6345, 3675, 750, 1260};
    QTest::newRow("picVisitorContainer") << u"PictureBox"_s << QString() << QList<int> {7320, 3540, 1935, 1365};
    QTest::newRow("imgVisitorPic") << u"Image"_s << u"picVisitorContainer"_s << QList<int> {0, 0, 735, 1095};
    QTest::newRow("Label7") << u"Label"_s << QString() << QList<int> {360, 4920, 1935, 465};
    QTest::newRow("Label8") << u"Label"_s << QString() << QList<int> {2640, 4920, 1935, 465};
    QTest::newRow("Label9") << u"Label"_s << QString() << QList<int> {4920, 4920, 1935, 465};
    QTest::newRow("Label10") << u"Label"_s << QString() << QList<int> {7200, 4920, 1935, 465};
    QTest::newRow("picSet1") << u"PictureBox"_s << QString() << QList<int> {240, 5400, 2175, 825};
    QTest::newRow("picSet2") << u"PictureBox"_s << QString() << QList<int> {2520, 5400, 2175, 825};
    QTest::newRow("picSet3") << u"PictureBox"_s << QString() << QList<int> {4800, 5400, 2175, 825};
    QTest::newRow("picSet4") << u"PictureBox"_s << QString() << QList<int> {7080, 5400, 2175, 825};
    QTest::newRow("shpObjectSelected") << u"Shape"_s << QString() << QList<int> {5280, 3480, 255, 255};
    QTest::newRow("nledSet1H") << u"NumberPanel"_s << u"picSet1"_s << QList<int> {0, 0, 960, 825};
    QTest::newRow("nledSet2V") << u"NumberPanel"_s << u"picSet2"_s << QList<int> {1200, 0, 960, 825};
    QTest::newRow("Shape2") << u"Shape"_s << u"picSet1"_s << QList<int> {1005, 120, 165, 165};
    QTest::newRow("Shape4") << u"Shape"_s << u"picSet1"_s << QList<int> {1005, 540, 165, 165};
    QTest::newRow("Shape6") << u"Shape"_s << u"picSet2"_s << QList<int> {1005, 120, 165, 165};
    QTest::newRow("Shape7") << u"Shape"_s << u"picSet3"_s << QList<int> {1005, 540, 165, 165};
    QTest::newRow("Shape10") << u"Shape"_s << u"picSet4"_s << QList<int> {1005, 540, 165, 165};
}

void TestBoardLayout::elementPlaces()
{
    QFETCH(QString, kind);
    QFETCH(QString, container);
    QFETCH(QList<int>, box);
    // Built from the design alone: the board's load later centres team names and moves the highlight.
    const auto window = designWindow();
    auto *element = window->findChild<Element *>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(element);
    QCOMPARE(ElementKind::of(element), kind);
    QCOMPARE(element->parentWidget()->objectName(), container.isEmpty() ? u"frmScoreboard"_s : container);
    QCOMPARE((QList<int> {element->leftTwips(), element->topTwips(), element->widthTwips(), element->heightTwips()}),
             box);
    // 15 twips make one pixel; both edges are rounded to the nearest pixel.
    const int left = qRound(box[0] / 15.0);
    const int top = qRound(box[1] / 15.0);
    QCOMPARE(element->geometry(),
             QRect(left, top, qRound((box[0] + box[2]) / 15.0) - left, qRound((box[1] + box[3]) / 15.0) - top));
}

void TestBoardLayout::setBoxes_data()
{
    QTest::addColumn<int>("set");
    QTest::addColumn<QString>("upperDot");
    QTest::addColumn<QString>("lowerDot");
    QTest::newRow("set 1") << 1 << u"Shape2"_s << u"Shape4"_s;
    QTest::newRow("set 2") << 2 << u"Shape6"_s << u"Shape5"_s;
    QTest::newRow("set 3") << 3 << u"Shape8"_s << u"Shape7"_s;
    QTest::newRow("set 4") << 4 << u"Shape9"_s << u"Shape10"_s;
}

void TestBoardLayout::setBoxes()
{
    QFETCH(int, set);
    QFETCH(QString, upperDot);
    QFETCH(QString, lowerDot);
    BoardFixture fixture;
    fixture.open();
    const QString box = u"picSet%1"_s.arg(set);
    auto *home = fixture.find<NumberPanel>(u"nledSet%1H"_s.arg(set));
    auto *visitor = fixture.find<NumberPanel>(u"nledSet%1V"_s.arg(set));
    auto *upper = fixture.find<Shape>(upperDot);
    auto *lower = fixture.find<Shape>(lowerDot);
    QVERIFY(home && visitor && upper && lower);
    for (QWidget *child : {static_cast<QWidget *>(home), static_cast<QWidget *>(visitor), static_cast<QWidget *>(upper),
                           static_cast<QWidget *>(lower)})
        QCOMPARE(child->parentWidget()->objectName(), box);
    // The home points at the left, the colon in the middle, the visitor points at the right.
    QVERIFY(home->geometry().right() < upper->geometry().left());
    QVERIFY(upper->geometry().right() < visitor->geometry().left());
    QCOMPARE(upper->geometry().left(), lower->geometry().left());
    QVERIFY(upper->geometry().bottom() < lower->geometry().top());
    QCOMPARE(upper->shape(), int(Shape::Circle));
    QCOMPARE(upper->fillStyle(), int(Shape::SolidFill));
    QCOMPARE(upper->borderStyle(), int(Shape::NoOutline));
    // The set fields start empty.
    QCOMPARE(home->caption(), u"-1"_s);
    QCOMPARE(visitor->caption(), u"-1"_s);
    QCOMPARE(home->maxValue(), 99);
}

void TestBoardLayout::linesBetweenSets()
{
    const auto window = designWindow();
    const QList<int> xs {2475, 4740, 7025};
    for (int i = 0; i < 3; ++i) {
        auto *line = window->findChild<Line *>(u"Line%1"_s.arg(i + 1));
        QVERIFY(line);
        QCOMPARE((QList<int> {line->x1(), line->y1(), line->x2(), line->y2(), line->borderWidth()}),
                 (QList<int> {xs[i], 5385, xs[i], 6225, 3}));
    }
}

void TestBoardLayout::labelsAreBoldArialAndCentred()
{
    const auto window = designWindow();
    const QList<Label *> labels = window->findChildren<Label *>();
    QCOMPARE(labels.size(), 11);
    for (Label *label : labels) {
        QVERIFY2(label->fontBold(), qPrintable(label->objectName()));
        QCOMPARE(label->fontName(), u"Arial"_s);
        QCOMPARE(label->alignment(), int(Label::Center));
    }
    QCOMPARE(window->findChild<Label *>(u"lblTitle"_s)->fontSize(), 32.25);
    QCOMPARE(window->findChild<Label *>(u"lblPossH"_s)->fontSize(), 26.25);
    QCOMPARE(window->findChild<Label *>(u"lblPossH"_s)->caption(), u"<"_s);
    QCOMPARE(window->findChild<Label *>(u"lblPossV"_s)->caption(), u">"_s);
    QCOMPARE(window->findChild<Label *>(u"lblGamesWon"_s)->caption(), u"Games Won"_s);
}

void TestBoardLayout::labelsHaveNoBoxBehindTheirText()
{
    BoardFixture fixture;
    // A board colour other than the design grey: the labels' corners show the board, not a box.
    const QColor green(10, 120, 30);
    fixture.settings.FormBack = ColorValue::fromQColor(green);
    frmScoreboard &board = fixture.open();
    const QImage shot = board.grab().toImage();
    for (const QString &name : {u"lblTitle"_s, u"lblGamesWon"_s, u"Label9"_s})
        QCOMPARE(shot.pixelColor(fixture.find(name)->geometry().topLeft() + QPoint(2, 2)), green);
    // The arrows' design background is dark grey; the possession box shows through instead.
    auto *arrow = fixture.find<Label>(u"lblPossH"_s);
    const QImage poss = fixture.find(u"picPossBack"_s)->grab().toImage();
    QCOMPARE(poss.pixelColor(arrow->geometry().bottomLeft() + QPoint(1, -2)), green);
}

void TestBoardLayout::windowlessElementsLieBeneathTheFields()
{
    BoardFixture fixture;
    fixture.open();
    const QStringList windowless {u"Label"_s, u"Shape"_s, u"Line"_s, u"Image"_s};
    QList<QWidget *> containers {fixture.board.get()};
    for (PictureBox *box : fixture.board->findChildren<PictureBox *>())
        containers.append(box);
    for (QWidget *container : containers) {
        // Qt stacks siblings in the order of children(): later ones are drawn on top.
        qsizetype lastWindowless = -1;
        qsizetype firstWindowed = std::numeric_limits<qsizetype>::max();
        const QObjectList children = container->children();
        for (qsizetype i = 0; i < children.size(); ++i) {
            if (!children[i]->isWidgetType())
                continue;
            if (windowless.contains(ElementKind::of(children[i])))
                lastWindowless = i;
            else
                firstWindowed = std::min(firstWindowed, i);
        }
        QVERIFY2(lastWindowless < firstWindowed, qPrintable(container->objectName()));
    }
}

void TestBoardLayout::nonVisualElements()
{
    BoardFixture fixture;
    fixture.open();
    auto *refresh = fixture.board->findChild<QTimer *>(u"tmrClock1"_s);
    QVERIFY(refresh);
    QCOMPARE(refresh->interval(), 100);
    QVERIFY(refresh->isActive());
    QObject *gameTimer = fixture.find<QObject>(u"tkGame"_s);
    QObject *buzzer = fixture.board->findChild<QObject *>(u"mmcBuzzer"_s);
    QVERIFY(gameTimer && buzzer);
    QCOMPARE(ElementKind::of(gameTimer), u"GameTimer"_s);
    QCOMPARE(ElementKind::of(buzzer), u"MMControl"_s);
    QVERIFY(!gameTimer->isWidgetType());
    QVERIFY(!buzzer->isWidgetType());
    // The elements are offered in design order, non-visual ones included.
    QCOMPARE(fixture.board->elements().last(), buzzer);
    QCOMPARE(fixture.board->elements().first()->objectName(), u"lblTitle"_s);
}

static const QStringList tabCycle {
    u"nledHomeScore"_s,       u"tledGame"_s, u"nledVisitorScore"_s, u"picPossBack"_s, u"nledHomeGamesWon"_s,
    u"nledVisitorGamesWon"_s, u"picSet1"_s,  u"picSet2"_s,          u"picSet3"_s,     u"picSet4"_s};

void TestBoardLayout::tabVisitsTheTenFieldsInOrder()
{
    BoardFixture fixture;
    fixture.open();
    QCOMPARE(QApplication::focusWidget()->objectName(), u"nledHomeScore"_s);
    for (int step = 1; step <= 10; ++step) {
        BoardFixture::press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), tabCycle[step % 10]);
    }
}

void TestBoardLayout::shiftTabGoesBackwards()
{
    BoardFixture fixture;
    fixture.open();
    for (int step = 1; step <= 10; ++step) {
        BoardFixture::press(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), tabCycle[(10 - step) % 10]);
    }
}

void TestBoardLayout::clickOnlyBoxes_data()
{
    QTest::addColumn<QString>("box");
    for (const char *name :
         {"picHomeContainer", "picVisitorContainer", "picBoardContainer", "picHomeTeamName", "picVisitorTeamName"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestBoardLayout::clickOnlyBoxes()
{
    QFETCH(QString, box);
    BoardFixture fixture;
    fixture.open();
    QWidget *widget = fixture.find(box);
    QVERIFY(!(widget->focusPolicy() & Qt::TabFocus));
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(QApplication::focusWidget(), widget);
    // Nothing else takes part in the Tab cycle, so Tab leads back into it.
    BoardFixture::press(Qt::Key_Tab);
    QVERIFY(tabCycle.contains(QApplication::focusWidget()->objectName()));
}

void TestBoardLayout::clickOnAnOrdinaryLabelChangesNothing_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("focused");
    // The team names lie inside boxes that take the focus when they themselves are clicked.
    QTest::newRow("home team name") << u"lblHomeTeam"_s << u"nledHomeScore"_s;
    QTest::newRow("visitor team name") << u"lblVisitorTeam"_s << u"picSet3"_s;
    QTest::newRow("title") << u"lblTitle"_s << u"tledGame"_s;
    QTest::newRow("games won") << u"lblGamesWon"_s << u"nledVisitorGamesWon"_s;
    QTest::newRow("set number 1") << u"Label7"_s << u"picPossBack"_s;
    QTest::newRow("set number 4") << u"Label10"_s << u"nledHomeScore"_s;
}

void TestBoardLayout::clickOnAnOrdinaryLabelChangesNothing()
{
    QFETCH(QString, label);
    QFETCH(QString, focused);
    BoardFixture fixture;
    frmScoreboard &board = fixture.open();
    fixture.focus(focused);
    QWidget *highlight = fixture.find(u"shpObjectSelected"_s);
    const QRect marked = highlight->geometry();
    const bool shown = highlight->isVisible();
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        QTest::mouseClick(fixture.find(label), button);
        QTest::mouseDClick(fixture.find(label), button);
    }
    QCOMPARE(QApplication::focusWidget()->objectName(), focused);
    QCOMPARE(highlight->geometry(), marked);
    QCOMPARE(highlight->isVisible(), shown);
    QCOMPARE(board.WhoPoss(), qint16(0));
}

void TestBoardLayout::setFieldsHandTheirFocusToTheirBox_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("box");
    for (int set = 1; set <= 4; ++set) {
        for (char side : {'H', 'V'}) {
            const QString field = u"nledSet%1%2"_s.arg(set).arg(QLatin1Char(side));
            QTest::newRow(qPrintable(field)) << field << u"picSet%1"_s.arg(set);
        }
    }
}

void TestBoardLayout::setFieldsHandTheirFocusToTheirBox()
{
    QFETCH(QString, field);
    QFETCH(QString, box);
    BoardFixture fixture;
    fixture.open();
    QTest::mouseClick(fixture.find(field), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(QApplication::focusWidget()->objectName(), box);
}

void TestBoardLayout::opensMaximizedAndRestoresCentred()
{
    BoardFixture fixture;
    frmScoreboard &board = fixture.open();
    QVERIFY(board.windowState() & Qt::WindowMaximized);
    QCOMPARE(board.windowTitle().left(7), u"Vantaro"_s);
    board.showNormal();
    QTRY_VERIFY(!(board.windowState() & Qt::WindowMaximized));
    const QRect screen = board.screen()->availableGeometry();
    QTRY_COMPARE(board.frameGeometry().center(), screen.center());
}

void TestBoardLayout::creditLineIsAnExampleAddress()
{
    BoardFixture fixture;
    fixture.open();
    const QString address = fixture.find<Label>(u"lblCreatedBy"_s)->caption();
    QVERIFY2(address.endsWith(u".example.com"_s) || address.endsWith(u".example"_s), qPrintable(address));
}

// Options closed while the board was dragged down to a few pixels, or minimized, do not take
// that squeezed layout as the baseline; maximized again, the board is in its proportions.
void TestBoardLayout::optionsOnASqueezedBoardKeepTheBaseline_data()
{
    QTest::addColumn<QSize>("size"); // empty: minimized
    QTest::newRow("20 x 10 pixels") << QSize(20, 10);
    QTest::newRow("below the design size") << QSize(600, 300);
    QTest::newRow("minimized") << QSize();
}

void TestBoardLayout::optionsOnASqueezedBoardKeepTheBaseline()
{
    QFETCH(QSize, size);
    BoardFixture fixture;
    frmScoreboard &board = fixture.open();
    board.setShowOptions([] {});
    const QStringList names {u"nledHomeScore"_s, u"tledGame"_s, u"picBoardContainer"_s, u"lblTitle"_s};
    QList<QRect> maximized;
    for (const QString &name : names)
        maximized << fixture.find(name)->geometry();
    const QSize full = board.size();

    board.showNormal();
    if (size.isEmpty()) {
        board.showMinimized();
        QTRY_VERIFY(board.isMinimized());
    } else {
        board.resize(size);
        QTRY_COMPARE(board.size(), size);
    }
    QTest::keyClick(board.focusWidget() ? board.focusWidget() : &board, Qt::Key_F2);

    board.showMaximized();
    QTRY_COMPARE(board.size(), full);
    QCoreApplication::processEvents();
    for (qsizetype i = 0; i < names.size(); ++i)
        QCOMPARE(fixture.find(names[i])->geometry(), maximized[i]);
}

QTEST_MAIN(TestBoardLayout)
#include "testBoardLayout.moc"
