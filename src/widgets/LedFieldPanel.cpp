#include "widgets/LedFieldPanel.h"

#include "platform/VirtualKey.h"
#include "widgets/TwipsProperty.h"

#include <QKeyEvent>

LedFieldPanel::LedFieldPanel(QWidget *parent)
    : LedPanel(parent)
{
}

void LedFieldPanel::setPaddingH(double twips)
{
    setPadding(m_paddingH, twips);
}

void LedFieldPanel::setPaddingV(double twips)
{
    setPadding(m_paddingV, twips);
}

void LedFieldPanel::setPaddingI(double twips)
{
    setPadding(m_paddingI, twips);
}

void LedFieldPanel::setPadding(int &field, double twips)
{
    if (TwipsProperty::assign(field, twips))
        layoutChanged();
}

LedLayout::Spacing LedFieldPanel::spacing() const
{
    const qreal inner = twipsToPixelsF(m_paddingI);
    return {twipsToPixelsF(m_paddingH), twipsToPixelsF(m_paddingV), inner, inner};
}

void LedFieldPanel::keyPressEvent(QKeyEvent *event)
{
    // Every key is this field's: none travels on to the window, which would handle it a second time.
    event->accept();
    qint16 keyCode = VirtualKey::fromKeyEvent(*event);
    if (keyCode != 0)
        emit KeyDown(keyCode, VirtualKey::shiftState(event->modifiers()));
}

void LedFieldPanel::keyReleaseEvent(QKeyEvent *event)
{
    event->accept();
    const qint16 keyCode = VirtualKey::fromKeyEvent(*event);
    if (keyCode != 0 && !event->isAutoRepeat())
        emit KeyUp(keyCode, VirtualKey::shiftState(event->modifiers()));
}
