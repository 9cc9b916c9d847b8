#pragma once

#include "widgets/Element.h"

#include <QPainterPath>

// A row of round lamps, known to the layout engine as an element kind; the board has none. The lamps,
// LightDiameter twips across and LightSpacing twips apart (edge to edge), fill the panel's width from the
// left, centred vertically, in a dim amber on a transparent background.
class LampPanel : public Element
{
    Q_OBJECT
    Q_CLASSINFO("Kind", "LampPanel")
    Q_PROPERTY(double LightDiameter READ lightDiameter WRITE setLightDiameter)
    Q_PROPERTY(double LightSpacing READ lightSpacing WRITE setLightSpacing)

public:
    static constexpr int DefaultLightDiameter = 120;
    static constexpr int DefaultLightSpacing = 60;

    explicit LampPanel(QWidget *parent = nullptr);

    int lightDiameter() const { return m_lightDiameter; }
    void setLightDiameter(double twips);
    int lightSpacing() const { return m_lightSpacing; }
    void setLightSpacing(double twips);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void setLampProperty(int &field, double twips);
    void rebuild();

    int m_lightDiameter = DefaultLightDiameter;
    int m_lightSpacing = DefaultLightSpacing;
    QPainterPath m_lamps;
};
