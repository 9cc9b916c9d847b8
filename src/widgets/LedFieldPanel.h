#pragma once

#include "widgets/LedPanel.h"

// An LED panel that is a field of the board: it has paddings the layout engine scales, and it reports
// every key while it has the focus as a Windows virtual-key code with the shift state (1 Shift, 2 Ctrl,
// 4 Alt). Each press is a KeyDown, auto-repeated ones included; auto-repeated releases are not reported,
// so a held key ends with one KeyUp. Tab and Shift+Tab move the focus as usual.
//
// Paddings are in twips: PaddingH is the left and right margin inside the panel, PaddingV the top and
// bottom margin, PaddingI the gap between two digit cells. Digit cells share the width that is left; a
// digit is as tall as the panel less the margins allows and is centred in its cell.
class LedFieldPanel : public LedPanel
{
    Q_OBJECT
    Q_PROPERTY(double PaddingH READ paddingH WRITE setPaddingH)
    Q_PROPERTY(double PaddingV READ paddingV WRITE setPaddingV)
    Q_PROPERTY(double PaddingI READ paddingI WRITE setPaddingI)

public:
    static constexpr int DefaultPaddingH = 60;
    static constexpr int DefaultPaddingV = 60;
    static constexpr int DefaultPaddingI = 90;

    int paddingH() const { return m_paddingH; }
    void setPaddingH(double twips);
    int paddingV() const { return m_paddingV; }
    void setPaddingV(double twips);
    int paddingI() const { return m_paddingI; }
    void setPaddingI(double twips);

signals:
    // The handler may change keyCode; the board does not.
    void KeyDown(qint16 &keyCode, int shift);
    void KeyUp(qint16 keyCode, int shift);

protected:
    explicit LedFieldPanel(QWidget *parent = nullptr);

    LedLayout::Spacing spacing() const override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    void setPadding(int &field, double twips);

    int m_paddingH = DefaultPaddingH;
    int m_paddingV = DefaultPaddingV;
    int m_paddingI = DefaultPaddingI;
};
