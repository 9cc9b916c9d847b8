#include "feed/StateJson.h"

#include "core/ClockText.h"
#include "match/ClockDisplay.h"
#include "match/Match.h"
#include "match/Possession.h"
#include "settings/Settings.h"

#include <QJsonArray>

using namespace Qt::StringLiterals;

namespace {

QJsonValue fieldValue(qint16 value)
{
    return value == MatchState::Empty ? QJsonValue(QJsonValue::Null) : QJsonValue(value);
}

QJsonObject side(const QString &name, qint16 score, qint16 gamesWon)
{
    return {{u"name"_s, name}, {u"score"_s, fieldValue(score)}, {u"gamesWon"_s, fieldValue(gamesWon)}};
}

QJsonArray sets(const MatchState &state)
{
    const auto isEmpty
        = [](const SetPair &pair) { return pair.home == MatchState::Empty && pair.visitor == MatchState::Empty; };
    const auto value = [&](const SetPair &pair) {
        return isEmpty(pair) ? QJsonValue(QJsonValue::Null)
                             : QJsonValue(QJsonArray {fieldValue(pair.home), fieldValue(pair.visitor)});
    };
    QJsonArray sets;
    for (const SetPair &pair : state.sets)
        sets.append(value(pair));
    // The board has four set boxes; the fifth set of a best of five is kept by the match alone.
    if (!isEmpty(state.fifthSet))
        sets.append(value(state.fifthSet));
    return sets;
}

QString possession(qint16 whoPoss)
{
    if (whoPoss == Possession::Home)
        return u"home"_s;
    if (whoPoss == Possession::Visitor)
        return u"visitor"_s;
    return u"none"_s;
}

QJsonObject clock(const MatchState &state, QTime localTime)
{
    const ClockDisplay shown = ClockDisplay::choose(state.ClockTime, state.Seconds, localTime);
    return {{u"text"_s, ClockText::of(shown.Caption, shown.FieldUnits)},
            {u"seconds"_s, state.Seconds.toDouble()},
            {u"running"_s, state.Running},
            {u"mode"_s, state.ClockTime ? u"timeOfDay"_s : u"game"_s}};
}

// 0x00BBGGRR as "#rrggbb"; the high byte is ignored, as the board ignores it.
QString htmlColor(qint32 color)
{
    const quint32 bits = quint32(color);
    const quint32 rgb = ((bits & 0xFF) << 16) | (bits & 0xFF00) | ((bits >> 16) & 0xFF);
    return u"#%1"_s.arg(rgb, 6, 16, QLatin1Char('0'));
}

QJsonObject colors(const Settings &settings)
{
    return {{u"FormBack"_s, htmlColor(settings.FormBack)},        {u"TimeColor"_s, htmlColor(settings.TimeColor)},
            {u"ScoreColor"_s, htmlColor(settings.ScoreColor)},    {u"SetColor"_s, htmlColor(settings.SetColor)},
            {u"LEDBack"_s, htmlColor(settings.LEDBack)},          {u"LEDSelected"_s, htmlColor(settings.LEDSelected)},
            {u"BorderColor"_s, htmlColor(settings.BorderColor)},  {u"HomeColor"_s, htmlColor(settings.HomeColor)},
            {u"VisitorColor"_s, htmlColor(settings.VisitorColor)}};
}

QJsonValue sideName(std::optional<Side> side)
{
    if (!side)
        return QJsonValue::Null;
    return *side == Side::Home ? u"home"_s : u"visitor"_s;
}

QJsonObject chances(const RulesAssessment::Chances &chances, qint16 timeouts)
{
    return {{u"setPoint"_s, chances.setPoint}, {u"matchPoint"_s, chances.matchPoint}, {u"timeouts"_s, timeouts}};
}

} // namespace

namespace StateJson {

QJsonValue rules(const Match &match)
{
    if (!match.rules().isOn())
        return QJsonValue::Null;
    const RulesAssessment assessment = match.assessment();
    const MatchState state = match.state();
    return QJsonObject {{u"set"_s, assessment.set},
                        {u"decidingSet"_s, assessment.decidingSet},
                        {u"home"_s, chances(assessment.home, state.homeTimeouts)},
                        {u"visitor"_s, chances(assessment.visitor, state.visitorTimeouts)},
                        {u"setWon"_s, sideName(assessment.setWinner)},
                        {u"matchWinner"_s, sideName(assessment.matchWinner)},
                        {u"sideSwitch"_s, match.sideSwitchDue()}};
}

QJsonObject build(const MatchState &state, quint64 version, const Settings &settings, QTime localTime)
{
    return {{u"version"_s, qint64(version)},
            {u"title"_s, settings.TitleText},
            {u"home"_s, side(settings.HomeText, state.homeScore, state.homeGamesWon)},
            {u"visitor"_s, side(settings.VisitorText, state.visitorScore, state.visitorGamesWon)},
            {u"sets"_s, sets(state)},
            {u"possession"_s, possession(state.WhoPoss)},
            {u"clock"_s, clock(state, localTime)},
            {u"colors"_s, colors(settings)},
            // Any style but Dots leaves the board's digits as lines.
            {u"digitStyle"_s, settings.LEDType == 1 ? u"dots"_s : u"lines"_s}};
}

} // namespace StateJson
