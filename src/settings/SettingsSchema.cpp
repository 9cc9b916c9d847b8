#include "settings/SettingsSchema.h"

#include "core/Numbers.h"

#include <QCoreApplication>
#include <QDir>

#include <limits>
#include <type_traits>

using namespace Qt::StringLiterals;

namespace {

const QString ColorSettings = u"ColorSettings"_s;
const QString KeySettings = u"KeySettings"_s;
const QString TextSettings = u"TextSettings"_s;
const QString PicSettings = u"PicSettings"_s;
const QString Screens = u"Screens"_s;
const QString Rules = u"Rules"_s;
const QString Feed = u"Feed"_s;

template<auto part, auto member> auto &nested(Settings &settings)
{
    return (settings.*part).*member;
}

std::function<QString(const Settings &)> fixed(const QString &text)
{
    return [text](const Settings &) { return text; };
}

QString defaultBuzzerFile(const Settings &)
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath()) + QDir::separator() + u"buzzer.wav"_s;
}

template<typename Integer> std::optional<Integer> toInteger(double value)
{
    if constexpr (std::is_same_v<Integer, qint16>)
        return Numbers::toInt16(value);
    else
        return Numbers::toInt32(value);
}

// Each conversion gives what the field needs when the text does not convert, or nothing when it did.
template<typename Integer> std::optional<QString> convert(const QString &text, Integer &field)
{
    const std::optional<double> value = Numbers::parseDecimal(text);
    const std::optional<Integer> whole = value ? toInteger<Integer>(*value) : std::nullopt;
    if (!whole)
        return u"a number from %1 to %2"_s.arg(std::numeric_limits<Integer>::min())
            .arg(std::numeric_limits<Integer>::max());
    field = *whole;
    return std::nullopt;
}

std::optional<QString> convert(const QString &text, Currency &field)
{
    const std::optional<Currency> value = Currency::parse(text);
    if (!value)
        return u"a decimal number such as 24 or 24.5, no larger than 922337203685477"_s;
    field = *value;
    return std::nullopt;
}

std::optional<QString> convert(const QString &text, QString &field)
{
    field = text;
    return std::nullopt;
}

std::optional<QString> convert(const QString &text, bool &field)
{
    const QString answer = text.trimmed();
    const bool yes = answer.compare(u"Yes"_s, Qt::CaseInsensitive) == 0;
    if (!yes && answer.compare(u"No"_s, Qt::CaseInsensitive) != 0)
        return u"Yes or No"_s;
    field = yes;
    return std::nullopt;
}

std::optional<QString> convert(const QString &text, Settings &settings, const SettingKey::OneOf &choice)
{
    for (const QString &word : choice.words) {
        if (text.trimmed().compare(word, Qt::CaseInsensitive) == 0) {
            settings.*choice.field = word;
            return std::nullopt;
        }
    }
    return u"one of "_s + choice.words.join(u", "_s);
}

std::optional<QString> convert(const QString &text, FeedNetwork &field)
{
    const QString word = text.trimmed();
    const bool lan = word.compare(u"LAN"_s, Qt::CaseInsensitive) == 0;
    if (!lan && word.compare(u"Local"_s, Qt::CaseInsensitive) != 0)
        return u"Local or LAN"_s;
    field = lan ? FeedNetwork::LAN : FeedNetwork::Local;
    return std::nullopt;
}

QString toText(FeedNetwork value)
{
    return value == FeedNetwork::LAN ? u"LAN"_s : u"Local"_s;
}

QString yesNo(bool value)
{
    return value ? u"Yes"_s : u"No"_s;
}

QString toText(qint64 value)
{
    return QString::number(value);
}

QString toText(const Currency &value)
{
    return value.toString();
}

QString toText(const QString &value)
{
    return value;
}

} // namespace

