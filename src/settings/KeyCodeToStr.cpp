#include "settings/KeyCodeToStr.h"

#include <QHash>

using namespace Qt::StringLiterals;

namespace {

const QHash<qint16, QString> &namedKeys()
{
    static const QHash<qint16, QString> names {
        {8, u"Backspace"_s},  {13, u"Enter"_s},     {17, u"Ctrl"_s}, {19, u"Pause/Break"_s}, {33, u"Page Up"_s},
        {34, u"Page Down"_s}, {35, u"End"_s},       {36, u"Home"_s}, {45, u"Insert"_s},      {46, u"Delete"_s},
        {106, u"Numpad *"_s}, {111, u"Numpad /"_s}, {186, u";"_s},   {188, u","_s},          {190, u"."_s},
        {191, u"/"_s},        {192, u"`"_s},        {219, u"["_s},   {220, u"\\"_s},         {221, u"]"_s},
        {222, u"\""_s},
    };
    return names;
}

} // namespace

QString KeyCodeToStr(qint16 keyCode)
{
    if (keyCode >= 'A' && keyCode <= 'Z')
        return QString(QChar(keyCode));
    // F3 to F12; F1 and F2 belong to the help viewer and the options dialog.
    if (keyCode >= 114 && keyCode <= 123)
        return u"F"_s + QString::number(keyCode - 111);
    return namedKeys().value(keyCode);
}
