#pragma once

#include "widgets/TwipsGeometry.h"

#include <QScrollBar>

// A vertical scroll bar of a dialog, placed in twips, with the classic range rule: the value runs from
// Min at the top arrow to Max at the bottom one, and Min may be the larger of the two, so that a bar
// from Min 5 to Max 0 is a spinner whose up arrow raises the value. Values are whole 16-bit numbers;
// a value outside the range is taken to its nearest end. Change reports every change of the value.
class ScrollBar : public QScrollBar, public TwipsGeometry
{
    Q_OBJECT
    Q_CLASSINFO("Kind", "ScrollBar")
    Q_PROPERTY(double Left READ leftTwips WRITE setLeftTwips)
    Q_PROPERTY(double Top READ topTwips WRITE setTopTwips)
    Q_PROPERTY(double Width READ widthTwips WRITE setWidthTwips)
    Q_PROPERTY(double Height READ heightTwips WRITE setHeightTwips)
    Q_PROPERTY(int Min READ minValue WRITE setMinValue)
    Q_PROPERTY(int Max READ maxValue WRITE setMaxValue)
    Q_PROPERTY(int Value READ currentValue WRITE setCurrentValue)

public:
    explicit ScrollBar(QWidget *parent = nullptr);

    int minValue() const { return m_min; }
    void setMinValue(int value);
    int maxValue() const { return m_max; }
    void setMaxValue(int value);
    int currentValue() const;
    void setCurrentValue(int value);

signals:
    void Change(int value);

private:
    void applyRange();
    // The slider runs on the negated values when Min lies above Max.
    bool reversed() const { return m_min > m_max; }

    int m_min = 0;
    int m_max = 32767;
};
