#include "widgets/DesignFont.h"

#include <QFontDatabase>
#include <QHash>
#include <QSet>

using namespace Qt::StringLiterals;

namespace DesignFont {

QString installedFamily(const QString &designFamily)
{
    static const QHash<QString, QString> standIns {{u"arial"_s, u"Liberation Sans"_s},
                                                   {u"times new roman"_s, u"Liberation Serif"_s},
                                                   {u"courier new"_s, u"Liberation Mono"_s}};
    const QString folded = designFamily.toCaseFolded();
    const QString standIn = standIns.value(folded);
    if (standIn.isEmpty())
        return designFamily;
    // The families installed when the first design font was made; fonts installed later are used from
    // the next start on.
    static const QSet<QString> families = [] {
        QSet<QString> installed;
        for (const QString &family : QFontDatabase::families())
            installed.insert(family.toCaseFolded());
        return installed;
    }();
    if (families.contains(folded) || !families.contains(standIn.toCaseFolded()))
        return designFamily;
    return standIn;
}

QFont font(const QString &designFamily, double points, bool bold)
{
    QFont font(installedFamily(designFamily));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace DesignFont
