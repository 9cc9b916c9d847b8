#include "widgets/CaptionFit.h"

#include "widgets/FontFit.h"

#include <QWidget>

CaptionFit::CaptionFit(QWidget *control)
    : m_control(control)
{
}

void CaptionFit::fit(const QString &caption, const QRect &room)
{
    const QFont design = m_designFont.value_or(m_control->font());
    const QFont shown = FontFit::fitted(design, caption, room.size(), Qt::TextShowMnemonic);
    if (shown == m_control->font())
        return;
    // Remembered only once the font changes, so that a control whose caption fits keeps following its window.
    m_designFont = design;
    m_control->setFont(shown);
}
