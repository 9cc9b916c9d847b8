#include "widgets/ComboBox.h"

ComboBox::ComboBox(QWidget *parent)
    : QComboBox(parent)
    , TwipsGeometry(this)
{
}

QStringList ComboBox::items() const
{
    QStringList entries;
    for (int i = 0; i < count(); ++i)
        entries.append(itemText(i));
    return entries;
}

void ComboBox::setItems(const QStringList &items)
{
    clear();
    for (const QString &item : items)
        addItem(item, item);
}
