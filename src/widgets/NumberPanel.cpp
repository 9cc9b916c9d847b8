#include "widgets/NumberPanel.h"

#include "core/Numbers.h"

#include <cstdlib>
#include <limits>

NumberPanel::NumberPanel(QWidget *parent)
    : LedFieldPanel(parent)
{
}

void NumberPanel::setCaption(const QString &text)
{
    bool ok = false;
    const short value = text.toShort(&ok, 10);
    if (ok)
        setCaption(int(value));
}

void NumberPanel::setCaption(int value)
{
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max() || value == m_value)
        return;
    m_value = qint16(value);
    contentChanged();
}

void NumberPanel::setMaxValue(double value)
{
    const std::optional<qint32> rounded = Numbers::toInt32(value);
    if (!rounded || *rounded == m_maxValue)
        return;
    m_maxValue = *rounded;
    layoutChanged();
}

QString NumberPanel::currentCells() const
{
    const QString digits = m_value == Empty ? QString() : QString::number(m_value);
    const qsizetype cells = QString::number(std::llabs(m_maxValue)).size();
    return digits.rightJustified(cells, u' ');
}
