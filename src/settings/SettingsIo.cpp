#include "settings/SettingsIo.h"

#include "core/Numbers.h"
#include "settings/SettingsStore.h"

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
const QString FeedSection = u"Feed"_s;

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

// The position of the text among two words, ignoring case and surrounding blanks.
std::optional<int> choiceOf(const QString &text, const QString &first, const QString &second)
{
    const QString word = text.trimmed();
    if (word.compare(first, Qt::CaseInsensitive) == 0)
        return 0;
    if (word.compare(second, Qt::CaseInsensitive) == 0)
        return 1;
    return std::nullopt;
}

std::optional<QString> convert(const QString &text, bool &field)
{
    const std::optional<int> choice = choiceOf(text, u"No"_s, u"Yes"_s);
    if (!choice)
        return u"Yes or No"_s;
    field = *choice == 1;
    return std::nullopt;
}

std::optional<QString> convert(const QString &text, FeedNetwork &field)
{
    const std::optional<int> choice = choiceOf(text, u"Local"_s, u"LAN"_s);
    if (!choice)
        return u"Local or LAN"_s;
    field = *choice == 1 ? FeedNetwork::LAN : FeedNetwork::Local;
    return std::nullopt;
}

QString defaultBuzzerFile()
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath()) + QDir::separator() + u"buzzer.wav"_s;
}

} // namespace

std::optional<SettingsLoadError> LoadSettings(const SettingsStore &store, Settings &settings)
{
    if (!store.readError().isEmpty())
        return SettingsLoadError {store.fileName(), {}, {}, {}, store.readError()};

    Settings loaded;
    std::optional<SettingsLoadError> error;
    // Reads one key into its field unless an earlier key has failed.
    const auto read = [&](const QString &section, const QString &key, const QString &defaultText, auto &field) {
        if (error)
            return;
        const QString text = store.GetSetting(section, key, defaultText);
        if (const std::optional<QString> needed = convert(text, field))
            error = SettingsLoadError {store.fileName(), section, key, text, *needed};
    };

    read(ColorSettings, u"TimeColor"_s, u"33023"_s, loaded.TimeColor);
    read(ColorSettings, u"LEDBack"_s, u"0"_s, loaded.LEDBack);
    read(ColorSettings, u"ScoreColor"_s, u"255"_s, loaded.ScoreColor);
    read(ColorSettings, u"SetColor"_s, u"65535"_s, loaded.SetColor);
    read(ColorSettings, u"FormBack"_s, u"4210752"_s, loaded.FormBack);
    read(ColorSettings, u"LEDSelected"_s, QString::number(loaded.FormBack), loaded.LEDSelected);
    read(ColorSettings, u"BorderColor"_s, u"16777215"_s, loaded.BorderColor);
    read(ColorSettings, u"HomeColor"_s, u"16777215"_s, loaded.HomeColor);
    read(ColorSettings, u"VisitorColor"_s, u"16777215"_s, loaded.VisitorColor);
    read(ColorSettings, u"LEDSelectedWidth"_s, u"0"_s, loaded.LEDSelectedWidth);

    read(KeySettings, u"StartStopClockKey"_s, u"83"_s, loaded.StartStopClockKey);
    read(KeySettings, u"ResetClockKey"_s, u"82"_s, loaded.ResetClockKey);
    read(KeySettings, u"ClockSwitchKey"_s, u"67"_s, loaded.ClockSwitchKey);
    read(KeySettings, u"ClearKey"_s, u"46"_s, loaded.ClearKey);
    read(KeySettings, u"BuzzerKey"_s, u"66"_s, loaded.BuzzerKey);
    read(KeySettings, u"BuzzerFile"_s, defaultBuzzerFile(), loaded.BuzzerFile);
    read(KeySettings, u"HomeOneKey"_s, u"116"_s, loaded.HomeOneKey);
    read(KeySettings, u"VisitorOneKey"_s, u"117"_s, loaded.VisitorOneKey);
    read(KeySettings, u"NumLockForce"_s, u"0"_s, loaded.NumLockForce);

    read(TextSettings, u"TitleText"_s, u"Home"_s, loaded.TitleText);
    read(TextSettings, u"HomeText"_s, u"Home"_s, loaded.HomeText);
    read(TextSettings, u"VisitorText"_s, u"Visitor"_s, loaded.VisitorText);
    read(TextSettings, u"TeamSize"_s, u"24"_s, loaded.TeamSize);

    read(PicSettings, u"HomePic"_s, QString(), loaded.HomePic);
    read(PicSettings, u"VisitorPic"_s, QString(), loaded.VisitorPic);
    read(PicSettings, u"BoardPic"_s, QString(), loaded.BoardPic);
    read(PicSettings, u"LEDType"_s, u"0"_s, loaded.LEDType);

    read(FeedSection, u"Enabled"_s, u"No"_s, loaded.Feed.Enabled);
    read(FeedSection, u"Port"_s, u"8750"_s, loaded.Feed.Port);
    read(FeedSection, u"Network"_s, u"Local"_s, loaded.Feed.Network);
    read(FeedSection, u"Pin"_s, QString(), loaded.Feed.Pin);
    read(FeedSection, u"TextFolder"_s, QString(), loaded.Feed.TextFolder);

    if (!error)
        settings = loaded;
    return error;
}

