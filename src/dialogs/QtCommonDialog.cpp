#include "dialogs/QtCommonDialog.h"

#include "widgets/ColorValue.h"

#include <QColorDialog>
#include <QFileDialog>

using namespace Qt::StringLiterals;

QtCommonDialog::QtCommonDialog(QObject *parent)
    : CommonDialog(parent)
{
}

QWidget *QtCommonDialog::owner() const
{
    return qobject_cast<QWidget *>(parent());
}

int QtCommonDialog::ShowColor(int startColor)
{
    const QColor chosen = QColorDialog::getColor(ColorValue::toQColor(startColor), owner());
    return chosen.isValid() ? ColorValue::fromQColor(chosen) : startColor;
}

// Qt's open dialog only ever returns an existing file, so FileMustExist needs nothing further.
QString QtCommonDialog::ShowOpen(const QString &filter, int)
{
    return QFileDialog::getOpenFileName(owner(), QString(), QString(), qtFilter(filter));
}

QString QtCommonDialog::ShowFolder(const QString &startFolder)
{
    return QFileDialog::getExistingDirectory(owner(), QString(), startFolder);
}

QString QtCommonDialog::qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts).join(u' ');
        // QFileDialog takes the patterns from the parentheses at the end and shows the whole text: a
        // description that lists its patterns already ("Sounds *.wav", "Pictures (*.bmp;*.jpg)") has
        // them replaced, not repeated.
        QString description = parts[i].trimmed();
        if (description.endsWith(u')')) {
            const qsizetype open = description.lastIndexOf(u'(');
            if (open >= 0)
                description = description.left(open).trimmed();
        } else {
            for (const QString &listed : {parts[i + 1], patterns}) {
                if (description.size() > listed.size() && description.endsWith(u' ' + listed))
                    description = description.chopped(listed.size()).trimmed();
            }
        }
        filters.append(u"%1 (%2)"_s.arg(description, patterns));
    }
    return filters.join(u";;"_s);
}
