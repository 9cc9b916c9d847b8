#pragma once

#include <QtGlobal>

// Who has the serve, as the two arrow labels show it: `WhoPoss` is 0 for nobody, 1 for home, 2 for
// the visitor. Clicking an arrow toggles that side; the arrow keys in the possession box set it.
class Possession
{
public:
    static constexpr qint16 Nobody = 0;
    static constexpr qint16 Home = 1;
    static constexpr qint16 Visitor = 2;

    struct ArrowColors
    {
        qint32 home;
        qint32 visitor;
    };

    explicit Possession(qint16 whoPoss = Nobody)
        : m_whoPoss(whoPoss)
    {
    }

    qint16 WhoPoss() const { return m_whoPoss; }

    void clickHomeArrow();
    void clickVisitorArrow();
    // Left arrow gives home, Right the visitor, Up and Down nobody; other keys change nothing.
    void pressKey(qint16 keyCode);

    // The arrow of the side in possession takes litColor, the other one (or both) unlitColor.
    ArrowColors arrowColors(qint32 litColor, qint32 unlitColor) const;

private:
    qint16 m_whoPoss;
};
