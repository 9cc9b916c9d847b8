#include "widgets/Element.h"

Element::Element(QWidget *parent)
    : QWidget(parent)
    , TwipsGeometry(this)
{
}
