#include "match/Possession.h"

namespace {

constexpr qint16 LeftArrowKey = 37;
constexpr qint16 UpArrowKey = 38;
constexpr qint16 RightArrowKey = 39;
constexpr qint16 DownArrowKey = 40;

} // namespace

void Possession::clickHomeArrow()
{
    m_whoPoss = m_whoPoss == Home ? Nobody : Home;
}

void Possession::clickVisitorArrow()
{
    m_whoPoss = m_whoPoss == Visitor ? Nobody : Visitor;
}

void Possession::pressKey(qint16 keyCode)
{
    switch (keyCode) {
    case LeftArrowKey:
        m_whoPoss = Home;
        break;
    case RightArrowKey:
        m_whoPoss = Visitor;
        break;
    case UpArrowKey:
    case DownArrowKey:
        m_whoPoss = Nobody;
        break;
    default:
        break;
    }
}

Possession::ArrowColors Possession::arrowColors(qint32 litColor, qint32 unlitColor) const
{
    return ArrowColors {m_whoPoss == Home ? litColor : unlitColor, m_whoPoss == Visitor ? litColor : unlitColor};
}
