#pragma once

#include "settings/Settings.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <variant>

// One stored setting: its section and key, its field of the record, and the text a load gives it when the
// key is absent (some defaults follow what the load has read before them). A row without a field is
// written but never read.
struct SettingKey
{
    // A text field that holds one word of a few, kept in the list's spelling.
    struct OneOf
    {
        QString Settings::*field;
        QStringList words;
    };
    // A field inside a part of the record, e.g. the live feed's.
    template<typename T> using Nested = T &(*)(Settings &);
    using Field = std::variant<std::monostate, qint16 Settings::*, qint32 Settings::*, Currency Settings::*,
                               QString Settings::*, bool Settings::*, OneOf, Nested<bool>, Nested<qint32>,
                               Nested<QString>, Nested<FeedNetwork>>;

    QString section;
    QString key;
    Field field;
    std::function<QString(const Settings &readSoFar)> defaultText;
};

// Every stored setting in one table, which the load, the save, the record's defaults and the options
// dialog's reset buttons all read: a new setting is one row.
namespace SettingsSchema {

// In the order a load reads them.
const QList<SettingKey> &loadOrder();
// In the order a save writes them: as a load reads them, but the highlight colour right after the LED
// background, and the "IsKeyCode" mark after the board's own settings.
const QList<SettingKey> &saveOrder();
// The record a load gives an empty store.
Settings defaults();

// The field as stored text: plain decimal numbers, Yes or No, texts as they are; a word not in its list
// as the list's first.
QString text(const Settings &settings, const SettingKey &key);
// Puts the stored text into the field; when it does not convert, what the field needs instead (and the
// field keeps its value).
std::optional<QString> assign(Settings &settings, const SettingKey &key, const QString &text);

} // namespace SettingsSchema
