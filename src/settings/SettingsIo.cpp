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
const QString Screens = u"Screens"_s;

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

QString defaultBuzzerFile()
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath()) + QDir::separator() + u"buzzer.wav"_s;
}

} // namespace

SettingsLoadReport LoadSettings(const SettingsStore &store, Settings &settings)
{
    SettingsLoadReport report;
    report.fileName = store.fileName();
    report.fileProblem = store.readError();
    for (const SettingsStore::SkippedLine &line : store.skippedLines())
        report.problems.append({{}, {}, line.text, line.problem, {}, line.number});
    report.unlistedProblems = store.skippedLineCount() - store.skippedLines().size();

    Settings loaded;
    // Reads one key into its field; a text that does not convert gives way to the default.
    const auto read = [&](const QString &section, const QString &key, const QString &defaultText, auto &field) {
        const QString text = store.GetSetting(section, key, defaultText);
        if (const std::optional<QString> needed = convert(text, field)) {
            report.problems.append({section, key, text, *needed, defaultText, 0});
            const std::optional<QString> defaultFailed = convert(defaultText, field);
            Q_ASSERT(!defaultFailed);
        }
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

    read(Screens, u"BoardScreen"_s, QString(), loaded.BoardScreen);
    read(Screens, u"ConsoleKey"_s, u"79"_s, loaded.ConsoleKey);

    settings = loaded;
    if (!report.problems.isEmpty() && report.fileProblem.isEmpty()) {
        store.keepPreviousFileOnCommit();
        report.backupFileName = store.backupFileName();
    }
    return report;
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

    write(Screens, u"BoardScreen"_s, settings.BoardScreen);
    write(Screens, u"ConsoleKey"_s, number(settings.ConsoleKey));

    if (!written || !store.commit())
        return store.errorString();
    return std::nullopt;
}
