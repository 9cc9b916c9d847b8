#include "widgets/DesignFontFamily.h"

#include <QFontDatabase>
#include <QHash>
#include <QSet>

using namespace Qt::StringLiterals;

namespace DesignFontFamily {

QString installed(const QString &designFamily)
{
    static const QHash<QString, QString> standIns {{u"arial"_s, u"Liberation Sans"_s},
                                                   {u"times new roman"_s, u"Liberation Serif"_s},
                                                   {u"courier new"_s, u"Liberation Mono"_s}};
    const QString standIn = standIns.value(designFamily.toCaseFolded());
    if (standIn.isEmpty())
        return designFamily;
    // The families installed when the first design font was made; fonts installed later are used from
    // the next start on.
    static const QSet<QString> families = [] {
        QSet<QString> folded;
        for (const QString &family : QFontDatabase::families())
            folded.insert(family.toCaseFolded());
        return folded;
    }();
    if (families.contains(designFamily.toCaseFolded()) || !families.contains(standIn.toCaseFolded()))
        return designFamily;
    return standIn;
}

} // namespace DesignFontFamily