namespace SettingsSchema {

const QList<SettingKey> &loadOrder()
{
    static const QList<SettingKey> keys {
        {ColorSettings, u"TimeColor"_s, &Settings::TimeColor, fixed(u"33023"_s)},
        {ColorSettings, u"LEDBack"_s, &Settings::LEDBack, fixed(u"0"_s)},
        {ColorSettings, u"ScoreColor"_s, &Settings::ScoreColor, fixed(u"255"_s)},
        {ColorSettings, u"SetColor"_s, &Settings::SetColor, fixed(u"65535"_s)},
        {ColorSettings, u"FormBack"_s, &Settings::FormBack, fixed(u"4210752"_s)},
        // Unless stored, the highlight takes the board's background, so that it does not show.
        {ColorSettings, u"LEDSelected"_s, &Settings::LEDSelected,
         [](const Settings &read) { return QString::number(read.FormBack); }},
        {ColorSettings, u"BorderColor"_s, &Settings::BorderColor, fixed(u"16777215"_s)},
        {ColorSettings, u"HomeColor"_s, &Settings::HomeColor, fixed(u"16777215"_s)},
        {ColorSettings, u"VisitorColor"_s, &Settings::VisitorColor, fixed(u"16777215"_s)},
        {ColorSettings, u"LEDSelectedWidth"_s, &Settings::LEDSelectedWidth, fixed(u"0"_s)},
        {KeySettings, u"StartStopClockKey"_s, &Settings::StartStopClockKey, fixed(u"83"_s)},
        {KeySettings, u"ResetClockKey"_s, &Settings::ResetClockKey, fixed(u"82"_s)},
        {KeySettings, u"ClockSwitchKey"_s, &Settings::ClockSwitchKey, fixed(u"67"_s)},
        {KeySettings, u"ClearKey"_s, &Settings::ClearKey, fixed(u"46"_s)},
        {KeySettings, u"BuzzerKey"_s, &Settings::BuzzerKey, fixed(u"66"_s)},
        {KeySettings, u"BuzzerFile"_s, &Settings::BuzzerFile, defaultBuzzerFile},
        {KeySettings, u"HomeOneKey"_s, &Settings::HomeOneKey, fixed(u"116"_s)},
        {KeySettings, u"VisitorOneKey"_s, &Settings::VisitorOneKey, fixed(u"117"_s)},
        {KeySettings, u"NumLockForce"_s, &Settings::NumLockForce, fixed(u"0"_s)},
        {TextSettings, u"TitleText"_s, &Settings::TitleText, fixed(u"Home"_s)},
        {TextSettings, u"HomeText"_s, &Settings::HomeText, fixed(u"Home"_s)},
        {TextSettings, u"VisitorText"_s, &Settings::VisitorText, fixed(u"Visitor"_s)},
        {TextSettings, u"TeamSize"_s, &Settings::TeamSize, fixed(u"24"_s)},
        {PicSettings, u"HomePic"_s, &Settings::HomePic, fixed(QString())},
        {PicSettings, u"VisitorPic"_s, &Settings::VisitorPic, fixed(QString())},
        {PicSettings, u"BoardPic"_s, &Settings::BoardPic, fixed(QString())},
        {PicSettings, u"LEDType"_s, &Settings::LEDType, fixed(u"0"_s)},
        // Written by every save; nothing reads it.
        {KeySettings, u"IsKeyCode"_s, std::monostate(), fixed(u"Yes"_s)},
        {Screens, u"BoardScreen"_s, &Settings::BoardScreen, fixed(QString())},
        {Screens, u"ConsoleKey"_s, &Settings::ConsoleKey, fixed(u"79"_s)},
        {Rules, u"Mode"_s, SettingKey::OneOf {&Settings::Mode, {u"Off"_s, u"Indoor"_s, u"Beach"_s, u"Custom"_s}},
         fixed(u"Off"_s)},
        {Rules, u"SetsToWin"_s, &Settings::SetsToWin, fixed(u"3"_s)},
        {Rules, u"SetPoints"_s, &Settings::SetPoints, fixed(u"25"_s)},
        {Rules, u"DecidingSetPoints"_s, &Settings::DecidingSetPoints, fixed(u"15"_s)},
        {Rules, u"WinByTwo"_s, &Settings::WinByTwo, fixed(u"Yes"_s)},
        {Rules, u"ServeFollowsPoint"_s, &Settings::ServeFollowsPoint, fixed(u"No"_s)},
        {Rules, u"BoardMarker"_s, &Settings::BoardMarker, fixed(u"Yes"_s)},
        {Rules, u"TimeoutKeyHome"_s, &Settings::TimeoutKeyHome, fixed(u"118"_s)},
        {Rules, u"TimeoutKeyVisitor"_s, &Settings::TimeoutKeyVisitor, fixed(u"119"_s)},
        {Rules, u"TimeoutBuzzer"_s, &Settings::TimeoutBuzzer, fixed(u"No"_s)},
        {Rules, u"TimeoutOnBoard"_s, &Settings::TimeoutOnBoard, fixed(u"No"_s)},
        {Feed, u"Enabled"_s, &nested<&Settings::Feed, &FeedSettings::Enabled>, fixed(u"No"_s)},
        {Feed, u"Port"_s, &nested<&Settings::Feed, &FeedSettings::Port>, fixed(u"8750"_s)},
        {Feed, u"Network"_s, &nested<&Settings::Feed, &FeedSettings::Network>, fixed(u"Local"_s)},
        {Feed, u"Pin"_s, &nested<&Settings::Feed, &FeedSettings::Pin>, fixed(QString())},
        {Feed, u"TextFolder"_s, &nested<&Settings::Feed, &FeedSettings::TextFolder>, fixed(QString())},
    };
    return keys;
}

const QList<SettingKey> &saveOrder()
{
    static const QList<SettingKey> keys = [] {
        QList<SettingKey> order = loadOrder();
        const auto at = [&order](const QString &key) {
            return std::find_if(order.begin(), order.end(), [&key](const SettingKey &row) { return row.key == key; })
                - order.begin();
        };
        const SettingKey highlight = order.takeAt(at(u"LEDSelected"_s));
        order.insert(at(u"LEDBack"_s) + 1, highlight);
        return order;
    }();
    return keys;
}

Settings defaults()
{
    Settings settings;
    for (const SettingKey &key : loadOrder())
        assign(settings, key, key.defaultText(settings));
    return settings;
}

QString text(const Settings &settings, const SettingKey &key)
{
    return std::visit(
        [&](auto member) -> QString {
            if constexpr (std::is_same_v<decltype(member), std::monostate>)
                return key.defaultText(settings);
            else if constexpr (std::is_same_v<decltype(member), SettingKey::OneOf>)
                return member.words.contains(settings.*member.field) ? settings.*member.field : member.words.first();
            else if constexpr (std::is_same_v<decltype(member), bool Settings::*>)
                return yesNo(settings.*member);
            else if constexpr (std::is_same_v<decltype(member), SettingKey::Nested<bool>>)
                return yesNo(member(const_cast<Settings &>(settings)));
            else if constexpr (std::is_pointer_v<decltype(member)>)
                // Read only: the accessor takes the record as it would to write it.
                return toText(member(const_cast<Settings &>(settings)));
            else
                return toText(settings.*member);
        },
        key.field);
}

std::optional<QString> assign(Settings &settings, const SettingKey &key, const QString &text)
{
    return std::visit(
        [&](auto member) -> std::optional<QString> {
            if constexpr (std::is_same_v<decltype(member), std::monostate>)
                return std::nullopt;
            else if constexpr (std::is_same_v<decltype(member), SettingKey::OneOf>)
                return convert(text, settings, member);
            else if constexpr (std::is_pointer_v<decltype(member)>)
                return convert(text, member(settings));
            else
                return convert(text, settings.*member);
        },
        key.field);
}

} // namespace SettingsSchema
