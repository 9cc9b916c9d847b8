#include "board/ColorScheme.h"
#include "support/BoardFixture.h"
#include "widgets/ColorValue.h"
#include "widgets/Label.h"
#include "widgets/PictureBox.h"
#include "widgets/Shape.h"

#include <QMetaProperty>

using namespace Qt::StringLiterals;

namespace {

using Snapshot = QMap<QString, QVariant>;

// Every colour property of every element, plus the board's own background.
Snapshot colours(const frmScoreboard &board)
{
    Snapshot snapshot;
    snapshot.insert(u"board.Back"_s, board.palette().color(QPalette::Window));
    for (const QObject *element : board.elements()) {
        for (const char *property : {"ForeColor", "BackColor", "BorderColor", "FillColor", "LitColor", "FrameColor"}) {
            if (element->metaObject()->indexOfProperty(property) >= 0)
                snapshot.insert(element->objectName() + u'.' + QLatin1String(property), element->property(property));
        }
    }
    return snapshot;
}

QStringList differences(const Snapshot &before, const Snapshot &after)
{
    QStringList changed;
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (after.value(it.key()) != it.value())
            changed.append(it.key());
    }
    return changed;
}

// Counts the paint events of a window and of everything in it.
class PaintCounts : public QObject
{
public:
    explicit PaintCounts(QWidget &window)
    {
        window.installEventFilter(this);
        for (QWidget *child : window.findChildren<QWidget *>())
            child->installEventFilter(this);
    }

    QMap<QString, int> counts;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++counts[watched->objectName()];
        return false;
    }
};

} // namespace

class TestColorScheme : public QObject
{
    Q_OBJECT

private slots:
    void defaultColours_data();
    void defaultColours();
    void skipListMatchesWholeNamesOnly();
    void setPanelColorsOnAGroup();
    void ledSelectedChangesOnlyTheHighlight();
    void borderColorChanges();
    void applyingTwiceGivesTheSameBoard();
    void customSchemeReachesEveryElement();
    void coloursBeyond24BitsShowTheirLow24BitsEverywhere();
    void newColoursRepaintTheBoardOnce();
};

void TestColorScheme::defaultColours_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("property");
    QTest::addColumn<int>("colour");
    const int timeColor = 33023, scoreColor = 255, setColor = 65535, ledBack = 0, formBack = 4210752, white = 16777215;
    QTest::newRow("clock lit") << u"tledGame"_s << u"LitColor"_s << timeColor;
    QTest::newRow("clock back") << u"tledGame"_s << u"BackColor"_s << ledBack;
    QTest::newRow("clock frame") << u"tledGame"_s << u"FrameColor"_s << white;
    QTest::newRow("home score lit") << u"nledHomeScore"_s << u"LitColor"_s << scoreColor;
    QTest::newRow("visitor score lit") << u"nledVisitorScore"_s << u"LitColor"_s << scoreColor;
    QTest::newRow("games won lit") << u"nledHomeGamesWon"_s << u"LitColor"_s << timeColor;
    QTest::newRow("visitor games won lit") << u"nledVisitorGamesWon"_s << u"LitColor"_s << timeColor;
    QTest::newRow("set 1 home lit") << u"nledSet1H"_s << u"LitColor"_s << setColor;
    QTest::newRow("set 4 visitor lit") << u"nledSet4V"_s << u"LitColor"_s << setColor;
    QTest::newRow("set 3 home back") << u"nledSet3H"_s << u"BackColor"_s << ledBack;
    QTest::newRow("title") << u"lblTitle"_s << u"ForeColor"_s << white;
    QTest::newRow("home team") << u"lblHomeTeam"_s << u"ForeColor"_s << white;
    QTest::newRow("set box") << u"picSet2"_s << u"BackColor"_s << ledBack;
    QTest::newRow("possession box") << u"picPossBack"_s << u"BackColor"_s << formBack;
    QTest::newRow("home team box") << u"picHomeTeamName"_s << u"BackColor"_s << formBack;
    QTest::newRow("board picture box") << u"picBoardContainer"_s << u"BackColor"_s << formBack;
    QTest::newRow("highlight fill") << u"shpObjectSelected"_s << u"FillColor"_s << formBack;
    QTest::newRow("colon dot") << u"Shape7"_s << u"FillColor"_s << white;
    QTest::newRow("board frame") << u"Shape3"_s << u"BorderColor"_s << white;
    QTest::newRow("unlit home arrow") << u"lblPossH"_s << u"ForeColor"_s << ledBack;
    QTest::newRow("unlit visitor arrow") << u"lblPossV"_s << u"ForeColor"_s << ledBack;
}

