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
        filters.append(u"%1 (%2)"_s.arg(parts[i], patterns));
    }
    return filters.join(u";;"_s);
}
