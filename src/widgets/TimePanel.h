#pragma once

#include "widgets/LedFieldPanel.h"

// The game clock field of the board. Caption is the value in seconds; FieldUnits picks the format:
// "1,.1" shows whole units, a decimal point and tenths (59.9), and "60,1" or any other text shows whole
// sixties, a colon and the two-digit remainder (754 shows 12:34). The value is taken up to the next
// shown step, tenths or whole units, as a countdown clock counts, after forgiving float noise of a
// thousandth of a step (59.9f shows 59.9); values below zero and values that are not numbers show 0.
// The leading field has two cells, the first dark for a one-digit value (" 9:59", " 5.0"), and more when
// the value needs them; the digits keep their size when the format changes.
//
// PaddingD is the gap in twips on each side of the colon or point. The colon or point is always lit, in
// FrameColor, so that the clock's separator matches the other frame-coloured marks of the board; the
// digits take LitColor.
class TimePanel : public LedFieldPanel
{
    Q_OBJECT
    Q_CLASSINFO("Kind", "TimePanel")
    Q_PROPERTY(float Caption READ caption WRITE setCaption)
    Q_PROPERTY(QString FieldUnits READ fieldUnits WRITE setFieldUnits)
    Q_PROPERTY(int FrameColor READ frameColor WRITE setFrameColor)
    Q_PROPERTY(double PaddingD READ paddingD WRITE setPaddingD)

public:
    static constexpr int DefaultPaddingD = 60;

    explicit TimePanel(QWidget *parent = nullptr);

    float caption() const { return m_caption; }
    // Infinite and NaN values are refused.
    void setCaption(float seconds);
    QString fieldUnits() const { return m_fieldUnits; }
    void setFieldUnits(const QString &units);
    int frameColor() const { return m_frameColor; }
    void setFrameColor(int colour);
    int paddingD() const { return m_paddingD; }
    void setPaddingD(double twips);

    // The shown text without dark leading cells: "10:00", "0:59", "59.9".
    static QString displayText(double seconds, QStringView fieldUnits);

protected:
    QString currentCells() const override;
    QString referenceCells() const override;
    LedLayout::Spacing spacing() const override;
    QColor separatorColor() const override;

private:
    float m_caption = 0;
    QString m_fieldUnits = QStringLiteral("60,1");
    int m_frameColor;
    int m_paddingD = DefaultPaddingD;
};