void TestColorScheme::defaultColours()
{
    QFETCH(QString, element);
    QFETCH(QString, property);
    QFETCH(int, colour);
    BoardFixture fixture;
    fixture.open();
    QCOMPARE(fixture.find<QObject>(element)->property(property.toLatin1().constData()).toInt(), colour);
    QCOMPARE(fixture.board->palette().color(QPalette::Window), QColor(0x40, 0x40, 0x40));
}

void TestColorScheme::skipListMatchesWholeNamesOnly()
{
    QWidget window;
    auto *skipped = new Label(&window);
    skipped->setObjectName(u"lblA"_s);
    auto *longer = new Label(&window);
    longer->setObjectName(u"lblAB"_s);
    auto *box = new PictureBox(&window);
    box->setObjectName(u"picA"_s);
    Settings settings;
    settings.BorderColor = 0x123456;
    settings.LEDBack = 0x654321;
    ColorScheme::ApplyControlColors(QList<QObject *> {skipped, longer, box}, QList<QObject *> {skipped}, settings);
    QCOMPARE(skipped->foreColor(), 0);
    QCOMPARE(longer->foreColor(), 0x123456);
    QCOMPARE(box->backColor(), 0x654321);
    // Case matters.
    auto *upper = new Label(&window);
    upper->setObjectName(u"LBLA"_s);
    ColorScheme::ApplyControlColors(QList<QObject *> {upper}, QList<QObject *> {skipped}, settings);
    QCOMPARE(upper->foreColor(), 0x123456);
}

void TestColorScheme::setPanelColorsOnAGroup()
{
    QWidget window;
    QList<QObject *> panels;
    for (int i = 0; i < 3; ++i)
        panels.append(new NumberPanel(&window));
    ColorScheme::SetPanelColors(panels, 0x00FF00, 0x000010);
    for (QObject *panel : panels) {
        QCOMPARE(panel->property("LitColor").toInt(), 0x00FF00);
        QCOMPARE(panel->property("BackColor").toInt(), 0x000010);
    }
}

void TestColorScheme::ledSelectedChangesOnlyTheHighlight()
{
    BoardFixture fixture;
    frmScoreboard &board = fixture.open();
    const Snapshot before = colours(board);
    fixture.settings.LEDSelected = 0x00FF00;
    board.UpdateFormColors();
    QCOMPARE(differences(before, colours(board)), QStringList {u"shpObjectSelected.FillColor"_s});
}

void TestColorScheme::borderColorChanges()
{
    BoardFixture fixture;
    frmScoreboard &board = fixture.open();
    const Snapshot before = colours(board);
    fixture.settings.BorderColor = 0x00AA00;
    board.UpdateFormColors();
    const QStringList changed = differences(before, colours(board));
    for (const QString &expected :
         {u"lblTitle.ForeColor"_s, u"lblGamesWon.ForeColor"_s, u"lblCreatedBy.ForeColor"_s, u"Label7.ForeColor"_s,
          u"Label10.ForeColor"_s, u"Shape1.BorderColor"_s, u"Shape3.BorderColor"_s, u"Shape2.FillColor"_s,
          u"Shape10.FillColor"_s, u"tledGame.FrameColor"_s})
        QVERIFY2(changed.contains(expected), qPrintable(expected));
    for (const QString &untouched : {u"lblHomeTeam.ForeColor"_s, u"lblVisitorTeam.ForeColor"_s, u"Line1.BorderColor"_s,
                                     u"Line3.BorderColor"_s, u"lblPossH.ForeColor"_s})
        QVERIFY2(!changed.contains(untouched), qPrintable(untouched));
}

void TestColorScheme::applyingTwiceGivesTheSameBoard()
{
    BoardFixture fixture;
    frmScoreboard &board = fixture.open();
    const Snapshot once = colours(board);
    board.UpdateFormColors();
    QCOMPARE(colours(board), once);
}

