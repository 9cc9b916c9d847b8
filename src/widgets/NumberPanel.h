#pragma once

#include "widgets/LedFieldPanel.h"

// A numeric LED field of the board (scores, games won, set points). Caption holds the decimal text of a
// 16-bit integer; -1 means the field is empty: every cell dark, and Caption reads back "-1". A written
// text that is not a 16-bit integer (blanks around it and a sign are fine) is refused and the caption
// stays. The panel has as many digit cells as MaxValue has digits, the number right-aligned in them; a
// value that needs more cells (a minus sign, more digits) gets them, squeezed into the same panel.
class NumberPanel : public LedFieldPanel
{
    Q_OBJECT
    Q_CLASSINFO("Kind", "NumberPanel")
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(double MaxValue READ maxValue WRITE setMaxValue)

public:
    static constexpr qint16 Empty = -1;

    explicit NumberPanel(QWidget *parent = nullptr);

    QString caption() const { return QString::number(m_value); }
    void setCaption(const QString &text);
    // The same for a number; values outside the 16-bit range are refused.
    void setCaption(int value);
    qint16 value() const { return m_value; }

    int maxValue() const { return m_maxValue; }
    void setMaxValue(double value);

protected:
    QString currentCells() const override;

private:
    qint16 m_value = 0;
    int m_maxValue = 9;
};