std::optional<QString> SaveSettings(SettingsStore &store, const Settings &settings)
{
    bool written = true;
    // Writes one key unless an earlier write has failed.
    const auto write = [&](const QString &section, const QString &key, const QString &text) {
        written = written && store.SaveSetting(section, key, text);
    };
    const auto number = [](qint64 value) { return QString::number(value); };

    write(ColorSettings, u"TimeColor"_s, number(settings.TimeColor));
    write(ColorSettings, u"LEDBack"_s, number(settings.LEDBack));
    write(ColorSettings, u"LEDSelected"_s, number(settings.LEDSelected));
    write(ColorSettings, u"ScoreColor"_s, number(settings.ScoreColor));
    write(ColorSettings, u"SetColor"_s, number(settings.SetColor));
    write(ColorSettings, u"FormBack"_s, number(settings.FormBack));
    write(ColorSettings, u"BorderColor"_s, number(settings.BorderColor));
    write(ColorSettings, u"HomeColor"_s, number(settings.HomeColor));
    write(ColorSettings, u"VisitorColor"_s, number(settings.VisitorColor));
    write(ColorSettings, u"LEDSelectedWidth"_s, number(settings.LEDSelectedWidth));

    write(KeySettings, u"StartStopClockKey"_s, number(settings.StartStopClockKey));
    write(KeySettings, u"ResetClockKey"_s, number(settings.ResetClockKey));
    write(KeySettings, u"ClockSwitchKey"_s, number(settings.ClockSwitchKey));
    write(KeySettings, u"ClearKey"_s, number(settings.ClearKey));
    write(KeySettings, u"BuzzerKey"_s, number(settings.BuzzerKey));
    write(KeySettings, u"BuzzerFile"_s, settings.BuzzerFile);
    write(KeySettings, u"HomeOneKey"_s, number(settings.HomeOneKey));
    write(KeySettings, u"VisitorOneKey"_s, number(settings.VisitorOneKey));
    write(KeySettings, u"NumLockForce"_s, number(settings.NumLockForce));

    write(TextSettings, u"TitleText"_s, settings.TitleText);
    write(TextSettings, u"HomeText"_s, settings.HomeText);
    write(TextSettings, u"VisitorText"_s, settings.VisitorText);
    write(TextSettings, u"TeamSize"_s, settings.TeamSize.toString());

    write(PicSettings, u"HomePic"_s, settings.HomePic);
    write(PicSettings, u"VisitorPic"_s, settings.VisitorPic);
    write(PicSettings, u"BoardPic"_s, settings.BoardPic);
    write(PicSettings, u"LEDType"_s, number(settings.LEDType));

    write(KeySettings, u"IsKeyCode"_s, u"Yes"_s);

    write(FeedSection, u"Enabled"_s, settings.Feed.Enabled ? u"Yes"_s : u"No"_s);
    write(FeedSection, u"Port"_s, number(settings.Feed.Port));
    write(FeedSection, u"Network"_s, settings.Feed.Network == FeedNetwork::LAN ? u"LAN"_s : u"Local"_s);
    write(FeedSection, u"Pin"_s, settings.Feed.Pin);
    write(FeedSection, u"TextFolder"_s, settings.Feed.TextFolder);

    if (!written || !store.commit())
        return store.errorString();
    return std::nullopt;
}
