#include "feed/StateJson.h"
#include "match/Match.h"
#include "settings/Settings.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

Settings boardSettings()
{
    Settings settings;
    settings.TitleText = u"City Cup"_s;
    settings.HomeText = u"Lions"_s;
    settings.VisitorText = u"Bears \"B\""_s;
    settings.FormBack = 0x404040;
    settings.TimeColor = 0x0080FF;
    settings.ScoreColor = 0x0000FF;
    settings.SetColor = 0x00FFFF;
    settings.LEDBack = 0;
    settings.LEDSelected = 0x123456;
    settings.BorderColor = 0xFFFFFF;
    settings.HomeColor = 0x7F000001; // the high byte is no part of a colour
    settings.VisitorColor = 0xFF00;
    return settings;
}

QJsonObject json(const QByteArray &text)
{
    return QJsonDocument::fromJson(text).object();
}

} // namespace

Q_DECLARE_METATYPE(MatchState)

// The match as JSON: its shape, empty fields as null, and the clock's text as the board shows it.
class TestStateJson : public QObject
{
    Q_OBJECT

private slots:
    void wholeDocument();
    void clockAsTheBoardShowsIt_data();
    void clockAsTheBoardShowsIt();
    void digitStyle_data();
    void digitStyle();
    void rulesAndTheFifthSet();
};

void TestStateJson::wholeDocument()
{
    MatchState state;
    state.homeScore = 18;
    state.visitorScore = MatchState::Empty;
    state.homeGamesWon = 1;
    state.visitorGamesWon = MatchState::Empty;
    state.sets[0] = {25, 23};
    state.sets[1] = {20, MatchState::Empty};
    state.WhoPoss = 1;
    state.Running = true;
    state.Seconds = Currency::fromTicks(2'524'000); // 252.4 s
    const QJsonObject expected = json(R"({
        "version": 42, "title": "City Cup",
        "home": {"name": "Lions", "score": 18, "gamesWon": 1},
        "visitor": {"name": "Bears \"B\"", "score": null, "gamesWon": null},
        "sets": [[25, 23], [20, null], null, null],
        "possession": "home",
        "clock": {"text": "4:13", "seconds": 252.4, "running": true, "mode": "game"},
        "colors": {"FormBack": "#404040", "TimeColor": "#ff8000", "ScoreColor": "#ff0000", "SetColor": "#ffff00",
                   "LEDBack": "#000000", "LEDSelected": "#563412", "BorderColor": "#ffffff",
                   "HomeColor": "#010000", "VisitorColor": "#00ff00"},
        "digitStyle": "lines"})");
    QVERIFY(!expected.isEmpty());
    QCOMPARE(StateJson::build(state, 42, boardSettings(), QTime(14, 5)), expected);
}

void TestStateJson::clockAsTheBoardShowsIt_data()
{
    QTest::addColumn<MatchState>("state");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("possession");

    MatchState fresh;
    QTest::newRow("fresh board") << fresh << u"10:00"_s << u"game"_s << u"none"_s;
    MatchState lastMinute;
    lastMinute.Seconds = Currency::fromTicks(453'000);
    lastMinute.WhoPoss = 2;
    QTest::newRow("last minute in tenths") << lastMinute << u"45.3"_s << u"game"_s << u"visitor"_s;
    MatchState justOver;
    justOver.Seconds = Currency::fromTicks(599'100);
    QTest::newRow("59.91 s still shows 1:00") << justOver << u"1:00"_s << u"game"_s << u"none"_s;
    MatchState timeOfDay;
    timeOfDay.ClockTime = true;
    timeOfDay.WhoPoss = 7;
    QTest::newRow("time of day, a possession no arrow shows") << timeOfDay << u"14:05"_s << u"timeOfDay"_s << u"none"_s;
}

void TestStateJson::clockAsTheBoardShowsIt()
{
    QFETCH(MatchState, state);
    QFETCH(QString, text);
    QFETCH(QString, mode);
    QFETCH(QString, possession);
    const QJsonObject built = StateJson::build(state, 0, boardSettings(), QTime(14, 5, 59));
    const QJsonObject clock = built.value(u"clock"_s).toObject();
    QCOMPARE(clock.value(u"text"_s).toString(), text);
    QCOMPARE(clock.value(u"mode"_s).toString(), mode);
    QCOMPARE(clock.value(u"seconds"_s).toDouble(), state.Seconds.toDouble());
    QCOMPARE(built.value(u"possession"_s).toString(), possession);
}

void TestStateJson::digitStyle_data()
{
    QTest::addColumn<int>("ledType");
    QTest::addColumn<QString>("style");
    QTest::newRow("Lines") << 0 << u"lines"_s;
    QTest::newRow("Dots") << 1 << u"dots"_s;
    QTest::newRow("a stored 7 leaves the board's lines") << 7 << u"lines"_s;
}

void TestStateJson::digitStyle()
{
    QFETCH(int, ledType);
    QFETCH(QString, style);
    Settings settings = boardSettings();
    settings.LEDType = qint16(ledType);
    QCOMPARE(StateJson::build({}, 0, settings, {}).value(u"digitStyle"_s).toString(), style);
}

// With the rules on, what they make of the match; the fifth set, which has no box on the board, once
// recorded.
void TestStateJson::rulesAndTheFifthSet()
{
    Match match;
    QCOMPARE(StateJson::rules(match), QJsonValue(QJsonValue::Null));
    match.setRules(RuleSet::indoor());
    MatchState state = match.state();
    state.homeGamesWon = 2;
    state.visitorGamesWon = 2;
    state.homeScore = 14;
    state.visitorScore = 12;
    state.visitorTimeouts = 1;
    match.restore(state);
    const QJsonObject rules = StateJson::rules(match).toObject();
    QCOMPARE(rules.value(u"set"_s).toInt(), 5);
    QVERIFY(rules.value(u"decidingSet"_s).toBool());
    QCOMPARE(rules.value(u"home"_s).toObject(),
             (QJsonObject {{u"setPoint"_s, true}, {u"matchPoint"_s, true}, {u"timeouts"_s, 0}}));
    QCOMPARE(rules.value(u"visitor"_s).toObject().value(u"timeouts"_s).toInt(), 1);
    QVERIFY(rules.value(u"setWon"_s).isNull());

    state.fifthSet = {15, 12};
    const QJsonArray sets = StateJson::build(state, 0, boardSettings(), {}).value(u"sets"_s).toArray();
    QCOMPARE(sets.size(), 5);
    QCOMPARE(sets.last(), QJsonValue(QJsonArray {15, 12}));
}

QTEST_GUILESS_MAIN(TestStateJson)
#include "testStateJson.moc"
