#include "widgets/ScrollBar.h"

#include <algorithm>
#include <limits>

namespace {

int toInt16Range(int value)
{
    return std::clamp(value, int(std::numeric_limits<qint16>::min()), int(std::numeric_limits<qint16>::max()));
}

} // namespace

ScrollBar::ScrollBar(QWidget *parent)
    : QScrollBar(Qt::Vertical, parent)
    , TwipsGeometry(this)
{
    applyRange();
    connect(this, &QAbstractSlider::valueChanged, this, [this] { emit Change(currentValue()); });
}

void ScrollBar::setMinValue(int value)
{
    const int kept = currentValue();
    m_min = toInt16Range(value);
    applyRange();
    setCurrentValue(kept);
}

void ScrollBar::setMaxValue(int value)
{
    const int kept = currentValue();
    m_max = toInt16Range(value);
    applyRange();
    setCurrentValue(kept);
}

int ScrollBar::currentValue() const
{
    return reversed() ? -value() : value();
}

void ScrollBar::setCurrentValue(int value)
{
    const int bounded = toInt16Range(value);
    setValue(reversed() ? -bounded : bounded);
}

void ScrollBar::applyRange()
{
    if (reversed())
        setRange(-m_min, -m_max);
    else
        setRange(m_min, m_max);
}