void TestColorScheme::customSchemeReachesEveryElement()
{
    BoardFixture fixture;
    fixture.settings.FormBack = 0x101010;
    fixture.settings.TimeColor = 0x00FF00;
    fixture.settings.ScoreColor = 0xFF0000;
    fixture.settings.SetColor = 0xFF00FF;
    fixture.settings.LEDBack = 0x202020;
    fixture.settings.HomeColor = 0x0000AA;
    fixture.settings.VisitorColor = 0x00AAAA;
    frmScoreboard &board = fixture.open();
    QTest::mouseClick(fixture.find(u"lblPossV"_s), Qt::LeftButton);
    QCOMPARE(board.palette().color(QPalette::Window), ColorValue::toQColor(0x101010));
    QCOMPARE(fixture.find<QObject>(u"nledVisitorScore"_s)->property("LitColor").toInt(), 0xFF0000);
    QCOMPARE(fixture.find<QObject>(u"nledSet2V"_s)->property("BackColor").toInt(), 0x202020);
    QCOMPARE(fixture.find<Label>(u"lblHomeTeam"_s)->foreColor(), 0x0000AA);
    QCOMPARE(fixture.find<Label>(u"lblVisitorTeam"_s)->foreColor(), 0x00AAAA);
    QCOMPARE(fixture.find<Label>(u"lblPossV"_s)->foreColor(), 0x00FF00);
    QCOMPARE(fixture.find<Label>(u"lblPossH"_s)->foreColor(), 0x202020);
    QCOMPARE(fixture.find<PictureBox>(u"picVisitorContainer"_s)->backColor(), 0x101010);
}

void TestColorScheme::coloursBeyond24BitsShowTheirLow24BitsEverywhere()
{
    // Hand-edited values: high bits set, and negative ones. Panels, labels and shapes show the same colour.
    BoardFixture fixture;
    fixture.settings.TimeColor = 0x7F00FF00;
    fixture.settings.LEDBack = qint32(0xFF202020);
    fixture.settings.BorderColor = 0x01ABCDEF;
    fixture.settings.ScoreColor = -1;
    fixture.open();
    QTest::mouseClick(fixture.find(u"lblPossV"_s), Qt::LeftButton);
    const auto shown = [&fixture](const QString &element, const char *property) {
        return ColorValue::toQColor(fixture.find<QObject>(element)->property(property).toInt());
    };
    QCOMPARE(shown(u"tledGame"_s, "LitColor"), ColorValue::toQColor(0x00FF00));
    QCOMPARE(shown(u"lblPossV"_s, "ForeColor"), ColorValue::toQColor(0x00FF00));
    QCOMPARE(shown(u"nledSet2V"_s, "BackColor"), ColorValue::toQColor(0x202020));
    QCOMPARE(shown(u"lblPossH"_s, "ForeColor"), ColorValue::toQColor(0x202020));
    QCOMPARE(shown(u"tledGame"_s, "FrameColor"), ColorValue::toQColor(0xABCDEF));
    QCOMPARE(shown(u"Shape1"_s, "BorderColor"), ColorValue::toQColor(0xABCDEF));
    QCOMPARE(shown(u"lblTitle"_s, "ForeColor"), ColorValue::toQColor(0xABCDEF));
    QCOMPARE(shown(u"nledHomeScore"_s, "LitColor"), ColorValue::toQColor(0xFFFFFF));
}

void TestColorScheme::newColoursRepaintTheBoardOnce()
{
    // The board is marked for repainting before its elements; each is still painted once.
    BoardFixture fixture;
    frmScoreboard &board = fixture.open();
    QCoreApplication::processEvents();
    const PaintCounts paints(board);
    fixture.settings.FormBack = 0x101010;
    fixture.settings.TimeColor = 0x00FF00;
    board.UpdateFormColors();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    QCOMPARE(paints.counts.value(u"frmScoreboard"_s), 1);
    QVERIFY(paints.counts.contains(u"lblTitle"_s) && paints.counts.contains(u"picSet1"_s));
    for (auto it = paints.counts.cbegin(); it != paints.counts.cend(); ++it)
        QVERIFY2(it.value() == 1, qPrintable(u"%1 painted %2 times"_s.arg(it.key()).arg(it.value())));
}

QTEST_MAIN(TestColorScheme)
#include "testColorScheme.moc"
